#include "calculator/eval/calculator_settings.h"

#include <algorithm>
#include <cfloat>
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

std::string Key(std::string_view name, int index) { return std::string(name) + std::to_string(index); }

class Reader {
public:
    explicit Reader(const common::SettingsStore& store) : m_store(store) {}

    std::string Text(std::string_view section, std::string_view key, std::string_view def) const {
        return m_store.read(kApplication, section, key, def);
    }
    std::int16_t Int16(std::string_view section, std::string_view key, std::string_view def) const {
        const std::optional<std::int16_t> value = common::LenientWholeNumber(Text(section, key, def));
        if (!value) {
            throw ConversionFailure{};
        }
        return *value;
    }
    std::int32_t Int32(std::string_view section, std::string_view key, std::string_view def) const {
        const std::string text = Text(section, key, def);
        const double value = common::RoundHalfEven(common::NumericTextValue(text));
        if (value >= -2147483648.0 && value <= 2147483647.0) {
            return static_cast<std::int32_t>(value);
        }
        // "&H80000008" is a 32-bit pattern: the top bit makes it negative.
        const std::string_view literal = common::TrimBlanks(text);
        if (common::StartsWith(literal, "&") && value >= 0 && value <= 4294967295.0) {
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        }
        throw ConversionFailure{};
    }
    float Single(std::string_view section, std::string_view key, std::string_view def) const {
        const double value = common::NumericTextValue(Text(section, key, def));
        if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) {
            throw ConversionFailure{};
        }
        return static_cast<float>(value);
    }

private:
    const common::SettingsStore& m_store;
};

class Writer {
public:
    explicit Writer(common::SettingsStore& store) : m_store(store) {}

    void Text(std::string_view section, std::string_view key, std::string_view value) {
        m_store.write(kApplication, section, key, value);
    }
    void Number(std::string_view section, std::string_view key, double value) {
        Text(section, key, common::PlainNumberTrimmed(value));
    }

private:
    common::SettingsStore& m_store;
};

constexpr std::array<std::string_view, kAreaCount> kTextColorDefaults{"&H80000008", "&HFF", "8388607"};
constexpr std::array<std::string_view, kAreaCount> kBackColorDefaults{"&H80000005", "&H80000005",
                                                                      "16744192"};

}  // namespace

std::string IndexKey(int index) { return common::PlainNumberText(index); }

SettingsReadResult mGetSettins(const common::SettingsStore& store) {
    SettingsReadResult result;
    CalculatorSettings& s = result.settings;
    const Reader read(store);
    std::string_view marker = "MGST01";
    try {
        s.calcLeft = read.Single("Form", "CalcLeft", "720");
        s.calcTop = read.Single("Form", "CalcTop", "480");

        marker = "MGST02";
        CalculatorOptions& o = s.options;
        o.digits = static_cast<std::int16_t>(std::clamp<int>(read.Int16("Option", "Digits", "8"), 6, 15));
        o.integer = read.Int16("Option", "Integer", "0");
        o.notation = read.Int16("Option", "Notation", "0");
        o.trig = read.Int16("Option", "Trig", "0");
        o.stayTop = read.Int16("Option", "StayTop", "1");
        o.toolTip = read.Int16("Option", "ToolTip", "1");

        marker = "MGST03";
        for (int i = 0; i < kAreaCount; ++i) {
            s.Area(kFirstArea + i).name = read.Text("Font", Key("FontName", kFirstArea + i), kDefaultFontName);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            s.Area(kFirstArea + i).size = read.Int16("Font", Key("FontSize", kFirstArea + i), "8");
        }
        for (const int code : kStyleKeyOrder) {
            FontArea& area = s.Area(code / 10);
            const int style = code % 10;
            std::int16_t& flag = style == 0 ? area.bold : (style == 1 ? area.italic : area.underline);
            flag = read.Int16("Font", Key("FontStyle", code), code == 80 ? "1" : "0");
        }

        marker = "MGST04";
        for (int i = 0; i < kAreaCount; ++i) {
            s.Area(kFirstArea + i).textColor =
                read.Int32("Color", Key("TextColor", kFirstArea + i), kTextColorDefaults[i]);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            s.Area(kFirstArea + i).backColor =
                read.Int32("Color", Key("BackColor", kFirstArea + i), kBackColorDefaults[i]);
        }

        s.input = read.Text("History", "Input", "");
        s.history.SetListCount(read.Int16("History", "Count", ""));
        for (int i = 0; i < History::kSize; ++i) {
            s.history.SetEntry(i, read.Text("History", IndexKey(i), ""));
        }

        const int count = std::max<int>(0, read.Int16("Function", "Count", ""));
        s.customFunctions.assign(static_cast<std::size_t>(count), std::string());
        for (int i = 0; i < count; ++i) {
            s.customFunctions[static_cast<std::size_t>(i)] = read.Text("Function", IndexKey(i), "");
        }
    } catch (const ConversionFailure&) {
        result.failure = common::ErrorCodeNotice(kApplication, marker);
    }
    return result;
}

