#pragma once
// The evaluation history as a pop-up list (mnuList) beside the history
// button: twelve items, the newest first, "Empty" only at the top.

#include "calculator/eval/history.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace tallix {

class HistoryList : public QObject {
    Q_OBJECT
public:
    explicit HistoryList(QWidget& window);

    // Shows history's entries with entry 0 as the default item, dropped down
    // from globalPos at least width wide, like a combo box's list.
    void popup(const QPoint& globalPos, int width, const History& history);
    QMenu& menu() { return *m_menu; }

signals:
    void picked(int index);

private:
    QMenu* m_menu;
    std::array<QAction*, History::kSize> m_items{};
};

}  // namespace tallix
