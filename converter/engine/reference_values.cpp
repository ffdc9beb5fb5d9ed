#include "converter/engine/reference_values.h"

#include "common/text_rules.h"
#include "converter/engine/linear_conversion.h"

namespace quantora {
namespace {

bool validUnit(const ConversionTable& table, int q, int unit) {
    return unit >= 1 && unit <= table.quantity(q).unitCount;
}

std::string convertedValue(const ConversionTable& table, int q, int into, const std::string& value,
                           const NotationOptions& notation, common::DecimalSeparator separator) {
    const ConvertResult result = convert(table.unit(q, 1), table.unit(q, into), common::commaToDot(value));
    return common::dotToComma(formatResult(result.fault ? 0.0 : result.value, notation), separator);
}

}  // namespace

bool compactReferences(ConversionTable& table, int q) {
    if (q < 1 || q > table.quantityCount)
        return false;
    Quantity& quantity = table.quantity(q);
    int kept = 0;
    for (int i = 1; i <= quantity.refCount; ++i) {
        if (table.reference(q, i).name.empty())
            continue;
        ++kept;
        if (kept != i)
            table.reference(q, kept) = table.reference(q, i);
    }
    const bool removed = kept != quantity.refCount;
    for (int i = kept + 1; i <= quantity.refCount; ++i)
        table.reference(q, i) = {};
    quantity.refCount = static_cast<std::int16_t>(kept);
    return removed;
}

ReferenceTable referenceTable(const ConversionTable& table, int q, int from, int into,
                              const NotationOptions& notation, common::DecimalSeparator separator) {
    ReferenceTable out;
    if (q < 1 || q > table.quantityCount)
        return out;
    const Quantity& quantity = table.quantity(q);
    const bool converting = validUnit(table, q, 1) && validUnit(table, q, from) && validUnit(table, q, into);
    if (converting) {
        out.fromHeader = " " + table.unit(q, from).name;
        out.intoHeader = " " + table.unit(q, into).name;
    } else {
        out.fromHeader = validUnit(table, q, 1) ? table.unit(q, 1).name : std::string();
        out.intoHeader = "???";
    }
    for (int i = 1; i <= quantity.refCount; ++i) {
        const ReferenceItem& item = table.reference(q, i);
        ReferenceRow row{item.name, item.value, {}};
        if (converting && !common::trimBlanks(item.value).empty()) {
            row.fromValue = convertedValue(table, q, from, item.value, notation, separator);
            row.intoValue = convertedValue(table, q, into, item.value, notation, separator);
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

}  // namespace quantora
