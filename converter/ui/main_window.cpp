#include "converter/ui/main_window.h"

#include "converter/table/node_status.h"
#include "converter/table/table_file.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>

namespace quantora {

QString DefaultTableFolder() {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable()) return programDir;
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userDir);
    const QString copy = userDir + QStringLiteral("/DEFAULT.DAT");
    if (!QFileInfo::exists(copy)) QFile::copy(programDir + QStringLiteral("/DEFAULT.DAT"), copy);
    return userDir;
}

MainWindow::MainWindow(common::SettingsStore& store, common::MessagePresenter& messages, QString tableFolder,
                       QWidget* parent)
    : QMainWindow(parent), m_store(store), m_messages(messages), m_tableFolder(std::move(tableFolder)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quantora 2000 "));
}

void MainWindow::start() {
    const ReadCfgOutcome config = pReadCfg(m_store);
    m_settings = config.settings;
    if (config.fault) m_messages.present(this, *config.fault);
    m_table.psFilePath = m_settings.SaveFilePath;
    readTable();
    resize(qRound(m_settings.window.width / twipsPerPixelX()), qRound(m_settings.window.height / twipsPerPixelY()));
    show();
}

void MainWindow::readTable() {
    const TableReadOutcome outcome = pReadTable(m_table, m_settings.limits, m_tableFolder.toStdString(),
                                                twipsPerPixelX(), twipsPerPixelY());
    m_messages.presentAll(this, outcome.notices);
    m_loadFailed = outcome.result != 0;
    m_table.psTableTitle = FileNameOf(m_table.psFilePath);
    m_table.pfTableChanged = false;
}

float MainWindow::twipsPerPixelX() const {
    const QScreen* s = screen();
    return s ? static_cast<float>(1440.0 / s->logicalDotsPerInchX()) : 15.0F;
}

float MainWindow::twipsPerPixelY() const {
    const QScreen* s = screen();
    return s ? static_cast<float>(1440.0 / s->logicalDotsPerInchY()) : 15.0F;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_loadFailed) {
        event->accept();
        return;
    }
    // No tree yet: every category keeps the state it was read with.
    const NodeExpandedQuery fromTable = [this](int node) -> std::optional<bool> {
        const int c = node - 1;
        if (c < 1 || c > m_table.pnCategoryCount) return std::nullopt;
        return m_table.category(c).expandedFlag == 1;
    };
    m_settings.SaveFilePath = m_table.psFilePath;
    const QRect normal = normalGeometry();
    RecordWindowState(m_settings, 0, m_settings.HeaderWidth[0], isMaximized() ? 2 : (isMinimized() ? 1 : 0),
                      WindowGeometry{normal.x() * twipsPerPixelX(), normal.y() * twipsPerPixelY(),
                                     normal.width() * twipsPerPixelX(), normal.height() * twipsPerPixelY()});
    pSaveCfg(m_store, m_settings);
    if (const auto fault = pSaveNodeStatus(m_table, fromTable)) m_messages.present(this, *fault);
    event->accept();
}

}  // namespace quantora
