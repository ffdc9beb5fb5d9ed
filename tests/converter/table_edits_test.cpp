// Editing the tree and the unit lists: limits, where new items land, moves,
// removals, the dialogs, and a save that reads back the same.

#include "converter/table/table_edits.h"
#include "converter/table/table_file.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace {
using namespace quantora;

// Root 1; categories Space 2, Mechanics 3, Heat 4; Number System 5,
// Constants 6, Length 7 and Time 8 under Space, Mass 9 under Mechanics,
// Temperature 10 under Heat.
struct Fixture : tabletest::FileTable {
    explicit Fixture(TableLimits limits = {})
        : FileTable(tabletest::joinCrlf({"1;Space;1", "2;Mechanics;1", "3;Heat;0", ";E;", "1;1;Number System",
                                         "2;1;Constants", "3;2;Length", "4;2;Time", "5;3;Mass",
                                         "6;4;Temperature", ";E;"}) +
                        tabletest::joinCrlf(tabletest::specialSections()) +
                        tabletest::joinCrlf({"1;Length;2", "1;meter;1;0;;;SI base unit;Marathon;42195",
                                             "2;inch;0.0254;0;;;", ";E;", "1;Time;1", "1;second;1;0;;;",
                                             ";E;", "3;Mass;1", "1;kilogram;1;0;;;", ";E;", "4;Temperature;2",
                                             "1;kelvin;1;0;;;", "1;degree Celsius;1;273.15;;;", ";E;"}),
                    limits) {}
};

// Everything the file carries, as text to compare.
std::string contents(const ConversionTable& t) {
    std::ostringstream out;
    for (int c = 1; c <= t.categoryCount; ++c)
        out << "C " << t.category(c).icon << ' ' << t.category(c).name << ' ' << t.category(c).expandedFlag
            << '\n';
    for (int m = 1; m <= t.allocationCount; ++m)
        out << "A " << t.allocation(m).quantityNo << ' ' << t.allocation(m).parentNode << '\n';
    for (int q = 1; q <= t.quantityCount; ++q) {
        const Quantity& quantity = t.quantity(q);
        out << "Q " << quantity.icon << ' ' << quantity.name << ' ' << quantity.unitCount << '\n';
        for (int u = 1; u <= quantity.unitCount; ++u) {
            const UnitItem& unit = t.unit(q, u);
            out << "U " << unit.icon << '|' << unit.name << '|' << unit.rate << '|' << unit.offset << '|'
                << unit.rateError << '|' << unit.offsetError << '|' << unit.memo << '\n';
        }
        for (int i = 1; i <= (quantity.unitCount > 0 ? quantity.refCount : 0); ++i)
            out << "R " << t.reference(q, i).name << '|' << t.reference(q, i).value << '\n';
    }
    return out.str();
}

std::string everything(const ConversionTable& t) {
    return contents(t) + "capacity " + std::to_string(t.unitCapacity()) + " changed " +
           std::to_string(t.changed);
}

std::string unitNames(const ConversionTable& t, int q) {
    std::string all;
    for (int u = 1; u <= t.quantity(q).unitCount; ++u)
        all += t.unit(q, u).name + ' ';
    return all;
}

// The tree below the root: "Category: quantities | ...".
std::string layout(const ConversionTable& t) {
    std::string text;
    for (int c = 1; c <= t.categoryCount; ++c) {
        text += (c > 1 ? " | " : "") + t.category(c).name + ":";
        for (int m = 1; m <= t.allocationCount; ++m)
            if (t.allocation(m).parentNode == c + 1)
                text += " " + t.quantity(t.allocation(m).quantityNo).name;
    }
    return text;
}

