#pragma once

#include "editor/markup/MarkupChecker.h"

#include <string>

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
    // Gives the parser `piece`, which holds whole characters only.
    void parse(std::string_view piece);
    // Checks `before`, then reports the byte after it as not UTF-8 and stops.
    void notUtf8(std::string_view before);

    _xmlParserCtxt* parser_ = nullptr;
    // The start of a character the last piece did not finish.
    std::string tail_;
    // What the bytes of that character may still be.
    struct Utf8State {
        int need = 0;
        unsigned char lower = 0x80;
        unsigned char upper = 0xBF;
    } utf8_;
    // Bytes given to the parser, and the line they end on.
    std::size_t read_ = 0;
    long line_ = 1;
    std::size_t lineStart_ = 0;
    bool finished_ = false;
};

} // namespace editor
