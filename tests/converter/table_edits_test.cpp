#include "converter/table/table_edits.h"
#include "converter/table/table_file.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
using namespace quantora;
using tabletest::TempFolder;

// Root 1; categories Space 2, Mechanics 3, Heat 4; Number System 5,
// Constants 6, Length 7 and Time 8 under Space, Mass 9 under Mechanics,
// Temperature 10 under Heat.
std::vector<std::string> threeCategoryLines() {
    std::vector<std::string> lines{"1;Space;1",         "2;Mechanics;1",   "3;Heat;0",   ";E;",
                                   "1;1;Number System", "2;1;Constants",   "3;2;Length", "4;2;Time",
                                   "5;3;Mass",          "6;4;Temperature", ";E;"};
    for (const std::string& line : tabletest::specialSections())
        lines.push_back(line);
    for (const char* line :
         {"1;Length;2", "1;meter;1;0;;;SI base unit;Marathon;42195", "2;inch;0.0254;0;;;", ";E;", "1;Time;1",
          "1;second;1;0;;;", ";E;", "3;Mass;1", "1;kilogram;1;0;;;", ";E;", "4;Temperature;2",
          "1;kelvin;1;0;;;", "1;degree Celsius;1;273.15;;;", ";E;"}) {
        lines.push_back(line);
    }
    return lines;
}

struct Fixture {
    TempFolder folder;
    ConversionTable table;
    std::string path = folder.file("table.dat");

    explicit Fixture(TableLimits limits = {}) {
        tabletest::writeBytes(path, tabletest::joinCrlf(threeCategoryLines()));
        common::Outcome<ConversionTable> read = readTable(path, limits, folder.path(), 15, 15);
        EXPECT_TRUE(read.ok());
        if (read)
            table = read.take();
    }
};

// Everything a table holds that the file carries, as text to compare.
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

UnitItem unitNamed(const std::string& name) {
    return {1, name, "2", "0", "", "", ""};
}

TEST(TableEdits, EachLimitRefusesWithItsMessageAndChangesNothing) {
    // 3 categories, 6 quantities and a largest unit count of 2: every limit reached.
    Fixture f(TableLimits{3, 6, 2});
    const std::string before = everything(f.table);
    struct Attempt {
        const char* what;
        EditOutcome outcome;
        std::string message;
    };
    const Attempt attempts[] = {
        {"category", createTreeItem(f.table, 1, {2, "Optics"}),
         "The number of categories will exceed the limit (3)."},
        {"quantity in a category", createTreeItem(f.table, 3, {1, "Force"}),
         "The number of quantities will exceed the limit (6)."},
        {"quantity before another", addTreeItem(f.table, 9, {1, "Force"}),
         "The number of quantities will exceed the limit (6)."},
        // Time has one unit, but the capacity marker stands at the limit.
        {"unit", addListItem(f.table, unitNamed("minute"), 4, 1),
         "The number of unit items will exceed the limit (2)."},
    };
    for (const Attempt& attempt : attempts) {
        SCOPED_TRACE(attempt.what);
        EXPECT_FALSE(attempt.outcome.ok());
        ASSERT_EQ(attempt.outcome.notices().size(), 1U);
        EXPECT_EQ(attempt.outcome.notices()[0].text, attempt.message);
        EXPECT_EQ(attempt.outcome.notices()[0].title, "Quantora 2000 ");
        EXPECT_EQ(attempt.outcome.notices()[0].icon, common::NoticeIcon::Exclamation);
    }
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, ANewUnitGoesAfterThePressedOneOrAtTheEnd) {
    Fixture f;
    ASSERT_EQ(f.table.unitCapacity(), 2);
    // Pressed on meter (1): right after it.
    const EditOutcome inserted = addListItem(f.table, unitNamed("decimeter"), 3, 1);
    EXPECT_TRUE(inserted.ok());
    EXPECT_EQ(inserted.value(), 2);
    // The empty area stands for the list's item count: at the end.
    const EditOutcome appended = addListItem(f.table, unitNamed("mile"), 3, 3);
    EXPECT_EQ(appended.value(), 4);
    const Quantity& length = f.table.quantity(3);
    ASSERT_EQ(length.unitCount, 4);
    EXPECT_EQ(f.table.unit(3, 1).name, "meter");
    EXPECT_EQ(f.table.unit(3, 2).name, "decimeter");
    EXPECT_EQ(f.table.unit(3, 3).name, "inch");
    EXPECT_EQ(f.table.unit(3, 4).name, "mile");
    // Each addition raises the marker, whatever the quantity's own count.
    EXPECT_EQ(f.table.unitCapacity(), 4);
    EXPECT_TRUE(addListItem(f.table, unitNamed("minute"), 4, 1).ok());
    EXPECT_EQ(f.table.unitCapacity(), 5);
    EXPECT_TRUE(f.table.changed);

    // Removing shifts the later units down and forgets the last position.
    EXPECT_TRUE(deleteListItem(f.table, 3, 2));
    EXPECT_EQ(f.table.unit(3, 2).name, "inch");
    EXPECT_EQ(f.table.quantity(3).unitCount, 3);
    EXPECT_EQ(unitIndex(f.table, 3, "mile").value(), 3);
    EXPECT_EQ(unitIndex(f.table, 3, "decimeter").value(), -1);
    const std::string before = everything(f.table);
    EXPECT_FALSE(deleteListItem(f.table, 3, 0));
    EXPECT_FALSE(deleteListItem(f.table, 3, 4));
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, UnitsKeepTheirOrderWhileTheStorageGrows) {
    Fixture f;
    // Each new unit at the front, the unit inserted a copy of one the storage holds.
    for (int i = 0; i < 40; ++i) {
        const UnitItem first = f.table.unit(4, 1);
        ASSERT_TRUE(addListItem(f.table, f.table.unit(4, 1), 4, 0).ok());
        ASSERT_EQ(f.table.unit(4, 1), first);
    }
    EXPECT_EQ(f.table.quantity(4).unitCount, 41);
    for (int u = 1; u <= 41; ++u)
        EXPECT_EQ(f.table.unit(4, u).name, "second");
}