TEST(TableEdits, EachLimitRefusesWithItsMessageAndChangesNothing) {
    Fixture f(TableLimits{3, 6, 2});  // every limit reached
    const std::string before = everything(f.table);
    const std::pair<EditOutcome, std::string> attempts[] = {
        {createTreeItem(f.table, 1, {2, "Optics"}), "The number of categories will exceed the limit (3)."},
        {createTreeItem(f.table, 3, {1, "Force"}), "The number of quantities will exceed the limit (6)."},
        {addTreeItem(f.table, 9, {1, "Force"}), "The number of quantities will exceed the limit (6)."},
        // Time has one unit, but the capacity marker stands at the limit.
        {addListItem(f.table, tabletest::unit("minute", "2", "0"), 4, 1),
         "The number of unit items will exceed the limit (2)."},
    };
    for (const auto& [outcome, message] : attempts) {
        SCOPED_TRACE(message);
        ASSERT_FALSE(outcome.ok());
        ASSERT_EQ(outcome.notices().size(), 1U);
        EXPECT_EQ(outcome.notices()[0].text, message);
        EXPECT_EQ(outcome.notices()[0].title, "Quantora 2000 ");
        EXPECT_EQ(outcome.notices()[0].icon, common::NoticeIcon::Exclamation);
    }
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, UnitListAddsRemovesAndLooksUp) {
    Fixture f;
    f.table.quantity(4).unitCount = 40;  // beyond what the storage holds
    const common::Outcome<int> lookup = unitIndex(f.table, 4, "second");
    EXPECT_FALSE(lookup.ok());
    ASSERT_EQ(lookup.notices().size(), 1U);
    EXPECT_EQ(lookup.notices()[0].text,
              "Unit names mismatch. Please e-mail the information below to Norvel Design:\r\n"
              "Error Code = 1613 2109 01\r\nGroup Index = 4\r\nUnit name = second\r\n"
              "Max unit count = 2\r\nUnit count = 40");
    f.table.quantity(4).unitCount = 1;

    EXPECT_EQ(addListItem(f.table, tabletest::unit("decimeter", "2", "0"), 3, 1).value(), 2);  // after meter
    EXPECT_EQ(addListItem(f.table, tabletest::unit("mile", "2", "0"), 3, 3).value(),
              4);  // empty area: at the end
    EXPECT_EQ(unitNames(f.table, 3), "meter decimeter inch mile ");
    // Each addition raises the marker, whatever the quantity's own count.
    EXPECT_EQ(f.table.unitCapacity(), 4);
    EXPECT_TRUE(addListItem(f.table, tabletest::unit("minute", "2", "0"), 4, 1).ok());
    EXPECT_EQ(f.table.unitCapacity(), 5);
    EXPECT_TRUE(f.table.changed);

    EXPECT_TRUE(deleteListItem(f.table, 3, 2));
    EXPECT_EQ(unitNames(f.table, 3), "meter inch mile ");
    EXPECT_EQ(unitIndex(f.table, 3, "mile").value(), 3);
    EXPECT_EQ(unitIndex(f.table, 3, "decimeter").value(), -1);

    // A moved unit takes its target's place, its record whole.
    f.table.changed = false;
    EXPECT_EQ(moveListItem(f.table, 3, 1, 3).value(), 3);
    EXPECT_EQ(unitNames(f.table, 3), "inch mile meter ");
    EXPECT_EQ(f.table.unit(3, 3).memo, "SI base unit");
    EXPECT_TRUE(f.table.changed);
    EXPECT_EQ(moveListItem(f.table, 3, 3, 1).value(), 1);
    EXPECT_EQ(moveListItem(f.table, 3, 3, 2).value(), 2);
    EXPECT_EQ(unitNames(f.table, 3), "meter mile inch ");

    const std::string before = everything(f.table);
    EXPECT_FALSE(deleteListItem(f.table, 3, 0));
    EXPECT_FALSE(deleteListItem(f.table, 3, 4));
    for (auto [q, dragged, target] : {std::tuple{3, 2, 2}, {3, 0, 2}, {3, 2, 4}, {3, 4, 1}, {99, 1, 2}})
        EXPECT_FALSE(moveListItem(f.table, q, dragged, target).ok()) << dragged << " onto " << target;
    EXPECT_EQ(everything(f.table), before);

    // A copy of a stored unit inserted while the storage grows stays intact.
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(addListItem(f.table, f.table.unit(4, 1), 4, 0).ok());
    ASSERT_EQ(f.table.quantity(4).unitCount, 42);
    for (int u = 1; u <= 41; ++u)
        EXPECT_EQ(f.table.unit(4, u).name, "second") << u;
}

TEST(TableEdits, RemovalsKeepQuantityRecordsAndRepointLaterEntries) {
    Fixture f(TableLimits{30, 7, 100});
    ASSERT_EQ(createTreeItem(f.table, 3, {2, "Force"}).value(), 10);  // after Mass
    const EditOutcome removed = deleteTreeItem(f.table, 10);
    ASSERT_TRUE(removed.ok());
    EXPECT_EQ(removed.value(), 3);  // the former parent
    EXPECT_EQ(f.table.allocationCount, 6);
    // The record stays and still counts toward the limit.
    EXPECT_EQ(f.table.quantityCount, 7);
    EXPECT_EQ(f.table.quantity(7).name, "Force");
    EXPECT_EQ(addTreeItem(f.table, 9, {1, "Pressure"}).notices().at(0).text,
              "The number of quantities will exceed the limit (7).");
    for (int node : {5, 6})  // the special nodes
        EXPECT_FALSE(deleteTreeItem(f.table, node).ok());
    EXPECT_EQ(deleteTreeItem(f.table, 1).failure()->text, "Error Code = PDTI01");  // the root

    Fixture g;
    ASSERT_EQ(deleteTreeItem(g.table, 3).value(), 1);                      // Mechanics
    EXPECT_EQ(layout(g.table), "Space: Length Time | Heat: Temperature");  // Heat is node 3 now
    EXPECT_EQ(g.table.category(2).expandedFlag, 0);
    EXPECT_EQ(g.table.quantity(5).name, "Mass");
}

