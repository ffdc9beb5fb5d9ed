#include "common/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace common {
namespace {

// Reads to_chars' "d.ddde[+-]xx" into digits and point position.
void readScientific(const char* p, const char* end, DecimalDigits& form) {
    int count = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.')
            form.digits[count++] = *p;
    }
    ++p;  // 'e'
    const bool negativeExponent = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    int exponent = 0;
    for (; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    form.pointPos = (negativeExponent ? -exponent : exponent) + 1;
    while (count > 0 && form.digits[count - 1] == '0')
        --count;
    form.count = count;
}

// Keeps the first `keep` digits, rounding half away from zero on the next one.
void roundToDigits(DecimalDigits& form, int keep) {
    if (keep < 0) {
        form.count = 0;
        form.pointPos = 0;
        return;
    }
    if (form.count <= keep)
        return;
    const bool roundUp = form.digits[keep] >= '5';
    form.count = keep;
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && form.digits[i] == '9')
            --i;
        if (i >= 0) {
            ++form.digits[i];
            form.count = i + 1;
        } else {
            // All nines: 0.999 becomes 1.000 one place higher.
            form.digits[0] = '1';
            form.count = 1;
            ++form.pointPos;
        }
    }
    while (form.count > 0 && form.digits[form.count - 1] == '0')
        --form.count;
    if (form.count == 0)
        form.pointPos = 0;
}

DecimalDigits decimalForm(double value, int significant = 15) {
    DecimalDigits form;
    form.value = value;
    form.negative = std::signbit(value);
    if (value == 0.0 || !std::isfinite(value))
        return form;
    const double magnitude = std::fabs(value);
    char buffer[40];
    // Subnormal values carry fewer than 15 significant digits of their own, so
    // their shortest text (5E-324) is not their rounded form: round them exactly.
    if (magnitude < std::numeric_limits<double>::min()) {
        auto [exactEnd, exactEc] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                                 std::chars_format::scientific, significant - 1);
        (void)exactEc;
        readScientific(buffer, exactEnd, form);
        return form;
    }
    // For normal values the shortest text that reads back as the value is
    // much cheaper than exact rounding and leads to the same digits: with up
    // to `significant` digits it is the rounded form (the value's 53 bits
    // hold more than 15 digits); with more, no rounding midpoint lies between
    // it and the value (a shorter text would exist), so rounding it gives the
    // same digits - unless it is that midpoint itself.
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    (void)ec;
    readScientific(buffer, end, form);
    if (form.count <= significant)
        return form;
    if (form.count == significant + 1 && form.digits[significant] == '5') {
        auto [exactEnd, exactEc] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                                 std::chars_format::scientific, significant - 1);
        (void)exactEc;
        readScientific(buffer, exactEnd, form);
        return form;
    }
    roundToDigits(form, significant);
    return form;
}

struct Pattern {
    int intMin = 0;     // "0" in the integer part
    int intPlaces = 0;  // "0" and "#" in the integer part
    bool hasPoint = false;
    int fracMin = 0;  // up to the last "0" after the point
    int fracMax = 0;  // "0" and "#" after the point
    bool scientific = false;
    bool expSignAlways = false;
    int expDigits = 0;
};

Pattern parsePattern(std::string_view text) {
    Pattern p;
    std::size_t i = 0;
    for (; i < text.size() && (text[i] == '0' || text[i] == '#'); ++i) {
        ++p.intPlaces;
        if (text[i] == '0')
            ++p.intMin;
    }
    if (i < text.size() && text[i] == '.') {
        p.hasPoint = true;
        for (++i; i < text.size() && (text[i] == '0' || text[i] == '#'); ++i) {
            ++p.fracMax;
            if (text[i] == '0')
                p.fracMin = p.fracMax;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        p.scientific = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            p.expSignAlways = text[i] == '+';
            ++i;
        }
        for (; i < text.size() && text[i] == '0'; ++i)
            ++p.expDigits;
    }
    return p;
}

// Writes the exponent part ("E+06", "E-003") at w; returns the end.
char* writeExponent(char* w, int exponent, bool signAlways, int minDigits) {
    *w++ = 'E';
    if (exponent < 0) {
        *w++ = '-';
    } else if (signAlways) {
        *w++ = '+';
    }
    char buffer[8];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(exponent));
    (void)ec;
    for (auto width = end - buffer; width < minDigits; ++width)
        *w++ = '0';
    for (const char* p = buffer; p < end; ++p)
        *w++ = *p;
    return w;
}

