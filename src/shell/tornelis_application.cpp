#include "shell/tornelis_application.h"

#include "shell/user_messages.h"

#include <QLibraryInfo>
#include <QLocale>

namespace tornelis {

TornelisApplication::TornelisApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // Qt's Russian texts from its translations folder, or from the program
    // itself where Qt has none on the machine (the static Windows build).
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")}) {
        if (qtTexts_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            installTranslator(&qtTexts_);
            break;
        }
    }
}

void TornelisApplication::ReportError(const QString &message)
{
    if (messages_)
        messages_->ShowError(ErrorReportText(message));
}

}  // namespace tornelis
