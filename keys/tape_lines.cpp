// SPDX-License-Identifier: MIT
#include "keys/tape_lines.h"

#include <array>
#include <cctype>
#include <string_view>
#include <utility>

#include "core/calculator.h"
#include "display/number_text.h"
#include "display/shown_text.h"
#include "functions/function_keys.h"
#include "keys/key_table.h"
#include "memory/memory_keys.h"
#include "stats/stat_keys.h"
#include "tape/paper_tape.h"

namespace {

// How the tape writes the formula's operators; "/" rather than the face's division sign keeps
// the tape plain text wherever it is pasted.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kOperatorWords{{
    {"+", "+"},
    {"-", "-"},
    {"*", "x"},
    {"/", "/"},
    {"expt", "^"},
    {"invexpt", "root"},
}};

std::string OperatorWord(std::string_view op) {
    for (const auto& [token, word] : kOperatorWords)
        if (token == op) return std::string(word);
    return std::string(op);
}

std::string Joined(const std::string& head, const std::string& tail) {
    if (head.empty()) return tail;
    if (tail.empty()) return head;
    return head + " " + tail;
}

// The formula's words without the operator that ends them.
std::string WithoutLastWord(const std::string& words) {
    const auto space = words.rfind(' ');
    return space == std::string::npos ? std::string() : words.substr(0, space);
}

// A function as the tape writes it: a caption with an "x" takes the operand in its place
// ("x²" on 3 -> "3²", "¹/x" on 4 -> "¹/4"), any other is a name before it ("Sin" -> "sin 30").
std::string FunctionTerm(std::string_view caption, const std::string& operand) {
    std::string name;
    for (char c : caption) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto x = name.find('x');
    if (x == std::string::npos) return name + " " + operand;
    const bool plain = operand.find_first_not_of("0123456789.") == std::string::npos;
    return name.replace(x, 1, plain ? operand : "(" + operand + ")");
}

bool IsFormulaOperator(std::string_view token) {
    return token == "+" || token == "-" || token == "*" || token == "/" || token == "xy" || token == "root";
}

// Registers by the number the register window shows, 1 to 100.
std::string RegisterNumber(int index) { return PlainText(static_cast<double>(index + 1)); }

std::string RegisterName(const Calculator& calc, int index) {
    return Joined(RegisterNumber(index), calc.memory.MemoryRegisters[index].Description);
}

void Write(Calculator& calc, const std::string& line) { calc.platform.tape->Write(line); }

// The tape keeps only the end of a long line, so the formula's words need not run longer than
// that either, however many operands are keyed; the cut is marked as the tape marks it.
void SetFormula(Calculator& calc, std::string words) {
    if (words.size() > kMaxTapeLineBytes) {
        const auto space = words.find(' ', words.size() - kMaxTapeLineBytes / 2);
        if (space != std::string::npos) words = "... " + words.substr(space + 1);
    }
    calc.formula.TapeFormula = std::move(words);
}

void OperatorKey(Calculator& calc, const TapeBefore& before, const std::string& operand, const std::string& result) {
    FormulaState& f = calc.formula;
    if (calc.entry.ErrorLocked) {
        Write(calc, Joined(f.TapeFormula, operand) + " = " + result);
        f.TapeFormula.clear();
        return;
    }
    if (!f.ConstantOperator.empty()) {
        // Switching "K" on drops the formula; "=" applies the operator and the shown number.
        f.TapeConstant = OperatorWord(f.ConstantOperator) + " " + OperandText(result);
        f.TapeFormula.clear();
        return;
    }
    f.TapeConstant.clear();
    const std::string word = OperatorWord(f.LastOperator);
    if (before.operandWaiting || f.TapeFormula.empty()) SetFormula(calc, Joined(Joined(f.TapeFormula, operand), word));
    else SetFormula(calc, Joined(WithoutLastWord(f.TapeFormula), word));
}

void EqualKey(Calculator& calc, const TapeBefore& before, const std::string& operand, const std::string& result) {
    FormulaState& f = calc.formula;
    if (!before.constantOperator.empty()) {
        Write(calc, Joined(operand, f.TapeConstant) + " = " + result);
    } else if (!f.TapeFormula.empty()) {
        const std::string words =
            before.operandWaiting ? Joined(f.TapeFormula, operand) : WithoutLastWord(f.TapeFormula);
        Write(calc, words + " = " + result);
    }
    f.TapeFormula.clear();
}

// R>P and P>R wait for their second input like an operator; pressed again after it they finish
// and go on from their result.
void ConversionKey(Calculator& calc, const FaceKey& key, const TapeBefore& before, const std::string& operand,
                   const std::string& result) {
    const bool taken = calc.conversion.RectPending || calc.conversion.PolarPending;
    if (!taken || (!before.operandWaiting && before.conversionPending)) return;
    FormulaState& f = calc.formula;
    if (before.conversionPending) {
        Write(calc, Joined(f.TapeFormula, operand) + " = " + result);
        SetFormula(calc, Joined(OperandText(result), std::string(key.caption)));
    } else {
        SetFormula(calc, Joined(Joined(f.TapeFormula, operand), std::string(key.caption)));
    }
}

