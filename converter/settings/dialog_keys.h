#pragma once
// Access keys of the editing dialogs: a key typed while the focus is on no
// text box (a button, an icon option, the tab strip) moves to a field. The
// name, value, unit and memo letters come from the list's column titles,
// where "&" marks them; a title without "&" gives its field no key.
//
// typed text -> first matching key, in each dialog's order -> field

#include <array>
#include <string>
#include <string_view>

namespace quantora {

// The letter a column title marks: the first character after its first "&",
// empty when there is none.
std::string accessKeyOf(std::string_view title);

// The unit dialog, with the titles of the unit list (layout 0): P, the memo
// letter, the name letter, V, E, A, R, I.
enum class UnitDialogField {
    None,
    PropertiesPage,
    MemoPage,
    Name,
    Rate,
    RateError,
    Offset,
    OffsetError,
    Icon
};
UnitDialogField unitDialogKey(std::string_view typed, const std::array<std::string, 4>& titles);

// The constant dialog, with the titles of the constants list (layout 1): P,
// the memo letter, the name, value and unit letters, I.
enum class ConstantDialogField { None, PropertiesPage, MemoPage, Name, Value, Unit, Icon };
ConstantDialogField constantDialogKey(std::string_view typed, const std::array<std::string, 4>& titles);

// The category dialog: I, N.
enum class CategoryDialogField { None, Icon, Name };
CategoryDialogField categoryDialogKey(std::string_view typed);

// The reference item dialog: N, V.
enum class ReferenceDialogField { None, Name, Value };
ReferenceDialogField referenceDialogKey(std::string_view typed);

// The list header dialog: "1" to "4" and R; the header box 0 to 3, -1 for none.
int listHeaderDialogKey(std::string_view typed);

}  // namespace quantora
