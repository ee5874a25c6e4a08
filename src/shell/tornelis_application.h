#pragma once

#include <QApplication>

namespace tornelis {

class UserMessages;

// The application object: an error that escapes an event handler is shown
// in the general error report, and the program goes on with the next event.
class TornelisApplication : public QApplication {
public:
    TornelisApplication(int &argc, char **argv);

    void setMessages(UserMessages *messages) { messages_ = messages; }
    void ReportError(const QString &message);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    UserMessages *messages_ = nullptr;
};

}  // namespace tornelis
