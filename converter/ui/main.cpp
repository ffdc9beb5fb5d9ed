#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "converter/ui/file_chooser.h"
#include "converter/ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    common::QSettingsStore store;
    common::MessageBoxPresenter messages;
    quantora::DialogFileChooser files;
    quantora::MainWindow window(store, messages, files, quantora::defaultTableFolder());
    window.start();
    return app.exec();
}
