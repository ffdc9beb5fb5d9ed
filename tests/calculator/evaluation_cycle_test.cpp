// The evaluation cycle: typed text to result box text, with the history.

#include <gtest/gtest.h>

#include <string>

#include "calculator/eval/evaluation_cycle.h"

namespace tallix {
namespace {

using Kind = CycleOutcome::Kind;

struct CycleCase {
    const char* name;
    const char* input;
    Kind kind;
    const char* result;
};

std::ostream& operator<<(std::ostream& out, const CycleCase& c) {
    return out << c.input;
}

class CycleCases : public ::testing::TestWithParam<CycleCase> {};

TEST_P(CycleCases, ShowsTheResult) {
    const CycleCase& c = GetParam();
    Calculator calculator;  // first-run settings: 8 digits, regular, degree
    const CycleOutcome outcome = calculator.run(c.input);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.resultText, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CycleCases,
    ::testing::Values(CycleCase{"Product", "1+2*3", Kind::Number, "7.0000000"},
                      CycleCase{"SignedOperand", "2*-3", Kind::Number, "-6.0000000"},
                      CycleCase{"SignedExponent", "2^-3", Kind::Number, "0.12500000"},
                      CycleCase{"SineDegree", "sin(30)", Kind::Number, "0.50000000"},
                      CycleCase{"CommaTyped", "3,5*2", Kind::Number, "7.0000000"},
                      CycleCase{"CommaNoThousands", "1,000", Kind::Number, "1.0000000"},
                      CycleCase{"TooManyLeft", "2*(3", Kind::Message, "Too many left bracket(s)"},
                      CycleCase{"TooManyRight", "2)*3", Kind::Message, "Too many right bracket(s)"},
                      CycleCase{"OrderNotChecked", ")1(", Kind::Message, "Erroneous expression"},
                      CycleCase{"SecondSeparator", "1.2.3", Kind::Message, "Erroneous expression"},
                      CycleCase{"ArgumentMessage", "sqr(-1)", Kind::Message, "Erroneous argument"},
                      CycleCase{"Arguments", "x^2+y:3:4", Kind::Number, "13.000000"},
                      CycleCase{"NegativeArgument", "x^2:-3", Kind::Number, "9.0000000"},
                      CycleCase{"ArgumentAsText", "x^2:1+1", Kind::Number, "2.0000000"},
                      CycleCase{"Fahrenheit", "$fahr*9", Kind::Number, "5.0000000"},
                      CycleCase{"Brackets", "2 * [1 + {3}]", Kind::Number, "8.0000000"},
                      CycleCase{"LeadingZeros", ".5+.5", Kind::Number, "1.0000000"},
                      CycleCase{"ExpFunction", "exp(1)", Kind::Number, "2.7182818"},
                      CycleCase{"CustomFunction", "pi*x^2:2", Kind::Number, "12.566371"},
                      CycleCase{"FourArgumentsEscape", "1:2:3:4:5", Kind::Escaped, ""},
                      CycleCase{"SumOverflowEscapes", "1E308+1E308", Kind::Escaped, ""},
                      // The 15-digit text of the largest double overflows when read back.
                      CycleCase{"ReadBackOverflowEscapes", "1.7976931348623157E308", Kind::Escaped, ""},
                      CycleCase{"ReadBackOverflowNegative", "-1.7976931348623157E308", Kind::Escaped, ""},
                      CycleCase{"SubnormalResult", "2^(0-1074)", Kind::Number, "4.9406565E-324"},
                      CycleCase{"NegativeZero", "0*-1", Kind::Number, "0.0000000E+00"},
                      CycleCase{"BlankInput", "   ", Kind::Cleared, ""}),
    [](const ::testing::TestParamInfo<CycleCase>& info) { return std::string(info.param.name); });

TEST(Cycle, RadianSine) {
    CalculatorSettings settings;
    settings.options.trig = 1;
    Calculator calculator(settings);
    EXPECT_EQ(calculator.run("sin(30)").resultText, "-0.98803162");
    calculator.settings().options.digits = 15;
    EXPECT_EQ(calculator.run("sin(30)").resultText, "-0.988031624092862");
}

TEST(Cycle, CommaPlatformShowsComma) {
    Calculator calculator({}, common::DecimalSeparator::Comma);
    EXPECT_EQ(calculator.run("3,5*2").resultText, "7,0000000");
    EXPECT_EQ(calculator.run("1000001").resultText, "1,0000010E+06");
}

TEST(Cycle, MenuChoicesChangeTheNotation) {
    Calculator calculator;
    calculator.selectDigits(0);
    EXPECT_EQ(calculator.settings().options.digits, 6);
    EXPECT_EQ(calculator.run("123456.7").resultText, "123457");
    EXPECT_EQ(calculator.run("1234567").resultText, "1.23457E+06");

    calculator.selectNotation(2);
    EXPECT_EQ(calculator.run("2.5").resultText, "3");
    EXPECT_EQ(calculator.run("0.0000001").resultText, "0");
    EXPECT_EQ(calculator.run("1500000").resultText, "1.50000E+06");

    calculator.selectDigits(2);  // also leaves integer notation
    EXPECT_EQ(calculator.settings().options.integer, 0);
    calculator.selectNotation(1);
    EXPECT_EQ(calculator.run("2.5").resultText, "2.5000000E+00");
    calculator.selectNotation(0);
    EXPECT_EQ(calculator.run("2.5").resultText, "2.5000000");
}

TEST(Cycle, TrigChoiceTakesEffectAtTheNextEvaluation) {
    Calculator calculator;
    EXPECT_EQ(calculator.run("sin(30)").resultText, "0.50000000");
    calculator.selectTrig(1);
    EXPECT_EQ(calculator.title(), "Tallix - Math Expression Evaluator (radian)");
    EXPECT_EQ(calculator.run("sin(30)").resultText, "-0.98803162");
    calculator.selectTrig(7);  // any other value keeps the factor
    EXPECT_EQ(calculator.angleFactor(), 1.0);
    calculator.selectTrig(0);
    EXPECT_EQ(calculator.title(), "Tallix - Math Expression Evaluator (degree)");
    EXPECT_EQ(calculator.run("sin(30)").resultText, "0.50000000");
}

TEST(Cycle, IgnoredWhileADialogIsOpen) {
    Calculator calculator;
    calculator.dialogOpened();
    EXPECT_EQ(calculator.run("1+1").kind, Kind::Ignored);
    EXPECT_EQ(calculator.getHistory().listCount(), 0);
    calculator.dialogClosed();
    EXPECT_EQ(calculator.run("1+1").kind, Kind::Number);
}

TEST(Cycle, MCalculateReportsBracketsBeforeEvaluating) {
    Evaluator evaluator;
    const NamedConstantTable constants = makeNamedConstants(Evaluator::kPi);
    EXPECT_EQ(calculate(" 2*(3 ", evaluator, constants).message, "Too many left bracket(s)");
    const CalcResult ok = calculate("1+2*3", evaluator, constants);
    EXPECT_EQ(ok.message, "");
    EXPECT_EQ(ok.value, 7.0);
    EXPECT_FALSE(ok.escaped);
}

// ---- history ----

TEST(History, StartsWithOnlyEmptyAndBlankInputAddsNothing) {
    Calculator calculator;
    EXPECT_EQ(calculator.run("  ").kind, Kind::Cleared);
    const History& history = calculator.getHistory();
    EXPECT_EQ(history.entry(0), "Empty");
    EXPECT_EQ(history.listCount(), 0);
    EXPECT_TRUE(history.visibleInList(0));
    for (int i = 1; i < History::kSize; ++i)
        EXPECT_FALSE(history.visibleInList(i)) << i;
    EXPECT_FALSE(calculator.clearEnabled());

    CalculatorSettings restored;
    restored.history.setEntry(0, "");
    EXPECT_EQ(Calculator(restored).getHistory().entry(0), "Empty");
}

TEST(History, NewestFirstErrorsIncludedTwelveAtMost) {
    Calculator calculator;
    calculator.run(" 1+1 ");
    const History& history = calculator.getHistory();
    EXPECT_EQ(history.entry(0), "1+1");
    EXPECT_EQ(history.entry(1), "Empty");
    EXPECT_FALSE(history.visibleInList(1));
    EXPECT_EQ(history.listCount(), 1);
    EXPECT_TRUE(calculator.clearEnabled());

    calculator.run("FOO(1)");
    calculator.run("1:2:3:4:5");
    EXPECT_EQ(history.entry(0), "1:2:3:4:5");
    EXPECT_EQ(history.entry(1), "FOO(1)");

    for (int i = 1; i <= 13; ++i)
        calculator.run(std::to_string(i));
    EXPECT_EQ(history.listCount(), 11);
    for (int i = 0; i < History::kSize; ++i) {
        EXPECT_EQ(history.entry(i), std::to_string(13 - i)) << i;
        EXPECT_TRUE(history.visibleInList(i)) << i;
    }
}

TEST(History, PickingReEvaluatesWithoutMovingIt) {
    Calculator calculator;
    EXPECT_EQ(calculator.pickFromHistory(0), "");
    EXPECT_EQ(calculator.runFromHistory(0).kind, Kind::Cleared);
    for (const char* input : {"1", "2", "3"})
        calculator.run(input);
    EXPECT_EQ(calculator.pickFromHistory(2), "1");
    EXPECT_EQ(calculator.runFromHistory(2).resultText, "1.0000000");
    EXPECT_FALSE(calculator.fromHistory());
    const History& history = calculator.getHistory();
    EXPECT_EQ(history.entry(0), "3");
    EXPECT_EQ(history.entry(1), "2");
    EXPECT_EQ(history.entry(2), "1");
    EXPECT_EQ(history.listCount(), 3);
}

TEST(History, ClearLeavesOnlyEmpty) {
    Calculator calculator;
    calculator.run("1");
    calculator.run("2");
    EXPECT_TRUE(calculator.clearHistory());
    EXPECT_FALSE(calculator.clearEnabled());
    const History& history = calculator.getHistory();
    EXPECT_EQ(history.entry(0), "Empty");
    EXPECT_EQ(history.listCount(), 0);
    for (int i = 1; i < History::kSize; ++i) {
        EXPECT_EQ(history.entry(i), "") << i;
        EXPECT_FALSE(history.visibleInList(i)) << i;
    }
    EXPECT_FALSE(calculator.clearHistory());
    calculator.run("3");
    EXPECT_TRUE(calculator.clearEnabled());
}

// ---- text rules of the window ----

TEST(Paster, NameFromCaption) {
    EXPECT_EQ(pasterName("sqr(x): square root"), "sqr(");
    EXPECT_EQ(pasterName("log10(x): common logarithm"), "log10(");
    EXPECT_EQ(pasterName(kPasterHypCaptions[12]), "acosech(");
    EXPECT_EQ(pasterName(kPasterCaptions[4]), "exp(");
    EXPECT_EQ(kPasterCaptions[5], "");
}

TEST(Paster, ReplacesTheSelection) {
    EXPECT_EQ(replaceSelection("2*x+1", 2, 1, "sqr("), "2*sqr(+1");
    EXPECT_EQ(replaceSelection("12", 2, 0, "sin("), "12sin(");
    EXPECT_EQ(replaceSelection("12", 9, 4, "a"), "12a");
}

}  // namespace
}  // namespace tallix
