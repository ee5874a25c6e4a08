#pragma once

#include "shell/user_messages.h"

#include <QStringList>

namespace tornelis::test {

// Records the message boxes instead of showing them.
class RecordingMessages : public UserMessages {
public:
    void ShowMessage(const QString &text) override { messages.append(text); }
    void ShowError(const QString &text) override { errors.append(text); }
    bool AskYesNo(const QString &question) override
    {
        questions.append(question);
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    QList<bool> answers;  // "Да" or "Нет" for the next questions; "Нет" once used up
};

}  // namespace tornelis::test
