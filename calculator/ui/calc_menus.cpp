#include "calculator/ui/calc_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace tallix {

namespace {

QString arrayName(const char* name, int index) {
    return QString::fromLatin1(name) + QStringLiteral("Array_") + QString::number(index);
}

// Items of one array, one of them checked.
template <std::size_t N>
void addChoices(QMenu& menu, const char* name, const std::array<const char*, N>& captions,
                std::array<QAction*, N>& items) {
    auto* group = new QActionGroup(&menu);
    for (std::size_t i = 0; i < N; ++i) {
        QAction* action = menu.addAction(QString::fromLatin1(captions[i]));
        action->setObjectName(arrayName(name, static_cast<int>(i)));
        action->setCheckable(true);
        group->addAction(action);
        items[i] = action;
    }
}

}  // namespace

CalcMenus::CalcMenus(QWidget& window)
    : QObject(&window), m_menu(new QMenu(QStringLiteral("&Menu"), &window)) {
    m_menu->setObjectName(QStringLiteral("mnuMenu"));
    add(*m_menu, CalcItem::Minimize, "mnuMin", QStringLiteral("Mi&nimize"));
    add(*m_menu, CalcItem::StayTop, "mnuStayTop", QStringLiteral("Always on &Top"))->setCheckable(true);
    add(*m_menu, CalcItem::Clear, "mnuClear", QStringLiteral("&Clear History"));
    m_menu->addSeparator();

    m_paster = new FunctionPaster(*addSubmenu("mnuPaster", QStringLiteral("Function &Paster")));
    m_menu->addSeparator();
    add(*m_menu, CalcItem::Custom, "mnuCustom", QStringLiteral("C&ustom Functions..."));
    m_menu->addSeparator();

    addChoices<kDigitsItems>(*addSubmenu("mnuDigits", QStringLiteral("&Significant Figures")), "mnuDigits",
                             {"&6", "&7", "&8", "&9", "1&0", "1&1", "1&2", "1&3", "1&4", "1&5"}, m_digits);
    addChoices<3>(*addSubmenu("mnuNotation", QStringLiteral("N&umber Format")), "mnuNotation",
                  {"&Regular", "&Scientific", "&Integer"}, m_notation);
    addChoices<2>(*addSubmenu("mnuTrig", QStringLiteral("T&rigonometric Unit")), "mnuTrig",
                  {"&Degree", "&Radian"}, m_trig);
    m_menu->addSeparator();

    QMenu* colors = addSubmenu("mnuColor", QStringLiteral("&Fonts and Colors"));
    const char* colorCaptions[] = {"&Expression...", "&Result...", "&Title Bar"};
    for (int i = 0; i < 3; ++i) {
        QAction* action = colors->addAction(QString::fromLatin1(colorCaptions[i]));
        action->setObjectName(arrayName("mnuColor", i));
        connect(action, &QAction::triggered, this,
                [this, i] { emit colorChosen(static_cast<ColorItem>(i)); });
    }
    m_menu->addSeparator();
    add(*m_menu, CalcItem::Help, "mnuHelp", QStringLiteral("&Help Topics"));
    add(*m_menu, CalcItem::ToolTip, "mnuTooltip", QStringLiteral("Hide T&ool Tip"));
    add(*m_menu, CalcItem::About, "mnuAbout", QStringLiteral("&About..."));
    m_menu->addSeparator();
    add(*m_menu, CalcItem::Exit, "mnuExit", QStringLiteral("E&xit"));
    m_menu->setDefaultAction(item(CalcItem::Minimize));

    for (int i = 0; i < kDigitsItems; ++i)
        connect(m_digits[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { emit digitsChosen(i); });
    for (int i = 0; i < 3; ++i) {
        connect(m_notation[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { emit notationChosen(static_cast<NotationItem>(i)); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(m_trig[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { emit trigChosen(static_cast<TrigItem>(i)); });
    }
}

QAction* CalcMenus::add(QMenu& menu, CalcItem which, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, which] { emit itemChosen(which); });
    m_items[which] = action;
    return action;
}

QMenu* CalcMenus::addSubmenu(const char* name, const QString& caption) {
    QMenu* submenu = m_menu->addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu;
}

void CalcMenus::showOptions(const CalculatorOptions& o) {
    const int digitsIndex = o.digits - kFirstDigits;
    for (int i = 0; i < kDigitsItems; ++i)
        m_digits[static_cast<std::size_t>(i)]->setChecked(i == digitsIndex);
    const NotationItem notation = o.integer == 1    ? NotationItem::Integer
                                  : o.notation == 1 ? NotationItem::Scientific
                                                    : NotationItem::Regular;
    m_notation[static_cast<std::size_t>(notation)]->setChecked(true);
    if (o.trig == 0 || o.trig == 1)
        m_trig[static_cast<std::size_t>(o.trig)]->setChecked(true);
    item(CalcItem::StayTop)->setChecked(o.stayTop == 1);
    item(CalcItem::ToolTip)
        ->setText(o.toolTip == 1 ? QStringLiteral("Hide T&ool Tip") : QStringLiteral("Show T&ool Tip"));
}

void CalcMenus::setClearEnabled(bool enabled) {
    item(CalcItem::Clear)->setEnabled(enabled);
}

void CalcMenus::popup(const QPoint& globalPos) {
    m_menu->setDefaultAction(item(CalcItem::Minimize));
    m_menu->popup(globalPos);
}

}  // namespace tallix
