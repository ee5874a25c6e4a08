#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace tornelis::fuzz {

// The fuzzer's bytes, with a few leading bytes taken off as choices.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)))
    {
    }

    // The next byte as a choice; 0 once the bytes are used up.
    std::uint8_t TakeByte()
    {
        if (bytes_.isEmpty())
            return 0;
        const auto byte = std::uint8_t(bytes_.at(0));
        bytes_ = bytes_.sliced(1);
        return byte;
    }

    // The rest of the bytes, as they are.
    QByteArray Rest() const { return QByteArray(bytes_.constData(), bytes_.size()); }

    // The rest as UTF-16 code units, any of them (lone surrogates included).
    QString RestAsUtf16() const
    {
        return QString(reinterpret_cast<const QChar *>(bytes_.constData()), bytes_.size() / 2);
    }

private:
    QByteArray bytes_;
};

}  // namespace tornelis::fuzz

#define TORNELIS_FUZZ_CHECK(condition)                                                   \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            abort();                                                                      \
        }                                                                                 \
    } while (false)