std::optional<common::Notice> SaveSettings(common::SettingsStore& store, const CalculatorSettings& s) {
    Writer write(store);
    std::string_view marker = "MSST01";
    try {
        write.Number("Form", "CalcLeft", s.calcLeft);
        write.Number("Form", "CalcTop", s.calcTop);

        marker = "MSST02";
        const CalculatorOptions& o = s.options;
        write.Number("Option", "Digits", o.digits);
        write.Number("Option", "Integer", o.integer);
        write.Number("Option", "Notation", o.notation);
        write.Number("Option", "Trig", o.trig);
        write.Number("Option", "StayTop", o.stayTop);
        write.Number("Option", "ToolTip", o.toolTip);

        marker = "MSST03";
        for (int i = 0; i < kAreaCount; ++i) {
            write.Text("Font", Key("FontName", kFirstArea + i), s.Area(kFirstArea + i).name);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            write.Number("Font", Key("FontSize", kFirstArea + i), s.Area(kFirstArea + i).size);
        }
        for (const int code : kStyleKeyOrder) {
            const FontArea& area = s.Area(code / 10);
            const int style = code % 10;
            write.Number("Font", Key("FontStyle", code),
                         style == 0 ? area.bold : (style == 1 ? area.italic : area.underline));
        }

        marker = "MSST04";
        for (int i = 0; i < kAreaCount; ++i) {
            write.Number("Color", Key("TextColor", kFirstArea + i), s.Area(kFirstArea + i).textColor);
        }
        for (int i = 0; i < kAreaCount; ++i) {
            write.Number("Color", Key("BackColor", kFirstArea + i), s.Area(kFirstArea + i).backColor);
        }

        write.Text("History", "Input", common::Trimmed(s.input));
        write.Number("History", "Count", s.history.ListCount());
        for (int i = 0; i < History::kSize; ++i) {
            write.Text("History", IndexKey(i), common::Trimmed(s.history.Entry(i)));
        }

        write.Number("Function", "Count", static_cast<double>(s.customFunctions.size()));
        for (std::size_t i = 0; i < s.customFunctions.size(); ++i) {
            write.Text("Function", IndexKey(static_cast<int>(i)), common::Trimmed(s.customFunctions[i]));
        }
    } catch (const std::exception&) {
        return common::ErrorCodeNotice(kApplication, marker);
    }
    return std::nullopt;
}

void PublishResult(common::SettingsStore& store, std::string_view resultText) {
    store.write(kApplication, "History", "Result", resultText);
    store.sync();
}

void PublishRun(common::SettingsStore& store, bool running) {
    store.write(kApplication, "Form", "Run", running ? "1" : "0");
    store.sync();
}

void PublishExit(common::SettingsStore& store) {
    store.write(kApplication, "History", "Result", "");
    store.write(kApplication, "Form", "Run", "0");
    store.sync();
}

}  // namespace tallix
