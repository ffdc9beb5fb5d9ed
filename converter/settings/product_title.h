#pragma once
// The product's title in the three spellings people see: the bare name (the
// settings application, error and About boxes), the window caption with one
// trailing blank, and the title of notices with one leading blank.

#include <string_view>

namespace quantora {

inline constexpr std::string_view kProductName = "Quantora 2000";
inline constexpr std::string_view kCaptionTitle = "Quantora 2000 ";
inline constexpr std::string_view kNoticeTitle = " Quantora 2000";

}  // namespace quantora
