#include "converter/settings/dialog_keys.h"
#include "converter/settings/dimension_check.h"

#include <gtest/gtest.h>

#include <array>

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
    EXPECT_EQ(unitDialogKey("r", {"&Name", "", "", "&Remarks"}), UnitDialogField::MemoPage);
    // A title ending in "&" gives no key.
    EXPECT_EQ(accessKeyOf("Name&"), "");
    EXPECT_EQ(accessKeyOf("&\xC3\x9C\x62ung"), "\xC3\x9C");  // a key of two bytes

    const std::array<std::string, 4> constants{"&Name", "&Value", "&Unit", "&Memo"};
    EXPECT_EQ(constantDialogKey("u", constants), ConstantDialogField::Unit);
    EXPECT_EQ(constantDialogKey("V", constants), ConstantDialogField::Value);
    EXPECT_EQ(constantDialogKey("i", constants), ConstantDialogField::Icon);
    EXPECT_EQ(listHeaderDialogKey("3"), 2);
    EXPECT_EQ(listHeaderDialogKey("r"), 0);
    EXPECT_EQ(listHeaderDialogKey("5"), -1);
}

TEST(DimensionCheck, RefusedValuesNameTheAllowedRange) {
    // The table: 5 categories, 12 quantities, at most 26 units in one.
    ConversionTable table;
    table.categoryCount = 5;
    table.quantityCount = 12;
    table.quantity(7).unitCount = 26;
    struct Case {
        std::array<std::string, 3> texts;
        int box;              // -1: accepted
        const char* message;  // the first line
    };
    const Case cases[] = {
        {{"30", " 200 ", "100"}, -1, ""},
        {{"5", "12", "26"}, -1, ""},
        {{"4", "200", "100"}, 0, "The table holds 5 categories; a smaller limit would stop it from loading."},
        {{"30", "200", "25"},
         2,
         "The largest physical quantity of the table holds 26 units; a smaller limit would stop it from "
         "loading."},
        {{"30", "2OO", "100"}, 1, "'2OO' is not a whole number."},
        {{"30.5", "200", "100"}, 0, "'30.5' is not a whole number."},
        {{"40000", "200", "100"}, 0, "40000 is too large."},
        {{"30", "400", "100"}, 1, "Physical Quantities: please enter a whole number from 12 to 324."},
        {{"30", "30000", "3000"}, 1, "Physical Quantities: please enter a whole number from 12 to 1213."},
        {{"30", "100", "3000"}, 2, "Units per Quantity: please enter a whole number from 26 to 326."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts[0] + " " + c.texts[1] + " " + c.texts[2]);
        const DimensionCheck check = checkDimensions(c.texts, table);
        EXPECT_EQ(check.box, c.box);
        EXPECT_EQ(check.limits.has_value(), c.box < 0);
        const std::string text = check.refusal ? check.refusal->text : "";
        EXPECT_EQ(text.substr(0, text.find('\n')), c.message);
    }
}

}  // namespace
