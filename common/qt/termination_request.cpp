#include "common/qt/termination_request.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace common {
namespace {

// A signal handler can only reach state at file scope; it writes one byte to
// the pipe the event loop watches, which is async-signal-safe.
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void onTerminate(int) {
    const int fd = writeEnd;
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
}

}  // namespace

TerminationRequest::TerminationRequest(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0)
        return;
    writeEnd = m_fds[0];
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequest::receive);
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

TerminationRequest::~TerminationRequest() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    writeEnd = -1;
    for (const int fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
    }
}

void TerminationRequest::receive() {
    char bytes[16];
    while (::read(m_fds[1], bytes, sizeof bytes) > 0) {
    }
    emit requested();
}

}  // namespace common
