#include "converter/ui/name_order.h"

#include <QLocale>
#include <QTreeWidgetItem>

#include <algorithm>

namespace quantora {

QCollator nameCollator() {
    // The C locale knows no order of its own, numbers included: English does.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void sortChildrenByName(QTreeWidgetItem& item, const QCollator& collator) {
    QList<QTreeWidgetItem*> children = item.takeChildren();
    std::stable_sort(children.begin(), children.end(),
                     [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         return collator.compare(a->text(0), b->text(0)) < 0;
                     });
    item.addChildren(children);
}

}  // namespace quantora
