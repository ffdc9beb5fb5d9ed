#include "converter/settings/dialog_keys.h"

#include "common/text_rules.h"

#include <initializer_list>
#include <utility>

namespace quantora {
namespace {

// One character of UTF-8 text: its lead byte and the continuation bytes.
std::string firstCharacter(std::string_view text) {
    if (text.empty())
        return {};
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return std::string(text.substr(0, length));
}

// Letters match in either case.
bool sameKey(std::string_view typed, std::string_view key) {
    const std::string first = firstCharacter(typed);
    return !key.empty() && common::toUpperAscii(first) == common::toUpperAscii(key);
}

template <typename Field>
Field firstMatch(std::string_view typed, std::initializer_list<std::pair<std::string, Field>> keys) {
    for (const auto& [key, field] : keys) {
        if (sameKey(typed, key))
            return field;
    }
    return Field::None;
}

}  // namespace

std::string accessKeyOf(std::string_view title) {
    return firstCharacter(common::accessLetter(title));
}

UnitDialogField unitDialogKey(std::string_view typed, const std::array<std::string, 4>& titles) {
    using F = UnitDialogField;
    return firstMatch<F>(typed, {{"P", F::PropertiesPage},
                                 {accessKeyOf(titles[3]), F::MemoPage},
                                 {accessKeyOf(titles[0]), F::Name},
                                 {"V", F::Rate},
                                 {"E", F::RateError},
                                 {"A", F::Offset},
                                 {"R", F::OffsetError},
                                 {"I", F::Icon}});
}

ConstantDialogField constantDialogKey(std::string_view typed, const std::array<std::string, 4>& titles) {
    using F = ConstantDialogField;
    return firstMatch<F>(typed, {{"P", F::PropertiesPage},
                                 {accessKeyOf(titles[3]), F::MemoPage},
                                 {accessKeyOf(titles[0]), F::Name},
                                 {accessKeyOf(titles[1]), F::Value},
                                 {accessKeyOf(titles[2]), F::Unit},
                                 {"I", F::Icon}});
}

CategoryDialogField categoryDialogKey(std::string_view typed) {
    using F = CategoryDialogField;
    return firstMatch<F>(typed, {{"I", F::Icon}, {"N", F::Name}});
}

ReferenceDialogField referenceDialogKey(std::string_view typed) {
    using F = ReferenceDialogField;
    return firstMatch<F>(typed, {{"N", F::Name}, {"V", F::Value}});
}

int listHeaderDialogKey(std::string_view typed) {
    const std::string first = firstCharacter(typed);
    if (first.size() == 1 && first[0] >= '1' && first[0] <= '4')
        return first[0] - '1';
    return sameKey(typed, "R") ? 0 : -1;
}

}  // namespace quantora
