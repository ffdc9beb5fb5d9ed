#pragma once
// Every change the editing commands make to the table: units inserted and
// removed, quantities and categories created, inserted, moved and removed,
// names given in place, and what the property dialogs store.
//
// limit check -> dialog -> edit -> outcome (done, node to select, notices)
//             -> the window rebuilds the tree and the list from the table
//
// An edit that is done sets table.changed; one that is refused changes
// nothing and says why in its notices. Text is stored the way the table file
// can hold it (no ";", no line breaks), so what the window shows after an
// edit is what a save writes and a load reads back.

#include "common/notice.h"
#include "common/outcome.h"
#include "converter/table/conversion_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// What an edit did: on success the tree node to select afterwards (tree
// edits) or the unit position left selected (list edits); a refusal says why.
// Input no command can give (a node of the wrong kind) is refused with the
// procedure's position marker, as its error report.
using EditOutcome = common::Outcome<int>;

// Icon# and name of a category or quantity, as the category dialog holds them (pnEditIcon, psEditName).
struct NamedIcon {
    std::int16_t icon = 1;
    std::string name;
    friend bool operator==(const NamedIcon&, const NamedIcon&) = default;
};

enum class TableItemKind { Category, Quantity, Unit };

// No value while one more item of that kind fits; otherwise "The number of
// ... will exceed the limit (N)." Units count against the capacity marker,
// whatever the quantity's own unit count.
std::optional<common::Notice> limitNotice(const ConversionTable& table, TableItemKind kind);

// The text as the table file can hold it: ";" and line breaks replaced by the
// rule the table writer applies.
std::string storableText(std::string_view text);

// Inserts a unit after unit p of quantity q; p beyond the units appends.
// Refused while the capacity marker is below the quantity's unit count (pInsertListItem).
EditOutcome insertListItem(ConversionTable& table, const UnitItem& unit, int q, int p);
// A new unit from the unit or constant dialog: the unit limit, the capacity
// marker raised by one, then insertListItem. The value: the new unit's position.
EditOutcome addListItem(ConversionTable& table, const UnitItem& unit, int q, int p);
// Removes unit p of quantity q; nothing for a position outside its units.
// The last unit takes the quantity's reference items along (pDeleteListItem).
bool deleteListItem(ConversionTable& table, int q, int p);
// Unit dragged of quantity q dropped onto unit target: it takes the target's
// position and the units between move one place towards where it was. Done
// in place, so no step can lose the unit. The value: its new position.
EditOutcome moveListItem(ConversionTable& table, int q, int dragged, int target);

// Unit position 0 .. capacity marker of quantity q named exactly so; -1 if
// none. A quantity counting more units than its storage holds is reported
// as a mismatch (pGetUnitIndex).
common::Outcome<int> unitIndex(const ConversionTable& table, int q, std::string_view name);

// A new quantity at the position of quantity node n, under n's parent; n
// keeps its index and shows the new quantity (pAddTreeItem).
EditOutcome addTreeItem(ConversionTable& table, int node, const NamedIcon& item);
// Node 1: a new category after the last. A category node: a new quantity as
// its last child (pCreateTreeItem).
EditOutcome createTreeItem(ConversionTable& table, int node, const NamedIcon& item);
// Removes a quantity node (its record and units stay and still count) or a
// category node with the quantity nodes under it; the value: the former parent (pDeleteTreeItem).
EditOutcome deleteTreeItem(ConversionTable& table, int node);
// Moves quantity node dragged onto target: onto a quantity it takes that
// quantity's place and parent, onto a category it becomes its last child.
// The root, the two special quantities, the node itself and its own category
// are refused (pInsertTreeItem).
EditOutcome insertTreeItem(ConversionTable& table, int dragged, int target);
// Whether insertTreeItem would move dragged onto target.
bool canInsertTreeItem(const ConversionTable& table, int dragged, int target);
// The keyboard's move of quantity node one place up or down among the
// quantities of its category; from the first or the last place it goes to
// the end of the category before or the start of the one after. The value:
// the quantity's node afterwards.
EditOutcome stepTreeItem(ConversionTable& table, int node, bool up);

// Rename in place of a category node, or of quantity q recorded when the
// renaming of its node began. A quantity's name loses its surrounding
// blanks, as the file keeps it. False for the root and nodes beyond the tree.
bool renameTreeNode(ConversionTable& table, int node, int q, std::string_view text);
// Rename in place of unit u of quantity q.
bool renameUnit(ConversionTable& table, int q, int u, std::string_view text);

// The category dialog's modes, by their codes (pnEditMode).
enum class TreeItemMode {
    NewCategory = -1,
    EditQuantity = 0,
    InsertQuantity = 1,
    AddQuantity = 2,
    EditCategory = 3
};
// The category dialog's OK: the name trimmed; modes 0 and 3 change the item
// of node (quantity q for mode 0) and set the change flag only when the box
// text or the icon differ from what the dialog opened with; the other modes
// create the item at node. The value: the node to select.
EditOutcome acceptTreeItemDialog(ConversionTable& table, TreeItemMode mode, int node, int q,
                                 const NamedIcon& initial, const NamedIcon& boxes);

// What the unit list's pop-up hands to the unit or constant dialog.
enum class UnitDialogMode { Edit = 0, Add = 1 };
enum class UnitDialogKind { Unit, NumberSystem, Constant };
// What a selected node's units are edited as.
UnitDialogKind unitDialogKind(NodeKind kind);
// A new unit's defaults; a new constant's differ in icon, name and unit text (NewUnit).
UnitItem newUnitDefaults(UnitDialogKind kind);
// A copy of unit u of q for editing; a number system's radix and error boxes stay blank.
UnitItem unitForEditing(const ConversionTable& table, int q, int u, UnitDialogKind kind);
// The unit or constant dialog's OK. Texts are stored trimmed; a constant's
// errors are "0"; a number system unit keeps its radix and errors. Mode Edit
// changes unit u and sets the change flag only when a box or the icon differ
// from what the dialog opened with; mode Add inserts after unit u.
// The value: the unit position to select.
EditOutcome acceptUnitDialog(ConversionTable& table, UnitDialogMode mode, UnitDialogKind kind, int q, int u,
                             const UnitItem& initial, const UnitItem& boxes);

// The memo window's close: true (and the change flag) when the memo differs.
bool storeMemo(ConversionTable& table, int q, int u, std::string_view text);

// What the removal dialog removes, by its codes (pnDeleteTarget).
enum class DeleteTarget { TreeNode = 1, Unit = 2 };
// "Do you really want to remove 'x' from the tree?" (or list), then what goes
// with it: a category's quantities and their units, a quantity's units.
std::string removalQuestion(const ConversionTable& table, DeleteTarget target, int node, int q, int u);

}  // namespace quantora
