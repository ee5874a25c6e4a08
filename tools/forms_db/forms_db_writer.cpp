#include "forms_db_writer.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <stdexcept>

namespace tornelis::formsdb {

FormsDbWriter::FormsDbWriter(const QString &targetPath, const QStringList &tags)
    : targetPath_(targetPath)
    , temporaryPath_(targetPath + QStringLiteral(".building"))
{
    QFile::remove(temporaryPath_);
    database_ = SqliteDatabase(temporaryPath_, SqliteDatabase::Mode::Create);
    database_.exec(QStringLiteral(
        "pragma encoding = 'UTF-16le'; pragma journal_mode = off; pragma synchronous = off;"
        "pragma cache_size = -262144;"
        "begin;"
        "create table tags(id integer primary key, prop text not null);"
        "create table forms(id integer primary key, word text not null, tag_id integer not null,"
        " accent integer not null, lemma_id integer not null);"
        "create table lexemes(id integer primary key, first_id integer not null, last_id integer not null);"
        "create table yo(str text primary key, str_yo text not null) without rowid;"
        "create table yo_spellings(str text not null, str_yo text not null, primary key(str, str_yo)) without rowid;"
        // Occurrences of each reading of a word in OpenCorpora's disambiguated
        // corpus, by its spelling with е: running text weighs rare readings by it.
        // The stress of forms the lists say nothing of, predicted from their
        // lexeme's other forms: running text marks it, tables do not.
        "create table predicted_stress(form_id integer primary key, accent integer not null);"
        "create table corpus_counts(word text not null, tag_id integer not null, count integer not null,"
        " primary key(word, tag_id)) without rowid;"
        // A lexeme's rows have consecutive ids, so its forms are a range of
        // the forms table: the view finds them without an index of their own.
        "create view forms_view as select f.id as id, f.word as word, t.prop as prop,"
        " f.accent as accent, l.id as initform_id"
        " from forms f join lexemes l on l.id = f.lemma_id and f.id between l.first_id and l.last_id"
        " join tags t on t.id = f.tag_id;"));
    SqliteStatement insertTag(database_, QStringLiteral("insert into tags(id, prop) values(?, ?)"));
    for (qsizetype id = 0; id < tags.size(); ++id) {
        insertTag.bindInt64(1, id);
        insertTag.bindText(2, tags.at(id));
        insertTag.step();
        insertTag.reset();
    }
    insertForm_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("insert into forms values(?, ?, ?, ?, ?)"));
    insertLexeme_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("insert into lexemes values(?, ?, ?)"));
    insertPredicted_ =
        std::make_unique<SqliteStatement>(database_, QStringLiteral("insert into predicted_stress values(?, ?)"));
    insertYo_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("insert into yo values(?, ?)"));
    insertYoSpelling_ =
        std::make_unique<SqliteStatement>(database_, QStringLiteral("insert or ignore into yo_spellings values(?, ?)"));
    insertCorpusCount_ =
        std::make_unique<SqliteStatement>(database_, QStringLiteral(
        // A word the corpus spells both with ё and with е adds up.
        "insert into corpus_counts values(?, ?, ?) on conflict(word, tag_id) do update set count = count + excluded.count"));
}

FormsDbWriter::~FormsDbWriter()
{
    ReleaseStatements();
    database_.close();
    if (!finished_)
        QFile::remove(temporaryPath_);
}

qint64 FormsDbWriter::AddLexeme(const BuiltLexeme &lexeme, const std::vector<int> &accents,
                               const std::vector<int> &predictedAccents)
{
    const qint64 firstId = nextId_;
    const qint64 lemmaId = firstId + qint64(lexeme.lemmaIndex);
    for (std::size_t i = 0; i < lexeme.forms.size(); ++i) {
        if (predictedAccents[i] > 0) {
            insertPredicted_->bindInt64(1, nextId_);
            insertPredicted_->bindInt64(2, predictedAccents[i]);
            insertPredicted_->step();
            insertPredicted_->reset();
        }
        insertForm_->bindInt64(1, nextId_++);
        insertForm_->bindText(2, lexeme.forms[i].word);
        insertForm_->bindInt64(3, lexeme.forms[i].tagId);
        insertForm_->bindInt64(4, accents[i]);
        insertForm_->bindInt64(5, lemmaId);
        insertForm_->step();
        insertForm_->reset();
    }
    insertLexeme_->bindInt64(1, lemmaId);
    insertLexeme_->bindInt64(2, firstId);
    insertLexeme_->bindInt64(3, nextId_ - 1);
    insertLexeme_->step();
    insertLexeme_->reset();
    return lemmaId;
}

void FormsDbWriter::AddYo(const QString &str, const QString &strYo)
{
    insertYo_->bindText(1, str);
    insertYo_->bindText(2, strYo);
    insertYo_->step();
    insertYo_->reset();
}

void FormsDbWriter::AddYoSpelling(const QString &str, const QString &strYo)
{
    insertYoSpelling_->bindText(1, str);
    insertYoSpelling_->bindText(2, strYo);
    insertYoSpelling_->step();
    insertYoSpelling_->reset();
}

void FormsDbWriter::AddCorpusCount(const QString &eWord, int tagId, int count)
{
    insertCorpusCount_->bindText(1, eWord);
    insertCorpusCount_->bindInt64(2, tagId);
    insertCorpusCount_->bindInt64(3, count);
    insertCorpusCount_->step();
    insertCorpusCount_->reset();
}

void FormsDbWriter::ReleaseStatements()
{
    insertForm_.reset();
    insertLexeme_.reset();
    insertPredicted_.reset();
    insertYo_.reset();
    insertYoSpelling_.reset();
    insertCorpusCount_.reset();
}

void FormsDbWriter::Finish()
{
    ReleaseStatements();
    database_.exec(QStringLiteral(
        "create index forms_word on forms(word);"
        "commit;"
        "analyze;"));
    database_.close();
    if (std::rename(QFile::encodeName(temporaryPath_).constData(), QFile::encodeName(targetPath_).constData()) != 0)
        throw std::runtime_error("cannot move the new dictionary to " + targetPath_.toStdString());
    finished_ = true;
}

}  // namespace tornelis::formsdb
