#pragma once
// Text inside the programs is UTF-8; table files are Windows-1252 unless they
// already are valid UTF-8 with non-ASCII text.

#include <string>
#include <string_view>

namespace common {

// The sign that prefixes an error estimate (byte 177 in Windows-1252).
inline constexpr std::string_view kPlusMinus = "\xC2\xB1";

bool isValidUtf8(std::string_view bytes);
bool isAscii(std::string_view bytes);

// Every byte is one character; the five undefined bytes become the control
// characters U+0081, U+008D, U+008F, U+0090 and U+009D, which
// utf8ToWindows1252 turns back into the same bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte become "?". Invalid UTF-8 bytes are
// taken as Windows-1252 bytes unchanged.
std::string utf8ToWindows1252(std::string_view text);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool fitsWindows1252(std::string_view text);

}  // namespace common
