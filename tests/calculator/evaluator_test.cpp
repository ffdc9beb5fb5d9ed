// The evaluator on its own: grammar, error codes and which code wins, the
// arithmetic failures C++ does not trap, and the functions.

#include <gtest/gtest.h>

#include <string>

#include "calculator/eval/evaluator.h"

namespace tallix {
namespace {

struct EvalCase {
    const char* name;
    const char* expression;
    double angleFactor;
    int error;
    const char* message;  // Message as the evaluator writes it
};

std::ostream& operator<<(std::ostream& os, const EvalCase& c) {
    return os << c.expression;
}

class EvaluatorCases : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvaluatorCases, GivesCodeAndMessage) {
    const EvalCase& c = GetParam();
    Evaluator evaluator(c.angleFactor);
    evaluator.evaluate(c.expression);
    EXPECT_FALSE(evaluator.escaped());
    EXPECT_EQ(evaluator.error(), c.error);
    EXPECT_EQ(evaluator.message(), c.message);
    EXPECT_EQ(evaluator.assigned(), c.error == 0);
}

const double kDeg = Evaluator::kDegreeFactor;
const char* const kExpr = "Erroneous expression";
const char* const kArg = "Erroneous argument";

INSTANTIATE_TEST_SUITE_P(
    Grammar, EvaluatorCases,
    ::testing::Values(
        EvalCase{"ProductBeforeSum", "1+2*3", kDeg, 0, " 7"},
        EvalCase{"BracketFirst", "(1+2)*3", kDeg, 0, " 9"},
        EvalCase{"SignLooserThanPower", "-2^2", kDeg, 0, "-4"},
        EvalCase{"OnePowerPerFactor", "2^3^2", kDeg, 2, kExpr},
        EvalCase{"PowerOfBracket", "2^(0-1)", kDeg, 0, " .5"},
        EvalCase{"SignedFactorRaw", "2*-3", kDeg, 2, kExpr},
        EvalCase{"SignedExponentRaw", "2^-3", kDeg, 2, kExpr},
        EvalCase{"PointSeparator", "3.5", kDeg, 0, " 3.5"},
        EvalCase{"CommaSeparator", "3,5", kDeg, 0, " 3.5"},
        EvalCase{"CommaIsNoThousands", "1,000", kDeg, 0, " 1"},
        EvalCase{"SecondSeparatorThenNotPower", "1.2.3", kDeg, 4, kExpr},
        EvalCase{"Exponent", "2E3", kDeg, 0, " 2000"},
        EvalCase{"ExponentLowerSigned", "2e+3", kDeg, 0, " 2000"},
        EvalCase{"Plain2000", "2000", kDeg, 0, " 2000"},
        EvalCase{"ExponentSignNoSplit", "5-2E-3", kDeg, 0, " 4.998"},
        EvalCase{"BlanksVanish", " 1 + 2 ", kDeg, 0, " 3"}, EvalCase{"SinDegree", "sin(30)", kDeg, 0, " .5"},
        EvalCase{"SinRadian", "sin(30)", 1.0, 0, "-.988031624092862"},
        EvalCase{"AcosZeroDividesByZero", "ACOS(0)", kDeg, 16, kArg},
        EvalCase{"AsinOneDividesByZero", "ASIN(1)", kDeg, 16, kArg},
        EvalCase{"SqrNegative", "SQR(-1)", kDeg, 16, kArg}, EvalCase{"LogZero", "LOG(0)", kDeg, 16, kArg},
        EvalCase{"CurNegative", "CUR(-8)", kDeg, 16, kArg},
        EvalCase{"DivisionByZero", "1/0", kDeg, 32, kExpr},
        EvalCase{"QuotientCatchesFirst", "SIN(1/0)", kDeg, 32, kExpr},
        EvalCase{"FailedFactorThenQuotient", "2/SQR(-1)", kDeg, 32, kExpr},
        EvalCase{"UnknownFunction", "FOO(1)", kDeg, 2, kExpr},
        EvalCase{"NameWithoutBracket", "SIN30", kDeg, 2, kExpr},
        EvalCase{"LeadingTimes", "*3", kDeg, 0, " 0"}, EvalCase{"LeadingPlus", "+3", kDeg, 0, " 3"},
        EvalCase{"BrokenBrackets", ")1(", kDeg, 8, kExpr},
        EvalCase{"UnclosedBracketThenLeftover", "(1+2", kDeg, 2, kExpr},
        EvalCase{"EmptyText", "", kDeg, 2, kExpr},
        EvalCase{"SecondExponentIgnored", "2E5E3", kDeg, 0, " 200000"},
        EvalCase{"ExponentWithoutDigits", "1E", kDeg, 0, " 1"}, EvalCase{"NotPower", "2#3", kDeg, 4, kExpr},
        EvalCase{"NoImplicitProduct", "2(3)", kDeg, 2, kExpr},
        EvalCase{"ZeroOverZero", "0/0", kDeg, 32, kExpr},
        EvalCase{"ZeroToNegativePower", "0^(0-1)", kDeg, 32, kExpr},
        EvalCase{"NegativeBaseFractionalPower", "(0-8)^0.5", kDeg, 32, kExpr},
        EvalCase{"NegativeBaseWholePower", "(0-2)^3", kDeg, 0, "-8"},
        EvalCase{"PowerOverflow", "10^400", kDeg, 32, kExpr},
        EvalCase{"NumberOverflow", "1E999", kDeg, 32, kExpr},
        EvalCase{"ProductOverflow", "1E200*1E200", kDeg, 32, kExpr},
        EvalCase{"SumInBracketOverflow", "(1E308+1E308)*1", kDeg, 32, kExpr},
        EvalCase{"SumInArgumentOverflow", "ABS(1E308+1E308)", kDeg, 16, kArg},
        EvalCase{"ArgumentBeforeName", "FOO(1/0)", kDeg, 2, kExpr},
        EvalCase{"LastCodeWins", "LOG(FOO(1))", kDeg, 16, kArg},
        EvalCase{"CaseFolded", "abs(0-2)", kDeg, 0, " 2"},
        EvalCase{"NestedBrackets", "((2+3)*(4-1))/5", kDeg, 0, " 3"},
        EvalCase{"SignedBracket", "-(2+3)*2", kDeg, 0, "-10"},
        EvalCase{"SignedFunction", "-ABS(0-2)", kDeg, 0, "-2"}),
    [](const ::testing::TestParamInfo<EvalCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluatorCases,
    ::testing::Values(
        EvalCase{"Abs", "ABS(0-3)", kDeg, 0, " 3"}, EvalCase{"AtanDegree", "ATAN(1)", kDeg, 0, " 45"},
        EvalCase{"CosDegree", "COS(60)", kDeg, 0, " .5"},
        EvalCase{"Exp", "E_P(1)", kDeg, 0, " 2.71828182845905"},
        EvalCase{"ExpOverflow", "E_P(1000)", kDeg, 16, kArg},
        EvalCase{"IntFloors", "INT(0-2.5)", kDeg, 0, "-3"}, EvalCase{"Log", "LOG(E_P(2))", kDeg, 0, " 2"},
        EvalCase{"Sgn", "SGN(0-7)", kDeg, 0, "-1"}, EvalCase{"Sqr", "SQR(16)", kDeg, 0, " 4"},
        EvalCase{"TanDegree", "TAN(45)", kDeg, 0, " 1"}, EvalCase{"Log10", "LOG10(1000)", kDeg, 0, " 3"},
        EvalCase{"Cur", "CUR(27)", kDeg, 0, " 3"}, EvalCase{"CotZero", "COT(0)", kDeg, 16, kArg},
        EvalCase{"CotDegree", "COT(45)", kDeg, 0, " 1"}, EvalCase{"SecDegree", "SEC(60)", kDeg, 0, " 2"},
        EvalCase{"CosecDegree", "COSEC(30)", kDeg, 0, " 2"},
        EvalCase{"AsinHalf", "ASIN(0.5)", kDeg, 0, " 30"},
        EvalCase{"AsinMinusOne", "ASIN(0-1)", kDeg, 16, kArg},
        EvalCase{"AsinOutOfRange", "ASIN(2)", kDeg, 16, kArg},
        EvalCase{"AcosHalf", "ACOS(0.5)", kDeg, 0, " 60"},
        EvalCase{"AcosNegativeHalf", "ACOS(0-0.5)", kDeg, 0, " 120"},
        EvalCase{"Acot", "ACOT(1)", kDeg, 0, " 45"}, EvalCase{"AsecTwo", "ASEC(2)", kDeg, 0, " 60"},
        EvalCase{"AsecMinusTwo", "ASEC(0-2)", kDeg, 0, " 120"},
        EvalCase{"AcosecTwo", "ACOSEC(2)", kDeg, 0, " 30"},
        EvalCase{"AcosecOne", "ACOSEC(1)", kDeg, 16, kArg},
        EvalCase{"Sinh", "SINH(1)", kDeg, 0, " 1.1752011936438"}, EvalCase{"Cosh", "COSH(0)", kDeg, 0, " 1"},
        EvalCase{"Tanh", "TANH(0)", kDeg, 0, " 0"}, EvalCase{"CothZero", "COTH(0)", kDeg, 16, kArg},
        EvalCase{"Sech", "SECH(0)", kDeg, 0, " 1"},
        EvalCase{"SechOverflowRaises", "SECH(1000)", kDeg, 16, kArg},
        EvalCase{"CosechZero", "COSECH(0)", kDeg, 16, kArg}, EvalCase{"Asinh", "ASINH(0)", kDeg, 0, " 0"},
        EvalCase{"Acosh", "ACOSH(1)", kDeg, 0, " 0"}, EvalCase{"AtanhOne", "ATANH(1)", kDeg, 16, kArg},
        EvalCase{"AtanhZero", "ATANH(0)", kDeg, 0, " 0"}, EvalCase{"AcothOne", "ACOTH(1)", kDeg, 16, kArg},
        EvalCase{"AsechOne", "ASECH(1)", kDeg, 0, " 0"},
        EvalCase{"AcosechOne", "ACOSECH(1)", kDeg, 0, " .881373587019543"},
        EvalCase{"RadianAtan", "ATAN(1)*4", 1.0, 0, " 3.14159265358979"}),
    [](const ::testing::TestParamInfo<EvalCase>& info) { return std::string(info.param.name); });

TEST(Evaluator, NormalisesTheExpression) {
    Evaluator evaluator;
    evaluator.setExpression(" sin( 1.5 ) ");
    EXPECT_EQ(evaluator.expression(), "SIN(1,5)");
}

TEST(Evaluator, SilentEvaluationKeepsTheMessage) {
    Evaluator evaluator;
    evaluator.evaluate("1+1");
    EXPECT_EQ(evaluator.message(), " 2");
    EXPECT_EQ(evaluator.evaluate("FOO(1)", true), 0.0);
    EXPECT_EQ(evaluator.error(), 2);
    EXPECT_EQ(evaluator.message(), " 2");
}

TEST(Evaluator, ResultRecomputesTheStoredExpression) {
    Evaluator evaluator;
    evaluator.setExpression("6*7");
    EXPECT_EQ(evaluator.result(), 42.0);
    EXPECT_TRUE(evaluator.assigned());
    EXPECT_EQ(evaluator.error(), 0);
}

TEST(Evaluator, OutermostSumOverflowEscapes) {
    Evaluator evaluator;
    evaluator.evaluate("1+1");
    evaluator.evaluate("1E308+1E308");
    EXPECT_TRUE(evaluator.escaped());
    EXPECT_FALSE(evaluator.assigned());
    EXPECT_EQ(evaluator.message(), " 2");  // left as it was

    evaluator.evaluate("2+2");
    EXPECT_FALSE(evaluator.escaped());
    EXPECT_EQ(evaluator.message(), " 4");
}

TEST(Evaluator, BracketErrorFoundBeforeAnyTermIsAdded) {
    // The whole sum is split before any term is evaluated: the broken bracket
    // stops it before the overflowing addition.
    Evaluator evaluator;
    evaluator.evaluate("1E308+1E308+1)");
    EXPECT_FALSE(evaluator.escaped());
    EXPECT_EQ(evaluator.error(), 8);
}

TEST(Evaluator, AngleFactorIsReadAtEachApplication) {
    Evaluator evaluator(1.0);
    evaluator.evaluate("SIN(90)");
    EXPECT_EQ(evaluator.message(), " .893996663600558");
    evaluator.setAngleFactor(Evaluator::kDegreeFactor);
    evaluator.evaluate("SIN(90)");
    EXPECT_EQ(evaluator.message(), " 1");
}

TEST(Evaluator, RndFollowsItsRules) {
    Evaluator evaluator;
    const double seeded = evaluator.evaluate("RND(0-3)");
    EXPECT_EQ(evaluator.error(), 0);
    EXPECT_GE(seeded, 0.0);
    EXPECT_LT(seeded, 1.0);
    EXPECT_EQ(evaluator.evaluate("RND(0)"), seeded);  // repeats the last
    const double next = evaluator.evaluate("RND(1)");
    EXPECT_NE(next, seeded);
    EXPECT_EQ(evaluator.evaluate("RND(0-3)"), seeded);  // same seed, same value
    EXPECT_EQ(evaluator.evaluate("RND(1)"), next);

    Evaluator fresh;  // the sequence is not reseeded at start: always the same
    Evaluator other;
    EXPECT_EQ(fresh.evaluate("RND(1)"), other.evaluate("RND(1)"));
}

TEST(Evaluator, DeepNestingFailsInsteadOfCrashing) {
    Evaluator evaluator;
    const std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
    evaluator.evaluate(deep);
    EXPECT_EQ(evaluator.error(), 32);
}

TEST(Evaluator, ReplaceTextRestartsAndAlwaysEnds) {
    EXPECT_EQ(Evaluator::replaceText("a b  c", " ", ""), "abc");
    EXPECT_EQ(Evaluator::replaceText("1.5.2", ".", ","), "1,5,2");
    EXPECT_EQ(Evaluator::replaceText("aabb", "ab", "a"), "aa");    // restarts from the start
    EXPECT_EQ(Evaluator::replaceText("xax", "x", "xx"), "xxaxx");  // insertion holds the search
    EXPECT_EQ(Evaluator::replaceText("abc", "", "z"), "abc");
}

TEST(ExponentHelpers, MarkAndSign) {
    EXPECT_TRUE(isExponentMark("2E3", 2));
    EXPECT_TRUE(isExponentMark("2e3", 2));
    EXPECT_FALSE(isExponentMark("E3", 1));
    EXPECT_FALSE(isExponentMark("XE3", 2));
    EXPECT_TRUE(isExponentSign("2E-3", 3));
    EXPECT_TRUE(isExponentSign("XE+3", 3));  // the character before "E" is not examined
    EXPECT_FALSE(isExponentSign("E-3", 2));
    EXPECT_FALSE(isExponentSign("2*-3", 3));
}

}  // namespace
}  // namespace tallix
