#pragma once

#include <QApplication>
#include <QTranslator>

namespace tornelis {

class UserMessages;

// The application object, with the general error report for errors that
// leave the program's start or a dialog's handler. Qt's own texts (file
// dialogs, message box buttons, context menus) are Russian whatever the
// locale, as the program is.
class TornelisApplication : public QApplication {
public:
    TornelisApplication(int &argc, char **argv);

    void setMessages(UserMessages *messages) { messages_ = messages; }
    void ReportError(const QString &message);

private:
    UserMessages *messages_ = nullptr;
    QTranslator qtTexts_;
};

}  // namespace tornelis
