#include "converter/ui/command_dispatch.h"

#include "converter/settings/command_state.h"
#include "converter/settings/copy_history.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/file_commands.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeWidget>

namespace quantora {
namespace {

constexpr int kSpyInterval = 400;

// A menu caption shows "&" only when doubled.
QString captionOf(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

CommandDispatcher::CommandDispatcher(ConverterContext& context, QWidget& window, Parts parts)
    : QObject(&window), m_context(context), m_parts(parts), m_spy(new QTimer(&window)) {
    m_spy->setObjectName(QStringLiteral("tmrSpy"));
    m_spy->setInterval(kSpyInterval);
    connect(m_spy, &QTimer::timeout, this, &CommandDispatcher::refresh);
    connect(&parts.actions, &MainActions::menuItemChosen, this, &CommandDispatcher::dispatch);
    connect(&parts.actions, &MainActions::buttonClicked, this, &CommandDispatcher::dispatchButton);
    connect(parts.actions.menu(MenuId::Edit), &QMenu::aboutToShow, this, &CommandDispatcher::fillHistoryMenu);
    connect(&parts.boxes, &ConversionBoxes::outputEmptied, this, &CommandDispatcher::outputChanged);
    for (QWidget* target :
         {static_cast<QWidget*>(&parts.boxes.input()), static_cast<QWidget*>(&parts.boxes.output()),
          static_cast<QWidget*>(&parts.views.tree())}) {
        target->installEventFilter(this);
    }
    for (QWidget* view : parts.views.list().findChildren<QAbstractItemView*>())
        view->installEventFilter(this);
    connect(&parts.views.list(), &UnitListView::viewCreated, this,
            [this](QAbstractItemView* view) { view->installEventFilter(this); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CommandDispatcher::clipboardChanged);
    clipboardChanged();
}

void CommandDispatcher::startRefresh() {
    m_spy->start();
}

void CommandDispatcher::dispatch(MenuId menu, int index) {
    MainActions& actions = m_parts.actions;
    // A shortcut must not reach an item of a disabled menu.
    if (!actions.isLive(actions.item(menu, index)))
        return;
    switch (menu) {
        case MenuId::File:
            if (index == 0)
                m_parts.files.open();
            if (index == 1)
                m_parts.files.save();
            if (index == 2)
                m_parts.files.saveAs();
            if (index == 8)
                m_parts.window.exitProgram();
            break;
        case MenuId::Edit:
            if (index == 0)
                copy(0);
            if (index == 1)
                copy(2);
            if (index == 2)
                pasteInput();
            break;
        case MenuId::EditHistory:
            putHistoryOnClipboard(index);
            break;
        case MenuId::View:
            if (index == 0)
                m_parts.window.setViewStyle(2);
            if (index == 1)
                m_parts.window.setViewStyle(3);
            break;
        case MenuId::Help:
            if (index == 0)
                m_parts.window.showHelpTopics();
            if (index == 2)
                m_parts.window.showAbout();
            break;
        case MenuId::EditUnit:
            if (index == 0)
                copy(2);
            break;
        case MenuId::Swap:
            m_parts.boxes.swapUnits();
            break;
        default:
            break;
    }
}

void CommandDispatcher::dispatchButton(const QString& key) {
    if (key == QLatin1String("Open"))
        m_parts.files.open();
    else if (key == QLatin1String("SaveAs"))
        m_parts.files.saveAs();
    else if (key == QLatin1String("Copy"))
        copy(0);
    else if (key == QLatin1String("Paste"))
        pasteInput();
    else if (key == QLatin1String("List"))
        m_parts.window.setViewStyle(2);
    else if (key == QLatin1String("Details"))
        m_parts.window.setViewStyle(3);
    else if (key == QLatin1String("Help"))
        m_parts.window.showHelpTopics();
    else if (key == QLatin1String("Exit"))
        m_parts.window.exitProgram();
}

void CommandDispatcher::copy(int mode) {
    CopyTexts texts;
    if (mode == 0) {
        ConversionBoxes& boxes = m_parts.boxes;
        texts = conversionResultCopy(boxes.input().text().toStdString(), boxes.panel(2).toStdString(),
                                     boxes.output().text().toStdString(), boxes.panel(4).toStdString(),
                                     m_context.settings.showError);
    } else if (mode == 2) {
        const ConversionTable& table = m_context.table;
        const int q = table.selection.quantity;
        const int unit = table.selection.unit;
        if (q < 1 || q > table.quantityCount || unit < 1 || unit > table.quantity(q).unitCount)
            return;
        texts = unitPropertiesCopy(table.unit(q, unit));
    } else {
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    m_parts.actions.item(MenuId::Edit, 7)->setEnabled(true);
    clipboard->setText(QString::fromStdString(texts.clipboard));
    m_context.history.push(texts.history);
}

void CommandDispatcher::pasteInput() {
    const std::optional<std::string> text = clipboardText();
    m_parts.boxes.input().setText(QString::fromStdString(text.value_or(std::string())));
}

void CommandDispatcher::putHistoryOnClipboard(int slot) {
    if (slot < 0 || slot >= m_context.history.count())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(m_context.history.entry(slot)));
}

void CommandDispatcher::fillHistoryMenu() {
    for (int slot = 0; slot < m_context.history.count(); ++slot) {
        QAction* item = m_parts.actions.item(MenuId::EditHistory, slot);
        if (m_context.history.entry(slot).empty())
            continue;
        item->setText(captionOf(m_context.history.entry(slot)));
        item->setVisible(true);
    }
}

void CommandDispatcher::outputChanged(bool empty) {
    m_parts.actions.setAvailable(m_parts.actions.item(MenuId::Edit, 0), !empty);
    m_parts.actions.setAvailable(m_parts.actions.button(QStringLiteral("Copy")), !empty);
}

std::optional<std::string> CommandDispatcher::clipboardText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return std::nullopt;
    if (data->hasText())
        return data->text().toStdString();
    if (data->hasHtml())
        return QTextDocumentFragment::fromHtml(data->html()).toPlainText().toStdString();
    return std::nullopt;
}

void CommandDispatcher::clipboardChanged() {
    m_clipboardHasNumber = clipboardHasNumber(clipboardText());
}

void CommandDispatcher::refresh() {
    ConversionTable& table = m_context.table;
    RefreshInputs in;
    in.tableChanged = table.changed;
    in.clipboardHasNumber = m_clipboardHasNumber;
    // The calculator publishes these; another process may have written them.
    m_context.store.sync();
    in.calcRun = m_context.store.read("Tallix", "Form", "Run", "0");
    in.calcResult = m_context.store.read("Tallix", "History", "Result", "");
    in.outputEmpty = m_parts.boxes.output().text().isEmpty();
    in.batchMode = m_context.batchMode;
    in.selNodeIndex = table.selection.node;
    in.categoryCount = table.categoryCount;
    in.listItemCount = m_parts.views.list().itemCount();
    in.expandedCategories = m_parts.views.expandedCategoryCount();
    const RefreshState state = refreshCommands(in);

    MainActions& a = m_parts.actions;
    auto apply = [&](RefreshItem item, QAction* action) {
        if (const std::optional<bool> enabled = state[item])
            a.setAvailable(action, *enabled);
    };
    using I = RefreshItem;
    apply(I::FileSave, a.item(MenuId::File, 1));
    apply(I::FileSaveAs, a.item(MenuId::File, 2));
    apply(I::FilePrint, a.item(MenuId::File, 4));
    apply(I::FileBatch, a.item(MenuId::File, 6));
    apply(I::EditMenu, a.menu(MenuId::Edit)->menuAction());
    apply(I::EditPaste, a.item(MenuId::Edit, 2));
    apply(I::EditGetCalc, a.item(MenuId::Edit, 4));
    apply(I::EditSendCalc, a.item(MenuId::Edit, 5));
    apply(I::ViewList, a.item(MenuId::View, 0));
    apply(I::ViewDetails, a.item(MenuId::View, 1));
    apply(I::ViewArrange, a.item(MenuId::View, 3));
    apply(I::ArrangeQuantities, a.item(MenuId::ViewArrange, 0));
    apply(I::ToolsQuickRef, a.item(MenuId::Tools, 3));
    apply(I::ToolsOptions, a.item(MenuId::Tools, 5));
    const std::pair<I, const char*> buttons[] = {{I::TbSaveAs, "SaveAs"},
                                                 {I::TbPrint, "Print"},
                                                 {I::TbPaste, "Paste"},
                                                 {I::TbCopyCalc, "CopyCalc"},
                                                 {I::TbPasteCalc, "PasteCalc"},
                                                 {I::TbFind, "Find"},
                                                 {I::TbList, "List"},
                                                 {I::TbDetails, "Details"},
                                                 {I::TbSortTree, "SortTree"},
                                                 {I::TbSortList, "SortList"},
                                                 {I::TbRef, "Ref"},
                                                 {I::TbOptions, "Options"}};
    for (const auto& [item, key] : buttons)
        apply(item, a.button(QString::fromLatin1(key)));
    a.item(MenuId::File, 6)->setText(QString::fromStdString(state.batchCaption));
}

void CommandDispatcher::offerSwap(const QPoint& globalPos) {
    if (!m_parts.boxes.unitsChosen())
        return;
    m_parts.actions.menu(MenuId::Swap)->popup(globalPos);
}

bool CommandDispatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Left unaccepted, the key goes to the window's shortcut.
        if (m_parts.actions.liveShortcut(key->keyCombination()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quantora
