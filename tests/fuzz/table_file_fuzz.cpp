// The table reader and writer. Whatever the bytes, a read gives a table or a
// failure that says why. A table that loads saves; the save loads back into
// the same table, as far as the file carries it; and saving that table again
// writes the same bytes.

#include "converter/table/table_file.h"
#include "fuzz_support.h"
#include "table_compare.h"

#include <cstdint>
#include <string>

using namespace quantora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fuzz::ScratchFolder& folder = fuzz::ScratchFolder::get();
    const std::string path = folder.file("table.dat");
    fuzz::writeFile(path, bytes);
    // Small limits for odd lengths, so that every limit is within reach.
    const TableLimits limits = size % 2 == 1 ? TableLimits{4, 8, 6} : TableLimits{};

    common::Outcome<ConversionTable> read = readTable(path, limits, folder.path(), 15, 15);
    if (!read) {
        FUZZ_CHECK(read.failure() && !read.failure()->text.empty(), "a failed read without a message");
        return 0;
    }
    const ConversionTable first = read.take();
    // Some categories expanded in the tree, some not.
    const NodeExpandedQuery tree = [size](int node) -> std::optional<bool> {
        return (static_cast<std::size_t>(node) * 5 + size) % 3 == 0;
    };

    const common::Outcome<ConversionTable::FileEncoding> saved = saveTable(first, tree);
    FUZZ_CHECK(saved.ok(), "a table that loaded cannot be saved");
    const std::string savedBytes = fuzz::readFile(path);
    common::Outcome<ConversionTable> reread = readTable(path, limits, folder.path(), 15, 15);
    FUZZ_CHECK(reread.ok(), "the save of a table that loaded does not load (" +
                                reread.failure().value_or(common::Notice{}).text +
                                "): " + fuzz::escaped(savedBytes));
    ConversionTable second = reread.take();
    const std::string difference = fuzz::tableDifference(fuzz::asSaved(first, tree), second);
    FUZZ_CHECK(difference.empty(), "the saved table loads back different: " + difference + "\nsaved as " +
                                       fuzz::escaped(savedBytes));

    // The next start reads the encoding back; a second save in the same run
    // keeps the one the first save gave.
    FUZZ_CHECK(saveTable(second, tree).ok(), "a table that loaded from a save cannot be saved");
    const std::string nextStartBytes = fuzz::readFile(path);
    FUZZ_CHECK(nextStartBytes == savedBytes,
               "saving the reloaded table writes other bytes: " + fuzz::escaped(savedBytes) + " then " +
                   fuzz::escaped(nextStartBytes));
    ConversionTable kept = first;
    kept.fileEncoding = saved.value();
    FUZZ_CHECK(saveTable(kept, tree).ok(), "a saved table cannot be saved again");
    const std::string sameRunBytes = fuzz::readFile(path);
    FUZZ_CHECK(sameRunBytes == savedBytes,
               "saving the table again writes other bytes: " + fuzz::escaped(savedBytes) + " then " +
                   fuzz::escaped(sameRunBytes));
    return 0;
}
