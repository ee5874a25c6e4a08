#include "shell/tornelis_application.h"

#include "shell/user_messages.h"

#include <exception>

namespace tornelis {

TornelisApplication::TornelisApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

void TornelisApplication::ReportError(const QString &message)
{
    if (messages_)
        messages_->ShowError(ErrorReportText(message));
}

bool TornelisApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportError(QString());
    }
    return false;
}

}  // namespace tornelis
