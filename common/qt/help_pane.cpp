#include "common/qt/help_pane.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace common {

QList<HelpTopicEntry> helpTopicEntries(const QString& html) {
    static const QRegularExpression kTopic(
        QStringLiteral(R"re(<a\s+name="(contents|topic\d+)"\s*>\s*</a>\s*<h[1-3][^>]*>(.*?)</h[1-3]>)re"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kTag(QStringLiteral("<[^>]*>"));
    QList<HelpTopicEntry> entries;
    for (auto it = kTopic.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QTextDocument text;
        text.setHtml(match.captured(2).remove(kTag));
        entries.push_back({match.captured(1), text.toPlainText().simplified()});
    }
    return entries;
}

HelpPane::HelpPane(QWidget* parent)
    : QWidget(parent),
      m_search(new QLineEdit(this)),
      m_contents(new QListWidget(this)),
      m_browser(new QTextBrowser(this)) {
    m_search->setObjectName(QStringLiteral("txtHelpSearch"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search the help"));
    m_search->setAccessibleDescription(
        tr("Type a word and press Enter to find its next place in the help text"));
    m_contents->setObjectName(QStringLiteral("lstHelpContents"));
    m_contents->setAccessibleName(tr("Help contents"));
    m_contents->setAccessibleDescription(tr("The topics of the help; choose one to show it"));
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("Help text"));

    auto* label = new QLabel(tr("&Search:"), this);
    label->setBuddy(m_search);
    auto* side = new QWidget(this);
    auto* sideBox = new QVBoxLayout(side);
    sideBox->setContentsMargins(0, 0, 0, 0);
    sideBox->addWidget(label);
    sideBox->addWidget(m_search);
    sideBox->addWidget(m_contents, 1);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(side);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 420});
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    box->addWidget(split);
    setTabOrder(m_search, m_contents);
    setTabOrder(m_contents, m_browser);

    connect(m_search, &QLineEdit::returnPressed, this, [this] { findText(m_search->text()); });
    connect(m_contents, &QListWidget::currentRowChanged, this, &HelpPane::goToRow);
}

void HelpPane::loadContents(const QString& helpFile) {
    if (helpFile == m_loadedFile)
        return;
    m_loadedFile = helpFile;
    QFile file(helpFile);
    const QString html = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const QSignalBlocker quiet(m_contents);
    m_contents->clear();
    for (const HelpTopicEntry& entry : helpTopicEntries(html)) {
        auto* item = new QListWidgetItem(entry.title, m_contents);
        item->setData(Qt::UserRole, entry.anchor);
    }
    // Wide enough for the longest title, so none is cut off.
    const int frame = 2 * m_contents->frameWidth();
    const int scrollBar = m_contents->verticalScrollBar()->sizeHint().width();
    m_contents->setMinimumWidth(m_contents->sizeHintForColumn(0) + frame + scrollBar);
}

bool HelpPane::showAnchor(const QString& helpFile, const QString& anchor) {
    const QFileInfo file(helpFile);
    if (!file.isFile() || !file.isReadable())
        return false;
    loadContents(file.absoluteFilePath());
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    url.setFragment(anchor);
    // The document is HTML whatever its name ends in.
    m_browser->setSource(url, QTextDocument::HtmlResource);
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentRow(-1);
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(Qt::UserRole).toString() == anchor)
            m_contents->setCurrentRow(row);
    }
    return true;
}

QString HelpPane::currentAnchor() const {
    return m_browser->source().fragment();
}

void HelpPane::goToRow(int row) {
    if (row < 0 || m_loadedFile.isEmpty())
        return;
    QUrl url = QUrl::fromLocalFile(m_loadedFile);
    url.setFragment(m_contents->item(row)->data(Qt::UserRole).toString());
    m_browser->setSource(url, QTextDocument::HtmlResource);
}

bool HelpPane::findText(const QString& text) {
    if (text.isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    // From the top again.
    QTextCursor top = m_browser->textCursor();
    top.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(top);
    return m_browser->find(text);
}

HelpWindow::HelpWindow(QWidget* owner, const QString& title, const QSize& size, Placement place)
    : QWidget(owner, Qt::Window), m_pane(new HelpPane(this)), m_place(std::move(place)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(title);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_pane);
    resize(size);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::showTopic(const QString& helpFile, int topic) {
    if (!m_pane->showAnchor(helpFile, topic > 0 ? QStringLiteral("topic") + QString::number(topic)
                                                : QStringLiteral("contents")))
        return false;
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!m_placed && owner && owner->screen() && m_place) {
        move(m_place(owner->frameGeometry(), size(), owner->screen()->availableGeometry()));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpWindow::currentAnchor() const {
    return m_pane->currentAnchor();
}

}  // namespace common
