#include "converter/ui/calculator_link.h"

#include "common/qt/link_channel.h"
#include "converter/settings/program_choice.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/main_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

namespace quantora {
namespace {

constexpr int kServerPollInterval = 50;
// How long a freshly started calculator may take to serve its link.
constexpr std::chrono::seconds kServerStartLimit{10};

const QString kInputItem = QStringLiteral("txtInput");
const QString kSourceItem = QStringLiteral("txtSource");
const QString kResultItem = QStringLiteral("txtCalcResult");

std::optional<std::string> findProgram(std::string_view name) {
    const QString path =
        QStandardPaths::findExecutable(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

}  // namespace

CalculatorLink::CalculatorLink(ConverterContext& context, QWidget& window, MainActions& actions,
                               ConversionBoxes& boxes)
    : QObject(&window),
      m_context(context),
      m_window(window),
      m_actions(actions),
      m_boxes(boxes),
      m_waitForServer(new QTimer(this)) {
    m_waitForServer->setInterval(kServerPollInterval);
    connect(m_waitForServer, &QTimer::timeout, this, &CalculatorLink::deliverStartInput);
}

QString CalculatorLink::ownCalculatorPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tallix");
}

bool CalculatorLink::startProgram(const QString& program, const QStringList& arguments) {
    qint64 process = 0;
    if (program.isEmpty() || !QProcess::startDetached(program, arguments, QString(), &process))
        return false;
    m_lastProcess = process;
    return true;
}

bool CalculatorLink::startTextEditor() {
    const auto find = [](std::string_view name) { return findProgram(name); };
    if (const std::optional<std::string> editor = firstInstalled(kPlatformEditors, find))
        return startProgram(QString::fromStdString(*editor));
    const std::optional<std::string> opener = findProgram(kOpenerFallback);
    if (!opener)
        return false;
    // The opener needs a file: a new empty one the user can save elsewhere.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/Quantora-XXXXXX.txt"));
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    return startProgram(QString::fromStdString(*opener), {file.fileName()});
}

bool CalculatorLink::runCalculator() {
    const ConverterSettings& s = m_context.settings;
    const std::string& calcPath = s.calcPath;
    bool startedProgram = false;
    switch (calculatorLaunch(s.calcType, calcPath)) {
        case Launch::OwnCalculator:
            startedProgram = startProgram(ownCalculatorPath());
            if (startedProgram) {
                m_started = true;
                // The new calculator serves its link once it is up; the
                // result follows then, without holding up this window.
                m_startInput = m_boxes.dest().text();
                m_waitUntil.setRemainingTime(kServerStartLimit);
                m_waitForServer->start();
            }
            break;
        case Launch::PlatformCalculator: {
            const auto find = [](std::string_view name) { return findProgram(name); };
            const std::optional<std::string> calculator = firstInstalled(kPlatformCalculators, find);
            startedProgram = calculator && startProgram(QString::fromStdString(*calculator));
            break;
        }
        case Launch::ChosenProgram:
            startedProgram = startProgram(QString::fromStdString(calcPath));
            break;
        case Launch::TextEditor:
            startedProgram = startTextEditor();
            break;
    }
    if (startedProgram && s.calcType != static_cast<int>(CalculatorKind::Companion)) {
        // Another program has no link to fetch from or send to.
        m_actions.setAvailable(m_actions.button(QStringLiteral("PasteCalc")), false);
        m_actions.setAvailable(m_actions.button(QStringLiteral("CopyCalc")), false);
    }
    if (!startedProgram) {
        m_context.messages.present(&m_window, {common::NoticeIcon::Exclamation, std::string(kCaptionTitle),
                                               programNotFoundText(s.calcType, calcPath)});
    }
    return startedProgram;
}

void CalculatorLink::runProgram() {
    const std::string& calcPath = m_context.settings.calcPath;
    if (programLaunch(calcPath) == Launch::ChosenProgram)
        startProgram(QString::fromStdString(calcPath));
    else
        startTextEditor();
}

void CalculatorLink::deliverStartInput() {
    common::LinkClient calculator;
    if (calculator.connect()) {
        m_waitForServer->stop();
        calculator.poke(kInputItem, m_startInput);
    } else if (m_waitUntil.hasExpired()) {
        m_waitForServer->stop();
    }
}

void CalculatorLink::sendResult() {
    common::LinkClient calculator;
    const QString text = m_boxes.dest().text();
    // The empty text first: the calculator sees a change even when the same
    // value is sent twice.
    if (calculator.poke(kSourceItem, QString()))
        calculator.poke(kSourceItem, text);
}

void CalculatorLink::getResult() {
    common::LinkClient calculator;
    if (const std::optional<QString> result = calculator.request(kResultItem))
        m_boxes.input().setText(*result);
}

}  // namespace quantora
