#include "engine/tag_facts.h"

#include "engine/part_of_speech.h"

namespace tornelis {
namespace {

// Far more tag strings than the dictionary has: a damaged one with more
// does not make the cache grow without end.
constexpr qsizetype kMostRemembered = 1 << 16;

}  // namespace

TagFacts FactsOfTags(const QString &tags)
{
    TagFacts facts;
    facts.verb = PartOfSpeechLabel(tags) == VerbLabel();
    // A form the source marks as distorted (многа, болю) is no word a table shows.
    if (!HasGrammeme(tags, u"Dist")) {
        facts.declensionCells = PlaceOnDeclension(tags);
        facts.conjugationCells = PlaceOnConjugation(tags);
    }
    facts.listedOther = IsListedOtherForm(tags);
    facts.group = GroupOfForm(tags);
    facts.name = NameTagsOf(tags);
    return facts;
}

const TagFacts &TagFactsCache::Of(const QString &tags)
{
    if (const auto found = facts_.constFind(tags); found != facts_.cend())
        return *found;
    if (facts_.size() >= kMostRemembered)
        facts_.clear();
    return *facts_.insert(tags, FactsOfTags(tags));
}

}  // namespace tornelis
