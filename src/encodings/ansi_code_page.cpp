#include "encodings/ansi_code_page.h"

#include "encodings/windows1251.h"

namespace tornelis {
namespace {

AnsiCodePage &Current()
{
    static AnsiCodePage codePage{DecodeWindows1251, EncodeWindows1251};
    return codePage;
}

}  // namespace

void UseAnsiCodePage(const AnsiCodePage &codePage)
{
    Current() = codePage;
}

const AnsiCodePage &CurrentAnsiCodePage()
{
    return Current();
}

}  // namespace tornelis
