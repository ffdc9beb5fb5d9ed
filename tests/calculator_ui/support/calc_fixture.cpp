#include "calc_fixture.h"

#include "calculator/ui/history_list.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>

namespace calctest {

TestEnvironment::TestEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    std::string pattern = (std::filesystem::temp_directory_path() / "tallix-ui-XXXXXX").string();
    if (mkdtemp(pattern.data())) {
        m_runtimeDir = pattern;
        chmod(m_runtimeDir.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_runtimeDir));
    }
}

TestEnvironment::~TestEnvironment() {
    std::error_code ignored;
    if (!m_runtimeDir.empty())
        std::filesystem::remove_all(m_runtimeDir, ignored);
}

std::optional<QColor> ScriptedColors::choose(QWidget*, const QColor&) {
    if (m_answers.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    const std::optional<QColor> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void failOnUnexpectedWarnings() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*$"),
                                            QRegularExpression::DotMatchesEverythingOption));
}

CalcFixture::CalcFixture() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    m_store = std::make_unique<common::QSettingsStore>();
    watchForModalDialogs();
}

CalcFixture::~CalcFixture() {
    m_modalWatch.stop();
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_program.reset();
}

void CalcFixture::watchForModalDialogs() {
    m_modalWatch.setInterval(50);
    QObject::connect(&m_modalWatch, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !m_expectedDialogs.contains(modal->objectName())) {
            m_unexpectedDialogs << modal->objectName();
            modal->close();
        }
    });
    m_modalWatch.start();
}

void CalcFixture::setSetting(const char* section, const char* key, const QString& value) {
    m_store->write("Tallix", section, key, value.toStdString());
    m_store->sync();
}

QString CalcFixture::stored(const char* section, const char* key) const {
    const common::QSettingsStore reader;
    return QString::fromStdString(reader.read("Tallix", section, key, "<missing>"));
}

tallix::CalcWindow& CalcFixture::start() {
    m_program = std::make_unique<tallix::CalcProgram>(*m_store, messages, colors);
    m_program->start();
    if (!QTest::qWaitForWindowExposed(&window()))
        QTest::qFail("the window was not shown", __FILE__, __LINE__);
    return window();
}

tallix::CalcWindow& CalcFixture::restart() {
    window().close();
    m_program.reset();
    return start();
}

QLineEdit& CalcFixture::input() const {
    return *find<QLineEdit>(QStringLiteral("txtInput"));
}

QString CalcFixture::result() const {
    return find<QLineEdit>(QStringLiteral("txtCalcResult"))->text();
}

void CalcFixture::evaluate(const QString& expression) {
    input().setText(expression);
    QTest::keyClick(&input(), Qt::Key_Return);
}

void CalcFixture::trigger(const QString& actionName) {
    QAction* action = find<QAction>(actionName);
    QVERIFY2(action, qPrintable(QStringLiteral("no menu item ") + actionName));
    QVERIFY2(action->isEnabled(), qPrintable(actionName + QStringLiteral(" is disabled")));
    action->trigger();
}

QStringList CalcFixture::historyShown() {
    QTest::keyClick(&input(), Qt::Key_L, Qt::AltModifier);
    QMenu& list = window().historyList().menu();
    QStringList shown;
    if (!list.isVisible())
        return {QStringLiteral("<the list did not open>")};
    for (const QAction* item : list.actions()) {
        if (item->isVisible())
            shown << item->text();
    }
    list.close();
    return shown;
}

void CalcFixture::verifyQuiet() {
    QCOMPARE(m_unexpectedDialogs, QStringList());
    QCOMPARE(colors.unexpected, 0);
}

}  // namespace calctest
