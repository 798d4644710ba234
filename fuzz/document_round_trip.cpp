// The reader and writer of documents (editor/document) on arbitrary files:
// the bytes are written to a real file, read as the editor reads them, and
// written back unchanged in the encoding the probe found; the new file must
// hold the identical bytes, whatever the encoding (UTF-8, UTF-8 with a byte
// order mark, Windows-1252, UTF-16 and UTF-32 behind their marks), line ends
// or NUL bytes.

#include "FuzzSupport.h"

#include "core/text/Utf8.h"
#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentWriter.h"

#include <string>
#include <string_view>

using namespace editor;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::scratchDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString in = fuzz::scratchDir().filePath(QStringLiteral("in.html"));
    static const QString out = fuzz::scratchDir().filePath(QStringLiteral("out.html"));
    const QByteArray original = fuzz::bytes(data, size);
    fuzz::writeFile(in, original);
    QFile::remove(out);

    DocumentReader reader(in);
    FUZZ_CHECK(reader.probe());
    const DocumentProbe info = reader.info();
    std::string text;
    FUZZ_CHECK(reader.read([&](std::string_view piece) { text.append(piece); }));

    // What the editor holds is UTF-8 in every case.
    core::Utf8Validator utf8;
    utf8.feed(text);
    FUZZ_CHECK(utf8.finish());
    const std::string_view bytes(original.constData(), static_cast<size_t>(original.size()));
    if (wideForm(info.encoding))
        FUZZ_CHECK(info.hasNul == (text.find('\0') != std::string::npos));
    else
        FUZZ_CHECK(info.hasNul == (bytes.find('\0') != std::string_view::npos));
    if (info.encoding == TextEncoding::Utf8)
        FUZZ_CHECK(text == bytes);
    if (info.encoding == TextEncoding::Utf8WithBom)
        FUZZ_CHECK(bytes.substr(0, 3) == "\xEF\xBB\xBF" && text == bytes.substr(3));
    if (info.encoding == TextEncoding::Windows1252)
        FUZZ_CHECK(text.size() >= bytes.size());

    const WriteResult written = writeDocument(out, text, info.encoding);
    FUZZ_CHECK(written.ok);
    FUZZ_CHECK(written.encoding == info.encoding);
    FUZZ_CHECK(fuzz::readFile(out) == original);
    return 0;
}
