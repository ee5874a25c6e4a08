#include "shell/text_file_dialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

namespace tornelis {
namespace {

std::optional<ChosenTextFile> RunDialog(QWidget *parent, QFileDialog::AcceptMode mode, const ChosenTextFile &preset,
                                        const QString &folder = QString())
{
    QFileDialog dialog(parent);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    // Room for the columns of the detail view: sizes and dates are not cut.
    dialog.resize(820, 480);
    if (auto *files = dialog.findChild<QTreeView *>())
        files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Qt's own dialog, so that the encoding list can be added to it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    auto *encodings = new QComboBox(&dialog);
    encodings->addItems(TextEncodingNames());
    encodings->setCurrentIndex(int(preset.encoding));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QStringLiteral("Кодировка:"), &dialog), row, 0);
        grid->addWidget(encodings, row, 1);
    }
    if (!preset.path.isEmpty())
        dialog.selectFile(preset.path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenTextFile{dialog.selectedFiles().constFirst(), TextEncoding(encodings->currentIndex())};
}

}  // namespace

std::optional<ChosenTextFile> EncodingFileDialogs::ChooseFileToOpen(QWidget *parent)
{
    std::optional<ChosenTextFile> chosen = RunDialog(parent, QFileDialog::AcceptOpen, {}, lastOpenedFolder_);
    if (chosen)
        lastOpenedFolder_ = QFileInfo(chosen->path).absolutePath();
    return chosen;
}

std::optional<ChosenTextFile> EncodingFileDialogs::ChooseFileToSave(QWidget *parent, const ChosenTextFile &preset)
{
    return RunDialog(parent, QFileDialog::AcceptSave, preset);
}

}  // namespace tornelis
