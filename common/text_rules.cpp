#include "common/text_rules.h"

namespace common {

std::string replaceAll(std::string_view text, std::string_view search, std::string_view replacement) {
    std::string result(text);
    if (search.empty())
        return result;
    std::size_t pos = result.find(search);
    while (pos != std::string::npos) {
        result.replace(pos, search.size(), replacement);
        pos = result.find(search, pos + replacement.size());
    }
    return result;
}

std::string accessLetter(std::string_view caption) {
    const auto amp = caption.find('&');
    if (amp == std::string_view::npos)
        return {};
    return std::string(caption.substr(amp + 1));
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string trimmed(std::string_view text) {
    return std::string(trimBlanks(text));
}

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string toLowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace common