TEST(TableEdits, AStorageOutOfStepIsReportedByTheUnitLookup) {
    Fixture f;
    f.table.quantity(4).unitCount = 40;  // beyond what the storage holds
    const common::Outcome<int> lookup = unitIndex(f.table, 4, "second");
    EXPECT_FALSE(lookup.ok());
    ASSERT_EQ(lookup.notices().size(), 1U);
    EXPECT_EQ(lookup.notices()[0].text,
              "Unit names mismatch. Please e-mail the information below to Norvel Design:\r\n"
              "Error Code = 1613 2109 01\r\nGroup Index = 4\r\nUnit name = second\r\n"
              "Max unit count = 2\r\nUnit count = 40");
}

TEST(TableEdits, ARemovedQuantityKeepsItsRecordAndStillCounts) {
    Fixture f(TableLimits{30, 7, 100});
    const EditOutcome added = createTreeItem(f.table, 3, {2, "Force"});
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(f.table.quantityCount, 7);
    EXPECT_EQ(added.value(), 10);  // Mass 9, then Force

    const EditOutcome removed = deleteTreeItem(f.table, 10);
    ASSERT_TRUE(removed.ok());
    EXPECT_EQ(removed.value(), 3);  // the former parent
    EXPECT_EQ(f.table.allocationCount, 6);
    EXPECT_EQ(f.table.quantityCount, 7);
    EXPECT_EQ(f.table.quantity(7).name, "Force");
    EXPECT_EQ(addTreeItem(f.table, 9, {1, "Pressure"}).notices().at(0).text,
              "The number of quantities will exceed the limit (7).");
    // The special nodes and the root cannot be removed.
    for (int node : {1, 5, 6})
        EXPECT_FALSE(deleteTreeItem(f.table, node).ok());
    EXPECT_EQ(deleteTreeItem(f.table, 1).failure()->text, "Error Code = PDTI01");
}

