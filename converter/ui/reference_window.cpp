#include "converter/ui/reference_window.h"

#include "converter/engine/reference_values.h"
#include "converter/table/reference_edits.h"
#include "converter/ui/dialog_parts.h"
#include "converter/ui/display_styles.h"
#include "converter/ui/help_window.h"
#include "converter/ui/reference_item_dialog.h"
#include "converter/ui/reference_list_view.h"
#include "converter/ui/removal_dialog.h"
#include "converter/ui/topmost.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace quantora {
namespace {

constexpr float kAutomatic = -99;
constexpr int kMargin = 8;  // from the screen's top right corner
constexpr int kListFontElement = 1;
constexpr int kDialogTextElement = 6;
constexpr int kWaitInterval = 100;

NotationOptions notationOf(const ConverterSettings& settings) {
    return {settings.digits, settings.sciDigits, settings.integer, settings.numFormat};
}

}  // namespace

ReferenceWindow::ReferenceWindow(ConverterContext& context, const IconSet& icons, Hooks hooks, QWidget* owner)
    : QWidget(owner, Qt::Tool),
      m_context(context),
      m_icons(icons),
      m_hooks(std::move(hooks)),
      m_list(new ReferenceListView(this)),
      m_menu(new QMenu(this)),
      m_wait(new QTimer(this)) {
    setObjectName(QStringLiteral("frmRef"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_list->setColumnCount(3);
    m_list->setFont(elementFont(context.settings, kListFontElement));
    m_list->setHeaderLabels({QStringLiteral("Name"), QString(), QStringLiteral("???")});
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { takeRow(m_list->indexOfTopLevelItem(item)); });
    connect(m_list, &QTreeWidget::customContextMenuRequested, this, &ReferenceWindow::offerMenu);
    connect(m_list, &QTreeWidget::itemChanged, this, &ReferenceWindow::renamed);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { enableRowCommands(m_list->selectedPosition() > 0); });
    connect(m_list, &ReferenceListView::rowDropped, this, &ReferenceWindow::moveRow);

    m_wait->setObjectName(QStringLiteral("tmrWait"));
    m_wait->setInterval(kWaitInterval);
    m_wait->setSingleShot(true);
    connect(m_wait, &QTimer::timeout, this, [this] {
        // A refill would take an open editor with it: wait for it to close.
        if (m_list->editing()) {
            m_wait->start();
            return;
        }
        refresh(true);
        m_context.table.changed = true;
        if (m_hooks.edited)
            m_hooks.edited();
    });
    buildMenu();

    const ConverterSettings& s = context.settings;
    resize(context.toPixelsX(s.refWidth), context.toPixelsY(s.refHeight));
    for (int k = 0; k < 3; ++k)
        m_list->setColumnWidth(k, context.toPixelsX(s.refHeaderWidth[static_cast<std::size_t>(k)]));
    place();
    refresh(true);
    setStayOnTop(*this, 1);
}

QTreeWidget& ReferenceWindow::list() const {
    return *m_list;
}

void ReferenceWindow::buildMenu() {
    m_menu->setObjectName(QStringLiteral("mnuMenu"));
    const struct {
        ReferenceMenuItem item;
        const char* text;
        QKeySequence keys;
    } entries[] = {{ReferenceMenuItem::Add, "&Add...", QKeySequence(Qt::CTRL | Qt::Key_N)},
                   {ReferenceMenuItem::Insert, "&Insert...", QKeySequence(Qt::Key_Insert)},
                   {ReferenceMenuItem::Delete, "&Delete...", QKeySequence(Qt::Key_Delete)},
                   {ReferenceMenuItem::Properties, "&Properties...", QKeySequence(Qt::ALT | Qt::Key_Return)}};
    for (const auto& entry : entries) {
        if (entry.item == ReferenceMenuItem::Properties)
            m_menu->addSeparator()->setObjectName(QStringLiteral("mnuMenuArray_3"));
        QAction* action = m_menu->addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QStringLiteral("mnuMenuArray_") +
                              QString::number(static_cast<int>(entry.item)));
        // The keys work in the window whether or not the menu is shown.
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        const ReferenceMenuItem item = entry.item;
        connect(action, &QAction::triggered, this, [this, item] { command(item); });
    }
    enableRowCommands(false);
    // Once the menu is gone, the keys follow the selection again.
    connect(m_menu, &QMenu::aboutToHide, this, [this] { enableRowCommands(m_list->selectedPosition() > 0); });
}

