#include "converter/ui/main_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace quantora {

MainLayout::MainLayout(ConverterContext& context, Parts parts, std::function<void(const QPoint&)> swapWanted)
    : m_context(context),
      m_parts(parts),
      m_swapWanted(std::move(swapWanted)),
      m_splitter(new QWidget(&parts.area)) {
    m_splitter->setObjectName(QStringLiteral("imgSplitter"));
    m_splitter->setCursor(Qt::SplitHCursor);
    m_splitter->installEventFilter(this);
    m_parts.arrow.installEventFilter(this);
    m_parts.area.installEventFilter(this);
}

void MainLayout::resize() {
    int treeWidth = m_context.toPixelsX(m_context.settings.treeWidth);
    const int before = treeWidth;
    m_panes = layout::horizontalPanes(m_parts.area.width(), treeWidth);
    if (treeWidth != before)
        m_context.settings.treeWidth = m_context.toTwipsX(treeWidth);
    applyBoxes(layout::resizedBoxes(m_parts.area.width(), m_context.settings.boxWidthRatio));
    layoutVertical();
}

void MainLayout::layoutVertical() {
    // The value boxes must hold their own font as well as the window's.
    const int textHeight =
        std::max(m_parts.area.fontMetrics().height(), m_parts.input.fontMetrics().height());
    m_vertical = layout::verticalLayout(m_parts.area.height(), layout::boxHeightFor(textHeight));
    applyPanes();
    for (QWidget* box : {static_cast<QWidget*>(&m_parts.input), static_cast<QWidget*>(&m_parts.output)}) {
        box->setGeometry(box->x(), m_vertical.boxTop, box->width(), m_vertical.boxHeight);
    }
    m_parts.arrow.move(m_parts.arrow.x(), m_vertical.arrowTop);
}

void MainLayout::equalizeBoxes() {
    applyBoxes(layout::equalizedBoxes(m_parts.area.width(), m_panes));
    m_context.settings.boxWidthRatio = 1;
}

void MainLayout::applyPanes() {
    m_parts.tree.setGeometry(m_panes.treeLeft, m_vertical.paneTop, m_panes.treeWidth, m_vertical.paneHeight);
    m_parts.list.setGeometry(m_panes.listLeft, m_vertical.paneTop, m_panes.listWidth, m_vertical.paneHeight);
    m_splitter->setGeometry(m_panes.splitterLeft, m_vertical.paneTop, m_panes.splitterWidth,
                            m_vertical.paneHeight);
    m_splitter->raise();
}

void MainLayout::applyBoxes(const layout::Boxes& boxes) {
    m_parts.input.setGeometry(boxes.inputLeft, m_vertical.boxTop, boxes.inputWidth, m_vertical.boxHeight);
    m_parts.output.setGeometry(boxes.outputLeft, m_vertical.boxTop, boxes.outputWidth, m_vertical.boxHeight);
    m_parts.arrow.move(boxes.arrowLeft, m_vertical.arrowTop);
}

bool MainLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_splitter)
        return splitterEvent(event);
    if (watched == &m_parts.area && event->type() == QEvent::Resize) {
        resize();
        return false;
    }
    if (watched == &m_parts.arrow || watched == &m_parts.area)
        return arrowEvent(event, watched == &m_parts.arrow);
    return QObject::eventFilter(watched, event);
}

bool MainLayout::splitterEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            m_splitterDragging = true;
            m_splitterStartX = qRound(mouse->globalPosition().x());
            m_splitterStart = {m_panes.treeWidth, m_panes.listLeft, m_panes.listWidth};
            return true;
        }
        case QEvent::MouseMove: {
            if (!m_splitterDragging)
                return false;
            const int dx = qRound(static_cast<QMouseEvent*>(event)->globalPosition().x()) - m_splitterStartX;
            if (const auto moved = layout::splitterMoved(m_splitterStart, m_panes, dx)) {
                m_panes = *moved;
                m_context.settings.treeWidth = m_context.toTwipsX(m_panes.treeWidth);
                applyPanes();
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!m_splitterDragging)
                return false;
            m_splitterDragging = false;
            applyPanes();
            return true;
        default:
            return false;
    }
}

// Dragging works on the arrow and on the window surface around it; the swap
// and the equal widths only on the arrow itself.
bool MainLayout::arrowEvent(QEvent* event, bool onArrow) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                if (!onArrow)
                    return false;
                if (m_swapWanted)
                    m_swapWanted(mouse->globalPosition().toPoint());
                return true;
            }
            if (mouse->button() != Qt::LeftButton)
                return false;
            m_arrowDragging = true;
            m_arrowStartX = qRound(mouse->globalPosition().x());
            m_arrowStart = {m_parts.input.width(), m_parts.output.width()};
            m_parts.arrow.setCursor(Qt::SizeHorCursor);
            return true;
        }
        case QEvent::MouseMove: {
            if (!m_arrowDragging)
                return false;
            const int dx = qRound(static_cast<QMouseEvent*>(event)->globalPosition().x()) - m_arrowStartX;
            if (const auto moved = layout::arrowMoved(m_arrowStart, m_panes, dx)) {
                applyBoxes(moved->boxes);
                m_context.settings.boxWidthRatio = moved->ratio;
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!m_arrowDragging)
                return false;
            m_arrowDragging = false;
            return true;
        case QEvent::MouseButtonDblClick:
            // A double click on the arrow gives both boxes the same width.
            if (!onArrow)
                return false;
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                equalizeBoxes();
            return true;
        default:
            return false;
    }
}

}  // namespace quantora
