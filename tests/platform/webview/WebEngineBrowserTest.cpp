#include "platform/webview/WebEngineBrowser.h"
#include "support/Files.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include <memory>

#include <signal.h>

#include <gtest/gtest.h>

TEST(WebEngineBrowser, ShowsAWrittenPage) {
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("tempfile.html"));
    writeRaw(page, "<html><head><title>Heading page</title></head>"
                   "<body><h1 style='color:red'>Hi</h1></body></html>");
    QWidget host;
    host.resize(400, 300);
    platform::WebEngineBrowser browser(host);
    host.show();
    QSignalSpy loaded(browser.view(), &QWebEngineView::loadFinished);
    browser.navigate(QUrl::fromLocalFile(page));
    ASSERT_TRUE(loaded.wait(60000));
    EXPECT_TRUE(loaded.first().first().toBool());
    EXPECT_EQ(browser.view()->title(), QStringLiteral("Heading page"));
    EXPECT_EQ(browser.view()->url().toLocalFile(), page);
    // The heading's red shows: the engine's frames reach the view.
    const auto showsRed = [&] {
        const QImage shot = browser.view()->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) == QColor(Qt::red))
                    return true;
        return false;
    };
    for (int i = 0; i < 600 && !showsRed(); ++i)
        QTest::qWait(50); // the engine's process sends its frame
    EXPECT_TRUE(showsRed());
}

namespace {

// A long page with its element to find far down, and a link to the web.
class PreviewPlaceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QWidget host;
    std::unique_ptr<platform::WebEngineBrowser> browser;
    QString page;

    void SetUp() override {
        page = dir.filePath(QStringLiteral("long.html"));
        QByteArray html = "<html><body><a id=web href='https://example.com/'>web</a>"
                          "<a id=local href='other.html'>local</a>";
        for (int i = 0; i < 300; ++i)
            html += "<p>paragraph " + QByteArray::number(i) + "</p>";
        html += "<div><p>first</p><p id=target>the element</p></div></body></html>";
        writeRaw(page, html);
        writeRaw(dir.filePath(QStringLiteral("other.html")), "<p>other page</p>");
        host.resize(400, 300);
        browser = std::make_unique<platform::WebEngineBrowser>(host);
        host.show();
    }
    QVariant run(const QString& script) {
        QVariant result;
        bool done = false;
        browser->view()->page()->runJavaScript(script, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        for (int i = 0; i < 400 && !done; ++i)
            QTest::qWait(10); // the engine's process answers
        return result;
    }
    void load() {
        QSignalSpy loaded(browser->view(), &QWebEngineView::loadFinished);
        browser->navigate(QUrl::fromLocalFile(page));
        ASSERT_TRUE(loaded.wait(60000));
    }
    // Where the element stands in the view, once the page has settled.
    int targetTop() {
        for (int i = 0; i < 100; ++i) {
            const int top =
                run(QStringLiteral("document.getElementById('target').getBoundingClientRect().top"))
                    .toInt();
            if (top >= 0 && top < 300)
                return top;
            QTest::qWait(20);
        }
        return run(QStringLiteral("document.getElementById('target').getBoundingClientRect().top"))
            .toInt();
    }
};

const platform::ElementPath kTarget = {{QStringLiteral("div"), 0}, {QStringLiteral("p"), 1}};

} // namespace

TEST_F(PreviewPlaceTest, TheElementAtTheCaretIsBroughtIntoViewAndTheNearestWhenThePageDiffers) {
    load();
    browser->showElement(kTarget);
    const int top = targetTop();
    EXPECT_GE(top, 0);
    EXPECT_LT(top, 300);
    // A path past what the file holds: its nearest element that exists (the div).
    browser->showElement({{QStringLiteral("div"), 0}, {QStringLiteral("p"), 7}});
    QTest::qWait(200);
    const int divTop =
        run(QStringLiteral("document.querySelector('div').getBoundingClientRect().top")).toInt();
    EXPECT_GT(divTop, -400);
    EXPECT_LT(divTop, 300);
}

TEST_F(PreviewPlaceTest, ReloadingKeepsTheScrollWhileTheCaretStaysAtTheSameElement) {
    load();
    browser->showElement(kTarget);
    targetTop();
    run(QStringLiteral("window.scrollTo(0, 1500)")); // the user scrolls
    QTest::qWait(200);
    load(); // back and forth between the tabs
    browser->showElement(kTarget);
    int y = 0;
    for (int i = 0; i < 100 && (y = run(QStringLiteral("window.scrollY")).toInt()) != 1500; ++i)
        QTest::qWait(20);
    EXPECT_EQ(y, 1500);
}

TEST_F(PreviewPlaceTest, LinksToTheWebOpenTheUsersBrowserAndLocalLinksStayInThePreview) {
    QList<QUrl> opened;
    browser->setWebLinkHandler([&](const QUrl& url) { opened << url; });
    load();
    run(QStringLiteral("document.getElementById('web').click()"));
    for (int i = 0; i < 100 && opened.isEmpty(); ++i)
        QTest::qWait(20);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.com/")));
    EXPECT_EQ(browser->view()->url().toLocalFile(), page);

    QSignalSpy loaded(browser->view(), &QWebEngineView::loadFinished);
    run(QStringLiteral("document.getElementById('local').click()"));
    ASSERT_TRUE(loaded.wait(60000));
    EXPECT_EQ(browser->view()->url().toLocalFile(), dir.filePath(QStringLiteral("other.html")));
}

TEST_F(PreviewPlaceTest, AViewWhosePageDiedIsMadeAfreshAtTheNextPageAndSaysSo) {
    load();
    QSignalSpy died(browser->view()->page(), &QWebEnginePage::renderProcessTerminated);
    const qint64 renderer = browser->view()->page()->renderProcessPid();
    ASSERT_GT(renderer, 0);
    ::kill(static_cast<pid_t>(renderer), SIGKILL);
    ASSERT_TRUE(died.wait(30000));
    browser->navigate(QUrl::fromLocalFile(page)); // the next page: a fresh view
    EXPECT_TRUE(host.findChild<QLabel*>(QStringLiteral("WBNote"))->isVisible());
    QSignalSpy loaded(browser->view(), &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.wait(60000));
    EXPECT_EQ(browser->view()->url().toLocalFile(), page);
    EXPECT_EQ(run(QStringLiteral("document.querySelectorAll('p').length")).toInt(), 302);
}
