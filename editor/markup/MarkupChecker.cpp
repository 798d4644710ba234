#include "editor/markup/MarkupChecker.h"

#include "editor/markup/CssChecker.h"
#include "editor/markup/HtmlChecker.h"
#include "editor/markup/XmlChecker.h"

namespace editor {

void MarkupChecker::report(MarkupProblem problem) {
    if (problems_.size() < kMostProblems)
        problems_.push_back(std::move(problem));
    else
        stop("Checking stopped after 10000 problems.");
}

std::unique_ptr<MarkupChecker> makeMarkupChecker(core::DocumentType type) {
    switch (type) {
    case core::DocumentType::XML:
        return std::make_unique<XmlChecker>();
    case core::DocumentType::CSS:
        return std::make_unique<CssChecker>();
    case core::DocumentType::HTML:
    case core::DocumentType::ASP:
        break;
    }
    return std::make_unique<HtmlChecker>();
}

std::unique_ptr<MarkupChecker> checkMarkup(core::DocumentType type, std::string_view text) {
    auto checker = makeMarkupChecker(type);
    checker->feed(text);
    checker->finish();
    return checker;
}

} // namespace editor
