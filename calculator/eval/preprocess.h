#pragma once
// Pre-processing: the typed text rewritten into the plain syntax the evaluator
// understands. Plain text replacements only; nothing is evaluated here.
//
//   brackets {} [] -> ()   blanks removed   lower case, "exp" -> "e_p"
//   "expr:x:y:z" -> values substituted for x, y, z
//   named constants -> numeric text   ".5" -> "0.5"   "2*-3" -> "2*(-3)"
//
// Replacements resume after the inserted text (common::replaceAll), so an
// argument value that contains the letter it replaces (a y value holding
// "$yd") is inserted once and the substitution always ends.

#include <optional>
#include <string>
#include <string_view>

#include "calculator/eval/named_constants.h"

namespace tallix {

struct ArgumentSplit {
    std::string expression;  // the text before the first ":"
    std::string x, y, z;     // trimmed; a value beginning with "-" is bracketed
};

// Splits "expression:x:y:z". Fewer values are allowed (missing ones are empty).
// A fourth value gives no result: the failure escapes to the evaluation cycle.
std::optional<ArgumentSplit> splitExpr(std::string_view text);

// Brackets a sign and the number after "^", "*" or "/": 2*-3 -> 2*(-3),
// 2^-1 -> 2^(-1). Only a plain number can follow the sign.
std::string procSubseq(std::string_view text);

// The whole pre-processing. No result when SplitExpr fails (more than three
// argument values).
std::optional<std::string> preProc(std::string_view text, const NamedConstantTable& constants);

}  // namespace tallix
