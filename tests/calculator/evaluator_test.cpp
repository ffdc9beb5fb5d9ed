// The evaluator on its own: grammar, error codes and which code wins, the
// arithmetic failures C++ does not trap, and the functions.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calculator/eval/evaluator.h"

namespace tallix {
namespace {

// Each expression in degrees and the message it gives.
// clang-format off
const std::pair<const char*, const char*> kValues[] = {
    {"1+2*3", " 7"}, {"(1+2)*3", " 9"}, {"-2^2", "-4"}, {"2^(0-1)", " .5"}, {"3.5", " 3.5"},
    {"3,5", " 3.5"}, {"1,000", " 1"}, {"2E3", " 2000"}, {"2e+3", " 2000"}, {"2000", " 2000"},
    {"5-2E-3", " 4.998"}, {" 1 + 2 ", " 3"}, {"sin(30)", " .5"}, {"*3", " 0"}, {"+3", " 3"},
    {"2E5E3", " 200000"}, {"1E", " 1"}, {"(0-2)^3", "-8"}, {"abs(0-2)", " 2"}, {"((2+3)*(4-1))/5", " 3"},
    {"-(2+3)*2", "-10"}, {"-ABS(0-2)", "-2"}, {"ABS(0-3)", " 3"}, {"ATAN(1)", " 45"}, {"COS(60)", " .5"},
    {"E_P(1)", " 2.71828182845905"}, {"INT(0-2.5)", "-3"}, {"LOG(E_P(2))", " 2"}, {"SGN(0-7)", "-1"},
    {"SQR(16)", " 4"}, {"TAN(45)", " 1"}, {"LOG10(1000)", " 3"}, {"CUR(27)", " 3"}, {"COT(45)", " 1"},
    {"SEC(60)", " 2"}, {"COSEC(30)", " 2"}, {"ASIN(0.5)", " 30"}, {"ACOS(0.5)", " 60"},
    {"ACOS(0-0.5)", " 120"}, {"ACOT(1)", " 45"}, {"ASEC(2)", " 60"}, {"ASEC(0-2)", " 120"},
    {"ACOSEC(2)", " 30"}, {"SINH(1)", " 1.1752011936438"}, {"COSH(0)", " 1"}, {"TANH(0)", " 0"},
    {"SECH(0)", " 1"}, {"ASINH(0)", " 0"}, {"ACOSH(1)", " 0"}, {"ATANH(0)", " 0"}, {"ASECH(1)", " 0"},
    {"ACOSECH(1)", " .881373587019543"}};
// clang-format on

TEST(Evaluator, Values) {
    for (const auto& [expression, message] : kValues) {
        Evaluator evaluator(Evaluator::kDegreeFactor);
        evaluator.evaluate(expression);
        EXPECT_EQ(evaluator.message(), message) << expression;
        EXPECT_TRUE(evaluator.assigned()) << expression;
        EXPECT_FALSE(evaluator.escaped()) << expression;
    }
}

struct Failures {
    int error;
    std::vector<const char*> expressions;
};

TEST(Evaluator, ErrorCodes) {
    const Failures failures[] = {
        {2, {"2^3^2", "2*-3", "2^-3", "FOO(1)", "SIN30", "(1+2", "", "2(3)", "FOO(1/0)"}},
        {4, {"1.2.3", "2#3"}},
        {16,
         {"ACOS(0)", "ASIN(1)", "SQR(-1)", "LOG(0)", "CUR(-8)", "ABS(1E308+1E308)", "LOG(FOO(1))",
          "E_P(1000)", "COT(0)", "ASIN(0-1)", "ASIN(2)", "ACOSEC(1)", "COTH(0)", "SECH(1000)", "COSECH(0)",
          "ATANH(1)", "ACOTH(1)"}},
        {32,
         {"1/0", "SIN(1/0)", "2/SQR(-1)", "0/0", "0^(0-1)", "(0-8)^0.5", "10^400", "1E999", "1E200*1E200",
          "(1E308+1E308)*1"}},
        {8, {")1("}}};
    for (const Failures& f : failures) {
        for (const char* expression : f.expressions) {
            Evaluator evaluator(Evaluator::kDegreeFactor);
            evaluator.evaluate(expression);
            EXPECT_FALSE(evaluator.escaped()) << expression;
            EXPECT_EQ(static_cast<int>(evaluator.error()), f.error) << expression;
            EXPECT_EQ(evaluator.message(), f.error == 16 ? "Erroneous argument" : "Erroneous expression")
                << expression;
            EXPECT_FALSE(evaluator.assigned()) << expression;
        }
    }
}

TEST(Evaluator, StoredExpressionSilentRunsAndResult) {
    Evaluator evaluator;
    evaluator.setExpression(" sin( 1.5 ) ");
    EXPECT_EQ(evaluator.expression(), "SIN(1,5)");
    evaluator.evaluate("1+1");
    EXPECT_EQ(evaluator.evaluate("FOO(1)", true), 0.0);
    EXPECT_EQ(static_cast<int>(evaluator.error()), 2);
    EXPECT_EQ(evaluator.message(), " 2");  // a silent run keeps the message
    evaluator.setExpression("6*7");
    EXPECT_EQ(evaluator.result(), 42.0);
    EXPECT_TRUE(evaluator.assigned());
    EXPECT_EQ(static_cast<int>(evaluator.error()), 0);
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
    EXPECT_EQ(static_cast<int>(evaluator.error()), 8);
}

TEST(Evaluator, AngleFactorIsReadAtEachApplication) {
    Evaluator evaluator(1.0);
    evaluator.evaluate("SIN(90)");
    EXPECT_EQ(evaluator.message(), " .893996663600558");
    evaluator.evaluate("ATAN(1)*4");
    EXPECT_EQ(evaluator.message(), " 3.14159265358979");
    evaluator.setAngleFactor(Evaluator::kDegreeFactor);
    evaluator.evaluate("SIN(90)");
    EXPECT_EQ(evaluator.message(), " 1");
}

TEST(Evaluator, RndFollowsItsRules) {
    Evaluator evaluator;
    const double seeded = evaluator.evaluate("RND(0-3)");
    EXPECT_EQ(static_cast<int>(evaluator.error()), 0);
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
    EXPECT_EQ(static_cast<int>(evaluator.error()), 32);
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
