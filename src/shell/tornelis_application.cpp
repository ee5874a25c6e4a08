#include "shell/tornelis_application.h"

#include "shell/user_messages.h"

#include <QLibraryInfo>
#include <QLocale>

namespace tornelis {

TornelisApplication::TornelisApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    if (qtTexts_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTexts_);
}

void TornelisApplication::ReportError(const QString &message)
{
    if (messages_)
        messages_->ShowError(ErrorReportText(message));
}

}  // namespace tornelis
