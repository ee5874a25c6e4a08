#include "twin_lexemes.h"

#include <algorithm>
#include <stdexcept>

namespace tornelis::formsdb {
namespace {

const QString kTransitive = QStringLiteral("tran");
const QString kIntransitive = QStringLiteral("intr");

// The grammemes of a tag's lexeme group (before the blank).
QStringList LexemeGrammemes(const QString &tag)
{
    return tag.section(QLatin1Char(' '), 0, 0).split(QLatin1Char(','));
}

// tag with its lexeme group made of grammemes.
QString WithLexemeGrammemes(const QStringList &grammemes, const QString &tag)
{
    const qsizetype blank = tag.indexOf(QLatin1Char(' '));
    return grammemes.join(QLatin1Char(',')) + (blank < 0 ? QString() : tag.mid(blank));
}

QString WithoutTransitivity(const QString &tag)
{
    QStringList grammemes = LexemeGrammemes(tag);
    grammemes.removeAll(kTransitive);
    grammemes.removeAll(kIntransitive);
    return WithLexemeGrammemes(grammemes, tag);
}

}  // namespace

TwinLexemes::TwinLexemes(const QStringList &tags)
    : tags_(tags)
{
}

void TwinLexemes::Note(Key key, const BuiltLexeme &lexeme, const std::vector<int> &accents)
{
    QString signature = lexeme.forms[lexeme.lemmaIndex].word;
    QSet<QString> transitivities;
    for (std::size_t i = 0; i < lexeme.forms.size(); ++i) {
        const QString &tag = tags_.at(lexeme.forms[i].tagId);
        for (const QString &grammeme : {kTransitive, kIntransitive}) {
            if (LexemeGrammemes(tag).contains(grammeme))
                transitivities.insert(grammeme);
        }
        signature += QLatin1Char('\n') + lexeme.forms[i].word + QLatin1Char('\t') + WithoutTransitivity(tag) +
                     QLatin1Char('\t') + QString::number(accents[i]);
    }
    const auto first = firstOfSignature_.constFind(signature);
    if (first == firstOfSignature_.cend()) {
        firstOfSignature_.insert(signature, key);
        transitivities_.insert(Pack(key), transitivities);
        return;
    }
    leftOut_.insert(Pack(key));
    QSet<QString> &kept = transitivities_[Pack(*first)];
    kept.unite(transitivities);
    if (kept.size() > 1) {
        // The twin's tags widen to the same strings as the kept one's: made
        // now, so that AllTags is complete before anything is written.
        for (const SourceForm &form : lexeme.forms)
            WidenedTag(form.tagId);
    }
}

void TwinLexemes::Widen(Key key, BuiltLexeme &lexeme)
{
    if (transitivities_.value(Pack(key)).size() < 2)
        return;
    for (SourceForm &form : lexeme.forms)
        form.tagId = WidenedTag(form.tagId);
}

std::uint16_t TwinLexemes::WidenedTag(std::uint16_t tagId)
{
    if (const auto found = widenedIds_.constFind(tagId); found != widenedIds_.cend())
        return *found;
    const QString &tag = tags_.at(tagId);
    QStringList grammemes = LexemeGrammemes(tag);
    const qsizetype place = std::max(grammemes.indexOf(kTransitive), grammemes.indexOf(kIntransitive));
    if (place < 0)
        return tagId;
    grammemes.removeAll(kTransitive);
    grammemes.removeAll(kIntransitive);
    grammemes.insert(std::min(place, grammemes.size()), kTransitive + QLatin1Char(',') + kIntransitive);
    const QString widened = WithLexemeGrammemes(grammemes, tag);
    const qsizetype known = widenedTags_.indexOf(widened);
    const qsizetype id = tags_.size() + (known >= 0 ? known : widenedTags_.size());
    if (id > 0xFFFF)
        throw std::runtime_error("too many tag strings");
    if (known < 0)
        widenedTags_.append(widened);
    widenedIds_.insert(tagId, std::uint16_t(id));
    return std::uint16_t(id);
}

QStringList TwinLexemes::AllTags() const
{
    return tags_ + widenedTags_;
}

}  // namespace tornelis::formsdb
