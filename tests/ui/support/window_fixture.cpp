#include "window_fixture.h"

#include "converter/ui/command_dispatch.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace uitest {

common::NoticeAnswer ScriptedMessages::present(QWidget*, const common::Notice& notice,
                                               common::NoticeButtons buttons) {
    shown.push_back(notice);
    if (buttons == common::NoticeButtons::Ok)
        return common::NoticeAnswer::Ok;
    if (m_answers.empty()) {
        unexpected.push_back(notice);
        return common::NoticeAnswer::Cancel;
    }
    const common::NoticeAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedFiles::choose(QWidget*, const quantora::FileDialogRequest& request) {
    requests.push_back(request);
    if (m_answers.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    const bool chosen = m_answers.front().has_value();
    const QString path = chosen ? *m_answers.front() : QString();
    m_answers.pop_front();
    return chosen ? std::optional<QString>(path) : std::nullopt;
}

WindowFixture::WindowFixture(const QString& table) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    m_store = std::make_unique<common::QSettingsStore>();
    const QString bundled = QStringLiteral(BUNDLED_DATA_DIR "/DEFAULT.DAT");
    QString source;
    if (!table.isEmpty()) {
        source = QStringLiteral(TEST_DATA_DIR "/ui/") + table;
    } else if (QFile::exists(bundled)) {
        source = bundled;
    } else {
        source = QStringLiteral(TEST_DATA_DIR "/ui/small.dat");
    }
    QFile::copy(source, tablePath());
    QFile::setPermissions(tablePath(), QFile::ReadOwner | QFile::WriteOwner);
    // A pop-up that opens on its own while a test clicks would take the clicks.
    setSetting("Extra", "ShowMenuDelay", QStringLiteral("2000"));
}

WindowFixture::~WindowFixture() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_program.reset();
}

QString WindowFixture::copyData(const QString& name, const QString& as) {
    const QString target = m_tables.filePath(as);
    QFile::remove(target);
    QFile::copy(QStringLiteral(TEST_DATA_DIR "/ui/") + name, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void WindowFixture::setSetting(const char* section, const char* key, const QString& value) {
    m_store->write("Quantora 2000", section, key, value.toStdString());
    m_store->sync();
}

QString WindowFixture::storedSetting(const char* section, const char* key) {
    common::QSettingsStore reader;
    return QString::fromStdString(reader.read("Quantora 2000", section, key, "<missing>"));
}

quantora::MainWindow& WindowFixture::start() {
    m_program = std::make_unique<quantora::ConverterProgram>(*m_store, messages, files, m_tables.path());
    window().start();
    if (!QTest::qWaitForWindowExposed(&window()))
        QTest::qFail("the window was not shown", __FILE__, __LINE__);
    return window();
}

bool WindowFixture::close() {
    return window().close();
}

void WindowFixture::verifyQuiet() {
    QStringList questions;
    for (const common::Notice& notice : messages.unexpected)
        questions << QString::fromStdString(notice.text);
    QCOMPARE(questions, QStringList());
    QCOMPARE(files.unexpected, 0);
    QCOMPARE(m_modalWatch.unexpected(), QStringList());
    QCOMPARE(messages.pendingAnswers(), std::size_t{0});
    QCOMPARE(files.pendingAnswers(), std::size_t{0});
}

QAction* WindowFixture::action(const QString& name) const {
    return window().findChild<QAction*>(name);
}

QTreeWidgetItem* WindowFixture::node(int index) const {
    auto* tree = find<QTreeWidget>(QStringLiteral("TreeView1"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() == index)
            return *it;
    }
    return nullptr;
}

void WindowFixture::clickNode(int index) {
    auto* tree = find<QTreeWidget>(QStringLiteral("TreeView1"));
    QTreeWidgetItem* item = node(index);
    QVERIFY2(item, qPrintable(QStringLiteral("no tree node %1").arg(index)));
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void WindowFixture::clickUnit(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    auto* list = find<quantora::UnitListView>(QStringLiteral("ListView1"));
    QVERIFY2(row >= 0 && row < list->itemCount(), qPrintable(QStringLiteral("no unit row %1").arg(row)));
    QTest::mouseClick(list->activeViewport(), button, modifiers, list->rowRect(row).center());
}

int WindowFixture::rowOf(const QString& unitName) const {
    auto* list = find<quantora::UnitListView>(QStringLiteral("ListView1"));
    for (int row = 0; row < list->itemCount(); ++row) {
        if (list->nameOfRow(row) == unitName)
            return row;
    }
    return -1;
}

void WindowFixture::convert(const QString& value, const char* from, const char* into) {
    find<QLineEdit>(QStringLiteral("txtInput"))->setText(value);
    clickUnit(from, Qt::LeftButton);
    clickUnit(into, Qt::RightButton);
}

void WindowFixture::typeInput(const QString& text) {
    auto* input = find<QLineEdit>(QStringLiteral("txtInput"));
    QTest::keyClicks(input, text);
}

QString WindowFixture::panel(int n) const {
    return find<QLabel>(QStringLiteral("StatusBar1_") + QString::number(n))->text();
}

QString WindowFixture::output() const {
    return find<QLineEdit>(QStringLiteral("txtOutput"))->text();
}

void WindowFixture::refresh() {
    window().commands().refresh();
}

WindowFixture& WindowTest::makeFixture(const QString& table) {
    return m_fixtures.make(table);
}

void WindowTest::init() {
    qttest::failOnUnexpectedWarnings();
}

void WindowTest::cleanup() {
    m_fixtures.close();
}

}  // namespace uitest
