// What the tree and the unit list show, the list modes and the column set-up.

#include "converter/settings/list_columns.h"
#include "converter/table/view_plan.h"

#include <gtest/gtest.h>

using namespace quantora;

namespace {

// Two categories; allocation: Number System and Constants under the root,
// Length and Mass under category 1, Time under category 2.
ConversionTable smallTable() {
    ConversionTable table;
    table.title = "units.dat";
    table.categoryCount = 2;
    table.category(1) = {2, "Mechanics", 1};
    table.category(2) = {7, "Time", 0};
    const char* names[] = {"Number System", "Constants", "Length", "Time", "Mass"};
    table.quantityCount = 5;
    for (int q = 1; q <= 5; ++q) {
        table.quantity(q).name = names[q - 1];
        table.quantity(q).icon = static_cast<std::int16_t>(q);
    }
    table.allocationCount = 5;
    table.allocation(1) = {1, 1};
    table.allocation(2) = {2, 1};
    table.allocation(3) = {3, 2};
    table.allocation(4) = {5, 2};
    table.allocation(5) = {4, 3};
    table.setUnitCapacity(2);
    table.quantity(1).unitCount = 2;
    table.unit(1, 1) = {1, "Binary", "2", "", "", "", "base two"};
    table.unit(1, 2) = {1, "Hexadecimal", "16", "", "", "", ""};
    table.quantity(3).unitCount = 2;
    table.unit(3, 1) = {3, "meter", "1", "0", "", "", "  "};
    table.unit(3, 2) = {9, "inch", "0.0254", "0", "", "", "exact"};
    return table;
}

}  // namespace

// Each node as "index text <parent #image", "+" when expanded.
std::vector<std::string> shown(const std::vector<TreeNodePlan>& nodes) {
    std::vector<std::string> lines;
    for (const TreeNodePlan& n : nodes) {
        lines.push_back(std::to_string(n.index) + " " + n.text + " <" + std::to_string(n.parent) + " #" +
                        std::to_string(n.image) + (n.expanded ? " +" : ""));
    }
    return lines;
}

TEST(TreePlan, NodesAreNumberedRootCategoriesThenQuantitiesByParent) {
    // Category 2's icon 7 is outside 1 to 4: it shows as choice 1.
    EXPECT_EQ(shown(treePlan(smallTable())),
              (std::vector<std::string>{"1 units.dat <0 #1 +", "2 Mechanics <1 #2 +", "3 Time <1 #1",
                                        "4 Number System <1 #9", "5 Constants <1 #10", "6 Length <2 #11",
                                        "7 Mass <2 #9", "8 Time <3 #12"}));
}

TEST(TreePlan, ADamagedAllocationStillGivesATree) {
    ConversionTable table = smallTable();
    table.allocation(4) = {42, 2};  // no such quantity
    table.allocation(5) = {4, 9};   // no such parent
    const std::vector<std::string> nodes = shown(treePlan(table));
    ASSERT_EQ(nodes.size(), 7U);
    EXPECT_EQ(nodes[6], "7  <2 #9");
}

TEST(TreePlan, OnlyTheSpecialQuantitiesWithoutCategories) {
    ConversionTable table;
    table.quantityCount = 2;
    table.allocationCount = 2;
    table.allocation(1) = {1, 1};
    table.allocation(2) = {2, 1};
    const std::vector<TreeNodePlan> nodes = treePlan(table);
    ASSERT_EQ(nodes.size(), 3U);
    EXPECT_EQ(nodes[1].index, 2);
    EXPECT_EQ(nodes[2].index, 3);
}

TEST(ListMode, TheSpecialNodesHaveTheirOwnColumns) {
    // Two categories: Number System is node 4, Constants node 5.
    const ListModeChoice numbers = setListMode(4, 2, true);
    EXPECT_EQ(numbers.mode, ListMode::NumberSystem);
    EXPECT_TRUE(numbers.setUpColumns);
    EXPECT_FALSE(numbers.normalColumns);
    const ListModeChoice constants = setListMode(5, 2, false);
    EXPECT_EQ(constants.mode, ListMode::Constants);
    EXPECT_TRUE(constants.setUpColumns);

    const ListModeChoice first = setListMode(6, 2, false);
    EXPECT_EQ(first.mode, ListMode::Normal);
    EXPECT_TRUE(first.setUpColumns);
    EXPECT_TRUE(first.normalColumns);
    const ListModeChoice kept = setListMode(7, 2, true);
    EXPECT_EQ(kept.mode, ListMode::Normal);
    EXPECT_FALSE(kept.setUpColumns) << "the normal columns and their widths are kept";
}

