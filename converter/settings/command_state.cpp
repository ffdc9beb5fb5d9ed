#include "converter/settings/command_state.h"

#include <initializer_list>

namespace quantora {
namespace {

void set(RefreshState& state, std::initializer_list<RefreshItem> items, bool enabled) {
    for (RefreshItem item : items)
        state.enabled[static_cast<std::size_t>(item)] = enabled;
}

}  // namespace

RefreshState refreshCommands(const RefreshInputs& in) {
    using I = RefreshItem;
    RefreshState state;
    set(state, {I::FileSave}, in.tableChanged);
    set(state, {I::EditPaste, I::TbPaste}, in.clipboardHasNumber);
    if (in.calcRun == "0") {
        set(state, {I::EditGetCalc, I::EditSendCalc, I::TbCopyCalc, I::TbPasteCalc}, false);
    } else if (in.calcRun == "1") {
        set(state, {I::EditSendCalc, I::TbPasteCalc}, !in.outputEmpty);
        set(state, {I::EditGetCalc, I::TbCopyCalc}, !in.calcResult.empty());
    }
    state.batchCaption = in.batchMode ? "&Quit Batch Conversion..." : "Start &Batch Conversion...";
    const bool ordinaryQuantity = in.selectedKind == NodeKind::Quantity;
    set(state, {I::ToolsQuickRef, I::TbRef}, ordinaryQuantity && in.listItemCount >= 1);
    set(state,
        {I::FileSave, I::FileSaveAs, I::FilePrint, I::FileBatch, I::EditMenu, I::ArrangeQuantities,
         I::ToolsQuickRef, I::ToolsOptions, I::TbSaveAs, I::TbPrint, I::TbFind, I::TbSortTree, I::TbOptions},
        in.expandedCategories >= 1);
    set(state, {I::ViewList, I::ViewDetails, I::ViewArrange, I::TbList, I::TbDetails, I::TbSortList},
        in.listItemCount >= 1);
    return state;
}

ToolsMenuState setToolsMenu(int calcType, std::string_view calcPath) {
    ToolsMenuState tools;
    constexpr std::string_view kToolTip = "Run Calculator (Ctrl+K)";
    if (calcType != 2) {
        tools.secondItemCaption = calcPath.empty() ? "&Run NotePad" : "&Run Program";
        tools.calcButtonToolTip = std::string(kToolTip);
    } else if (!calcPath.empty()) {
        tools.secondItemVisible = false;
        tools.calcButtonToolTip = std::string(kToolTip);
    } else {
        tools.runCalculatorVisible = false;
        tools.secondItemCaption = "&Run NotePad";
        tools.calcButtonEnabled = false;
    }
    return tools;
}

std::optional<TreePopupState> treePopup(NodeKind kind, int node) {
    TreePopupState state;
    switch (kind) {
        case NodeKind::Root:
            state.firstCaption = "Add...";
            state.deleteEnabled = false;
            state.propertiesEnabled = false;
            return state;
        case NodeKind::Category:
            state.firstCaption = "Add...";
            state.deleteEnabled = node != 2;
            return state;
        case NodeKind::NumberSystem:
        case NodeKind::Constants:
            state.menu = TreePopupMenu::Quantity;
            state.firstCaption = "Add...";
            state.firstEnabled = false;
            state.deleteEnabled = false;
            return state;
        case NodeKind::Quantity:
            state.menu = TreePopupMenu::Quantity;
            state.firstCaption = "Insert...";
            return state;
        case NodeKind::None:
            break;
    }
    return std::nullopt;
}

UnitPopupState unitPopup(NodeKind kind, bool onUnit, bool modify) {
    UnitPopupState state;
    const bool numberSystem = kind == NodeKind::NumberSystem;
    if (!onUnit) {
        state.memoVisible = false;
        state.copyVisible = false;
        state.copySeparatorVisible = false;
        state.insertCaption = "&Add...";
        state.insertEnabled = !numberSystem;
        state.deleteEnabled = false;
        return state;
    }
    if (numberSystem) {
        state.copySeparatorVisible = false;
        state.insertEnabled = false;
        state.deleteEnabled = false;
        state.propertiesEnabled = false;
    } else if (!modify) {
        state.deleteEnabled = false;
        state.propertiesEnabled = false;
    }
    return state;
}

}  // namespace quantora
