// What outlasts a run and what is shared between runs: the single-instance
// hand-over, the settings, the history, the published program path and the
// always-on-top option.
#include "shell/history_file.h"
#include "shell/platform/profile_file.h"
#include "shell/platform/program_path.h"
#include "shell/platform/settings_folder.h"
#include "shell/platform/single_instance.h"
#include "shell/tform1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

#include <stdexcept>

namespace tornelis {
namespace {

const QString kSettingsFile = QStringLiteral("Tornelis.ini");
const QString kHistoryFile = QStringLiteral("Tornelis.history");
const QString kViewSection = QStringLiteral("VIEW");
const QString kAlwaysOnTopKey = QStringLiteral("AlwaysOnTop");
const QString kAcuteAccentKey = QStringLiteral("AcuteAccent");

// A check item's mark from a key of the settings file; as it is when the key is missing.
void ReadCheckMark(const QString &path, const QString &key, QAction *item)
{
    if (const std::optional<QString> value = ReadProfileFile(path, kViewSection, key))
        item->setChecked(ParseProfileNumber(*value).value_or(0) != 0);
}

constexpr int kHistoryEntriesKept = 100;

}  // namespace

QString TForm1::ProgramFile(const QString &name) const
{
    return QDir(programDirectory_).filePath(name);
}

QString TForm1::SettingsFile(const QString &name) const
{
    return QDir(settingsFolder_).filePath(name);
}

void TForm1::SingleInstanceCheck()
{
    if (singleInstance_.BecomeFirstInstance()) {
        // The words the program was started with are declined once the window is up.
        if (const QString text = StartText(arguments_); !text.isEmpty()) {
            QTimer::singleShot(0, this, [this, text] {
                ComboBox1->setEditText(text);
                Handle([this] { BitBtn6Click(); });
            });
        }
        return;
    }
    secondInstance_ = true;
    const QByteArray handOver = HandOverBytes(arguments_);
    if (!handOver.isEmpty())
        singleInstance_.WriteHandOver(handOver);
}

void TForm1::Timer1Timer()
{
    if (secondInstance_)
        return;
    const std::optional<QByteArray> block = singleInstance_.TakeHandOver();
    if (!block)
        return;
    RequestFocusQuietly();
    const QString text = HandOverText(*block);
    if (text.isEmpty())
        return;
    ComboBox1->setEditText(text);
    BitBtn6Click();
}

void TForm1::RequestFocusQuietly()
{
    // Never over another application, never away from an open dialog.
    if (QApplication::activeModalWidget() || QGuiApplication::applicationState() != Qt::ApplicationActive)
        return;
    if (!isActiveWindow())
        activateWindow();
}

void TForm1::FormClose()
{
    singleInstance_.Release();
}

void TForm1::LoadHistory()
{
    const HistoryRead read = ReadHistory(SettingsFile(kHistoryFile));
    if (!read.error.isEmpty())
        throw std::runtime_error(read.error.toStdString());
    ComboBox1->addItems(read.history.entries);
    ComboBox1->setCurrentIndex(-1);  // the list is there to choose from; the box starts empty
    historyForm_ = read.history;
    historyForm_.entries.clear();  // the list holds them now
}

void TForm1::ReadSettings()
{
    const QString path = SettingsFile(kSettingsFile);
    if (QFileInfo(path).isFile()) {
        // A settings file without the key, or with no number there, leaves the window normal.
        N13->setChecked(false);
        ReadCheckMark(path, kAlwaysOnTopKey, N13);
        ReadCheckMark(path, kAcuteAccentKey, N36);
    }
    // Without a settings file the window follows the default mark too.
    N13Click();
}

void TForm1::WriteRegistryValue()
{
    if (!PublishProgramPath(programDirectory_))
        throw std::runtime_error("Failed to set data for 'Path'");
}

void TForm1::FormDestroy()
{
    QDir().mkpath(settingsFolder_);
    const QString settings = SettingsFile(kSettingsFile);
    const auto write = [&settings](const QString &key, const QAction *item) {
        return WriteProfileFile(settings, kViewSection, key, item->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    };
    if (!write(kAlwaysOnTopKey, N13) || !write(kAcuteAccentKey, N36)) {
        ReportError(QStringLiteral("Unable to write to %1").arg(QFileInfo(settings).absoluteFilePath()));
        return;
    }
    History history = historyForm_;
    for (int i = 0; i < std::min(ComboBox1->count(), kHistoryEntriesKept); ++i)
        history.entries.append(ComboBox1->itemText(i));
    const QString error = WriteHistory(SettingsFile(kHistoryFile), history);
    if (!error.isEmpty())
        ReportError(error);
}

void TForm1::N13Click()
{
    SetStaysOnTop(N13->isChecked());
}

void TForm1::SetStaysOnTop(bool onTop)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Set on the window as it is: QWidget::setWindowFlag would destroy and
    // create the window again, and it would blink.
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    overrideWindowFlags(flags);
    if (QWindow *window = windowHandle())
        window->setFlags(flags);
}

int TForm1::ShowOwnDialog(QDialog &dialog)
{
    const bool wasOnTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (wasOnTop)
        SetStaysOnTop(false);
    const int result = dialog.exec();
    if (wasOnTop)
        SetStaysOnTop(true);
    return result;
}

}  // namespace tornelis
