#pragma once
// Places the panes and value boxes of frmMain by the layout rules and runs
// the two drags: the splitter between tree and list (imgSplitter) and the
// arrow between the value boxes (imgPoint), which also offers the swap on a
// right press.

#include "converter/settings/window_layout.h"
#include "converter/ui/converter_context.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QLabel;
class QLineEdit;

namespace quantora {

class MainLayout : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget& area;  // the central area below the toolbar
        QWidget& tree;
        QWidget& list;
        QLineEdit& input;
        QLineEdit& output;
        QLabel& arrow;
    };
    // swapWanted: a right press on the arrow, at that screen position.
    MainLayout(ConverterContext& context, Parts parts, std::function<void(const QPoint&)> swapWanted);

    // The resize rule: panes, boxes, arrow, then the vertical layout.
    void resize();
    // Heights and tops of the panes, the value boxes and the arrow (mLayoutVertical).
    void layoutVertical();
    // Gives both value boxes the same width and stores ratio 1 (mEqualizeBoxes).
    void equalizeBoxes();
    const layout::Panes& panes() const { return m_panes; }
    QWidget& splitter() const { return *m_splitter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyPanes();
    void applyBoxes(const layout::Boxes& boxes);
    bool splitterEvent(QEvent* event);
    bool arrowEvent(QEvent* event, bool onArrow);

    ConverterContext& m_context;
    Parts m_parts;
    std::function<void(const QPoint&)> m_swapWanted;
    QWidget* m_splitter;
    layout::Panes m_panes;
    layout::Vertical m_vertical;
    bool m_splitterDragging = false;
    int m_splitterStartX = 0;
    layout::SplitterDragStart m_splitterStart;
    bool m_arrowDragging = false;
    int m_arrowStartX = 0;
    layout::ArrowDragStart m_arrowStart;
};

}  // namespace quantora
