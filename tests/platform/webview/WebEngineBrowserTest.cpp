#include "platform/webview/WebEngineBrowser.h"
#include "support/Files.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QWidget>

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
}