TEST(TableEdits, RemovingACategoryRepointsTheLaterEntries) {
    Fixture f;
    const EditOutcome removed = deleteTreeItem(f.table, 3);  // Mechanics
    ASSERT_TRUE(removed.ok());
    EXPECT_EQ(removed.value(), 1);
    ASSERT_EQ(f.table.categoryCount, 2);
    EXPECT_EQ(f.table.category(2).name, "Heat");
    EXPECT_EQ(f.table.category(2).expandedFlag, 0);
    ASSERT_EQ(f.table.allocationCount, 5);
    // Mass left the tree; Temperature's parent, Heat, is node 3 now.
    EXPECT_EQ(f.table.allocation(5), (NodeAllocationEntry{6, 3}));
    EXPECT_EQ(f.table.allocation(4), (NodeAllocationEntry{4, 2}));
    EXPECT_EQ(f.table.quantityCount, 6);
    EXPECT_EQ(f.table.quantity(5).name, "Mass");
}

TEST(TableEdits, NewItemsLandWhereTheirNodeSays) {
    Fixture f;
    // A category goes after the last one; no parent index moves.
    const EditOutcome category = createTreeItem(f.table, 1, {2, "New category (Rename it!)"});
    EXPECT_EQ(category.value(), 5);
    EXPECT_EQ(f.table.category(4), (Category{2, "New category (Rename it!)", 0}));
    EXPECT_EQ(f.table.allocation(6), (NodeAllocationEntry{6, 4}));

    // A quantity inserted at Time's node (now 9) takes its place and its parent.
    const EditOutcome inserted = addTreeItem(f.table, 9, {3, "  Speed  "});
    EXPECT_EQ(inserted.value(), 9);
    EXPECT_EQ(f.table.allocation(4), (NodeAllocationEntry{7, 2}));
    EXPECT_EQ(f.table.allocation(5), (NodeAllocationEntry{4, 2}));
    EXPECT_EQ(f.table.quantity(7).name, "Speed");
    EXPECT_EQ(f.table.quantity(7).unitCount, 0);

    // A quantity added to the new, empty category comes after everything.
    const EditOutcome added = createTreeItem(f.table, 5, {1, "Lux"});
    EXPECT_EQ(added.value(), f.table.allocationNode(f.table.allocationCount));
    EXPECT_EQ(f.table.allocation(f.table.allocationCount), (NodeAllocationEntry{8, 5}));

    // Insert is for ordinary quantity nodes only.
    EXPECT_FALSE(addTreeItem(f.table, 6, {1, "x"}).ok());
    EXPECT_FALSE(createTreeItem(f.table, 8, {1, "x"}).ok());
}

