#include "shell/tornelis_application.h"

#include "shell/user_messages.h"

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

}  // namespace tornelis
