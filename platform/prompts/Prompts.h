#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace platform {

enum class PromptIcon { None, Critical, Warning };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Every modal question the program asks goes through this interface, so that
// tests can answer the questions without a person at the screen.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual PromptAnswer message(QWidget* parent, const QString& text, const QString& title,
                                 PromptIcon icon, PromptButtons buttons) = 0;
    // A question answered by one of `choices` (button captions, without
    // access keys); returns its index. Return and Escape pick the last one,
    // which must be the answer that changes nothing.
    virtual int choose(QWidget* parent, const QString& text, const QString& title, PromptIcon icon,
                       const QStringList& choices) = 0;
    // Both return the full path chosen, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& startPath,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& startPath,
                                 const QString& filter) = 0;
    // One line of text, starting as `initial`; nothing when the user cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& initial) = 0;
};

} // namespace platform
