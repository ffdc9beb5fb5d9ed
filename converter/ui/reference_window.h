#pragma once
// frmRef: the quick reference beside the converter. It lists the reference
// items of the selected quantity with their values in the convert-from and
// convert-into units, follows the selection while open, and hands a row's
// value to the convert-from box on a double-click or Enter. Placed at the top
// right of the screen unless a position was kept; always on top; Escape
// closes it and closing keeps its position, size and column widths.

#include "converter/ui/converter_context.h"

#include <QWidget>

#include <functional>
#include <tuple>

class QTreeWidget;

namespace quantora {

class ReferenceWindow : public QWidget {
    Q_OBJECT
public:
    // take: the value of a row in the convert-from unit, or as stored (in
    // unit 1) while no units are chosen.
    using Take = std::function<void(const QString& value, bool converted)>;
    ReferenceWindow(ConverterContext& context, Take take, QWidget* owner);

    // Compacts and refills the list for the selection (pUpdateRefListView,
    // pUpdateRefValues); unchanged selection and items: nothing to do unless forced.
    void refresh(bool force = false);
    QTreeWidget& list() const { return *m_list; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void place();
    void takeRow(int row);

    ConverterContext& m_context;
    Take m_take;
    QTreeWidget* m_list;
    std::tuple<int, int, int, int> m_shown{-1, -1, -1, -1};  // quantity, from, into, item count
    bool m_converted = false;
};

}  // namespace quantora
