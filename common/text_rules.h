#pragma once
// Small text rules both programs share.

#include <string>
#include <string_view>

namespace common {

// Every occurrence of search replaced, scanning from the left; the next search
// starts after the inserted replacement, so a replacement that contains the
// search text cannot make it loop. An empty search text changes nothing (pReplaceAll).
std::string replaceAll(std::string_view text, std::string_view search, std::string_view replacement);

// The part of a caption after its first "&"; empty without "&" or when the
// caption ends with it. Its first character is the field's access key (pAccelLetter).
std::string accessLetter(std::string_view caption);

// Removes leading and trailing blanks (space and tab).
std::string_view trimBlanks(std::string_view text);
std::string trimmed(std::string_view text);

// ASCII case mapping; other bytes are left as they are.
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

bool startsWith(std::string_view text, std::string_view prefix);

}  // namespace common
