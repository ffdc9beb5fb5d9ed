#include "calculator/ui/calc_program.h"
#include "calculator/ui/color_chooser.h"
#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quantora.Tallix"));
    common::QSettingsStore store;
    common::MessageBoxPresenter messages;
    tallix::DialogColorChooser colors;
    tallix::CalcProgram program(store, messages, colors);
    program.start();
    return app.exec();
}
