#include "engine/stress_lookup.h"

#include "engine/dictionary_error.h"

namespace tornelis {
namespace {

constexpr qsizetype kRememberedWords = 1 << 18;

}  // namespace

StressLookup::StressLookup(const QString &path)
    : path_(path)
{
    OnDictionary(path_, [&] {
        database_ = SqliteDatabase(path, SqliteDatabase::Mode::ReadOnly);
        accents_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select accent from forms_view where word = ?"));
        yo_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select str_yo from yo where str = ?"));
    });
}

StressLookup::~StressLookup() = default;

std::optional<int> StressLookup::AgreedAccent(const QString &lowerCaseForm)
{
    if (const auto found = remembered_.constFind(lowerCaseForm); found != remembered_.cend())
        return *found;
    const std::optional<int> result = OnDictionary(path_, [&]() -> std::optional<int> {
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
        return disagree ? std::nullopt : agreed;
    });
    if (remembered_.size() >= kRememberedWords)
        remembered_.clear();
    remembered_.insert(lowerCaseForm, result);
    return result;
}

std::optional<QString> StressLookup::RestoredYo(const QString &form)
{
    return OnDictionary(path_, [&]() -> std::optional<QString> {
        yo_->reset();
        yo_->bindText(1, form);
        // A row without its ё spelling restores nothing.
        const QString restored = yo_->step() ? yo_->columnText(0) : QString();
        return restored.isEmpty() ? std::nullopt : std::optional<QString>(restored);
    });
}

}  // namespace tornelis
