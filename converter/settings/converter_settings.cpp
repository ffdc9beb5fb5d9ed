#include "converter/settings/converter_settings.h"

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace quantora {
namespace {

// A value the store holds that cannot become the setting's type.
struct ConversionFault {};

std::int16_t toInt16(const std::string& text) {
    const double value = common::roundHalfEven(common::numericTextValue(text));
    if (!std::isfinite(value) || value < -32768.0 || value > 32767.0)
        throw ConversionFault{};
    return static_cast<std::int16_t>(value);
}

std::int32_t toInt32(const std::string& text) {
    const double value = common::roundHalfEven(common::numericTextValue(text));
    if (!std::isfinite(value) || value < -2147483648.0 || value > 2147483647.0)
        throw ConversionFault{};
    return static_cast<std::int32_t>(value);
}

float toMeasure(const std::string& text) {
    const std::optional<float> value = common::nearestSingle(common::numericTextValue(text));
    if (!value)
        throw ConversionFault{};
    return *value;
}

// "True"/"False" in any case, or a number (non-zero is true).
bool toBoolean(const std::string& text) {
    const std::string word = common::toLowerAscii(common::trimBlanks(text));
    if (word == "true")
        return true;
    if (word == "false")
        return false;
    const auto number = common::strictDecimalValue(word);
    if (!number)
        throw ConversionFault{};
    return *number != 0.0;
}

std::int16_t toStrictInt16(const std::string& text) {
    const auto value = common::strictWholeNumber(text);
    if (!value)
        throw ConversionFault{};
    return *value;
}

std::string numberText(double value) {
    return common::plainNumberTrimmed(value);
}

const ConverterSettings kDefaults{};

// One key of the store: where it lives, its default, the marker of its read
// step, and how its text becomes the in-memory value and back.
struct SettingKey {
    std::string_view section;
    std::string key;
    std::string_view marker;
    std::string defaultText;
    std::function<void(ConverterSettings&, const std::string&)> load;
    std::function<std::string(const ConverterSettings&)> save;
};

template <typename Access>
SettingKey measureKey(std::string_view section, std::string key, std::string_view marker, Access access) {
    const std::string def = numberText(access(kDefaults));
    return {section,
            std::move(key),
            marker,
            def,
            [access](ConverterSettings& s, const std::string& t) { access(s) = toMeasure(t); },
            [access](const ConverterSettings& s) { return numberText(access(s)); }};
}

template <typename Access>
SettingKey int16Key(std::string_view section, std::string key, std::string_view marker, Access access) {
    const std::string def = numberText(access(kDefaults));
    return {section,
            std::move(key),
            marker,
            def,
            [access](ConverterSettings& s, const std::string& t) { access(s) = toInt16(t); },
            [access](const ConverterSettings& s) { return numberText(access(s)); }};
}

template <typename Access>
SettingKey int32Key(std::string_view section, std::string key, std::string_view marker, Access access) {
    const std::string def = numberText(access(kDefaults));
    return {section,
            std::move(key),
            marker,
            def,
            [access](ConverterSettings& s, const std::string& t) { access(s) = toInt32(t); },
            [access](const ConverterSettings& s) { return numberText(access(s)); }};
}

template <typename Access>
SettingKey booleanKey(std::string_view section, std::string key, std::string_view marker, Access access) {
    return {section,
            std::move(key),
            marker,
            "False",
            [access](ConverterSettings& s, const std::string& t) { access(s) = toBoolean(t); },
            [access](const ConverterSettings& s) { return std::string(access(s) ? "True" : "False"); }};
}

template <typename Access>
SettingKey textKey(std::string_view section, std::string key, std::string_view marker, Access access) {
    const std::string def = access(kDefaults);
    return {section,
            std::move(key),
            marker,
            def,
            [access](ConverterSettings& s, const std::string& t) { access(s) = t; },
            [access](const ConverterSettings& s) { return access(s); }};
}

template <typename Access>
SettingKey dimKey(std::string key, Access access) {
    const std::string def = numberText(access(kDefaults));
    return {"Dim",
            std::move(key),
            "PRCG14",
            def,
            [access](ConverterSettings& s, const std::string& t) { access(s) = toStrictInt16(t); },
            [access](const ConverterSettings& s) { return numberText(access(s)); }};
}

SettingKey hintFlagsKey() {
    return {"Extra",
            "ShowMessage",
            "PRCG14",
            "111111",
            [](ConverterSettings& s, const std::string& t) {
                if (t.size() < kHintCount)
                    throw ConversionFault{};
                for (int k = 0; k < kHintCount; ++k)
                    s.hintFlags[k] = toStrictInt16(t.substr(k, 1));
            },
            [](const ConverterSettings& s) {
                std::string text;
                for (std::int16_t flag : s.hintFlags)
                    text += numberText(flag);
                return text;
            }};
}

std::string digit(int n) {
    return std::to_string(n);
}

// Every key, in the order it is read and written.
std::vector<SettingKey> buildKeys() {
    std::vector<SettingKey> keys;
    auto add = [&keys](SettingKey entry) { keys.push_back(std::move(entry)); };

    add(int16Key(
        "Form", "State", "PRCG01", [](auto& s) -> auto& { return s.state; }));
    add(measureKey(
        "Form", "Left", "PRCG01", [](auto& s) -> auto& { return s.window.left; }));
    add(measureKey(
        "Form", "Top", "PRCG01", [](auto& s) -> auto& { return s.window.top; }));
    add(measureKey(
        "Form", "Width", "PRCG01", [](auto& s) -> auto& { return s.window.width; }));
    add(measureKey(
        "Form", "Height", "PRCG01", [](auto& s) -> auto& { return s.window.height; }));
    add(measureKey(
        "Form", "TreeWidth", "PRCG01", [](auto& s) -> auto& { return s.treeWidth; }));
    add(measureKey(
        "Form", "BoxWidthRatio", "PRCG01", [](auto& s) -> auto& { return s.boxWidthRatio; }));
    constexpr std::array<int, 3> kColumns{4, 4, 3};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < kColumns[i]; ++j) {
            add(measureKey(
                "Form", "HeaderWidth" + digit(i) + digit(j), "PRCG01",
                [ i, j ](auto& s) -> auto& { return s.headerWidth[i][j]; }));
        }
    }
    add(measureKey(
        "Form", "MemoWidth", "PRCG011", [](auto& s) -> auto& { return s.memoWidth; }));
    add(measureKey(
        "Form", "MemoHeight", "PRCG011", [](auto& s) -> auto& { return s.memoHeight; }));
    add(measureKey(
        "Form", "FindLeft", "PRCG011", [](auto& s) -> auto& { return s.findLeft; }));
    add(measureKey(
        "Form", "FindTop", "PRCG011", [](auto& s) -> auto& { return s.findTop; }));
    add(measureKey(
        "Form", "RefLeft", "PRCG011", [](auto& s) -> auto& { return s.refLeft; }));
    add(measureKey(
        "Form", "RefTop", "PRCG011", [](auto& s) -> auto& { return s.refTop; }));
    add(measureKey(
        "Form", "RefWidth", "PRCG011", [](auto& s) -> auto& { return s.refWidth; }));
    add(measureKey(
        "Form", "RefHeight", "PRCG011", [](auto& s) -> auto& { return s.refHeight; }));
    for (int j = 0; j < 3; ++j) {
        add(measureKey(
            "Form", "RefHeaderWidth" + digit(j),
            "PRCG011", [j](auto& s) -> auto& { return s.refHeaderWidth[j]; }));
    }

    add(int16Key(
        "Option", "Digits", "PRCG02", [](auto& s) -> auto& { return s.digits; }));
    add(int16Key(
        "Option", "SciDigits", "PRCG02", [](auto& s) -> auto& { return s.sciDigits; }));
    add(int16Key(
        "Option", "Integer", "PRCG02", [](auto& s) -> auto& { return s.integer; }));
    add(int16Key(
        "Option", "NumFormat", "PRCG02", [](auto& s) -> auto& { return s.numFormat; }));
    add(booleanKey(
        "Option", "ShowError", "PRCG02", [](auto& s) -> auto& { return s.showError; }));
    add(int16Key(
        "Option", "CalcType", "PRCG02", [](auto& s) -> auto& { return s.calcType; }));
    add(textKey(
        "Option", "CalcPath", "PRCG02", [](auto& s) -> auto& { return s.calcPath; }));
    add(int16Key(
        "Option", "Modify", "PRCG02", [](auto& s) -> auto& { return s.modify; }));
    add(int16Key(
        "Option", "SaveWindowSize", "PRCG02", [](auto& s) -> auto& { return s.saveWindowSize; }));
    add(int16Key(
        "Option", "ShowMenubar", "PRCG02", [](auto& s) -> auto& { return s.showMenubar; }));
    add(int16Key(
        "Option", "ShowToolbar", "PRCG02", [](auto& s) -> auto& { return s.showToolbar; }));
    add(int16Key(
        "Option", "ShowGridLines", "PRCG02", [](auto& s) -> auto& { return s.showGridLines; }));
    add(int16Key(
        "Option", "StayTop", "PRCG02", [](auto& s) -> auto& { return s.stayTop; }));

    add(int16Key(
        "View", "SelNodeIndex", "PRCG03", [](auto& s) -> auto& { return s.selNodeIndex; }));
    add(int16Key(
        "View", "View", "PRCG03", [](auto& s) -> auto& { return s.view; }));
    add(booleanKey(
        "View", "SortGroup", "PRCG03", [](auto& s) -> auto& { return s.sortGroup; }));
    add(booleanKey(
        "View", "SortUnit", "PRCG03", [](auto& s) -> auto& { return s.sortUnit; }));

    // Element 4 (the convert-into box) borrows the font of element 2.
    constexpr std::array<int, 6> kFontKeys{0, 1, 2, 3, 5, 6};
    for (int i : kFontKeys) {
        add(textKey(
            "Font", "FontName" + digit(i), "PRCG04", [i](auto& s) -> auto& { return s.fontName[i]; }));
    }
    for (int i : kFontKeys) {
        add(int16Key(
            "Font", "FontSize" + digit(i), "PRCG05", [i](auto& s) -> auto& { return s.fontSize[i]; }));
    }
    constexpr std::array<std::string_view, 3> kStyleMarkers{"PRCG06", "PRCG07", "PRCG08"};
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 4; ++i) {
            add(int16Key(
                "Font", "FontStyle" + digit(i) + digit(j), kStyleMarkers[j],
                [ i, j ](auto& s) -> auto& { return s.fontStyle[i][j]; }));
        }
    }

    constexpr std::array<int, 4> kTextColorKeys{0, 1, 2, 4};
    for (int i : kTextColorKeys) {
        add(int32Key(
            "Color", "TextColor" + digit(i), "PRCG09", [i](auto& s) -> auto& { return s.textColor[i]; }));
    }
    for (int i = 0; i < kColorElements; ++i) {
        add(int32Key(
            "Color", "BackColor" + digit(i), "PRCG10", [i](auto& s) -> auto& { return s.backColor[i]; }));
    }

    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < kColumns[i] && !(i == 2 && j > 1); ++j) {
            add(textKey(
                "Header", "Text" + digit(i) + digit(j), "PRCG11",
                [ i, j ](auto& s) -> auto& { return s.headerText[i][j]; }));
        }
    }

    add(textKey(
        "File", "SaveFilePath", "PRCG12", [](auto& s) -> auto& { return s.saveFilePath; }));

    add(hintFlagsKey());
    add(booleanKey(
        "Extra", "CustomizeToolbar", "PRCG14", [](auto& s) -> auto& { return s.customizeToolbar; }));
    add(int16Key(
        "Extra", "ShowMenuDelay", "PRCG14", [](auto& s) -> auto& { return s.showMenuDelay; }));
    add(int16Key(
        "Extra", "ScrollTimerInterval", "PRCG14", [](auto& s) -> auto& { return s.scrollTimerInterval; }));
    add(int16Key(
        "Extra", "ScrollDownDelay", "PRCG14", [](auto& s) -> auto& { return s.scrollDownDelay; }));
    add(int16Key(
        "Extra", "ShowHintDelay", "PRCG14", [](auto& s) -> auto& { return s.showHintDelay; }));

    add(dimKey(
        "Category", [](auto& s) -> auto& { return s.limits.maxCategory; }));
    add(dimKey(
        "Quantity", [](auto& s) -> auto& { return s.limits.maxQuantity; }));
    add(dimKey(
        "Unit", [](auto& s) -> auto& { return s.limits.maxUnit; }));
    return keys;
}

