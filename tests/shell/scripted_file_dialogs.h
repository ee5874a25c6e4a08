#pragma once

#include "shell/text_file_dialogs.h"

#include <QList>

namespace tornelis::test {

// Answers the file dialogs from a script; an empty answer is a cancel.
class ScriptedFileDialogs : public TextFileDialogs {
public:
    std::optional<ChosenTextFile> ChooseFileToOpen(QWidget *) override { return next(); }
    std::optional<ChosenTextFile> ChooseFileToSave(QWidget *, const ChosenTextFile &preset) override
    {
        savePresets.append(preset);
        return next();
    }

    QList<std::optional<ChosenTextFile>> answers;
    QList<ChosenTextFile> savePresets;

private:
    std::optional<ChosenTextFile> next() { return answers.isEmpty() ? std::nullopt : answers.takeFirst(); }
};

}  // namespace tornelis::test
