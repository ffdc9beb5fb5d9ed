#include "converter/ui/about_dialog.h"

#include "converter/settings/product_title.h"
#include "converter/ui/icon_set.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace quantora {

AboutDialog::AboutDialog(const IconSet& icons, QWidget* owner) : QDialog(owner) {
    const QString name = QString::fromLatin1(kProductName);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + name);

    auto* picture = new QLabel(this);
    picture->setPixmap(icons.application().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(QStringLiteral("<p><b style=\"font-size:large\">%1</b><br>Version 1.2</p>"
                                 "<p>Converts values between units, with the error they carry, and "
                                 "between number systems, from a conversion table you can edit.</p>"
                                 "<p>Free software under the MIT License.</p>")
                      .arg(name.toHtmlEscaped()));
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 44);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(text, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
}

}  // namespace quantora
