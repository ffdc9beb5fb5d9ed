#include "converter/ui/main_actions.h"

#include "converter/ui/icon_set.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

namespace quantora {
namespace {

struct ButtonDef {
    const char* key;
    const char* description;
    const char* toolTip;
    bool checkable;
    bool separatorAfter;
};

constexpr ButtonDef kButtons[] = {
    {"Open", "Open", "Open (Ctrl+O)", false, false},
    {"SaveAs", "Save As", "Save As (Ctrl+A)", false, true},
    {"Print", "Print", "Print Conversion Table (Ctrl+P)", false, true},
    {"Copy", "Copy Conversion Result", "Copy Conversion Result (Ctrl+C)", false, false},
    {"Paste", "Paste as Conversion Input", "Paste as Conversion Input (Ctrl+V)", false, false},
    {"CopyCalc", "Copy Calculation Result", "&Get Calculation Result", false, false},
    {"PasteCalc", "Paste as Calculation Input", "Send &Result to Calculator", false, true},
    {"Find", "Find Unit Name", "Find (Ctrl+F)", false, true},
    {"List", "List", "List", true, false},
    {"Details", "Details", "Details", true, true},
    {"SortTree", "Arrange Tree by Name", "Arrange Quantities by Name", true, false},
    {"SortList", "Arrange List by Name", "Arrange Units by Name", true, true},
    {"Ref", "", "Quick Reference", false, false},
    {"Calc", "Show Calculator", "Run Calculator (Ctrl+K)", false, false},
    {"Options", "Options", "Options", false, true},
    {"Help", "Help", "Help (F1)", false, false},
    {"Exit", "Exit", "Exit", false, false},
};

}  // namespace

MainActions::MainActions(QMainWindow& window, const IconSet& icons) {
    buildMenus(window);
    buildPopups(window);
    buildToolbar(window, icons);
    for (QAction* action : m_shortcutActions)
        window.addAction(action);
}

QMenu* MainActions::addArray(MenuId id, QMenu* menu, const QString& arrayName,
                             const std::vector<const char*>& captions) {
    std::vector<QAction*>& items = m_items[id];
    for (const char* caption : captions) {
        const int index = static_cast<int>(items.size());
        QAction* action = nullptr;
        if (QString::fromLatin1(caption) == QLatin1String("-")) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(QString::fromLatin1(caption));
            connect(action, &QAction::triggered, this, [this, id, index] { emit menuItemChosen(id, index); });
        }
        action->setObjectName(arrayName + QLatin1Char('_') + QString::number(index));
        items.push_back(action);
    }
    if (!m_menus.contains(id))
        m_menus[id] = menu;
    return menu;
}

