#include "converter/ui/batch_commands.h"

#include "converter/table/node_status.h"
#include "converter/table/view_plan.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/file_chooser.h"
#include "converter/ui/quantity_views.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

namespace quantora {
namespace {

// The pause before "Batch conversion completed", so the cleared box is seen.
constexpr int kCompletedDelay = 1000;

NotationOptions notationOf(const ConverterSettings& settings) {
    return {settings.digits, settings.sciDigits, settings.integer, settings.numFormat};
}

// The tree node that shows the quantity of that name; 0 when none does.
int nodeNamed(const ConversionTable& table, const std::string& name) {
    for (int m = 1; m <= table.allocationCount; ++m) {
        const int node = table.allocationNode(m);
        if (quantityNameAtNode(table, node) == name)
            return node;
    }
    return 0;
}

}  // namespace

BatchCommands::BatchCommands(ConverterContext& context, QWidget& window, FileChooser& chooser,
                             QuantityViews& views, ConversionBoxes& boxes)
    : m_context(context),
      m_window(window),
      m_chooser(chooser),
      m_views(views),
      m_boxes(boxes),
      m_worker(window),
      m_notice(new QTimer(this)) {
    m_notice->setSingleShot(true);
    m_notice->setInterval(kCompletedDelay);
    connect(m_notice, &QTimer::timeout, this, &BatchCommands::showCompleted);
    connect(&m_worker, &BatchWorker::finished, this, &BatchCommands::collect);
}

void BatchCommands::toggle() {
    if (m_context.session.batchMode())
        quit();
    else
        start();
}

void BatchCommands::quit() {
    ++m_opened;
    m_worker.cancel();
    m_notice->stop();
    m_boxes.input().clear();
    m_context.session.setBatchMode(false);
    m_data.reset();
}

void BatchCommands::start() {
    ConverterSession& session = m_context.session;
    session.setBatchMode(true);
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral(" Open Batch Conversion Data File");
    request.nameFilters = {QStringLiteral("All Files (*)")};
    request.directory = m_context.tableDirectory;
    request.hideReadOnly = true;
    const std::optional<QString> path = m_chooser.choose(&m_window, request);
    if (!path) {
        session.setBatchMode(false);
        return;
    }
    common::Outcome<BatchData> read = readBatchDataFile(path->toStdString(), m_context.table);
    m_context.messages.presentAll(&m_window, read.notices());
    if (!read) {
        // The selection was not touched yet: it stays as it was.
        session.setBatchMode(false);
        m_boxes.input().clear();
        m_boxes.output().clear();
        return;
    }
    ++m_opened;
    selectQuantity(read.value());
    m_data = read.take();
    m_boxes.input().setText(QFileInfo(*path).fileName());
}

void BatchCommands::selectQuantity(const BatchData& data) {
    ConverterSession& session = m_context.session;
    const ConversionTable& table = m_context.table;
    const std::string& name = table.quantity(data.quantity).name;
    if (const int node = nodeNamed(table, name)) {
        // The tree keeps its node while batch mode is on; this one choice is the file's.
        preserveTreeNodeStatus(m_context.table, m_views.expandedQuery());
        m_views.storeColumnWidths();
        session.setBatchMode(false);
        session.chooseNode(node);
        session.setBatchMode(true);
        m_views.selectNode(node);
        m_views.setListMode();
        m_views.updateListView(name);
        m_views.setMainCaption();
    }
    m_boxes.apply(session.takeBatchUnits(data.quantity, data.convertFrom));
}

void BatchCommands::run() {
    if (!m_context.session.batchMode() || !m_data)
        return;
    if (m_worker.running()) {
        QApplication::beep();
        return;
    }
    m_notice->stop();
    m_boxes.output().clear();
    const Selection& selection = m_context.session.selection();
    BatchWorker::Job job;
    m_runOf = m_opened;
    job.data = std::move(*m_data);
    m_data.reset();
    job.table = std::make_shared<const ConversionTable>(m_context.table);
    job.units = UnitChoice{selection.quantity, selection.convertFrom, selection.convertInto};
    job.notation = notationOf(m_context.settings);
    job.separator = m_context.decimalSeparator;
    m_worker.start(std::move(job));
}

void BatchCommands::collect() {
    std::optional<BatchWorker::Result> result = m_worker.takeResult();
    if (!result)
        return;
    // Batch mode ended (or another file came) while the run went on: its
    // lines are no longer wanted.
    const bool stillOn = m_context.session.batchMode() && m_runOf == m_opened;
    if (stillOn)
        m_data = std::move(result->data);
    const common::Outcome<BatchRun>& outcome = *result->outcome;
    m_context.messages.presentAll(&m_window, outcome.notices());
    if (!outcome) {
        if (stillOn) {
            m_context.session.setBatchMode(false);
            m_data.reset();
            m_boxes.input().clear();
            m_boxes.output().clear();
        }
    } else if (outcome.value() == BatchRun::Completed && stillOn) {
        m_notice->start();
    }
    emit runFinished();
}

void BatchCommands::showCompleted() {
    QApplication::beep();
    m_boxes.output().setText(QStringLiteral("Batch conversion completed"));
}

}  // namespace quantora
