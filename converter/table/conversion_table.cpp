#include "converter/table/conversion_table.h"

#include "common/number_format.h"
#include "common/text_rules.h"

#include <algorithm>
#include <stdexcept>

namespace quantora {
namespace {
constexpr int kInitialUnitDimension = 10;
}

ConversionTable::ConversionTable(TableLimits limits) {
    create(limits);
}

void ConversionTable::create(TableLimits limits) {
    m_limits = limits;
    categoryCount = 0;
    quantityCount = 0;
    allocationCount = 0;
    m_unitCapacity = 0;
    m_unitDimension = kInitialUnitDimension;
    m_categories.assign(static_cast<std::size_t>(std::max<int>(0, limits.maxCategory)) + 1, Category{});
    m_allocations.assign(static_cast<std::size_t>(std::max<int>(0, limits.maxQuantity)) + 1,
                         NodeAllocationEntry{});
    m_quantities.assign(static_cast<std::size_t>(std::max<int>(0, limits.maxQuantity)) + 1, Quantity{});
    for (Quantity& q : m_quantities)
        q.references.assign(kMaxReferenceItems + 1, ReferenceItem{});
}

void ConversionTable::setUnitCapacity(std::int16_t capacity) {
    m_unitCapacity = capacity;
    m_unitDimension = std::max(5, capacity + 1);
    // Positions beyond the new dimension are gone, as in a re-sized array.
    for (Quantity& q : m_quantities) {
        if (q.m_units.size() > static_cast<std::size_t>(m_unitDimension) + 1)
            q.m_units.resize(static_cast<std::size_t>(m_unitDimension) + 1);
    }
}

UnitItem& ConversionTable::unit(int q, int j) {
    Quantity& quantity = m_quantities.at(static_cast<std::size_t>(q));
    if (j < 0 || j > m_unitDimension)
        throw std::out_of_range("unit position beyond the unit dimension");
    if (static_cast<std::size_t>(j) >= quantity.m_units.size()) {
        // One allocation for the whole dimension once a quantity is written to.
        quantity.m_units.reserve(static_cast<std::size_t>(m_unitDimension) + 1);
        quantity.m_units.resize(static_cast<std::size_t>(j) + 1);
    }
    return quantity.m_units[static_cast<std::size_t>(j)];
}

const UnitItem& ConversionTable::unit(int q, int j) const {
    static const UnitItem kEmpty;
    const Quantity& quantity = m_quantities.at(static_cast<std::size_t>(q));
    if (j < 0 || j > m_unitDimension)
        throw std::out_of_range("unit position beyond the unit dimension");
    return static_cast<std::size_t>(j) < quantity.m_units.size()
               ? quantity.m_units[static_cast<std::size_t>(j)]
               : kEmpty;
}

std::int16_t ConversionTable::quantityIndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < m_quantities.size(); ++i) {
        if (m_quantities[i].name == name)
            return static_cast<std::int16_t>(i);
    }
    return -1;
}

void ConversionTable::setPixelRates(float twipsPerPixelX, float twipsPerPixelY) {
    const std::string rateX = common::trimmed(common::plainSingleText(twipsPerPixelX));
    const std::string rateY = common::trimmed(common::plainSingleText(twipsPerPixelY));
    for (int q = 1; q <= quantityCount; ++q) {
        Quantity& quantity = m_quantities.at(static_cast<std::size_t>(q));
        const int count = std::min<int>(quantity.unitCount, static_cast<int>(quantity.m_units.size()) - 1);
        for (int j = 1; j <= count; ++j) {
            UnitItem& unit = quantity.m_units[static_cast<std::size_t>(j)];
            const std::string name = common::toLowerAscii(common::trimBlanks(unit.name));
            if (name == "pixel (x)" || name == "pixels (x)") {
                unit.rate = rateX;
            } else if (name == "pixel (y)" || name == "pixels (y)") {
                unit.rate = rateY;
            }
        }
    }
}

NodeKind ConversionTable::kindOf(int node) const {
    if (node == rootNode())
        return NodeKind::Root;
    if (node >= categoryNode(1) && node <= categoryNode(categoryCount))
        return NodeKind::Category;
    if (!isQuantityNode(node))
        return NodeKind::None;
    if (node == numberSystemNode())
        return NodeKind::NumberSystem;
    return node == constantsNode() ? NodeKind::Constants : NodeKind::Quantity;
}

}  // namespace quantora