TEST(TableEdits, NewItemsLandWhereTheirNodeSays) {
    Fixture f;
    // A category goes after the last one; no parent index moves.
    EXPECT_EQ(createTreeItem(f.table, 1, {2, "New category (Rename it!)"}).value(), 5);
    EXPECT_EQ(f.table.category(4), (Category{2, "New category (Rename it!)", 0}));
    // A quantity inserted at Time's node (now 9) takes its place and parent.
    EXPECT_EQ(addTreeItem(f.table, 9, {3, "  Speed  "}).value(), 9);
    EXPECT_EQ(f.table.quantity(7).unitCount, 0);
    // A quantity added to the new, empty category comes after everything.
    const EditOutcome added = createTreeItem(f.table, 5, {1, "Lux"});
    EXPECT_EQ(added.value(), f.table.allocationNode(f.table.allocationCount));
    EXPECT_EQ(
        layout(f.table),
        "Space: Length Speed Time | Mechanics: Mass | Heat: Temperature | New category (Rename it!): Lux");
    // Insert is for ordinary quantity nodes only.
    EXPECT_FALSE(addTreeItem(f.table, 6, {1, "x"}).ok());
    EXPECT_FALSE(createTreeItem(f.table, 8, {1, "x"}).ok());
}

TEST(TableEdits, AMovedQuantityTakesItsTargetsPlace) {
    Fixture f;
    EXPECT_EQ(insertTreeItem(f.table, 10, 7).value(), 7);  // Temperature onto Length
    EXPECT_EQ(layout(f.table), "Space: Temperature Length Time | Mechanics: Mass | Heat:");
    // Downwards onto Mass: Mass's place, node 9 once Temperature is out of the way.
    EXPECT_EQ(insertTreeItem(f.table, 7, 10).value(), 9);
    EXPECT_EQ(insertTreeItem(f.table, 7, 4).value(), 10);  // Length onto a category: its last child
    EXPECT_EQ(layout(f.table), "Space: Time | Mechanics: Temperature Mass | Heat: Length");

    const std::string before = everything(f.table);
    for (auto [dragged, target] : {std::pair{8, 1}, {8, 5}, {8, 6}, {8, 8}, {8, 3}, {5, 8}, {2, 8}})
        EXPECT_FALSE(insertTreeItem(f.table, dragged, target).ok()) << dragged << " onto " << target;
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, TheKeyboardStepsAQuantityThroughItsCategoryAndOn) {
    Fixture f;
    const std::tuple<int, bool, const char*> steps[] = {
        {7, false, "Space: Time Length | Mechanics: Mass | Heat: Temperature"},
        {8, false, "Space: Time | Mechanics: Length Mass | Heat: Temperature"},
        {8, true, "Space: Time Length | Mechanics: Mass | Heat: Temperature"}};
    for (const auto& [node, up, after] : steps) {
        EXPECT_EQ(stepTreeItem(f.table, node, up).value(), 8);
        EXPECT_EQ(layout(f.table), after);
    }
    const std::string before = everything(f.table);
    // Nowhere further up or down, and never the special quantities.
    for (auto [node, up] : {std::pair{7, true}, {10, false}, {5, false}, {2, false}})
        EXPECT_FALSE(stepTreeItem(f.table, node, up).ok()) << node;
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, QuestionsNameWhatGoesAndDialogsMarkOnlyRealChanges) {
    using M = UnitDialogMode;
    using K = UnitDialogKind;
    Fixture f;
    ConversionTable& t = f.table;
    EXPECT_EQ(
        removalQuestion(t, DeleteTarget::Unit, 0, 3, 2),
        "Do you really want to remove 'inch' from the list?\n\nThis unit of 'Length' goes with its values "
        "and its memo. This cannot be undone.");
    EXPECT_EQ(removalQuestion(t, DeleteTarget::TreeNode, 2, 0, 0),
              "Do you really want to remove 'Space' from the tree?\n\nThe category goes with 2 physical "
              "quantities and 3 units. This cannot be undone.");
    EXPECT_EQ(
        removalQuestion(t, DeleteTarget::TreeNode, 9, 0, 0),
        "Do you really want to remove 'Mass' from the tree?\n\nThe physical quantity goes with its 1 unit. "
        "This cannot be undone.");

    const UnitItem inch = unitForEditing(t, 3, 2, K::Unit);
    EXPECT_TRUE(acceptUnitDialog(t, M::Edit, K::Unit, 3, 2, inch, inch).ok());
    EXPECT_FALSE(t.changed);
    UnitItem boxes = inch;
    boxes.name = " inch ";
    EXPECT_TRUE(acceptUnitDialog(t, M::Edit, K::Unit, 3, 2, inch, boxes).ok());
    EXPECT_EQ(t.unit(3, 2).name, "inch");
    EXPECT_TRUE(t.changed);

    // A number system's radix survives the blank boxes of its dialog.
    const UnitItem decimal = unitForEditing(t, 1, 1, K::NumberSystem);
    EXPECT_EQ(decimal.rate, "");
    boxes = decimal;
    boxes.memo = "tens";
    EXPECT_TRUE(acceptUnitDialog(t, M::Edit, K::NumberSystem, 1, 1, decimal, boxes).ok());
    EXPECT_EQ(t.unit(1, 1).rate, "10");
    EXPECT_EQ(t.unit(1, 1).memo, "tens");

    // A constant always gets "0" errors; a new one starts with its own defaults.
    const UnitItem fresh = newUnitDefaults(K::Constant);
    EXPECT_EQ(fresh,
              (UnitItem{4, "New quantity (Rename it!)", "Enter a numerical value!", "", "0", "0", ""}));
    t.unit(2, 1).rateError = "0.3";
    const UnitItem light = unitForEditing(t, 2, 1, K::Constant);
    EXPECT_TRUE(acceptUnitDialog(t, M::Edit, K::Constant, 2, 1, light, light).ok());
    EXPECT_EQ(t.unit(2, 1).rateError, "0");
    EXPECT_EQ(acceptUnitDialog(t, M::Add, K::Constant, 2, 1, fresh, fresh).value(), 2);
    EXPECT_EQ(t.unit(2, 2), fresh);

    // Category: blanks added to the name store the same name but count as a change.
    t.changed = false;
    const NamedIcon heat{3, "Heat"};
    EXPECT_TRUE(acceptTreeItemDialog(t, TreeItemMode::EditCategory, 4, -1, heat, heat).ok());
    EXPECT_FALSE(t.changed);
    EXPECT_TRUE(acceptTreeItemDialog(t, TreeItemMode::EditCategory, 4, -1, heat, {3, "Heat  "}).ok());
    EXPECT_EQ(t.category(3).name, "Heat");
    EXPECT_TRUE(t.changed);
}

