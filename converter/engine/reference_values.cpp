#include "converter/engine/reference_values.h"

#include "common/numeric_text.h"
#include "common/text_rules.h"
#include "converter/engine/linear_conversion.h"

#include <cmath>
#include <cstdio>

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

void rebaseReferences(ConversionTable& table, int q, const UnitItem& formerFirst) {
    if (q < 1 || q > table.quantityCount || !validUnit(table, q, 1))
        return;
    const UnitItem& first = table.unit(q, 1);
    // A zero rate would turn every value into 0 and lose them for good.
    const auto zeroRate = [](const UnitItem& unit) {
        return !(std::fabs(common::numericTextValue(common::commaToDot(unit.rate))) > 0);
    };
    if (zeroRate(formerFirst) || zeroRate(first))
        return;
    const LinearFactors factors(formerFirst, first);
    for (int i = 1; i <= table.quantity(q).refCount; ++i) {
        std::string& value = table.reference(q, i).value;
        const std::optional<double> number = common::strictDecimalValue(common::commaToDot(value));
        const ConvertResult result = factors.apply(number.value_or(0));
        if (!number || !factors.valid() || result.fault)
            continue;
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.15G", result.value);
        value = digits;
        table.changed = true;
    }
}

namespace {

UnitItem firstUnit(const ConversionTable& table, int q) {
    return q >= 1 && q <= table.quantityCount ? table.unit(q, 1) : UnitItem{};
}

}  // namespace

EditOutcome moveUnit(ConversionTable& table, int q, int dragged, int target) {
    const UnitItem formerFirst = firstUnit(table, q);
    EditOutcome moved = moveListItem(table, q, dragged, target);
    if (moved && (dragged == 1 || target == 1))
        rebaseReferences(table, q, formerFirst);
    return moved;
}

bool deleteUnit(ConversionTable& table, int q, int p) {
    const UnitItem formerFirst = firstUnit(table, q);
    const bool deleted = deleteListItem(table, q, p);
    if (deleted && p == 1)
        rebaseReferences(table, q, formerFirst);
    return deleted;
}

}  // namespace quantora
