#pragma once
// The items of each menu array, by the index their object names carry
// (mnuFileArray_8 is FileItem::Exit). Separators keep their indices.

class QAction;

namespace quantora {

enum class MenuId {
    File,          // mnuFileArray
    Edit,          // mnuEditArray
    EditHistory,   // mnuEditHistoryArray
    View,          // mnuViewArray
    ViewArrange,   // mnuViewArrangeArray
    Tools,         // mnuToolsArray
    Help,          // mnuHelpArray
    EditCategory,  // mnuEditCategoryArray (pop-up)
    EditGroup,     // mnuEditGroupArray (pop-up)
    ShowMemo,      // mnuShowMemoArray (unit pop-up)
    EditUnit,      // mnuEditUnitArray (unit pop-up)
    Swap,          // mnuSwapArray (pop-up)
};

enum class FileItem { Open = 0, Save = 1, SaveAs = 2, Print = 4, Batch = 6, Exit = 8 };
enum class EditItem {
    CopyResult = 0,
    CopyUnit = 1,
    PasteInput = 2,
    GetCalculation = 4,
    SendToCalculator = 5,
    History = 7,
    Find = 9
};
enum class ViewItem { List = 0, Details = 1, Arrange = 3 };
enum class ArrangeItem { Quantities = 0, Units = 1 };
enum class ToolsItem { RunCalculator = 0, RunProgram = 1, QuickReference = 3, Options = 5, ReDim = 6 };
enum class HelpItem { Topics = 0, About = 2 };
enum class CategoryItem { Add = 0, Delete = 1, Properties = 3 };
enum class QuantityItem { Insert = 0, Delete = 1, Properties = 3 };
enum class MemoPopupItem { ShowMemo = 0, Separator = 1 };
enum class UnitPopupItem { Copy = 0, CopySeparator = 1, Insert = 2, Delete = 3, Properties = 5 };
enum class SwapItem { Swap = 0 };

// The menu array each item enum belongs to.
template <typename Item>
struct MenuOf;
template <>
struct MenuOf<FileItem> {
    static constexpr MenuId kId = MenuId::File;
};
template <>
struct MenuOf<EditItem> {
    static constexpr MenuId kId = MenuId::Edit;
};
template <>
struct MenuOf<ViewItem> {
    static constexpr MenuId kId = MenuId::View;
};
template <>
struct MenuOf<ArrangeItem> {
    static constexpr MenuId kId = MenuId::ViewArrange;
};
template <>
struct MenuOf<ToolsItem> {
    static constexpr MenuId kId = MenuId::Tools;
};
template <>
struct MenuOf<HelpItem> {
    static constexpr MenuId kId = MenuId::Help;
};
template <>
struct MenuOf<CategoryItem> {
    static constexpr MenuId kId = MenuId::EditCategory;
};
template <>
struct MenuOf<QuantityItem> {
    static constexpr MenuId kId = MenuId::EditGroup;
};
template <>
struct MenuOf<MemoPopupItem> {
    static constexpr MenuId kId = MenuId::ShowMemo;
};
template <>
struct MenuOf<UnitPopupItem> {
    static constexpr MenuId kId = MenuId::EditUnit;
};
template <>
struct MenuOf<SwapItem> {
    static constexpr MenuId kId = MenuId::Swap;
};

}  // namespace quantora
