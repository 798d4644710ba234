#pragma once

#include "editor/markup/MarkupChecker.h"

struct _xmlParserCtxt;
struct _xmlError;

namespace editor {

// Checks that an XML document is well formed, with libxml2's push parser fed
// piece by piece; nothing of the document is built or kept, no external
// entity or DTD is fetched. Each problem carries the parser's message and its
// line and column (its offsets are left for the caller to find).
class XmlChecker final : public MarkupChecker {
public:
    XmlChecker();
    ~XmlChecker() override;
    XmlChecker(const XmlChecker&) = delete;
    XmlChecker& operator=(const XmlChecker&) = delete;

    void feed(std::string_view piece) override;
    void finish() override;

    // Offsets of a problem whose place the parser gave only as a line and column.
    static constexpr std::size_t kUnplaced = static_cast<std::size_t>(-1);

private:
    static void onError(void* parser, ::_xmlError* error);

    _xmlParserCtxt* parser_ = nullptr;
    bool finished_ = false;
};

} // namespace editor
