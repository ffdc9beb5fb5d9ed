#include "converter/ui/conversion_boxes.h"

#include "converter/engine/conversion_driver.h"
#include "converter/settings/window_layout.h"
#include "converter/ui/icon_set.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>

namespace quantora {
namespace {

NotationOptions notationOf(const ConverterSettings& settings) {
    return {settings.digits, settings.sciDigits, settings.integer, settings.numFormat};
}

}  // namespace

ConversionBoxes::ConversionBoxes(ConverterContext& context, QWidget& area, QStatusBar& statusBar,
                                 const IconSet& icons)
    : m_context(context),
      m_input(new QLineEdit(&area)),
      m_output(new QLineEdit(&area)),
      m_dest(new QLineEdit(&area)),
      m_arrow(new QLabel(&area)) {
    m_dest->setObjectName(QStringLiteral("txtDest"));
    m_dest->setAccessibleName(QStringLiteral("Converted value for the calculator"));
    m_dest->hide();

    m_output->setObjectName(QStringLiteral("txtOutput"));
    m_output->setAccessibleName(QStringLiteral("Convert into"));
    m_output->setAccessibleDescription(QStringLiteral("The converted value in the convert-into unit"));
    // Typing there is discarded; the text can still be selected and copied.
    m_output->setReadOnly(true);
    m_output->installEventFilter(this);
    connect(m_output, &QLineEdit::textChanged, this,
            [this](const QString& text) { emit outputEmptied(text.isEmpty()); });

    m_input->setObjectName(QStringLiteral("txtInput"));
    m_input->setAccessibleName(QStringLiteral("Convert from"));
    m_input->setAccessibleDescription(QStringLiteral("The value to convert, in the convert-from unit"));
    m_input->setToolTip(QStringLiteral("Enter a number to be converted from."));
    connect(m_input, &QLineEdit::textChanged, this, &ConversionBoxes::runIfUnitsChosen);
    connect(m_input, &QLineEdit::returnPressed, this, &ConversionBoxes::runConversion);

    m_arrow->setObjectName(QStringLiteral("imgPoint"));
    m_arrow->setPixmap(icons.arrow(area.devicePixelRatioF()));
    m_arrow->setFixedSize(layout::kArrowWidth, layout::kArrowHeight);
    m_arrow->setCursor(Qt::SizeHorCursor);

    statusBar.setObjectName(QStringLiteral("StatusBar1"));
    statusBar.setSizeGripEnabled(true);
    for (int n = 1; n <= 4; ++n) {
        auto* label = new QLabel(&statusBar);
        label->setObjectName(QStringLiteral("StatusBar1_") + QString::number(n));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        const bool unitPanel = n % 2 == 0;
        label->setMinimumWidth(unitPanel ? 40 : 0);
        statusBar.addWidget(label, unitPanel ? 1 : 0);
        m_panels[static_cast<std::size_t>(n - 1)] = label;
    }
    updateArrowToolTip();
}

QString ConversionBoxes::panel(int n) const {
    if (n < 1 || n > 4)
        return {};
    return m_panels[static_cast<std::size_t>(n - 1)]->text();
}

void ConversionBoxes::setPanel(int n, const QString& text) {
    if (n < 1 || n > 4)
        return;
    m_panels[static_cast<std::size_t>(n - 1)]->setText(text);
    updateArrowToolTip();
}

void ConversionBoxes::apply(const SessionChange& change) {
    if (change.unitsChanged) {
        setPanel(2, QString::fromStdString(m_context.session.fromName()));
        setPanel(4, QString::fromStdString(m_context.session.intoName()));
    }
    if (change.unitsCleared)
        m_output->clear();
    if (change.convert)
        runConversion();
}

void ConversionBoxes::runIfUnitsChosen() {
    if (m_context.session.unitsChosen())
        runConversion();
}

void ConversionBoxes::runConversion() {
    const std::string typed = m_input->text().toStdString();
    const Selection& selection = m_context.session.selection();
    const UnitChoice units{selection.quantity, selection.convertFrom, selection.convertInto};
    const bool numberSystem = m_context.table.kindOf(selection.node) == NodeKind::NumberSystem;
    const ConversionRequest request{m_context.table,
                                    units,
                                    numberSystem,
                                    typed,
                                    notationOf(m_context.settings),
                                    m_context.settings.showError,
                                    m_context.decimalSeparator};
    const ConversionOutcome outcome = quantora::runConversion(request);
    m_output->setText(QString::fromStdString(outcome.output));
    if (outcome.dest)
        m_dest->setText(QString::fromStdString(*outcome.dest));
    if (outcome.showDecimalSepHint)
        emit decimalSepHintWanted();
    m_context.messages.presentAll(m_input->window(), outcome.notices);
}

void ConversionBoxes::focusInputAtStart() {
    m_input->setFocus(Qt::OtherFocusReason);
    m_input->setCursorPosition(0);
}

bool ConversionBoxes::eventFilter(QObject* watched, QEvent* event) {
    // Entering the convert-into box selects its whole text; the selection is
    // made after the line edit's own focus handling.
    if (watched == m_output && event->type() == QEvent::FocusIn && !m_output->text().isEmpty()) {
        QTimer::singleShot(0, m_output, [output = m_output] { output->selectAll(); });
    }
    return QObject::eventFilter(watched, event);
}

void ConversionBoxes::updateArrowToolTip() {
    m_arrow->setToolTip(m_context.session.unitsChosen()
                            ? QStringLiteral("Right-click here to swap the units.")
                            : QStringLiteral("Click and drag this arrow to change the box widths."));
}

}  // namespace quantora
