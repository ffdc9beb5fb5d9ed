#include "converter/ui/removal_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace quantora {

RemovalDialog::RemovalDialog(const QString& question, const IconSet& icons, QWidget* owner)
    : QDialog(owner), m_no(new QPushButton(QStringLiteral("&No"), this)) {
    setObjectName(QStringLiteral("frmDelete"));
    setWindowTitle(QStringLiteral(" Confirm Item Deletion"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgWarning"));
    picture->setPixmap(icons.warning(devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(question, this);
    text->setObjectName(QStringLiteral("lblQuestion"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 46);

    auto* yes = new QPushButton(QStringLiteral("Yes"), this);
    yes->setObjectName(QStringLiteral("cmdYes"));
    m_no->setObjectName(QStringLiteral("CmdNo"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(yes, QDialogButtonBox::YesRole);
    buttons->addButton(m_no, QDialogButtonBox::NoRole);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
    m_no->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(text, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    m_no->setFocus();
}

void RemovalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_N && focusWidget() == m_no && !(event->modifiers() & ~Qt::ShiftModifier)) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quantora
