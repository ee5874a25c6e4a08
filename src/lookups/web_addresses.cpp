#include "lookups/web_addresses.h"

namespace tornelis {

QString CurrentWord(bool hasLemmaTabs, const QString &selectedTabCaption, const QString &wordBoxText)
{
    if (!hasLemmaTabs)
        return wordBoxText;
    return selectedTabCaption.section(QLatin1Char(' '), 0, 0);
}

QString WiktionaryAddress(const WebHosts &hosts, const QString &word)
{
    return hosts.wiktionary + QStringLiteral("/wiki/") + word;
}

QString PromptOneAddress(const WebHosts &hosts, const QString &word)
{
    return hosts.promptOne + QStringLiteral("/grammar/ru-en/") + word;
}

QString GoogleTranslateAddress(const WebHosts &hosts, const QString &word)
{
    return hosts.googleTranslate + QStringLiteral("/?hl=ru#view=home&op=translate&sl=ru&tl=en&text=") + word;
}

QString OnlineHelpAddress(const WebHosts &hosts)
{
    return hosts.maker + QStringLiteral("/products/tornelis/help/3.1/");
}

QString ProductPageAddress(const WebHosts &hosts, int productId)
{
    return hosts.maker + QStringLiteral("/product.php?id=%1").arg(productId);
}

}  // namespace tornelis
