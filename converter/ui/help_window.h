#pragma once
// The help window: shows the HTML help document beside the program
// ("Quantora.hlp"), at its contents or at a topic number (anchor "topic<n>").

#include <QWidget>

class QTextBrowser;

namespace quantora {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // topic 0: the contents. False when the file cannot be read.
    bool showTopic(const QString& helpFile, int topic);
    QString currentAnchor() const;

private:
    QTextBrowser* m_browser;
};

}  // namespace quantora
