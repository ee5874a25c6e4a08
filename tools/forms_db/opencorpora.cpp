#include "opencorpora.h"

#include "dawg.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <stdexcept>

namespace tornelis::formsdb {
namespace {

[[noreturn]] void Fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

QJsonDocument ReadJson(const QString &path)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(ReadFile(path), &error);
    if (error.error != QJsonParseError::NoError)
        Fail(QStringLiteral("%1 is not valid JSON: %2").arg(path, error.errorString()));
    return document;
}

QStringList ReadStringArray(const QString &path)
{
    const QJsonDocument document = ReadJson(path);
    if (!document.isArray())
        Fail(QStringLiteral("%1 is not a JSON array").arg(path));
    QStringList strings;
    for (const QJsonValue &value : document.array()) {
        if (!value.isString())
            Fail(QStringLiteral("%1 holds a value that is not a string").arg(path));
        strings.append(value.toString());
    }
    return strings;
}

QStringList ReadPrefixes(const QString &metaPath)
{
    // meta.json is a list of [name, value] pairs.
    for (const QJsonValue &pair : ReadJson(metaPath).array()) {
        const QJsonArray entry = pair.toArray();
        if (entry.size() == 2 && entry.at(0).toString() == QLatin1String("compile_options")) {
            QStringList prefixes;
            for (const QJsonValue &prefix : entry.at(1).toObject().value(QLatin1String("paradigm_prefixes")).toArray())
                prefixes.append(prefix.toString());
            if (!prefixes.isEmpty())
                return prefixes;
        }
    }
    Fail(QStringLiteral("%1 names no paradigm_prefixes").arg(metaPath));
}

}  // namespace

std::vector<Paradigm> ParseParadigms(const QByteArray &bytes, const QString &path, qsizetype suffixCount,
                                     qsizetype tagCount, qsizetype prefixCount)
{
    qsizetype at = 0;
    const auto next = [&]() -> std::uint16_t {
        if (at + 2 > bytes.size())
            Fail(QStringLiteral("%1 ends early").arg(path));
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
        at += 2;
        return std::uint16_t(p[0] | p[1] << 8);
    };
    std::vector<Paradigm> paradigms(next());
    for (Paradigm &paradigm : paradigms) {
        const std::uint16_t length = next();
        if (length == 0 || length % 3 != 0)
            Fail(QStringLiteral("%1 holds a paradigm of length %2").arg(path).arg(length));
        const int forms = length / 3;
        for (auto *ids : {&paradigm.suffixIds, &paradigm.tagIds, &paradigm.prefixIds}) {
            for (int i = 0; i < forms; ++i)
                ids->push_back(next());
        }
        for (int i = 0; i < forms; ++i) {
            if (paradigm.suffixIds[i] >= suffixCount || paradigm.tagIds[i] >= tagCount ||
                paradigm.prefixIds[i] >= prefixCount)
                Fail(QStringLiteral("%1 refers to a suffix, tag or prefix that does not exist").arg(path));
        }
    }
    if (at != bytes.size())
        Fail(QStringLiteral("%1 has %2 bytes left over").arg(path).arg(bytes.size() - at));
    return paradigms;
}

namespace {

// enc(v) = [((v >> 7) << 1) | 1, ((v & 127) << 1) | 1]
bool DecodeNumber(const QByteArray &key, qsizetype at, std::uint16_t *value)
{
    const auto high = static_cast<unsigned char>(key.at(at));
    const auto low = static_cast<unsigned char>(key.at(at + 1));
    if (!(high & 1) || !(low & 1))
        return false;
    *value = std::uint16_t((high >> 1) << 7 | (low >> 1));
    return true;
}

}  // namespace

OpenCorpora OpenCorpora::Load(const QString &dir)
{
    const QDir folder(dir);
    OpenCorpora source;
    source.dir_ = dir;
    source.prefixes_ = ReadPrefixes(folder.filePath(QStringLiteral("meta.json")));
    source.suffixes_ = ReadStringArray(folder.filePath(QStringLiteral("suffixes.json")));
    source.tags_ = ReadStringArray(folder.filePath(QStringLiteral("gramtab-opencorpora-int.json")));
    const QString paradigmsPath = folder.filePath(QStringLiteral("paradigms.array"));
    source.paradigms_ = ParseParadigms(ReadFile(paradigmsPath), paradigmsPath, source.suffixes_.size(),
                                       source.tags_.size(), source.prefixes_.size());
    return source;
}

std::vector<SourceLexeme> OpenCorpora::ReadLexemes(std::size_t *keyCount) const
{
    const Dawg dawg = Dawg::Load(QDir(dir_).filePath(QStringLiteral("words.dawg")));
    QStringDecoder cp1251("windows-1251");
    std::vector<SourceLexeme> lexemes;
    std::size_t keys = 0;
    dawg.ForEachKey([&](const QByteArray &key) {
        ++keys;
        // word, 0x01, enc(paradigm id), enc(form index)
        const qsizetype separator = key.size() - 5;
        if (separator < 0 || key.at(separator) != '\x01')
            Fail(QStringLiteral("words.dawg holds a key without a paradigm"));
        std::uint16_t paradigmId = 0;
        std::uint16_t formIndex = 0;
        if (!DecodeNumber(key, separator + 1, &paradigmId) || !DecodeNumber(key, separator + 3, &formIndex) ||
            paradigmId >= paradigms_.size() || formIndex >= paradigms_[paradigmId].size())
            Fail(QStringLiteral("words.dawg holds a key with a bad paradigm or form number"));
        if (formIndex == 0)
            lexemes.push_back({cp1251.decode(key.left(separator)), paradigmId});
    });
    if (keyCount)
        *keyCount = keys;
    return lexemes;
}

std::vector<SourceForm> OpenCorpora::Expand(const SourceLexeme &lexeme) const
{
    const Paradigm &paradigm = paradigms_[lexeme.paradigmId];
    const QString &lemmaPrefix = prefixes_[paradigm.prefixIds[0]];
    const QString &lemmaSuffix = suffixes_[paradigm.suffixIds[0]];
    if (!lexeme.lemma.startsWith(lemmaPrefix) || !lexeme.lemma.endsWith(lemmaSuffix) ||
        lexeme.lemma.size() < lemmaPrefix.size() + lemmaSuffix.size())
        Fail(QStringLiteral("the lemma %1 does not fit its paradigm %2").arg(lexeme.lemma).arg(lexeme.paradigmId));
    const QString stem =
        lexeme.lemma.mid(lemmaPrefix.size(), lexeme.lemma.size() - lemmaPrefix.size() - lemmaSuffix.size());
    std::vector<SourceForm> forms;
    forms.reserve(paradigm.size());
    for (std::size_t i = 0; i < paradigm.size(); ++i) {
        forms.push_back({prefixes_[paradigm.prefixIds[i]] + stem + suffixes_[paradigm.suffixIds[i]],
                         paradigm.tagIds[i], paradigm.prefixIds[i]});
    }
    return forms;
}

}  // namespace tornelis::formsdb
