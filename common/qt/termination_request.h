#pragma once
// SIGTERM and SIGINT (a session ending, a kill from a shell) become a signal
// in the event loop, so the program closes its window as the user would:
// settings saved, published values reset.

#include <QObject>

class QSocketNotifier;

namespace common {

class TerminationRequest : public QObject {
    Q_OBJECT
public:
    explicit TerminationRequest(QObject* parent = nullptr);
    ~TerminationRequest() override;

signals:
    void requested();

private:
    void receive();

    int m_fds[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace common
