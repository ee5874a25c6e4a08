#include "dawg.h"

#include <QFile>

#include <cstring>
#include <stdexcept>

namespace tornelis::formsdb {
namespace {

constexpr std::uint32_t kHasLeaf = 1u << 8;
constexpr std::uint32_t kExtension = 1u << 9;
constexpr std::uint32_t kLabelMask = 0x800000FFu;
constexpr std::uint32_t kNoChild = 0xFFFFFFFFu;
constexpr std::uint32_t kValueMask = 0x7FFFFFFFu;
constexpr qsizetype kMaxKeyLength = 512;
// A walk takes one step per node on the path of every key. The real
// words.dawg takes about 25 steps per unit (22 M in all); a damaged graph whose
// paths multiply (two children at every level) would take for ever.
constexpr std::uint64_t kStepsPerUnit = 256;

std::uint32_t Offset(std::uint32_t unit)
{
    return (unit >> 10) << ((unit & kExtension) ? 8 : 0);
}

std::uint32_t ReadUint32(const QByteArray &bytes, qsizetype at)
{
    if (at + 4 > bytes.size())
        throw std::runtime_error("words.dawg ends early");
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

}  // namespace

Dawg Dawg::Load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    try {
        return FromBytes(file.readAll());
    } catch (const std::runtime_error &error) {
        throw std::runtime_error(std::string(error.what()) + ": " + path.toStdString());
    }
}

Dawg Dawg::FromBytes(const QByteArray &bytes)
{
    Dawg dawg;
    const std::uint32_t unitCount = ReadUint32(bytes, 0);
    const qsizetype guideAt = 4 + qsizetype(unitCount) * 4;
    const std::uint32_t guideCount = ReadUint32(bytes, guideAt);
    if (unitCount == 0 || guideCount != unitCount || bytes.size() != guideAt + 4 + qsizetype(guideCount) * 2)
        throw std::runtime_error("words.dawg is malformed");

    dawg.units_.resize(unitCount);
    for (std::uint32_t i = 0; i < unitCount; ++i)
        dawg.units_[i] = ReadUint32(bytes, 4 + qsizetype(i) * 4);
    dawg.guide_.resize(std::size_t(guideCount) * 2);
    std::memcpy(dawg.guide_.data(), bytes.constData() + guideAt + 4, dawg.guide_.size());
    return dawg;
}

std::uint32_t Dawg::Child(std::uint32_t index, unsigned char label) const
{
    const std::uint32_t child = index ^ Offset(units_[index]) ^ label;
    if (child >= units_.size() || (units_[child] & kLabelMask) != label)
        return kNoChild;
    return child;
}

void Dawg::ForEachKey(const std::function<void(const QByteArray &)> &visit) const
{
    ForEachEntry([&visit](const QByteArray &key, std::uint32_t) { visit(key); });
}

void Dawg::ForEachEntry(const Visit &visit) const
{
    QByteArray key;
    std::uint64_t steps = 0;
    Walk(0, key, visit, steps);
}

void Dawg::Walk(std::uint32_t index, QByteArray &key, const Visit &visit, std::uint64_t &steps) const
{
    if (++steps > kStepsPerUnit * units_.size())
        throw std::runtime_error("words.dawg spells far more keys than a dictionary of its size");
    if (key.size() > kMaxKeyLength)
        throw std::runtime_error("words.dawg holds a key too long to be a word (a cycle?)");
    if (units_[index] & kHasLeaf) {
        // The leaf is the child labelled 0; it holds the key's value.
        const std::uint32_t leaf = index ^ Offset(units_[index]);
        if (leaf >= units_.size())
            throw std::runtime_error("words.dawg names a leaf past its end");
        visit(key, units_[leaf] & kValueMask);
    }
    // The guide names each node's smallest child and each child's next sibling.
    for (unsigned char label = guide_[std::size_t(index) * 2]; label != 0;) {
        const std::uint32_t child = Child(index, label);
        if (child == kNoChild)
            throw std::runtime_error("words.dawg guide points to a missing child");
        key.append(char(label));
        Walk(child, key, visit, steps);
        key.chop(1);
        label = guide_[std::size_t(child) * 2 + 1];
    }
}

}  // namespace tornelis::formsdb