std::string format(DecimalDigits form, const Pattern& p) {
    int intDigits = 0;
    int exponent = 0;
    if (p.scientific) {
        intDigits = std::max(1, p.intPlaces);
        roundToDigits(form, intDigits + p.fracMax);
        exponent = form.count == 0 ? 0 : form.pointPos - intDigits;
    } else {
        roundToDigits(form, form.pointPos + p.fracMax);
        intDigits = std::max(form.pointPos, 0);
    }
    // Written in place: this runs for every value a batch run writes.
    // Sized exactly enough: short results stay in the string's own buffer.
    const int length = 1 + std::max(intDigits, p.intMin) + (p.hasPoint ? 1 + p.fracMax : 0) +
                       (p.scientific ? 2 + std::max(p.expDigits, 5) : 0);
    std::string out(static_cast<std::size_t>(length), '\0');
    char* w = out.data();
    if (form.negative && form.count > 0)
        *w++ = '-';
    for (int k = intDigits; k < p.intMin; ++k)
        *w++ = '0';
    for (int k = 0; k < intDigits; ++k)
        *w++ = form.at(k);
    if (p.hasPoint) {
        // Decimals, trailing zeros dropped down to the pattern's required ones.
        const int first = p.scientific ? intDigits : form.pointPos;
        int shown = p.fracMax;
        while (shown > p.fracMin && form.at(first + shown - 1) == '0')
            --shown;
        *w++ = '.';
        for (int k = 0; k < shown; ++k)
            *w++ = form.at(first + k);
    }
    if (p.scientific)
        w = writeExponent(w, exponent, p.expSignAlways, p.expDigits);
    out.resize(static_cast<std::size_t>(w - out.data()));
    return out;
}

std::string plainText(double value, int significant) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : " Inf";
    const DecimalDigits form = decimalForm(value, significant);
    if (form.count == 0)
        return " 0";
    std::string text(1, form.negative ? '-' : ' ');
    // Digits the fixed form needs: integer places, or leading zeros plus digits.
    const int fixedDigits =
        form.pointPos > 0 ? std::max(form.pointPos, form.count) : form.count - form.pointPos;
    if (fixedDigits <= significant) {
        if (form.pointPos <= 0) {
            text += '.';
            text.append(static_cast<std::size_t>(-form.pointPos), '0');
            text.append(form.digits, static_cast<std::size_t>(form.count));
        } else {
            for (int k = 0; k < form.pointPos; ++k)
                text += form.at(k);
            if (form.count > form.pointPos) {
                text += '.';
                text.append(form.digits + form.pointPos,
                            static_cast<std::size_t>(form.count - form.pointPos));
            }
        }
        return text;
    }
    text += form.digits[0];
    if (form.count > 1) {
        text += '.';
        text.append(form.digits + 1, static_cast<std::size_t>(form.count - 1));
    }
    char exponent[16];
    char* end = writeExponent(exponent, form.pointPos - 1, true, 2);
    text.append(exponent, end);
    return text;
}

}  // namespace

DecimalDigits decimalDigitsOf(double value) {
    return decimalForm(value);
}

int DecimalDigits::exponentAt(int significant) const {
    DecimalDigits rounded = *this;
    roundToDigits(rounded, significant);
    return rounded.count == 0 ? 0 : rounded.pointPos - 1;
}

std::string formatPattern(const DecimalDigits& digits, std::string_view pattern) {
    if (std::isnan(digits.value))
        return "nan";
    if (std::isinf(digits.value))
        return digits.value < 0 ? "-inf" : "inf";
    return format(digits, parsePattern(pattern));
}

namespace {
// "0." followed by `decimals` zeros.
Pattern decimalsPattern(int decimals) {
    Pattern p;
    p.intMin = p.intPlaces = 1;
    p.hasPoint = true;
    p.fracMin = p.fracMax = std::max(decimals, 0);
    return p;
}
}  // namespace

std::string formatFixedPattern(const DecimalDigits& digits, int decimals) {
    if (!std::isfinite(digits.value))
        return formatPattern(digits, "0.");
    return format(digits, decimalsPattern(decimals));
}

std::string formatScientificPattern(const DecimalDigits& digits, int decimals) {
    if (!std::isfinite(digits.value))
        return formatPattern(digits, "0.E+00");
    Pattern p = decimalsPattern(decimals);
    p.scientific = true;
    p.expSignAlways = true;
    p.expDigits = 2;
    return format(digits, p);
}

std::string formatPattern(double value, std::string_view pattern) {
    return formatPattern(decimalForm(value), pattern);
}

std::string plainNumberText(double value) {
    return plainText(value, 15);
}

std::string plainSingleText(float value) {
    return plainText(value, 7);
}

std::string plainNumberTrimmed(double value) {
    std::string text = plainNumberText(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(text.begin());
    return text;
}

}  // namespace common
