#include "converter/engine/batch_conversion.h"

#include "common/file_access.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/linear_conversion.h"
#include "converter/engine/number_input.h"
#include "converter/table/table_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace quantora {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kBlockSize = 1 << 20;

// Collects the non-blank lines of a file read block by block. A line may
// span blocks, so the unfinished tail is carried into the next block.
class LineCollector {
public:
    explicit LineCollector(BatchData& data) : m_data(data) {}

    void feed(std::string_view block) {
        // Most files are ASCII: a block without high bytes needs no per-line test.
        m_blockAscii = common::isAscii(block);
        std::size_t i = 0;
        if (m_pendingCr) {  // the LF of a CR LF split between blocks
            m_pendingCr = false;
            if (!block.empty() && block.front() == '\n')
                i = 1;
        }
        std::size_t start = i;
        for (; i < block.size(); ++i) {
            const char c = block[i];
            if (c != '\n' && c != '\r')
                continue;
            finishLine(block.substr(start, i - start));
            if (c == '\r') {
                if (i + 1 == block.size()) {
                    m_pendingCr = true;
                } else if (block[i + 1] == '\n') {
                    ++i;
                }
            }
            start = i + 1;
        }
        if (start < block.size()) {
            m_carry.append(block.substr(start));
            m_carryAscii = m_carryAscii && m_blockAscii;
        }
    }

    void finish() {
        if (!m_carry.empty())
            finishLine({});
    }

    bool anyNonAscii() const { return m_anyNonAscii; }
    bool validUtf8() const { return m_validUtf8; }

private:
    void finishLine(std::string_view tail) {
        std::string_view line = tail;
        bool ascii = m_blockAscii;
        if (!m_carry.empty()) {
            m_carry.append(tail);
            line = m_carry;
            ascii = ascii && m_carryAscii;
        }
        if (!common::trimBlanks(line).empty()) {
            // Line ends are ASCII and never inside a UTF-8 sequence, so each
            // line can be judged on its own.
            if (!ascii && !common::isAscii(line)) {
                m_anyNonAscii = true;
                if (m_validUtf8 && !common::isValidUtf8(line))
                    m_validUtf8 = false;
            }
            m_data.lineStarts.push_back(m_data.text.size());
            m_data.text.append(line);
            m_data.text.append(kLineEnd);
        }
        m_carry.clear();
        m_carryAscii = true;
    }

    BatchData& m_data;
    std::string m_carry;
    bool m_pendingCr = false;
    bool m_blockAscii = true;
    bool m_carryAscii = true;
    bool m_anyNonAscii = false;
    bool m_validUtf8 = true;
};

std::vector<std::size_t> lineStartsOf(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < text.size();) {
        starts.push_back(pos);
        const auto end = text.find(kLineEnd, pos);
        if (end == std::string::npos)
            break;
        pos = end + kLineEnd.size();
    }
    return starts;
}

bool readLines(const std::string& path, BatchData& data) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) {
        // Room for the lines with CR LF ends; a short guess is only slower.
        data.text.reserve(static_cast<std::size_t>(size + size / 4 + 16));
        data.lineStarts.reserve(static_cast<std::size_t>(size / 8 + 2));
    }
    LineCollector collector(data);
    std::string block(kBlockSize, '\0');
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        collector.feed(std::string_view(block.data(), got));
    }
    if (in.bad())
        return false;
    collector.finish();
    if (collector.anyNonAscii()) {
        data.utf8File = collector.validUtf8();
        if (!data.utf8File) {
            data.text = common::windows1252ToUtf8(data.text);
            data.lineStarts = lineStartsOf(data.text);
        }
    }
    return true;
}

// The first ";" field of a line, blanks trimmed.
std::string_view firstField(std::string_view line) {
    return common::trimBlanks(line.substr(0, line.find(';')));
}

std::int16_t unitIndexByName(const ConversionTable& table, int group, std::string_view name) {
    const int count = std::min<int>(table.quantity(group).unitCount, table.unitDimension());
    for (int j = 1; j <= count; ++j) {
        if (table.unit(group, j).name == name)
            return static_cast<std::int16_t>(j);
    }
    return -1;
}

// A file without any write permission is read-only: it is not replaced.
bool writable(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::perms perms = fs::status(path, ec).permissions();
    if (ec)
        return false;
    const fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((perms & anyWrite) == fs::perms::none)
        return false;
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    return probe.is_open();
}

// The line as read; a line whose first field is not closed by ";" gets one,
// so that the columns appended after it never become part of that field
// (blanks inside a number are skipped: "1 1000.00" would read as 11000).
void appendLine(std::string& out, std::string_view line) {
    out += line;
    if (line.find(';') == std::string_view::npos)
        out += ';';
}

void appendResult(std::string& out, double value, const NotationOptions& notation,
                  common::DecimalSeparator separator) {
    const std::string text = formatResult(value, notation);
    if (separator == common::DecimalSeparator::Dot) {
        out += text;
    } else {
        out += common::dotToComma(text, separator);
    }
}

}  // namespace

std::string_view BatchData::line(std::size_t i) const {
    const std::size_t start = lineStarts.at(i);
    const std::size_t end = i + 1 < lineStarts.size() ? lineStarts[i + 1] : text.size();
    std::string_view view(text.data() + start, end - start);
    if (view.size() >= kLineEnd.size() && view.substr(view.size() - kLineEnd.size()) == kLineEnd) {
        view.remove_suffix(kLineEnd.size());
    }
    return view;
}

