#include "calculator/eval/preprocess.h"

#include <array>

#include "calculator/eval/evaluator.h"
#include "common/text_rules.h"

namespace tallix {

namespace {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// replaceAll, skipped when there is nothing to replace (the common case).
void replaceAll(std::string& text, std::string_view search, std::string_view replacement) {
    if (text.find(search) != std::string::npos) {
        text = common::replaceAll(text, search, replacement);
    }
}

std::string argumentValue(std::string_view value) {
    std::string trimmed = common::trimmed(value);
    if (common::startsWith(trimmed, "-")) {
        return "(" + trimmed + ")";
    }
    return trimmed;
}

bool isSignedOperandPair(std::string_view text, std::size_t pos) {
    // 1-based pos; the six operator-sign pairs.
    if (pos + 1 > text.size()) {
        return false;
    }
    const char op = text[pos - 1];
    const char sign = text[pos];
    return (op == '^' || op == '*' || op == '/') && (sign == '+' || sign == '-');
}

}  // namespace

std::optional<ArgumentSplit> splitExpr(std::string_view text) {
    ArgumentSplit split;
    const std::size_t p = text.find(':');
    if (p == std::string_view::npos) {
        split.expression = std::string(text);
        return split;
    }
    split.expression = std::string(text.substr(0, p));
    std::string_view rest = text.substr(p + 1);
    if (rest.empty()) {
        return split;
    }
    std::array<std::string*, 3> values{&split.x, &split.y, &split.z};
    std::size_t index = 0;
    while (true) {
        if (index == values.size()) {
            return std::nullopt;  // a fourth value
        }
        const std::size_t next = rest.find(':');
        *values[index++] = argumentValue(rest.substr(0, next));
        if (next == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(next + 1);
    }
    return split;
}

std::string procSubseq(std::string_view source) {
    std::string text(source);
    std::size_t start = 2;
    while (start <= text.size()) {
        std::size_t pos = start;
        while (pos < text.size() && !isSignedOperandPair(text, pos)) {
            ++pos;
        }
        if (pos >= text.size()) {
            break;  // no pair at or after start
        }
        text.insert(pos, 1, '(');  // after the operator
        std::size_t j = pos + 3;   // the first character after the sign
        while (j <= text.size()) {
            const char c = text[j - 1];
            if (c == '.' || isDigit(c) || isExponentMark(text, j) || isExponentSign(text, j)) {
                ++j;
            } else {
                break;
            }
        }
        std::size_t k = j - 1;
        if (j == text.size()) {
            k = text.size();
        }
        text.insert(k, 1, ')');  // after position k
        start = k + 2;
    }
    return text;
}

std::optional<std::string> preProc(std::string_view source, const NamedConstantTable& constants) {
    std::string text(source);
    replaceAll(text, "{", "(");
    replaceAll(text, "[", "(");
    replaceAll(text, "}", ")");
    replaceAll(text, "]", ")");
    replaceAll(text, " ", "");
    text = common::toLowerAscii(text);
    replaceAll(text, "exp", "e_p");

    if (text.find(':') != std::string::npos) {
        std::optional<ArgumentSplit> split = splitExpr(text);
        if (!split) {
            return std::nullopt;
        }
        text = std::move(split->expression);
        text = common::replaceAll(text, "x", split->x);
        text = common::replaceAll(text, "y", split->y);
        text = common::replaceAll(text, "z", split->z);
    }

    const bool hasDollar = text.find('$') != std::string::npos;
    for (const NamedConstant& constant : constants) {
        if (!hasDollar && constant.name.front() == '$') {
            continue;  // nothing to find, and inserted texts hold no "$"
        }
        replaceAll(text, constant.name, constant.text);
    }

    if (!text.empty() && text.front() == '.') {
        text.insert(0, 1, '0');
    }
    for (std::size_t i = 2; i <= text.size(); ++i) {
        if (text[i - 1] == '.' && !isDigit(text[i - 2])) {
            text.insert(i - 1, 1, '0');
            ++i;  // continue after the "."
        }
    }

    return procSubseq(text);
}

}  // namespace tallix
