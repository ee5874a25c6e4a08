#pragma once

#include "shell/user_messages.h"

#include <QStringList>

namespace tornelis::test {

// Records the message boxes instead of showing them.
class RecordingMessages : public UserMessages {
public:
    void ShowMessage(const QString &text) override { messages.append(text); }
    void ShowError(const QString &text) override { errors.append(text); }

    QStringList messages;
    QStringList errors;
};

}  // namespace tornelis::test
