// Stepping the caret word by word through any text, from any caret, and
// the cutting of long lines for the text box.
#include "fuzz_input.h"
#include "textmode/long_lines.h"
#include "textmode/text_navigation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const int caretChoice = input.TakeByte() << 8 | input.TakeByte();
    const QString text = WithCrLf(WithLineFeeds(input.RestAsUtf16()));
    const qsizetype caret = text.isEmpty() ? 0 : caretChoice % (text.size() + 1);

    const QString word = WordAtCaret(text, caret);
    TORNELIS_FUZZ_CHECK(word.isEmpty() || text.contains(word));
    if (const std::optional<qsizetype> back = CaretBack(text, caret))
        TORNELIS_FUZZ_CHECK(*back >= 0 && *back < caret);
    if (const std::optional<qsizetype> forward = CaretForward(text, caret))
        TORNELIS_FUZZ_CHECK(*forward > caret && *forward <= text.size());
    const qsizetype boxCaret = BoxCaretFromCrLf(text, caret);
    TORNELIS_FUZZ_CHECK(boxCaret >= 0 && boxCaret <= WithLineFeeds(text).size());

    const QString lineFeedText = WithLineFeeds(text);
    const ShownText shown = CutLongLines(lineFeedText, 1 + caretChoice % 64);
    TORNELIS_FUZZ_CHECK(WithoutSoftBreaks(shown.text, shown.softBreaks) == lineFeedText);
    const qsizetype position = std::min(caret, lineFeedText.size());
    TORNELIS_FUZZ_CHECK(TextPosition(ShownPosition(position, shown.softBreaks), shown.softBreaks) == position);
    // A long text arrives in the box piece by piece, its soft breaks all set
    // before: any start of the shown text reads as that start of the text.
    for (const qsizetype arrived : {std::min(caret, shown.text.size()), TextPieceEnd(shown.text, 0)}) {
        TORNELIS_FUZZ_CHECK(WithoutSoftBreaks(shown.text.left(arrived), shown.softBreaks) ==
                            lineFeedText.left(TextPosition(arrived, shown.softBreaks)));
    }
    return 0;
}