void MainActions::buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    auto topMenu = [&](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        m_topLevel.push_back(menu);
        return menu;
    };

    QMenu* file = topMenu("mnuFile", "&File");
    addArray(MenuId::File, file, QStringLiteral("mnuFileArray"),
             {"&Open...", "&Save", "Save &As...", "-", "&Print Conversion Table...", "-",
              "Start &Batch Conversion...", "-", "E&xit"});
    // Outside the array: the pages as printing would lay them out.
    m_printPreview = new QAction(QStringLiteral("Print Pre&view..."), file);
    m_printPreview->setObjectName(QStringLiteral("mnuFilePrintPreview"));
    file->insertAction(item(MenuId::File, static_cast<int>(FileItem::Print) + 1), m_printPreview);
    connect(item(FileItem::Print), &QAction::enabledChanged, m_printPreview, &QAction::setEnabled);

    QMenu* edit = topMenu("mnuEdit", "&Edit");
    addArray(MenuId::Edit, edit, QStringLiteral("mnuEditArray"),
             {"&Copy Conversion Result", "Copy &Unit Properties", "&Paste as Conversion Input", "-",
              "&Get Calculation Result", "Send &Result to Calculator", "-"});
    // Item 7 opens the history of copied texts.
    QMenu* history = edit->addMenu(QStringLiteral("&History"));
    history->menuAction()->setObjectName(QStringLiteral("mnuEditArray_7"));
    history->setObjectName(QStringLiteral("mnuEditHistory"));
    m_items[MenuId::Edit].push_back(history->menuAction());
    addArray(MenuId::EditHistory, history, QStringLiteral("mnuEditHistoryArray"),
             {"0", "1", "2", "3", "4", "5", "6", "7"});
    for (int i = 1; i < 8; ++i)
        item(MenuId::EditHistory, i)->setVisible(false);
    // Items 8 and 9 continue the array after the submenu.
    std::vector<QAction*>& editItems = m_items[MenuId::Edit];
    QAction* separator = edit->addSeparator();
    separator->setObjectName(QStringLiteral("mnuEditArray_8"));
    editItems.push_back(separator);
    QAction* find = edit->addAction(QStringLiteral("&Find..."));
    find->setObjectName(QStringLiteral("mnuEditArray_9"));
    connect(find, &QAction::triggered, this,
            [this] { emit menuItemChosen(MenuId::Edit, static_cast<int>(EditItem::Find)); });
    editItems.push_back(find);
    for (EditItem i : {EditItem::CopyResult, EditItem::CopyUnit, EditItem::PasteInput,
                       EditItem::GetCalculation, EditItem::SendToCalculator, EditItem::History})
        item(i)->setEnabled(false);

    QMenu* view = topMenu("mnuView", "&View");
    addArray(MenuId::View, view, QStringLiteral("mnuViewArray"), {"&List", "&Details", "-"});
    QMenu* arrange = view->addMenu(QStringLiteral("&Arrange"));
    arrange->setObjectName(QStringLiteral("mnuViewArrange"));
    arrange->menuAction()->setObjectName(QStringLiteral("mnuViewArray_3"));
    m_items[MenuId::View].push_back(arrange->menuAction());
    addArray(MenuId::ViewArrange, arrange, QStringLiteral("mnuViewArrangeArray"),
             {"&Quantities by Name", "&Units by Name"});
    for (QAction* action : {item(ViewItem::List), item(ViewItem::Details), item(ArrangeItem::Quantities),
                            item(ArrangeItem::Units)})
        action->setCheckable(true);
    item(ViewItem::Details)->setChecked(true);

    QMenu* tools = topMenu("mnuTools", "&Tools");
    addArray(MenuId::Tools, tools, QStringLiteral("mnuToolsArray"),
             {"Run &Calculator", "&Run NotePad", "-", "&Quick Reference", "-", "&Options...", "ReDim"});
    item(ToolsItem::ReDim)->setVisible(false);

    QMenu* help = topMenu("mnuHelp", "&Help");
    addArray(MenuId::Help, help, QStringLiteral("mnuHelpArray"), {"&Help Topics", "-", "&About..."});

    auto shortcut = [this](QAction* action, QKeySequence keys) {
        action->setShortcut(keys);
        m_shortcutActions.push_back(action);
    };
    shortcut(item(FileItem::Open), QKeySequence(Qt::CTRL | Qt::Key_O));
    shortcut(item(FileItem::SaveAs), QKeySequence(Qt::CTRL | Qt::Key_A));
    shortcut(item(FileItem::Print), QKeySequence(Qt::CTRL | Qt::Key_P));
    shortcut(item(EditItem::CopyResult), QKeySequence(Qt::CTRL | Qt::Key_C));
    shortcut(item(EditItem::PasteInput), QKeySequence(Qt::CTRL | Qt::Key_V));
    shortcut(item(EditItem::Find), QKeySequence(Qt::CTRL | Qt::Key_F));
    shortcut(item(ToolsItem::RunCalculator), QKeySequence(Qt::CTRL | Qt::Key_K));
    shortcut(item(ToolsItem::RunProgram), QKeySequence(Qt::CTRL | Qt::Key_R));
    shortcut(item(ToolsItem::QuickReference), QKeySequence(Qt::CTRL | Qt::Key_Q));
    // A hidden item takes no keys: the key has an action of its own.
    const QKeySequence reDim(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_Z);
    item(ToolsItem::ReDim)->setShortcut(reDim);
    m_reDimKey = new QAction(&window);
    m_reDimKey->setObjectName(QStringLiteral("keyReDim"));
    shortcut(m_reDimKey, reDim);
    shortcut(item(HelpItem::Topics), QKeySequence(Qt::Key_F1));
}

