#include "converter/settings/dialog_keys.h"
#include "converter/settings/dimension_check.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
using namespace quantora;

const std::array<std::string, 4> kUnitTitles{"&Name", "Conversion Factor (Slope)", "Y-intercept", "&Memo"};

TEST(DialogKeys, TheTitlesMarkTheNameAndMemoKeys) {
    EXPECT_EQ(unitDialogKey("n", kUnitTitles), UnitDialogField::Name);
    EXPECT_EQ(unitDialogKey("M", kUnitTitles), UnitDialogField::MemoPage);
    EXPECT_EQ(unitDialogKey("a", kUnitTitles), UnitDialogField::Offset);
    EXPECT_EQ(unitDialogKey("x", kUnitTitles), UnitDialogField::None);
    // "&" before U makes U the name key; a title without "&" gives none.
    const std::array<std::string, 4> renamed{"&Unit name", "", "", "Notes"};
    EXPECT_EQ(unitDialogKey("u", renamed), UnitDialogField::Name);
    EXPECT_EQ(unitDialogKey("n", renamed), UnitDialogField::None);
    EXPECT_EQ(unitDialogKey("m", renamed), UnitDialogField::None);
    // The memo letter comes before the fixed keys: a memo titled "&Remarks" takes R.
    const std::array<std::string, 4> remarks{"&Name", "", "", "&Remarks"};
    EXPECT_EQ(unitDialogKey("r", remarks), UnitDialogField::MemoPage);
    // A title ending in "&" gives no key.
    EXPECT_EQ(accessKeyOf("Name&"), "");
    EXPECT_EQ(accessKeyOf("&\xC3\x9C"
                          "bung"),
              "\xC3\x9C");

    const std::array<std::string, 4> constants{"&Name", "&Value", "&Unit", "&Memo"};
    EXPECT_EQ(constantDialogKey("u", constants), ConstantDialogField::Unit);
    EXPECT_EQ(constantDialogKey("V", constants), ConstantDialogField::Value);
    EXPECT_EQ(constantDialogKey("i", constants), ConstantDialogField::Icon);
    EXPECT_EQ(listHeaderDialogKey("3"), 2);
    EXPECT_EQ(listHeaderDialogKey("r"), 0);
    EXPECT_EQ(listHeaderDialogKey("5"), -1);
}

struct DimensionCase {
    const char* name;
    std::array<std::string, 3> texts;
    int box;              // -1: accepted
    const char* message;  // the first line
};

void PrintTo(const DimensionCase& c, std::ostream* out) {
    *out << c.name;
}

class Dimensions : public testing::TestWithParam<DimensionCase> {};

// The table: 5 categories, 12 quantities, at most 26 units in one.
ConversionTable tableWithCounts() {
    ConversionTable table;
    table.categoryCount = 5;
    table.quantityCount = 12;
    table.quantity(7).unitCount = 26;
    return table;
}

TEST_P(Dimensions, RefusedValuesNameTheAllowedRange) {
    const DimensionCase& c = GetParam();
    const DimensionCheck check = checkDimensions(c.texts, tableWithCounts());
    EXPECT_EQ(check.box, c.box);
    if (c.box < 0) {
        ASSERT_TRUE(check.limits);
        EXPECT_FALSE(check.refusal);
        return;
    }
    EXPECT_FALSE(check.limits);
    ASSERT_TRUE(check.refusal);
    EXPECT_EQ(check.refusal->text.substr(0, check.refusal->text.find('\n')), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Dimensions,
    testing::Values(
        DimensionCase{"accepted", {"30", " 200 ", "100"}, -1, ""},
        DimensionCase{"exactlyTheCounts", {"5", "12", "26"}, -1, ""},
        DimensionCase{"belowTheCategories",
                      {"4", "200", "100"},
                      0,
                      "The table holds 5 categories; a smaller limit would stop it from loading."},
        DimensionCase{
            "belowTheLargestQuantity",
            {"30", "200", "25"},
            2,
            "The largest physical quantity of the table holds 26 units; a smaller limit would stop it "
            "from loading."},
        DimensionCase{"notANumber", {"30", "2OO", "100"}, 1, "'2OO' is not a whole number."},
        DimensionCase{"aFraction", {"30.5", "200", "100"}, 0, "'30.5' is not a whole number."},
        DimensionCase{"beyondSixteenBits", {"40000", "200", "100"}, 0, "40000 is too large."},
        DimensionCase{"productTooLarge",
                      {"30", "400", "100"},
                      1,
                      "Physical Quantities: please enter a whole number from 12 to 324."},
        DimensionCase{"bothTooLarge",
                      {"30", "30000", "3000"},
                      1,
                      "Physical Quantities: please enter a whole number from 12 to 1213."},
        DimensionCase{"unitsTooManyForTheQuantities",
                      {"30", "100", "3000"},
                      2,
                      "Units per Quantity: please enter a whole number from 26 to 326."}),
    [](const testing::TestParamInfo<DimensionCase>& info) { return std::string(info.param.name); });

}  // namespace
