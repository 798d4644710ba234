#include "platform/webview/WebEngineBrowser.h"
#include "support/Files.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
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
