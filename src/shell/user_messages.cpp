#include "shell/user_messages.h"

#include <QMessageBox>

namespace tornelis {

void MessageBoxes::ShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

void MessageBoxes::ShowError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, kProgramTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

}  // namespace tornelis
