#pragma once
// The fixture of the calculator's window tests: offscreen platform, the
// settings in a fresh temporary folder, a private runtime folder, message
// boxes and the colour chooser answered by script, and a failure for any
// warning or modal dialog nobody expected.

#include "calculator/ui/calc_program.h"
#include "calculator/ui/color_chooser.h"
#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "quiet_test.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <vector>

class QLineEdit;

namespace calctest {

using qttest::failOnUnexpectedWarnings;
using qttest::TestEnvironment;

// Message boxes are recorded; the calculator asks no questions.
class RecordedMessages final : public common::MessagePresenter {
public:
    common::NoticeAnswer present(QWidget*, const common::Notice& notice, common::NoticeButtons) override {
        shown.push_back(notice);
        return common::NoticeAnswer::Ok;
    }
    std::vector<common::Notice> shown;
};

// The colour chooser takes the next scripted colour (nothing: cancelled); an
// unscripted choice counts as unexpected.
class ScriptedColors final : public tallix::ColorChooser {
public:
    std::optional<QColor> choose(QWidget*, const QColor&) override;
    void chooseNext(std::optional<QColor> color) { m_answers.push_back(color); }
    int unexpected = 0;

private:
    std::deque<std::optional<QColor>> m_answers;
};

class CalcFixture {
public:
    CalcFixture();
    ~CalcFixture();

    // A value in the store before the window starts.
    void setSetting(const char* section, const char* key, const QString& value);
    // A value as another process reads it from disk.
    QString stored(const char* section, const char* key) const;

    tallix::CalcWindow& start();
    tallix::CalcWindow& window() const { return m_program->window(); }
    // Exit as the user does, then start again on the same store.
    tallix::CalcWindow& restart();

    QLineEdit& input() const;
    QString result() const;
    // The input's text replaced by expression, then Enter.
    void evaluate(const QString& expression);
    void trigger(const QString& actionName);
    // The history list's visible captions, top first.
    QStringList historyShown();

    template <class T>
    T* find(const QString& name) const {
        return window().findChild<T*>(name);
    }
    // The open dialog of that name (a closed one waits for its deletion).
    template <class T>
    T* openDialog(const QString& name) const {
        return qttest::shown<T>(window(), name);
    }
    // A modal dialog with this object name may open.
    void expectDialog(const QString& name) { m_modalWatch.expect(name); }
    // Checks that nothing unexpected happened; CalcTest::cleanup() calls it.
    void verifyQuiet();

    RecordedMessages messages;
    ScriptedColors colors;

private:
    QTemporaryDir m_settings;
    std::unique_ptr<common::QSettingsStore> m_store;
    std::unique_ptr<tallix::CalcProgram> m_program;
    qttest::ModalDialogWatch m_modalWatch;
};

// The base of every calculator window test object. A test takes its
// fixtures from makeFixture(); init() fails the test on any unexpected
// warning, cleanup() on any unexpected dialog or colour choice.
class CalcTest : public QObject {
    Q_OBJECT
protected:
    // Lives until the end of the test.
    CalcFixture& makeFixture() { return m_fixtures.make(); }

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { m_fixtures.close(); }

private:
    qttest::TestFixtures<CalcFixture> m_fixtures;
};

}  // namespace calctest

#define TALLIX_WINDOW_TEST_MAIN(TestObject)                                                   \
    static_assert(std::is_base_of_v<calctest::CalcTest, TestObject>, "derive from CalcTest"); \
    int main(int argc, char* argv[]) {                                                        \
        calctest::TestEnvironment environment("tallix-ui");                                   \
        QApplication app(argc, argv);                                                         \
        TestObject test;                                                                      \
        return QTest::qExec(&test, argc, argv);                                               \
    }
