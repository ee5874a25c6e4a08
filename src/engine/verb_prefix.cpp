#include "engine/verb_prefix.h"

#include <algorithm>
#include <array>

namespace tornelis {

VerbPrefix VerbPrefixOf(QStringView head)
{
    static constexpr std::array<QStringView, 24> kLong{  // над-, под-, пред- start as на-, по-, пре- do
        u"без", u"бес", u"вз", u"вс", u"во", u"вы", u"до", u"за", u"из", u"ис", u"на", u"недо",
        u"низ", u"нис", u"об", u"от", u"пере", u"по", u"пре", u"при", u"про", u"раз", u"рас", u"со"};
    const auto starts = [&](QStringView prefix) { return head.startsWith(prefix); };
    if (std::any_of(kLong.cbegin(), kLong.cend(), starts))
        return VerbPrefix::Long;
    if (!head.isEmpty() && QStringView(u"восу").contains(head.front()))
        return VerbPrefix::Short;
    return VerbPrefix::None;
}

}  // namespace tornelis
