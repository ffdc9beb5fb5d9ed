#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "converter/ui/converter_program.h"
#include "converter/ui/file_chooser.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quantora.Quantora"));
    common::QSettingsStore store;
    common::MessageBoxPresenter messages;
    quantora::DialogFileChooser files;
    quantora::ConverterProgram program(store, messages, files, quantora::defaultTableFolder());
    program.window().start();
    return app.exec();
}
