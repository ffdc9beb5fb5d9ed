#include "calculator/eval/calculator_settings.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"

namespace tallix {

namespace {

// A value the platform could not convert to its type (overflow): the read stops.
struct ConversionFailure {};

constexpr std::array<int, 9> kStyleKeyOrder{60, 70, 80, 61, 71, 81, 62, 72, 82};

std::string key(std::string_view name, int index) {
    return std::string(name) + std::to_string(index);
}

class Reader {
public:
    explicit Reader(const common::SettingsStore& store) : m_store(store) {}

    std::string text(std::string_view section, std::string_view key, std::string_view def) const {
        return m_store.read(kApplication, section, key, def);
    }
    std::int16_t int16(std::string_view section, std::string_view key, std::string_view def) const {
        const std::optional<std::int16_t> value = common::lenientWholeNumber(text(section, key, def));
        if (!value) {
            throw ConversionFailure{};
        }
        return *value;
    }
    std::int32_t int32(std::string_view section, std::string_view key, std::string_view def) const {
        const std::string raw = text(section, key, def);
        const double value = common::roundHalfEven(common::numericTextValue(raw));
        if (value >= -2147483648.0 && value <= 2147483647.0) {
            return static_cast<std::int32_t>(value);
        }
        // "&H80000008" is a 32-bit pattern: the top bit makes it negative.
        const std::string_view literal = common::trimBlanks(raw);
        if (common::startsWith(literal, "&") && value >= 0 && value <= 4294967295.0) {
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        }
        throw ConversionFailure{};
    }
    float single(std::string_view section, std::string_view key, std::string_view def) const {
        const std::optional<float> value =
            common::nearestSingle(common::numericTextValue(text(section, key, def)));
        if (!value) {
            throw ConversionFailure{};
        }
        return *value;
    }

private:
    const common::SettingsStore& m_store;
};

class Writer {
public:
    explicit Writer(common::SettingsStore& store) : m_store(store) {}

