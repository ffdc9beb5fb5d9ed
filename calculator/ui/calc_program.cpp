#include "calculator/ui/calc_program.h"

#include "common/decimal_separator.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace tallix {

CalcProgram::CalcProgram(common::SettingsStore& store, common::MessagePresenter& messages,
                         ColorChooser& colors)
    : m_context(store, messages), m_window(m_context, m_icons, colors) {}

void CalcProgram::measureScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_context.twipsPerPixelX = 1440.0 / screen->logicalDotsPerInchX();
    m_context.twipsPerPixelY = 1440.0 / screen->logicalDotsPerInchY();
}

void CalcProgram::start() {
    publishRun(m_context.store, true);
    m_context.helpFile = QCoreApplication::applicationDirPath() + QStringLiteral("/Tallix.hlp");
    measureScreen();
    common::Outcome<CalculatorSettings> read = readCalculatorSettings(m_context.store);
    // mCheckNumberLocale: the platform's rendering of 1.24 with two decimals.
    const common::DecimalSeparator separator =
        common::detectDecimalSeparator(QLocale::system().toString(1.24, 'f', 2).toStdString());
    m_context.calculator = Calculator(read.take(), separator);
    m_context.messages.presentAll(&m_window, read.notices());
    m_window.start();
}

}  // namespace tallix
