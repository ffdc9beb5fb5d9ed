#include "common/qt/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

namespace common {

AboutDialog::AboutDialog(const QIcon& icon, const QString& name, const QString& summary, QWidget* owner,
                         Qt::WindowFlags flags)
    : QDialog(owner, flags) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + name);

    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(QStringLiteral("<p><b style=\"font-size:large\">%1</b><br>Version 1.2</p><p>%2</p>"
                                 "<p>Free software under the MIT License.</p>")
                      .arg(name.toHtmlEscaped(), summary.toHtmlEscaped()));
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 44);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(text, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
}

}  // namespace common