    void text(std::string_view section, std::string_view key, std::string_view value) {
        m_store.write(kApplication, section, key, value);
    }
    void number(std::string_view section, std::string_view key, double value) {
        text(section, key, common::plainNumberTrimmed(value));
    }

private:
    common::SettingsStore& m_store;
};

constexpr std::array<std::string_view, kAreaCount> kTextColorDefaults{"&H80000008", "&HFF", "8388607"};
constexpr std::array<std::string_view, kAreaCount> kBackColorDefaults{"&H80000005", "&H80000005", "16744192"};

}  // namespace

std::string indexKey(int index) {
    return common::plainNumberText(index);
}

common::Outcome<CalculatorSettings> readCalculatorSettings(const common::SettingsStore& store) {
    CalculatorSettings s;
    common::Notices notices;
    const Reader read(store);
    std::string_view marker = "MGST01";
    try {
        s.calcLeft = read.single("Form", "CalcLeft", "720");
        s.calcTop = read.single("Form", "CalcTop", "480");

        marker = "MGST02";
        CalculatorOptions& o = s.options;
        o.digits = static_cast<std::int16_t>(std::clamp<int>(read.int16("Option", "Digits", "8"), 6, 15));
        o.integer = read.int16("Option", "Integer", "0");
        o.notation = read.int16("Option", "Notation", "0");
        o.trig = read.int16("Option", "Trig", "0");
        o.stayTop = read.int16("Option", "StayTop", "1");
        o.toolTip = read.int16("Option", "ToolTip", "1");

        marker = "MGST03";
        for (int i = 0; i < kAreaCount; ++i) {
            s.area(kFirstArea + i).name =
                read.text("Font", key("FontName", kFirstArea + i), kDefaultFontName);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            s.area(kFirstArea + i).size = read.int16("Font", key("FontSize", kFirstArea + i), "8");
        }
        for (const int code : kStyleKeyOrder) {
            FontArea& area = s.area(code / 10);
            const int style = code % 10;
            std::int16_t& flag = style == 0 ? area.bold : (style == 1 ? area.italic : area.underline);
            flag = read.int16("Font", key("FontStyle", code), code == 80 ? "1" : "0");
        }

        marker = "MGST04";
        for (int i = 0; i < kAreaCount; ++i) {
            s.area(kFirstArea + i).textColor =
                read.int32("Color", key("TextColor", kFirstArea + i), kTextColorDefaults[i]);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            s.area(kFirstArea + i).backColor =
                read.int32("Color", key("BackColor", kFirstArea + i), kBackColorDefaults[i]);
        }

        s.input = read.text("History", "Input", "");
        s.history.setListCount(read.int16("History", "Count", ""));
        for (int i = 0; i < History::kSize; ++i) {
            s.history.setEntry(i, read.text("History", indexKey(i), ""));
        }

        const int count = std::max<int>(0, read.int16("Function", "Count", ""));
        s.customFunctions.assign(static_cast<std::size_t>(count), std::string());
        for (int i = 0; i < count; ++i) {
            s.customFunctions[static_cast<std::size_t>(i)] = read.text("Function", indexKey(i), "");
        }
    } catch (const ConversionFailure&) {
        notices.push_back(common::errorCodeNotice(kApplication, marker));
    }
    return common::Outcome<CalculatorSettings>::success(std::move(s), std::move(notices));
}

common::Status saveSettings(common::SettingsStore& store, const CalculatorSettings& s) {
    Writer write(store);
    std::string_view marker = "MSST01";
    try {
        write.number("Form", "CalcLeft", s.calcLeft);
        write.number("Form", "CalcTop", s.calcTop);

        marker = "MSST02";
        const CalculatorOptions& o = s.options;
        write.number("Option", "Digits", o.digits);
        write.number("Option", "Integer", o.integer);
        write.number("Option", "Notation", o.notation);
        write.number("Option", "Trig", o.trig);
        write.number("Option", "StayTop", o.stayTop);
        write.number("Option", "ToolTip", o.toolTip);

        marker = "MSST03";
        for (int i = 0; i < kAreaCount; ++i) {
            write.text("Font", key("FontName", kFirstArea + i), s.area(kFirstArea + i).name);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            write.number("Font", key("FontSize", kFirstArea + i), s.area(kFirstArea + i).size);
        }
        for (const int code : kStyleKeyOrder) {
            const FontArea& area = s.area(code / 10);
            const int style = code % 10;
            write.number("Font", key("FontStyle", code),
                         style == 0 ? area.bold : (style == 1 ? area.italic : area.underline));
        }

        marker = "MSST04";
        for (int i = 0; i < kAreaCount; ++i) {
            write.number("Color", key("TextColor", kFirstArea + i), s.area(kFirstArea + i).textColor);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            write.number("Color", key("BackColor", kFirstArea + i), s.area(kFirstArea + i).backColor);
        }

        write.text("History", "Input", common::trimmed(s.input));
        write.number("History", "Count", s.history.listCount());
        for (int i = 0; i < History::kSize; ++i) {
            write.text("History", indexKey(i), common::trimmed(s.history.entry(i)));
        }

        write.number("Function", "Count", static_cast<double>(s.customFunctions.size()));
        for (std::size_t i = 0; i < s.customFunctions.size(); ++i) {
            write.text("Function", indexKey(static_cast<int>(i)), common::trimmed(s.customFunctions[i]));
        }
        // The values reach the disk together, at the end of the last step.
        if (!store.sync()) {
            return common::Status::failure(common::errorCodeNotice(kApplication, marker));
        }
    } catch (const std::exception&) {
        return common::Status::failure(common::errorCodeNotice(kApplication, marker));
    }
    return common::succeeded();
}

void publishResult(common::SettingsStore& store, std::string_view resultText) {
    store.write(kApplication, "History", "Result", resultText);
    store.publish();
}

void publishRun(common::SettingsStore& store, bool running) {
    store.write(kApplication, "Form", "Run", running ? "1" : "0");
    store.publish();
}

void publishExit(common::SettingsStore& store) {
    store.write(kApplication, "History", "Result", "");
    store.write(kApplication, "Form", "Run", "0");
    store.sync();
}

common::Status saveSettingsAtExit(common::SettingsStore& store, const CalculatorSettings& settings) {
    store.write(kApplication, "History", "Result", "");
    store.write(kApplication, "Form", "Run", "0");
    common::Status saved = saveSettings(store, settings);
    if (!saved) {
        store.sync();
    }
    return saved;
}

}  // namespace tallix
