// The main window on the full dictionary: from the window's construction to
// the window shown, and from Enter in the word box to filled tables. Runs on
// the offscreen platform; the dictionary is TORNELIS_FORMS_DB's folder or build/bin.
#include "bench_words.h"
#include "common_words.h"
#include "shell/document_opener.h"
#include "shell/lavender_style.h"
#include "shell/platform/posix_single_instance.h"
#include "shell/text_file_dialogs.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "shell/user_messages.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QtTest>

#include <memory>

#include <benchmark/benchmark.h>


using namespace tornelis;

namespace {

QString ProgramDirectory()
{
    return QFileInfo(DictionaryPath()).path();
}

class ScriptedOpen : public TextFileDialogs {
public:
    explicit ScriptedOpen(const QString &path, TextEncoding encoding = TextEncoding::Utf8)
        : path_(path), encoding_(encoding) {}
    std::optional<ChosenTextFile> ChooseFileToOpen(QWidget *) override { return ChosenTextFile{path_, encoding_}; }
    std::optional<ChosenTextFile> ChooseFileToSave(QWidget *, const ChosenTextFile &) override { return std::nullopt; }

private:
    QString path_;
    TextEncoding encoding_;
};

WindowServices Services()
{
    static MessageBoxes messages;
    static EncodingFileDialogs fileDialogs;
    static PosixSingleInstance singleInstance(QDir::tempPath());
    static DesktopOpener opener;
    return {messages, fileDialogs, singleInstance, opener, {}};
}

void BM_ConstructionToWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        TForm1 form(ProgramDirectory(), Services());
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            state.SkipWithError("the window was not shown");
        state.PauseTiming();
        form.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructionToWindowShown)->Unit(benchmark::kMillisecond);

