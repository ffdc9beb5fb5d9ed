#include "calc_fixture.h"

#include "calculator/ui/history_list.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>

namespace calctest {

std::optional<QColor> ScriptedColors::choose(QWidget*, const QColor&) {
    if (m_answers.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    const std::optional<QColor> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

CalcFixture::CalcFixture() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    m_store = std::make_unique<common::QSettingsStore>();
}

CalcFixture::~CalcFixture() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_program.reset();
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
    QCOMPARE(m_modalWatch.unexpected(), QStringList());
    QCOMPARE(colors.unexpected, 0);
}

}  // namespace calctest
