// Tornelis: the program start.
#include "shell/document_opener.h"
#include "shell/handler_guard.h"
#include "shell/lavender_style.h"
#include "shell/pictures.h"
#include "shell/platform/system.h"
#include "shell/text_file_dialogs.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "shell/user_messages.h"

#include <memory>

using namespace tornelis;

int main(int argc, char *argv[])
{
    // Every argument is a word for the running window: Qt would take its own
    // options (-style, -platform, -reverse, ...) out of the command line.
    const QStringList arguments = CommandLineArguments(argc, argv);
    int qtArgc = 1;  // Qt sees the program's name only
    TornelisApplication application(qtArgc, argv);
    UseSystemAnsiCodePage();
    ApplyLavenderClassico(application);
    application.setWindowIcon(ProgramIcon());
    application.setDesktopFileName(QStringLiteral("org.quillon.Tornelis"));
    MessageBoxes messages;
    application.setMessages(&messages);
    EncodingFileDialogs fileDialogs;
    const std::unique_ptr<SingleInstance> singleInstance = CreateSingleInstance();
    DesktopOpener opener;

    std::unique_ptr<TForm1> form;
    // An error during the start ends the program after its report.
    RunHandler([&] {
        form = std::make_unique<TForm1>(QCoreApplication::applicationDirPath(),
                                        WindowServices{messages, fileDialogs, *singleInstance, opener, arguments});
    }, [&application](const QString &message) { application.ReportError(message); });
    if (!form)
        return 1;
    if (form->IsSecondInstance())
        return 0;  // the command line went to the running instance
    messages.setParent(form.get());
    form->show();
    const int exitCode = application.exec();
    form.reset();  // FormDestroy runs on either way of ending
    return exitCode;
}
