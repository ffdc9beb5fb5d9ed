#pragma once
// The conversion itself as the window shows it: the convert-from box
// (txtInput), the convert-into box (txtOutput, results only), the hidden
// bare result (txtDest), the arrow between the boxes (imgPoint) and the four
// status panels (" From", its unit, " Into", its unit).
//
// unit picked or text changed -> both unit panels set? -> runConversion ->
// txtOutput, txtDest, hint 5, notices

#include "converter/ui/converter_context.h"

#include <QObject>

#include <array>

class QLabel;
class QLineEdit;
class QStatusBar;
class QWidget;

namespace quantora {

class IconSet;

class ConversionBoxes : public QObject {
    Q_OBJECT
public:
    ConversionBoxes(ConverterContext& context, QWidget& area, QStatusBar& statusBar, const IconSet& icons);

    QLineEdit& input() const { return *m_input; }
    QLineEdit& output() const { return *m_output; }
    QLineEdit& dest() const { return *m_dest; }
    QLabel& arrow() const { return *m_arrow; }

    // Status panels 1 to 4.
    QString panel(int n) const;
    void setPanel(int n, const QString& text);

    // Shows what a session call changed: the unit panels, the result.
    void apply(const SessionChange& change);
    void runIfUnitsChosen();
    // Converts the typed value into the convert-into box (pExecConversion).
    void runConversion();
    void focusInputAtStart();

signals:
    // The typed value used the separator the platform does not use.
    void decimalSepHintWanted();
    void outputEmptied(bool empty);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateArrowToolTip();

    ConverterContext& m_context;
    QLineEdit* m_input;
    QLineEdit* m_output;
    QLineEdit* m_dest;
    QLabel* m_arrow;
    std::array<QLabel*, 4> m_panels{};
};

}  // namespace quantora
