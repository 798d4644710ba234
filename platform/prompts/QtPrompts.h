#pragma once

#include "platform/prompts/Prompts.h"

namespace platform {

// The real prompts: message boxes and the file dialogs.
class QtPrompts final : public Prompts {
public:
    PromptAnswer message(QWidget* parent, const QString& text, const QString& title,
                         PromptIcon icon, PromptButtons buttons) override;
    int choose(QWidget* parent, const QString& text, const QString& title, PromptIcon icon,
               const QStringList& choices) override;
    QString openFileName(QWidget* parent, const QString& startPath, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& startPath, const QString& filter) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override;
};

} // namespace platform
