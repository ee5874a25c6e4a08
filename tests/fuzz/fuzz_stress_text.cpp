// Stress marks in the text box: put in from a small dictionary, taken out,
// and the caret carried across, for any text (lone surrogates included),
// whether the annotator reads the text whole or a few bytes at a time.
#include "engine/stress_lookup.h"
#include "fuzz_input.h"
#include "support/test_database.h"
#include "textmode/loose_utf8.h"
#include "textmode/stress_marks.h"
#include "textmode/text_annotator.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace tornelis;

namespace {

// Hands out at most step bytes per read, as a slow stream would.
class TricklingDevice : public QIODevice {
public:
    TricklingDevice(const QByteArray &bytes, qint64 step) : bytes_(bytes), step_(step) { open(ReadOnly); }

protected:
    qint64 readData(char *data, qint64 size) override
    {
        const qint64 count = std::min({size, step_, qint64(bytes_.size()) - at_});
        std::copy_n(bytes_.constData() + at_, count, data);
        at_ += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 step_;
    qint64 at_ = 0;
};

StressLookup &Dictionary()
{
    static QTemporaryDir dir;
    static std::unique_ptr<StressLookup> lookup = [] {
        const QString path = dir.filePath(QStringLiteral("forms.db"));
        QList<test::FormRow> rows = test::Lexeme(1, {{"молоко", "NOUN,inan,neut sing,nomn"},
                                                     {"молока", "NOUN,inan,neut sing,gent"}});
        rows[0].accent = 5;
        rows[1].accent = 5;
        rows += test::Lexeme(10, {{"мама", "NOUN,anim,femn sing,nomn"}});
        rows[2].accent = 2;
        rows += test::Lexeme(20, {{"ёлка", "NOUN,inan,femn sing,nomn"}});
        test::WriteTestDatabase(path, rows, {{QStringLiteral("елка"), QStringLiteral("ёлка")}});
        return std::make_unique<StressLookup>(path);
    }();
    return *lookup;
}

QString Marked(const QByteArray &utf8, qint64 step, StressMark mark)
{
    TextAnnotator annotator(Dictionary(), {false, true, mark});
    TricklingDevice in(utf8, step);
    QByteArray marked;
    QBuffer out(&marked);
    out.open(QIODevice::WriteOnly);
    annotator.Annotate(in, out);
    return FromLooseUtf8(marked);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const int step = 1 + input.TakeByte();
    const StressMark mark = input.TakeByte() % 2 ? StressMark::Acute : StressMark::Apostrophe;
    const int caretChoice = input.TakeByte() << 8 | input.TakeByte();
    const QString text = input.RestAsUtf16();

    const QByteArray utf8 = ToLooseUtf8(text);
    TORNELIS_FUZZ_CHECK(FromLooseUtf8(utf8) == text);
    const QString whole = Marked(utf8, std::numeric_limits<qint64>::max(), mark);
    TORNELIS_FUZZ_CHECK(Marked(utf8, step, mark) == whole);
    TORNELIS_FUZZ_CHECK(WithoutStressMarks(whole) == WithoutStressMarks(text));

    // The caret stays on its character; a mark put in just before that
    // character may stand between.
    const qsizetype caret = caretChoice % (text.size() + 1);
    qsizetype moved = PositionAcrossMarks(text, whole, caret);
    TORNELIS_FUZZ_CHECK(moved >= 0 && moved <= whole.size());
    if (caret == text.size()) {
        TORNELIS_FUZZ_CHECK(moved == whole.size());
    } else {
        while (moved < whole.size() && whole.at(moved) != text.at(caret) &&
               (whole.at(moved) == u'\'' || whole.at(moved) == QChar(0x301)))
            ++moved;
        TORNELIS_FUZZ_CHECK(moved < whole.size() && whole.at(moved) == text.at(caret));
    }
    return 0;
}
