#pragma once
// The converter's main window, frmMain: reads the settings and the table at
// start, writes them back at close.

#include "common/qt/message_presenter.h"
#include "common/settings_store.h"
#include "converter/settings/converter_settings.h"
#include "converter/table/conversion_table.h"

#include <QMainWindow>

namespace quantora {

// Folder that holds DEFAULT.DAT: beside the program, or a per-user copy when
// the program's folder cannot be written.
QString DefaultTableFolder();

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(common::SettingsStore& store, common::MessagePresenter& messages, QString tableFolder,
               QWidget* parent = nullptr);

    // Reads the settings and the table, then shows the window.
    void start();

    const ConversionTable& table() const { return m_table; }
    const ConverterSettings& settings() const { return m_settings; }
    bool loadFailed() const { return m_loadFailed; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void readTable();
    float twipsPerPixelX() const;
    float twipsPerPixelY() const;

    common::SettingsStore& m_store;
    common::MessagePresenter& m_messages;
    QString m_tableFolder;
    ConverterSettings m_settings;
    ConversionTable m_table;
    bool m_loadFailed = false;
};

}  // namespace quantora
