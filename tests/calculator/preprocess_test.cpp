// Pre-processing of typed text: brackets, case, arguments, named constants,
// leading zeros and signed operands.

#include <gtest/gtest.h>

#include <string>

#include "calculator/eval/evaluator.h"
#include "calculator/eval/named_constants.h"
#include "calculator/eval/preprocess.h"

namespace tallix {
namespace {

const NamedConstantTable& constants() {
    static const NamedConstantTable table = makeNamedConstants(Evaluator::kPi);
    return table;
}

struct PreCase {
    const char* name;
    const char* typed;
    const char* processed;
};

std::ostream& operator<<(std::ostream& out, const PreCase& c) {
    return out << c.typed;
}

class PreProcCases : public ::testing::TestWithParam<PreCase> {};

TEST_P(PreProcCases, RewritesTheText) {
    const PreCase& c = GetParam();
    const std::optional<std::string> text = preProc(c.typed, constants());
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, c.processed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PreProcCases,
    ::testing::Values(
        PreCase{"Brackets", "2 * [1 + {3}]", "2*(1+(3))"}, PreCase{"ExpUpper", "EXP(1)", "e_p(1)"},
        PreCase{"ExpLower", "exp(1)", "e_p(1)"}, PreCase{"Pi", "PI/2", "3.14159265358979/2"},
        PreCase{"Pa", "pa", "3.141986363"}, PreCase{"GallonImperial", "$galuk", "0.00454609"},
        PreCase{"GallonUs", "$gal", "0.003785411784"}, PreCase{"Degree", "$deg", "1.74532925199433E-02"},
        PreCase{"Gravity", "$g", "9.80665"}, PreCase{"PoundForce", "$lbf", "4.4482216152605"},
        PreCase{"Pound", "$lb", "0.45359237"}, PreCase{"Knot", "$kt", "0.514444444444444"},
        PreCase{"BtuThermochemical", "$btuth", "1054.35026448889"},
        PreCase{"FahrenheitLeadingZero", "$fahr*9", "0.555555555555556*9"},
        PreCase{"NamesCaseInsensitive", "$GAL+$Kb", "0.003785411784+1024"},
        PreCase{"LeadingZeros", ".5+.5", "0.5+0.5"}, PreCase{"LeadingZeroAfterOperator", "2*.5", "2*0.5"},
        PreCase{"LeadingZeroAfterPoint", "1..5", "1.0.5"}, PreCase{"Arguments", "x^2+y:3:4", "3^2+4"},
        PreCase{"NegativeArgumentBracketed", "x^2:-3", "(-3)^2"},
        PreCase{"ArgumentAsText", "x^2:1+1", "1+1^2"}, PreCase{"MissingArgumentsEmpty", "x+y+z:1", "1++"},
        PreCase{"ArgumentBlanksTrimmed", "x*y : 2 : 3", "2*3"}, PreCase{"ExpKeepsItsX", "exp(x):2", "e_p(2)"},
        PreCase{"SignedOperands", "2*-3*-4", "2*(-3)*(-4)"}, PreCase{"SignedExponent", "2^-2", "2^(-2)"},
        PreCase{"SignedAfterExponentNumber", "2e-3*-1", "2e-3*(-1)"}, PreCase{"PlusSign", "2/+4", "2/(+4)"},
        PreCase{"OnlyPlainNumbers", "2*-(3)", "2*(-)(3)"}, PreCase{"InsideBrackets", "(2*-3)", "(2*(-3))"},
        PreCase{"NumberEndsBeforeLast", "2*-3a", "2*(-3a)"}, PreCase{"SignAtEnd", "2*-", "2*(-)"},
        PreCase{"DegreeExponentKept", "$deg*-1", "1.74532925199433E-02*(-1)"},
        // The variable substitution breaks a $-name holding a variable letter.
        PreCase{"YardBrokenByArguments", "$yd*x:2", "$d*2"},
        // A value holding its own letter is inserted once: the substitution ends.
        PreCase{"ValueHoldsItsLetter", "x*y:1:2*$yd", "1*2*0.9144"},
        PreCase{"ValueHoldsItsLetterTwice", "y+y:1:yy", "yy+yy"}),
    [](const ::testing::TestParamInfo<PreCase>& info) { return std::string(info.param.name); });

TEST(PreProc, FourthArgumentValueFails) {
    EXPECT_FALSE(preProc("1:2:3:4:5", constants()).has_value());
    EXPECT_FALSE(preProc("x:1:2:3:4", constants()).has_value());
    EXPECT_TRUE(preProc("x:1:2:3", constants()).has_value());
}

TEST(SplitExpr, SplitsAndBrackets) {
    const std::optional<ArgumentSplit> split = splitExpr("x*y:-2: 5 ");
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->expression, "x*y");
    EXPECT_EQ(split->x, "(-2)");
    EXPECT_EQ(split->y, "5");
    EXPECT_EQ(split->z, "");
    EXPECT_EQ(splitExpr("x^2:")->x, "");
}

// The order matters: a longer name is replaced before the name it begins with.
TEST(NamedConstants, TableOrder) {
    const NamedConstantTable& table = constants();
    const char* const names[] = {"pa",  "pi",  "$galuk", "$gal",   "$deg",   "$g",     "$lbf",
                                 "$lb", "$mi", "$kt",    "$btuit", "$btuth", "$calit", "$calth",
                                 "$hp", "$ft", "$in",    "$yd",    "$fahr",  "$kb"};
    ASSERT_EQ(table.size(), std::size(names));
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].name, names[i]) << i;
}

TEST(ProcSubseq, PairAtTheFirstPositionIsLeft) {
    EXPECT_EQ(procSubseq("*-3"), "*-3");
    EXPECT_EQ(procSubseq("-3"), "-3");
    EXPECT_EQ(procSubseq(""), "");
}

}  // namespace
}  // namespace tallix
