#include "render/separators.h"

#include <array>

namespace tornelis {
namespace {

using LatinFlags = std::array<bool, 256>;

LatinFlags MakeLatinFlags()
{
    LatinFlags flags{};
    for (char16_t code : {u'\t', u'\n', u'\r', u' ', u'!', u'"', u'\'', u'(', u')', u'+', u',', u'.',
                          u'/', u':', u';', u'<', u'=', u'>', u'?', u'[', u']', u'\\', u'{', u'}',
                          u'|', u'\u00AB', u'\u00BB'})
        flags[code] = true;
    return flags;
}

}  // namespace

bool IsSeparator(QChar c)
{
    static const LatinFlags latin = MakeLatinFlags();
    const char16_t code = c.unicode();
    if (code < 256)
        return latin[code];
    return code == u'\u201C' || code == u'\u201D' || code == u'\u2026' || code == u'\u2014';
}

}  // namespace tornelis
