#pragma once
// The body of both help windows: a search field, the contents list (one row
// per topic of the document, taken from its "topic<n>" anchors and the
// heading after each) and the document itself. Enter in the search field
// finds the next place that holds the text, from the top again after the last.

#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace common {

struct HelpTopicEntry {
    QString anchor;
    QString title;
};

// The topics of a help document in their order: each "contents" or
// "topic<n>" anchor with the text of the heading that follows it.
QList<HelpTopicEntry> helpTopicEntries(const QString& html);

class HelpPane : public QWidget {
    Q_OBJECT
public:
    explicit HelpPane(QWidget* parent = nullptr);

    // False when the file cannot be read.
    bool showAnchor(const QString& helpFile, const QString& anchor);
    QString currentAnchor() const;
    // Selects the next match of the text after the cursor; false when none.
    bool findText(const QString& text);

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* searchField() const { return m_search; }
    QListWidget* contentsList() const { return m_contents; }

private:
    void loadContents(const QString& helpFile);
    void goToRow(int row);

    QLineEdit* m_search;
    QListWidget* m_contents;
    QTextBrowser* m_browser;
    QString m_loadedFile;
};

// Both programs' help window: a HelpPane at a topic number (anchor
// "topic<n>", 0 the contents). It first opens where place puts it beside its
// owner; after that it keeps where the user put it. Escape closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Where the window first opens: from its owner's frame, its own size and
    // the screen's free area.
    using Placement = std::function<QPoint(const QRect& ownerFrame, const QSize& size, const QRect& area)>;
    HelpWindow(QWidget* owner, const QString& title, const QSize& size, Placement place);

    // False when the file cannot be read.
    bool showTopic(const QString& helpFile, int topic);
    QString currentAnchor() const;

private:
    HelpPane* m_pane;
    Placement m_place;
    bool m_placed = false;
};

}  // namespace common
