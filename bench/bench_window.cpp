// The main window on the full dictionary: from the window's construction to
// the window shown, and from Enter in the word box to filled tables. Runs on
// the offscreen platform; the dictionary is TORNELIS_FORMS_DB's folder or build/bin.
#include "common_words.h"
#include "shell/lavender_style.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "shell/user_messages.h"

#include <QComboBox>
#include <QFileInfo>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tornelis;

namespace {

QString ProgramDirectory()
{
    const char *path = std::getenv("TORNELIS_FORMS_DB");
    return QFileInfo(path ? QString::fromLocal8Bit(path) : QStringLiteral(TORNELIS_DEFAULT_FORMS_DB)).path();
}

MessageBoxes &Messages()
{
    static MessageBoxes messages;
    return messages;
}

void BM_ConstructionToWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        TForm1 form(ProgramDirectory(), Messages());
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            state.SkipWithError("the window was not shown");
        state.PauseTiming();
        form.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructionToWindowShown)->Unit(benchmark::kMillisecond);

void BM_EnterToFilledTables(benchmark::State &state)
{
    TForm1 form(ProgramDirectory(), Messages());
    form.show();
    QTest::qWaitForWindowExposed(&form);
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
