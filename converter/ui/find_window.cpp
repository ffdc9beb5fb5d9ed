#include "converter/ui/find_window.h"

#include "converter/ui/display_styles.h"
#include "converter/ui/topmost.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quantora {
namespace {

constexpr int kTextFontElement = 6;
const char* const kFindCaption = "Find";
const char* const kEndCaption = "End of Search";

}  // namespace

FindWindow::FindWindow(ConverterContext& context, Found found, QWidget* owner)
    : QDialog(owner),
      m_context(context),
      m_found(std::move(found)),
      m_text(new QLineEdit(this)),
      m_quantity(new QRadioButton(QStringLiteral("&Quantity"), this)),
      m_unit(new QRadioButton(QStringLiteral("&Unit"), this)),
      m_case(new QCheckBox(QStringLiteral("Match &Case"), this)),
      m_find(new QPushButton(QStringLiteral("&Find Next"), this)) {
    setObjectName(QStringLiteral("frmFind"));
    setModal(false);
    setWindowTitle(QString::fromLatin1(kFindCaption));
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setAccessibleName(QStringLiteral("Text to find"));
    m_text->setFont(elementFont(context.settings, kTextFontElement));
    m_quantity->setObjectName(QStringLiteral("optFind_0"));
    m_unit->setObjectName(QStringLiteral("optFind_1"));
    m_unit->setChecked(true);
    m_case->setObjectName(QStringLiteral("chkCase"));
    m_find->setObjectName(QStringLiteral("cmdFind"));
    m_find->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));

    auto* options = new QHBoxLayout;
    options->addWidget(m_quantity);
    options->addWidget(m_unit);
    options->addWidget(m_case);
    options->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(m_text);
    left->addLayout(options);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_find);
    buttons->addWidget(close);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_text, &QLineEdit::textChanged, this, &FindWindow::restart);
    for (QRadioButton* option : {m_quantity, m_unit}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            restart();
            m_text->setFocus();
        });
    }
    connect(m_find, &QPushButton::clicked, this, &FindWindow::findNext);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    move(context.toPixelsX(context.settings.findLeft), context.toPixelsY(context.settings.findTop));
    setStayOnTop(*this, 1);
}

void FindWindow::restart() {
    m_position.reset();
}

void FindWindow::findNext() {
    const std::string text = m_text->text().toStdString();
    const bool matchCase = m_case->isChecked();
    const std::optional<FindHit> hit = m_quantity->isChecked()
                                           ? findNextQuantity(m_context.table, m_position, text, matchCase)
                                           : findNextUnit(m_context.table, m_position, text, matchCase);
    if (!hit) {
        QApplication::beep();
        setWindowTitle(QString::fromLatin1(kEndCaption));
    } else {
        setWindowTitle(QString::fromLatin1(kFindCaption));
        if (m_found)
            m_found(*hit);
    }
    activateWindow();
    m_find->setFocus();
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
    // The search box keeps the letters it is given; these come from elsewhere.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_N:
            m_text->setFocus();
            m_text->selectAll();
            break;
        case Qt::Key_C:
            m_case->toggle();
            break;
        case Qt::Key_F:
            findNext();
            break;
        case Qt::Key_Q:
            m_quantity->click();
            break;
        case Qt::Key_U:
            m_unit->click();
            break;
        default:
            QDialog::keyPressEvent(event);
    }
}

void FindWindow::storePosition() {
    m_context.settings.findLeft = m_context.toTwipsX(x());
    m_context.settings.findTop = m_context.toTwipsY(y());
}

// The close button, Close and Escape all end here.
void FindWindow::done(int result) {
    storePosition();
    setStayOnTop(*this, 0);
    QDialog::done(result);
}

}  // namespace quantora
