#include "converter/table/table_file.h"

#include "common/file_access.h"
#include "common/numeric_text.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/settings/product_title.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

namespace quantora {
namespace {

constexpr std::string_view kTerminator = ";E;";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string limitText(std::string_view what, int limit) {
    return "The number of " + std::string(what) + " exceeds the limit (" + std::to_string(limit) + ").";
}

common::Notice exclamation(std::string text) {
    return common::Notice{common::NoticeIcon::Exclamation, std::string(kNoticeTitle), std::move(text)};
}

// A read failure: the message in force when it happened.
struct ReadFailure {
    std::string message;
};

// Walks the non-blank lines of the file, failing with the section's message
// when it runs off the end or past the line bound.
class LineCursor {
public:
    LineCursor(const std::vector<std::string_view>& lines, int bound) : m_lines(lines), m_bound(bound) {}

    std::string_view current(const std::string& message) const {
        if (m_pos >= m_lines.size())
            throw ReadFailure{message};
        return m_lines[m_pos];
    }
    void advance() { ++m_pos; }
    void advanceWithinBound(const std::string& message) {
        ++m_pos;
        if (static_cast<long long>(m_pos) > m_bound)
            throw ReadFailure{message};
    }

private:
    const std::vector<std::string_view>& m_lines;
    int m_bound;
    std::size_t m_pos = 0;
};

std::int16_t strictField(std::string_view line, int n, int count, const std::string& message) {
    const auto value = common::strictWholeNumber(fieldOf(line, n, count));
    if (!value)
        throw ReadFailure{message};
    return *value;
}

std::int16_t lenientField(std::string_view line, int n, int count, const std::string& message) {
    const auto value = common::lenientWholeNumber(fieldOf(line, n, count));
    if (!value)
        throw ReadFailure{message};
    return *value;
}

// The lines the sections are read from: blank ones take no position.
std::vector<std::string_view> nonBlankLines(std::string_view text) {
    std::vector<std::string_view> lines = tableLines(text);
    std::erase_if(lines, isBlankLine);
    return lines;
}

void readCategories(ConversionTable& table, LineCursor& cursor) {
    const std::string message = limitText("categories", table.limits().maxCategory);
    int count = 0;
    for (;;) {
        const std::string_view line = cursor.current(message);
        if (isTerminatorLine(line))
            break;
        ++count;
        if (count > table.limits().maxCategory)
            throw ReadFailure{message};
        Category& category = table.category(count);
        category.icon = strictField(line, 1, 3, message);
        category.name = fieldOf(line, 2, 3);
        category.expandedFlag = lenientField(line, 3, 3, message);
        cursor.advance();
    }
    table.categoryCount = static_cast<std::int16_t>(count);
    cursor.advance();
}

std::string allocationError(int entry) {
    return "The node allocation entry " + std::to_string(entry) +
           " of this file names no quantity or no parent node it can have.";
}

// Entries that would place a quantity twice, name a quantity the file does
// not hold or hang it from a node that is not a category make the tree
// unbuildable, so they fail the read.
void checkAllocation(const ConversionTable& table, int entry, std::vector<bool>& placed) {
    const NodeAllocationEntry& current = table.allocation(entry);
    const bool quantityOk = current.quantityNo >= 1 && current.quantityNo <= table.quantityCount &&
                            !placed[static_cast<std::size_t>(current.quantityNo)];
    const bool parentOk = current.parentNode >= 1 && current.parentNode <= table.categoryCount + 1 &&
                          (entry == 1 || current.parentNode >= table.allocation(entry - 1).parentNode);
    if (!quantityOk || !parentOk)
        throw ReadFailure{allocationError(entry)};
    placed[static_cast<std::size_t>(current.quantityNo)] = true;
}

void readAllocation(ConversionTable& table, LineCursor& cursor) {
    const std::string message = limitText("groups", table.limits().maxQuantity);
    int count = 0;
    for (;;) {
        const std::string_view line = cursor.current(message);
        if (isTerminatorLine(line))
            break;
        ++count;
        if (count > table.limits().maxQuantity)
            throw ReadFailure{message};
        NodeAllocationEntry& entry = table.allocation(count);
        entry.quantityNo = lenientField(line, 1, 3, message);
        entry.parentNode = lenientField(line, 2, 3, message);
        cursor.advance();
    }
    table.allocationCount = static_cast<std::int16_t>(count);
    std::vector<bool> placed(static_cast<std::size_t>(std::max<int>(0, table.quantityCount)) + 1, false);
    for (int m = 1; m <= count; ++m)
        checkAllocation(table, m, placed);
    cursor.advance();
}

void readReferences(ConversionTable& table, int k, std::string_view line, const std::string& message,
                    common::Notices& notices) {
    const int z = countFields(line);
    if (z < 8)
        return;
    const auto refCount = static_cast<int>(common::roundHalfEven((z - 7) / 2.0));
    if (z % 2 == 0)
        notices.push_back(exclamation("A pair of the reference data does not have its value."));
    if (z >= 48)
        notices.push_back(exclamation(limitText("reference data", kMaxReferenceItems)));
    if (refCount > kMaxReferenceItems)
        throw ReadFailure{message};
    Quantity& quantity = table.quantity(k);
    quantity.refCount = static_cast<std::int16_t>(refCount);
    for (int i = 1; i <= refCount; ++i) {
        quantity.references[static_cast<std::size_t>(i)] =
            ReferenceItem{fieldOf(line, 2 * i + 6, z), fieldOf(line, 2 * i + 7, z)};
    }
}

void readQuantities(ConversionTable& table, LineCursor& cursor, common::Notices& notices) {
    const int maxUnit = table.limits().maxUnit;
    const std::string message = limitText("unit items", maxUnit);
    for (int k = 1; k <= table.quantityCount; ++k) {
        const std::string_view header = cursor.current(message);
        Quantity& quantity = table.quantity(k);
        quantity.icon = strictField(header, 1, 3, message);
        quantity.name = fieldOf(header, 2, 3);
        quantity.unitCount = strictField(header, 3, 3, message);
        // A count the storage cannot honour would leave units nobody can reach.
        if (quantity.unitCount < 0 || quantity.unitCount > maxUnit)
            throw ReadFailure{message};
        table.setUnitCapacity(std::max(quantity.unitCount, table.unitCapacity()));
        cursor.advance();

        for (int j = 1;; ++j) {
            const std::string_view line = cursor.current(message);
            if (isTerminatorLine(line))
                break;
            if (j > maxUnit || j > table.unitDimension())
                throw ReadFailure{message};
            UnitItem& unit = table.unit(k, j);
            unit.icon = strictField(line, 1, 7, message);
            unit.name = fieldOf(line, 2, 7);
            unit.rate = fieldOf(line, 3, 7);
            unit.offset = fieldOf(line, 4, 7);
            unit.rateError = fieldOf(line, 5, 7);
            unit.offsetError = fieldOf(line, 6, 7);
            unit.memo = fieldOf(line, 7, 7);
            if (j == 1)
                readReferences(table, k, line, message, notices);
            cursor.advanceWithinBound(message);
        }
        cursor.advanceWithinBound(message);
    }
}

}  // namespace

std::string fieldOf(std::string_view line, int n, int count) {
    if (n > count)
        n = count;
    if (n < 1)
        n = 1;
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const auto sep = line.find(';', start);
        if (sep == std::string_view::npos)
            return {};
        start = sep + 1;
    }
    const auto end = line.find(';', start);
    return std::string(
        line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

int countFields(std::string_view line) {
    int count = 1;
    for (char c : line) {
        if (c == ';')
            ++count;
    }
    return count;
}

std::vector<std::string_view> tableLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool isBlankLine(std::string_view line) {
    return common::trimBlanks(line).empty();
}

bool isTerminatorLine(std::string_view line) {
    return common::trimBlanks(line) == kTerminator;
}

std::size_t byteOrderMarkLength(std::string_view bytes) {
    return common::startsWith(bytes, kByteOrderMark) ? kByteOrderMark.size() : 0;
}

ConversionTable::FileEncoding detectedEncoding(std::string_view bytes) {
    using Encoding = ConversionTable::FileEncoding;
    const std::size_t mark = byteOrderMarkLength(bytes);
    const std::string_view body = bytes.substr(mark);
    if (mark > 0 && common::isValidUtf8(body))
        return Encoding::Utf8WithMark;
    if (common::isAscii(body) || !common::isValidUtf8(body))
        return Encoding::Windows1252;
    return Encoding::Utf8;
}

std::string tableFileText(std::string_view bytes) {
    const std::string_view body = bytes.substr(byteOrderMarkLength(bytes));
    if (detectedEncoding(bytes) == ConversionTable::FileEncoding::Windows1252 && !common::isAscii(body))
        return common::windows1252ToUtf8(body);
    return std::string(body);
}

std::string tableFileBytes(const std::string& text, ConversionTable::FileEncoding& encoding) {
    using Encoding = ConversionTable::FileEncoding;
    if (encoding == Encoding::Windows1252 && common::fitsWindows1252(text)) {
        std::string bytes = common::utf8ToWindows1252(text);
        // Windows-1252 bytes that happen to form UTF-8 ("Fu\xDF\xB2") would be
        // read back as UTF-8: such a table is written as UTF-8 instead.
        if (common::isAscii(bytes) || !common::isValidUtf8(bytes))
            return bytes;
    }
    if (encoding == Encoding::Utf8WithMark)
        return std::string(kByteOrderMark) + text;
    encoding = Encoding::Utf8;
    return text;
}

bool fileExists(const std::string& path) {
    return common::fileio::canRead(path);
}

std::string dirPathOf(std::string_view programDir) {
    std::string dir(programDir);
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string fileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

common::Outcome<ConversionTable> readTable(std::string path, const TableLimits& limits,
                                           std::string_view programDir, float twipsPerPixelX,
                                           float twipsPerPixelY) {
    common::Notices notices;
    ConversionTable table(limits);
    if (path.empty())
        path = dirPathOf(programDir) + std::string(kDefaultTableName);
    table.filePath = path;
    if (fileExists(path))
        common::fileio::makeWritable(path);

    std::string message =
        "'" + path + "'\r\nThis file does not exist or cannot be read. Please check the file name.";
    try {
        const std::optional<std::string> read = common::fileio::readAll(path);
        if (!read)
            throw ReadFailure{message};
        const std::string& bytes = *read;
        message = "PRTB01";
        table.fileEncoding = detectedEncoding(bytes);
        const std::string text = tableFileText(bytes);
        const std::vector<std::string_view> lines = nonBlankLines(text);

        int terminators = 0;
        for (const std::string_view line : lines) {
            if (isTerminatorLine(line))
                ++terminators;
        }
        const int quantityCount = terminators - 2;
        if (quantityCount > limits.maxQuantity)
            throw ReadFailure{limitText("groups", limits.maxQuantity)};
        table.quantityCount = static_cast<std::int16_t>(std::max(quantityCount, 0));
        common::fileio::makeReadOnly(path);

        LineCursor cursor(lines, limits.lineBound());
        readCategories(table, cursor);
        readAllocation(table, cursor);
        readQuantities(table, cursor, notices);
        table.setPixelRates(twipsPerPixelX, twipsPerPixelY);
    } catch (const ReadFailure& failure) {
        return common::Outcome<ConversionTable>::failure(exclamation(failure.message), std::move(notices));
    }
    return common::Outcome<ConversionTable>::success(std::move(table), std::move(notices));
}

std::string safeTableField(std::string_view text) {
    std::string safe = common::replaceAll(text, ";", ":");
    safe = common::replaceAll(safe, "\r\n", " ");
    for (char& c : safe) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return safe;
}

namespace {

bool unsafe(std::string_view field) {
    return field.find_first_of(";\r\n") != std::string_view::npos;
}

// Any text the file cannot hold as it stands, or a quantity name the header
// line would carry trimmed.
bool needsSafeText(const ConversionTable& table) {
    for (int c = 1; c <= table.categoryCount; ++c) {
        if (unsafe(table.category(c).name))
            return true;
    }
    for (int k = 1; k <= table.quantityCount; ++k) {
        const Quantity& quantity = table.quantity(k);
        if (unsafe(quantity.name) || quantity.name != common::trimmed(quantity.name))
            return true;
        for (int j = 1; j <= quantity.unitCount; ++j) {
            const UnitItem& unit = table.unit(k, j);
            for (const std::string* field :
                 {&unit.name, &unit.rate, &unit.offset, &unit.rateError, &unit.offsetError, &unit.memo}) {
                if (unsafe(*field))
                    return true;
            }
        }
        for (int i = 1; i <= quantity.refCount; ++i) {
            if (unsafe(table.reference(k, i).name) || unsafe(table.reference(k, i).value))
                return true;
        }
    }
    return false;
}

void makeFieldsSafe(ConversionTable& table) {
    auto fix = [](std::string& field) {
        if (unsafe(field))
            field = safeTableField(field);
    };
    for (int c = 1; c <= table.categoryCount; ++c)
        fix(table.category(c).name);
    for (int k = 1; k <= table.quantityCount; ++k) {
        Quantity& quantity = table.quantity(k);
        fix(quantity.name);
        // The header carries the name trimmed; keep the table equal to the file.
        quantity.name = common::trimmed(quantity.name);
        for (int j = 1; j <= quantity.unitCount; ++j) {
            UnitItem& unit = table.unit(k, j);
            for (std::string* field :
                 {&unit.name, &unit.rate, &unit.offset, &unit.rateError, &unit.offsetError, &unit.memo}) {
                fix(*field);
            }
        }
        for (int i = 1; i <= quantity.refCount; ++i) {
            fix(table.reference(k, i).name);
            fix(table.reference(k, i).value);
        }
    }
}

// Appends "a;b;c" and the line end, without temporaries: a full table has
// twenty thousand lines.
template <typename... Fields>
void appendLine(std::string& out, const Fields&... fields) {
    bool first = true;
    auto field = [&](const auto& value) {
        if (!first)
            out += ';';
        first = false;
        if constexpr (std::is_integral_v<std::decay_t<decltype(value)>>) {
            out += std::to_string(value);
        } else {
            out += value;
        }
    };
    (field(fields), ...);
    out += "\r\n";
}

std::string tableText(const ConversionTable& table, const NodeExpandedQuery& isExpanded) {
    std::string out;
    out.reserve(1024 * 1024);
    for (int c = 1; c <= table.categoryCount; ++c) {
        const Category& category = table.category(c);
        const bool expanded = isExpanded && isExpanded(table.categoryNode(c)).value_or(false);
        appendLine(out, category.icon, category.name, expanded ? "1" : "0");
    }
    appendLine(out, kTerminator);
    for (int m = 1; m <= table.allocationCount; ++m) {
        const NodeAllocationEntry& entry = table.allocation(m);
        appendLine(out, entry.quantityNo, entry.parentNode, table.quantity(entry.quantityNo).name);
    }
    appendLine(out, kTerminator);
    for (int k = 1; k <= table.quantityCount; ++k) {
        const Quantity& quantity = table.quantity(k);
        appendLine(out, quantity.icon, common::trimBlanks(quantity.name), quantity.unitCount);
        for (int j = 1; j <= quantity.unitCount; ++j) {
            const UnitItem& unit = table.unit(k, j);
            appendLine(out, unit.icon, unit.name, unit.rate, unit.offset, unit.rateError, unit.offsetError,
                       unit.memo);
            if (j != 1)
                continue;
            // Reference items ride on the first unit line.
            out.resize(out.size() - 2);
            for (int i = 1; i <= quantity.refCount; ++i) {
                const ReferenceItem& item = table.reference(k, i);
                if (common::trimBlanks(item.name).empty())
                    continue;
                out += ';';
                out += item.name;
                out += ';';
                out += item.value;
            }
            out += "\r\n";
        }
        appendLine(out, kTerminator);
    }
    return out;
}

}  // namespace

common::Outcome<ConversionTable::FileEncoding> saveTable(const ConversionTable& table,
                                                         const NodeExpandedQuery& isExpanded) {
    // Tables almost never hold unsafe text: copy only when one does.
    std::optional<ConversionTable> safeCopy;
    if (needsSafeText(table)) {
        safeCopy = table;
        makeFieldsSafe(*safeCopy);
    }
    ConversionTable::FileEncoding encoding = table.fileEncoding;
    const std::string bytes = tableFileBytes(tableText(safeCopy ? *safeCopy : table, isExpanded), encoding);
    std::string error;
    if (!common::fileio::replaceFile(table.filePath, bytes, error)) {
        return common::Outcome<ConversionTable::FileEncoding>::failure(
            {common::NoticeIcon::Critical, std::string(kProductName), error});
    }
    return common::Outcome<ConversionTable::FileEncoding>::success(encoding);
}

}  // namespace quantora
