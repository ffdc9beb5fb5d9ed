// The calculator link between two processes, and what publishing a value
// costs the calculator's window thread.
//
//   LinkRoundTrip     one poke plus one request of txtInput to a real tallix
//                     running offscreen, over one connection
//   PublishDurable    a published value written with the full settings save
//                     (temporary file, fsync, rename, folder fsync), as before
//   PublishVisible    the same value renamed into place without the fsyncs

#include "common/qt/link_channel.h"
#include "common/qt/qsettings_store.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

void LinkRoundTrip(benchmark::State& state) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QProcess calculator;
    calculator.start(QStringLiteral(TALLIX_PATH), {});
    const QDeadlineTimer deadline(30000);
    while (!common::LinkClient().connect() && !deadline.hasExpired())
        QThread::msleep(20);
    common::LinkClient client;
    if (!client.connect()) {
        state.SkipWithError("the calculator did not start");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        client.poke(QStringLiteral("txtInput"), QString::number(++n));
        benchmark::DoNotOptimize(client.request(QStringLiteral("txtInput")));
    }
    calculator.terminate();
    calculator.waitForFinished(30000);
}
BENCHMARK(LinkRoundTrip)->Unit(benchmark::kMicrosecond);

void publish(benchmark::State& state, bool durable) {
    QTemporaryDir folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    common::QSettingsStore store;
    // A store of realistic size: the calculator's settings and history.
    for (int i = 0; i < 60; ++i)
        store.write("Tallix", "History", " " + std::to_string(i), "sin(" + std::to_string(i) + ")*2");
    store.sync();
    int n = 0;
    for (auto _ : state) {
        store.write("Tallix", "History", "Result", std::to_string(++n));
        benchmark::DoNotOptimize(durable ? store.sync() : store.publish());
    }
}
void PublishDurable(benchmark::State& state) {
    publish(state, true);
}
void PublishVisible(benchmark::State& state) {
    publish(state, false);
}
BENCHMARK(PublishDurable)->Unit(benchmark::kMicrosecond);
BENCHMARK(PublishVisible)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Sessions have a memory-backed runtime folder (/run/user/<id>); /dev/shm is one too.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir runtime(base + QStringLiteral("/link_bench-XXXXXX"));
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A private runtime folder gives the link a private name.
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
