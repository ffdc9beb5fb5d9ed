#pragma once
// The menus, pop-up menus and toolbar of frmMain. Every menu item belongs to
// an indexed array (mnuFileArray_0, mnuEditArray_2, ...) and every toolbar
// button carries its key (tbOpen, tbSaveAs, ...); a choice is reported as
// (menu, index) or as the key, for one dispatcher to act on.

#include "converter/settings/converter_settings.h"
#include "converter/ui/menu_items.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace quantora {

class IconSet;

class MainActions : public QObject {
    Q_OBJECT
public:
    MainActions(QMainWindow& window, const IconSet& icons);

    QAction* item(MenuId menu, int index) const;
    template <typename Item>
    QAction* item(Item which) const {
        return item(MenuOf<Item>::kId, static_cast<int>(which));
    }
    int itemCount(MenuId menu) const;
    // The menu that holds an array: mnuFile ... mnuHelp, mnuEditCategory,
    // mnuEditGroup, mnuEditUnit (both unit arrays), mnuSwap; History's submenu
    // for EditHistory, Arrange's for ViewArrange.
    QMenu* menu(MenuId menu) const;
    QAction* button(const QString& key) const;
    QToolBar* toolbar() const { return m_toolbar; }
    // Ctrl+Shift+Alt+Z: the dimensions dialog, whose ReDim item stays hidden.
    QAction* reDimKey() const { return m_reDimKey; }
    // "Print Pre&view...", enabled with the print item.
    QAction* printPreview() const { return m_printPreview; }
    const std::vector<QMenu*>& topLevelMenus() const { return m_topLevel; }

    // Enables or disables an item; none is quietly ignored.
    void setAvailable(QAction* action, bool enabled);
    // Enabled, and not inside a disabled top-level menu.
    bool isLive(QAction* action) const;
    // The live window action whose shortcut is this key combination, if any.
    QAction* liveShortcut(QKeyCombination keys) const;

    // Down or up: check marks of View items and the state of toolbar buttons.
    void setViewStyle(ViewStyle view);
    void setSortMarks(bool sortGroup, bool sortUnit);

protected:
    // Ctrl+Alt with a left release on the toolbar switches its flat look.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void menuItemChosen(quantora::MenuId menu, int index);
    void buttonClicked(const QString& key);

private:
    QMenu* addArray(MenuId id, QMenu* menu, const QString& arrayName,
                    const std::vector<const char*>& captions);
    void buildMenus(QMainWindow& window);
    void buildPopups(QMainWindow& window);
    void buildToolbar(QMainWindow& window, const IconSet& icons);

    std::map<MenuId, std::vector<QAction*>> m_items;
    std::map<MenuId, QMenu*> m_menus;
    std::map<QString, QAction*> m_buttons;
    std::vector<QMenu*> m_topLevel;
    std::vector<QAction*> m_shortcutActions;
    QToolBar* m_toolbar = nullptr;
    QAction* m_reDimKey = nullptr;
    QAction* m_printPreview = nullptr;
};

}  // namespace quantora
