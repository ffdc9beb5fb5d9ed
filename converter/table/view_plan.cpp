#include "converter/table/view_plan.h"

#include "common/text_rules.h"

#include <algorithm>

namespace quantora {
namespace {

bool validQuantity(const ConversionTable& table, int q) {
    return q >= 1 && q <= table.quantityCount;
}

}  // namespace

int iconChoice(int icon) {
    return icon >= 1 && icon <= 4 ? icon : 1;
}

std::vector<TreeNodePlan> treePlan(const ConversionTable& table) {
    const int categories = table.categoryCount;
    std::vector<TreeNodePlan> nodes;
    nodes.reserve(static_cast<std::size_t>(categories + table.allocationCount + 1));
    nodes.push_back({1, 0, table.title, kTreeRootImage, true});
    for (int c = 1; c <= categories; ++c) {
        const Category& category = table.category(c);
        nodes.push_back(
            {table.categoryNode(c), 1, category.name, iconChoice(category.icon), category.expandedFlag == 1});
    }
    // Quantities parent by parent, each parent's in allocation order: with a
    // sorted allocation list the quantity at position m becomes node C + 1 + m.
    int next = categories + 2;
    for (int parent = 1; parent <= categories + 1; ++parent) {
        for (int m = 1; m <= table.allocationCount; ++m) {
            const NodeAllocationEntry& entry = table.allocation(m);
            if (entry.parentNode != parent)
                continue;
            TreeNodePlan node{next++, parent, {}, iconChoice(0) + kTreeQuantityOffset, false};
            if (validQuantity(table, entry.quantityNo)) {
                const Quantity& quantity = table.quantity(entry.quantityNo);
                node.text = quantity.name;
                node.image = iconChoice(quantity.icon) + kTreeQuantityOffset;
            }
            nodes.push_back(std::move(node));
        }
    }
    return nodes;
}

ListModeChoice setListMode(int selNodeIndex, int categoryCount, bool normalColumns) {
    if (selNodeIndex == categoryCount + 2)
        return {ListMode::NumberSystem, true, false};
    if (selNodeIndex == categoryCount + 3)
        return {ListMode::Constants, true, false};
    return {ListMode::Normal, !normalColumns, true};
}

std::int16_t checkSelectedNode(int selNodeIndex, const ConversionTable& table) {
    const int first = table.categoryCount + 2;
    const int last = table.categoryCount + table.quantityCount + 1;
    if (selNodeIndex < first || selNodeIndex > last)
        return 1;
    return static_cast<std::int16_t>(selNodeIndex);
}

std::string quantityNameAtNode(const ConversionTable& table, int node) {
    const int m = node - table.categoryCount - 1;
    if (m < 1 || m > table.allocationCount)
        return {};
    const int q = table.allocation(m).quantityNo;
    return validQuantity(table, q) ? table.quantity(q).name : std::string();
}

std::vector<UnitRowPlan> unitRows(const ConversionTable& table, int q) {
    std::vector<UnitRowPlan> rows;
    if (q < 0 || q > table.quantityCount)
        return rows;
    const Quantity& quantity = table.quantity(q);
    const int count = std::min<int>(quantity.unitCount, table.unitDimension());
    rows.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int u = 1; u <= count; ++u) {
        const UnitItem& unit = table.unit(q, u);
        UnitRowPlan row;
        row.unit = u;
        row.name = unit.name;
        row.image = iconChoice(unit.icon) + (common::trimBlanks(unit.memo).empty() ? 0 : kUnitMemoOffset);
        if (q == 1) {
            row.subItems = {unit.memo, unit.rate, {}};
        } else {
            row.subItems = {unit.rate, unit.offset, unit.memo};
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

int unitIndexOf(const ConversionTable& table, int q, std::string_view name) {
    if (q < 0 || q > table.quantityCount)
        return -1;
    const int last = std::min<int>(table.unitCapacity(), table.unitDimension());
    for (int u = 0; u <= last; ++u) {
        if (table.unit(q, u).name == name)
            return u;
    }
    return -1;
}

std::string tableTitleOf(std::string_view path) {
    if (path.empty())
        return std::string(kDefaultTableName);
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string tableDirectoryOf(std::string_view path, std::string_view programDir) {
    const auto slash = path.rfind('/');
    if (slash != std::string_view::npos)
        return std::string(path.substr(0, slash + 1));
    std::string dir(programDir);
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

}  // namespace quantora
