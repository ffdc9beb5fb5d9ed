#include "converter/ui/command_dispatch.h"

#include "converter/settings/command_state.h"
#include "converter/settings/copy_history.h"
#include "converter/ui/calculator_link.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/edit_commands.h"
#include "converter/ui/file_commands.h"
#include "converter/ui/find_window.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/reference_window.h"
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
    : m_context(context), m_window(window), m_parts(parts), m_spy(new QTimer(&window)) {
    m_spy->setObjectName(QStringLiteral("tmrSpy"));
    m_spy->setInterval(kSpyInterval);
    connect(m_spy, &QTimer::timeout, this, &CommandDispatcher::refresh);
    connect(&parts.actions, &MainActions::menuItemChosen, this, &CommandDispatcher::dispatch);
    connect(&parts.actions, &MainActions::buttonClicked, this, &CommandDispatcher::dispatchButton);
    connect(parts.actions.reDimKey(), &QAction::triggered, &parts.edits, &EditCommands::showDimensions);
    connect(parts.actions.menu(MenuId::Edit), &QMenu::aboutToShow, this, &CommandDispatcher::fillHistoryMenu);
    connect(&parts.boxes, &ConversionBoxes::outputEmptied, this, &CommandDispatcher::outputChanged);
    for (QWidget* target :
         {static_cast<QWidget*>(&parts.boxes.input()), static_cast<QWidget*>(&parts.boxes.output()),
          static_cast<QWidget*>(&parts.views.tree())}) {
        target->installEventFilter(this);
    }
    for (QWidget* view : parts.views.list().looks())
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
            dispatchFile(static_cast<FileItem>(index));
            break;
        case MenuId::Edit:
            if (index == static_cast<int>(EditItem::CopyResult))
                copy(CopyMode::ConversionResult);
            if (index == static_cast<int>(EditItem::CopyUnit))
                copy(CopyMode::UnitProperties);
            if (index == static_cast<int>(EditItem::PasteInput))
                pasteInput();
            if (index == static_cast<int>(EditItem::GetCalculation))
                copy(CopyMode::CalculationResult);
            if (index == static_cast<int>(EditItem::SendToCalculator))
                m_parts.calculator.sendResult();
            if (index == static_cast<int>(EditItem::Find))
                showFind();
            break;
        case MenuId::EditHistory:
            putHistoryOnClipboard(index);
            break;
        case MenuId::View:
            if (index == static_cast<int>(ViewItem::List))
                m_parts.window.setViewStyle(ViewStyle::List);
            if (index == static_cast<int>(ViewItem::Details))
                m_parts.window.setViewStyle(ViewStyle::Details);
            break;
        case MenuId::ViewArrange:
            if (index == static_cast<int>(ArrangeItem::Quantities))
                m_parts.views.toggleTreeSort();
            if (index == static_cast<int>(ArrangeItem::Units))
                m_parts.views.toggleListSort();
            break;
        case MenuId::Tools:
            dispatchTools(static_cast<ToolsItem>(index));
            break;
        case MenuId::Help:
            if (index == static_cast<int>(HelpItem::Topics))
                m_parts.window.showHelpTopics();
            if (index == static_cast<int>(HelpItem::About))
                m_parts.window.showAbout();
            break;
        case MenuId::EditCategory:
            m_parts.edits.categoryCommand(static_cast<CategoryItem>(index));
            break;
        case MenuId::EditGroup:
            m_parts.edits.quantityCommand(static_cast<QuantityItem>(index));
            break;
        case MenuId::EditUnit:
            if (index == static_cast<int>(UnitPopupItem::Copy))
                copy(CopyMode::UnitProperties);
            else
                m_parts.edits.unitCommand(static_cast<UnitPopupItem>(index));
            break;
        case MenuId::ShowMemo:
            if (index == static_cast<int>(MemoPopupItem::ShowMemo))
                m_parts.edits.showMemo();
            break;
        case MenuId::Swap:
            m_parts.boxes.apply(m_context.session.swap());
            break;
        default:
            break;
    }
}

void CommandDispatcher::dispatchFile(FileItem item) {
    switch (item) {
        case FileItem::Open:
            m_parts.edits.closeMemo();
            m_parts.files.open();
            break;
        case FileItem::Save:
            m_parts.files.save();
            break;
        case FileItem::SaveAs:
            m_parts.files.saveAs();
            break;
        case FileItem::Print:
            m_parts.window.printTable();
            break;
        case FileItem::Batch:
            m_parts.window.toggleBatch();
            break;
        case FileItem::Exit:
            m_parts.window.exitProgram();
            break;
        default:
            break;
    }
}

void CommandDispatcher::dispatchTools(ToolsItem item) {
    switch (item) {
        case ToolsItem::RunCalculator:
            m_parts.calculator.runCalculator();
            break;
        case ToolsItem::RunProgram:
            m_parts.calculator.runProgram();
            break;
        case ToolsItem::QuickReference:
            showReference();
            break;
        case ToolsItem::Options:
            m_parts.window.showOptions();
            break;
        default:
            break;
    }
}

