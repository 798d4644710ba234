#include "editor/DocumentReader.h"
#include "editor/DocumentWriter.h"
#include "editor/Utf8Validator.h"
#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace editor;

namespace {

QByteArray bytesOf(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readRaw(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

struct Loaded {
    DocumentProbe info;
    std::string text; // as the editor would hold it (UTF-8)
};

Loaded load(const QString& path) {
    DocumentReader reader(path);
    EXPECT_TRUE(reader.probe()) << reader.errorMessage().toStdString();
    Loaded loaded;
    loaded.info = reader.info();
    EXPECT_TRUE(reader.read([&](std::string_view piece) { loaded.text.append(piece); }));
    return loaded;
}

class DocumentFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

} // namespace

TEST(Windows1252, EveryByteDecodesAndEncodesBackToItself) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = platform::windows1252ToUnicode(static_cast<std::uint8_t>(b));
        const auto back = platform::unicodeToWindows1252(c);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
    EXPECT_EQ(platform::windows1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(platform::windows1252ToUnicode(0x81), U'\u0081'); // undefined in the code page
    EXPECT_FALSE(platform::unicodeToWindows1252(U'\u0080').has_value());
    EXPECT_FALSE(platform::unicodeToWindows1252(U'\u4E2D').has_value());
}

TEST(Utf8Validator, AcceptsOnlyWellFormedUtf8EvenWhenSplit) {
    struct Case {
        const char* bytes;
        bool valid;
    };
    const Case cases[] = {
        {"plain ascii\r\n", true},
        {"caf\xC3\xA9", true},
        {"\xE2\x82\xAC euro", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xC3", false},             // unfinished
        {"\xC0\xAF", false},         // overlong
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"\x80", false},             // stray continuation
        {"caf\xE9", false},          // Windows-1252 e acute
    };
    for (const Case& c : cases) {
        const std::string_view s(c.bytes);
        for (size_t split = 0; split <= s.size(); ++split) {
            Utf8Validator v;
            v.feed(s.substr(0, split));
            v.feed(s.substr(split));
            EXPECT_EQ(v.finish(), c.valid) << c.bytes << " split at " << split;
        }
    }
}

TEST_F(DocumentFileTest, TrickyFilesSaveBackToTheIdenticalBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        LineEnd lineEnd;
    };
    std::string allHigh;
    for (int b = 0x80; b <= 0x9F; ++b)
        allHigh += static_cast<char>(b);
    const Case cases[] = {
        {"empty", "", TextEncoding::Utf8, LineEnd::CrLf},
        {"cr only", "a\rb\rc", TextEncoding::Utf8, LineEnd::Cr},
        {"mixed", "a\nb\r\nc\rd\r", TextEncoding::Utf8, LineEnd::Lf},
        {"crlf", "<p>\r\n</p>\r\n", TextEncoding::Utf8, LineEnd::CrLf},
        {"nul bytes", std::string("a\0b\0\0c", 6), TextEncoding::Utf8, LineEnd::CrLf},
        {"bom", "\xEF\xBB\xBF<p>caf\xC3\xA9</p>", TextEncoding::Utf8WithBom, LineEnd::CrLf},
        {"bom only", "\xEF\xBB\xBF", TextEncoding::Utf8WithBom, LineEnd::CrLf},
        {"invalid utf8", "caf\xE9 \xC3", TextEncoding::Windows1252, LineEnd::CrLf},
        {"cp1252 0x80-0x9f", allHigh + "\r\n", TextEncoding::Windows1252, LineEnd::CrLf},
        {"trailing cr", "x\r", TextEncoding::Utf8, LineEnd::Cr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString in = path("in.html");
        const QString out = path("out.html");
        writeRaw(in, bytesOf(c.bytes));
        const Loaded loaded = load(in);
        EXPECT_EQ(loaded.info.encoding, c.encoding);
        EXPECT_EQ(loaded.info.lineEnd, c.lineEnd);
        const WriteResult written = writeDocument(out, loaded.text, loaded.info.encoding);
        ASSERT_TRUE(written.ok) << written.errorMessage.toStdString();
        EXPECT_EQ(written.encoding, c.encoding);
        EXPECT_EQ(readRaw(out), bytesOf(c.bytes));
    }
}

TEST_F(DocumentFileTest, Windows1252TextReachesTheEditorAsUtf8) {
    writeRaw(path("a.html"), QByteArray("\x80 caf\xE9"));
    EXPECT_EQ(load(path("a.html")).text, "\xE2\x82\xAC caf\xC3\xA9");
}

TEST_F(DocumentFileTest, TenMegabyteFileRoundTrips) {
    QByteArray big;
    big.reserve(10 << 20);
    for (int i = 0; big.size() < (10 << 20); ++i)
        big += "<p>line " + QByteArray::number(i) + " caf\xE9</p>\r\n";
    writeRaw(path("big.html"), big);
    const Loaded loaded = load(path("big.html"));
    EXPECT_EQ(loaded.info.encoding, TextEncoding::Windows1252);
    ASSERT_TRUE(writeDocument(path("big2.html"), loaded.text, loaded.info.encoding).ok);
    EXPECT_EQ(readRaw(path("big2.html")), big);
}

TEST_F(DocumentFileTest, CharacterOutsideWindows1252IsSavedAsUtf8NotReplaced) {
    const WriteResult r = writeDocument(path("x.html"), "caf\xC3\xA9 \xE4\xB8\xAD", // café 中
                                        TextEncoding::Windows1252);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.encoding, TextEncoding::Utf8);
    EXPECT_EQ(readRaw(path("x.html")), QByteArray("caf\xC3\xA9 \xE4\xB8\xAD"));
}

TEST_F(DocumentFileTest, NoLineEndIsAppended) {
    ASSERT_TRUE(writeDocument(path("x.html"), "</html>", TextEncoding::Utf8).ok);
    EXPECT_EQ(readRaw(path("x.html")), QByteArray("</html>"));
}

TEST_F(DocumentFileTest, UnopenablePathsReportTheFileAndReason) {
    DocumentReader missing(path("nope.html"));
    EXPECT_FALSE(missing.probe());
    EXPECT_TRUE(missing.errorMessage().contains(QLatin1String("nope.html")));
    EXPECT_TRUE(missing.errorMessage().contains(QLatin1String("does not exist")));

    DocumentReader folder(dir.path());
    EXPECT_FALSE(folder.probe());
    EXPECT_TRUE(folder.errorMessage().contains(QLatin1String("folder")));

    const WriteResult r = writeDocument(dir.path(), "x", TextEncoding::Utf8);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorMessage.contains(dir.path()));
}

TEST_F(DocumentFileTest, SaveThroughSymbolicLinkWritesTheTargetAndKeepsTheLink) {
    const QString target = path("target.html");
    const QString link = path("link.html");
    writeRaw(target, "old");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const auto permissions = QFile::permissions(target);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(writeDocument(link, "new", TextEncoding::Utf8).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readRaw(target), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(target), permissions);
    EXPECT_FALSE(QFile::permissions(target) & QFile::ReadOther);
}

TEST_F(DocumentFileTest, FailedWriteLeavesTheOldFileIntact) {
    // A file-size limit makes the write fail part-way, as a full disk would.
    const QString target = path("page.html");
    writeRaw(target, "precious old contents");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteResult r = writeDocument(target, std::string(64 * 1024, 'x'), TextEncoding::Utf8);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorMessage.contains(target));
    EXPECT_EQ(readRaw(target), QByteArray("precious old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.html")});
}

TEST_F(DocumentFileTest, ReadOnlyFolderIsReportedAndNothingChanges) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QString target = path("page.html");
    writeRaw(target, "old");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const WriteResult r = writeDocument(target, "new", TextEncoding::Utf8);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(readRaw(target), QByteArray("old"));
}
