#include "render/render_options.h"

#include "render/stress.h"

namespace tornelis {

QString RenderCell(const QString &word, int accent, const RenderOptions &options)
{
    return ApplyLetterCase(RenderForm(word, accent, options.stressOn, options.syllablesOn),
                           options.letterCase);
}

}  // namespace tornelis
