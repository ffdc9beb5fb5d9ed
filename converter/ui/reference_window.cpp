#include "converter/ui/reference_window.h"

#include "converter/engine/reference_values.h"
#include "converter/ui/display_styles.h"
#include "converter/ui/topmost.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quantora {
namespace {

constexpr float kAutomatic = -99;
constexpr int kMargin = 8;  // from the screen's top right corner
constexpr int kListFontElement = 1;

NotationOptions notationOf(const ConverterSettings& settings) {
    return {settings.digits, settings.sciDigits, settings.integer, settings.numFormat};
}

}  // namespace

ReferenceWindow::ReferenceWindow(ConverterContext& context, Take take, QWidget* owner)
    : QWidget(owner, Qt::Tool), m_context(context), m_take(std::move(take)), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmRef"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_list->setObjectName(QStringLiteral("lvwRef"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(3);
    m_list->setUniformRowHeights(true);
    m_list->setFont(elementFont(context.settings, kListFontElement));
    m_list->setHeaderLabels({QStringLiteral("Name"), QString(), QStringLiteral("???")});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { takeRow(m_list->indexOfTopLevelItem(item)); });

    const ConverterSettings& s = context.settings;
    resize(context.toPixelsX(s.refWidth), context.toPixelsY(s.refHeight));
    for (int k = 0; k < 3; ++k)
        m_list->setColumnWidth(k, context.toPixelsX(s.refHeaderWidth[static_cast<std::size_t>(k)]));
    place();
    refresh(true);
    setStayOnTop(*this, 1);
}

void ReferenceWindow::place() {
    const ConverterSettings& s = m_context.settings;
    if (s.refLeft >= kAutomatic || s.refTop >= kAutomatic) {
        move(m_context.toPixelsX(s.refLeft), m_context.toPixelsY(s.refTop));
        return;
    }
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.right() - width() - kMargin, area.top() + kMargin);
}

void ReferenceWindow::refresh(bool force) {
    const Selection& selection = m_context.session.selection();
    const int q = selection.quantity;
    const bool compacted = compactReferences(m_context.table, q);
    if (compacted)
        m_context.table.changed = true;
    const bool chosen = m_context.session.unitsChosen();
    const int from = chosen ? selection.convertFrom : 0;
    const int into = chosen ? selection.convertInto : 0;
    const int count = q >= 1 && q <= m_context.table.quantityCount ? m_context.table.quantity(q).refCount : 0;
    const std::tuple<int, int, int, int> key{q, from, into, count};
    if (!force && !compacted && key == m_shown)
        return;
    m_shown = key;
    m_converted = chosen && count > 0;

    setWindowTitle(QStringLiteral(" Quick Reference - ") + QString::fromStdString(selection.quantityName));
    const ReferenceTable rows = referenceTable(m_context.table, q, from, into, notationOf(m_context.settings),
                                               m_context.decimalSeparator);
    m_list->setHeaderLabels({QStringLiteral("Name"), QString::fromStdString(rows.fromHeader),
                             QString::fromStdString(rows.intoHeader)});
    m_list->clear();
    for (const ReferenceRow& row : rows.rows) {
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::fromStdString(row.name),
                                                                QString::fromStdString(row.fromValue),
                                                                QString::fromStdString(row.intoValue)}));
    }
}

void ReferenceWindow::takeRow(int row) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (!item || !m_take || item->text(1).trimmed().isEmpty())
        return;
    m_take(item->text(1).trimmed(), m_converted);
}

void ReferenceWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReferenceWindow::closeEvent(QCloseEvent* event) {
    ConverterSettings& s = m_context.settings;
    s.refLeft = m_context.toTwipsX(x());
    s.refTop = m_context.toTwipsY(y());
    s.refWidth = m_context.toTwipsX(width());
    s.refHeight = m_context.toTwipsY(height());
    for (int k = 0; k < 3; ++k)
        s.refHeaderWidth[static_cast<std::size_t>(k)] = m_context.toTwipsX(m_list->columnWidth(k));
    setStayOnTop(*this, 0);
    QWidget::closeEvent(event);
}

}  // namespace quantora
