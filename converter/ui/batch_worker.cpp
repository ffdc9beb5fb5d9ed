#include "converter/ui/batch_worker.h"

#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace quantora {
namespace {

constexpr int kProgressSteps = 1000;
constexpr int kPollInterval = 100;

}  // namespace

BatchWorker::BatchWorker(QWidget& window) : m_window(window), m_poll(new QTimer(this)) {
    m_poll->setInterval(kPollInterval);
    connect(m_poll, &QTimer::timeout, this, &BatchWorker::showProgress);
}

BatchWorker::~BatchWorker() {
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void BatchWorker::start(Job job) {
    if (m_thread)
        return;
    m_done = 0;
    m_total = job.data.lineCount();
    m_cancel = false;
    m_result.reset();
    m_thread = QThread::create([this, gate = m_gate, job = std::move(job)]() mutable {
        if (gate)
            gate();
        Result result;
        result.outcome.emplace(runBatchConversion(job.data, *job.table, job.units, job.notation,
                                                  job.separator, [this](std::size_t done, std::size_t) {
                                                      m_done.store(done, std::memory_order_relaxed);
                                                      return !m_cancel.load(std::memory_order_relaxed);
                                                  }));
        result.data = std::move(job.data);
        m_result = std::move(result);
    });
    connect(m_thread, &QThread::finished, this, &BatchWorker::collect);

    m_progress =
        new QProgressDialog(QStringLiteral("Converting the values of the batch conversion data file..."),
                            QStringLiteral("Cancel"), 0, kProgressSteps, &m_window);
    m_progress->setObjectName(QStringLiteral("frmBatchProgress"));
    m_progress->setWindowTitle(QStringLiteral(" Batch Conversion"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    // Shown by the delay here, not by the dialog's own guess of the time left.
    m_progress->reset();
    connect(m_progress, &QProgressDialog::canceled, this, &BatchWorker::cancel);
    m_clock.start();
    m_poll->start();
    m_thread->start();
}

void BatchWorker::cancel() {
    m_cancel = true;
}

void BatchWorker::showProgress() {
    const std::size_t total = m_total.load();
    if (!m_progress || total == 0)
        return;
    if (!m_progress->isVisible()) {
        if (m_clock.elapsed() < m_showDelay)
            return;
        m_progress->show();
    }
    const double share =
        static_cast<double>(m_done.load(std::memory_order_relaxed)) / static_cast<double>(total);
    m_progress->setValue(static_cast<int>(share * (kProgressSteps - 1)));
}

void BatchWorker::collect() {
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    m_poll->stop();
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    emit finished();
}

std::optional<BatchWorker::Result> BatchWorker::takeResult() {
    if (m_thread)
        return std::nullopt;
    std::optional<Result> result = std::move(m_result);
    m_result.reset();
    return result;
}

}  // namespace quantora