void ReferenceWindow::enableRowCommands(bool onRow) {
    for (const ReferenceMenuItem item :
         {ReferenceMenuItem::Insert, ReferenceMenuItem::Delete, ReferenceMenuItem::Properties}) {
        const QString name = QStringLiteral("mnuMenuArray_") + QString::number(static_cast<int>(item));
        if (QAction* action = m_menu->findChild<QAction*>(name))
            action->setEnabled(onRow);
    }
}

void ReferenceWindow::offerMenu(const QPoint& pos) {
    QTreeWidgetItem* row = m_list->itemAt(pos);
    if (row)
        m_list->setCurrentItem(row);
    enableRowCommands(row != nullptr);
    // Properties edits the selected item, wherever the press was.
    if (QAction* properties = m_menu->findChild<QAction*>(QStringLiteral("mnuMenuArray_4")))
        properties->setEnabled(m_list->selectedPosition() > 0);
    m_menu->popup(m_list->viewport()->mapToGlobal(pos));
}

void ReferenceWindow::command(ReferenceMenuItem item) {
    const int q = shownQuantity();
    const int selected = m_list->selectedPosition();
    if (q < 1 || q > m_context.table.quantityCount)
        return;
    // Not while a name is being edited: the keys belong to its editor.
    if ((item != ReferenceMenuItem::Add && selected < 1) || m_list->editing())
        return;
    setStayOnTop(*this, 0);
    if (item == ReferenceMenuItem::Add || item == ReferenceMenuItem::Insert) {
        if (auto notice = referenceLimitNotice(m_context.table, q)) {
            m_context.messages.present(this, *notice);
            dialogClosed();
            return;
        }
    }
    switch (item) {
        case ReferenceMenuItem::Add:
            openItemDialog(ReferenceDialogMode::Add, selected);
            break;
        case ReferenceMenuItem::Insert:
            openItemDialog(ReferenceDialogMode::Insert, selected);
            break;
        case ReferenceMenuItem::Delete:
            openRemoval(selected);
            break;
        case ReferenceMenuItem::Properties:
            openItemDialog(ReferenceDialogMode::Edit, selected);
            break;
    }
}

void ReferenceWindow::openItemDialog(ReferenceDialogMode mode, int position) {
    const int q = shownQuantity();
    ReferenceItemDialog::Input input;
    input.mode = mode;
    input.item = referenceForDialog(m_context.table, q, mode, position);
    input.textFont = elementFont(m_context.settings, kDialogTextElement);
    auto* dialog = new ReferenceItemDialog(input, this);
    connect(dialog, &ReferenceItemDialog::helpRequested, this, [this, dialog](int topic) {
        if (!showHelpFor(*dialog, m_context.helpFile, topic))
            m_context.messages.present(dialog, helpFileMissing(m_context.helpFile));
    });
    connect(dialog, &QDialog::accepted, this, [this, dialog, mode, q, position] {
        const EditOutcome outcome =
            acceptReferenceDialog(m_context.table, mode, q, position, dialog->values());
        m_context.messages.presentAll(this, outcome.notices());
        if (outcome)
            afterEdit(outcome.value());
    });
    openOnTop(*dialog, [this] { dialogClosed(); });
}

