// INI text of any shape: reading a key, and writing one that then reads
// back while every other key keeps its value.
#include "fuzz_input.h"
#include "shell/platform/profile_file.h"

#include <cstdio>
#include <cstdlib>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QString value = input.TakeByte() % 2 ? QStringLiteral("1") : QStringLiteral("0");
    const QByteArray content = input.Rest();
    const QString section = QStringLiteral("VIEW");
    const QString key = QStringLiteral("AlwaysOnTop");
    const QString other = QStringLiteral("Other");

    if (const std::optional<QString> read = ReadProfileString(content, section, key))
        ParseProfileNumber(*read);
    const std::optional<QString> otherBefore = ReadProfileString(content, section, other);
    const QByteArray written = WriteProfileString(content, section, key, value);
    TORNELIS_FUZZ_CHECK(ReadProfileString(written, section, key) == value);
    TORNELIS_FUZZ_CHECK(ReadProfileString(written, section, other) == otherBefore);
    return 0;
}
