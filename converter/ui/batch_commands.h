#pragma once
// Batch conversion from frmMain. The File command switches batch mode on by
// opening a data file, which selects its quantity and convert-from unit;
// every convert-into unit picked after that converts the whole file into
// one more column, off the window's thread; the command again switches
// batch mode off.
//
// toggle (mStartBatchConv) -> data file read -> selection -> unit picked ->
// run (mRunBatchConv) -> BatchWorker -> file rewritten -> "Batch conversion completed"

#include "converter/engine/batch_conversion.h"
#include "converter/ui/batch_worker.h"
#include "converter/ui/converter_context.h"

#include <QObject>

#include <optional>

class QTimer;

namespace quantora {

class ConversionBoxes;
class FileChooser;
class QuantityViews;

class BatchCommands : public QObject {
    Q_OBJECT
public:
    BatchCommands(ConverterContext& context, QWidget& window, FileChooser& chooser, QuantityViews& views,
                  ConversionBoxes& boxes);

    // Starts or quits batch mode (mStartBatchConv).
    void toggle();
    // A convert-into unit was picked while batch mode is on (mRunBatchConv).
    void run();
    bool running() const { return m_worker.running(); }
    BatchWorker& worker() { return m_worker; }

signals:
    // A run ended and its outcome is taken (before the completion notice).
    void runFinished();

private:
    void start();
    void quit();
    void selectQuantity(const BatchData& data);
    void collect();
    void showCompleted();

    ConverterContext& m_context;
    QWidget& m_window;
    FileChooser& m_chooser;
    QuantityViews& m_views;
    ConversionBoxes& m_boxes;
    BatchWorker m_worker;
    QTimer* m_notice;
    std::optional<BatchData> m_data;  // the data file between runs
    int m_opened = 0;                 // data files opened so far
    int m_runOf = 0;                  // the one the run going on converts
};

}  // namespace quantora
