// Loading and saving a conversion table at the default limits:
// 30 categories, 200 quantities of 100 units each.
#include "converter/table/table_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {
using namespace quantora;

// Quantities 1 and 2 hang from the root; the others spread over the
// categories in non-decreasing parent order, as the file requires.
int parentOf(int k) {
    return k <= 2 ? 1 : 2 + (k - 3) * 30 / 198;
}

std::string fullTablePath() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "quantora-bench-full.dat").string();
        std::error_code ec;
        std::filesystem::remove(file, ec);
        std::ofstream out(file, std::ios::binary);
        for (int c = 1; c <= 30; ++c)
            out << "1;Category " << c << ";1\r\n";
        out << ";E;\r\n";
        for (int k = 1; k <= 200; ++k)
            out << k << ";" << parentOf(k) << ";Quantity " << k << "\r\n";
        out << ";E;\r\n";
        for (int k = 1; k <= 200; ++k) {
            out << "1;Quantity " << k << ";100\r\n";
            for (int j = 1; j <= 100; ++j) {
                out << "1;unit number " << j << " (u" << j << ");" << 1.0 / (j + k) << ";0;;;a short memo";
                if (j == 1)
                    out << ";Typical value;12.5;Another value;3.25E+07";
                out << "\r\n";
            }
            out << ";E;\r\n";
        }
        return file;
    }();
    return path;
}

bool readFullTable(benchmark::State& state, ConversionTable& table) {
    common::Outcome<ConversionTable> read = readTable(fullTablePath(), {}, "", 15, 15);
    if (!read) {
        state.SkipWithError(read.notices().back().text.c_str());
        return false;
    }
    table = read.take();
    return true;
}

void bmReadFullTable(benchmark::State& state) {
    ConversionTable table;
    for (auto _ : state) {
        if (!readFullTable(state, table))
            break;
        benchmark::DoNotOptimize(table.quantityCount);
    }
}
BENCHMARK(bmReadFullTable)->Unit(benchmark::kMillisecond);

void bmReadAndSaveFullTable(benchmark::State& state) {
    ConversionTable table;
    for (auto _ : state) {
        if (!readFullTable(state, table))
            break;
        const auto written = saveTable(table, [](int) { return std::optional<bool>(true); });
        if (!written)
            state.SkipWithError(written.notices().back().text.c_str());
    }
}
BENCHMARK(bmReadAndSaveFullTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
