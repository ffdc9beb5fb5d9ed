#pragma once
// What the editing dialogs share: the OK, Cancel and "&Help" buttons, the
// test for a plain key typed outside a text box (an access key), and opening
// one on top of the program's windows.

#include <QString>

#include <functional>

class QDialog;
class QDialogButtonBox;
class QKeyEvent;
class QPushButton;

namespace quantora {

struct DialogButtons {
    QDialogButtonBox* box;
    QPushButton* ok;  // the default button
};

// cmdOK accepts, cmdCancel rejects, cmdHelp calls help.
DialogButtons makeDialogButtons(QDialog& dialog, std::function<void()> help);

// The text of a printable key typed without Ctrl, Alt or Meta; empty otherwise.
QString plainKeyText(const QKeyEvent& event);

// Opens the dialog without blocking, always on top while open and deleted
// once closed; closed() runs when it finishes.
void openOnTop(QDialog& dialog, std::function<void()> closed);

}  // namespace quantora
