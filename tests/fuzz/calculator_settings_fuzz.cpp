// The calculator's settings. Whatever the store holds, the read gives
// settings; what a save of them writes reads back without a fault into the
// same settings, and saving those writes the same values.
//
// Input: "Section/Key=value" lines.

#include "calculator/eval/calculator_settings.h"
#include "common/numeric_text.h"
#include "fuzz_support.h"
#include "recording_store.h"

#include <cstdint>
#include <string>

using namespace tallix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::RecordingStore store(kApplication,
                                     std::string_view(reinterpret_cast<const char*>(data), size));
    // Thousands of custom functions only make the run slow.
    if (common::numericTextValue(store.read(kApplication, "Function", "Count", "")) > 64)
        return 0;
    const common::Outcome<CalculatorSettings> read = readCalculatorSettings(store);
    FUZZ_CHECK(read.ok(), "the settings read gave no settings");

    fuzz::RecordingStore saved;
    FUZZ_CHECK(saveSettings(saved, read.value()).ok(), "the settings save failed");
    const common::Outcome<CalculatorSettings> reread = readCalculatorSettings(saved);
    FUZZ_CHECK(reread.ok() && reread.notices().empty(),
               "what the save wrote reads back with a fault: " + reread.notices().front().text);

    fuzz::RecordingStore resaved;
    FUZZ_CHECK(saveSettings(resaved, reread.value()).ok(), "the second settings save failed");
    const std::string difference = fuzz::firstDifference(saved.writes(), resaved.writes());
    FUZZ_CHECK(difference.empty(), difference);
    FUZZ_CHECK(readCalculatorSettings(resaved).value() == reread.value(),
               "the settings read back from a save differ from the settings saved");
    return 0;
}
