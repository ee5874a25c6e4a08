#include "engine/other_forms.h"

#include "grammemes/describe_tags.h"

#include <algorithm>
#include <array>

namespace tornelis {

bool HasGrammeme(const QString &tags, QStringView grammeme)
{
    for (const QStringView part : QStringView(tags).tokenize(u' ')) {
        for (const QStringView one : part.tokenize(u','))
            if (one == grammeme)
                return true;
    }
    return false;
}

OtherFormGroup GroupOfForm(const QString &tags)
{
    if (HasGrammeme(tags, u"INFN"))
        return OtherFormGroup::Infinitive;
    if (HasGrammeme(tags, u"ADJS") || HasGrammeme(tags, u"PRTS"))
        return OtherFormGroup::Short;
    if (HasGrammeme(tags, u"COMP") || HasGrammeme(tags, u"Cmp2") || HasGrammeme(tags, u"Supr"))
        return OtherFormGroup::Comparative;
    if (HasGrammeme(tags, u"impr"))
        return OtherFormGroup::Imperative;
    if (HasGrammeme(tags, u"PRTF"))
        return OtherFormGroup::Participle;
    if (HasGrammeme(tags, u"GRND"))
        return OtherFormGroup::Gerund;
    return OtherFormGroup::Other;
}

QString OtherFormGroupHeading(OtherFormGroup group)
{
    static const std::array<QString, 7> headings{
        QStringLiteral("Инфинитив"),   QStringLiteral("Краткие формы"), QStringLiteral("Сравнительная и превосходная степень"),
        QStringLiteral("Повелительное наклонение"), QStringLiteral("Причастия"), QStringLiteral("Деепричастия"),
        QStringLiteral("Прочие формы")};
    return headings.at(size_t(group));
}

QString OtherFormGroupName(OtherFormGroup group)
{
    static const std::array<QString, 7> names{QStringLiteral("infinitive"), QStringLiteral("short"),
                                              QStringLiteral("comparative"), QStringLiteral("imperative"),
                                              QStringLiteral("participle"),  QStringLiteral("gerund"),
                                              QStringLiteral("other")};
    return names.at(size_t(group));
}

bool HasUsageMark(const QString &tags)
{
    return HasAnyGrammeme(tags, {u"Infr", u"Slng", u"Vulg", u"Arch", u"Dist", u"Erro"});
}

bool HasAnyGrammeme(const QString &tags, std::initializer_list<QStringView> grammemes)
{
    return std::any_of(grammemes.begin(), grammemes.end(),
                       [&tags](QStringView grammeme) { return HasGrammeme(tags, grammeme); });
}

bool IsListedOtherForm(const QString &tags)
{
    // An abbreviation (н of наш, к-рый of который) is no form a reader needs.
    if (HasUsageMark(tags) || HasGrammeme(tags, u"Abbr"))
        return false;
    return !HasGrammeme(tags, u"PRTF") ||
           (HasGrammeme(tags, u"nomn") && HasGrammeme(tags, u"masc") && HasGrammeme(tags, u"sing"));
}

QString OtherFormsCaption(qsizetype count)
{
    const QString caption = QStringLiteral("Другие формы");
    return count == 0 ? caption : QStringLiteral("%1 (%2)").arg(caption).arg(count);
}

QStringList OtherFormsHeaders()
{
    return {QStringLiteral("Форма"), QStringLiteral("Описание")};
}

QList<OtherFormsRow> OtherFormsRows(const QList<OtherForm> &forms)
{
    QList<OtherFormsRow> rows;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        const OtherForm &form = forms.at(i);
        if (i == 0 || forms.at(i - 1).group != form.group)
            rows.append({OtherFormGroupHeading(form.group), QString(), QString(), true, false});
        rows.append({form.text, DescribeTags(form.tags), form.tags, false, form.typed});
    }
    return rows;
}

}  // namespace tornelis
