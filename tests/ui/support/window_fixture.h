#pragma once
// The one fixture of the converter's window tests: offscreen platform, the
// settings in a fresh temporary folder, a temporary copy of the table, a
// private runtime folder, message boxes and file dialogs answered by script,
// and a failure for any warning or modal dialog nobody expected.

#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "converter/ui/converter_program.h"
#include "converter/ui/file_chooser.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QTreeWidgetItem;

namespace uitest {

// Process set-up before the application exists: offscreen platform, C number
// locale, a private XDG_RUNTIME_DIR removed again at exit.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

private:
    std::string m_runtimeDir;
};

// Message boxes: each is recorded; a question takes the next scripted answer,
// and a question nobody scripted counts as unexpected and is cancelled.
class ScriptedMessages final : public common::MessagePresenter {
public:
    common::NoticeAnswer present(QWidget* parent, const common::Notice& notice,
                                 common::NoticeButtons buttons) override;
    void answerNext(common::NoticeAnswer answer) { m_answers.push_back(answer); }

    std::vector<common::Notice> shown;
    std::vector<common::Notice> unexpected;
    std::size_t pendingAnswers() const { return m_answers.size(); }

private:
    std::deque<common::NoticeAnswer> m_answers;
};

// File dialogs: each request is recorded and answered by the next scripted
// path (nothing = the user cancels); an unscripted dialog is unexpected.
class ScriptedFiles final : public quantora::FileChooser {
public:
    std::optional<QString> choose(QWidget* parent, const quantora::FileDialogRequest& request) override;
    void chooseNext(std::optional<QString> path) { m_answers.push_back(std::move(path)); }

    std::vector<quantora::FileDialogRequest> requests;
    int unexpected = 0;
    std::size_t pendingAnswers() const { return m_answers.size(); }

private:
    std::deque<std::optional<QString>> m_answers;
};

class WindowFixture {
public:
    // table: a file under tests/data/ui, or the bundled table when it is there.
    explicit WindowFixture(const QString& table = QString());
    ~WindowFixture();

    // A value in the store before the window starts.
    void setSetting(const char* section, const char* key, const QString& value);
    QString storedSetting(const char* section, const char* key);

    quantora::MainWindow& start();
    quantora::MainWindow& window() const { return m_program->window(); }
    // Closes the window as the user would; true when it closed.
    bool close();
    // Checks that nothing unexpected happened; call at the end of a test.
    void verifyQuiet();
    // A modal dialog the test means to drive, by object name: the watch leaves it open.
    void expectDialog(const QString& objectName) { m_expectedDialogs << objectName; }

    QString folder() const { return m_tables.path(); }
    QString tablePath() const { return m_tables.filePath(QStringLiteral("DEFAULT.DAT")); }
    // Copies a file from tests/data/ui into the table folder.
    QString copyData(const QString& name, const QString& as);

    template <class T>
    T* find(const QString& name) const {
        return window().findChild<T*>(name);
    }
    QAction* action(const QString& name) const;

    // Driving the window.
    QTreeWidgetItem* node(int index) const;
    void clickNode(int index);
    void clickUnit(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    int rowOf(const QString& unitName) const;
    void typeInput(const QString& text);
    QString panel(int n) const;
    QString output() const;
    // One run of the periodic refresh, as the timer would do it.
    void refresh();

    ScriptedMessages messages;
    ScriptedFiles files;

private:
    void watchForModalDialogs();

    QTemporaryDir m_settings;
    QTemporaryDir m_tables;
    std::unique_ptr<common::QSettingsStore> m_store;
    std::unique_ptr<quantora::ConverterProgram> m_program;
    QTimer m_modalWatch;
    QStringList m_modalDialogs;
    QStringList m_expectedDialogs;
};

// Fails the running test on any warning but the offscreen platform's notes
// on what it cannot do ("This plugin does not support raise()", size hints,
// grabbing the keyboard). Call from init().
void failOnUnexpectedWarnings();

}  // namespace uitest

#define QUANTORA_WINDOW_TEST_MAIN(TestObject)   \
    int main(int argc, char* argv[]) {          \
        uitest::TestEnvironment environment;    \
        QApplication app(argc, argv);           \
        TestObject test;                        \
        return QTest::qExec(&test, argc, argv); \
    }
