// Export: the table of the active page as text, on the clipboard or in a file.
#include "export/export_text.h"
#include "shell/string_grid.h"
#include "shell/tform1.h"
#include "shell/text_file_dialogs.h"
#include "shell/user_messages.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTabWidget>

namespace tornelis {
namespace {

CellRange WholeTable(const StringGrid &grid)
{
    return {grid.FixedCols(), grid.FixedRows(), grid.columnCount() - 1, grid.rowCount() - 1};
}

CellRange Selection(const StringGrid &grid)
{
    const QList<QTableWidgetSelectionRange> ranges = grid.selectedRanges();
    if (ranges.isEmpty())
        return {grid.currentColumn(), grid.currentRow(), grid.currentColumn(), grid.currentRow()};
    const QTableWidgetSelectionRange &range = ranges.constLast();  // the block selected last
    return {range.leftColumn(), range.topRow(), range.rightColumn(), range.bottomRow()};
}

}  // namespace

const StringGrid &TForm1::ActiveGrid() const
{
    const QWidget *page = PageControl1->currentWidget();
    return page == TabSheet3 ? *StringGrid3 : page == TabSheet2 ? *StringGrid2 : *StringGrid1;
}

void TForm1::N18Click()
{
    const StringGrid &grid = ActiveGrid();
    exportText_ = ExportText(ExportRange(Selection(grid), WholeTable(grid)),
                                       [&grid](int column, int row) { return grid.Cells(column, row); });
}

void TForm1::N14Click()
{
    N18Click();
    QGuiApplication::clipboard()->setText(exportText_);
}

void TForm1::N10Click()
{
    // A file there is replaced only when the user says so; "Нет" goes back
    // to the dialog, as on Windows.
    std::optional<ChosenTextFile> chosen = fileDialogs_.ChooseFileToSave(this, lastSaved_);
    while (chosen && QFileInfo(chosen->path).isFile() &&
           !messages_.AskYesNo(QStringLiteral("Файл «%1» уже существует. Заменить его?")
                                   .arg(QFileInfo(chosen->path).fileName())))
        chosen = fileDialogs_.ChooseFileToSave(this, *chosen);
    if (!chosen)
        return;
    lastSaved_ = *chosen;
    N18Click();
    const QString error = WriteTextFile(*chosen, exportText_);
    if (!error.isEmpty())
        ReportError(error);
}

}  // namespace tornelis
