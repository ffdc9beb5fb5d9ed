// Batch conversion of 1,000,000 values, from the window and in the core.
//   CoreRun   - runBatchConversion on the data file's lines, the yardstick.
//   WindowRun - the same run as the window starts it when a convert-into
//               unit is picked in batch mode: the table copied for the
//               worker thread, the run there, the outcome taken back on the
//               window's thread (target: within 10 % of CoreRun's time).
// Both on the bundled table, Length from meter into millimeter, the data file
// rewritten before each iteration (not timed). peak_MiB is the most heap the
// run held above what was held when it started.

#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "converter/engine/batch_conversion.h"
#include "converter/table/table_file.h"
#include "converter/ui/batch_commands.h"
#include "converter/ui/converter_program.h"
#include "converter/ui/file_chooser.h"
#include "converter/ui/unit_list_view.h"
#include "window_bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

// Heap in use and its peak, counted over every plain new and delete.
namespace heap {
std::atomic<long long> current{0};
std::atomic<long long> peak{0};

void* take(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    const long long now = current += static_cast<long long>(malloc_usable_size(block));
    long long seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block;
}

void give(void* block) noexcept {
    if (!block)
        return;
    current -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

// Starts a measure: the peak from here on, above what is held now.
long long startMeasure() {
    const long long now = current.load();
    peak = now;
    return now;
}
}  // namespace heap

void* operator new(std::size_t size) {
    return heap::take(size);
}
void* operator new[](std::size_t size) {
    return heap::take(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return heap::take(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return heap::take(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* block) noexcept {
    heap::give(block);
}
void operator delete[](void* block) noexcept {
    heap::give(block);
}
void operator delete(void* block, std::size_t) noexcept {
    heap::give(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    heap::give(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    heap::give(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    heap::give(block);
}

namespace {

constexpr int kValues = 1000000;

// Answers every file dialog with the data file.
class DataFile final : public quantora::FileChooser {
public:
    std::optional<QString> choose(QWidget*, const quantora::FileDialogRequest&) override { return path; }
    QString path;
};

// The data file and the bundled table in a private folder.
struct Workplace {
    Workplace() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        QFile::copy(QStringLiteral(BUNDLED_DATA_DIR "/DEFAULT.DAT"), tablePath());
        QFile::setPermissions(tablePath(), QFile::ReadOwner | QFile::WriteOwner);
        contents = "Length\r\nmeter (m)\r\n";
        contents.reserve(static_cast<std::size_t>(kValues) * 12);
        for (int i = 0; i < kValues; ++i)
            contents += std::to_string(i % 1000) + "." + std::to_string(i % 97) + "\r\n";
    }
    QString tablePath() const { return tables.filePath(QStringLiteral("DEFAULT.DAT")); }
    QString dataPath() const { return tables.filePath(QStringLiteral("values.txt")); }
    void writeData() const {
        QFile file(dataPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(contents.data(), static_cast<qint64>(contents.size()));
    }

    QTemporaryDir settings;
    QTemporaryDir tables;
    std::string contents;
};

Workplace& workplace() {
    static Workplace place;
    return place;
}

void CoreRun(benchmark::State& state) {
    Workplace& place = workplace();
    auto read =
        quantora::readTable(place.tablePath().toStdString(), {}, place.tables.path().toStdString(), 15, 15);
    const quantora::ConversionTable table = read ? read.take() : quantora::ConversionTable();
    const auto length = table.quantityIndexOf("Length");
    if (!read || length < 1) {
        state.SkipWithError("the bundled table did not load");
        return;
    }
    const quantora::UnitChoice units{length, 1, 2};
    long long peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        place.writeData();
        auto data = quantora::readBatchDataFile(place.dataPath().toStdString(), table);
        const long long base = heap::startMeasure();
        state.ResumeTiming();
        const auto outcome = quantora::runBatchConversion(
            data.value(), table, units, quantora::NotationOptions{}, common::DecimalSeparator::Dot);
        state.PauseTiming();
        peak = std::max(peak, heap::peak.load() - base);
        if (!outcome || outcome.value() != quantora::BatchRun::Completed)
            state.SkipWithError("the run did not complete");
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}

void WindowRun(benchmark::State& state) {
    Workplace& place = workplace();
    benchsupport::SilentMessages messages{common::NoticeAnswer::No};
    DataFile files;
    files.path = place.dataPath();
    common::QSettingsStore store;
    auto program = std::make_unique<quantora::ConverterProgram>(store, messages, files, place.tables.path());
    quantora::MainWindow& window = program->window();
    window.start();
    window.batch().worker().setShowDelay(60000);
    auto* list = window.findChild<quantora::UnitListView*>(QStringLiteral("ListView1"));
    QEventLoop loop;
    QObject::connect(&window.batch(), &quantora::BatchCommands::runFinished, &loop, &QEventLoop::quit);
    long long peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        place.writeData();
        if (window.session().batchMode())
            window.batch().toggle();
        window.batch().toggle();  // opens the data file
        list->selectRow(1);       // millimeter (mm)
        QWidget* view = list->activeViewport()->parentWidget();
        const long long base = heap::startMeasure();
        state.ResumeTiming();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        loop.exec();
        state.PauseTiming();
        peak = std::max(peak, heap::peak.load() - base);
        if (QFileInfo(place.dataPath()).size() <= static_cast<qint64>(place.contents.size()))
            state.SkipWithError("the run did not complete");
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    window.close();
}

BENCHMARK(CoreRun)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(WindowRun)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchsupport::quietSizeHintWarnings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
