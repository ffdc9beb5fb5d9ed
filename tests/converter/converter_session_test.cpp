#include "converter/session/converter_session.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

// Root 1, category "Mechanics" 2, Number System 3, Constants 4, Length 5, Time 6.
class ConverterSessionTest : public ::testing::Test {
protected:
    ConverterSessionTest() {
        m_table.title = "units.dat";
        m_table.categoryCount = 1;
        m_table.category(1) = {1, "Mechanics", 1};
        m_table.setUnitCapacity(2);
        const char* quantities[] = {"Number System", "Constants", "Length", "Time"};
        const char* units[][2] = {
            {"Decimal", "Binary"}, {"speed of light", "Planck"}, {"meter", "inch"}, {"second", "minute"}};
        m_table.quantityCount = 4;
        m_table.allocationCount = 4;
        for (int q = 1; q <= 4; ++q) {
            m_table.quantity(q).name = quantities[q - 1];
            m_table.quantity(q).unitCount = 2;
            for (int j = 1; j <= 2; ++j)
                m_table.unit(q, j).name = units[q - 1][j - 1];
            m_table.allocation(q) = {static_cast<std::int16_t>(q), static_cast<std::int16_t>(q <= 2 ? 1 : 2)};
        }
    }

    SessionChange choose(int node) { return m_session.chooseNode(node).value_or(SessionChange{}); }

    ConversionTable m_table;
    ConverterSession m_session{m_table};
};

TEST_F(ConverterSessionTest, NodeKindsFollowTheNumbering) {
    const NodeKind kinds[] = {NodeKind::None,         NodeKind::Root,      NodeKind::Category,
                              NodeKind::NumberSystem, NodeKind::Constants, NodeKind::Quantity,
                              NodeKind::Quantity,     NodeKind::None};
    for (int node = 0; node < 8; ++node)
        EXPECT_EQ(m_table.kindOf(node), kinds[node]) << "node " << node;
}

TEST_F(ConverterSessionTest, AnotherQuantityClearsTheUnitsTheSameKeepsThem) {
    m_session.restore(5);
    EXPECT_EQ(m_session.selection().quantityName, "Length");
    EXPECT_FALSE(m_session.pickFrom(1).convert);
    const SessionChange picked = m_session.pickInto(2);
    EXPECT_TRUE(picked.convert);
    EXPECT_EQ(m_session.fromName(), "meter");
    EXPECT_EQ(m_session.intoName(), "inch");

    EXPECT_FALSE(choose(5).quantityChanged);
    EXPECT_TRUE(m_session.unitsChosen());

    const SessionChange other = choose(6);
    EXPECT_TRUE(other.quantityChanged);
    EXPECT_TRUE(other.unitsCleared);
    EXPECT_FALSE(m_session.unitsChosen());
    EXPECT_EQ(m_session.selection().quantity, 4);
}

TEST_F(ConverterSessionTest, PickedUnitsFollowAMovedUnit) {
    m_session.restore(5);
    m_session.pickFrom(1);
    m_session.pickInto(2);
    m_session.unitMoved(1, 2);
    EXPECT_EQ(m_session.selection().convertFrom, 2);
    EXPECT_EQ(m_session.selection().convertInto, 1);
    EXPECT_EQ(m_session.selection().unit, 1);
    EXPECT_EQ(m_session.fromName(), "meter");
}

TEST_F(ConverterSessionTest, OnlyNumberSystemAndQuantitiesSetTheUnits) {
    for (int node : {1, 2, 4}) {
        choose(node);
        EXPECT_FALSE(m_session.pickFrom(1).unitsChanged) << "node " << node;
        EXPECT_FALSE(m_session.pickInto(2).unitsChanged) << "node " << node;
        EXPECT_TRUE(m_session.fromName().empty());
    }
    choose(3);
    m_session.pickFrom(2);
    EXPECT_TRUE(m_session.pickInto(1).convert);
    EXPECT_EQ(m_session.fromName(), "Binary");
}

TEST_F(ConverterSessionTest, SwapExchangesUnitsAndNames) {
    choose(5);
    m_session.pickFrom(1);
    m_session.pickInto(2);
    EXPECT_TRUE(m_session.swap().convert);
    EXPECT_EQ(m_session.selection().convertFrom, 2);
    EXPECT_EQ(m_session.fromName(), "inch");
    EXPECT_EQ(m_session.intoName(), "meter");
}

TEST_F(ConverterSessionTest, AWaitingBatchRunTakesOnlyTheConvertIntoUnit) {
    choose(5);
    m_session.setBatchMode(true);
    EXPECT_FALSE(m_session.chooseNode(6).has_value());
    EXPECT_EQ(m_session.selection().node, 5);
    EXPECT_FALSE(m_session.pickFrom(1).unitsChanged);
    const SessionChange into = m_session.pickInto(2);
    EXPECT_TRUE(into.unitsChanged);
    EXPECT_FALSE(into.convert);
    EXPECT_EQ(m_session.selection().convertInto, 2);
}

TEST_F(ConverterSessionTest, ANewTableChecksTheNodeAndDropsUnitsAndBatch) {
    m_session.restore(42);
    EXPECT_EQ(m_session.selection().node, 1);
    choose(5);
    m_session.pickFrom(1);
    m_session.setBatchMode(true);
    const SessionChange change = m_session.tableReplaced();
    EXPECT_TRUE(change.unitsCleared);
    EXPECT_FALSE(m_session.batchMode());
    // The list was emptied: choosing the same quantity fills it again.
    EXPECT_TRUE(choose(5).quantityChanged);
}

TEST_F(ConverterSessionTest, ABatchFileNamesTheConvertFromUnit) {
    choose(5);
    m_session.pickFrom(2);
    m_session.pickInto(1);
    m_session.setBatchMode(true);
    const SessionChange change = m_session.takeBatchUnits(4, 2);
    EXPECT_TRUE(change.unitsChanged);
    EXPECT_TRUE(change.unitsCleared);
    EXPECT_EQ(m_session.fromName(), "minute");
    EXPECT_EQ(m_session.intoName(), "");
    EXPECT_EQ(m_session.selection().quantity, 4);
    EXPECT_EQ(m_session.selection().convertFrom, 2);
}

}  // namespace
}  // namespace quantora
