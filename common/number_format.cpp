#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace common {
namespace {

// A finite value as decimal digits: value = 0.d1d2d3... x 10^pointPos, with
// d1 non-zero (or no digits at all for zero).
struct DecimalForm {
    bool negative = false;
    std::string digits;  // significant digits, no leading or trailing zeros
    int pointPos = 0;    // digits before the decimal point
};

DecimalForm decimalForm(double value, int significant = 15) {
    DecimalForm form;
    form.negative = std::signbit(value);
    if (value == 0.0) return form;
    char buffer[64];
    // Fifteen significant digits: what the person sees is rounded from these.
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, significant - 1);
    (void)ec;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') form.digits += c;
    }
    int exponent = 0;
    std::string_view expText = text.substr(e + 1);
    if (!expText.empty() && expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    form.pointPos = exponent + 1;
    while (!form.digits.empty() && form.digits.back() == '0') form.digits.pop_back();
    return form;
}

// Keeps the first `keep` digits, rounding half away from zero on the next one.
void roundToDigits(DecimalForm& form, int keep) {
    if (keep < 0) {
        form.digits.clear();
        return;
    }
    if (static_cast<int>(form.digits.size()) <= keep) return;
    const bool roundUp = form.digits[static_cast<std::size_t>(keep)] >= '5';
    form.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && form.digits[static_cast<std::size_t>(i)] == '9') {
            form.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++form.digits[static_cast<std::size_t>(i)];
        } else {
            form.digits.insert(form.digits.begin(), '1');
            ++form.pointPos;
        }
    }
    while (!form.digits.empty() && form.digits.back() == '0') form.digits.pop_back();
    if (form.digits.empty()) form.pointPos = 0;
}

struct Pattern {
    int intMin = 0;        // "0" in the integer part
    int intPlaces = 0;     // "0" and "#" in the integer part
    bool hasPoint = false;
    int fracMin = 0;       // "0" after the point
    int fracMax = 0;       // "0" and "#" after the point
    bool scientific = false;
    bool expSignAlways = false;
    int expDigits = 0;
};

Pattern parsePattern(std::string_view text) {
    Pattern p;
    std::size_t i = 0;
    for (; i < text.size() && (text[i] == '0' || text[i] == '#'); ++i) {
        ++p.intPlaces;
        if (text[i] == '0') ++p.intMin;
    }
    if (i < text.size() && text[i] == '.') {
        p.hasPoint = true;
        for (++i; i < text.size() && (text[i] == '0' || text[i] == '#'); ++i) {
            ++p.fracMax;
            if (text[i] == '0') p.fracMin = p.fracMax;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        p.scientific = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            p.expSignAlways = text[i] == '+';
            ++i;
        }
        for (; i < text.size() && text[i] == '0'; ++i) ++p.expDigits;
    }
    return p;
}

char digitAt(const DecimalForm& form, int index) {
    return index >= 0 && index < static_cast<int>(form.digits.size())
               ? form.digits[static_cast<std::size_t>(index)]
               : '0';
}

std::string fractionText(const DecimalForm& form, int firstIndex, const Pattern& p) {
    std::string fraction;
    for (int k = 0; k < p.fracMax; ++k) fraction += digitAt(form, firstIndex + k);
    while (static_cast<int>(fraction.size()) > p.fracMin && fraction.back() == '0') fraction.pop_back();
    return fraction;
}

std::string formatFixed(DecimalForm form, const Pattern& p) {
    roundToDigits(form, form.pointPos + p.fracMax);
    std::string integer;
    for (int k = 0; k < form.pointPos; ++k) integer += digitAt(form, k);
    while (static_cast<int>(integer.size()) < p.intMin) integer.insert(integer.begin(), '0');
    std::string text = integer;
    if (p.hasPoint) {
        text += '.';
        text += fractionText(form, form.pointPos, p);
    }
    if (form.negative && !form.digits.empty()) text.insert(text.begin(), '-');
    return text;
}

std::string formatScientific(DecimalForm form, const Pattern& p) {
    const int intDigits = std::max(1, p.intPlaces);
    roundToDigits(form, intDigits + p.fracMax);
    const int exponent = form.digits.empty() ? 0 : form.pointPos - intDigits;
    std::string text;
    for (int k = 0; k < intDigits; ++k) text += digitAt(form, k);
    if (p.hasPoint) {
        text += '.';
        text += fractionText(form, intDigits, p);
    }

    std::string expText = std::to_string(std::abs(exponent));
    while (static_cast<int>(expText.size()) < p.expDigits) expText.insert(expText.begin(), '0');
    text += 'E';
    if (exponent < 0) {
        text += '-';
    } else if (p.expSignAlways) {
        text += '+';
    }
    text += expText;
    if (form.negative && !form.digits.empty()) text.insert(text.begin(), '-');
    return text;
}

}  // namespace

std::string FormatPattern(double value, std::string_view pattern) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const Pattern p = parsePattern(pattern);
    const DecimalForm form = decimalForm(value);
    return p.scientific ? formatScientific(form, p) : formatFixed(form, p);
}

namespace {
std::string plainText(double value, int significant) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : " Inf";
    const DecimalForm form = decimalForm(value, significant);
    const std::string sign = form.negative && !form.digits.empty() ? "-" : " ";
    if (form.digits.empty()) return " 0";

    const int count = static_cast<int>(form.digits.size());
    const int exponent = form.pointPos - 1;
    // Digits the fixed form needs: integer places, or leading zeros plus digits.
    const int fixedDigits = form.pointPos > 0 ? std::max(form.pointPos, count) : count - form.pointPos;
    const bool useExponent = fixedDigits > significant;
    std::string text;
    if (!useExponent) {
        if (form.pointPos <= 0) {
            text.assign(1, '.');
            text.append(static_cast<std::size_t>(-form.pointPos), '0');
            text += form.digits;
        } else {
            for (int k = 0; k < form.pointPos; ++k) text += digitAt(form, k);
            if (count > form.pointPos) {
                text += '.';
                text.append(form.digits, static_cast<std::size_t>(form.pointPos));
            }
        }
        return text.insert(0, sign);
    }
    text = form.digits.substr(0, 1);
    if (count > 1) {
        text += '.';
        text.append(form.digits, 1);
    }
    std::string expText = std::to_string(std::abs(exponent));
    if (expText.size() < 2) expText.insert(expText.begin(), '0');
    text += exponent < 0 ? "E-" : "E+";
    text += expText;
    return text.insert(0, sign);
}

}  // namespace

std::string PlainNumberText(double value) { return plainText(value, 15); }

std::string PlainSingleText(float value) { return plainText(value, 7); }

std::string PlainNumberTrimmed(double value) {
    std::string text = PlainNumberText(value);
    if (!text.empty() && text.front() == ' ') text.erase(text.begin());
    return text;
}

}  // namespace common
