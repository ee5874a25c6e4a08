// Tornelis: the program start.
#include "shell/document_opener.h"
#include "shell/handler_guard.h"
#include "shell/lavender_style.h"
#include "shell/platform/posix_single_instance.h"
#include "shell/text_file_dialogs.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "shell/user_messages.h"

#include <QIcon>

#include <memory>

using namespace tornelis;

namespace {

// The command line as it was given: Qt would take its own options (-style,
// -platform, -reverse, ...) out of it, while every argument here is a word
// for the running window.
QStringList CommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = CommandLine(argc, argv);
    int qtArgc = 1;  // Qt sees the program's name only
    TornelisApplication application(qtArgc, argv);
    ApplyLavenderClassico(application);
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/tornelis.svg")));
    application.setDesktopFileName(QStringLiteral("org.quillon.Tornelis"));
    MessageBoxes messages;
    application.setMessages(&messages);
    EncodingFileDialogs fileDialogs;
    PosixSingleInstance singleInstance;
    DesktopOpener opener;

    std::unique_ptr<TForm1> form;
    // An error during the start ends the program after its report.
    RunHandler([&] {
        form = std::make_unique<TForm1>(QCoreApplication::applicationDirPath(),
                                        WindowServices{messages, fileDialogs, singleInstance, opener, arguments});
    }, [&application](const QString &message) { application.ReportError(message); });
    if (!form)
        return 1;
    if (form->IsSecondInstance())
        return 0;  // the command line went to the running instance; FormDestroy still runs
    messages.setParent(form.get());
    form->show();
    const int exitCode = application.exec();
    form.reset();  // FormDestroy runs on either way of ending
    return exitCode;
}
