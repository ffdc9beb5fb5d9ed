#pragma once
// frmFind: a small modeless window above the main window that finds the next
// quantity or unit whose name contains the typed text (Find Next), reports
// the end of the search by a beep and the caption "End of Search", and
// starts again from the first quantity after that, after any change of the
// text and after a click on an option button.

#include "converter/table/name_search.h"
#include "converter/ui/converter_context.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quantora {

class FindWindow : public QDialog {
    Q_OBJECT
public:
    // found: selects the hit in the tree and, for a unit, in the list.
    using Found = std::function<void(const FindHit&)>;
    FindWindow(ConverterContext& context, Found found, QWidget* owner);

    // Runs the quantity or the unit search as chosen (cmdFind).
    void findNext();
    const FindPosition& position() const { return m_position; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void restart();
    void storePosition();

    ConverterContext& m_context;
    Found m_found;
    FindPosition m_position;
    QLineEdit* m_text;
    QRadioButton* m_quantity;
    QRadioButton* m_unit;
    QCheckBox* m_case;
    QPushButton* m_find;
};

}  // namespace quantora
