#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentWriter.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace editor;

namespace {

QByteArray bytesOf(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
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
        {"utf-16le", std::string("\xFF\xFE<\0p\0>\0\xE9\0\r\0\n\0", 14), TextEncoding::Utf16Le,
         LineEnd::CrLf},
        {"utf-16be, a pair", std::string("\xFE\xFF\0<\xD8\x3D\xDE\0\0\n", 10),
         TextEncoding::Utf16Be, LineEnd::Lf},
        {"utf-32le", std::string("\xFF\xFE\0\0a\0\0\0\r\0\0\0", 12), TextEncoding::Utf32Le,
         LineEnd::Cr},
        {"utf-32be", std::string("\0\0\xFE\xFF\0\0\0a", 8), TextEncoding::Utf32Be, LineEnd::CrLf},
        {"utf-16, lone surrogate",
         std::string("\xFF\xFE\0\xD8"
                     "a\0",
                     6),
         TextEncoding::Windows1252, LineEnd::CrLf},
        {"utf-16, odd length",
         "\xFF\xFE"
         "a",
         TextEncoding::Windows1252, LineEnd::CrLf},
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

TEST_F(DocumentFileTest, Windows1252AndWideTextReachTheEditorAsUtf8) {
    writeRaw(path("a.html"), QByteArray("\x80 caf\xE9"));
    EXPECT_EQ(load(path("a.html")).text, "\xE2\x82\xAC caf\xC3\xA9");
    writeRaw(path("w.html"), QByteArray("\xFF\xFE<\0p\0>\0\xE9\0\x3D\xD8\x00\xDE", 14));
    EXPECT_EQ(load(path("w.html")).text, "<p>\xC3\xA9\xF0\x9F\x98\x80");
}

TEST_F(DocumentFileTest, AFileLargerThanTheEditorCanCountIsRefusedFromItsSize) {
    // Sparse: six gigabytes of nothing, refused before a byte is read.
    const QString sparse = path("sparse.html");
    {
        QFile f(sparse);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(6LL << 30));
    }
    DocumentReader reader(sparse, [] { return std::uint64_t{1} << 40; });
    EXPECT_FALSE(reader.probe());
    EXPECT_TRUE(reader.errorMessage().contains(QStringLiteral("6144 MB")));
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

TEST_F(DocumentFileTest, ALineLongerThanTheEditorCanLayOutIsRefusedWithItsReason) {
    const QByteArray longest(static_cast<qsizetype>(DocumentReader::kLongestLine), 'x');
    writeRaw(path("fits.html"), "ab\r\n" + longest + "\r\ncd");
    DocumentReader fits(path("fits.html"));
    ASSERT_TRUE(fits.probe());
    EXPECT_EQ(fits.fileSize(), longest.size() + 8);
    size_t received = 0;
    EXPECT_TRUE(fits.read([&](std::string_view piece) { received += piece.size(); }));
    EXPECT_EQ(fits.longestLine(), DocumentReader::kLongestLine);
    EXPECT_EQ(received, longest.size() + 8u);

    writeRaw(path("over.html"), "ab\n" + longest + "y");
    DocumentReader over(path("over.html"));
    ASSERT_TRUE(over.probe());
    EXPECT_FALSE(over.read([](std::string_view) {}));
    EXPECT_TRUE(over.errorMessage().contains(QLatin1String("over.html")));
    EXPECT_TRUE(over.errorMessage().contains(QLatin1String("longer than 16 MB")));
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
    const WriteResult r = underFileSizeLimit(4096, [&] {
        return writeDocument(target, std::string(64 * 1024, 'x'), TextEncoding::Utf8);
    });

    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorMessage.contains(target));
    EXPECT_EQ(readRaw(target), QByteArray("precious old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.html")});
}

TEST_F(DocumentFileTest, ReadOnlyFileInAReadOnlyFolderIsReportedAndNothingChanges) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only files and folders";
    const QString target = path("page.html");
    writeRaw(target, "old");
    QFile::setPermissions(target, QFile::ReadOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const WriteResult r = writeDocument(target, "new", TextEncoding::Utf8);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(readRaw(target), QByteArray("old"));
}