TEST(SelectedNode, AnythingButAQuantityNodeBecomesTheRoot) {
    const ConversionTable table = smallTable();  // quantity nodes 4 to 8
    EXPECT_EQ(checkSelectedNode(3, table), 1);
    EXPECT_EQ(checkSelectedNode(4, table), 4);
    EXPECT_EQ(checkSelectedNode(8, table), 8);
    EXPECT_EQ(checkSelectedNode(9, table), 1);
    EXPECT_EQ(checkSelectedNode(-5, table), 1);
    EXPECT_EQ(quantityNameAtNode(table, 6), "Length");
    EXPECT_EQ(quantityNameAtNode(table, 8), "Time");
    EXPECT_EQ(quantityNameAtNode(table, 1), "");
    EXPECT_EQ(quantityNameAtNode(table, 2), "");
    EXPECT_EQ(quantityNameAtNode(table, 9), "");
}

TEST(UnitRows, NumberSystemsShowMemoThenRadix) {
    const std::vector<UnitRowPlan> rows = unitRows(smallTable(), 1);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].name, "Binary");
    EXPECT_EQ(rows[0].subItems, (std::array<std::string, 3>{"base two", "2", ""}));
    EXPECT_EQ(rows[0].image, 1 + kUnitMemoOffset);
    EXPECT_EQ(rows[1].image, 1);
}

TEST(UnitRows, OtherQuantitiesShowRateOffsetMemo) {
    const std::vector<UnitRowPlan> rows = unitRows(smallTable(), 3);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1].unit, 2);
    EXPECT_EQ(rows[1].subItems, (std::array<std::string, 3>{"0.0254", "0", "exact"}));
    EXPECT_EQ(rows[0].image, 3) << "a memo of blanks is no memo";
    EXPECT_EQ(rows[1].image, 1 + kUnitMemoOffset);
    EXPECT_TRUE(unitRows(smallTable(), -1).empty());
    EXPECT_TRUE(unitRows(smallTable(), 0).empty());
    EXPECT_TRUE(unitRows(smallTable(), 99).empty());
}

TEST(UnitRows, UnitsAreFoundByExactName) {
    const ConversionTable table = smallTable();
    EXPECT_EQ(unitIndexOf(table, 3, "inch"), 2);
    EXPECT_EQ(unitIndexOf(table, 3, "Inch"), -1);
    EXPECT_EQ(unitIndexOf(table, 3, ""), 0);
    EXPECT_EQ(unitIndexOf(table, 42, "inch"), -1);
}

TEST(FileIdentity, TitleAndDirectoryFollowThePath) {
    EXPECT_EQ(tableTitleOf(""), "DEFAULT.DAT");
    EXPECT_EQ(tableTitleOf("/home/u/tables/units.dat"), "units.dat");
    EXPECT_EQ(tableTitleOf("units.dat"), "units.dat");
    EXPECT_EQ(tableDirectoryOf("/home/u/tables/units.dat", "/opt/q"), "/home/u/tables/");
    EXPECT_EQ(tableDirectoryOf("units.dat", "/opt/q"), "/opt/q/");
    EXPECT_EQ(tableDirectoryOf("", "/opt/q/"), "/opt/q/");
}

TEST(ColumnHeaders, EmptyTitlesAndNarrowColumnsAreMendedInEveryLayout) {
    ConverterSettings settings;
    settings.headerText[1][2] = "";
    settings.headerWidth[0][1] = 100;
    settings.headerWidth[2][0] = -5;
    const auto units = setColumnHeaders(settings, 0);
    EXPECT_EQ(units[1].width, 240);
    EXPECT_EQ(settings.headerText[1][2], " ");
    EXPECT_EQ(settings.headerWidth[2][0], 240);
    EXPECT_EQ(settings.headerWidth[2][3], 240);
    settings.headerText[0][0] = "N&a&me";
    EXPECT_EQ(setColumnHeaders(settings, 0)[0].text, "Name");
}
