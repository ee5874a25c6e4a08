// The handlers of the main window's commands.
#include "engine/decline_command.h"
#include "grammemes/describe_tags.h"
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

void WriteDataCells(StringGrid *grid, StringGrid *twin, const ParadigmGrid &cells, const ParadigmGrid &tags)
{
    for (int row = grid->FixedRows(); row < grid->rowCount(); ++row) {
        for (int column = grid->FixedCols(); column < grid->columnCount(); ++column) {
            grid->SetCell(column, row, cells.at(column, row));
            twin->SetCell(column, row, tags.at(column, row));
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
        ShowLemmaTabs({});
        ShowTables(ParadigmTables{});
        throw;
    }
    ComboBox1->setEditText(outcome.word);
    ShowLemmaTabs(outcome.lemmaCaptions);
    if (DURIDOD_->Connected)
        statusPanels_->setText(3, QString());
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
    ShowTables(DURIDOD_->FillTables(TabControl1->currentIndex(), CurrentRenderOptions()));
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
    WriteDataCells(StringGrid1, StringGrid11, tables.declension, tables.declensionTags);
    WriteDataCells(StringGrid2, StringGrid21, tables.conjugation, tables.conjugationTags);
    if (tables.page)
        PageControl1->setCurrentIndex(int(*tables.page));
}

void TForm1::StringGrid1Click()
{
    InspectCell(*StringGrid1, *StringGrid11);
}

void TForm1::StringGrid2Click()
{
    InspectCell(*StringGrid2, *StringGrid21);
}

void TForm1::InspectCell(const StringGrid &grid, const StringGrid &twin)
{
    const int column = grid.currentColumn();
    const int row = grid.currentRow();
    statusPanels_->setWidth(0, kInspectionPanelWidth);
    statusPanels_->setAlignment(0, Qt::AlignLeft);
    const QString line = grid.Cells(column, row) + QStringLiteral(" - ") + DescribeTags(twin.Cells(column, row));
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
