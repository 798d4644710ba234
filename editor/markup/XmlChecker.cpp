#include "editor/markup/XmlChecker.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <climits>

namespace editor {

namespace {

// libxml2 takes a piece's length as an int.
constexpr std::size_t kLargestPiece = 1 << 30;

} // namespace

XmlChecker::XmlChecker() {
    // The standard handlers keep what declarations say (entities a document
    // defines for itself) but nothing of the elements and text.
    xmlSAXHandler sax{};
    xmlSAXVersion(&sax, 2);
    sax.startElementNs = nullptr;
    sax.endElementNs = nullptr;
    sax.characters = nullptr;
    sax.ignorableWhitespace = nullptr;
    sax.cdataBlock = nullptr;
    sax.comment = nullptr;
    sax.processingInstruction = nullptr;
    sax.reference = nullptr;
    sax.warning = nullptr;
    sax.error = nullptr;
    sax.fatalError = nullptr;
    sax.serror = &XmlChecker::onError;
    // The standard handlers want the parser as their user data: the checker
    // rides along in its private pointer.
    parser_ = xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr);
    if (!parser_) {
        stop("Checking stopped: the XML parser could not start.");
        return;
    }
    parser_->_private = this;
    xmlCtxtUseOptions(parser_, XML_PARSE_NONET | XML_PARSE_RECOVER | XML_PARSE_NOWARNING);
}

XmlChecker::~XmlChecker() {
    if (!parser_)
        return;
    if (parser_->myDoc)
        xmlFreeDoc(parser_->myDoc);
    xmlFreeParserCtxt(parser_);
}

void XmlChecker::onError(void* parser, xmlError* error) {
    auto* checker = static_cast<XmlChecker*>(static_cast<xmlParserCtxt*>(parser)->_private);
    if (!error || error->level == XML_ERR_WARNING)
        return;
    std::string message = error->message ? error->message : "Malformed XML.";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    checker->report({kUnplaced, kUnplaced, error->line > 0 ? error->line : 1,
                     error->int2 > 0 ? error->int2 : 1, std::move(message)});
}

void XmlChecker::feed(std::string_view piece) {
    while (parser_ && !stopped() && !piece.empty()) {
        const std::size_t size = std::min(piece.size(), kLargestPiece);
        xmlParseChunk(parser_, piece.data(), static_cast<int>(size), 0);
        piece.remove_prefix(size);
    }
}

void XmlChecker::finish() {
    if (parser_ && !stopped() && !finished_) {
        finished_ = true;
        xmlParseChunk(parser_, nullptr, 0, 1);
    }
}

} // namespace editor
