// Syllable division, stress marks and letter case on any text.
#include "fuzz_input.h"
#include "render/render_options.h"
#include "render/stress.h"
#include "render/syllables.h"

#include <cstdio>
#include <cstdlib>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::uint8_t choices = input.TakeByte();
    const int accent = int(input.TakeByte()) - 8;
    const QString text = input.RestAsUtf16();

    QStringList syllables;
    const qsizetype count = SplitSyllables(text, syllables);
    TORNELIS_FUZZ_CHECK(count == syllables.size());
    // Hyphenation only adds hyphens to the text's letters (separators aside).
    const QString hyphenated = HyphenateWord(text);
    TORNELIS_FUZZ_CHECK(hyphenated.size() >= syllables.join(QString()).size());

    if (const std::optional<qsizetype> at = StressVowelIndex(text, accent))
        TORNELIS_FUZZ_CHECK(*at >= 0 && *at < text.size());
    const StressMark mark = choices & 32 ? StressMark::Acute : StressMark::Apostrophe;
    const QString marked = InsertStressMark(text, accent, mark);
    TORNELIS_FUZZ_CHECK(marked.size() == text.size() || marked.size() == text.size() + 1);
    WithApostropheMarks(marked);

    RenderOptions options;
    options.stressOn = choices & 1;
    options.syllablesOn = choices & 2;
    options.letterCase = LetterCase((choices >> 2) % 3);
    options.stressMark = mark;
    RenderCell(text, accent, options);
    return 0;
}
