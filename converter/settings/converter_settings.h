#pragma once
// The converter's preferences: every value kept in the settings store under
// "Quantora 2000", with its default, its limits and the order it is read and
// written in. readConverterSettings loads them once at start; saveConverterSettings writes them back.
// Window measures are in twips.

#include "common/outcome.h"
#include "common/settings_store.h"
#include "converter/settings/product_title.h"
#include "converter/table/conversion_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quantora {

inline constexpr std::string_view kConverterApp = kProductName;  // the settings application

// How the unit list shows its units; the values are the stored "View" codes.
enum class ViewStyle : std::int16_t { List = 2, Details = 3 };
// The style a stored code names; none for any other code, which changes nothing.
constexpr std::optional<ViewStyle> viewStyleOf(int code) {
    if (code == static_cast<int>(ViewStyle::List) || code == static_cast<int>(ViewStyle::Details))
        return static_cast<ViewStyle>(code);
    return std::nullopt;
}
inline constexpr int kFontElements = 7;   // tree, list, from box, status bar, into box, printing, dialogs
inline constexpr int kColorElements = 5;  // tree, list, from box, status bar, into box
inline constexpr int kHintCount = 6;

// A colour value 0x00BBGGRR, or 0x80000000 + n for system colour n.
using ColorValue = std::int32_t;

struct WindowGeometry {
    float left = -100;  // -100: none saved
    float top = -100;
    float width = 9600;
    float height = 7200;
};

struct ConverterSettings {
    // Form
    std::int16_t state = 0;  // 0 normal, 1 minimised, 2 maximised
    WindowGeometry window;
    float treeWidth = 3900;
    float boxWidthRatio = 1;
    // HeaderWidth(i, j): list layout i (0 units, 1 constants, 2 number systems), column j.
    std::array<std::array<float, 4>, 3> headerWidth{
        {{1710, 1110, 495, 4800}, {2280, 1560, 600, 4800}, {4680, 8000, 300, 0}}};
    float memoWidth = 3615, memoHeight = 1875;
    float findLeft = 0, findTop = 0;
    float refLeft = -100, refTop = -100, refWidth = 4560, refHeight = 2760;
    std::array<float, 3> refHeaderWidth{1380, 960, 960};

    // Option
    std::int16_t digits = 6;
    std::int16_t sciDigits = 6;
    std::int16_t integer = 0;
    std::int16_t numFormat = 0;
    bool showError = false;
    std::int16_t calcType = 0;
    std::string calcPath;
    std::int16_t modify = 1;
    std::int16_t saveWindowSize = 1;
    std::int16_t showMenubar = 1;
    std::int16_t showToolbar = 1;
    std::int16_t showGridLines = 1;
    std::int16_t stayTop = 0;

    // View
    std::int16_t selNodeIndex = 9;
    std::int16_t view = 3;  // unit list display mode, 3 = details
    bool sortGroup = false;
    bool sortUnit = false;

    // Font: elements 0..6; FontStyle(i, 0 bold, 1 italic, 2 underline).
    std::array<std::string, kFontElements> fontName{"Arial", "Arial",   "Arial", "Arial",
                                                    "Arial", "Courier", "Arial"};
    std::array<std::int16_t, kFontElements> fontSize{8, 8, 9, 9, 9, 10, 9};
    std::array<std::array<std::int16_t, 3>, kFontElements> fontStyle{
        {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}};

    // Color
    std::array<ColorValue, kColorElements> textColor{0, 0, 0, 0, 0};
    std::array<ColorValue, kColorElements> backColor{16777215, 16777215, 16777215, -2147483644, 16777215};

    // Header: column titles per list layout ("&" marks the access key).
    std::array<std::array<std::string, 4>, 3> headerText{
        {{"&Name", "Conversion Factor (Slope)", "Y-intercept", "&Memo"},
         {"&Name", "&Value", "&Unit", "&Memo"},
         {"Numerical Notation", "Memo", "", ""}}};

    // File: the table file last used; empty means "DEFAULT.DAT".
    std::string saveFilePath;

    // Extra
    std::array<std::int16_t, kHintCount> hintFlags{1, 1, 1, 1, 1, 1};
    bool customizeToolbar = false;
    std::int16_t showMenuDelay = 500;
    std::int16_t scrollTimerInterval = 150;
    std::int16_t scrollDownDelay = 500;
    std::int16_t showHintDelay = 500;

    // Dim
    TableLimits limits;

    // Fixed range of result notation: 10^-SciDigits .. 10^SciDigits.
    double upperLimit() const;
    double lowerLimit() const { return 1.0 / upperLimit(); }
};

// Reads every key in order, with its default and limits (pReadCfg). The
// settings always come back: a value that cannot be converted ends the read
// with a notice ("Error Code = " and the marker reached); values read before
// stay, the rest keep their defaults.
common::Outcome<ConverterSettings> readConverterSettings(const common::SettingsStore& store);

// Writes every key in the same order (pSaveCfg). When the store cannot keep
// them (a read-only folder, a full disk) it fails with "Error Code = PRCG14",
// the marker of the last step, and the store's old file stays as it was.
common::Status saveConverterSettings(common::SettingsStore& store, const ConverterSettings& settings);

// SelNodeIndex stays when it designates a quantity node; otherwise the root (1).
std::int16_t normalisedSelNodeIndex(std::int16_t selNodeIndex, const ConversionTable& table);

// What the window hands over at close: the columns of the list layout shown
// and the window state; the geometry counts only in the normal state.
void recordWindowState(ConverterSettings& settings, int headerIndex,
                       const std::array<float, 4>& liveHeaderWidths, std::int16_t state,
                       const WindowGeometry& normalGeometry);

}  // namespace quantora
