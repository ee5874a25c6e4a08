// The web lookups, help, the About box and the database dialog.
#include "shell/about_box.h"
#include "shell/document_opener.h"
#include "shell/select_words_database.h"
#include "shell/tform1.h"

#include <QComboBox>
#include <QDir>
#include <QTabBar>

namespace tornelis {

void TForm1::CreateDialogs()
{
    SelectWordsDatabase = new TSelectWordsDatabase(SelectedDatabasePath, messages_, opener_, hosts_, this);
    AboutBox = new TAboutBox(opener_, hosts_, this);
}

void TForm1::OpenWebLookup(QString (*address)(const WebHosts &, const QString &))
{
    const bool hasTabs = TabControl1->count() > 0;
    const QString word = CurrentWord(hasTabs, hasTabs ? TabControl1->tabText(TabControl1->currentIndex()) : QString(),
                                     ComboBox1->currentText());
    opener_.OpenAddress(address(hosts_, word));
}

void TForm1::N35Click()
{
    OpenWebLookup(WiktionaryAddress);
}

void TForm1::PROMPTOne1Click()
{
    OpenWebLookup(PromptOneAddress);
}

void TForm1::Google1Click()
{
    OpenWebLookup(GoogleTranslateAddress);
}

void TForm1::N5Click()
{
    opener_.OpenFile(ProgramFile(QStringLiteral("Tornelis.chm")));
}

void TForm1::N7Click()
{
    opener_.OpenAddress(OnlineHelpAddress(hosts_));
}

void TForm1::N9Click()
{
    ShowOwnDialog(*AboutBox);
}

void TForm1::N17Click()
{
    ShowOwnDialog(*SelectWordsDatabase);
}

}  // namespace tornelis
