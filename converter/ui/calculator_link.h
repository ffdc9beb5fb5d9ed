#pragma once
// The converter's end of the calculator link: Run Calculator and Run Program
// start their program by CalcType and CalcPath; Send Result to Calculator
// pokes the bare result (txtDest) into the calculator's txtSource, Get
// Calculation Result requests its txtCalcResult into the convert-from box.
// A calculator that does not answer within a second is left alone: the
// commands fail silently and the periodic refresh keeps the items disabled
// while it does not publish "Run" = "1".

#include "converter/ui/converter_context.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

namespace quantora {

class ConversionBoxes;
class MainActions;

class CalculatorLink : public QObject {
    Q_OBJECT
public:
    CalculatorLink(ConverterContext& context, QWidget& window, MainActions& actions, ConversionBoxes& boxes);

    // Starts the calculator CalcType names; false when it cannot be started (mRunCalculator).
    bool runCalculator();
    // Starts CalcPath, or the text editor when it is empty (mRunProgram).
    void runProgram();
    // The calculator's result becomes the convert-from text (copy mode 1).
    void getResult();
    // The bare result goes into the calculator's input (paste mode 1).
    void sendResult();

    // The converter has started its own calculator (calculator-started flag).
    bool started() const { return m_started; }
    // The process id of the last program started; 0 before the first.
    qint64 lastProcess() const { return m_lastProcess; }
    // tallix beside the converter.
    static QString ownCalculatorPath();

private:
    bool startProgram(const QString& program, const QStringList& arguments = {});
    bool startTextEditor();
    // The bare result into the new calculator's input once it serves the link.
    void deliverStartInput();

    ConverterContext& m_context;
    QWidget& m_window;
    MainActions& m_actions;
    ConversionBoxes& m_boxes;
    QTimer* m_waitForServer;
    QDeadlineTimer m_waitUntil;
    QString m_startInput;
    bool m_started = false;
    qint64 m_lastProcess = 0;
};

}  // namespace quantora
