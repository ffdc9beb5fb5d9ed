// The batch data file: reading it and one run. The read keeps every
// non-blank line; a run loses no value line, each line but the first keeps
// its bytes with the new column after it, the file keeps its encoding (unless
// the new unit's name cannot be written in it), and reading the file again
// gives the lines the run left in memory. A failed run leaves the file as it
// was.
//
// Input: three bytes of run options, then the file.

#include "common/decimal_separator.h"
#include "common/numeric_text.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/batch_conversion.h"
#include "fuzz_support.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace quantora;

namespace {

// Quantities with ASCII, Windows-1252 and wider unit names, and factors a
// run cannot use.
const ConversionTable& batchTable() {
    static const ConversionTable table = [] {
        ConversionTable t;
        auto set = [&t](int q, const char* name, const std::vector<UnitItem>& units) {
            t.quantity(q).icon = 1;
            t.quantity(q).name = name;
            t.quantity(q).unitCount = static_cast<std::int16_t>(units.size());
            for (std::size_t j = 0; j < units.size(); ++j)
                t.unit(q, static_cast<int>(j) + 1) = units[j];
        };
        auto unit = [](const char* name, const char* rate, const char* offset) {
            return UnitItem{1, name, rate, offset, "", "", ""};
        };
        set(1, "Length",
            {unit("m", "1", "0"), unit("mm", "0.001", "0"), unit("km", "1000", "0"),
             unit("meter (m)", "1", "0"), unit("inch (in)", "0.0254", "0"), unit("Fu\xC3\x9F", "0.3048", "0"),
             unit("\xE2\x84\xAB", "1e-10", "0")});
        set(2, "Temperature",
            {unit("K", "1", "0"),
             unit("\xC2\xB0"
                  "C",
                  "1", "273.15"),
             unit("\xC2\xB0"
                  "F",
                  "0.555555555555556", "255.372222222222")});
        set(3, "Resistance", {unit("\xCE\xA9", "1", "0"), unit("k\xCE\xA9", "1000", "0")});
        set(4, "Odd", {unit("ten", "10", "0"), unit("huge", "1e999", "0"), unit("none", "", "")});
        t.quantityCount = 4;
        return t;
    }();
    return table;
}

// The non-blank lines of the file's bytes, split where the reader splits.
std::vector<std::string_view> nonBlankLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    auto take = [&](std::size_t end) {
        const std::string_view line = bytes.substr(start, end - start);
        if (!common::trimBlanks(line).empty())
            lines.push_back(line);
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        take(i);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        take(bytes.size());
    return lines;
}

enum class Encoding { Ascii, Utf8, Windows1252 };

Encoding encodingOf(std::string_view bytes) {
    if (common::isAscii(bytes))
        return Encoding::Ascii;
    return common::isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

std::string asText(std::string_view bytes, Encoding encoding) {
    return encoding == Encoding::Windows1252 ? common::windows1252ToUtf8(bytes) : std::string(bytes);
}

// The lines a run wrote: every one ended by CR LF, none holding another line end.
std::vector<std::string_view> writtenLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        FUZZ_CHECK(end != std::string_view::npos, "the last line has no CR LF: " + fuzz::escaped(bytes));
        const std::string_view line = bytes.substr(start, end - start);
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos,
                   "a written line holds a line end: " + fuzz::escaped(line));
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// Line k of the new file: the old line (in the old bytes or as text), its
// first field closed, one blank, the added column and ";".
void checkLine(std::string_view written, std::string_view old, std::size_t k,
               common::DecimalSeparator separator) {
    FUZZ_CHECK(written.substr(0, old.size()) == old, "line " + std::to_string(k + 1) +
                                                         " lost its bytes: " + fuzz::escaped(old) +
                                                         " became " + fuzz::escaped(written));
    std::string_view added = written.substr(old.size());
    if (old.find(';') == std::string_view::npos) {
        FUZZ_CHECK(added.starts_with(";"), "the first field of line " + std::to_string(k + 1) +
                                               " is not closed: " + fuzz::escaped(written));
        added.remove_prefix(1);
    }
    FUZZ_CHECK(added.size() >= 2 && added.front() == ' ' && added.back() == ';',
               "line " + std::to_string(k + 1) + " got no column: " + fuzz::escaped(written));
    const std::string_view column = added.substr(1, added.size() - 2);
    if (k == 1)
        return;
    const std::string number = common::commaToDot(column);
    FUZZ_CHECK(
        common::strictDecimalValue(number).has_value() &&
            (separator == common::DecimalSeparator::Comma || column.find(',') == std::string_view::npos),
        "line " + std::to_string(k + 1) + " got no number: " + fuzz::escaped(written));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t choice = input.byte();
    const std::uint8_t digits = input.byte();
    const std::uint8_t sciDigits = input.byte();
    const std::string_view bytes = input.rest();
    const ConversionTable& table = batchTable();
    const std::string path = fuzz::ScratchFolder::get().file("batch.txt");
    fuzz::writeFile(path, bytes);

    common::Outcome<BatchData> read = readBatchDataFile(path, table);
    const std::vector<std::string_view> oldLines = nonBlankLines(bytes);
    const Encoding oldEncoding = encodingOf(bytes);
    if (!read) {
        FUZZ_CHECK(fuzz::readFile(path) == bytes, "a failed read changed the file");
        return 0;
    }
    BatchData batch = read.take();
    FUZZ_CHECK(batch.lineCount() == oldLines.size(), "the read kept " + std::to_string(batch.lineCount()) +
                                                         " of " + std::to_string(oldLines.size()) +
                                                         " non-blank lines");
    for (std::size_t k = 0; k < oldLines.size(); ++k) {
        FUZZ_CHECK(batch.line(k) == asText(oldLines[k], oldEncoding),
                   "line " + std::to_string(k + 1) + " read as " + fuzz::escaped(batch.line(k)));
    }

    const int unitCount = table.quantity(batch.quantity).unitCount;
    const UnitChoice units{batch.quantity, batch.convertFrom, choice % 8 % unitCount + 1};
    NotationOptions notation;
    notation.digits = static_cast<std::int16_t>(digits % 18 - 1);
    notation.sciDigits = static_cast<std::int8_t>(sciDigits);
    notation.integer = choice >> 3 & 1;
    notation.numFormat = choice >> 4 & 1;
    const auto separator =
        (choice & 0x20) != 0 ? common::DecimalSeparator::Comma : common::DecimalSeparator::Dot;

    const common::Outcome<BatchRun> run = runBatchConversion(batch, table, units, notation, separator);
    const std::string written = fuzz::readFile(path);
    if (!run || run.value() != BatchRun::Completed) {
        FUZZ_CHECK(written == bytes, "a run that did not complete changed the file");
        return 0;
    }

    // Line 1 names the quantity; every other line keeps what it held.
    const std::string& intoName = table.unit(units.quantity, units.into).name;
    const bool mustWiden = oldEncoding == Encoding::Windows1252 && !common::fitsWindows1252(intoName);
    const Encoding newEncoding = encodingOf(written);
    FUZZ_CHECK(
        mustWiden ? newEncoding == Encoding::Utf8
                  : oldEncoding == Encoding::Ascii || newEncoding == oldEncoding,
        "the run changed the file's encoding: " + fuzz::escaped(bytes) + " became " + fuzz::escaped(written));
    const std::vector<std::string_view> newLines = writtenLines(written);
    FUZZ_CHECK(newLines.size() == oldLines.size(), "the run wrote " + std::to_string(newLines.size()) +
                                                       " lines for " + std::to_string(oldLines.size()));
    FUZZ_CHECK(asText(newLines[0], newEncoding) == table.quantity(units.quantity).name,
               "line 1 does not name the quantity: " + fuzz::escaped(newLines[0]));
    FUZZ_CHECK(asText(newLines[1], newEncoding).ends_with(" " + intoName + ";"),
               "line 2 does not end with the new unit: " + fuzz::escaped(newLines[1]));
    for (std::size_t k = 1; k < newLines.size(); ++k) {
        if (mustWiden) {
            checkLine(asText(newLines[k], newEncoding), asText(oldLines[k], oldEncoding), k, separator);
        } else {
            checkLine(newLines[k], oldLines[k], k, separator);
        }
    }

    // The next run starts from the file: it must read as the run left it.
    common::Outcome<BatchData> reread = readBatchDataFile(path, table);
    FUZZ_CHECK(reread.ok(), "the file a run wrote does not read: " + fuzz::escaped(written));
    FUZZ_CHECK(reread.value().text == batch.text,
               "the file reads back other lines than the run kept: " + fuzz::escaped(written));
    return 0;
}
