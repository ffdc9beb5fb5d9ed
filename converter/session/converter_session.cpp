#include "converter/session/converter_session.h"

#include "converter/table/view_plan.h"

#include <utility>

namespace quantora {
namespace {

// The text a node shows: the table title at the root, a category's name, or
// the quantity's name.
std::string nodeText(const ConversionTable& table, int node) {
    switch (table.kindOf(node)) {
        case NodeKind::Root:
            return table.title;
        case NodeKind::Category:
            return table.category(node - 1).name;
        default:
            return quantityNameAtNode(table, node);
    }
}

}  // namespace

void ConverterSession::restore(int savedNode) {
    m_selection.node = checkSelectedNode(savedNode, m_table);
    // The root has no quantity: its empty name finds none with units.
    m_selection.quantityName = quantityNameAtNode(m_table, m_selection.node);
    m_selection.quantity = m_table.quantityIndexOf(m_selection.quantityName);
    m_shownQuantity = m_selection.quantity;
}

SessionChange ConverterSession::tableReplaced() {
    m_selection.node = checkSelectedNode(m_selection.node, m_table);
    m_shownQuantity = -1;
    m_batchMode = false;
    return clearUnits();
}

std::optional<SessionChange> ConverterSession::chooseNode(int node) {
    if (m_batchMode)
        return std::nullopt;
    m_selection.node = static_cast<std::int16_t>(node);
    m_selection.quantityName = nodeText(m_table, node);
    m_selection.quantity = m_table.quantityIndexOf(m_selection.quantityName);
    const int q = m_selection.quantity;
    const bool hasUnits = q >= 0 && q <= m_table.quantityCount && m_table.quantity(q).unitCount > 0;
    SessionChange change;
    if (q != m_shownQuantity || !hasUnits) {
        change = clearUnits();
        change.quantityChanged = true;
    }
    m_shownQuantity = q;
    return change;
}

void ConverterSession::pressUnit(int unit) {
    m_selection.listRow = static_cast<std::int16_t>(unit);
    m_selection.unit = m_selection.listRow;
}

void ConverterSession::unitMoved(int dragged, int target) {
    const auto follow = [dragged, target](std::int16_t& position) {
        if (position == dragged)
            position = static_cast<std::int16_t>(target);
        else if (dragged < target && position > dragged && position <= target)
            --position;
        else if (target < dragged && position >= target && position < dragged)
            ++position;
    };
    follow(m_selection.unit);
    follow(m_selection.listRow);
    follow(m_selection.convertFrom);
    follow(m_selection.convertInto);
}

bool ConverterSession::unitsPickable() const {
    const NodeKind kind = m_table.kindOf(m_selection.node);
    return kind == NodeKind::NumberSystem || kind == NodeKind::Quantity;
}

SessionChange ConverterSession::pickFrom(int unit) {
    if (!unitsPickable() || m_batchMode)
        return {};
    pressUnit(unit);
    m_selection.convertFrom = static_cast<std::int16_t>(unit);
    m_fromName = unitName(unit);
    return afterPick(true);
}

SessionChange ConverterSession::pickInto(int unit) {
    if (!unitsPickable())
        return {};
    pressUnit(unit);
    m_selection.convertInto = static_cast<std::int16_t>(unit);
    m_intoName = unitName(unit);
    return afterPick(!m_batchMode);
}

SessionChange ConverterSession::swap() {
    std::swap(m_selection.convertFrom, m_selection.convertInto);
    std::swap(m_fromName, m_intoName);
    SessionChange change;
    change.unitsChanged = true;
    change.convert = true;
    return change;
}

SessionChange ConverterSession::clearUnits() {
    SessionChange change;
    change.unitsChanged = !m_fromName.empty() || !m_intoName.empty();
    change.unitsCleared = true;
    m_fromName.clear();
    m_intoName.clear();
    return change;
}

SessionChange ConverterSession::takeBatchUnits(int quantity, int convertFrom) {
    m_selection.quantity = static_cast<std::int16_t>(quantity);
    m_selection.convertFrom = static_cast<std::int16_t>(convertFrom);
    m_selection.convertInto = 0;
    m_shownQuantity = quantity;
    m_fromName = unitName(convertFrom);
    m_intoName.clear();
    SessionChange change;
    change.unitsChanged = true;
    change.unitsCleared = true;
    return change;
}

std::string ConverterSession::unitName(int unit) const {
    const int q = m_selection.quantity;
    if (q < 1 || q > m_table.quantityCount || unit < 1 || unit > m_table.quantity(q).unitCount)
        return {};
    return m_table.unit(q, unit).name;
}

SessionChange ConverterSession::afterPick(bool convert) const {
    SessionChange change;
    change.unitsChanged = true;
    change.convert = convert && unitsChosen();
    return change;
}

}  // namespace quantora