void CommandDispatcher::dispatchButton(const QString& key) {
    if (key == QLatin1String("Open"))
        dispatchFile(FileItem::Open);
    else if (key == QLatin1String("SaveAs"))
        m_parts.files.saveAs();
    else if (key == QLatin1String("Copy"))
        copy(CopyMode::ConversionResult);
    else if (key == QLatin1String("Paste"))
        pasteInput();
    else if (key == QLatin1String("CopyCalc"))
        copy(CopyMode::CalculationResult);
    else if (key == QLatin1String("PasteCalc"))
        m_parts.calculator.sendResult();
    else if (key == QLatin1String("Calc"))
        m_parts.calculator.runCalculator();
    else if (key == QLatin1String("Find"))
        showFind();
    else if (key == QLatin1String("SortTree"))
        m_parts.views.toggleTreeSort();
    else if (key == QLatin1String("SortList"))
        m_parts.views.toggleListSort();
    else if (key == QLatin1String("Ref"))
        showReference();
    else if (key == QLatin1String("List"))
        m_parts.window.setViewStyle(ViewStyle::List);
    else if (key == QLatin1String("Details"))
        m_parts.window.setViewStyle(ViewStyle::Details);
    else if (key == QLatin1String("Print"))
        m_parts.window.printTable();
    else if (key == QLatin1String("Options"))
        m_parts.window.showOptions();
    else if (key == QLatin1String("Help"))
        m_parts.window.showHelpTopics();
    else if (key == QLatin1String("Exit"))
        m_parts.window.exitProgram();
}

void CommandDispatcher::copy(CopyMode mode) {
    CopyTexts texts;
    if (mode == CopyMode::ConversionResult) {
        ConversionBoxes& boxes = m_parts.boxes;
        const ConverterSession& session = m_context.session;
        texts = conversionResultCopy(boxes.input().text().toStdString(), session.fromName(),
                                     boxes.output().text().toStdString(), session.intoName(),
                                     m_context.settings.showError);
    } else if (mode == CopyMode::UnitProperties) {
        const ConversionTable& table = m_context.table;
        const int q = m_context.session.selection().quantity;
        const int unit = m_context.session.selection().unit;
        if (q < 1 || q > table.quantityCount || unit < 1 || unit > table.quantity(q).unitCount)
            return;
        texts = unitPropertiesCopy(table.unit(q, unit));
    } else {
        // The fetched result goes to the convert-from box only: an empty
        // clipboard and an empty history entry would help nobody.
        m_parts.calculator.getResult();
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    m_parts.actions.item(EditItem::History)->setEnabled(true);
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
    m_parts.actions.setAvailable(m_parts.actions.item(EditItem::CopyResult), !empty);
    m_parts.actions.setAvailable(m_parts.actions.button(QStringLiteral("Copy")), !empty);
    if (m_parts.calculator.started()) {
        m_parts.actions.setAvailable(m_parts.actions.button(QStringLiteral("CopyCalc")), !empty);
        m_parts.actions.setAvailable(m_parts.actions.button(QStringLiteral("PasteCalc")), !empty);
    }
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
    in.batchMode = m_context.session.batchMode();
    in.selectedKind = table.kindOf(m_context.session.selection().node);
    in.listItemCount = m_parts.views.list().itemCount();
    in.expandedCategories = m_parts.views.expandedCategoryCount();
    const RefreshState state = refreshCommands(in);

    MainActions& a = m_parts.actions;
    auto apply = [&](RefreshItem item, QAction* action) {
        if (const std::optional<bool> enabled = state[item])
            a.setAvailable(action, *enabled);
    };
    using I = RefreshItem;
    apply(I::FileSave, a.item(FileItem::Save));
    apply(I::FileSaveAs, a.item(FileItem::SaveAs));
    apply(I::FilePrint, a.item(FileItem::Print));
    apply(I::FileBatch, a.item(FileItem::Batch));
    apply(I::EditMenu, a.menu(MenuId::Edit)->menuAction());
    apply(I::EditPaste, a.item(EditItem::PasteInput));
    apply(I::EditGetCalc, a.item(EditItem::GetCalculation));
    apply(I::EditSendCalc, a.item(EditItem::SendToCalculator));
    apply(I::ViewList, a.item(ViewItem::List));
    apply(I::ViewDetails, a.item(ViewItem::Details));
    apply(I::ViewArrange, a.item(ViewItem::Arrange));
    apply(I::ArrangeQuantities, a.item(ArrangeItem::Quantities));
    apply(I::ToolsQuickRef, a.item(ToolsItem::QuickReference));
    apply(I::ToolsOptions, a.item(ToolsItem::Options));
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
    a.item(FileItem::Batch)->setText(QString::fromStdString(state.batchCaption));
    // The quick reference follows the quantity and the units chosen.
    if (m_reference)
        m_reference->refresh();
}

void CommandDispatcher::showFind() {
    if (!m_find) {
        m_find = new FindWindow(
            m_context, [this](const FindHit& hit) { m_parts.views.showFound(hit.node, hit.unit); },
            &m_window);
        m_find->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_find, &QDialog::finished, this, [this] { m_parts.restoreTopmost(); });
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void CommandDispatcher::showReference() {
    if (!m_reference) {
        ReferenceWindow::Hooks hooks;
        hooks.take = [this](const QString& value, bool converted) {
            // A value as stored is in unit 1: that becomes the convert-from unit.
            if (!converted)
                m_parts.boxes.apply(m_context.session.pickFrom(1));
            m_parts.boxes.input().setText(value);
            m_parts.boxes.input().setFocus();
        };
        // The commands (Save among them) show the change at once, not at the next tick.
        hooks.edited = [this] { refresh(); };
        hooks.restoreTopmost = m_parts.restoreTopmost;
        m_reference = new ReferenceWindow(m_context, m_parts.icons, std::move(hooks), &m_window);
    }
    m_reference->show();
    m_reference->raise();
}

ReferenceWindow* CommandDispatcher::referenceWindow() const {
    return m_reference;
}

FindWindow* CommandDispatcher::findWindow() const {
    return m_find;
}

void CommandDispatcher::offerSwap(const QPoint& globalPos) {
    if (!m_context.session.unitsChosen())
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
