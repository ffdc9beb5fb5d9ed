#pragma once
// frmFunction, "Custom Functions": edits the list of favourite expressions.
// It works on a copy (CustomFunctionEditor); OK hands back the new list and,
// when the text box holds an expression, the calculator's new input.

#include "calculator/eval/custom_functions.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallix {

class CustomFunctionsDialog : public QDialog {
    Q_OBJECT
public:
    CustomFunctionsDialog(const std::vector<std::string>& functions, const QString& calculatorInput,
                          QWidget* owner);

    // Valid after OK.
    const CustomFunctionEditor::Accepted& accepted() const { return m_accepted; }

signals:
    void helpRequested();

private:
    void showEditor();
    void centreOnScreen();

    CustomFunctionEditor m_editor;
    CustomFunctionEditor::Accepted m_accepted;
    QListWidget* m_list;
    QLineEdit* m_text;
    QPushButton* m_add;
    QPushButton* m_remove;
};

}  // namespace tallix
