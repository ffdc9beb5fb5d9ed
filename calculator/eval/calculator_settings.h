#pragma once
// The calculator's persisted settings (application "Tallix"): every key with
// its default, read and written in one fixed order through the SettingsStore
// passed in. Numbers are written as plain number text without blanks and read
// with the leading-number rule.
//
// Read and write order:
//   Form:     CalcLeft, CalcTop
//   Option:   Digits, Integer, Notation, Trig, StayTop, ToolTip
//   Font:     FontName6..8, FontSize6..8, FontStyle60, 70, 80, 61, 71, 81, 62, 72, 82
//   Color:    TextColor6..8, BackColor6..8
//   History:  Input, Count, " 0" .. " 11"
//   Function: Count, " 0" .. " n-1"
// "Form"/"Run" and "History"/"Result" are published values the converter polls;
// they are written only (see PublishResult, PublishRun).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/eval/history.h"
#include "calculator/eval/result_notation.h"
#include "common/outcome.h"
#include "common/settings_store.h"

namespace tallix {

inline constexpr std::string_view kApplication = "Tallix";
inline constexpr std::string_view kDefaultFontName = "MS Sans Serif";

// Colours in the platform encoding: low byte red, then green, then blue; values
// with the top bit set name system colours (held as signed 32-bit numbers, as
// the store has them: &H80000008 is -2147483640).
inline constexpr std::int32_t kSystemWindowText = static_cast<std::int32_t>(0x80000008u);
inline constexpr std::int32_t kSystemWindow = static_cast<std::int32_t>(0x80000005u);

// One area of the window: index 6 expression box, 7 result box, 8 title bar.
struct FontArea {
    std::string name{kDefaultFontName};
    std::int16_t size = 8;
    std::int16_t bold = 0;
    std::int16_t italic = 0;
    std::int16_t underline = 0;
    std::int32_t textColor = 0;
    std::int32_t backColor = 0;

    friend bool operator==(const FontArea&, const FontArea&) = default;
};

inline constexpr int kFirstArea = 6;
inline constexpr int kAreaCount = 3;

struct CalculatorOptions {
    std::int16_t digits = 8;    // 6 to 15 (clamped when read)
    std::int16_t integer = 0;   // 1: integer notation
    std::int16_t notation = 0;  // 0 regular, 1 scientific
    std::int16_t trig = 0;      // 0 degree, 1 radian
    std::int16_t stayTop = 1;
    std::int16_t toolTip = 1;

    NotationOptions notationOptions() const { return {digits, integer, notation}; }
    friend bool operator==(const CalculatorOptions&, const CalculatorOptions&) = default;
};

struct CalculatorSettings {
    float calcLeft = 720.0f;
    float calcTop = 480.0f;
    CalculatorOptions options;
    // areas[0] is area 6, areas[2] area 8.
    std::array<FontArea, kAreaCount> areas{{
        {std::string(kDefaultFontName), 8, 0, 0, 0, kSystemWindowText, kSystemWindow},
        {std::string(kDefaultFontName), 8, 0, 0, 0, 0xFF, kSystemWindow},
        {std::string(kDefaultFontName), 8, 1, 0, 0, 8388607, 16744192},
    }};
    std::string input;  // the input text at the last exit
    History history;
    std::vector<std::string> customFunctions;  // pnCustomFunc entries (psCustomFunc)

    FontArea& area(int index) { return areas[static_cast<std::size_t>(index - kFirstArea)]; }
    const FontArea& area(int index) const { return areas[static_cast<std::size_t>(index - kFirstArea)]; }
    friend bool operator==(const CalculatorSettings&, const CalculatorSettings&) = default;
};

// The key of history entry or custom function i: the plain number text of the
// index with its leading blank (" 0", " 1", ..., " 11").
std::string indexKey(int index);

// Reads every setting; a missing key takes its default, a non-number reads as 0.
// Digits is clamped to 6..15, the history count to 0..11, a negative function
// count reads as 0 (mGetSettins). The settings always come back; a value that
// cannot be converted (a number out of its type's range) adds the notice
// "Error Code = MGST0n": the values read before it stay in effect, the rest
// keep their defaults.
common::Outcome<CalculatorSettings> readCalculatorSettings(const common::SettingsStore& store);

// Writes every setting in the read order (history entries and custom functions
// trimmed, the input trimmed), then syncs the store. A failure of the store
// stops the save and gives "Error Code = MSST0n"; a store that cannot keep the
// values at the sync (a read-only folder, a full disk) gives "Error Code =
// MSST04" and keeps its old file.
common::Status saveSettings(common::SettingsStore& store, const CalculatorSettings& settings);

// "History"/"Result": the result box's text, published at every change and
// synced at once for the converter.
void publishResult(common::SettingsStore& store, std::string_view resultText);
// "Form"/"Run": "1" while the window is up, "0" when minimised or ended.
void publishRun(common::SettingsStore& store, bool running);
// On exit: "History"/"Result" = "" and "Form"/"Run" = "0".
void publishExit(common::SettingsStore& store);
// The closing window's save: the exit values and every setting, stored with
// one sync (each sync replaces the file on disk). The exit is published even
// when the settings cannot be saved.
common::Status saveSettingsAtExit(common::SettingsStore& store, const CalculatorSettings& settings);

}  // namespace tallix
