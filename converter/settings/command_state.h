#pragma once
// Which commands of the main window are available, decided every 400 ms by
// the periodic refresh. The steps run in a fixed order and a later step
// decides an item that an earlier one also set.
//
// window state -> RefreshInputs -> refreshCommands -> enabled state per item

#include "converter/table/conversion_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// The items the refresh sets: menu items and toolbar buttons.
enum class RefreshItem {
    FileSave,           // "&Save"
    FileSaveAs,         // "Save &As..."
    FilePrint,          // "&Print Conversion Table..."
    FileBatch,          // "Start &Batch Conversion..."
    EditMenu,           // the whole "&Edit" menu
    EditPaste,          // "&Paste as Conversion Input"
    EditGetCalc,        // "&Get Calculation Result"
    EditSendCalc,       // "Send &Result to Calculator"
    ViewList,           // "&List"
    ViewDetails,        // "&Details"
    ViewArrange,        // "&Arrange"
    ArrangeQuantities,  // "&Quantities by Name"
    ToolsQuickRef,      // "&Quick Reference"
    ToolsOptions,       // "&Options..."
    TbSaveAs,
    TbPrint,
    TbPaste,
    TbCopyCalc,
    TbPasteCalc,
    TbFind,
    TbList,
    TbDetails,
    TbSortTree,
    TbSortList,
    TbRef,
    TbOptions,
    Count
};
inline constexpr std::size_t kRefreshItemCount = static_cast<std::size_t>(RefreshItem::Count);

struct RefreshInputs {
    bool tableChanged = false;
    bool clipboardHasNumber = false;
    std::string calcRun = "0";  // the calculator's published "Form"/"Run"
    std::string calcResult;     // its published "History"/"Result"
    bool outputEmpty = true;    // the convert-into box
    bool batchMode = false;
    NodeKind selectedKind = NodeKind::None;  // what the selected tree node stands for
    int listItemCount = 0;
    int expandedCategories = 0;  // category nodes shown expanded
};

struct RefreshState {
    // No value: the refresh leaves the item as it is.
    std::array<std::optional<bool>, kRefreshItemCount> enabled{};
    std::string batchCaption;  // caption of "Start &Batch Conversion..."

    std::optional<bool> operator[](RefreshItem item) const { return enabled[static_cast<std::size_t>(item)]; }
};

// What the refresh timer enables, shows and checks (pRefreshCommands).
RefreshState refreshCommands(const RefreshInputs& inputs);

// The tree's pop-up for the node pressed: the category menu for the root and
// the categories, the quantity menu for quantity nodes.
enum class TreePopupMenu { Category, Quantity };
struct TreePopupState {
    TreePopupMenu menu = TreePopupMenu::Category;
    std::string firstCaption;  // item 0, without "&": "Add..." or "Insert..."
    bool firstEnabled = true;
    bool deleteEnabled = true;
    bool propertiesEnabled = true;
};
// None for a node that is no node of the tree. The first category (node 2)
// cannot be removed; the special quantities can only be edited.
std::optional<TreePopupState> treePopup(NodeKind kind, int node);

// The unit list's pop-up (mnuEditUnit): on a unit, or on the empty area
// (which only opens with Modify on).
struct UnitPopupState {
    bool memoVisible = true;  // "Show &Memo" and the separator after it
    bool copyVisible = true;
    bool copySeparatorVisible = true;
    std::string insertCaption = "&Insert...";  // item 2: "&Insert..." or "&Add..."
    bool insertEnabled = true;
    bool deleteEnabled = true;
    bool propertiesEnabled = true;  // on the empty area: the list header dialog
};
UnitPopupState unitPopup(NodeKind kind, bool onUnit, bool modify);

// The Tools menu for the calculator choice (CalcType 0 own calculator,
// 1 platform calculator, 2 the program at CalcPath).
struct ToolsMenuState {
    bool runCalculatorVisible = true;
    bool secondItemVisible = true;
    std::optional<std::string> secondItemCaption;  // no value: unchanged
    bool calcButtonEnabled = true;
    std::optional<std::string> calcButtonToolTip;  // no value: unchanged
};

// The Tools menu items and the calculator button for the calculator choice (pSetToolsMenu).
ToolsMenuState setToolsMenu(int calcType, std::string_view calcPath);

}  // namespace quantora
