#pragma once
// Runs one batch conversion off the window's thread, so a file of a million
// values leaves the window alive, and shows its progress in a dialog whose
// Cancel stops the run before anything is written.
//
// start(job) -> worker thread: runBatchConversion(progress, cancel flag)
//            -> finished() on the window's thread -> takeResult()

#include "common/decimal_separator.h"
#include "converter/engine/batch_conversion.h"

#include <QElapsedTimer>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QProgressDialog;
class QThread;
class QTimer;
class QWidget;

namespace quantora {

class BatchWorker : public QObject {
    Q_OBJECT
public:
    struct Job {
        BatchData data;
        // A copy: the window may change its table while the run goes on.
        std::shared_ptr<const ConversionTable> table;
        UnitChoice units;
        NotationOptions notation;
        common::DecimalSeparator separator = common::DecimalSeparator::Dot;
    };
    struct Result {
        BatchData data;  // the lines after the run; as before when it did not complete
        std::optional<common::Outcome<BatchRun>> outcome;
    };

    explicit BatchWorker(QWidget& window);
    // A run still going is stopped and waited for.
    ~BatchWorker() override;

    void start(Job job);
    bool running() const { return m_thread != nullptr; }
    // Stops the run before it writes; finished() follows.
    void cancel();
    // The outcome, once finished() came.
    std::optional<Result> takeResult();

    // How long a run goes before its progress dialog shows, in milliseconds.
    void setShowDelay(int milliseconds) { m_showDelay = milliseconds; }
    QProgressDialog* progressDialog() const { return m_progress; }
    // Runs on the worker's thread before each run: tests hold a run there.
    void setStartGate(std::function<void()> gate) { m_gate = std::move(gate); }

signals:
    void finished();

private:
    void collect();
    void showProgress();

    QWidget& m_window;
    QThread* m_thread = nullptr;
    QProgressDialog* m_progress = nullptr;
    QTimer* m_poll;
    QElapsedTimer m_clock;  // since the run started
    std::atomic<std::size_t> m_done{0};
    std::atomic<std::size_t> m_total{0};
    std::atomic<bool> m_cancel{false};
    std::optional<Result> m_result;  // written by the worker; read after it ended
    int m_showDelay = 400;
    std::function<void()> m_gate;
};

}  // namespace quantora
