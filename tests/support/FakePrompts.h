#pragma once

#include "platform/prompts/Prompts.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

// Answers the program's questions from a script and records what was asked.
class FakePrompts final : public platform::Prompts {
public:
    struct Message {
        QString text;
        QString title;
        platform::PromptIcon icon;
        platform::PromptButtons buttons;
    };

    std::deque<platform::PromptAnswer> answers; // for questions; OK boxes need none
    std::deque<QString> fileNames;              // chosen in the file dialogs ("" cancels)
    std::vector<Message> messages;
    QStringList dialogs;    // "open" or "save", in order
    QStringList startPaths; // where each dialog started
    QStringList filters;
    std::deque<int> choices;          // picked in choose(); none picks the last, as Escape does
    std::vector<QStringList> offered; // the choices of each choose(), in order
    std::deque<std::optional<QString>> texts; // typed into askText (nullopt cancels)
    QStringList askedLabels;

    platform::PromptAnswer message(QWidget*, const QString& text, const QString& title,
                                   platform::PromptIcon icon,
                                   platform::PromptButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (buttons == platform::PromptButtons::Ok)
            return platform::PromptAnswer::Ok;
        if (answers.empty())
            return platform::PromptAnswer::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int choose(QWidget*, const QString& text, const QString& title, platform::PromptIcon icon,
               const QStringList& offeredChoices) override {
        messages.push_back({text, title, icon, platform::PromptButtons::Ok});
        offered.push_back(offeredChoices);
        if (choices.empty())
            return static_cast<int>(offeredChoices.size()) - 1;
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }

    QString openFileName(QWidget*, const QString& start, const QString& filter) override {
        return dialog(QStringLiteral("open"), start, filter);
    }
    QString saveFileName(QWidget*, const QString& start, const QString& filter) override {
        return dialog(QStringLiteral("save"), start, filter);
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString& label,
                                   const QString&) override {
        askedLabels << label;
        if (texts.empty() || !texts.front()) {
            if (!texts.empty())
                texts.pop_front();
            return std::nullopt;
        }
        const QString text = *texts.front();
        texts.pop_front();
        return text;
    }

private:
    QString dialog(const QString& kind, const QString& start, const QString& filter) {
        dialogs << kind;
        startPaths << start;
        filters << filter;
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};
