// Finding quantities and units by name: the forgiving fold, alternative names
// from the memo, and the walk over the allocation list with its end cycle.

#include "converter/table/name_search.h"
#include "converter/table/table_edits.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

TEST(FoldForFind, ReadsTheWaysPeopleTypeUnitNamesAndKeepsTheRest) {
    EXPECT_EQ(foldForFind("Ångström"), foldForFind("angstrom"));
    EXPECT_EQ(foldForFind("N·m"), foldForFind("n-m"));
    EXPECT_EQ(foldForFind("kilowatt-hour"), foldForFind("Kilowatt Hour"));
    // clang-format off
    const std::pair<const char*, const char*> folds[] = {
        {"\u212B", "a"} /* the angstrom sign */, {"m²", "m2"}, {"cm³", "cm3"}, {"µm", "um"},
        {"μm", "um"} /* Greek mu */, {"N  m", "n m"}, {"Straße Œuvre Ž", "strasse oeuvre z"},
        {"m/s", "m/s"}, {"°C", "°c"}, {"", ""}, {"a\xC3", "a\xC3"} /* cut off */, {"\xFF\x42", "\xFF\x62"}};
    // clang-format on
    for (const auto& [text, folded] : folds)
        EXPECT_EQ(foldForFind(text), folded) << text;
}

TEST(NameMatches, AlternativeNamesAndMatchCase) {
    EXPECT_EQ(alternativeNames("Also: metre, mtr. SI base unit, really"),
              (std::vector<std::string>{"metre", "mtr"}));
    EXPECT_EQ(alternativeNames("Also: micron"), (std::vector<std::string>{"micron"}));
    EXPECT_TRUE(alternativeNames("SI base unit. Also: metre.").empty());

    EXPECT_TRUE(nameMatches("Meter", "met", false));
    EXPECT_FALSE(nameMatches("Meter", "met", true));
    EXPECT_TRUE(nameMatches("Meter", "Met", true));
    EXPECT_TRUE(nameMatches("square meter (m²)", "m2", false));
    EXPECT_FALSE(nameMatches("square meter (m²)", "m2", true));
    EXPECT_TRUE(nameMatches("micrometer (µm)", "um", false));
    const UnitItem meter = tabletest::unit("meter", "1", "0", "", "", "Also: metre, mtr. SI base unit");
    EXPECT_TRUE(unitMatches(meter, "METRE", false));
    EXPECT_FALSE(unitMatches(meter, "metre", true));
    EXPECT_FALSE(unitMatches(meter, "base", false));  // after the full stop
}

TEST(FindWalk, UnitsWalkOnReportTheEndAndStartAgainQuantitiesSkipRemovedOnes) {
    // Quantities 1, 2 special; 3 Length (meter, inch), 4 Area (square meter),
    // 5 Speed (meter per second), all in one category.
    using tabletest::unit;
    ConversionTable table;
    table.create({});
    table.categoryCount = 1;
    table.category(1).name = "Mechanics";
    tabletest::setUnits(table, 1, "Number System", {unit("Decimal", "10", "")});
    tabletest::setUnits(table, 2, "Constants", {unit("c", "299792458", "m/s")});
    tabletest::setUnits(table, 3, "Length",
                        {unit("meter", "1", "0", "", "", "Also: metre. Base"), unit("inch", "0.0254", "0")});
    tabletest::setUnits(table, 4, "Area", {unit("square meter", "1", "0")});
    tabletest::setUnits(table, 5, "Speed", {unit("meter per second", "1", "0")});
    table.quantityCount = table.allocationCount = 5;
    for (int m = 1; m <= 5; ++m)
        table.allocation(m) = {static_cast<std::int16_t>(m), static_cast<std::int16_t>(m <= 2 ? 1 : 2)};

    FindPosition position;
    for (int q : {3, 4, 5}) {
        const std::optional<FindHit> hit = findNextUnit(table, position, "meter", false);
        ASSERT_TRUE(hit);
        EXPECT_EQ(std::pair(hit->quantity, hit->unit), std::pair(q, 1));
        EXPECT_EQ(hit->node, table.allocationNode(q));
    }
    // The last unit of the last quantity: the next press reports the end.
    EXPECT_FALSE(findNextUnit(table, position, "meter", false));
    EXPECT_EQ(position.allocation, 1);
    EXPECT_EQ(findNextUnit(table, position, "meter", false)->quantity, 3);

    position.reset();  // one hit (by its memo), then the end, then the same hit
    EXPECT_EQ(findNextUnit(table, position, "METRE", false)->unit, 1);
    EXPECT_FALSE(findNextUnit(table, position, "METRE", false));
    EXPECT_EQ(findNextUnit(table, position, "METRE", false)->quantity, 3);
    position.reset();
    EXPECT_FALSE(findNextUnit(table, position, "Inch", true));
    EXPECT_FALSE(findNextUnit(table, position, "  ", false));

    // Area leaves the tree: allocation 4 now holds Speed, quantity 4 stays stored.
    position.reset();
    table.allocation(4) = table.allocation(5);
    table.allocationCount = 4;
    EXPECT_FALSE(findNextQuantity(table, position, "area", false));
    EXPECT_FALSE(findNextUnit(table, position, "square", false));
    const std::optional<FindHit> hit = findNextQuantity(table, position, "SPE", false);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->quantity, 5);
    EXPECT_EQ(hit->node, table.allocationNode(4));
    EXPECT_EQ(position.allocation, 5);
    EXPECT_FALSE(findNextQuantity(table, position, "SPE", false));
}

}  // namespace
}  // namespace quantora
