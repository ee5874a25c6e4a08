#include "render/render_options.h"

namespace tornelis {

QString RenderCell(const QString &word, int accent, const RenderOptions &options)
{
    return ApplyLetterCase(RenderForm(word, accent, options.stressOn, options.syllablesOn, options.stressMark),
                           options.letterCase);
}

}  // namespace tornelis
