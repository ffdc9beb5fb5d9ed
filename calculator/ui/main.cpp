#include "calculator/ui/calc_link.h"
#include "calculator/ui/calc_program.h"
#include "calculator/ui/color_chooser.h"
#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "common/qt/termination_request.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quantora.Tallix"));
    tallix::CalcLink link;
    // A calculator runs already: it has come forward, and this one ends.
    if (link.claim() == tallix::LinkClaim::HandedOver)
        return 0;
    common::QSettingsStore store;
    common::MessageBoxPresenter messages;
    tallix::DialogColorChooser colors;
    tallix::CalcProgram program(store, messages, colors);
    link.attach(program.window());
    common::TerminationRequest termination;
    QObject::connect(&termination, &common::TerminationRequest::requested, &program.window(),
                     &QWidget::close);
    program.start();
    return app.exec();
}
