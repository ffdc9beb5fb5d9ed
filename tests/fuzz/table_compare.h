#pragma once
// Comparing tables by what a table file carries: counts, categories,
// allocation entries, quantities with their units (1 to UnitCount) and
// reference items (1 to RefCount).

#include "common/text_rules.h"
#include "converter/table/conversion_table.h"
#include "converter/table/table_file.h"
#include "fuzz_support.h"

#include <string>

namespace fuzz {

// The table as the next load of its save gives it: category flags as the tree
// reports them, quantity names trimmed (the header line carries them so),
// reference items with blank names left out, and none without a unit line to
// carry them.
inline quantora::ConversionTable asSaved(const quantora::ConversionTable& table,
                                         const quantora::NodeExpandedQuery& isExpanded) {
    quantora::ConversionTable saved = table;
    for (int c = 1; c <= saved.categoryCount; ++c)
        saved.category(c).expandedFlag = isExpanded(saved.categoryNode(c)).value_or(false) ? 1 : 0;
    for (int k = 1; k <= saved.quantityCount; ++k) {
        quantora::Quantity& quantity = saved.quantity(k);
        quantity.name = common::trimmed(quantity.name);
        int kept = 0;
        for (int i = 1; quantity.unitCount >= 1 && i <= quantity.refCount; ++i) {
            const quantora::ReferenceItem item = quantity.references[static_cast<std::size_t>(i)];
            if (!common::trimBlanks(item.name).empty())
                quantity.references[static_cast<std::size_t>(++kept)] = item;
        }
        quantity.refCount = static_cast<std::int16_t>(kept);
    }
    return saved;
}

// The first difference, or empty text when the tables carry the same.
inline std::string tableDifference(const quantora::ConversionTable& expected,
                                   const quantora::ConversionTable& actual) {
    using std::to_string;
    auto differs = [](const std::string& where, const std::string& a, const std::string& b) {
        return where + ": expected " + escaped(a) + ", got " + escaped(b);
    };
    if (expected.categoryCount != actual.categoryCount || expected.quantityCount != actual.quantityCount ||
        expected.allocationCount != actual.allocationCount) {
        return "counts differ: categories " + to_string(expected.categoryCount) + "/" +
               to_string(actual.categoryCount) + ", quantities " + to_string(expected.quantityCount) + "/" +
               to_string(actual.quantityCount) + ", allocation " + to_string(expected.allocationCount) + "/" +
               to_string(actual.allocationCount);
    }
    for (int c = 1; c <= expected.categoryCount; ++c) {
        const quantora::Category& a = expected.category(c);
        const quantora::Category& b = actual.category(c);
        if (!(a == b)) {
            return differs("category " + to_string(c),
                           to_string(a.icon) + ";" + a.name + ";" + to_string(a.expandedFlag),
                           to_string(b.icon) + ";" + b.name + ";" + to_string(b.expandedFlag));
        }
    }
    for (int m = 1; m <= expected.allocationCount; ++m) {
        if (!(expected.allocation(m) == actual.allocation(m)))
            return "allocation entry " + to_string(m) + " differs";
    }
    for (int k = 1; k <= expected.quantityCount; ++k) {
        const quantora::Quantity& a = expected.quantity(k);
        const quantora::Quantity& b = actual.quantity(k);
        const std::string where = "quantity " + to_string(k);
        if (a.icon != b.icon || a.name != b.name || a.unitCount != b.unitCount || a.refCount != b.refCount) {
            return differs(where,
                           to_string(a.icon) + ";" + a.name + ";" + to_string(a.unitCount) + " refs " +
                               to_string(a.refCount),
                           to_string(b.icon) + ";" + b.name + ";" + to_string(b.unitCount) + " refs " +
                               to_string(b.refCount));
        }
        for (int j = 1; j <= a.unitCount; ++j) {
            const quantora::UnitItem& u = expected.unit(k, j);
            const quantora::UnitItem& v = actual.unit(k, j);
            if (!(u == v)) {
                auto line = [](const quantora::UnitItem& unit) {
                    return to_string(unit.icon) + ";" + unit.name + ";" + unit.rate + ";" + unit.offset +
                           ";" + unit.rateError + ";" + unit.offsetError + ";" + unit.memo;
                };
                return differs(where + " unit " + to_string(j), line(u), line(v));
            }
        }
        for (int i = 1; i <= a.refCount; ++i) {
            const quantora::ReferenceItem& r = expected.reference(k, i);
            const quantora::ReferenceItem& s = actual.reference(k, i);
            if (!(r == s))
                return differs(where + " reference " + to_string(i), r.name + ";" + r.value,
                               s.name + ";" + s.value);
        }
    }
    return {};
}

}  // namespace fuzz
