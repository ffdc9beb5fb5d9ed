#pragma once
// The order of names in the sorted tree and list: by displayed text, the
// user's locale deciding where accents go, numbers read as numbers ("unit 2"
// before "unit 10"), letter case not deciding.

#include <QCollator>

class QTreeWidgetItem;

namespace quantora {

QCollator nameCollator();

// Sorts item's children by their text, keeping equal names in their order.
void sortChildrenByName(QTreeWidgetItem& item, const QCollator& collator);

}  // namespace quantora
