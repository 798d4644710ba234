#pragma once

#include "core/DocumentType.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// A mistake in a page: where it is (byte offsets, and its 1-based line and
// column counted in bytes) and what is wrong.
struct MarkupProblem {
    std::size_t start = 0;
    std::size_t end = 0;
    long line = 1;
    long column = 1;
    std::string message;
};

// Reads a page in pieces, in order, as they come (no piece is kept), and
// collects its problems. Work and memory are bounded whatever the page: a
// checker that reaches a bound stops and says why.
class MarkupChecker {
public:
    // Problems beyond this many are not collected.
    static constexpr std::size_t kMostProblems = 10000;

    virtual ~MarkupChecker() = default;
    // The next piece of the text.
    virtual void feed(std::string_view piece) = 0;
    // The text has ended: what is still open is reported.
    virtual void finish() = 0;

    const std::vector<MarkupProblem>& problems() const { return problems_; }
    // Why checking stopped before the end, or empty when it did not.
    const std::string& stoppedBecause() const { return stopped_; }
    bool stopped() const { return !stopped_.empty(); }

protected:
    void report(MarkupProblem problem);
    void stop(std::string why) {
        if (stopped_.empty())
            stopped_ = std::move(why);
    }

private:
    std::vector<MarkupProblem> problems_;
    std::string stopped_;
};

// The checker for a document type: HTML and ASP pages by the HTML rules,
// XML by well-formedness, CSS by its brackets and strings.
std::unique_ptr<MarkupChecker> makeMarkupChecker(core::DocumentType type);

// Checks a whole text at once (tests, small pages).
std::unique_ptr<MarkupChecker> checkMarkup(core::DocumentType type, std::string_view text);

} // namespace editor
