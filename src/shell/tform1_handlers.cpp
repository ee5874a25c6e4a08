// The handlers of the main window's commands.
#include "engine/cell_description.h"
#include "engine/decline_command.h"
#include "shell/lavender_style.h"
#include "shell/status_panels.h"
#include "shell/string_grid.h"
#include "shell/tform1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>

namespace tornelis {
namespace {

constexpr int kCounterPanelWidth = 170;
constexpr int kInspectionPanelWidth = 1500;

void WriteDataCells(StringGrid *grid, StringGrid *twin, const ParadigmGrid &cells, const ParadigmGrid &tags,
                    const QList<CellPosition> &typed)
{
    for (int row = grid->FixedRows(); row < grid->rowCount(); ++row) {
        for (int column = grid->FixedCols(); column < grid->columnCount(); ++column) {
            grid->SetCell(column, row, cells.at(column, row));
            twin->SetCell(column, row, tags.at(column, row));
            grid->SetStandingOut(column, row, typed.contains(CellPosition{column, row}) ? TypedCellBackground() : QColor());
        }
    }
}

}  // namespace

void TForm1::BitBtn6Click()
{
    const DeclineRequest request{ComboBox1->currentText(), SelectedDatabasePath, N26->isChecked(),
                                 CurrentRenderOptions()};
    DeclineOutcome outcome;
    try {
        outcome = RunDeclineCommand(*DURIDOD_, request);
    } catch (...) {
        // The engine's lemma ids are half rebuilt: show nothing rather than stale tabs.
        typed_ = {};
        ShowLemmaTabs({});
        ShowTables(ParadigmTables{});
        throw;
    }
    ComboBox1->setEditText(outcome.word);
    typed_ = outcome.typed;
    ShowLemmaTabs(outcome.lemmaCaptions);
    if (DURIDOD_->Connected)
        statusPanels_->setText(3, !outcome.readAs.isEmpty()  ? ReadAsNote(outcome.readAs)
                                  : DURIDOD_->PredictedAt(0) ? kPredictedStatus
                                                             : QString());
    ShowCounters();
    ShowTables(outcome.tables);
}

void TForm1::ComboBox1KeyPress(QChar key)
{
    if (key == QChar(13))
        BitBtn6Click();
}

void TForm1::TabControl1Change()
{
    DURIDOD_->StartCommand();
    ShowTables(DURIDOD_->FillTables(TabControl1->currentIndex(), CurrentRenderOptions(), typed_));
}

void TForm1::ShowLemmaTabs(const QStringList &captions)
{
    // Rebuilding the tabs is no change of tab: the decline command fills the tables itself.
    const QSignalBlocker blocker(TabControl1);
    while (TabControl1->count() > 0)
        TabControl1->removeTab(0);
    for (const QString &caption : captions)
        TabControl1->addTab(caption);
    TabControl1->setCurrentIndex(captions.isEmpty() ? -1 : 0);
}

void TForm1::ShowCounters()
{
    statusPanels_->setWidth(0, kCounterPanelWidth);
    statusPanels_->setAlignment(0, Qt::AlignHCenter);
    statusPanels_->setText(0, QStringLiteral("Всего запросов: %1").arg(DURIDOD_->FoundCount + DURIDOD_->NotFoundCount));
    statusPanels_->setText(1, QStringLiteral("Найдено: %1").arg(DURIDOD_->FoundCount));
    statusPanels_->setText(2, QStringLiteral("Не найдено: %1").arg(DURIDOD_->NotFoundCount));
}

void TForm1::ShowTables(const ParadigmTables &tables)
{
    WriteDataCells(StringGrid1, StringGrid11, tables.declension, tables.declensionTags, tables.declensionTyped);
    WriteDataCells(StringGrid2, StringGrid21, tables.conjugation, tables.conjugationTags, tables.conjugationTyped);
    ShowOtherForms(tables.other);
    // New tables start fresh: no cell of the last ones stays selected.
    for (StringGrid *grid : {StringGrid1, StringGrid2, StringGrid3})
        grid->StartFresh();
    if (tables.page)
        PageControl1->setCurrentIndex(int(*tables.page));
}

void TForm1::ShowOtherForms(const QList<OtherForm> &forms)
{
    const QList<OtherFormsRow> rows = OtherFormsRows(forms);
    StringGrid3->SetBodyRowCount(int(rows.size()));
    StringGrid31->SetBodyRowCount(StringGrid3->rowCount());
    for (int i = 0; i < rows.size(); ++i) {
        const OtherFormsRow &row = rows.at(i);
        const int gridRow = StringGrid3->FixedRows() + i;
        if (row.heading) {
            StringGrid3->SetHeadingRow(gridRow, row.form, HeaderCellBackground(), HeaderCellText());
            continue;
        }
        StringGrid3->SetCell(0, gridRow, row.form);
        StringGrid3->SetCell(1, gridRow, row.description);
        StringGrid31->SetCell(0, gridRow, row.tags);
        StringGrid3->SetStandingOut(0, gridRow, row.typed ? TypedCellBackground() : QColor());
    }
    PageControl1->setTabText(PageControl1->indexOf(TabSheet3), OtherFormsCaption(forms.size()));
}

void TForm1::StringGrid1Click()
{
    InspectCell(*StringGrid1, *StringGrid11);
}

void TForm1::StringGrid2Click()
{
    InspectCell(*StringGrid2, *StringGrid21);
}

void TForm1::StringGrid3Click()
{
    // Either column of a row describes its form.
    const int row = StringGrid3->currentRow();
    InspectForm(StringGrid3->Cells(0, row), StringGrid31->Cells(0, row));
}

void TForm1::InspectCell(const StringGrid &grid, const StringGrid &twin)
{
    const int column = grid.currentColumn();
    const int row = grid.currentRow();
    InspectForm(grid.Cells(column, row), twin.Cells(column, row));
}

void TForm1::InspectForm(const QString &form, const QString &tags)
{
    statusPanels_->setWidth(0, kInspectionPanelWidth);
    statusPanels_->setAlignment(0, Qt::AlignLeft);
    const QString line = DescribeCell(form, tags);
    statusPanels_->setText(0, line);
    QGuiApplication::clipboard()->setText(line);
}

void TForm1::N12Click()
{
    QCoreApplication::quit();
}

void TForm1::N32Click()
{
    N32->setChecked(true);
    BitBtn6Click();
}

void TForm1::N33Click()
{
    N33->setChecked(true);
    BitBtn6Click();
}

void TForm1::N34Click()
{
    N34->setChecked(true);
    BitBtn6Click();
}

}  // namespace tornelis
