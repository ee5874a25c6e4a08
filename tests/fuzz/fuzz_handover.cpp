// The hand-over block as another process may leave it, and the block a
// second start writes from any two arguments.
#include "fuzz_input.h"
#include "shell/platform/single_instance.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const qsizetype cut = input.TakeByte();
    const QString text = HandOverText(input.Rest());
    TORNELIS_FUZZ_CHECK(!text.contains(QChar(0)));

    const QString arguments = input.RestAsUtf16();
    const QStringList words{QStringLiteral("tornelis"), arguments.left(cut), arguments.mid(cut)};
    const QByteArray block = HandOverBytes(words);
    TORNELIS_FUZZ_CHECK(block.size() <= SingleInstance::kBlockSize);
    const QString handedOver = HandOverText(block);
    TORNELIS_FUZZ_CHECK(handedOver.size() <= 400);
    TORNELIS_FUZZ_CHECK((words.at(1) + QLatin1Char(' ') + words.at(2)).startsWith(handedOver));
    return 0;
}
