#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tornelis {

// The per-user presence marker of a running instance and its hand-over
// block: 1000 bytes that a second start writes a UTF-16LE text into.
class SingleInstance {
public:
    static constexpr qsizetype kBlockSize = 1000;

    virtual ~SingleInstance() = default;

    // Takes the marker when no instance holds it, and creates the zero-filled
    // hand-over block; false when another instance runs.
    virtual bool BecomeFirstInstance() = 0;
    // Writes bytes at the start of a running instance's block; false when
    // there is no block to write to.
    virtual bool WriteHandOver(const QByteArray &bytes) = 0;
    // The block's bytes, after which its first code unit is set to NUL, so
    // that it holds no text; nothing when there is no block.
    virtual std::optional<QByteArray> TakeHandOver() = 0;
    // Lets the marker and the block go, so that a new start becomes first.
    virtual void Release() = 0;
};

// The text a command line hands over (the program name first): argument 1,
// or arguments 1 and 2 joined by one space, cut to 400 code units; empty
// without arguments. A first start declines it, a second start hands it over.
QString StartText(const QStringList &arguments);

// StartText as a hand-over block's bytes, UTF-16LE with a NUL; empty when
// there is no text.
QByteArray HandOverBytes(const QStringList &arguments);

// The text of a hand-over block: the code units up to the first NUL.
QString HandOverText(const QByteArray &block);

}  // namespace tornelis
