#pragma once

#include "recording_messages.h"
#include "recording_opener.h"
#include "scripted_file_dialogs.h"
#include "shell/lavender_style.h"
#include "shell/platform/posix_single_instance.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "support/user_directories.h"

#include <QTemporaryDir>

#include <memory>

namespace tornelis::test {

// A real main window over a small forms.db in a temporary program directory,
// with recorded message boxes and scripted file dialogs.
class WindowFixture {
public:
    // Kept: the forms.db that an earlier Open wrote.
    enum class Database { Good, None, Broken, WithoutFormsView, Kept };

    WindowFixture();

    // Writes the database and opens a shown, active window on it.
    bool Open(Database database = Database::Good);
    // Destroys the window, as at the end of a run.
    void CloseWindow();
    // Closes the window and starts again with a fresh program directory.
    void Reset();
    // Types word into the word box and presses Enter.
    void Decline(const QString &word);

    TForm1 &form() { return *form_; }
    QString FilePath(const QString &name) const { return dir_->filePath(name); }
    QString ProgramDirectory() const { return dir_->path(); }

    RecordingMessages messages;
    ScriptedFileDialogs fileDialogs;
    PosixSingleInstance singleInstance;
    RecordingOpener opener;
    QStringList arguments{QStringLiteral("tornelis")};

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace tornelis::test

// main() of a window test: the user's folders kept apart, the program's own
// application object (with its error report) and look.
#define TORNELIS_WINDOW_TEST_MAIN(TestClass)                          \
    int main(int argc, char *argv[])                                   \
    {                                                                  \
        tornelis::test::IsolateUserDirectories();                      \
        tornelis::TornelisApplication application(argc, argv);        \
        tornelis::ApplyLavenderClassico(application);                  \
        TestClass test;                                                \
        return QTest::qExec(&test, argc, argv);                        \
    }
