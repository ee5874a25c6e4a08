#include "window_fixture.h"

#include "shell/tornelis_application.h"
#include "support/test_database.h"

#include <QComboBox>
#include <QFile>
#include <QtTest>

namespace tornelis::test {
namespace {

QList<FormRow> Dictionary()
{
    QList<FormRow> rows;
    rows += Lexeme(1, {{"стол", "NOUN,inan,masc sing,nomn"},
                       {"стола", "NOUN,inan,masc sing,gent"},
                       {"столами", "NOUN,inan,masc plur,ablt"}});
    rows[2].accent = 2;
    rows += Lexeme(10, {{"сталь", "NOUN,inan,femn sing,nomn"}, {"стали", "NOUN,inan,femn sing,gent"}});
    rows += Lexeme(20,
                   {{"стали", "VERB,perf,intr plur,past,indc"},
                    {"станет", "VERB,perf,intr sing,3per,futr,indc"},
                    {"стать", "INFN,perf,intr"}},
                   2);
    rows += Lexeme(30, {{"ёлка", "NOUN,inan,femn sing,nomn"}});
    rows += Lexeme(40, {{"мама", "NOUN,anim,femn sing,nomn"}, {"маму", "NOUN,anim,femn sing,accs"}});
    rows += Lexeme(50, {{"мыть", "INFN,impf,tran"}, {"мыла", "VERB,impf,tran femn,sing,past,indc"}});
    rows += Lexeme(60, {{"рама", "NOUN,inan,femn sing,nomn"}, {"раму", "NOUN,inan,femn sing,accs"}});
    rows += Lexeme(70, {{"молоко", "NOUN,inan,neut sing,nomn"}});
    rows.last().accent = 3;
    // Words typed with е for ё: осел of осесть and осёл, узнает of узнать and узнавать (узнаёт).
    rows += Lexeme(80, {{"осел", "VERB,perf,intr masc,sing,past,indc"}, {"осесть", "INFN,perf,intr"}}, 1);
    rows += Lexeme(90, {{"осёл", "NOUN,anim,masc sing,nomn"}, {"осла", "NOUN,anim,masc sing,gent"}});
    rows += Lexeme(100, {{"узнает", "VERB,perf,tran sing,3per,futr,indc"}, {"узнать", "INFN,perf,tran"}}, 1);
    rows += Lexeme(110, {{"узнаёт", "VERB,impf,tran sing,3per,pres,indc"}, {"узнавать", "INFN,impf,tran"}}, 1);
    // конечно: the short form of конечный numbered before the conjunction the corpus reads.
    rows += Lexeme(120, {{"конечный", "ADJF,Qual masc,sing,nomn"}, {"конечно", "ADJS,Qual neut,sing"}});
    rows += Lexeme(130, {{"конечно", "CONJ,Prnt"}});
    return rows;
}

}  // namespace

WindowFixture::WindowFixture()
    : dir_(std::make_unique<QTemporaryDir>())
{
}

bool WindowFixture::Open(Database database)
{
    static_cast<TornelisApplication *>(qApp)->setMessages(&messages);
    const QString path = dir_->filePath(QStringLiteral("forms.db"));
    if (database != Database::Kept)
        QFile::remove(path);
    switch (database) {
    case Database::Good:
        WriteTestDatabase(path, Dictionary(), {{"елка", "ёлка"}});
        AddYoSpellings(path, {{"елка", "ёлка"}, {"осел", "осёл"}, {"узнает", "узнаёт"}});
        AddReadingCounts(path, QStringLiteral("insert into reading_counts values('конечно', 120, 0, 0), ('конечно', 130, 0, 3000);"));
        break;
    case Database::WithoutFormsView:
        WriteTestDatabase(path, Dictionary(), {}, {false, true});
        break;
    case Database::Broken: {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QByteArray("not a database\n").repeated(64));
        break;
    }
    case Database::None:
    case Database::Kept:
        break;
    }
    form_ = std::make_unique<TForm1>(dir_->path(), WindowServices{messages, fileDialogs, singleInstance, opener, arguments});
    form_->show();
    form_->activateWindow();
    return QTest::qWaitForWindowActive(form_.get());
}

void WindowFixture::CloseWindow()
{
    form_.reset();
}

void WindowFixture::Reset()
{
    CloseWindow();
    singleInstance.Release();
    dir_ = std::make_unique<QTemporaryDir>();
    messages = RecordingMessages();
    fileDialogs = ScriptedFileDialogs();
    opener = RecordingOpener();
    arguments = QStringList{QStringLiteral("tornelis")};
}

void WindowFixture::Decline(const QString &word)
{
    form_->ComboBox1->setFocus();
    form_->ComboBox1->setEditText(word);
    QTest::keyClick(form_->ComboBox1, Qt::Key_Return);
}

}  // namespace tornelis::test
