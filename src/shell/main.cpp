// Tornelis: the program start.
#include "shell/document_opener.h"
#include "shell/lavender_style.h"
#include "shell/platform/posix_single_instance.h"
#include "shell/text_file_dialogs.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "shell/user_messages.h"

#include <exception>
#include <memory>

using namespace tornelis;

int main(int argc, char *argv[])
{
    TornelisApplication application(argc, argv);
    application.setApplicationDisplayName(kProgramTitle);
    ApplyLavenderClassico(application);
    MessageBoxes messages;
    application.setMessages(&messages);
    EncodingFileDialogs fileDialogs;
    PosixSingleInstance singleInstance;
    DesktopOpener opener;

    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(QCoreApplication::applicationDirPath(),
                                        WindowServices{messages, fileDialogs, singleInstance, opener, application.arguments()});
    } catch (const std::exception &error) {
        // An error during the start ends the program after its report.
        application.ReportError(QString::fromUtf8(error.what()));
        return 1;
    }
    if (form->IsSecondInstance())
        return 0;  // the command line went to the running instance; FormDestroy still runs
    messages.setParent(form.get());
    form->show();
    const int exitCode = application.exec();
    form.reset();  // FormDestroy runs on either way of ending
    return exitCode;
}