TEST(TableEdits, AMovedQuantityTakesItsTargetsPlace) {
    Fixture f;
    // Temperature (10) onto Length (7): first under Space.
    EditOutcome moved = insertTreeItem(f.table, 10, 7);
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ(moved.value(), 7);
    EXPECT_EQ(f.table.allocation(3), (NodeAllocationEntry{6, 2}));
    EXPECT_EQ(f.table.allocation(4), (NodeAllocationEntry{3, 2}));
    // Downwards: Temperature (7) onto Mass (10): Mass's place, node 9 once
    // Temperature is out of the way.
    moved = insertTreeItem(f.table, 7, 10);
    EXPECT_EQ(moved.value(), 9);
    EXPECT_EQ(f.table.allocation(5), (NodeAllocationEntry{6, 3}));
    EXPECT_EQ(f.table.allocation(6), (NodeAllocationEntry{5, 3}));
    // Onto a category: Length (7) becomes Heat's last child.
    moved = insertTreeItem(f.table, 7, 4);
    EXPECT_EQ(moved.value(), 10);
    EXPECT_EQ(f.table.allocation(6), (NodeAllocationEntry{3, 4}));
    EXPECT_EQ(f.table.allocationCount, 6);

    const std::string before = everything(f.table);
    for (auto [dragged, target] : {std::pair{8, 1}, {8, 5}, {8, 6}, {8, 8}, {8, 3}, {5, 8}, {2, 8}})
        EXPECT_FALSE(insertTreeItem(f.table, dragged, target).ok()) << dragged << " onto " << target;
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, TheKeyboardStepsAQuantityThroughItsCategoryAndOn) {
    Fixture f;
    const auto layout = [&f] {
        std::string text;
        for (int c = 1; c <= f.table.categoryCount; ++c) {
            text += f.table.category(c).name + ":";
            for (int m = 1; m <= f.table.allocationCount; ++m) {
                if (f.table.allocation(m).parentNode == c + 1)
                    text += " " + f.table.quantity(f.table.allocation(m).quantityNo).name;
            }
            text += c < f.table.categoryCount ? " | " : "";
        }
        return text;
    };
    EXPECT_EQ(stepTreeItem(f.table, 7, false).value(), 8);
    EXPECT_EQ(layout(), "Space: Time Length | Mechanics: Mass | Heat: Temperature");
    EXPECT_EQ(stepTreeItem(f.table, 8, false).value(), 8);
    EXPECT_EQ(layout(), "Space: Time | Mechanics: Length Mass | Heat: Temperature");
    EXPECT_EQ(stepTreeItem(f.table, 8, true).value(), 8);
    EXPECT_EQ(layout(), "Space: Time Length | Mechanics: Mass | Heat: Temperature");

    const std::string before = everything(f.table);
    // Nowhere further up or down, and never the special quantities.
    for (auto [node, up] : {std::pair{7, true}, {10, false}, {5, false}, {2, false}})
        EXPECT_FALSE(stepTreeItem(f.table, node, up).ok()) << node;
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, AMovedUnitTakesItsTargetsPlace) {
    Fixture f;
    ASSERT_TRUE(addListItem(f.table, unitNamed("foot"), 3, 2).ok());
    ASSERT_TRUE(addListItem(f.table, unitNamed("yard"), 3, 3).ok());
    f.table.changed = false;
    const auto names = [&f] {
        std::string all;
        for (int u = 1; u <= f.table.quantity(3).unitCount; ++u)
            all += f.table.unit(3, u).name + ' ';
        return all;
    };
    // First onto last and back, then a neighbour: every record travels whole.
    EditOutcome moved = moveListItem(f.table, 3, 1, 4);
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ(moved.value(), 4);
    EXPECT_EQ(names(), "inch foot yard meter ");
    EXPECT_EQ(f.table.unit(3, 4).memo, "SI base unit");
    EXPECT_TRUE(f.table.changed);
    EXPECT_EQ(moveListItem(f.table, 3, 4, 1).value(), 1);
    EXPECT_EQ(moveListItem(f.table, 3, 3, 2).value(), 2);
    EXPECT_EQ(names(), "meter foot inch yard ");

    const std::string before = everything(f.table);
    for (auto [dragged, target] : {std::pair{2, 2}, {0, 2}, {2, 5}, {5, 1}})
        EXPECT_FALSE(moveListItem(f.table, 3, dragged, target).ok()) << dragged << " onto " << target;
    EXPECT_FALSE(moveListItem(f.table, 99, 1, 2).ok());
    EXPECT_EQ(everything(f.table), before);
}