void ExchangeKey(Calculator& calc, const TapeBefore& before) {
    // The formula goes on from the number shown before the exchange, with the same operator.
    if (!before.lastOperator.empty() && !before.conversionPending)
        calc.formula.TapeFormula = Joined(OperandText(before.shown), OperatorWord(before.lastOperator));
}

void ChangedRegisters(Calculator& calc, const TapeBefore& before, const FaceKey& key) {
    std::string line(key.caption);
    bool any = false;
    for (int i = 0; i < kRegisterCount; ++i) {
        if ((*before.registers)[i] == calc.memory.MemoryRegisters[i]) continue;
        line += " " + RegisterNumber(i);
        any = true;
    }
    if (any) Write(calc, line);
}

void DeletedData(Calculator& calc, const TapeBefore& before, const FaceKey& key) {
    const std::vector<double>& left = calc.statistics.StatData.Values();
    if (left.size() >= before.data.size()) return;
    std::string line(key.caption);
    std::size_t kept = 0;
    for (double value : before.data) {
        if (kept < left.size() && left[kept] == value) ++kept;
        else line += " " + OperandText(ValueText(calc, value));
    }
    Write(calc, line);
}

// The register keys write their register's number and description; a closed window writes
// nothing.
void RegisterKey(Calculator& calc, const FaceKey& key, const std::string& operand, const std::string& result) {
    const int i = calc.memory.ChosenRegister;
    if (!IsRegisterIndex(i)) return;
    const std::string name = std::string(key.caption) + " " + RegisterName(calc, i);
    const std::string value = ValueText(calc, calc.memory.MemoryRegisters[i].Value);
    if (key.handler == StoreRegister) Write(calc, name + " = " + value);
    else if (key.handler == AddToRegister) Write(calc, name + " + " + operand + " = " + value);
    else if (key.handler == SubtractFromRegister) Write(calc, name + " - " + operand + " = " + value);
    else Write(calc, name + " = " + result);
}

}  // namespace

TapeBefore TapeSnapshot(const Calculator& calc, const FaceKey& key) {
    TapeBefore before;
    before.shown = ShownText(calc.panel);
    before.errorLocked = calc.entry.ErrorLocked;
    before.clockShowing = calc.modes.ClockShowing;
    before.operandWaiting =
        !calc.entry.EntryText.empty() || !calc.entry.ParkedResult.empty() || calc.entry.FractionEntry;
    before.conversionPending = calc.conversion.RectPending || calc.conversion.PolarPending;
    before.lastOperator = calc.formula.LastOperator;
    before.constantOperator = calc.formula.ConstantOperator;
    if (key.handler == ClearRegisters) before.registers = calc.memory.MemoryRegisters;
    if (key.handler == DeleteDataKey) before.data = calc.statistics.StatData.Values();
    return before;
}

void WriteTapeLine(Calculator& calc, const FaceKey& key, const TapeBefore& before) {
    if (before.errorLocked || before.clockShowing || calc.platform.tape == nullptr) return;
    const std::string_view token = key.token;
    const std::string operand = OperandText(before.shown);
    const std::string result = ShownText(calc.panel);
    const bool failed = calc.entry.ErrorLocked;
    const bool changed = failed || result != before.shown;
    const std::string caption(key.caption);

    if (IsFormulaOperator(token)) OperatorKey(calc, before, operand, result);
    else if (token == "=") EqualKey(calc, before, operand, result);
    else if (token == "x-y") ExchangeKey(calc, before);
    else if (IsUnaryFunctionToken(token) || IsTrigFunctionToken(token))
        Write(calc, FunctionTerm(caption, operand) + " = " + result);
    else if (IsStatisticsToken(token)) Write(calc, caption + " = " + result);
    else if (token == "data") Write(calc, caption + " " + operand + (failed ? " = " + result : ""));
    else if (token == "mo" || token == "rand" || (token == "cnst" && !calc.memory.ChosenConstant.empty()))
        Write(calc, caption + " = " + result);
    else if (token == "ko" || token == "xk") RegisterKey(calc, key, operand, result);
    else if (token == "asex" && changed) Write(calc, caption + " " + operand + " = " + result);
    else if (key.handler == StoreMemory) Write(calc, caption + " " + operand);
    else if (key.handler == StoreRegister || key.handler == AddToRegister || key.handler == SubtractFromRegister)
        RegisterKey(calc, key, operand, result);
    else if (key.handler == ClearRegisters) ChangedRegisters(calc, before, key);
    else if (key.handler == DeleteDataKey) DeletedData(calc, before, key);
    else if (key.handler == PolarToRectKey || key.handler == RectToPolarKey)
        ConversionKey(calc, key, before, operand, result);
    else if ((key.handler == ConvertFraction || key.handler == EngShiftLeft || key.handler == EngShiftRight) && changed)
        Write(calc, caption + " " + operand + " = " + result);
    if (calc.entry.ErrorLocked) calc.formula.TapeFormula.clear();
}
