#pragma once
// The converter's arithmetic. A value v in a unit is rate * v + offset on the
// quantity's reference scale, so converting from unit A into unit B is
// (rateA * v + offsetA - offsetB) / rateB. The unit fields are text and become
// numbers here, at the moment of use, each through commaToDot.
//
// Doubles do not trap: every operand and result is checked, and an overflow,
// a division by zero or an invalid operation is reported as a fault that the
// caller turns into InvalidFactorsNotice().

#include "common/notice.h"
#include "converter/table/conversion_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// "The conversion factors currently used seem to be invalid."
common::Notice invalidFactorsNotice();

// The convert-from and convert-into units of the selected quantity.
struct UnitPair {
    const UnitItem* from = nullptr;
    const UnitItem* into = nullptr;
};

// The quantity and the two units a conversion uses, by position.
struct UnitChoice {
    int quantity = 0;
    int from = 0;
    int into = 0;
};

// No value unless the quantity is one of the table and both units name one
// of its units (1..UnitCount).
std::optional<UnitPair> selectedUnits(const ConversionTable& table, const UnitChoice& choice);

struct ConvertResult {
    double value = 0;    // the converted value; not meaningful after a fault
    bool fault = false;  // arithmetic fault: show InvalidFactorsNotice()
};

// The four numbers of a unit pair, read once, for converting many values.
class LinearFactors {
public:
    LinearFactors(const UnitItem& from, const UnitItem& into);

    // A convert-into rate of zero (blank or non-numeric included) gives 0.
    ConvertResult apply(double value) const;
    // False when a rate or offset is beyond the double range.
    bool valid() const { return m_valid; }

private:
    double m_rateFrom = 0, m_offsetFrom = 0, m_rateInto = 0, m_offsetInto = 0;
    bool m_valid = true;
};

// Converts the input text (its leading number, "." as decimal point) (pConvert).
ConvertResult convert(const UnitItem& from, const UnitItem& into, std::string_view input);

// The uncertainty of the conversion of input: "±" and three significant
// digits ("±1.25E-03"), or "±0" when the rates share their digits (a decimal
// shift) and both offsets are 0. A blank rate or offset error counts as half a
// unit of the field's last written digit; an inexact input (inputExact
// false) adds half a unit of its own last digit. No value: an arithmetic fault,
// the caller keeps its error text and shows InvalidFactorsNotice() (pGetErrString).
std::optional<std::string> errorEstimate(const UnitItem& from, const UnitItem& into, std::string_view input,
                                         bool inputExact);

// Half a unit of the last written digit: "1.23" gives 0.005, "1500" gives 0.5,
// "1.5E3" gives 50; a text without a non-zero digit gives 0 (pRoundError).
double roundingError(std::string_view text);

// Fahrenheit and Celsius are stored against kelvin with truncated offsets
// ("255.3722...", "273.15"); a result between them smaller than one unit of
// the last shown digit (1 / 10^(Digits - 1)) is that residue and becomes 0
// with the error text "±0". Only for exact inputs (pSpecialTempConv).
void specialTemperatureConversion(double& result, std::string& errorText, const UnitItem& from,
                                  const UnitItem& into, std::int16_t digits);

// The text with its first "." removed (pRemoveDot).
std::string removeDot(std::string_view text);

}  // namespace quantora
