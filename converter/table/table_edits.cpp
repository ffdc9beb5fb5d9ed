#include "converter/table/table_edits.h"

#include "common/text_rules.h"
#include "converter/settings/product_title.h"
#include "converter/table/table_file.h"
#include "converter/table/view_plan.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quantora {
namespace {

// The report of input no command gives, with the procedure's first marker.
EditOutcome refused(std::string_view marker) {
    return EditOutcome::failure(common::errorCodeNotice(kProductName, marker));
}

bool validQuantity(const ConversionTable& table, int q) {
    return q >= 1 && q <= table.quantityCount;
}

bool validUnit(const ConversionTable& table, int q, int u) {
    return validQuantity(table, q) && u >= 1 && u <= table.quantity(q).unitCount;
}

// The file keeps a quantity's name without surrounding blanks.
std::string quantityName(std::string_view text) {
    return common::trimmed(storableText(text));
}

UnitItem storableUnit(const UnitItem& unit) {
    return {unit.icon,
            storableText(unit.name),
            storableText(unit.rate),
            storableText(unit.offset),
            storableText(unit.rateError),
            storableText(unit.offsetError),
            storableText(unit.memo)};
}

UnitItem trimmedUnit(const UnitItem& unit) {
    return {unit.icon,
            common::trimmed(unit.name),
            common::trimmed(unit.rate),
            common::trimmed(unit.offset),
            common::trimmed(unit.rateError),
            common::trimmed(unit.offsetError),
            common::trimmed(unit.memo)};
}

// A new quantity record: no units, no reference items.
void resetQuantity(ConversionTable& table, int q, const NamedIcon& item) {
    Quantity& quantity = table.quantity(q);
    quantity = Quantity{};
    quantity.references.assign(kMaxReferenceItems + 1, ReferenceItem{});
    quantity.icon = item.icon;
    quantity.name = quantityName(item.name);
}

// Opens a gap at allocation position at; the entries from there move up.
void openAllocation(ConversionTable& table, int at, NodeAllocationEntry entry) {
    for (int m = table.allocationCount; m >= at; --m)
        table.allocation(m + 1) = table.allocation(m);
    table.allocation(at) = entry;
    ++table.allocationCount;
}

NodeAllocationEntry takeAllocation(ConversionTable& table, int at) {
    const NodeAllocationEntry taken = table.allocation(at);
    for (int m = at; m < table.allocationCount; ++m)
        table.allocation(m) = table.allocation(m + 1);
    table.allocation(table.allocationCount) = NodeAllocationEntry{};
    --table.allocationCount;
    return taken;
}

// The position after the last entry whose parent node is at most node.
int positionAfterParent(const ConversionTable& table, int node) {
    int at = 1;
    for (int m = 1; m <= table.allocationCount; ++m) {
        if (table.allocation(m).parentNode <= node)
            at = m + 1;
    }
    return at;
}

// A new quantity record numbered quantityCount + 1, placed at allocation position at.
EditOutcome placeNewQuantity(ConversionTable& table, int at, int parent, const NamedIcon& item) {
    if (auto notice = limitNotice(table, TableItemKind::Quantity))
        return EditOutcome::failure(std::move(*notice));
    ++table.quantityCount;
    resetQuantity(table, table.quantityCount, item);
    openAllocation(table, at, {table.quantityCount, static_cast<std::int16_t>(parent)});
    table.changed = true;
    return EditOutcome::success(table.allocationNode(at));
}

std::string counted(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::optional<common::Notice> limitNotice(const ConversionTable& table, TableItemKind kind) {
    const TableLimits& limits = table.limits();
    std::string what;
    int limit = 0;
    switch (kind) {
        case TableItemKind::Category:
            if (table.categoryCount < limits.maxCategory)
                return std::nullopt;
            what = "categories";
            limit = limits.maxCategory;
            break;
        case TableItemKind::Quantity:
            if (table.quantityCount < limits.maxQuantity)
                return std::nullopt;
            what = "quantities";
            limit = limits.maxQuantity;
            break;
        case TableItemKind::Unit:
            if (table.unitCapacity() < limits.maxUnit)
                return std::nullopt;
            what = "unit items";
            limit = limits.maxUnit;
            break;
    }
    return common::Notice{
        common::NoticeIcon::Exclamation, std::string(kCaptionTitle),
        "The number of " + what + " will exceed the limit (" + std::to_string(limit) + ")."};
}

std::string storableText(std::string_view text) {
    return safeTableField(text);
}

EditOutcome insertListItem(ConversionTable& table, const UnitItem& unit, int q, int p) {
    if (!validQuantity(table, q))
        return refused("PILI01");
    const int count = table.quantity(q).unitCount;
    if (table.unitCapacity() < count || count + 1 > table.unitDimension())
        return refused("PILI01");
    const int after = p < 0 ? 0 : (p > count ? count : p);
    // A copy first: the unit may live in this very storage, which grows below.
    const UnitItem stored = storableUnit(unit);
    // The storage takes its new last position before anything moves, so no
    // position moved from is left behind by a reallocation.
    table.unit(q, count + 1);
    for (int j = count; j > after; --j)
        table.unit(q, j + 1) = table.unit(q, j);
    table.unit(q, after + 1) = stored;
    ++table.quantity(q).unitCount;
    table.changed = true;
    return EditOutcome::success(after + 1);
}

EditOutcome addListItem(ConversionTable& table, const UnitItem& unit, int q, int p) {
    if (auto notice = limitNotice(table, TableItemKind::Unit))
        return EditOutcome::failure(std::move(*notice));
    if (!validQuantity(table, q))
        return refused("PILI01");
    table.raiseUnitCapacity();
    return insertListItem(table, unit, q, p);
}

bool deleteListItem(ConversionTable& table, int q, int p) {
    if (!validUnit(table, q, p))
        return false;
    const int count = table.quantity(q).unitCount;
    table.unit(q, count);  // all positions in storage before any moves
    for (int j = p; j < count; ++j)
        table.unit(q, j) = table.unit(q, j + 1);
    // A name left behind would still be found by the unit lookup.
    table.unit(q, count) = UnitItem{};
    --table.quantity(q).unitCount;
    // The reference items live on the first unit's line of the file: with
    // the last unit they go, as the removal question said.
    if (table.quantity(q).unitCount == 0) {
        for (int i = 1; i <= table.quantity(q).refCount; ++i)
            table.reference(q, i) = {};
        table.quantity(q).refCount = 0;
    }
    table.changed = true;
    return true;
}

common::Outcome<int> unitIndex(const ConversionTable& table, int q, std::string_view name) {
    if (validQuantity(table, q) && table.quantity(q).unitCount > table.unitDimension()) {
        const std::string crlf = "\r\n";
        return common::Outcome<int>::failure(
            {common::NoticeIcon::Critical, std::string(kCaptionTitle),
             "Unit names mismatch. Please e-mail the information below to Norvel Design:" + crlf +
                 "Error Code = 1613 2109 01" + crlf + "Group Index = " + std::to_string(q) + crlf +
                 "Unit name = " + std::string(name) + crlf +
                 "Max unit count = " + std::to_string(table.unitCapacity()) + crlf +
                 "Unit count = " + std::to_string(table.quantity(q).unitCount)});
    }
    return common::Outcome<int>::success(unitIndexOf(table, q, name));
}

EditOutcome addTreeItem(ConversionTable& table, int node, const NamedIcon& item) {
    if (table.kindOf(node) != NodeKind::Quantity)
        return refused("PATI01");
    const int at = table.allocationAtNode(node);
    return placeNewQuantity(table, at, table.allocation(at).parentNode, item);
}

EditOutcome createTreeItem(ConversionTable& table, int node, const NamedIcon& item) {
    const NodeKind kind = table.kindOf(node);
    if (kind == NodeKind::Category)
        return placeNewQuantity(table, positionAfterParent(table, node), node, item);
    if (kind != NodeKind::Root)
        return refused("PCTI01");
    if (auto notice = limitNotice(table, TableItemKind::Category))
        return EditOutcome::failure(std::move(*notice));
    // Categories come last among the root's category nodes: no parent index moves.
    ++table.categoryCount;
    table.category(table.categoryCount) = Category{item.icon, storableText(item.name), 0};
    table.changed = true;
    return EditOutcome::success(table.categoryNode(table.categoryCount));
}

EditOutcome deleteTreeItem(ConversionTable& table, int node) {
    int parent = 0;
    const NodeKind kind = table.kindOf(node);
    if (kind == NodeKind::Quantity) {
        parent = takeAllocation(table, table.allocationAtNode(node)).parentNode;
    } else if (kind == NodeKind::Category) {
        const int removed = node - 1;
        for (int c = removed; c < table.categoryCount; ++c)
            table.category(c) = table.category(c + 1);
        table.category(table.categoryCount) = Category{};
        --table.categoryCount;
        // The quantities under it leave the tree; later categories' nodes move down one.
        int kept = 0;
        const int count = table.allocationCount;
        for (int m = 1; m <= count; ++m) {
            NodeAllocationEntry entry = table.allocation(m);
            if (entry.parentNode == node)
                continue;
            if (entry.parentNode > node)
                --entry.parentNode;
            table.allocation(++kept) = entry;
        }
        for (int m = kept + 1; m <= count; ++m)
            table.allocation(m) = NodeAllocationEntry{};
        table.allocationCount = static_cast<std::int16_t>(kept);
        parent = table.rootNode();
    } else {
        return refused("PDTI01");
    }
    table.changed = true;
    return EditOutcome::success(parent);
}

bool canInsertTreeItem(const ConversionTable& table, int dragged, int target) {
    if (table.kindOf(dragged) != NodeKind::Quantity || target == dragged)
        return false;
    const NodeKind targetKind = table.kindOf(target);
    if (targetKind == NodeKind::Quantity)
        return true;
    return targetKind == NodeKind::Category &&
           table.allocation(table.allocationAtNode(dragged)).parentNode != target;
}

namespace {

// The ordinary quantity nodes under category node, in tree order.
std::vector<int> quantitiesUnder(const ConversionTable& table, int category) {
    std::vector<int> nodes;
    for (int m = 1; m <= table.allocationCount; ++m) {
        const int node = table.allocationNode(m);
        if (table.allocation(m).parentNode == category && table.kindOf(node) == NodeKind::Quantity)
            nodes.push_back(node);
    }
    return nodes;
}

int nodeOfQuantity(const ConversionTable& table, int q) {
    for (int m = 1; m <= table.allocationCount; ++m) {
        if (table.allocation(m).quantityNo == q)
            return table.allocationNode(m);
    }
    return 0;
}

}  // namespace

EditOutcome stepTreeItem(ConversionTable& table, int node, bool up) {
    if (table.kindOf(node) != NodeKind::Quantity)
        return refused("PITI01");
    const NodeAllocationEntry entry = table.allocation(table.allocationAtNode(node));
    const std::vector<int> siblings = quantitiesUnder(table, entry.parentNode);
    const auto at = std::find(siblings.begin(), siblings.end(), node);
    const int c = entry.parentNode - 1;
    if (up && at != siblings.begin())
        return insertTreeItem(table, node, *(at - 1));
    if (up)
        return c > 1 ? insertTreeItem(table, node, table.categoryNode(c - 1)) : refused("PITI01");
    if (at + 1 != siblings.end()) {
        // Onto a quantity lands before it: the next one comes up instead.
        const EditOutcome swapped = insertTreeItem(table, *(at + 1), node);
        return swapped ? EditOutcome::success(nodeOfQuantity(table, entry.quantityNo)) : swapped;
    }
    if (c >= table.categoryCount)
        return refused("PITI01");
    const std::vector<int> next = quantitiesUnder(table, table.categoryNode(c + 1));
    return insertTreeItem(table, node, next.empty() ? table.categoryNode(c + 1) : next.front());
}

EditOutcome moveListItem(ConversionTable& table, int q, int dragged, int target) {
    if (!validUnit(table, q, dragged) || !validUnit(table, q, target) || dragged == target)
        return refused("LVDD01");
    table.unit(q, std::max(dragged, target));  // storage complete before any swap
    const int step = dragged < target ? 1 : -1;
    for (int j = dragged; j != target; j += step)
        std::swap(table.unit(q, j), table.unit(q, j + step));
    table.changed = true;
    return EditOutcome::success(target);
}

EditOutcome insertTreeItem(ConversionTable& table, int dragged, int target) {
    if (!canInsertTreeItem(table, dragged, target))
        return refused("PITI01");
    const NodeKind targetKind = table.kindOf(target);
    const int from = table.allocationAtNode(dragged);

    NodeAllocationEntry moved = takeAllocation(table, from);
    int at = 0;
    if (targetKind == NodeKind::Quantity) {
        // The nodes after the dragged one moved up with its entry.
        const int targetNode = target > dragged ? target - 1 : target;
        at = targetNode - table.categoryCount - 1;
        moved.parentNode = table.allocation(at).parentNode;
    } else {
        at = positionAfterParent(table, target);
        moved.parentNode = static_cast<std::int16_t>(target);
    }
    openAllocation(table, at, moved);
    table.changed = true;
    return EditOutcome::success(table.allocationNode(at));
}

bool renameTreeNode(ConversionTable& table, int node, int q, std::string_view text) {
    const NodeKind kind = table.kindOf(node);
    if (kind == NodeKind::Category) {
        table.category(node - 1).name = storableText(text);
    } else if (table.isQuantityNode(node)) {
        // The quantity recorded when the renaming began; failing that, the node's own.
        const int renamed =
            validQuantity(table, q) ? q : table.allocation(table.allocationAtNode(node)).quantityNo;
        if (!validQuantity(table, renamed))
            return false;
        table.quantity(renamed).name = quantityName(text);
    } else {
        return false;
    }
    table.changed = true;
    return true;
}

bool renameUnit(ConversionTable& table, int q, int u, std::string_view text) {
    if (!validUnit(table, q, u))
        return false;
    table.unit(q, u).name = storableText(text);
    table.changed = true;
    return true;
}

EditOutcome acceptTreeItemDialog(ConversionTable& table, TreeItemMode mode, int node, int q,
                                 const NamedIcon& initial, const NamedIcon& boxes) {
    const NamedIcon item{boxes.icon, common::trimmed(boxes.name)};
    switch (mode) {
        case TreeItemMode::EditQuantity:
            if (!validQuantity(table, q))
                return refused("CAKC01");
            table.quantity(q).icon = item.icon;
            table.quantity(q).name = quantityName(item.name);
            break;
        case TreeItemMode::EditCategory:
            if (table.kindOf(node) != NodeKind::Category)
                return refused("CAKC01");
            table.category(node - 1).icon = item.icon;
            table.category(node - 1).name = storableText(item.name);
            break;
        case TreeItemMode::NewCategory:
        case TreeItemMode::AddQuantity:
            return createTreeItem(table, node, item);
        case TreeItemMode::InsertQuantity:
            return addTreeItem(table, node, item);
    }
    // Blanks typed around an unchanged name count as a change.
    if (!(boxes == initial))
        table.changed = true;
    return EditOutcome::success(node);
}

UnitDialogKind unitDialogKind(NodeKind kind) {
    if (kind == NodeKind::NumberSystem)
        return UnitDialogKind::NumberSystem;
    return kind == NodeKind::Constants ? UnitDialogKind::Constant : UnitDialogKind::Unit;
}

UnitItem newUnitDefaults(UnitDialogKind kind) {
    if (kind == UnitDialogKind::Constant)
        return {4, "New quantity (Rename it!)", "Enter a numerical value!", "", "0", "0", ""};
    return {1, "New unit (Rename it!)", "Enter a numerical value!", "0", "0", "0", ""};
}

UnitItem unitForEditing(const ConversionTable& table, int q, int u, UnitDialogKind kind) {
    if (!validUnit(table, q, u))
        return {};
    UnitItem unit = table.unit(q, u);
    if (kind == UnitDialogKind::NumberSystem) {
        unit.rate.clear();
        unit.offset.clear();
        unit.rateError.clear();
        unit.offsetError.clear();
    }
    return unit;
}

EditOutcome acceptUnitDialog(ConversionTable& table, UnitDialogMode mode, UnitDialogKind kind, int q, int u,
                             const UnitItem& initial, const UnitItem& boxes) {
    UnitItem stored = trimmedUnit(boxes);
    if (kind == UnitDialogKind::Constant) {
        stored.rateError = "0";
        stored.offsetError = "0";
    }
    if (mode == UnitDialogMode::Add)
        return addListItem(table, stored, q, u);

    if (!validUnit(table, q, u))
        return refused(kind == UnitDialogKind::Constant ? "CPKC01" : "UPKC01");
    UnitItem& unit = table.unit(q, u);
    if (kind == UnitDialogKind::NumberSystem) {
        // The radix is what number-system conversion reads; its boxes were blank.
        stored.rate = unit.rate;
        stored.offset = unit.offset;
        stored.rateError = unit.rateError;
        stored.offsetError = unit.offsetError;
    }
    unit = storableUnit(stored);
    if (!(boxes == initial))
        table.changed = true;
    return EditOutcome::success(u);
}

bool storeMemo(ConversionTable& table, int q, int u, std::string_view text) {
    if (!validUnit(table, q, u))
        return false;
    std::string& memo = table.unit(q, u).memo;
    const bool changed = text != memo;
    memo = storableText(text);
    if (changed)
        table.changed = true;
    return changed;
}

std::string removalQuestion(const ConversionTable& table, DeleteTarget target, int node, int q, int u) {
    const std::string undone = " This cannot be undone.";
    if (target == DeleteTarget::Unit) {
        if (!validUnit(table, q, u))
            return {};
        const Quantity& quantity = table.quantity(q);
        const std::string references =
            quantity.unitCount == 1 && quantity.refCount > 0
                ? " It is the last unit: the quick reference data of the quantity go with it."
                : std::string();
        return "Do you really want to remove '" + table.unit(q, u).name +
               "' from the list?\n\nThis unit of '" + quantity.name + "' goes with its values and its memo." +
               references + undone;
    }
    const NodeKind kind = table.kindOf(node);
    if (kind == NodeKind::Category) {
        int quantities = 0;
        int units = 0;
        for (int m = 1; m <= table.allocationCount; ++m) {
            const NodeAllocationEntry& entry = table.allocation(m);
            if (entry.parentNode != node)
                continue;
            ++quantities;
            if (validQuantity(table, entry.quantityNo))
                units += table.quantity(entry.quantityNo).unitCount;
        }
        return "Do you really want to remove '" + table.category(node - 1).name +
               "' from the tree?\n\nThe category goes with " +
               counted(quantities, "physical quantity", "physical quantities") + " and " +
               counted(units, "unit", "units") + "." + undone;
    }
    if (!table.isQuantityNode(node))
        return {};
    const int shown = table.allocation(table.allocationAtNode(node)).quantityNo;
    const int unitCount = validQuantity(table, shown) ? table.quantity(shown).unitCount : 0;
    return "Do you really want to remove '" + quantityNameAtNode(table, node) +
           "' from the tree?\n\nThe physical quantity goes with its " + counted(unitCount, "unit", "units") +
           "." + undone;
}

}  // namespace quantora
