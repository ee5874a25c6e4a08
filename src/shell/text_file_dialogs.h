#pragma once

#include "export/text_file.h"

#include <QString>

#include <optional>

class QWidget;

namespace tornelis {

// The choice of a file and its encoding, behind a seam so that tests can
// answer without a dialog.
class TextFileDialogs {
public:
    virtual ~TextFileDialogs() = default;
    virtual std::optional<ChosenTextFile> ChooseFileToOpen(QWidget *parent) = 0;
    // preset: the last confirmed name and encoding of this run.
    virtual std::optional<ChosenTextFile> ChooseFileToSave(QWidget *parent, const ChosenTextFile &preset) = 0;
};

// Qt's file dialogs with an added "Кодировка:" list of the six encodings. The
// open dialog starts in the folder of the file last opened in this run.
class EncodingFileDialogs : public TextFileDialogs {
public:
    std::optional<ChosenTextFile> ChooseFileToOpen(QWidget *parent) override;
    std::optional<ChosenTextFile> ChooseFileToSave(QWidget *parent, const ChosenTextFile &preset) override;

private:
    QString lastOpenedFolder_;
};

}  // namespace tornelis
