// Speed of the conversion engine.
//   BatchConversion   - a data file of 1,000,000 values read, converted with the
//                       default notation and rewritten with one more column.
//   PlainLoopBaseline - the same file and conversion with std::from_chars,
//                       std::to_chars (6 significant digits) and block I/O: the
//                       yardstick for the batch run (target: at most twice its time).
//   ExecConversion    - one keystroke's conversion (target: over 1,000,000 a second).

#include "converter/engine/batch_conversion.h"
#include "converter/engine/conversion_driver.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace quantora;

constexpr std::size_t kValues = 1'000'000;
constexpr std::size_t kBlock = 1 << 16;

UnitItem unit(const char* name, const char* rate, const char* offset) {
    UnitItem u;
    u.name = name;
    u.rate = rate;
    u.offset = offset;
    return u;
}

// The two special quantities first, then Length (m, ft, inch) and
// Temperature (K, C, F), all hanging from the root.
ConversionTable makeTable() {
    ConversionTable table;
    auto set = [&table](int q, const char* name, std::vector<UnitItem> units) {
        Quantity& quantity = table.quantity(q);
        quantity.name = name;
        quantity.unitCount = static_cast<std::int16_t>(units.size());
        for (std::size_t j = 0; j < units.size(); ++j)
            table.unit(q, static_cast<int>(j) + 1) = units[j];
        table.allocation(q) = {static_cast<std::int16_t>(q), 1};
    };
    set(1, "Number System", {unit("Decimal", "10", ""), unit("Hexadecimal", "16", "")});
    set(2, "Constants", {});
    set(3, "Length", {unit("m", "1", "0"), unit("ft", "0.3048", "0"), unit("inch", "0.0254", "0")});
    set(4, "Temperature",
        {unit("K", "1", "0"), unit("C", "1", "273.15"), unit("F", "0.555555555555556", "255.372222222222")});
    table.quantityCount = 4;
    table.allocationCount = 4;
    return table;
}

// Mixed magnitudes (1E-7 .. 1E+9), about a third negative, about one in five
// with a decimal comma. Deterministic.
std::string makeDataFile() {
    std::string text = "Length\r\nft;\r\n";
    text.reserve(kValues * 16);
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    char buffer[64];
    for (std::size_t i = 0; i < kValues; ++i) {
        const std::uint64_t r = next();
        const double mantissa = 1.0 + static_cast<double>(r % 900000) / 100000.0;
        const int exponent = static_cast<int>((r >> 20) % 17) - 7;
        double value = mantissa;
        for (int k = 0; k < exponent; ++k)
            value *= 10;
        for (int k = 0; k > exponent; --k)
            value /= 10;
        if ((r >> 40) % 3 == 0)
            value = -value;
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
        (void)ec;
        std::string number(buffer, end);
        if ((r >> 50) % 5 == 0) {
            const auto dot = number.find('.');
            if (dot != std::string::npos)
                number[dot] = ',';
        }
        text += number;
        text += "\r\n";
    }
    return text;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

struct BenchFiles {
    fs::path dir;
    std::string data;      // the data file the runs rewrite
    std::string baseline;  // the plain loop's output
    std::string original;  // its bytes before any run

    BenchFiles() {
        dir = fs::temp_directory_path() / "quantora_conversion_bench";
        fs::create_directories(dir);
        data = (dir / "values.txt").string();
        baseline = (dir / "values_plain.txt").string();
        original = makeDataFile();
        writeBytes(data, original);
    }
    ~BenchFiles() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

BenchFiles& files() {
    static BenchFiles instance;
    return instance;
}

void bmBatchConversion(benchmark::State& state) {
    BenchFiles& f = files();
    ConversionTable table = makeTable();
    std::size_t converted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeBytes(f.data, f.original);
        state.ResumeTiming();
        common::Outcome<BatchData> read = readBatchDataFile(f.data, table);
        if (!read) {
            state.SkipWithError("reading failed");
            break;
        }
        BatchData& data = read.value();
        const UnitChoice units{data.quantity, data.convertFrom, 1};
        const auto run =
            runBatchConversion(data, table, units, NotationOptions{}, common::DecimalSeparator::Dot);
        if (!run || run.value() != BatchRun::Completed) {
            state.SkipWithError("run failed");
            break;
        }
        converted += data.lineCount() - 2;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(converted));
}

// The yardstick: the same conversion (ft into m) with the standard library's
// own number text, reading and writing in blocks.
void bmPlainLoopBaseline(benchmark::State& state) {
    BenchFiles& f = files();
    const double rateFrom = 0.3048, offsetFrom = 0, rateInto = 1, offsetInto = 0;
    std::size_t converted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeBytes(f.data, f.original);
        state.ResumeTiming();
        std::ifstream in(f.data, std::ios::binary);
        std::ofstream out(f.baseline, std::ios::binary | std::ios::trunc);
        std::string block(kBlock, '\0');
        std::string carry;
        std::string output;
        output.reserve(kBlock * 2);
        std::size_t lineNo = 0;
        char number[64];
        char result[32];
        auto handleLine = [&](std::string_view line) {
            if (line.empty())
                return;
            ++lineNo;
            output.append(line);
            if (lineNo == 2) {
                output += " m;\r\n";
            } else if (lineNo > 2) {
                const std::string_view field = line.substr(0, line.find(';'));
                const std::size_t n = std::min(field.size(), sizeof number);
                for (std::size_t i = 0; i < n; ++i)
                    number[i] = field[i] == ',' ? '.' : field[i];
                double x = 0;
                std::from_chars(number, number + n, x);
                const double y = (rateFrom * x + offsetFrom - offsetInto) / rateInto;
                auto [end, ec] =
                    std::to_chars(result, result + sizeof result, y, std::chars_format::general, 6);
                (void)ec;
                output += ' ';
                output.append(result, end);
                output += ";\r\n";
                ++converted;
            } else {
                output += "\r\n";
            }
            if (output.size() >= kBlock) {
                out.write(output.data(), static_cast<std::streamsize>(output.size()));
                output.clear();
            }
        };
        while (in) {
            in.read(block.data(), static_cast<std::streamsize>(block.size()));
            const std::string_view got(block.data(), static_cast<std::size_t>(in.gcount()));
            std::size_t start = 0;
            for (std::size_t i = 0; i < got.size(); ++i) {
                if (got[i] != '\n')
                    continue;
                std::string_view line = got.substr(start, i - start);
                if (!carry.empty()) {
                    carry.append(line);
                    line = carry;
                }
                if (!line.empty() && line.back() == '\r')
                    line.remove_suffix(1);
                handleLine(line);
                carry.clear();
                start = i + 1;
            }
            carry.append(got.substr(start));
        }
        handleLine(carry);
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        out.close();
        if (!out) {
            state.SkipWithError("writing failed");
            break;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(converted));
}

void bmExecConversion(benchmark::State& state) {
    ConversionTable table = makeTable();
    const UnitChoice units{3, 3, 2};  // inch to ft
    const bool showError = state.range(0) != 0;
    const ConversionRequest request{table, units, false, "123.456", NotationOptions{}, showError};
    for (auto _ : state) {
        ConversionOutcome outcome = runConversion(request);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(bmBatchConversion)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(bmPlainLoopBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(bmExecConversion)->Arg(0)->Arg(1)->ArgName("ShowError");

}  // namespace

BENCHMARK_MAIN();
