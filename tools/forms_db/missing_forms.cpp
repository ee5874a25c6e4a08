#include "missing_forms.h"

namespace tornelis::formsdb {
namespace {

struct MissingForm {
    const char16_t *sourceLemma;
    const char *lexemeTag;  // the tag of the lemma row: the lexeme the form joins
    const char16_t *word;
    const char *tag;
};

// много and немного decline as the plural of the source's многий and немногий;
// мало, немало and достаточно have no case forms but the nominative and the
// accusative, so their other cells stay empty.
constexpr MissingForm kMissing[] = {
    {u"ничто", "NPRO,neut sing,nomn", u"ничто", "NPRO,neut sing,accs"},
    {u"много", "NUMR nomn", u"многих", "NUMR gent"},
    {u"много", "NUMR nomn", u"многим", "NUMR datv"},
    {u"много", "NUMR nomn", u"многими", "NUMR ablt"},
    {u"много", "NUMR nomn", u"многих", "NUMR loct"},
    {u"немного", "NUMR nomn", u"немногих", "NUMR gent"},
    {u"немного", "NUMR nomn", u"немногим", "NUMR datv"},
    {u"немного", "NUMR nomn", u"немногими", "NUMR ablt"},
    {u"немного", "NUMR nomn", u"немногих", "NUMR loct"},
};

}  // namespace

qint64 AddMissingForms(BuiltLexeme &lexeme, QStringList &tags, const QString &sourceLemma, const QStringList &allTags)
{
    qint64 added = 0;
    for (const MissingForm &missing : kMissing) {
        if (sourceLemma != QStringView(missing.sourceLemma) ||
            tags.at(qsizetype(lexeme.lemmaIndex)) != QLatin1String(missing.lexemeTag))
            continue;
        const QString tag = QLatin1String(missing.tag);
        const qsizetype tagId = allTags.indexOf(tag);
        if (tagId < 0 || tags.contains(tag))
            continue;
        lexeme.forms.push_back({QString::fromUtf16(missing.word), std::uint16_t(tagId), 0});
        tags.append(tag);
        ++added;
    }
    return added;
}

}  // namespace tornelis::formsdb
