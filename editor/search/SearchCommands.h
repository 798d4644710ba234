#pragma once

#include "editor/search/SearchPattern.h"

#include <QObject>
#include <QPointer>

#include <cstddef>
#include <optional>
#include <string_view>

class QWidget;

namespace platform {
class Prompts;
}

namespace editor {

class FindDialog;
class SourceEditor;

// Find, replace and go to line on the source editor. The searches run over
// the editor's own UTF-8 bytes; the find field highlights the matches in
// view while it is open, and costs nothing while it is closed.
class SearchCommands : public QObject {
    Q_OBJECT
public:
    SearchCommands(SourceEditor& coding, platform::Prompts& prompts, QWidget& window);
    ~SearchCommands() override;

    // Ctrl+F and Ctrl+H: the field, prefilled with a selection within one line.
    void openFind();
    void openReplace();
    // F3 and Shift+F3: the last search again, nothing opened.
    void findAgain(bool backwards);
    // Ctrl+G: a line, or line:column, from the user.
    void goToLine();

    // The find field, once it has been opened.
    FindDialog* dialog() const;

signals:
    // How a command went, for the status bar: "Search wrapped", "Not found"...
    void notice(const QString& text);

private:
    void open(bool replacing);
    void find(bool backwards);
    void replaceOne();
    void replaceAll();
    void checkPattern();
    void highlightInView();
    void clearHighlight();
    // The pattern of the last search; none (and the user told) when invalid.
    const SearchPattern* pattern();
    void tell(const QString& text);
    void select(std::size_t start, std::size_t end);
    std::string_view text();

    SourceEditor& coding_;
    platform::Prompts& prompts_;
    QWidget& window_;
    QPointer<FindDialog> dialog_;
    QString lastText_;
    SearchOptions lastOptions_;
    std::optional<SearchPattern> compiled_;
    QString compiledText_;
    SearchOptions compiledOptions_;
    std::size_t highlightStart_ = 0;
    std::size_t highlightEnd_ = 0;
};

} // namespace editor
