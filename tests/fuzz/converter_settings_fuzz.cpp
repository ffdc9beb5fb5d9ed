// The converter's settings. Whatever the store holds, the read gives
// settings; what a save of them writes reads back without a fault, and
// saving what was read back writes the same values.
//
// Input: "Section/Key=value" lines.

#include "converter/settings/converter_settings.h"
#include "fuzz_support.h"
#include "recording_store.h"

#include <cstdint>
#include <string>

using namespace quantora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::RecordingStore store(kConverterApp,
                                     std::string_view(reinterpret_cast<const char*>(data), size));
    const common::Outcome<ConverterSettings> read = readConverterSettings(store);
    FUZZ_CHECK(read.ok(), "the settings read gave no settings");

    fuzz::RecordingStore saved;
    FUZZ_CHECK(saveConverterSettings(saved, read.value()).ok(), "the settings save failed");
    const common::Outcome<ConverterSettings> reread = readConverterSettings(saved);
    FUZZ_CHECK(reread.ok() && reread.notices().empty(),
               "what the save wrote reads back with a fault: " + reread.notices().front().text);

    fuzz::RecordingStore resaved;
    FUZZ_CHECK(saveConverterSettings(resaved, reread.value()).ok(), "the second settings save failed");
    const std::string difference = fuzz::firstDifference(saved.writes(), resaved.writes());
    FUZZ_CHECK(difference.empty(), difference);
    return 0;
}
