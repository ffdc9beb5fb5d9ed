#pragma once
// The calculator's pop-up menu (mnuMenu): every command of the window, the
// function paster, significant figures, number format, trigonometric unit and
// fonts and colours. The check marks always show the options as they are.

#include "calculator/eval/calculator_settings.h"
#include "calculator/ui/calc_menu_items.h"
#include "calculator/ui/function_paster.h"

#include <QObject>

#include <array>
#include <map>

class QAction;
class QMenu;
class QWidget;

namespace tallix {

class CalcMenus : public QObject {
    Q_OBJECT
public:
    explicit CalcMenus(QWidget& window);

    QAction* item(CalcItem item) const { return m_items.at(item); }
    QAction* digits(int index) const { return m_digits.at(static_cast<std::size_t>(index)); }
    QAction* notation(NotationItem item) const { return m_notation.at(static_cast<std::size_t>(item)); }
    QAction* trig(TrigItem item) const { return m_trig.at(static_cast<std::size_t>(item)); }
    QMenu& menu() { return *m_menu; }
    FunctionPaster& paster() { return *m_paster; }

    // Check marks of the option menus, Always on Top and the tool tip item's caption.
    void showOptions(const CalculatorOptions& options);
    void setClearEnabled(bool enabled);
    // With Minimize as the default item.
    void popup(const QPoint& globalPos);

signals:
    void itemChosen(tallix::CalcItem item);
    void digitsChosen(int index);
    void notationChosen(tallix::NotationItem item);
    void trigChosen(tallix::TrigItem item);
    void colorChosen(tallix::ColorItem item);

private:
    QAction* add(QMenu& menu, CalcItem item, const char* name, const QString& caption);
    QMenu* addSubmenu(const char* name, const QString& caption);

    QMenu* m_menu;
    std::map<CalcItem, QAction*> m_items;
    std::array<QAction*, kDigitsItems> m_digits{};
    std::array<QAction*, 3> m_notation{};
    std::array<QAction*, 2> m_trig{};
    FunctionPaster* m_paster = nullptr;
};

}  // namespace tallix
