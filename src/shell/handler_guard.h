#pragma once

#include <QString>

#include <functional>

namespace tornelis {

// What the user reads when a command ran out of memory.
inline const QString kOutOfMemoryMessage = QStringLiteral("Не хватает памяти: команда не выполнена");

using ErrorReport = std::function<void(const QString &message)>;

// Runs an event handler and turns an exception that leaves it into report
// (the general error report), so that the program goes on with the next
// event. Qt's event dispatch must never see an exception: its frames unwind
// without cleanup.
void RunHandler(const std::function<void()> &handler, const ErrorReport &report);

// A slot that runs receiver's handler behind that edge.
template <typename Receiver>
auto Guarded(Receiver *receiver, void (Receiver::*handler)(), ErrorReport report)
{
    return [receiver, handler, report = std::move(report)] {
        RunHandler([receiver, handler] { (receiver->*handler)(); }, report);
    };
}

// The report of the running TornelisApplication, for windows without one of
// their own.
void ReportToApplication(const QString &message);

}  // namespace tornelis