// The start with a history file of 100 MB (one word per line) beside the
// program: only its first lines are read.
void BM_StartWithHundredMegabyteHistory(benchmark::State &state)
{
    QTemporaryDir program;
    QFile::link(DictionaryPath(), program.filePath(QStringLiteral("forms.db")));
    const QByteArray lines = QByteArray("\xF1\xF2\xEE\xEB\r\n").repeated(1024 * 1024);
    for (auto _ : state) {
        // Written afresh: the window's end writes back its first 100 entries.
        state.PauseTiming();
        QFile history(program.filePath(QStringLiteral("Tornelis.history")));
        history.open(QIODevice::WriteOnly);
        for (int i = 0; i < 100 / 6 + 1; ++i)
            history.write(lines);
        history.close();
        state.ResumeTiming();
        auto form = std::make_unique<TForm1>(program.path(), Services());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            state.SkipWithError("the window was not shown");
        state.PauseTiming();
        state.counters["entries"] = form->ComboBox1->count();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWithHundredMegabyteHistory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EnterToFilledTables(benchmark::State &state)
{
    TForm1 form(ProgramDirectory(), Services());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        state.SkipWithError("the window was not shown");
    const QStringList words = CommonWords();
    qsizetype i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.ComboBox1->setEditText(words.at(i));
        i = (i + 1) % words.size();
        state.ResumeTiming();
        QTest::keyClick(form.ComboBox1, Qt::Key_Return);
    }
}
BENCHMARK(BM_EnterToFilledTables)->Unit(benchmark::kMicrosecond);

// Opening a 50 MB UTF-8 text into the text box, as "Открыть" does.
// A file in dir of megabytes MB: text repeated.
QString WriteRepeated(const QTemporaryDir &dir, const QString &text, qsizetype megabytes)
{
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QByteArray piece = text.toUtf8();
    for (qsizetype written = 0; written < megabytes * 1024 * 1024; written += piece.size())
        file.write(piece);
    return path;
}

// A shown window whose "Открыть" opens the file dialogs name.
std::unique_ptr<TForm1> WindowOpening(ScriptedOpen &dialogs, benchmark::State &state)
{
    static MessageBoxes messages;
    WindowServices services = Services();
    auto form = std::make_unique<TForm1>(ProgramDirectory(),
                                         WindowServices{messages, dialogs, services.singleInstance, services.opener, {}});
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        state.SkipWithError("the window was not shown");
    return form;
}

void BM_Open50MegabyteText(benchmark::State &state)
{
    QTemporaryDir dir;
    ScriptedOpen dialogs(WriteRepeated(dir, QStringLiteral("Мама мыла раму, а папа читал газету у окна.\r\n"), 50));
    const std::unique_ptr<TForm1> form = WindowOpening(dialogs, state);
    for (auto _ : state) {
        form->Memo2->clear();
        form->N19Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Open50MegabyteText)->Unit(benchmark::kMillisecond)->Iterations(2);

// A text of one 10 MB line without a line break, of words (range(0) = 0)
// or one run of letters (1): opening it, then how long the window takes to
// answer a click into the text and a caret step, each taking a word.
void BM_ClickInTenMegabyteLine(benchmark::State &state)
{
    QTemporaryDir dir;
    ScriptedOpen dialogs(
        WriteRepeated(dir, state.range(0) == 0 ? QStringLiteral("мама мыла раму ") : QStringLiteral("ж"), 10));
    const std::unique_ptr<TForm1> form = WindowOpening(dialogs, state);
    QElapsedTimer opening;
    opening.start();
    form->N19Click();
    while (form->Memo2->Text().size() < 10 * 1024 * 1024 / 2 * 0.9)
        QCoreApplication::processEvents();
    state.counters["open_ms"] = double(opening.elapsed());
    int x = 10;
    for (auto _ : state) {
        QTest::mouseClick(form->Memo2->viewport(), Qt::LeftButton, {}, QPoint(x, 10));
        QTest::keyClick(form->Memo2, Qt::Key_F3);
        QCoreApplication::processEvents();
        x = x % 300 + 7;
    }
    state.counters["word_length"] = double(form->ComboBox1->currentText().size());
}
BENCHMARK(BM_ClickInTenMegabyteLine)->Arg(0)->Arg(1)->ArgName("one_run")->Unit(benchmark::kMillisecond);

// A UTF-16 file of range(0) lone low surrogates (U+DC00), one line, opened
// into the text box: it is cut like any long line.
void BM_OpenLineOfLoneSurrogates(benchmark::State &state)
{
    const int kHalves = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("halves.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray("\xFF\xFE") + QByteArray("\x00\xDC", 2).repeated(kHalves));
    file.close();
    ScriptedOpen dialogs(path, TextEncoding::Unicode);
    const std::unique_ptr<TForm1> form = WindowOpening(dialogs, state);
    for (auto _ : state) {
        form->Memo2->clear();
        form->N19Click();
        // The text arrives piece by piece; it is in when it stops growing.
        for (qsizetype shown = -1; shown != form->Memo2->document()->characterCount();) {
            shown = form->Memo2->document()->characterCount();
            QTest::qWait(20);
        }
    }
    state.counters["shown"] = double(form->Memo2->Text().size());
}
BENCHMARK(BM_OpenLineOfLoneSurrogates)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

// "Ударения в тексте" on 1 MB of real prose (TORNELIS_PROSE, prepared by
// bench/compare), marks put in and shown in the text box, then taken out.
void BM_StressMarksInProse(benchmark::State &state)
{
    QFile prose(qEnvironmentVariable("TORNELIS_PROSE"));
    if (!prose.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no prose: set TORNELIS_PROSE (bench/compare prepares it)");
        return;
    }
    const QString text = QString::fromUtf8(prose.readAll());
    TForm1 form(ProgramDirectory(), Services());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        state.SkipWithError("the window was not shown");
    form.Memo2->setPlainText(text);
    for (auto _ : state) {
        form.N37Click();
        state.PauseTiming();
        form.N38Click();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * prose.size());
}
BENCHMARK(BM_StressMarksInProse)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TornelisApplication application(argc, argv);
    ApplyLavenderClassico(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