TEST_F(DocumentFileTest, AFileRewrittenBetweenTheTwoPassesIsReportedNotShown) {
    struct Case {
        const char* name;
        QByteArray before;
        QByteArray after;
    };
    const std::vector<Case> cases = {
        {"byte-order mark gone", "\xEF\xBB\xBFold text", "ABCD"},
        {"now shorter than the mark", "\xEF\xBB\xBFold", "AB"},
        {"same size, other bytes", "first", "secnd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString p = path("changing.html");
        writeRaw(p, c.before);
        DocumentReader reader(p);
        ASSERT_TRUE(reader.probe());
        {
            // Rewritten in place, as another program saving it would.
            QFile f(p);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Truncate));
            f.write(c.after);
        }
        std::string text;
        EXPECT_FALSE(reader.read([&](std::string_view piece) { text.append(piece); }));
        EXPECT_TRUE(reader.errorMessage().contains(QStringLiteral("changed while")));
    }
}

TEST_F(DocumentFileTest, SavingKeepsTheFilesIdentityAndNeverReplacesAPipe) {
    const QString fifo = path("pipe.html");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const WriteResult refused = writeDocument(fifo, "text", TextEncoding::Utf8);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.errorMessage.contains(QStringLiteral("not a regular file")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A second hard link sees the new text too.
    const QString page = path("page.html");
    const QString link = path("link.html");
    writeRaw(page, "old");
    ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(link).constData()), 0);
    ASSERT_TRUE(writeDocument(page, "new", TextEncoding::Utf8).ok);
    EXPECT_EQ(readRaw(link), QByteArray("new"));

    // Another user's file in a shared folder stays theirs (only root can make one).
    if (::geteuid() == 0) {
        const QString shared = path("shared.html");
        writeRaw(shared, "old");
        ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 12345, 23456), 0);
        ASSERT_TRUE(writeDocument(shared, "new", TextEncoding::Utf8).ok);
        ASSERT_EQ(::stat(QFile::encodeName(shared).constData(), &st), 0);
        EXPECT_EQ(st.st_uid, 12345u);
        EXPECT_EQ(st.st_gid, 23456u);
        EXPECT_EQ(readRaw(shared), QByteArray("new"));
    }

    // A writable file in a folder that takes no new files is still saved.
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    const QString inLocked = path("locked/page.html");
    writeRaw(inLocked, "old");
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const WriteResult saved = writeDocument(inLocked, "new", TextEncoding::Utf8);
    QFile::setPermissions(path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(saved.ok) << saved.errorMessage.toStdString();
    EXPECT_EQ(readRaw(inLocked), QByteArray("new"));
}

TEST_F(DocumentFileTest, AFileTooLargeForTheMemoryLeftIsRefusedBeforeItIsLoaded) {
    constexpr std::uint64_t kMiB = 1 << 20;
    struct Case {
        const char* name;
        QByteArray content;
        bool opens;
    };
    // 36 MiB left: enough to edit 1 MiB of text, not the 3 MiB that 1 MiB of
    // Windows-1252 letters become, nor 8 MiB.
    const std::vector<Case> cases = {
        {"1 MiB of ASCII", QByteArray(kMiB, 'a'), true},
        {"1 MiB of Windows-1252 letters", QByteArray(kMiB, '\xE9'), false},
        {"8 MiB of ASCII", QByteArray(8 * kMiB, 'a'), false},
    };
    // The text and its style bytes fit, but not the second copy the first
    // key makes when it grows the text.
    writeRaw(path("edited.html"), QByteArray(2 * kMiB, 'a'));
    DocumentReader edited(path("edited.html"), [] { return 37 * kMiB; });
    EXPECT_FALSE(edited.probe());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeRaw(path("big.html"), c.content);
        DocumentReader reader(path("big.html"), [] { return 36 * kMiB; });
        EXPECT_EQ(reader.probe(), c.opens);
        if (!c.opens) {
            EXPECT_TRUE(reader.errorMessage().contains(QStringLiteral("MB of memory")));
            EXPECT_TRUE(reader.errorMessage().contains(QStringLiteral("36 MB free")));
        }
    }
}