TEST(TableEdits, ATableEditedByEveryOperationSavesAndLoadsBackTheSame) {
    Fixture f;
    ConversionTable& t = f.table;
    ASSERT_TRUE(createTreeItem(t, 1, {2, "Optics;Light"}).ok());
    ASSERT_TRUE(createTreeItem(t, 5, {4, " Luminance "}).ok());
    ASSERT_TRUE(addTreeItem(t, 8, {1, "Speed"}).ok());
    ASSERT_TRUE(insertTreeItem(t, 11, 9).ok());
    ASSERT_TRUE(renameTreeNode(t, 2, -1, "Space & Time"));
    ASSERT_TRUE(renameTreeNode(t, 10, 3, "  Length;s "));
    EXPECT_EQ(t.quantity(3).name, "Length:s");
    UnitItem unit = newUnitDefaults(UnitDialogKind::Unit);
    unit.memo = "first line\r\nsecond; line\nthird";
    ASSERT_TRUE(acceptUnitDialog(t, UnitDialogMode::Add, UnitDialogKind::Unit, 3, 1, unit, unit).ok());
    EXPECT_EQ(t.unit(3, 2).memo, "first line second: line third");
    ASSERT_TRUE(addListItem(t, tabletest::unit("minute", "2", "0"), 4, 1).ok());
    ASSERT_TRUE(deleteListItem(t, 3, 3));
    ASSERT_TRUE(moveListItem(t, 3, 2, 1).ok());
    ASSERT_TRUE(renameUnit(t, 4, 2, "min;ute"));
    EXPECT_TRUE(storeMemo(t, 4, 1, "SI\nbase unit"));
    ASSERT_TRUE(deleteTreeItem(t, 3).ok());
    ASSERT_TRUE(deleteTreeItem(t, t.allocationNode(3)).ok());
    ASSERT_TRUE(acceptTreeItemDialog(t, TreeItemMode::AddQuantity, 2, -1, {}, {2, "Pace"}).ok());

    ASSERT_TRUE(saveTable(t, [&t](int node) {
                    return std::optional<bool>(t.category(node - 1).expandedFlag == 1);
                }).ok());
    ConversionTable loaded;
    loaded.filePath = t.filePath;
    ASSERT_TRUE(tabletest::reload(loaded, {}, f.folder.path()));
    EXPECT_EQ(contents(loaded), contents(t));
    EXPECT_EQ(loaded.unit(4, 1).memo, "SI base unit");
}

}  // namespace
