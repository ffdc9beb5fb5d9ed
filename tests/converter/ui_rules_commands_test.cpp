// The clipboard rules, the history of copied texts, the periodic refresh of
// the commands, the Tools menu and the hint texts.

#include "common/text_encoding.h"
#include "converter/engine/conversion_driver.h"
#include "converter/settings/command_state.h"
#include "converter/settings/copy_history.h"
#include "converter/settings/hint_texts.h"

#include <gtest/gtest.h>

using namespace quantora;

namespace {
const std::string kPm(common::kPlusMinus);
}  // namespace

TEST(CopyHistory, NewestFirstAndAtMostEight) {
    CopyHistory history;
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(history.entry(0), "");
    for (int i = 1; i <= 9; ++i)
        history.push("copy " + std::to_string(i));
    EXPECT_EQ(history.count(), 8);
    EXPECT_EQ(history.entry(0), "copy 9");
    EXPECT_EQ(history.entry(7), "copy 2");
    EXPECT_EQ(history.entry(8), "");
    EXPECT_EQ(history.entry(-1), "");
}

TEST(CopyResult, TheErrorPartStaysInTheHistoryOnly) {
    const std::string shown = "3937.01 " + kPm + "19.7";
    const CopyTexts texts = conversionResultCopy("100?", "meter", shown, "inch", true);
    EXPECT_EQ(texts.clipboard, "3937.01");
    EXPECT_EQ(texts.history, "100? meter = " + shown + " inch");
    EXPECT_EQ(conversionResultCopy("1", "meter", shown, "inch", false).clipboard, shown);
    // A text without an error part is copied whole.
    EXPECT_EQ(conversionResultCopy("x", "m", "Input error", "in", true).clipboard, "Input error");
    EXPECT_EQ(bareResult(kPm + "1"), "");
    EXPECT_EQ(conversionResultCopy("", "", "", "", true).clipboard, "");
    EXPECT_EQ(conversionResultCopy("", "", "", "", true).history, "=");
}

TEST(CopyUnit, FieldsSeparatedByOneBlankThenTheMemo) {
    const UnitItem unit{1, "foot", "0.3048", "0", "", "", "12 inches"};
    const CopyTexts texts = unitPropertiesCopy(unit);
    EXPECT_EQ(texts.clipboard, "foot 0.3048 0   12 inches");
    EXPECT_EQ(texts.history, texts.clipboard);
    EXPECT_EQ(unitPropertiesCopy(UnitItem{1, "x", "", "", "", "", ""}).clipboard, "x");
}

struct ClipboardCase {
    const char* name;
    std::optional<std::string> text;
    bool number;
};

std::ostream& operator<<(std::ostream& out, const ClipboardCase& c) {
    return out << (c.text ? '"' + *c.text + '"' : "no text");
}

class ClipboardNumber : public testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardNumber, OnlyAPlainNumberCanBePasted) {
    EXPECT_EQ(clipboardHasNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClipboardNumber,
    testing::Values(ClipboardCase{"Decimal", "1.5", true}, ClipboardCase{"Exponent", "2E3", true},
                    ClipboardCase{"Negative", "-0.25", true}, ClipboardCase{"BlanksAround", " 7 ", true},
                    ClipboardCase{"DecimalComma", "1,5", false}, ClipboardCase{"Thousands", "1,000", false},
                    ClipboardCase{"TrailingLetters", "12abc", false}, ClipboardCase{"Empty", "", false},
                    ClipboardCase{"NoText", std::nullopt, false}, ClipboardCase{"Word", "meter", false},
                    ClipboardCase{"TwoNumbers", "1 2", false}),
    [](const testing::TestParamInfo<ClipboardCase>& info) { return std::string(info.param.name); });

namespace {
RefreshInputs ordinary() {
    RefreshInputs in;
    in.selectedKind = NodeKind::Quantity;
    in.listItemCount = 4;
    in.expandedCategories = 1;
    return in;
}
}  // namespace

TEST(Refresh, ExpandedCategoriesDecideSaveAfterTheChangeFlag) {
    RefreshInputs in = ordinary();
    in.tableChanged = false;
    EXPECT_EQ(refreshCommands(in)[RefreshItem::FileSave], true);
    in.tableChanged = true;
    in.expandedCategories = 0;
    const RefreshState state = refreshCommands(in);
    EXPECT_EQ(state[RefreshItem::FileSave], false);
    EXPECT_EQ(state[RefreshItem::FileSaveAs], false);
    EXPECT_EQ(state[RefreshItem::EditMenu], false);
    EXPECT_EQ(state[RefreshItem::TbOptions], false);
}

TEST(Refresh, QuickReferenceNeedsAnOrdinaryQuantityWithUnits) {
    RefreshInputs in = ordinary();
    in.expandedCategories = 0;
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbRef], true);
    EXPECT_EQ(refreshCommands(in)[RefreshItem::ToolsQuickRef], false) << "the expanded rule comes later";
    in.selectedKind = NodeKind::Constants;
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbRef], false);
    in.selectedKind = NodeKind::Quantity;
    in.listItemCount = 0;
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbRef], false);
    EXPECT_EQ(refreshCommands(in)[RefreshItem::ViewDetails], false);
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbSortList], false);
}

