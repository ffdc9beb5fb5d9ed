#pragma once
// What every window test of both programs needs: the process set up before
// the application exists, a failure for any unexpected warning, and a watch
// that closes and records modal dialogs nobody expected.

#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qttest {

// Offscreen platform, C number locale, a private XDG_RUNTIME_DIR removed
// again at exit.
class TestEnvironment {
public:
    explicit TestEnvironment(const char* prefix);
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

private:
    std::string m_runtimeDir;
};

// Fails the running test on any warning but the offscreen platform's notes
// on what it cannot do ("This plugin does not support raise()"). Call from init().
void failOnUnexpectedWarnings();

// Modal dialogs other than the expected ones are closed and recorded.
class ModalDialogWatch {
public:
    ModalDialogWatch();
    ~ModalDialogWatch() { m_timer.stop(); }
    // A modal dialog of that object name may open: the test drives it.
    void expect(const QString& objectName) { m_expected << objectName; }
    const QStringList& unexpected() const { return m_unexpected; }

private:
    QTimer m_timer;
    QStringList m_expected;
    QStringList m_unexpected;
};

// The visible widget of that object name under owner (a dialog or window
// that opened), or null.
template <class T = QWidget>
T* shown(const QObject& owner, const QString& name) {
    for (T* widget : owner.findChildren<T*>(name)) {
        if (widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Clicks the button of that object name under parent; fails the test without one.
void click(QWidget* parent, const char* name);
// Types text into the box of that object name under parent; fails the test without one.
void setBox(QWidget* parent, const char* name, const QString& text);

// The fixtures one test made. close() checks each for anything unexpected
// (unless the test already failed: it says why, later checks would only add
// noise), then closes them, the last made first. Call it from cleanup().
template <class Fixture>
class TestFixtures {
public:
    template <class... Args>
    Fixture& make(Args&&... args) {
        m_fixtures.push_back(std::make_unique<Fixture>(std::forward<Args>(args)...));
        return *m_fixtures.back();
    }
    void close() {
        for (const std::unique_ptr<Fixture>& fixture : m_fixtures) {
            if (QTest::currentTestFailed())
                break;
            fixture->verifyQuiet();
        }
        while (!m_fixtures.empty())
            m_fixtures.pop_back();
    }

private:
    std::vector<std::unique_ptr<Fixture>> m_fixtures;
};

}  // namespace qttest
