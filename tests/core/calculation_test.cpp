// SPDX-License-Identifier: MIT
// Key sequences and the display they must leave: mantissa|exponent field.
#include <gtest/gtest.h>

#include "support/key_case.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class KeySequence : public testing::TestWithParam<KeyCase> {};

TEST_P(KeySequence, ShowsDisplay) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display) << GetParam().keys; }

const KeyCase kEntry[] = {
    {"StartShowsZero", "", "0.|"},
    {"FifteenDigitsAccepted", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5", "123456789012345.|"},
    {"SixteenthDigitIgnored", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6", "123456789012345.|"},
    {"SignAndPointDoNotCount", "1 2 3 4 5 6 7 dot 8 9 0 1 2 3 4 5 PM 6", "-1234567.89012345|"},
    {"PointFirstGivesZeroPoint", "dot", "0.|"},
    {"LeadingZerosAreNotRepeated", "0 0 7", "7.|"},
    {"ZeroPointZeroSeven", "0 dot 0 7", "0.07|"},
    {"SecondPointIgnored", "1 dot 2 dot 3", "1.23|"},
    {"ExponentKeepsLastTwoDigits", "5 exp 7 3 2", "5.| 32"},
    {"SignInExponentEntry", "5 exp 7 3 2 PM", "5.|-32"},
    {"ExponentStartsAt00", "5 exp", "5.| 00"},
    {"NegativeMantissaWithExponent", "1 2 PM exp 5", "-12.| 05"},
    {"SignKeyedBetweenDigits", "1 PM 2 exp 5", "-12.| 05"},
    {"ExpWithNothingToAttachTo", "exp 5", "5.|"},
    {"SecondExpDoesNothing", "5 exp 1 exp 2", "5.| 12"},
    {"PointIgnoredInExponent", "5 exp 1 dot 2", "5.| 12"},
    {"PiIgnoredInExponentEntry", "5 exp 1 PI", "5.| 01"},
    {"BackOnNegativeSingleDigit", "5 PM Ers", "0.|"},
    {"BackThenOperatorUsesZero", "7 plus 5 PM Ers equal", "7.|"},
    {"BackDropsThePointWithTheDecimal", "1 2 dot 5 Ers", "12.|"},
    {"BackOnAResultDoesNothing", "2 plus 3 equal Ers", "5.|"},
    {"BackShiftsExponentDigitsRight", "5 exp 5 7 Ers", "5.| 05"},
    {"BackAtExponentZeroLeavesExponentEntry", "5 exp 5 Ers Ers", "5.|"},
    {"ErasedExponentKeepsItsSign", "5 exp 5 0 PM Ers", "5.|-05"},
    {"SignOnAResultNegatesIt", "2 plus 3 equal PM", "-5.|"},
    {"SignOnZeroEntryDoesNothing", "0 dot PM", "0.|"},
    {"SignTwiceRestores", "4 PM PM", "4.|"},
    {"ClearMidFormulaShowsZero", "2 plus 3 C", "0.|"},
    {"ClearThenEqualKeepsTheFormula", "2 plus 3 C equal", "2.|"},
    {"AllClearDropsTheFormula", "2 plus 3 AC equal", "0.|"},
    {"NewNumberAfterAnOperatorStartsAt00", "5 exp 3 plus 2 exp 4", "2.| 04"},
    {"ExchangeShowsTheOtherOperand", "3 plus 4 XtoY", "3.|"},
    {"ExchangeThenEqual", "3 plus 4 XtoY equal", "7.|"},
    {"ExchangeInSubtraction", "8 minus 3 XtoY equal", "-5.|"},
    {"ExchangeAfterAProduct", "2 multiply 8 minus 3 XtoY equal", "-13.|"},
    {"ExchangeWithPendingProduct", "1 plus 2 multiply 5 XtoY equal", "15.|"},
    {"DigitAfterAResultStartsANewNumber", "PI 5", "5.|"},
    {"SignOfAnOldEntryDoesNotReachAResult", "8 PM Sqr exp", "64.|"},
    {"PiShowsFourteenDecimals", "PI", "3.14159265358979|"},
};
INSTANTIATE_TEST_SUITE_P(NumberEntry, KeySequence, testing::ValuesIn(kEntry), RowName<KeyCase>);

// A key after which the next digit starts a new number ends the keyed exponent with it: the new
// number's exponent starts at +00. The register and constant keys have rows of their own.
const KeyCase kEndOfNumber[] = {
    {"Operator", "5 exp 3 PM plus 2 exp 4", "2.| 04"},
    {"Equal", "5 exp 3 PM equal 2 exp 4", "2.| 04"},
    {"Clear", "5 exp 3 PM C 2 exp 4", "2.| 04"},
    {"PowerKey", "5 exp 3 PM Xy 2 exp 4", "2.| 04"},
    {"Function", "5 exp 3 PM Sqrt 2 exp 4", "2.| 04"},
    {"TrigonometricFunction", "5 exp 3 PM Sin 2 exp 4", "2.| 04"},
    {"Pi", "5 exp 3 PM plus PI 2 exp 4", "2.| 04"},
    {"Exchange", "5 exp 3 PM XtoY 2 exp 4", "2.| 04"},
    {"Min", "5 exp 3 PM Min 2 exp 4", "2.| 04"},
    {"Mr", "5 exp 3 PM Mr 2 exp 4", "2.| 04"},
    {"Sexa", "5 exp 3 PM Sexa 2 exp 4", "2.| 04"},
    {"Asex", "5 exp 3 PM Asex 2 exp 4", "2.| 04"},
    {"Random", "5 exp 3 PM Random 2 exp 4", "2.| 04"},
    {"RtoP", "5 exp 3 PM RtoP 2 exp 4", "2.| 04"},
    {"PtoR", "5 exp 3 PM PtoR 2 exp 4", "2.| 04"},
    {"Data", "5 exp 3 PM Data 2 exp 4", "2.| 04"},
    {"StatisticsResult", "1 Data 5 exp 3 PM Dtn 2 exp 4", "2.| 04"},
    {"MinWithoutExponent", "5 Min 2", "2.|"},
    {"DataWithoutExponent", "5 Data 2", "2.|"},
};
INSTANTIATE_TEST_SUITE_P(EndOfNumber, KeySequence, testing::ValuesIn(kEndOfNumber), RowName<KeyCase>);

const KeyCase kPriority[] = {
    {"ProductBeforeSum", "2 plus 3 multiply 4 equal", "14.|"},
    {"SumAfterProduct", "2 multiply 3 plus 4 equal", "10.|"},
    {"SumProductDifference", "2 plus 3 multiply 4 minus 5 equal", "9.|"},
    {"TwoProductsSubtracted", "2 multiply 3 minus 4 multiply 5 equal", "-14.|"},
    {"ChainOfProducts", "2 multiply 3 multiply 4 multiply 5 equal", "120.|"},
    {"DivisionLeftToRight", "8 divide 2 multiply 4 equal", "16.|"},
    {"SubtractionLeftToRight", "1 0 minus 2 plus 3 equal", "11.|"},
    {"PowerInASum", "1 plus 2 Xy 3 equal", "9.|"},
    {"PowerInAProduct", "2 multiply 3 Xy 2 equal", "18.|"},
    {"PowerInProductInSum", "1 plus 2 multiply 3 Xy 2 equal", "19.|"},
    {"PowersLeftToRight", "2 Xy 3 Xy 2 equal", "64.|"},
    {"PowerThenProductInASum", "2 plus 3 Xy 2 multiply 4 equal", "38.|"},
    {"PowerThenDivisionInASum", "1 plus 2 multiply 3 Xy 2 divide 4 equal", "5.5|"},
    {"PowerProductInADifference", "1 0 minus 2 Xy 2 multiply 3 equal", "-2.|"},
    {"PowerOfPowerInAProduct", "2 multiply 3 Xy 2 Xy 2 equal", "162.|"},
    {"NegativeBasePowers", "2 PM Xy 3 multiply 2 Xy 2 equal", "-32.|"},
    {"SumThenRoot", "2 multiply 4 Root 2 equal", "4.|"},
    {"DivisionThenRoot", "8 divide 4 Root 2 equal", "4.|"},
    {"SecondOperatorReplacesTheFirst", "2 plus multiply 3 equal", "6.|"},
    {"ReplacementInsideAFormula", "1 plus 2 multiply plus 3 equal", "6.|"},
    {"ReplacementByAHigherLevel", "1 plus 2 multiply 3 plus multiply 4 equal", "25.|"},
    {"EqualAfterAnOperator", "1 plus 2 multiply equal", "3.|"},
    {"EqualAfterTheFirstOperator", "2 plus equal", "2.|"},
    {"EqualAfterEqual", "2 plus 3 equal equal", "5.|"},
    {"SameOperatorShowsTheResult", "2 plus 3 plus", "5.|"},
    {"OtherOperatorKeepsTheOperand", "2 plus 3 minus", "3.|"},
    {"ChainAfterEqual", "2 plus 3 equal multiply 4 equal", "20.|"},
    {"FunctionBetweenOperators", "2 plus 9 Sqrt equal", "5.|"},
    {"OperandsKeptAsKeyed", "1 exp 6 0 PM multiply 1 exp 6 0 PM multiply 1 exp 9 0 equal", "1.|-30"},
};
INSTANTIATE_TEST_SUITE_P(Priority, KeySequence, testing::ValuesIn(kPriority), RowName<KeyCase>);

const KeyCase kConstant[] = {
    {"KMultiply", "3 multiply multiply 5 equal", "15.|"},
    {"KMultiplyAgain", "3 multiply multiply 5 equal 7 equal", "21.|"},
    {"KRepeatedEqual", "3 multiply multiply 5 equal 7 equal equal", "63.|"},
    {"KSubtract", "1 0 minus minus 2 5 equal", "15.|"},
    {"KAdd", "4 plus plus 1 0 equal equal", "18.|"},
    {"KDivide", "4 divide divide 2 0 equal", "5.|"},
    {"KPower", "3 Xy Xy 2 equal", "8.|"},
    {"KRoot", "3 Root Root 8 PM equal", "-2.|"},
    {"KDropsThePendingFormula", "2 plus 3 multiply multiply 4 equal", "12.|"},
    {"OperatorAfterKOperandGoesOn", "3 multiply multiply 5 plus 2 equal", "17.|"},
    {"ThirdPressEndsK", "3 multiply multiply multiply 5 equal", "15.|"},
    {"KDivideByZero", "0 divide divide 5 equal", "*Divide by Zero*|"},
    {"KRootOfZeroIndex", "0 Root Root 5 equal", "*Divide by Zero*|"},
};
INSTANTIATE_TEST_SUITE_P(ConstantCalculation, KeySequence, testing::ValuesIn(kConstant), RowName<KeyCase>);

const KeyCase kErrors[] = {
    {"DivideByZero", "5 divide 0 equal", "*Divide by Zero*|"},
    {"LockedDigitsIgnored", "5 divide 0 equal 7", "*Divide by Zero*|"},
    {"LockedClearIgnored", "5 divide 0 equal C", "*Divide by Zero*|"},
    {"LockedModeChangeKeepsTheError", "5 divide 0 equal FxnButton:2", "*Divide by Zero*|"},
    {"AllClearLeavesTheError", "5 divide 0 equal AC", "0.|"},
    {"AllClearThenNewFormula", "5 divide 0 equal AC 2 plus 2 equal", "4.|"},
    {"ZeroToTheZero", "0 Xy 0 equal", "*Divide by Zero*|"},
    {"TwoToTheZero", "2 Xy 0 equal", "1.|"},
    {"ZeroPowerTermInASum", "1 plus 0 Xy 0 equal", "*Divide by Zero*|"},
    {"ZeroPowerAfterAZeroSum", "5 minus 5 plus 0 Xy 0 equal", "*Divide by Zero*|"},
    {"PowerOfZeroInAZeroProduct", "0 multiply 5 Xy 0 equal", "0.|"},
    {"ZeroRootIndexOfZero", "0 Root 0 equal", "*Divide by Zero*|"},
    {"ZeroRootIndex", "5 Root 0 equal", "*Invalid Power*|"},
    {"Overflow", "1 exp 9 9 multiply 1 0 equal", "*Infinity*|"},
    {"Exponent99Shown", "1 exp 9 8 multiply 1 0 equal", "1.| 99"},
    {"UnderflowToZero", "1 exp 9 9 PM divide 1 0 equal", "0.|"},
    {"ExponentMinus99Shown", "1 exp 9 8 PM divide 1 0 equal", "1.|-99"},
    {"OddRootOfNegative", "8 PM Root 3 equal", "-2.|"},
    {"EvenRootOfNegative", "8 PM Root 2 equal", "*Invalid Power*|"},
    {"NegativeCube", "2 PM Xy 3 equal", "-8.|"},
    {"NegativeBaseNegativeOddRoot", "8 PM Root 3 PM equal", "-0.5|"},
    {"NegativeBaseFractionalPower", "2 PM Xy 1 dot 5 equal", "*Invalid Power*|"},
    {"PowerOverflow", "1 0 Xy 4 0 0 equal", "*Invalid Power*|"},
    {"ErrorInsideASum", "1 plus 5 divide 0 plus", "*Divide by Zero*|"},
};
INSTANTIATE_TEST_SUITE_P(Errors, KeySequence, testing::ValuesIn(kErrors), RowName<KeyCase>);

const KeyCase kModes[] = {
    {"FixedFirstTimeOffersZero", "PI FxnButton", "3.|"},
    {"FixedTwo", "2 divide 3 equal FxnButton:2", "0.67|"},
    {"FixedRoundsNegativeZero", "1 PM divide 1 0 0 0 equal FxnButton:2", "0.00|"},
    {"FixedLargeFallsBackToExponent", "1 exp 2 0 FxnButton:2 plus 0 equal", "1.| 20"},
    {"FixedKeepsShownDigits", "1 2 3 4 5 6 7 8 9 dot 1 2 3 FxnButton:9 plus 0 equal", "123456789.123|"},
    {"ScientificThree", "1 2 3 4 5 ScnButton:3 plus 0 equal", "1.235| 04"},
    {"ScientificZero", "ScnButton:2", "0.00| 00"},
    {"NormalAfterFixed", "2 divide 3 equal FxnButton:2 StdButton", "0.66666666666667|"},
    {"FixedPrecisionRemembered", "PI FxnButton:5 ScnButton:1 FxnButton", "3.14159|"},
    {"ScientificPrecisionRemembered", "PI ScnButton:1 FxnButton:5 ScnButton", "3.1| 00"},
    {"AngleChangeKeepsDisplay", "PI RadButton", "3.14159265358979|"},
    {"TwoThirdsNormal", "2 divide 3 equal", "0.66666666666667|"},
    {"MinusTwoThirds", "2 PM divide 3 equal", "-0.66666666666667|"},
    {"TenThousandth", "1 divide 1 0 0 0 0 equal", "0.0001|"},
    {"HundredThousandth", "1 divide 1 0 0 0 0 0 equal", "1.|-05"},
    {"RoundingAtTheFifteenthDigit", "1 divide 7 equal", "0.14285714285714|"},
    {"NinesStayInFull", "9 dot 9 9 9 9 9 9 9 9 9 9 9 9 9 9 plus 0 equal", "9.99999999999999|"},
    {"LargeWhole", "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 plus 1 equal", "1.| 15"},
};
INSTANTIATE_TEST_SUITE_P(DisplayModes, KeySequence, testing::ValuesIn(kModes), RowName<KeyCase>);

}  // namespace
