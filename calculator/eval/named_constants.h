#pragma once
// The named constants of typed expressions ("pi", "$gal", ...), replaced by their
// numeric text before the evaluator sees the expression.

#include <array>
#include <string>
#include <string_view>

namespace tallix {

struct NamedConstant {
    std::string name;  // lower case; matched in the lower-cased text
    std::string text;  // inserted as written
};

// In replacement order: where one name begins another the longer one comes
// first ("$galuk" before "$gal", "$lbf" before "$lb", "$galuk", "$gal" and
// "$deg" before "$g").
using NamedConstantTable = std::array<NamedConstant, 20>;

// Builds the table once at start-up; the five computed values are written as
// plain number text without blanks (pi, pi/180, 1852/3600, 4414.353687362081/4.1868, 5/9).
NamedConstantTable makeNamedConstants(double pi);

}  // namespace tallix