TEST(TableEdits, DialogsStoreTrimmedTextAndMarkOnlyRealChanges) {
    Fixture f;
    const UnitItem inch = unitForEditing(f.table, 3, 2, UnitDialogKind::Unit);
    EXPECT_TRUE(acceptUnitDialog(f.table, UnitDialogMode::Edit, UnitDialogKind::Unit, 3, 2, inch, inch).ok());
    EXPECT_FALSE(f.table.changed);

    UnitItem boxes = inch;
    boxes.name = " inch ";
    EXPECT_TRUE(
        acceptUnitDialog(f.table, UnitDialogMode::Edit, UnitDialogKind::Unit, 3, 2, inch, boxes).ok());
    EXPECT_EQ(f.table.unit(3, 2).name, "inch");
    EXPECT_TRUE(f.table.changed);

    // A number system's radix survives the blank boxes of its dialog.
    const UnitItem decimal = unitForEditing(f.table, 1, 1, UnitDialogKind::NumberSystem);
    EXPECT_EQ(decimal.rate, "");
    boxes = decimal;
    boxes.memo = "tens";
    EXPECT_TRUE(
        acceptUnitDialog(f.table, UnitDialogMode::Edit, UnitDialogKind::NumberSystem, 1, 1, decimal, boxes)
            .ok());
    EXPECT_EQ(f.table.unit(1, 1).rate, "10");
    EXPECT_EQ(f.table.unit(1, 1).memo, "tens");

    // A constant always gets "0" errors; a new one starts with its own defaults.
    const UnitItem fresh = newUnitDefaults(UnitDialogKind::Constant);
    EXPECT_EQ(fresh,
              (UnitItem{4, "New quantity (Rename it!)", "Enter a numerical value!", "", "0", "0", ""}));
    f.table.unit(2, 1).rateError = "0.3";
    const UnitItem light = unitForEditing(f.table, 2, 1, UnitDialogKind::Constant);
    EXPECT_TRUE(
        acceptUnitDialog(f.table, UnitDialogMode::Edit, UnitDialogKind::Constant, 2, 1, light, light).ok());
    EXPECT_EQ(f.table.unit(2, 1).rateError, "0");
    const EditOutcome added =
        acceptUnitDialog(f.table, UnitDialogMode::Add, UnitDialogKind::Constant, 2, 1, fresh, fresh);
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.value(), 2);
    EXPECT_EQ(f.table.unit(2, 2), fresh);

    // Category dialog: blanks added to the name store the same name but count as a change.
    f.table.changed = false;
    const NamedIcon heat{3, "Heat"};
    EXPECT_TRUE(acceptTreeItemDialog(f.table, TreeItemMode::EditCategory, 4, -1, heat, heat).ok());
    EXPECT_FALSE(f.table.changed);
    EXPECT_TRUE(acceptTreeItemDialog(f.table, TreeItemMode::EditCategory, 4, -1, heat, {3, "Heat  "}).ok());
    EXPECT_EQ(f.table.category(3).name, "Heat");
    EXPECT_TRUE(f.table.changed);
}

TEST(TableEdits, TheRemovalQuestionNamesWhatGoes) {
    Fixture f;
    EXPECT_EQ(
        removalQuestion(f.table, DeleteTarget::Unit, 0, 3, 2),
        "Do you really want to remove 'inch' from the list?\n\nThis unit of 'Length' goes with its values "
        "and its memo. This cannot be undone.");
    EXPECT_EQ(removalQuestion(f.table, DeleteTarget::TreeNode, 2, 0, 0),
              "Do you really want to remove 'Space' from the tree?\n\nThe category goes with 2 physical "
              "quantities and 3 units. This cannot be undone.");
    EXPECT_EQ(
        removalQuestion(f.table, DeleteTarget::TreeNode, 9, 0, 0),
        "Do you really want to remove 'Mass' from the tree?\n\nThe physical quantity goes with its 1 unit. "
        "This cannot be undone.");
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
    ASSERT_TRUE(addListItem(t, unitNamed("minute"), 4, 1).ok());
    ASSERT_TRUE(deleteListItem(t, 3, 3));
    ASSERT_TRUE(moveListItem(t, 3, 2, 1).ok());
    ASSERT_TRUE(renameUnit(t, 4, 2, "min;ute"));
    EXPECT_TRUE(storeMemo(t, 4, 1, "SI\nbase unit"));
    ASSERT_TRUE(deleteTreeItem(t, 3).ok());
    ASSERT_TRUE(deleteTreeItem(t, t.allocationNode(3)).ok());
    ASSERT_TRUE(acceptTreeItemDialog(t, TreeItemMode::AddQuantity, 2, -1, {}, {2, "Pace"}).ok());

    const auto expandedAsStored = [&t](int node) {
        return std::optional<bool>(t.category(node - 1).expandedFlag == 1);
    };
    ASSERT_TRUE(saveTable(t, expandedAsStored).ok());
    common::Outcome<ConversionTable> read = readTable(f.path, {}, f.folder.path(), 15, 15);
    ASSERT_TRUE(read.ok());
    const ConversionTable loaded = read.take();
    EXPECT_EQ(contents(loaded), contents(t));
    EXPECT_EQ(loaded.unit(4, 1).memo, "SI base unit");
}

}  // namespace