TEST(Refresh, TheCalculatorItemsFollowItsPublishedState) {
    RefreshInputs in = ordinary();
    in.calcRun = "0";
    in.calcResult = "42";
    in.outputEmpty = false;
    EXPECT_EQ(refreshCommands(in)[RefreshItem::EditGetCalc], false);
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbPasteCalc], false);
    in.calcRun = "1";
    EXPECT_EQ(refreshCommands(in)[RefreshItem::EditGetCalc], true);
    EXPECT_EQ(refreshCommands(in)[RefreshItem::EditSendCalc], true);
    in.outputEmpty = true;
    in.calcResult = "";
    EXPECT_EQ(refreshCommands(in)[RefreshItem::EditSendCalc], false);
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbCopyCalc], false);
    in.calcRun = "maybe";
    EXPECT_EQ(refreshCommands(in)[RefreshItem::EditGetCalc], std::nullopt);
}

TEST(Refresh, PasteAndBatchCaption) {
    RefreshInputs in = ordinary();
    in.clipboardHasNumber = true;
    EXPECT_EQ(refreshCommands(in)[RefreshItem::TbPaste], true);
    EXPECT_EQ(refreshCommands(in).batchCaption, "Start &Batch Conversion...");
    in.batchMode = true;
    EXPECT_EQ(refreshCommands(in).batchCaption, "&Quit Batch Conversion...");
}

TEST(ToolsMenu, FollowsTheCalculatorChoice) {
    const ToolsMenuState own = setToolsMenu(0, "");
    EXPECT_TRUE(own.runCalculatorVisible);
    EXPECT_EQ(own.secondItemCaption, "&Run NotePad");
    EXPECT_EQ(setToolsMenu(1, "/usr/bin/xcalc").secondItemCaption, "&Run Program");
    const ToolsMenuState program = setToolsMenu(2, "/usr/bin/xcalc");
    EXPECT_FALSE(program.secondItemVisible);
    EXPECT_FALSE(program.secondItemCaption);
    EXPECT_EQ(program.calcButtonToolTip, "Run Calculator (Ctrl+K)");
    const ToolsMenuState none = setToolsMenu(2, "");
    EXPECT_FALSE(none.runCalculatorVisible);
    EXPECT_FALSE(none.calcButtonEnabled);
    EXPECT_FALSE(none.calcButtonToolTip);
    EXPECT_EQ(none.secondItemCaption, "&Run NotePad");
}

TEST(Hints, TextsAndSwitches) {
    EXPECT_EQ(hintText(2, "dot"), "The tree item can be moved only when the tree is not sorted.");
    EXPECT_EQ(hintText(5, "comma"),
              "As it was detected your operating system uses a comma as decimal separator,\n"
              "Quantora 2000 will always use a comma as decimal separator to show any results.\n"
              "For input purposes you may use either a dot or a comma as decimal separator,\n"
              "but must IN NO WAY use them (or any other characters) as thousand separator.");
    EXPECT_EQ(hintText(6, "dot"), "");

    ConverterSettings settings;
    settings.hintFlags = {1, 1, 0, 1, 1, 1};
    EXPECT_FALSE(hintWanted(settings, 2));
    EXPECT_TRUE(hintWanted(settings, 3));
    EXPECT_FALSE(hintWanted(settings, 6));
    setHintSwitch(settings, 3, true);
    EXPECT_FALSE(hintWanted(settings, 3));
    setHintSwitch(settings, 3, false);
    EXPECT_TRUE(hintWanted(settings, 3));
    setHintSwitch(settings, -1, true);
}
