#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace tornelis {

// The forms of a lemma that its table has no cell for, grouped in the order
// the page "Другие формы" shows the groups.
enum class OtherFormGroup { Infinitive, Short, Comparative, Imperative, Participle, Gerund, Other };

struct OtherForm {
    QString text;  // rendered like a table cell
    QString tags;
    OtherFormGroup group;
    bool typed = false;  // the form the decline command ran on
    bool operator==(const OtherForm &) const = default;
};

// One row of the page "Другие формы" under its header row ("Форма",
// "Описание"): a group's heading, or a form with the description of its tags.
struct OtherFormsRow {
    QString form;
    QString description;
    QString tags;  // empty in a heading
    bool heading = false;
    bool typed = false;
};

QString OtherFormsCaption(qsizetype count);  // "Другие формы (7)", no number when 0
QStringList OtherFormsHeaders();
QList<OtherFormsRow> OtherFormsRows(const QList<OtherForm> &forms);

// The group of a form by its tag string.
OtherFormGroup GroupOfForm(const QString &tags);

// "Инфинитив", "Краткие формы", ...: the group's heading.
QString OtherFormGroupHeading(OtherFormGroup group);

// "infinitive", "short", ...: the group's name for scripts.
QString OtherFormGroupName(OtherFormGroup group);

// Does the page list a form with these tags? A participle once, by its
// nominative masculine singular; no form that the dictionary marks as
// informal, slang, vulgar, archaic, distorted or erroneous (на столу), and
// no abbreviation (н of наш).
bool IsListedOtherForm(const QString &tags);

// Is the form marked as informal, slang, vulgar, archaic, distorted or erroneous?
bool HasUsageMark(const QString &tags);

// Does the tag string hold this grammeme (a whole one: "impf" is no "impr")?
bool HasGrammeme(const QString &tags, QStringView grammeme);
// Does it hold any of these?
bool HasAnyGrammeme(const QString &tags, std::initializer_list<QStringView> grammemes);

}  // namespace tornelis
