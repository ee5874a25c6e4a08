#include "stress_dictionary.h"

#include "render/letters.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <zlib.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace tornelis::formsdb {
namespace {

[[noreturn]] void Fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

// Calls visit with the fields of every line of a gzip-compressed TSV file.
void ForEachGzipLine(const QString &path, qsizetype fieldCount, const std::function<void(const QList<QStringView> &)> &visit)
{
    gzFile file = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        Fail(QStringLiteral("cannot read %1").arg(path));
    QByteArray pending;
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    qsizetype lineNumber = 0;
    const auto takeLine = [&](QByteArrayView bytes) {
        ++lineNumber;
        if (bytes.isEmpty())
            return;
        const QString line = QString::fromUtf8(bytes);
        const QList<QStringView> fields = QStringView(line).split(QLatin1Char('\t'));
        if (fields.size() != fieldCount)
            Fail(QStringLiteral("%1, line %2: expected %3 fields").arg(path).arg(lineNumber).arg(fieldCount));
        visit(fields);
    };
    for (;;) {
        const int read = gzread(file, buffer.data(), unsigned(buffer.size()));
        if (read < 0) {
            gzclose(file);
            Fail(QStringLiteral("%1 is not a readable gzip file").arg(path));
        }
        if (read == 0)
            break;
        pending.append(buffer.constData(), read);
        qsizetype start = 0;
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', start)) {
            takeLine(QByteArrayView(pending).sliced(start, end - start));
            start = end + 1;
        }
        pending.remove(0, start);
    }
    gzclose(file);
    takeLine(pending);
}

int ParseAccent(QStringView field, const QString &path)
{
    bool ok = false;
    const int accent = field.toInt(&ok);
    if (!ok || accent < 0)
        Fail(QStringLiteral("%1 holds an accent that is not a number: %2").arg(path, field.toString()));
    return accent;
}

// The Giella codes that stand for an OpenCorpora tag string's grammemes.
QStringList GiellaCodes(const QString &tags)
{
    static const QHash<QString, QString> single{
        {"NOUN", "N"}, {"ADJF", "A"}, {"ADJS", "Pred"}, {"COMP", "Cmpar"}, {"VERB", "V"}, {"INFN", "Inf"},
        {"NPRO", "Pron"}, {"NUMR", "Num"}, {"ADVB", "Adv"}, {"masc", "Msc"}, {"femn", "Fem"}, {"neut", "Neu"},
        {"anim", "Anim"}, {"inan", "Inan"}, {"sing", "Sg"}, {"plur", "Pl"}, {"nomn", "Nom"}, {"gent", "Gen"},
        {"datv", "Dat"}, {"accs", "Acc"}, {"ablt", "Ins"}, {"loct", "Loc"}, {"gen2", "Gen2"}, {"loc2", "Loc2"},
        {"voct", "Voc"}, {"pres", "Prs"}, {"past", "Pst"}, {"futr", "Fut"}, {"impr", "Imp"}, {"impf", "Impf"},
        {"perf", "Perf"}, {"tran", "TV"}, {"intr", "IV"}, {"V-oy", "Leng"}, {"V-ey", "Leng"}};
    static const QRegularExpression separators(QStringLiteral("[ ,]"));
    const QStringList grammemes = tags.split(separators, Qt::SkipEmptyParts);
    QStringList codes;
    for (const QString &grammeme : grammemes) {
        if (const auto found = single.constFind(grammeme); found != single.cend())
            codes.append(*found);
    }
    const auto has = [&grammemes](const char *code) { return grammemes.contains(QLatin1String(code)); };
    const QString number = has("plur") ? QStringLiteral("Pl") : QStringLiteral("Sg");
    for (const char *person : {"1per", "2per", "3per"}) {
        if (has(person))
            codes.append(number + QChar(person[0]));
    }
    if (has("PRTF") || has("PRTS")) {
        const QString tense = has("past") ? QStringLiteral("Pst") : QStringLiteral("Prs");
        codes.append(tense + (has("pssv") ? QStringLiteral("Pss") : QStringLiteral("Act")));
    }
    return codes;
}

}  // namespace

StressDictionary StressDictionary::Load(const QString &dir)
{
    StressDictionary stress;
    const QString uniquePath = QDir(dir).filePath(QStringLiteral("forms-stress.tsv.gz"));
    const QString ambiguousPath = QDir(dir).filePath(QStringLiteral("forms-stress-ambiguous.tsv.gz"));
    for (const QString &path : {uniquePath, ambiguousPath}) {
        if (!QFileInfo(path).isFile())
            Fail(QStringLiteral("the stress file %1 is missing").arg(path));
    }
    stress.unique_.reserve(2500000);
    ForEachGzipLine(uniquePath, 2, [&](const QList<QStringView> &fields) {
        stress.AddUnique(fields[0].toString(), ParseAccent(fields[1], uniquePath));
    });
    ForEachGzipLine(ambiguousPath, 4, [&](const QList<QStringView> &fields) {
        stress.AddReading(fields[0].toString(), fields[1].toString(), fields[2].toString(),
                          ParseAccent(fields[3], ambiguousPath));
    });
    return stress;
}

void StressDictionary::AddReading(const QString &form, const QString &lemma, const QString &giellaTags, int accent)
{
    QStringList tags;
    for (const QString &tag : giellaTags.split(QLatin1Char('+'))) {
        tags.append(tag);
        if (const qsizetype slash = tag.indexOf(QLatin1Char('/')); slash >= 0)
            tags.append(tag.mid(slash + 1));  // Der/PrsAct also counts as PrsAct
    }
    ambiguous_[form].append({lemma, tags, accent});
}

QList<int> StressDictionary::Lookup(const QString &form, const QString &tags, const QStringList &lemmas) const
{
    if (const auto found = unique_.constFind(form); found != unique_.cend())
        return {int(*found)};
    const auto readings = ambiguous_.constFind(form);
    if (readings == ambiguous_.cend())
        return {};

    // Prefer the readings of this lemma; among them, those that share the
    // most grammemes with the row.
    const bool anyLemmaMatches = std::any_of(readings->cbegin(), readings->cend(),
                                             [&](const Reading &reading) { return lemmas.contains(reading.lemma); });
    const QStringList codes = GiellaCodes(tags);
    int bestScore = -1;
    QList<int> accents;
    for (const Reading &reading : *readings) {
        if (anyLemmaMatches && !lemmas.contains(reading.lemma))
            continue;
        const int score = int(std::count_if(codes.cbegin(), codes.cend(),
                                            [&reading](const QString &code) { return reading.tags.contains(code); }));
        if (score > bestScore) {
            bestScore = score;
            accents = {reading.accent};
        } else if (score == bestScore && !accents.contains(reading.accent)) {
            accents.append(reading.accent);
        }
    }
    return accents;
}

int ResolveAccent(const QList<int> &listed, const QString &form)
{
    if (listed.size() == 1)
        return listed.front();
    if (!listed.isEmpty())
        return 0;
    if (form.contains(u'ё') || form.contains(u'Ё'))
        return 0;
    const auto isStressVowel = [](QChar c) { return IsStressVowel(c.toLower()); };
    return std::count_if(form.cbegin(), form.cend(), isStressVowel) == 1 ? 1 : 0;
}

}  // namespace tornelis::formsdb
