#include "converter/ui/dialog_parts.h"

#include "converter/ui/topmost.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

namespace quantora {

DialogButtons makeDialogButtons(QDialog& dialog, std::function<void()> help) {
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* helpButton = new QPushButton(QStringLiteral("&Help"), &dialog);
    helpButton->setObjectName(QStringLiteral("cmdHelp"));
    auto* box = new QDialogButtonBox(&dialog);
    box->addButton(ok, QDialogButtonBox::AcceptRole);
    box->addButton(cancel, QDialogButtonBox::RejectRole);
    box->addButton(helpButton, QDialogButtonBox::HelpRole);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, std::move(help));
    ok->setDefault(true);
    return {box, ok};
}

QString plainKeyText(const QKeyEvent& event) {
    const QString typed = event.text();
    if (typed.isEmpty() || !typed.at(0).isPrint() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {};
    return typed;
}

void openOnTop(QDialog& dialog, std::function<void()> closed) {
    dialog.setAttribute(Qt::WA_DeleteOnClose);
    setStayOnTop(dialog, 1);
    if (closed)
        QObject::connect(&dialog, &QDialog::finished, &dialog, [closed = std::move(closed)] { closed(); });
    dialog.open();
}

}  // namespace quantora
