#include "yo_list.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

namespace tornelis::formsdb {
namespace {

QString Capitalised(const QString &word)
{
    return word.left(1).toUpper() + word.mid(1);
}

}  // namespace

QList<EyoWord> ExpandEyoLine(const QString &rawLine)
{
    QString line = rawLine.section(QLatin1Char('#'), 0, 0).trimmed();
    if (line.isEmpty())
        return {};
    const bool lowerCaseOnly = line.startsWith(QLatin1Char('_'));
    if (lowerCaseOnly)
        line.remove(0, 1);

    QList<EyoWord> words;
    const qsizetype open = line.indexOf(QLatin1Char('('));
    if (open < 0 || !line.endsWith(QLatin1Char(')'))) {
        words.append({line, lowerCaseOnly});
        return words;
    }
    const QString stem = line.left(open);
    for (const QString &ending : line.mid(open + 1, line.size() - open - 2).split(QLatin1Char('|')))
        words.append({stem + ending, lowerCaseOnly});
    return words;
}

QList<EyoWord> ReadEyoList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    QList<EyoWord> words;
    while (!file.atEnd())
        words += ExpandEyoLine(QString::fromUtf8(file.readLine()));
    if (words.isEmpty())
        throw std::runtime_error(path.toStdString() + " holds no words");
    return words;
}

QString WithoutYo(const QString &word)
{
    QString plain = word;
    plain.replace(u'ё', u'е').replace(u'Ё', u'Е');
    return plain;
}

void DictionaryForms::Add(const QString &word, const QString &tags)
{
    static const char *const properNames[] = {"Name", "Surn", "Patr", "Geox", "Orgn", "Trad"};
    all_.insert(word);
    const bool properName = std::any_of(std::begin(properNames), std::end(properNames),
                                        [&tags](const char *code) { return tags.contains(QLatin1String(code)); });
    if (!properName)
        common_.insert(word);
}

YoTableBuilder::YoTableBuilder(const QList<EyoWord> &safe, const QList<EyoWord> &notSafe, const DictionaryForms &forms)
    : forms_(forms)
{
    for (const EyoWord &entry : notSafe) {
        notSafe_.insert(WithoutYo(entry.word));
        notSafe_.insert(WithoutYo(Capitalised(entry.word)));
    }
    for (const EyoWord &entry : safe) {
        Add(entry.word);
        if (!entry.lowerCaseOnly && entry.word.at(0).isLower())
            Add(Capitalised(entry.word));
    }
    QStringList withYo;
    for (const QString &form : forms.all()) {
        if (form.contains(u'ё'))
            withYo.append(form);
    }
    withYo.sort();  // the same forms give the same file
    for (const QString &form : std::as_const(withYo))
        Add(form);
}

void YoTableBuilder::Add(const QString &strYo)
{
    const QString str = WithoutYo(strYo);
    if (str == strYo || notSafe_.contains(str) || seen_.contains(str))
        return;
    seen_.insert(str);
    if (!forms_.all().contains(strYo.toLower()))
        ++drops_.yoSpellingNoForm;
    else if (forms_.IsCommonForm(str.toLower()))
        ++drops_.eSpellingCommonForm;
    else
        rows_.append({str, strYo});
}

void YoTableBuilder::ForEachRow(const std::function<void(const QString &, const QString &)> &visit) const
{
    for (const auto &[str, strYo] : rows_)
        visit(str, strYo);
}

}  // namespace tornelis::formsdb
