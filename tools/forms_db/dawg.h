#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace tornelis::formsdb {

// A dawgdic dictionary with its guide, as stored in a words.dawg file:
// uint32 unit count, the units, uint32 guide size, then two guide bytes per unit.
class Dawg {
public:
    // Reads the file; throws std::runtime_error on a missing or malformed file.
    static Dawg Load(const QString &path);
    // The dictionary held by bytes; throws std::runtime_error when malformed.
    static Dawg FromBytes(const QByteArray &bytes);

    // Calls visit with every key, in depth-first (byte) order; throws
    // std::runtime_error when the graph loops or spells far more than a
    // dictionary of its size can.
    void ForEachKey(const std::function<void(const QByteArray &key)> &visit) const;
    // The same walk with the value each key holds (an IntDAWG's numbers).
    void ForEachEntry(const std::function<void(const QByteArray &key, std::uint32_t value)> &visit) const;

    std::size_t unitCount() const { return units_.size(); }

private:
    using Visit = std::function<void(const QByteArray &key, std::uint32_t value)>;
    void Walk(std::uint32_t index, QByteArray &key, const Visit &visit, std::uint64_t &steps) const;
    std::uint32_t Child(std::uint32_t index, unsigned char label) const;

    std::vector<std::uint32_t> units_;
    std::vector<unsigned char> guide_;
};

}  // namespace tornelis::formsdb