const std::vector<SettingKey>& allKeys() {
    static const std::vector<SettingKey> keys = buildKeys();
    return keys;
}

void clampDelays(ConverterSettings& s) {
    s.showMenuDelay = std::clamp<std::int16_t>(s.showMenuDelay, 100, 2000);
    s.scrollTimerInterval = std::clamp<std::int16_t>(s.scrollTimerInterval, 50, 1000);
    s.scrollDownDelay = std::clamp<std::int16_t>(s.scrollDownDelay, 100, 2000);
    s.showHintDelay = std::clamp<std::int16_t>(s.showHintDelay, 100, 2000);
}

// Limits the storage cannot honour are refused: quantities at least 2 (the
// two special ones), units at least 1, and (Unit + 1) x Quantity within 16 bits.
bool limitsUsable(const TableLimits& limits) {
    return limits.maxCategory >= 0 && limits.maxQuantity >= 2 && limits.maxUnit >= 1 &&
           limits.productBound() <= 32767;
}

}  // namespace

double ConverterSettings::upperLimit() const {
    return std::pow(10.0, sciDigits > 0 ? sciDigits : 0);
}

common::Outcome<ConverterSettings> readConverterSettings(const common::SettingsStore& store) {
    ConverterSettings settings;
    common::Notices notices;
    for (const SettingKey& entry : allKeys()) {
        const std::string text = store.read(kConverterApp, entry.section, entry.key, entry.defaultText);
        try {
            entry.load(settings, text);
        } catch (const ConversionFault&) {
            notices.push_back(common::errorCodeNotice(kProductName, entry.marker));
            break;
        }
    }
    if (!limitsUsable(settings.limits)) {
        settings.limits = TableLimits{};
        if (notices.empty())
            notices.push_back(common::errorCodeNotice(kProductName, "PRCG14"));
    }
    clampDelays(settings);
    return common::Outcome<ConverterSettings>::success(std::move(settings), std::move(notices));
}

common::Status saveConverterSettings(common::SettingsStore& store, const ConverterSettings& settings) {
    for (const SettingKey& entry : allKeys())
        store.write(kConverterApp, entry.section, entry.key, entry.save(settings));
    // The values reach the disk together at the end, after the last step.
    if (!store.sync())
        return common::Status::failure(common::errorCodeNotice(kProductName, allKeys().back().marker));
    return common::succeeded();
}

std::int16_t normalisedSelNodeIndex(std::int16_t selNodeIndex, const ConversionTable& table) {
    return table.isQuantityNode(selNodeIndex) ? selNodeIndex : std::int16_t{1};
}

void recordWindowState(ConverterSettings& settings, int headerIndex,
                       const std::array<float, 4>& liveHeaderWidths, std::int16_t state,
                       const WindowGeometry& normalGeometry) {
    if (headerIndex >= 0 && headerIndex < 3)
        settings.headerWidth[static_cast<std::size_t>(headerIndex)] = liveHeaderWidths;
    settings.state = state;
    if (state == 0)
        settings.window = normalGeometry;
}

}  // namespace quantora
