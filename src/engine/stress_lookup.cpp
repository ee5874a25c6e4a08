#include "engine/stress_lookup.h"

namespace tornelis {
namespace {

constexpr qsizetype kRememberedWords = 1 << 18;

}  // namespace

StressLookup::StressLookup(const QString &path)
    : database_(path, SqliteDatabase::Mode::ReadOnly)
    , accents_(std::make_unique<SqliteStatement>(database_, QStringLiteral("select accent from forms_view where word = ?")))
    , yo_(std::make_unique<SqliteStatement>(database_, QStringLiteral("select str_yo from yo where str = ?")))
{
}

StressLookup::~StressLookup() = default;

std::optional<int> StressLookup::AgreedAccent(const QString &lowerCaseForm)
{
    if (const auto found = remembered_.constFind(lowerCaseForm); found != remembered_.cend())
        return *found;
    accents_->reset();
    accents_->bindText(1, lowerCaseForm);
    std::optional<int> agreed;
    bool disagree = false;
    while (accents_->step()) {
        // A reading of unknown stress (0) counts too: it may be the other stress (замок).
        const int accent = std::max(0, accents_->columnInt(0));
        if (agreed && *agreed != accent)
            disagree = true;
        agreed = accent;
    }
    const std::optional<int> result = disagree ? std::nullopt : agreed;
    if (remembered_.size() >= kRememberedWords)
        remembered_.clear();
    remembered_.insert(lowerCaseForm, result);
    return result;
}

std::optional<QString> StressLookup::RestoredYo(const QString &form)
{
    yo_->reset();
    yo_->bindText(1, form);
    if (!yo_->step())
        return std::nullopt;
    return yo_->columnText(0);
}

}  // namespace tornelis
