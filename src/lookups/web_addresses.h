#pragma once

#include <QString>

namespace tornelis {

// The addresses the program hands to the desktop. The hosts are
// configuration values; the paths and query keys are fixed.
struct WebHosts {
    QString wiktionary = QStringLiteral("https://ru.wiktionary.org");
    QString promptOne = QStringLiteral("https://www.translate.ru");
    QString googleTranslate = QStringLiteral("https://translate.google.com");
    QString maker = QStringLiteral("https://www.quillon-software.example");
};

// The word the web lookups send: the lemma of the selected lemma tab (its
// caption before the first space) when there are tabs, else the word box's
// text as it stands.
QString CurrentWord(bool hasLemmaTabs, const QString &selectedTabCaption, const QString &wordBoxText);

// The word goes into the address unencoded.
QString WiktionaryAddress(const WebHosts &hosts, const QString &word);
QString PromptOneAddress(const WebHosts &hosts, const QString &word);
QString GoogleTranslateAddress(const WebHosts &hosts, const QString &word);
QString OnlineHelpAddress(const WebHosts &hosts);
// The maker's page of this program (id 55) and of its dictionary (id 53).
QString ProductPageAddress(const WebHosts &hosts, int productId);

}  // namespace tornelis
