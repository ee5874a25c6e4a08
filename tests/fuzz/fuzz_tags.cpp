// Tag strings as a damaged dictionary may hold them: descriptions, labels
// and the placement of a form in the tables.
#include "engine/paradigm_tables.h"
#include "engine/part_of_speech.h"
#include "fuzz_input.h"
#include "grammemes/describe_tags.h"

#include <cstdio>
#include <cstdlib>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString tags = QString::fromUtf8(fuzz::FuzzInput(data, size).Rest());
    DescribeTags(tags);
    PartOfSpeechLabel(tags);
    for (const CellPosition &cell : PlaceOnDeclension(tags)) {
        TORNELIS_FUZZ_CHECK(cell.column > 0 && cell.column < kDeclensionShape.columns);
        TORNELIS_FUZZ_CHECK(cell.row > 0 && cell.row < kDeclensionShape.rows);
    }
    for (const CellPosition &cell : PlaceOnConjugation(tags)) {
        TORNELIS_FUZZ_CHECK(cell.column > 0 && cell.column < kConjugationShape.columns);
        TORNELIS_FUZZ_CHECK(cell.row > 0 && cell.row < kConjugationShape.rows);
    }
    return 0;
}
