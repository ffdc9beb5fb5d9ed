#pragma once
// What the unit and constant dialogs share: a "&Properties" page and a memo
// page on a tab strip, the "&Icon" frame, OK, Cancel and "&Help". On the
// properties page OK is the default button; on the memo page it is not, so
// Enter breaks a line. A key typed while no text box has the focus goes to
// accessKey; afterwards OK is the default button again.

#include "converter/ui/icon_set.h"

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace quantora {

class IconChoice;

class PropertyPagesDialog : public QDialog {
    Q_OBJECT
public:
    std::int16_t icon() const;
    QString memoText() const;
    QTabWidget& tabs() const { return *m_tabs; }
    QPushButton& okButton() const { return *m_ok; }

signals:
    void helpRequested(int topic);

protected:
    struct Frame {
        QString memoTitle;  // the memo tab's caption
        int helpTopic = 0;
        IconSet::Family iconFamily = IconSet::Family::Unit;
        QFont textFont;  // the dialogs' text boxes
    };
    PropertyPagesDialog(const IconSet& icons, const Frame& frame, QWidget* owner);

    // The fields above the icon frame, in rows.
    QGridLayout& fields() const { return *m_fields; }
    IconChoice& iconChoice() const { return *m_icon; }
    QPlainTextEdit& memoBox() const { return *m_memo; }
    QLineEdit* addTextBox(const QString& name);
    // Page 0 focuses the first field, page 1 the memo.
    void showPage(int page);
    void focusText(QLineEdit& box);
    // Page 1's first field (the name).
    virtual QLineEdit& firstField() const = 0;
    // A typed key, letters in either case; false when it leads nowhere.
    virtual bool accessKey(const QString& typed) = 0;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pageChosen(int page);

    QTabWidget* m_tabs;
    QGridLayout* m_fields;
    IconChoice* m_icon;
    QPlainTextEdit* m_memo;
    QPushButton* m_ok;
    QFont m_textFont;
};

}  // namespace quantora