common::Notice batchReadFailure(std::string_view marker) {
    return common::Notice{common::NoticeIcon::Critical, " Quantora 2000",
                          "An error occurred while reading the batch conversion data file.\r\nError Code = " +
                              std::string(marker)};
}

common::Notice batchWriteFailure() {
    return common::Notice{common::NoticeIcon::Exclamation, " Quantora 2000",
                          "The batch conversion data file is read-only or contains incorrect data."};
}

common::Outcome<BatchData> readBatchDataFile(const std::string& path, const ConversionTable& table) {
    using Read = common::Outcome<BatchData>;
    std::string_view marker = "1113 1902 0301";
    try {
        BatchData data;
        data.path = path;
        marker = "1113 1902 0302";
        if (!readLines(path, data)) {
            return Read::failure(batchReadFailure(marker));
        }
        marker = "1113 1902 0305";
        if (data.lineCount() < 2) {
            return Read::failure(batchReadFailure(marker));
        }
        const std::string quantityName = common::trimmed(data.line(0));
        const std::string unitName = common::trimmed(fieldOf(data.line(1), 1, 1));

        marker = "1113 1902 0306";
        const std::int16_t group = table.quantityIndexOf(quantityName);
        if (group < 1 || group > table.quantityCount) {
            return Read::failure(batchReadFailure("1113 1902 0307"));
        }
        marker = "1113 1902 0307";
        // Only the quantity's own units: an empty name or a record left
        // beyond the unit count must not become the convert-from unit.
        const std::int16_t unit = unitIndexByName(table, group, unitName);
        if (unit < 1) {
            return Read::failure(batchReadFailure("1113 1902 0308"));
        }
        data.quantity = group;
        data.convertFrom = unit;
        return Read::success(std::move(data));
    } catch (const std::exception&) {
        return Read::failure(batchReadFailure(marker));
    }
}

common::Outcome<BatchRun> runBatchConversion(BatchData& data, const ConversionTable& table,
                                             const UnitChoice& choice, const NotationOptions& notation,
                                             common::DecimalSeparator separator,
                                             const BatchProgress& progress) {
    using Run = common::Outcome<BatchRun>;
    const auto goOn = [&progress, &data](std::size_t done) {
        return !progress || progress(done, data.lineCount());
    };
    try {
        const std::optional<UnitPair> units = selectedUnits(table, choice);
        if (!units || data.lineCount() < 2) {
            return Run::failure(batchWriteFailure());
        }
        const LinearFactors factors(*units->from, *units->into);
        if (!factors.valid()) {
            return Run::failure(invalidFactorsNotice());
        }

        std::string out;
        out.reserve(data.text.size() + data.lineCount() * 16 + 64);
        std::vector<std::size_t> starts;
        starts.reserve(data.lineCount());

        starts.push_back(out.size());
        out += table.quantity(choice.quantity).name;
        out += kLineEnd;
        starts.push_back(out.size());
        appendLine(out, data.line(1));
        out += ' ';
        out += units->into->name;
        out += ';';
        out += kLineEnd;

        for (std::size_t k = 2; k < data.lineCount(); ++k) {
            if (k % kBatchProgressStep == 0 && !goOn(k)) {
                return Run::success(BatchRun::Cancelled);
            }
            const std::string_view line = data.line(k);
            const std::string_view field = firstField(line);
            const double value = field.find(',') == std::string_view::npos
                                     ? leadingNumber(field)
                                     : leadingNumber(common::commaToDot(field));
            const ConvertResult result = factors.apply(value);
            if (result.fault) {  // a value beyond the double range, or a result beyond it
                return Run::failure(batchWriteFailure());
            }
            starts.push_back(out.size());
            appendLine(out, line);
            out += ' ';
            appendResult(out, result.value, notation, separator);
            out += ';';
            out += kLineEnd;
        }

        if (!goOn(data.lineCount())) {
            return Run::success(BatchRun::Cancelled);
        }
        if (!writable(data.path)) {
            return Run::failure(batchWriteFailure());
        }
        const bool ascii = common::isAscii(out);
        bool asUtf8 = data.utf8File || ascii || !common::fitsWindows1252(out);
        std::string bytes;
        if (!asUtf8) {
            bytes = common::utf8ToWindows1252(out);
            // Windows-1252 bytes that pass for UTF-8 (an ASCII file given a
            // unit "Fu\xDF\xB2") would be read back as other text.
            asUtf8 = common::isValidUtf8(bytes);
        }
        std::string error;
        const bool written = common::fileio::replaceFile(data.path, asUtf8 ? out : bytes, error, false);
        if (!written) {
            return Run::failure(batchWriteFailure());
        }
        // A Windows-1252 file that now needs characters outside that code page
        // was written as UTF-8 and stays so.
        if (!ascii && asUtf8)
            data.utf8File = true;
        data.text = std::move(out);
        data.lineStarts = std::move(starts);
        return Run::success(BatchRun::Completed);
    } catch (const std::exception&) {
        return Run::failure(batchWriteFailure());
    }
}

}  // namespace quantora
