#include "shell/handler_guard.h"

#include "shell/tornelis_application.h"

#include <exception>
#include <new>

namespace tornelis {

void RunHandler(const std::function<void()> &handler, const ErrorReport &report)
{
    try {
        handler();
    } catch (const std::bad_alloc &) {
        report(kOutOfMemoryMessage);
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()));
    } catch (...) {
        report(QString());
    }
}

void ReportToApplication(const QString &message)
{
    if (auto *application = dynamic_cast<TornelisApplication *>(QCoreApplication::instance()))
        application->ReportError(message);
}

}  // namespace tornelis
