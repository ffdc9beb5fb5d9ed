// Speed of the converter's main window.
//   BareProgram         - a program that creates the application and an empty
//                         QMainWindow, shows it until exposed, closes it and
//                         ends: the yardstick for the start-up.
//   ConverterProgram    - the same with frmMain on the bundled table: settings
//                         read from a fresh store, table read, tree and list
//                         built, shown until exposed, closed with its settings
//                         and node status written (target: shown_ms at most
//                         1.5 times BareProgram's).
//   BareWindowShowClose, ConverterStartup - the same two windows inside one
//                         running application, without the program start.
//   TreeRebuild         - the quantity tree rebuilt for a table at its limits:
//                         30 categories, 200 quantities (target: under 100 ms).
// The programs are this executable started again with --bare-child or
// --converter-child. Runs on whatever platform QT_QPA_PLATFORM names;
// offscreen when unset.

#include "common/qt/qsettings_store.h"
#include "common/settings_store.h"
#include "converter/ui/converter_program.h"
#include "converter/ui/file_chooser.h"
#include "converter/ui/quantity_views.h"
#include "window_bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace {

using benchsupport::announceShown;
using benchsupport::closeAndSettle;
using benchsupport::runChild;
using benchsupport::waitExposed;
using SilentMessages = benchsupport::SilentMessages;

class NoFiles final : public quantora::FileChooser {
public:
    std::optional<QString> choose(QWidget*, const quantora::FileDialogRequest&) override {
        return std::nullopt;
    }
};

void bareWindowShowClose(benchmark::State& state) {
    benchsupport::bareWindowShowClose(state);
}
BENCHMARK(bareWindowShowClose)->Unit(benchmark::kMillisecond);

void converterStartup(benchmark::State& state) {
    const QString bundled = QStringLiteral(BUNDLED_DATA_DIR "/DEFAULT.DAT");
    if (!QFile::exists(bundled)) {
        state.SkipWithError("no bundled table");
        return;
    }
    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("DEFAULT.DAT"));
    QFile::copy(bundled, table);
    QFile::setPermissions(table, QFile::ReadOwner | QFile::WriteOwner);
    SilentMessages messages(common::NoticeAnswer::No);
    NoFiles files;
    for (auto _ : state) {
        common::MemorySettingsStore store;
        quantora::ConverterProgram program(store, messages, files, folder.path());
        quantora::MainWindow& window = program.window();
        window.start();
        if (!waitExposed(window))
            state.SkipWithError("the window was not exposed");
        closeAndSettle(window);
    }
    if (messages.shown != 0)
        state.SkipWithError("a message box appeared");
}
BENCHMARK(converterStartup)->Unit(benchmark::kMillisecond);

// A table at the default limits: 30 categories, 200 quantities of 20 units.
void writeFullTable(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    constexpr int kCategories = 30;
    constexpr int kQuantities = 200;
    for (int c = 1; c <= kCategories; ++c)
        out << (c % 4 + 1) << ";Category " << c << ";1\r\n";
    out << ";E;\r\n1;1;Number System\r\n2;1;Constants\r\n";
    for (int q = 3; q <= kQuantities; ++q) {
        const int parent = 2 + (q - 3) * kCategories / (kQuantities - 2);
        out << q << ';' << parent << ";Quantity " << q << "\r\n";
    }
    out << ";E;\r\n";
    for (int q = 1; q <= kQuantities; ++q) {
        out << (q % 4 + 1) << ";Quantity " << q << ";20\r\n";
        for (int u = 1; u <= 20; ++u)
            out << "1;unit " << u << ';' << u << ";0;;;memo\r\n";
        out << ";E;\r\n";
    }
}

void treeRebuild(benchmark::State& state) {
    QTemporaryDir folder;
    writeFullTable(folder.filePath(QStringLiteral("DEFAULT.DAT")).toStdString());
    common::MemorySettingsStore store;
    SilentMessages messages(common::NoticeAnswer::No);
    NoFiles files;
    quantora::ConverterProgram program(store, messages, files, folder.path());
    quantora::MainWindow& window = program.window();
    window.start();
    if (window.loadFailed() || window.table().quantityCount != 200) {
        state.SkipWithError("the full table did not load");
        return;
    }
    waitExposed(window);
    for (auto _ : state) {
        window.views().updateTreeView();
        // Until the tree has laid itself out again.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(treeRebuild)->Unit(benchmark::kMillisecond);

void bareProgram(benchmark::State& state) {
    runChild(state, {QStringLiteral("--bare-child")});
}
BENCHMARK(bareProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void converterProgram(benchmark::State& state) {
    const QString bundled = QStringLiteral(BUNDLED_DATA_DIR "/DEFAULT.DAT");
    if (!QFile::exists(bundled)) {
        state.SkipWithError("no bundled table");
        return;
    }
    QTemporaryDir folder;
    QFile::copy(bundled, folder.filePath(QStringLiteral("DEFAULT.DAT")));
    QFile::setPermissions(folder.filePath(QStringLiteral("DEFAULT.DAT")),
                          QFile::ReadOwner | QFile::WriteOwner);
    QTemporaryDir settings;
    runChild(state, {QStringLiteral("--converter-child"), folder.path(), settings.path()});
}
BENCHMARK(converterProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

int converterChild(int argc, char* argv[], const QString& tableFolder, const QString& settingsFolder) {
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
    QFile::remove(settingsFolder + QStringLiteral("/quantora-tallix/Quantora 2000.ini"));
    common::QSettingsStore store;
    SilentMessages messages(common::NoticeAnswer::No);
    NoFiles files;
    quantora::ConverterProgram program(store, messages, files, tableFolder);
    quantora::MainWindow& window = program.window();
    window.start();
    if (!waitExposed(window) || window.loadFailed() || messages.shown != 0)
        return 1;
    announceShown();
    closeAndSettle(window);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 2 && std::string(argv[1]) == "--bare-child")
        return benchsupport::bareChild(argc, argv, false);
    if (argc >= 4 && std::string(argv[1]) == "--converter-child") {
        return converterChild(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    benchsupport::quietSizeHintWarnings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
