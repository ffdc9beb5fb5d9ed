#pragma once
// The conversion engine. One path from the convert-from text to the
// convert-into text:
//   typed text -> number system (convertNumberSystem, number_input.h) or
//   "?" mark -> separator check -> comma to dot -> syntax check (number_input.h)
//   -> convert -> error estimate -> temperature snap (linear_conversion.h)
//   -> notation (result_format.h) -> display text (decimal comma on a comma
//   platform, the last step).
// The window calls runConversion and shows what it returns. Batch runs
// (batch_conversion.h) use the same conversion and notation over a data file;
// table_report.h writes the printed listing of the table.

#include "common/decimal_separator.h"
#include "common/notice.h"
#include "converter/engine/linear_conversion.h"
#include "converter/engine/result_format.h"  // NotationOptions
#include "converter/table/conversion_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

struct ConversionRequest {
    const ConversionTable& table;
    UnitChoice units;
    bool numberSystem = false;   // the Number System quantity: bases, not rates
    std::string_view inputText;  // txtInput as typed
    NotationOptions notation;
    bool showError = false;
    common::DecimalSeparator separator = common::DecimalSeparator::Dot;
};

// What the window shows after a conversion. The core shows nothing itself.
struct ConversionOutcome {
    std::string output;               // txtOutput
    std::optional<std::string> dest;  // new txtDest; no value: leave it as it is
    // The typed value carried no rounding of its own (pfInputExact).
    bool inputExact = true;
    bool showDecimalSepHint = false;  // hint 5: the separator the platform does not use was typed
    common::Notices notices;          // "The conversion factors currently used seem to be invalid."
};

// Runs after every change that can alter the result. No unit chosen (or the
// selection names no units of the table), an empty or sign-only input: empty
// output. Malformed input: "Input error". An arithmetic fault in the
// conversion itself clears the output and the bare result and adds the
// invalid-factors notice; one in the error estimate leaves the error text
// empty (the output then ends in one blank) (pExecConversion).
ConversionOutcome runConversion(const ConversionRequest& request);

// The value part of a shown result: what stands before the blank ahead of
// its first "±" (the whole text without one), blanks trimmed. txtDest holds
// it; the copy command puts it on the clipboard.
std::string bareResult(std::string_view output);

}  // namespace quantora
