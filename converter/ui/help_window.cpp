#include "converter/ui/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quantora {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Quantora 2000 Help"));
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_browser);
    resize(560, 620);
}

bool HelpWindow::showTopic(const QString& helpFile, int topic) {
    const QFileInfo file(helpFile);
    if (!file.isFile() || !file.isReadable())
        return false;
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    url.setFragment(topic > 0 ? QStringLiteral("topic") + QString::number(topic)
                              : QStringLiteral("contents"));
    // The document is HTML whatever its name ends in.
    m_browser->setSource(url, QTextDocument::HtmlResource);
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpWindow::currentAnchor() const {
    return m_browser->source().fragment();
}

}  // namespace quantora
