#include "shell/user_messages.h"

#include <QMessageBox>
#include <QPushButton>

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

bool MessageBoxes::AskYesNo(const QString &question)
{
    QMessageBox box(QMessageBox::Question, kProgramTitle, question, QMessageBox::Yes | QMessageBox::No, parent_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

}  // namespace tornelis
