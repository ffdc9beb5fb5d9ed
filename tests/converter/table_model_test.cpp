#include "common/text_rules.h"
#include "converter/table/conversion_table.h"
#include "converter/table/node_status.h"
#include "converter/table/table_file.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

namespace {
using namespace quantora;

TEST(TableModel, LimitsAndTheLineBound) {
    ConversionTable table;
    EXPECT_EQ(table.limits().productBound(), 20200);
    EXPECT_NO_THROW(table.category(30));
    EXPECT_THROW(table.category(31), std::out_of_range);
    EXPECT_NO_THROW(table.quantity(200));
    EXPECT_THROW(table.quantity(201), std::out_of_range);
    EXPECT_NO_THROW(table.reference(1, 20));
    EXPECT_THROW(table.reference(1, 21), std::out_of_range);
}

TEST(TableModel, UnitStorageFollowsTheCapacityMarker) {
    ConversionTable table;
    EXPECT_EQ(table.unitDimension(), 10);
    table.setUnitCapacity(2);
    EXPECT_EQ(table.unitDimension(), 5);
    table.unit(7, 5).name = "kept";
    table.setUnitCapacity(40);
    EXPECT_EQ(table.unitDimension(), 41);
    EXPECT_EQ(table.unit(7, 5).name, "kept");
    table.raiseUnitCapacity();
    EXPECT_EQ(table.unitCapacity(), 41);
    EXPECT_NO_THROW(table.unit(200, 42));
}

TEST(TableModel, GroupLookupIsExactAndFindsTheLowestNumber) {
    ConversionTable table;
    table.quantityCount = 3;
    table.quantity(1).name = "Length";
    table.quantity(2).name = "Mass";
    table.quantity(3).name = "Length";
    EXPECT_EQ(table.quantityIndexOf("Length"), 1);
    EXPECT_EQ(table.quantityIndexOf("Mass"), 2);
    EXPECT_EQ(table.quantityIndexOf("mass"), -1);
    EXPECT_EQ(table.quantityIndexOf("Mass "), -1);
    EXPECT_EQ(table.quantityIndexOf(""), 0);
}

TEST(TableModel, NodeNumbering) {
    ConversionTable table;
    table.categoryCount = 5;
    table.allocationCount = 60;
    EXPECT_EQ(table.categoryNode(1), 2);
    EXPECT_EQ(table.numberSystemNode(), 7);
    EXPECT_EQ(table.constantsNode(), 8);
    EXPECT_EQ(table.allocationNode(3), 9);
    EXPECT_FALSE(table.isQuantityNode(6));
    EXPECT_TRUE(table.isQuantityNode(7));
    EXPECT_TRUE(table.isQuantityNode(66));
    EXPECT_FALSE(table.isQuantityNode(67));
    EXPECT_EQ(table.allocationAtNode(9), 3);
    EXPECT_EQ(table.allocationAtNode(1), 0);

    ConversionTable bare;  // only the two special quantities
    bare.allocationCount = 2;
    EXPECT_EQ(bare.numberSystemNode(), 2);
    EXPECT_EQ(bare.constantsNode(), 3);
}

class NodeStatus : public testing::Test {
protected:
    void SetUp() override {
        m_table.filePath = m_folder.file("table.dat");
        m_table.categoryCount = 2;
    }
    // Nodes 2 and 3 are categories; node 2 expanded; nothing beyond node `last`.
    NodeExpandedQuery tree(int last) const {
        return [last](int node) -> std::optional<bool> {
            if (node < 1 || node > last)
                return std::nullopt;
            return node == 2;
        };
    }
    tabletest::TempFolder m_folder;
    ConversionTable m_table;
};

TEST_F(NodeStatus, PreserveCopiesTheTreeIntoTheTable) {
    m_table.category(1).expandedFlag = 0;
    m_table.category(2).expandedFlag = 1;
    preserveTreeNodeStatus(m_table, tree(10));
    EXPECT_EQ(m_table.category(1).expandedFlag, 1);
    EXPECT_EQ(m_table.category(2).expandedFlag, 0);
}

TEST_F(NodeStatus, RewriteChangesOnlyCategoryLines) {
    const std::string rest = ";E;\r\n\r\n1;1;Number System\r\n  ;E;  \r\n\xB5 stays;\r\n";
    tabletest::writeBytes(m_table.filePath, "3;Space;0;extra\r\n1;Heat\r\n" + rest);
    EXPECT_TRUE(saveNodeStatus(m_table, tree(10)).ok());
    EXPECT_EQ(tabletest::readBytes(m_table.filePath), "3;Space;1;extra\r\n1;Heat\r\n" + rest);
    EXPECT_TRUE(tabletest::isReadOnly(m_table.filePath));
}

// Every file the reader loads loads to the same table after the rewrite,
// with the tree's flags: CR-only and LF-only line ends, blank lines among the
// category lines, terminators with blanks, a byte-order mark, a
// Windows-1252 byte held only by a flag. A file without a terminator is no
// table and is left alone.
TEST_F(NodeStatus, RewriteFindsLinesAsTheReaderDoesAndLoadsTheSameTable) {
    const std::string small = tabletest::readBytes(std::string(TEST_DATA_DIR) + "/ui/small.dat");
    auto ends = [&small](const char* lineEnd) { return common::replaceAll(small, "\r\n", lineEnd); };
    const std::vector<std::pair<std::string, std::string>> files{
        {"CrOnly", "2\r;E;\r;E;"},
        {"BlankAmongCategoryLines", "\n;E;\n1;1\n;E;\r1;;0\n;E;"},
        {"SmallWithCrEnds", ends("\r")},
        {"SmallWithLfEnds", ends("\n")},
        {"SmallWithBlankLinesAndSpacedTerminators",
         common::replaceAll(common::replaceAll(small, "\r\n;E;\r\n", "\r\n  ;E;\t\r\n"), "0\r\n",
                            "0\r\n \n")},
        {"SmallMarked", "\xEF\xBB\xBF" + small},
        {"FlagHeldTheOnlyWindows1252Byte", "1;\xC3\xA9;\xC9\r\n;E;\r\n;E;\r\n"}};
    // Even nodes expanded: every category's flag changes somewhere.
    const NodeExpandedQuery tree = [](int node) -> std::optional<bool> {
        return node >= 1 && node <= 200 ? std::optional<bool>(node % 2 == 0) : std::nullopt;
    };
    auto load = [this]() {
        ConversionTable table;
        table.filePath = m_table.filePath;
        EXPECT_TRUE(tabletest::reload(table));
        return table;
    };
    // The whole table as saveTable writes it, flags from the tree.
    auto written = [this, &tree](ConversionTable table, const char* name) {
        table.filePath = m_folder.file(name);
        EXPECT_TRUE(saveTable(table, tree));
        return tabletest::readBytes(table.filePath);
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        std::filesystem::remove(m_table.filePath);
        tabletest::writeBytes(m_table.filePath, bytes);
        const ConversionTable before = load();
        EXPECT_TRUE(saveNodeStatus(before, tree).ok());
        const ConversionTable after = load();
        EXPECT_EQ(after.categoryCount, before.categoryCount);
        for (int c = 1; c <= after.categoryCount; ++c)
            EXPECT_EQ(after.category(c).expandedFlag, (c + 1) % 2 == 0 ? 1 : 0) << c;
        EXPECT_EQ(written(after, "after.dat"), written(before, "before.dat"));
    }

    const std::string noTable = "1;A;0\r\n;E\r\n";
    std::filesystem::remove(m_table.filePath);
    tabletest::writeBytes(m_table.filePath, noTable);
    EXPECT_EQ(saveNodeStatus(m_table, tree).failure(), common::errorCodeNotice("Quantora 2000", "PSNS04"));
    EXPECT_EQ(tabletest::readBytes(m_table.filePath), noTable);
}

TEST_F(NodeStatus, TooFewTreeNodesReportsAndLeavesTheFile) {
    const std::string original = "1;A;0\r\n1;B;0\r\n1;C;0\r\n;E;\r\n";
    tabletest::writeBytes(m_table.filePath, original);
    const auto notice = saveNodeStatus(m_table, tree(3)).failure();
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->text, "Error Code = PSNS04");
    EXPECT_EQ(notice->title, "Quantora 2000");
    EXPECT_EQ(notice->icon, common::NoticeIcon::Critical);
    EXPECT_EQ(tabletest::readBytes(m_table.filePath), original);
}

TEST_F(NodeStatus, NoFileNoAction) {
    EXPECT_TRUE(saveNodeStatus(m_table, tree(10)).ok());
    EXPECT_FALSE(std::filesystem::exists(m_table.filePath));
}

}  // namespace