void ReferenceWindow::openRemoval(int position) {
    const int q = shownQuantity();
    const std::string question = referenceRemovalQuestion(m_context.table, q, position);
    if (question.empty())
        return;
    auto* dialog = new RemovalDialog(QString::fromStdString(question), m_icons, this);
    connect(dialog, &QDialog::accepted, this, [this, q, position] {
        if (deleteReference(m_context.table, q, position))
            afterEdit(std::min<int>(position, m_context.table.quantity(q).refCount));
    });
    openOnTop(*dialog, [this] { dialogClosed(); });
}

void ReferenceWindow::dialogClosed() {
    if (m_hooks.restoreTopmost)
        m_hooks.restoreTopmost();
    // On top again, the window takes the keys again.
    activateWindow();
}

void ReferenceWindow::renamed(QTreeWidgetItem* item, int column) {
    if (m_filling || column != 0)
        return;
    const int position = m_list->indexOfTopLevelItem(item) + 1;
    if (!renameReference(m_context.table, shownQuantity(), position, item->text(0).toStdString()))
        return;
    // Refilled a moment later, not while the editor is still closing.
    m_wait->start();
}

void ReferenceWindow::moveRow(int dragged, int target) {
    const EditOutcome outcome = moveReference(m_context.table, shownQuantity(), dragged, target);
    m_context.messages.presentAll(this, outcome.notices());
    if (outcome && dragged != target)
        afterEdit(outcome.value());
}

void ReferenceWindow::afterEdit(int position) {
    refresh(true);
    m_list->selectPosition(position);
    if (m_hooks.edited)
        m_hooks.edited();
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
    // The periodic refresh waits while a name is edited: a refill would take the editor.
    if (!force && m_list->editing())
        return;
    const Selection& selection = m_context.session.selection();
    const int q = selection.quantity;
    const bool compacted = compactReferences(m_context.table, q);
    if (compacted)
        m_context.table.changed = true;
    const bool chosen = m_context.session.unitsChosen();
    const int from = chosen ? selection.convertFrom : 0;
    const int into = chosen ? selection.convertInto : 0;
    const int count = q >= 1 && q <= m_context.table.quantityCount ? m_context.table.quantity(q).refCount : 0;
    const QString title =
        QStringLiteral(" Quick Reference - ") + QString::fromStdString(selection.quantityName);
    // What the rows would show now: edits elsewhere (a unit renamed or moved
    // first, whose values then follow) show up without a forced refill.
    ReferenceTable rows = referenceTable(m_context.table, q, from, into, notationOf(m_context.settings),
                                         m_context.decimalSeparator);
    if (!force && !compacted && q == m_shownQuantity && rows == m_shownRows && title == windowTitle())
        return;
    m_converted = chosen && count > 0;

    setWindowTitle(title);
    m_list->setHeaderLabels({QStringLiteral("Name"), QString::fromStdString(rows.fromHeader),
                             QString::fromStdString(rows.intoHeader)});
    const int selected = m_list->selectedPosition();
    const bool sameQuantity = m_shownQuantity == q;
    m_shownQuantity = q;
    m_filling = true;
    m_list->clear();
    for (const ReferenceRow& row : rows.rows) {
        m_list->addRow({QString::fromStdString(row.name), QString::fromStdString(row.fromValue),
                        QString::fromStdString(row.intoValue)});
    }
    m_shownRows = std::move(rows);
    m_filling = false;
    // The same quantity keeps its selected row.
    if (selected > 0 && sameQuantity)
        m_list->selectPosition(std::min(selected, count));
}

void ReferenceWindow::takeRow(int row) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (!item || !m_hooks.take || item->text(1).trimmed().isEmpty())
        return;
    m_hooks.take(item->text(1).trimmed(), m_converted);
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
    m_wait->stop();
    setStayOnTop(*this, 0);
    QWidget::closeEvent(event);
    // Hidden first, so that the states restored leave this window out.
    hide();
    if (m_hooks.restoreTopmost)
        m_hooks.restoreTopmost();
}

}  // namespace quantora
