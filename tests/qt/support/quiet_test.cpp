#include "quiet_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>

namespace qttest {

TestEnvironment::TestEnvironment(const char* prefix) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
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

void failOnUnexpectedWarnings() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*$"),
                                            QRegularExpression::DotMatchesEverythingOption));
}

ModalDialogWatch::ModalDialogWatch() {
    m_timer.setInterval(50);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !m_expected.contains(modal->objectName())) {
            m_unexpected << modal->objectName() + QStringLiteral(" (") + modal->windowTitle() + u')';
            modal->close();
        }
    });
    m_timer.start();
}

void click(QWidget* parent, const char* name) {
    auto* button = parent->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void setBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = parent->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(box, name);
    box->setText(text);
}

}  // namespace qttest
