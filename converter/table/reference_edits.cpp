#include "converter/table/reference_edits.h"

#include "common/text_rules.h"
#include "converter/settings/product_title.h"

namespace quantora {
namespace {

// The report of input no command gives, with the procedure's first marker.
EditOutcome refused(std::string_view marker) {
    return EditOutcome::failure(common::errorCodeNotice(kProductName, marker));
}

common::Notice exclamation(std::string text) {
    return {common::NoticeIcon::Exclamation, std::string(kNoticeTitle), std::move(text)};
}

bool validQuantity(const ConversionTable& table, int q) {
    return q >= 1 && q <= table.quantityCount;
}

bool validItem(const ConversionTable& table, int q, int p) {
    return validQuantity(table, q) && p >= 1 && p <= table.quantity(q).refCount;
}

ReferenceItem storable(const ReferenceItem& item) {
    return {storableText(item.name), storableText(item.value)};
}

// The table file keeps a quantity's reference items on its first unit line.
common::Notice noUnitNotice() {
    return exclamation("A physical quantity without units cannot keep reference data. Add a unit first.");
}

}  // namespace

std::optional<common::Notice> referenceLimitNotice(const ConversionTable& table, int q) {
    if (validQuantity(table, q) && table.quantity(q).unitCount < 1)
        return noUnitNotice();
    if (!validQuantity(table, q) || table.quantity(q).refCount < kMaxReferenceItems)
        return std::nullopt;
    return exclamation("The number of reference data will exceed the limit (" +
                       std::to_string(kMaxReferenceItems) + ").");
}

EditOutcome insertReference(ConversionTable& table, int q, const ReferenceItem& item, int p) {
    if (!validQuantity(table, q))
        return refused("PIRL01");
    Quantity& quantity = table.quantity(q);
    const int count = quantity.refCount;
    if (count >= kMaxReferenceItems)
        return EditOutcome::failure(exclamation("The maximum sets of reference data already exist."));
    if (quantity.unitCount < 1)
        return EditOutcome::failure(noUnitNotice());
    if (p < 0 || p > count)
        return refused("PIRL01");
    for (int i = count; i > p; --i)
        table.reference(q, i + 1) = table.reference(q, i);
    table.reference(q, p + 1) = storable(item);
    ++quantity.refCount;
    table.changed = true;
    return EditOutcome::success(p + 1);
}

bool deleteReference(ConversionTable& table, int q, int p) {
    if (!validItem(table, q, p))
        return false;
    Quantity& quantity = table.quantity(q);
    for (int i = p; i < quantity.refCount; ++i)
        table.reference(q, i) = table.reference(q, i + 1);
    table.reference(q, quantity.refCount) = {};
    --quantity.refCount;
    table.changed = true;
    return true;
}

EditOutcome moveReference(ConversionTable& table, int q, int s, int t) {
    if (!validItem(table, q, s) || !validItem(table, q, t))
        return refused("FRLD01");
    if (s == t)
        return EditOutcome::success(s);
    const ReferenceItem moved = table.reference(q, s);
    deleteReference(table, q, s);
    // The items after s moved up one place, t among them.
    return insertReference(table, q, moved, s < t ? t - 1 : t);
}

bool renameReference(ConversionTable& table, int q, int p, std::string_view name) {
    if (!validItem(table, q, p))
        return false;
    table.reference(q, p).name = storableText(name);
    table.changed = true;
    return true;
}

ReferenceItem referenceForDialog(const ConversionTable& table, int q, ReferenceDialogMode mode, int p) {
    if (mode != ReferenceDialogMode::Edit)
        return {"New name (Rename it!)", "New value (Rename it!)"};
    return validItem(table, q, p) ? table.reference(q, p) : ReferenceItem{};
}

EditOutcome acceptReferenceDialog(ConversionTable& table, ReferenceDialogMode mode, int q, int p,
                                  const ReferenceItem& boxes) {
    const ReferenceItem item{common::trimmed(boxes.name), common::trimmed(boxes.value)};
    switch (mode) {
        case ReferenceDialogMode::Add:
            return insertReference(table, q, item, validQuantity(table, q) ? table.quantity(q).refCount : 0);
        case ReferenceDialogMode::Insert:
            return insertReference(table, q, item, p);
        case ReferenceDialogMode::Edit:
            break;
    }
    if (!validItem(table, q, p))
        return refused("PIRL01");
    table.reference(q, p) = storable(item);
    table.changed = true;
    return EditOutcome::success(p);
}

std::string referenceRemovalQuestion(const ConversionTable& table, int q, int p) {
    if (!validItem(table, q, p))
        return {};
    return "Do you really want to remove '" + table.reference(q, p).name + "' from the list?";
}

}  // namespace quantora
