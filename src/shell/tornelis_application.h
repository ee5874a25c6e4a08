#pragma once

#include <QApplication>

namespace tornelis {

class UserMessages;

// The application object, with the general error report for errors that
// leave the program's start or a dialog's handler.
class TornelisApplication : public QApplication {
public:
    TornelisApplication(int &argc, char **argv);

    void setMessages(UserMessages *messages) { messages_ = messages; }
    void ReportError(const QString &message);

private:
    UserMessages *messages_ = nullptr;
};

}  // namespace tornelis
