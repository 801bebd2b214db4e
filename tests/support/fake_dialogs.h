#pragma once

#include "windows/common/dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace radixon::test {

// Answers every dialog from a script and records what was shown.
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "inform", "ask" or "save"
        QString title;
        QString text;
        Icon icon = Icon::None;
    };

    std::vector<Shown> shown;
    bool answerYes = true;
    std::deque<std::optional<QString>> saveAnswers;
    std::function<void()> onInform; // runs while a message is up

    void inform(QWidget *, const QString &title, const QString &text, Icon icon) override
    {
        shown.push_back({QStringLiteral("inform"), title, text, icon});
        if (onInform)
            onInform();
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        shown.push_back({QStringLiteral("ask"), title, text, Icon::None});
        return answerYes;
    }
    std::optional<QString> saveFileName(QWidget *, const QString &title, const QString &defaultName,
                                        const QString &filter) override
    {
        shown.push_back(
            {QStringLiteral("save"), title, defaultName + QLatin1Char('|') + filter, Icon::None});
        if (saveAnswers.empty())
            return std::nullopt;
        const bool cancelled = !saveAnswers.front().has_value();
        const QString path = saveAnswers.front().value_or(QString());
        saveAnswers.pop_front();
        if (cancelled)
            return std::nullopt;
        return path;
    }
};

} // namespace radixon::test
