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
    if (!parser_ || stopped())
        return;
    // The parser judges a character cut at a piece's end as broken, and
    // reports a byte that is not UTF-8 differently depending on where the
    // pieces end. So characters are given whole (the start of one waits for
    // the next piece), and the first byte that is not UTF-8 is reported here,
    // at its place, and ends the check.
    std::string joined;
    if (!tail_.empty()) {
        joined = tail_ + std::string(piece);
        piece = joined;
    }
    const std::size_t scanFrom = tail_.size();
    tail_.clear();
    std::size_t sequence = 0; // where the character being read begins
    for (std::size_t i = scanFrom; i < piece.size(); ++i) {
        const auto byte = static_cast<unsigned char>(piece[i]);
        if (utf8_.need > 0) {
            if (byte >= utf8_.lower && byte <= utf8_.upper) {
                --utf8_.need;
                utf8_.lower = 0x80;
                utf8_.upper = 0xBF;
                continue;
            }
            return notUtf8(piece.substr(0, sequence));
        }
        sequence = i;
        if (byte < 0x80) {
            if (byte == '\n') {
                ++line_;
                lineStart_ = read_ + i + 1;
            }
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            utf8_.need = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            utf8_.need = 2;
            utf8_.lower = byte == 0xE0 ? 0xA0 : 0x80; // not overlong
            utf8_.upper = byte == 0xED ? 0x9F : 0xBF; // not a surrogate
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            utf8_.need = 3;
            utf8_.lower = byte == 0xF0 ? 0x90 : 0x80;
            utf8_.upper = byte == 0xF4 ? 0x8F : 0xBF; // not above U+10FFFF
        } else {
            return notUtf8(piece.substr(0, sequence));
        }
    }
    const std::size_t whole = utf8_.need > 0 ? sequence : piece.size();
    tail_.assign(piece.substr(whole));
    parse(piece.substr(0, whole));
}

void XmlChecker::notUtf8(std::string_view before) {
    parse(before);
    const std::size_t at = read_;
    report({at, at + 1, line_, static_cast<long>(at - lineStart_) + 1,
            "Input is not proper UTF-8, indicate encoding !"});
    stop("Checking stopped at the first byte that is not UTF-8.");
}

void XmlChecker::parse(std::string_view piece) {
    read_ += piece.size();
    while (parser_ && !stopped() && !piece.empty()) {
        const std::size_t size = std::min(piece.size(), kLargestPiece);
        xmlParseChunk(parser_, piece.data(), static_cast<int>(size), 0);
        piece.remove_prefix(size);
    }
}

void XmlChecker::finish() {
    if (parser_ && !stopped() && !finished_) {
        finished_ = true;
        // A character the text ends in the middle of.
        if (!tail_.empty())
            return notUtf8({});
        xmlParseChunk(parser_, nullptr, 0, 1);
    }
}

} // namespace editor
