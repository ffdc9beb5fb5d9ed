#include "calculator/ui/history_list.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace tallix {

HistoryList::HistoryList(QWidget& window)
    : QObject(&window), m_menu(new QMenu(QStringLiteral("&List"), &window)) {
    m_menu->setObjectName(QStringLiteral("mnuList"));
    for (int i = 0; i < History::kSize; ++i) {
        QAction* item = m_menu->addAction(QString());
        item->setObjectName(QStringLiteral("mnuListArray_") + QString::number(i));
        connect(item, &QAction::triggered, this, [this, i] { emit picked(i); });
        m_items[static_cast<std::size_t>(i)] = item;
    }
    m_items[0]->setText(QString::fromLatin1(kEmptyHistoryEntry));
}

void HistoryList::popup(const QPoint& globalPos, int width, const History& history) {
    for (int i = 0; i < History::kSize; ++i) {
        QAction* item = m_items[static_cast<std::size_t>(i)];
        // An "&" in an expression is text, not an access key.
        item->setText(QString::fromStdString(history.entry(i)).replace(u'&', QStringLiteral("&&")));
        item->setVisible(history.visibleInList(i));
    }
    m_menu->setDefaultAction(m_items[0]);
    m_menu->setMinimumWidth(width);
    m_menu->popup(globalPos);
}

}  // namespace tallix
