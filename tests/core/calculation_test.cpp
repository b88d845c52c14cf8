// SPDX-License-Identifier: MIT
// Key sequences and the display they must leave: mantissa|exponent field.
#include <gtest/gtest.h>

#include "support/key_driver.h"

namespace {

struct Row {
    const char* behaviour;
    const char* keys;
    const char* display;  // "DisplayBox|ExpoBox"
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.behaviour << ": " << r.keys; }

class KeySequence : public testing::TestWithParam<Row> {};

TEST_P(KeySequence, ShowsDisplay) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display) << GetParam().keys; }

std::string Name(const testing::TestParamInfo<Row>& info) {
    std::string n;
    for (const char* c = info.param.behaviour; *c; ++c) n += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return n;
}

const Row kEntry[] = {
    {"start shows zero", "", "0.|"},
    {"fifteen digits accepted", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5", "123456789012345.|"},
    {"sixteenth digit ignored", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6", "123456789012345.|"},
    {"sign and point do not count", "1 2 3 4 5 6 7 dot 8 9 0 1 2 3 4 5 PM 6", "-1234567.89012345|"},
    {"point first gives zero point", "dot", "0.|"},
    {"leading zeros are not repeated", "0 0 7", "7.|"},
    {"zero point zero seven", "0 dot 0 7", "0.07|"},
    {"second point ignored", "1 dot 2 dot 3", "1.23|"},
    {"exponent keeps last two digits", "5 exp 7 3 2", "5.| 32"},
    {"sign in exponent entry", "5 exp 7 3 2 PM", "5.|-32"},
    {"exponent starts at 00", "5 exp", "5.| 00"},
    {"negative mantissa with exponent", "1 2 PM exp 5", "-12.| 05"},
    {"sign keyed between digits", "1 PM 2 exp 5", "-12.| 05"},
    {"exp with nothing to attach to", "exp 5", "5.|"},
    {"second exp does nothing", "5 exp 1 exp 2", "5.| 12"},
    {"point ignored in exponent", "5 exp 1 dot 2", "5.| 12"},
    {"PI ignored in exponent entry", "5 exp 1 PI", "5.| 01"},
    {"back on negative single digit", "5 PM Ers", "0.|"},
    {"back then operator uses zero", "7 plus 5 PM Ers equal", "7.|"},
    {"back drops the point with the decimal", "1 2 dot 5 Ers", "12.|"},
    {"back on a result does nothing", "2 plus 3 equal Ers", "5.|"},
    {"back shifts exponent digits right", "5 exp 5 7 Ers", "5.| 05"},
    {"back at exponent zero leaves exponent entry", "5 exp 5 Ers Ers", "5.|"},
    {"erased exponent keeps its sign", "5 exp 5 0 PM Ers", "5.|-05"},
    {"sign on a result negates it", "2 plus 3 equal PM", "-5.|"},
    {"sign on zero entry does nothing", "0 dot PM", "0.|"},
    {"sign twice restores", "4 PM PM", "4.|"},
    {"C mid formula shows zero", "2 plus 3 C", "0.|"},
    {"C then equal keeps the formula", "2 plus 3 C equal", "2.|"},
    {"AC clears the formula", "2 plus 3 AC equal", "0.|"},
    {"new number after an operator starts at 00", "5 exp 3 plus 2 exp 4", "2.| 04"},
    {"exchange shows the other operand", "3 plus 4 XtoY", "3.|"},
    {"exchange then equal", "3 plus 4 XtoY equal", "7.|"},
    {"exchange in subtraction", "8 minus 3 XtoY equal", "-5.|"},
    {"exchange after a product", "2 multiply 8 minus 3 XtoY equal", "-13.|"},
    {"exchange with pending product", "1 plus 2 multiply 5 XtoY equal", "15.|"},
    {"digit after a result starts a new number", "PI 5", "5.|"},
    {"sign of an old entry does not reach a result", "8 PM Sqr exp", "64.|"},
    {"PI shows fourteen decimals", "PI", "3.14159265358979|"},
};
INSTANTIATE_TEST_SUITE_P(NumberEntry, KeySequence, testing::ValuesIn(kEntry), Name);

// A key after which the next digit starts a new number ends the keyed exponent with it: the new
// number's exponent starts at +00. The register and constant keys have rows of their own.
const Row kEndOfNumber[] = {
    {"operator", "5 exp 3 PM plus 2 exp 4", "2.| 04"},
    {"equal", "5 exp 3 PM equal 2 exp 4", "2.| 04"},
    {"C", "5 exp 3 PM C 2 exp 4", "2.| 04"},
    {"power key", "5 exp 3 PM Xy 2 exp 4", "2.| 04"},
    {"function", "5 exp 3 PM Sqrt 2 exp 4", "2.| 04"},
    {"trigonometric function", "5 exp 3 PM Sin 2 exp 4", "2.| 04"},
    {"PI", "5 exp 3 PM plus PI 2 exp 4", "2.| 04"},
    {"exchange", "5 exp 3 PM XtoY 2 exp 4", "2.| 04"},
    {"Min", "5 exp 3 PM Min 2 exp 4", "2.| 04"},
    {"MR", "5 exp 3 PM Mr 2 exp 4", "2.| 04"},
    {"Sexa", "5 exp 3 PM Sexa 2 exp 4", "2.| 04"},
    {"Asex", "5 exp 3 PM Asex 2 exp 4", "2.| 04"},
    {"random", "5 exp 3 PM Random 2 exp 4", "2.| 04"},
    {"R>P", "5 exp 3 PM RtoP 2 exp 4", "2.| 04"},
    {"P>R", "5 exp 3 PM PtoR 2 exp 4", "2.| 04"},
    {"Data", "5 exp 3 PM Data 2 exp 4", "2.| 04"},
    {"statistics result", "1 Data 5 exp 3 PM Dtn 2 exp 4", "2.| 04"},
    {"Min without exponent", "5 Min 2", "2.|"},
    {"Data without exponent", "5 Data 2", "2.|"},
};
INSTANTIATE_TEST_SUITE_P(EndOfNumber, KeySequence, testing::ValuesIn(kEndOfNumber), Name);

const Row kPriority[] = {
    {"product before sum", "2 plus 3 multiply 4 equal", "14.|"},
    {"sum after product", "2 multiply 3 plus 4 equal", "10.|"},
    {"sum product difference", "2 plus 3 multiply 4 minus 5 equal", "9.|"},
    {"two products subtracted", "2 multiply 3 minus 4 multiply 5 equal", "-14.|"},
    {"chain of products", "2 multiply 3 multiply 4 multiply 5 equal", "120.|"},
    {"division left to right", "8 divide 2 multiply 4 equal", "16.|"},
    {"subtraction left to right", "1 0 minus 2 plus 3 equal", "11.|"},
    {"power in a sum", "1 plus 2 Xy 3 equal", "9.|"},
    {"power in a product", "2 multiply 3 Xy 2 equal", "18.|"},
    {"power in product in sum", "1 plus 2 multiply 3 Xy 2 equal", "19.|"},
    {"powers left to right", "2 Xy 3 Xy 2 equal", "64.|"},
    {"power then product in a sum", "2 plus 3 Xy 2 multiply 4 equal", "38.|"},
    {"power then division in a sum", "1 plus 2 multiply 3 Xy 2 divide 4 equal", "5.5|"},
    {"power product in a difference", "1 0 minus 2 Xy 2 multiply 3 equal", "-2.|"},
    {"power of power in a product", "2 multiply 3 Xy 2 Xy 2 equal", "162.|"},
    {"negative base powers", "2 PM Xy 3 multiply 2 Xy 2 equal", "-32.|"},
    {"sum then root", "2 multiply 4 Root 2 equal", "4.|"},
    {"division then root", "8 divide 4 Root 2 equal", "4.|"},
    {"second operator replaces the first", "2 plus multiply 3 equal", "6.|"},
    {"replacement inside a formula", "1 plus 2 multiply plus 3 equal", "6.|"},
    {"replacement by a higher level", "1 plus 2 multiply 3 plus multiply 4 equal", "25.|"},
    {"equal after an operator", "1 plus 2 multiply equal", "3.|"},
    {"equal after the first operator", "2 plus equal", "2.|"},
    {"equal after equal", "2 plus 3 equal equal", "5.|"},
    {"same operator shows the result", "2 plus 3 plus", "5.|"},
    {"other operator keeps the operand", "2 plus 3 minus", "3.|"},
    {"chain after equal", "2 plus 3 equal multiply 4 equal", "20.|"},
    {"function between operators", "2 plus 9 Sqrt equal", "5.|"},
    {"operands kept as keyed", "1 exp 6 0 PM multiply 1 exp 6 0 PM multiply 1 exp 9 0 equal", "1.|-30"},
};
INSTANTIATE_TEST_SUITE_P(Priority, KeySequence, testing::ValuesIn(kPriority), Name);

const Row kConstant[] = {
    {"K multiply", "3 multiply multiply 5 equal", "15.|"},
    {"K multiply again", "3 multiply multiply 5 equal 7 equal", "21.|"},
    {"K repeated equal", "3 multiply multiply 5 equal 7 equal equal", "63.|"},
    {"K subtract", "1 0 minus minus 2 5 equal", "15.|"},
    {"K add", "4 plus plus 1 0 equal equal", "18.|"},
    {"K divide", "4 divide divide 2 0 equal", "5.|"},
    {"K power", "3 Xy Xy 2 equal", "8.|"},
    {"K root", "3 Root Root 8 PM equal", "-2.|"},
    {"K drops the pending formula", "2 plus 3 multiply multiply 4 equal", "12.|"},
    {"operator after K operand goes on", "3 multiply multiply 5 plus 2 equal", "17.|"},
    {"third press ends K", "3 multiply multiply multiply 5 equal", "15.|"},
    {"K divide by zero", "0 divide divide 5 equal", "*Divide by Zero*|"},
    {"K root of zero index", "0 Root Root 5 equal", "*Divide by Zero*|"},
};
INSTANTIATE_TEST_SUITE_P(ConstantCalculation, KeySequence, testing::ValuesIn(kConstant), Name);

const Row kErrors[] = {
    {"divide by zero", "5 divide 0 equal", "*Divide by Zero*|"},
    {"locked: digits ignored", "5 divide 0 equal 7", "*Divide by Zero*|"},
    {"locked: C ignored", "5 divide 0 equal C", "*Divide by Zero*|"},
    {"locked: mode change keeps the error", "5 divide 0 equal FxnButton:2", "*Divide by Zero*|"},
    {"AC leaves the error", "5 divide 0 equal AC", "0.|"},
    {"AC then new formula", "5 divide 0 equal AC 2 plus 2 equal", "4.|"},
    {"zero to the zero", "0 Xy 0 equal", "*Divide by Zero*|"},
    {"two to the zero", "2 Xy 0 equal", "1.|"},
    {"zero power term in a sum", "1 plus 0 Xy 0 equal", "*Divide by Zero*|"},
    {"zero power after a zero sum", "5 minus 5 plus 0 Xy 0 equal", "*Divide by Zero*|"},
    {"power of zero in a zero product", "0 multiply 5 Xy 0 equal", "0.|"},
    {"zero root index of zero", "0 Root 0 equal", "*Divide by Zero*|"},
    {"zero root index", "5 Root 0 equal", "*Invalid Power*|"},
    {"overflow", "1 exp 9 9 multiply 1 0 equal", "*Infinity*|"},
    {"exponent 99 shown", "1 exp 9 8 multiply 1 0 equal", "1.| 99"},
    {"underflow to zero", "1 exp 9 9 PM divide 1 0 equal", "0.|"},
    {"exponent -99 shown", "1 exp 9 8 PM divide 1 0 equal", "1.|-99"},
    {"odd root of negative", "8 PM Root 3 equal", "-2.|"},
    {"even root of negative", "8 PM Root 2 equal", "*Invalid Power*|"},
    {"negative cube", "2 PM Xy 3 equal", "-8.|"},
    {"negative base negative odd root", "8 PM Root 3 PM equal", "-0.5|"},
    {"negative base fractional power", "2 PM Xy 1 dot 5 equal", "*Invalid Power*|"},
    {"power overflow", "1 0 Xy 4 0 0 equal", "*Invalid Power*|"},
    {"error inside a sum", "1 plus 5 divide 0 plus", "*Divide by Zero*|"},
};
INSTANTIATE_TEST_SUITE_P(Errors, KeySequence, testing::ValuesIn(kErrors), Name);

const Row kModes[] = {
    {"fixed first time offers zero", "PI FxnButton", "3.|"},
    {"fixed two", "2 divide 3 equal FxnButton:2", "0.67|"},
    {"fixed rounds negative zero", "1 PM divide 1 0 0 0 equal FxnButton:2", "0.00|"},
    {"fixed large falls back to exponent", "1 exp 2 0 FxnButton:2 plus 0 equal", "1.| 20"},
    {"fixed keeps shown digits", "1 2 3 4 5 6 7 8 9 dot 1 2 3 FxnButton:9 plus 0 equal", "123456789.123|"},
    {"scientific three", "1 2 3 4 5 ScnButton:3 plus 0 equal", "1.235| 04"},
    {"scientific zero", "ScnButton:2", "0.00| 00"},
    {"normal after fixed", "2 divide 3 equal FxnButton:2 StdButton", "0.66666666666667|"},
    {"fixed precision remembered", "PI FxnButton:5 ScnButton:1 FxnButton", "3.14159|"},
    {"scientific precision remembered", "PI ScnButton:1 FxnButton:5 ScnButton", "3.1| 00"},
    {"angle change keeps display", "PI RadButton", "3.14159265358979|"},
    {"two thirds normal", "2 divide 3 equal", "0.66666666666667|"},
    {"minus two thirds", "2 PM divide 3 equal", "-0.66666666666667|"},
    {"ten thousandth", "1 divide 1 0 0 0 0 equal", "0.0001|"},
    {"hundred thousandth", "1 divide 1 0 0 0 0 0 equal", "1.|-05"},
    {"rounding at the fifteenth digit", "1 divide 7 equal", "0.14285714285714|"},
    {"nines stay in full", "9 dot 9 9 9 9 9 9 9 9 9 9 9 9 9 9 plus 0 equal", "9.99999999999999|"},
    {"large whole", "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 plus 1 equal", "1.| 15"},
};
INSTANTIATE_TEST_SUITE_P(DisplayModes, KeySequence, testing::ValuesIn(kModes), Name);

}  // namespace
