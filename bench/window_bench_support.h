#pragma once
// What the window benchmarks share: waiting for a window to be exposed, the
// bare-window yardstick in this process and as a child program, and timing
// this executable started again in a child mode.

#include "common/qt/message_presenter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>

namespace benchsupport {

// No message box may stop a measured run: each is counted and answered.
class SilentMessages final : public common::MessagePresenter {
public:
    explicit SilentMessages(common::NoticeAnswer answer) : m_answer(answer) {}
    common::NoticeAnswer present(QWidget*, const common::Notice&, common::NoticeButtons) override {
        ++shown;
        return m_answer;
    }
    int shown = 0;

private:
    common::NoticeAnswer m_answer;
};

// The offscreen platform warns each time a window sets a size limit; the
// figures would drown in it. Every other message passes on.
inline void quietSizeHintWarnings() {
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text.contains(QLatin1String("propagateSizeHints")))
                return;
            if (previous)
                previous(type, context, text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
        });
}

inline bool waitExposed(QWidget& widget) {
    QElapsedTimer clock;
    clock.start();
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed())) {
        if (clock.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

inline void closeAndSettle(QWidget& widget) {
    widget.close();
    QCoreApplication::processEvents();
}

// An empty QMainWindow shown until exposed and closed, in this process.
inline void bareWindowShowClose(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(640, 480);
        window.show();
        if (!waitExposed(window))
            state.SkipWithError("the window was not exposed");
        closeAndSettle(window);
    }
}

// The line a child program prints the moment its window is exposed.
inline constexpr char kShownLine[] = "shown\n";

inline void announceShown() {
    std::fputs(kShownLine, stdout);
    std::fflush(stdout);
}

// The child program of the yardstick: the bare window, optionally with one
// line of text (what the first text of any window costs: the font set-up).
inline int bareChild(int argc, char* argv[], bool withText) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(640, 480);
    if (withText)
        window.setCentralWidget(new QLabel(QStringLiteral("Tallix - Math Expression Evaluator")));
    window.show();
    if (!waitExposed(window))
        return 1;
    announceShown();
    closeAndSettle(window);
    return 0;
}

inline double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One run of this program in a child mode, timed from start to exit. On a
// busy machine the wall time includes waiting for a core; the counter
// child_cpu_ms is the processor time the program itself used, shown_ms the
// time from the start to the window exposed (what is written at the close
// comes after it).
inline void runChild(benchmark::State& state, const QStringList& arguments) {
    const double cpuBefore = childCpuSeconds();
    double shownMs = 0;
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), arguments);
        while (child.canReadLine() || child.waitForReadyRead(10000)) {
            if (child.canReadLine() && child.readLine() == kShownLine) {
                shownMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
                break;
            }
        }
        if (!child.waitForFinished(10000) || child.exitCode() != 0) {
            state.SkipWithError("the child program failed");
            return;
        }
    }
    const auto perRun = [&state](double total) {
        return benchmark::Counter(total / static_cast<double>(state.iterations()));
    };
    state.counters["child_cpu_ms"] = perRun((childCpuSeconds() - cpuBefore) * 1000.0);
    state.counters["shown_ms"] = perRun(shownMs);
}

}  // namespace benchsupport
