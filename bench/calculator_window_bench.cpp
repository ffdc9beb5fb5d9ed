// Speed of the calculator's window.
//   BareProgram        - a program that creates the application and an empty
//                        QMainWindow, shows it until exposed, closes it and
//                        ends: the yardstick for the start-up.
//   BareTextProgram    - the bare window with one line of text in it: what the
//                        first text of any window costs (the font set-up).
//   CalculatorProgram  - the same with the tallix window: settings read from a
//                        fresh store, shown until exposed, closed with its
//                        settings written. Its counter shown_ms, start to
//                        window exposed, has the target: at most 1.5 times BareProgram's.
//                        Its store is the settings file, and publishing "Run"
//                        writes it at once (renamed into place, no fsync: a
//                        published value need not survive a power cut).
//   CalculatorProgramMemoryStore - the same with the store held in memory: the
//                        window's own start-up, without the disk.
//   BareWindowShowClose, CalculatorStartup - the same two windows inside one
//                        running application, without the program start.
//   EnterToResult      - Enter in the expression box until the result is
//                        painted, with the result published to the store on disk.
// The programs are this executable started again with --bare-child or
// --calculator-child. Runs on whatever platform QT_QPA_PLATFORM names;
// offscreen when unset.

#include "calculator/ui/calc_program.h"
#include "calculator/ui/color_chooser.h"
#include "common/qt/qsettings_store.h"
#include "window_bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace {

using benchsupport::announceShown;
using benchsupport::closeAndSettle;
using benchsupport::runChild;
using benchsupport::waitExposed;
using SilentMessages = benchsupport::SilentMessages;

class NoColors final : public tallix::ColorChooser {
public:
    std::optional<QColor> choose(QWidget*, const QColor&) override { return std::nullopt; }
};

void bareWindowShowClose(benchmark::State& state) {
    benchsupport::bareWindowShowClose(state);
}
BENCHMARK(bareWindowShowClose)->Unit(benchmark::kMillisecond);

void calculatorStartup(benchmark::State& state) {
    SilentMessages messages(common::NoticeAnswer::Ok);
    NoColors colors;
    for (auto _ : state) {
        common::MemorySettingsStore store;
        tallix::CalcProgram program(store, messages, colors);
        program.start();
        if (!waitExposed(program.window()))
            state.SkipWithError("the window was not exposed");
        closeAndSettle(program.window());
    }
    if (messages.shown != 0)
        state.SkipWithError("a message box appeared");
}
BENCHMARK(calculatorStartup)->Unit(benchmark::kMillisecond);

void pressEnter(QWidget& box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
    QApplication::sendEvent(&box, &release);
}

void enterToResult(benchmark::State& state) {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    common::QSettingsStore store;
    SilentMessages messages(common::NoticeAnswer::Ok);
    NoColors colors;
    tallix::CalcProgram program(store, messages, colors);
    program.start();
    waitExposed(program.window());
    auto* input = program.window().findChild<QLineEdit*>(QStringLiteral("txtInput"));
    auto* result = program.window().findChild<QLineEdit*>(QStringLiteral("txtCalcResult"));
    // Two expressions in turn, so that every Enter changes the result.
    const QString expressions[] = {QStringLiteral("sin(30)*2+sqr(16)/4"), QStringLiteral("x^2+2*x+1:3")};
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        input->setText(expressions[turn]);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const QString before = result->text();
        pressEnter(*input);
        // Until the new result is painted.
        QCoreApplication::processEvents();
        if (result->text() == before)
            state.SkipWithError("the result did not change");
        turn = 1 - turn;
    }
    closeAndSettle(program.window());
}
BENCHMARK(enterToResult)->Unit(benchmark::kMicrosecond);

void bareProgram(benchmark::State& state) {
    runChild(state, {QStringLiteral("--bare-child")});
}
BENCHMARK(bareProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void bareTextProgram(benchmark::State& state) {
    runChild(state, {QStringLiteral("--bare-text-child")});
}
BENCHMARK(bareTextProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void calculatorProgram(benchmark::State& state) {
    QTemporaryDir settings;
    runChild(state, {QStringLiteral("--calculator-child"), settings.path()});
}
BENCHMARK(calculatorProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void calculatorProgramMemoryStore(benchmark::State& state) {
    runChild(state, {QStringLiteral("--calculator-child"), QString()});
}
BENCHMARK(calculatorProgramMemoryStore)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

int calculatorChild(int argc, char* argv[], const QString& settingsFolder) {
    QApplication app(argc, argv);
    std::unique_ptr<common::SettingsStore> store;
    if (settingsFolder.isEmpty()) {
        store = std::make_unique<common::MemorySettingsStore>();
    } else {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
        QFile::remove(settingsFolder + QStringLiteral("/quantora-tallix/Tallix.ini"));
        store = std::make_unique<common::QSettingsStore>();
    }
    SilentMessages messages(common::NoticeAnswer::Ok);
    NoColors colors;
    tallix::CalcProgram program(*store, messages, colors);
    program.start();
    if (!waitExposed(program.window()) || messages.shown != 0)
        return 1;
    announceShown();
    closeAndSettle(program.window());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 2 && std::string(argv[1]) == "--bare-child")
        return benchsupport::bareChild(argc, argv, false);
    if (argc >= 2 && std::string(argv[1]) == "--bare-text-child")
        return benchsupport::bareChild(argc, argv, true);
    if (argc >= 3 && std::string(argv[1]) == "--calculator-child")
        return calculatorChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    benchsupport::quietSizeHintWarnings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