void MainActions::buildPopups(QMainWindow& window) {
    auto popup = [&window](const char* name) {
        auto* menu = new QMenu(&window);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    addArray(MenuId::EditCategory, popup("mnuEditCategory"), QStringLiteral("mnuEditCategoryArray"),
             {"&Add...", "&Delete...", "-", "&Properties..."});
    addArray(MenuId::EditGroup, popup("mnuEditGroup"), QStringLiteral("mnuEditGroupArray"),
             {"&Insert...", "&Delete...", "-", "&Properties..."});
    QMenu* unit = popup("mnuEditUnit");
    addArray(MenuId::ShowMemo, unit, QStringLiteral("mnuShowMemoArray"), {"Show &Memo", "-"});
    addArray(MenuId::EditUnit, unit, QStringLiteral("mnuEditUnitArray"),
             {"&Copy", "-", "&Insert...", "&Delete...", "-", "&Properties..."});
    addArray(MenuId::Swap, popup("mnuSwap"), QStringLiteral("mnuSwapArray"), {"&Swap Units"});

    item(MemoPopupItem::ShowMemo)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_shortcutActions.push_back(item(MemoPopupItem::ShowMemo));
    item(SwapItem::Swap)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_shortcutActions.push_back(item(SwapItem::Swap));
}

void MainActions::buildToolbar(QMainWindow& window, const IconSet& icons) {
    m_toolbar = new QToolBar(QStringLiteral("Toolbar"), &window);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->installEventFilter(this);
    window.addToolBar(Qt::TopToolBarArea, m_toolbar);
    for (const ButtonDef& def : kButtons) {
        const QString key = QString::fromLatin1(def.key);
        QAction* action = m_toolbar->addAction(icons.toolbar(key), QString::fromLatin1(def.description));
        action->setObjectName(QStringLiteral("tb") + key);
        action->setToolTip(QString::fromLatin1(def.toolTip));
        // A button without a caption is announced by its tip.
        if (action->text().isEmpty())
            m_toolbar->widgetForAction(action)->setAccessibleName(action->toolTip());
        action->setCheckable(def.checkable);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { emit buttonClicked(key); });
        m_buttons[key] = action;
        if (def.separatorAfter)
            m_toolbar->addSeparator();
    }
    for (QToolButton* button : m_toolbar->findChildren<QToolButton*>())
        button->installEventFilter(this);
    auto* space = new QWidget(m_toolbar);
    space->setObjectName(QStringLiteral("picTbSpace"));
    space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolbar->addWidget(space);
}

QAction* MainActions::item(MenuId menu, int index) const {
    const auto it = m_items.find(menu);
    if (it == m_items.end() || index < 0 || index >= static_cast<int>(it->second.size()))
        return nullptr;
    return it->second[static_cast<std::size_t>(index)];
}

int MainActions::itemCount(MenuId menu) const {
    const auto it = m_items.find(menu);
    return it == m_items.end() ? 0 : static_cast<int>(it->second.size());
}

QMenu* MainActions::menu(MenuId menu) const {
    const auto it = m_menus.find(menu);
    return it == m_menus.end() ? nullptr : it->second;
}

QAction* MainActions::button(const QString& key) const {
    const auto it = m_buttons.find(key);
    return it == m_buttons.end() ? nullptr : it->second;
}

void MainActions::setAvailable(QAction* action, bool enabled) {
    if (action)
        action->setEnabled(enabled);
}

bool MainActions::isLive(QAction* action) const {
    if (!action || !action->isEnabled() || !action->isVisible())
        return false;
    for (QMenu* top : m_topLevel) {
        if (top->menuAction()->isEnabled())
            continue;
        if (top->actions().contains(action))
            return false;
        for (QAction* inner : top->actions()) {
            if (inner->menu() && inner->menu()->actions().contains(action))
                return false;
        }
    }
    return true;
}

QAction* MainActions::liveShortcut(QKeyCombination combination) const {
    const QKeySequence keys(combination);
    for (QAction* action : m_shortcutActions) {
        if (action->shortcut() == keys && isLive(action))
            return action;
    }
    return nullptr;
}

bool MainActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto flatKeys = Qt::ControlModifier | Qt::AltModifier;
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & flatKeys) == flatKeys) {
            for (QToolButton* button : m_toolbar->findChildren<QToolButton*>()) {
                button->setAutoRaise(!button->autoRaise());
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void MainActions::setViewStyle(ViewStyle view) {
    const bool details = view == ViewStyle::Details;
    item(ViewItem::List)->setChecked(!details);
    item(ViewItem::Details)->setChecked(details);
    button(QStringLiteral("List"))->setChecked(!details);
    button(QStringLiteral("Details"))->setChecked(details);
}

void MainActions::setSortMarks(bool sortGroup, bool sortUnit) {
    item(ArrangeItem::Quantities)->setChecked(sortGroup);
    item(ArrangeItem::Units)->setChecked(sortUnit);
    button(QStringLiteral("SortTree"))->setChecked(sortGroup);
    button(QStringLiteral("SortList"))->setChecked(sortUnit);
}

}  // namespace quantora
