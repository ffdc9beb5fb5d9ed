// The quick reference's rows: compacting empty names, stored values before
// both units are chosen, converted values after, and the values following a
// new first unit.

#include "converter/engine/reference_values.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

class ReferenceValues : public ::testing::Test {
protected:
    void SetUp() override {
        table.create({});
        tabletest::setUnits(table, 1, "Length",
                            {tabletest::unit("meter", "1", "0"), tabletest::unit("kilometer", "1000", "0")});
        table.quantityCount = 1;
        const ReferenceItem items[] = {
            {"Marathon", "42195"}, {"", "1"}, {"", "2"}, {"Blank value", "  "}, {"Everest", "8848,86"}};
        for (int i = 0; i < 5; ++i)
            table.reference(1, i + 1) = items[i];
        table.quantity(1).refCount = 5;
    }
    ConversionTable table;
};

TEST_F(ReferenceValues, CompactingDropsAdjacentEmptyNamesOnceAndRowsShowStoredOrConvertedValues) {
    EXPECT_TRUE(compactReferences(table, 1));
    ASSERT_EQ(table.quantity(1).refCount, 3);
    EXPECT_EQ(table.reference(1, 2).name, "Blank value");
    EXPECT_EQ(table.reference(1, 3).name, "Everest");
    EXPECT_TRUE(table.reference(1, 4).name.empty());
    EXPECT_FALSE(compactReferences(table, 1));
    EXPECT_FALSE(compactReferences(table, 7));  // no such quantity: nothing, no throw

    // Stored values until both units are chosen, then converted ones.
    const ReferenceTable stored = referenceTable(table, 1, 2, 0, {}, common::DecimalSeparator::Dot);
    EXPECT_EQ(stored.fromHeader, "meter");
    EXPECT_EQ(stored.intoHeader, "???");
    ASSERT_EQ(stored.rows.size(), 3u);
    EXPECT_EQ(stored.rows[0].fromValue, "42195");
    EXPECT_EQ(stored.rows[0].intoValue, "");

    const ReferenceTable shown = referenceTable(table, 1, 2, 1, {}, common::DecimalSeparator::Comma);
    EXPECT_EQ(shown.fromHeader, " kilometer");
    EXPECT_EQ(shown.intoHeader, " meter");
    EXPECT_EQ(shown.rows[0].fromValue, "42,1950");
    EXPECT_EQ(shown.rows[0].intoValue, "42195,0");
    EXPECT_EQ(shown.rows[1].fromValue, "  ");       // a blank value keeps its column
    EXPECT_EQ(shown.rows[2].intoValue, "8848,86");  // a typed decimal comma reads as a point
    EXPECT_TRUE(referenceTable(table, 0, 1, 2, {}, common::DecimalSeparator::Dot).rows.empty());
}

TEST_F(ReferenceValues, ANewFirstUnitTakesTheValuesAlongInItsOwnTerms) {
    table.reference(1, 2).value = "about 3";
    ASSERT_TRUE(moveUnit(table, 1, 2, 1).ok());
    EXPECT_EQ(table.unit(1, 1).name, "kilometer");
    EXPECT_EQ(table.reference(1, 1).value, "42.195");
    EXPECT_EQ(table.reference(1, 2).value, "about 3");  // no number: left as typed
    EXPECT_EQ(table.reference(1, 5).value, "8.84886");
    // And back, with no digits gained on the way.
    ASSERT_TRUE(moveUnit(table, 1, 1, 2).ok());
    EXPECT_EQ(table.reference(1, 1).value, "42195");
    EXPECT_EQ(table.reference(1, 5).value, "8848.86");

    // Removing the first unit hands the values to the next one.
    ConversionTable removed = table;
    ASSERT_TRUE(deleteUnit(removed, 1, 1));
    EXPECT_EQ(removed.reference(1, 1).value, "42.195");

    // A first unit without a rate cannot carry the values: they stay.
    table.unit(1, 2).rate = "0";
    ASSERT_TRUE(moveUnit(table, 1, 2, 1).ok());
    EXPECT_EQ(table.reference(1, 1).value, "42195");
}

}  // namespace
}  // namespace quantora
