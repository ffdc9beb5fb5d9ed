#include "calculator/ui/calc_about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

namespace tallix {

CalcAboutDialog::CalcAboutDialog(const QIcon& icon, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tallix"));

    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(
        QStringLiteral("<p><b style=\"font-size:large\">Tallix</b><br>Version 1.2</p>"
                       "<p>Evaluates typed mathematical expressions with 33 functions, named constants and "
                       "argument values, keeps your own functions and the last twelve expressions, and "
                       "exchanges values with Quantora 2000.</p>"
                       "<p>Free software under the MIT License.</p>"));
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 44);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(text, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
}

}  // namespace tallix
