#pragma once
// The one fixture of the converter's window tests: offscreen platform, the
// settings in a fresh temporary folder, a temporary copy of the table, a
// private runtime folder, message boxes and file dialogs answered by script,
// and a failure for any warning or modal dialog nobody expected. Every test
// object derives from WindowTest, whose cleanup() makes that check.

#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "converter/ui/converter_program.h"
#include "converter/ui/file_chooser.h"
#include "quiet_test.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

class QTreeWidgetItem;

namespace uitest {

using qttest::TestEnvironment;

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
    // Checks that nothing unexpected happened; WindowTest::cleanup() calls it.
    void verifyQuiet();
    // A modal dialog the test means to drive, by object name: the watch leaves it open.
    void expectDialog(const QString& objectName) { m_modalWatch.expect(objectName); }

    QString folder() const { return m_tables.path(); }
    // The folder the settings files live in (what XDG_CONFIG_HOME is for a child process).
    QString settingsFolder() const { return m_settings.path(); }
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
    void clickUnit(const char* unitName, Qt::MouseButton button) { clickUnit(rowOf(unitName), button); }
    int rowOf(const QString& unitName) const;
    // The value typed into the convert-from box, then the units picked by a
    // left and a right click.
    void convert(const QString& value, const char* from, const char* into);
    void typeInput(const QString& text);
    QString panel(int n) const;
    QString output() const;
    // One run of the periodic refresh, as the timer would do it.
    void refresh();

    ScriptedMessages messages;
    ScriptedFiles files;

private:
    QTemporaryDir m_settings;
    QTemporaryDir m_tables;
    std::unique_ptr<common::QSettingsStore> m_store;
    std::unique_ptr<quantora::ConverterProgram> m_program;
    qttest::ModalDialogWatch m_modalWatch;
};

// The base of every window test object. A test takes its fixtures from
// makeFixture(); init() fails the test on any warning but the offscreen
// platform's notes on what it cannot do, and cleanup() fails it on any
// unexpected question, file dialog or modal dialog, then closes the fixtures.
class WindowTest : public QObject {
    Q_OBJECT
protected:
    // table: as for WindowFixture. Lives until the end of the test.
    WindowFixture& makeFixture(const QString& table = QString());

private slots:
    void init();
    void cleanup();

private:
    qttest::TestFixtures<WindowFixture> m_fixtures;
};

}  // namespace uitest

#define QUANTORA_WINDOW_TEST_MAIN(TestObject)                                                   \
    static_assert(std::is_base_of_v<uitest::WindowTest, TestObject>, "derive from WindowTest"); \
    int main(int argc, char* argv[]) {                                                          \
        uitest::TestEnvironment environment("quantora-ui");                                     \
        QApplication app(argc, argv);                                                           \
        TestObject test;                                                                        \
        return QTest::qExec(&test, argc, argv);                                                 \
    }
