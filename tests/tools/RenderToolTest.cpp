#include "ButtonRenderer.h"
#include "RenderOptions.h"
#include "support/Contrast.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace anybutton;
using namespace anybutton::render;

namespace {
RenderOptions parse(const QStringList& args) {
    const ParseResult r = parseRenderOptions(args);
    EXPECT_TRUE(r.options.has_value()) << r.error.toStdString();
    return r.options.value_or(RenderOptions{});
}
} // namespace

TEST(RenderTool, ParsesTypedSetValuesByKey) {
    const RenderOptions o = parse({"--set",    "buttonstyle=3",
                                   "--set",    "BackColor=0x8000000F",
                                   "--set",    "BEVEL=-2",
                                   "--set",    "XPDefaultColors=0",
                                   "--set",    "Caption=a=b",
                                   "--set",    "Font=Tahoma,9,bold",
                                   "--size",   "49x25",
                                   "--state",  "armed",
                                   "--focus",  "--syscolor",
                                   "15=1,2,3", "--position",
                                   "-5,7",     "-o",
                                   "x.png"});
    EXPECT_EQ(o.bag.value("ButtonStyle")->kind(), PropertyValue::Kind::Int32);
    EXPECT_EQ(o.bag.value("BackColor")->toInt32(), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(o.bag.value("BEVEL")->kind(), PropertyValue::Kind::Int16);
    EXPECT_EQ(o.bag.value("BEVEL")->toInt16(), -2);
    EXPECT_EQ(o.bag.value("XPDefaultColors")->kind(), PropertyValue::Kind::Bool);
    EXPECT_EQ(o.bag.value("Caption")->toString(), "a=b");
    EXPECT_TRUE(o.bag.value("Font")->toFont().bold);
    EXPECT_EQ(o.bag.value("Font")->toFont().size, 9);
    EXPECT_EQ(o.width, 49);
    EXPECT_EQ(o.height, 25);
    EXPECT_EQ(o.state, ButtonLook::Armed);
    EXPECT_EQ(o.focus, Focus::On);
    EXPECT_EQ(o.sysColors.at(15).b, 3);
    EXPECT_EQ(o.left, -5);
    EXPECT_EQ(o.top, 7);
}

TEST(RenderTool, RejectsBadArguments) {
    const QStringList bad[] = {
        {},
        {"--size", "10", "-o", "x.png"},
        {"--size", "0x5", "-o", "x.png"},
        {"--set", "Nope=1", "-o", "x.png"},
        {"--set", "BEVEL=40000", "-o", "x.png"},
        {"--set", "Enabled=1", "-o", "x.png"},
        {"--set", "ButtonStyle=three", "-o", "x.png"},
        {"--set", "Picture=1", "-o", "x.png"},
        {"--set", "=1", "-o", "x.png"},
        {"--state", "down", "-o", "x.png"},
        {"--state", "disabled", "-o", "x.png"},
        {"--syscolor", "15=1,2", "-o", "x.png"},
        {"--syscolor", "99=1,2,3", "-o", "x.png"},
        {"--position", "1", "-o", "x.png"},
        {"--frobnicate", "-o", "x.png"},
        {"-o"},
    };
    for (const QStringList& args : bad) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const ParseResult r = parseRenderOptions(args);
        EXPECT_FALSE(r.options.has_value());
        EXPECT_FALSE(r.error.isEmpty());
    }
}

TEST(RenderTool, HelpAsksOnlyForUsageAndSizesStopAtTheBitmapLimit) {
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"--size", "0", "--help"}}) {
        const ParseResult r = parseRenderOptions(args);
        EXPECT_EQ(r.request, Request::Help);
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    }
    EXPECT_TRUE(usageText().contains("--help"));

    // 8192 x 8192 is exactly 64 Mi pixels; one more row is over.
    EXPECT_EQ(parse({"--size", "8192x8192", "-o", "x.png"}).width, 8192);
    const ParseResult over = parseRenderOptions({"--size", "10000x10000", "-o", "x.png"});
    EXPECT_FALSE(over.options.has_value());
    EXPECT_TRUE(over.error.contains("67108864 pixels")) << over.error.toStdString();
    EXPECT_FALSE(parseRenderOptions({"--size", "8192x8193", "-o", "x.png"}).options);
}

TEST(RenderTool, RoundedButtonIsTransparentOutsideItsRegion) {
    RenderOptions o = parse({"--set", "ButtonStyle=3", "--size", "49x25", "-o", "x.png"});
    QString error;
    const auto out = renderButton(o, error);
    ASSERT_TRUE(out.has_value()) << error.toStdString();
    EXPECT_EQ(out->image.size(), QSize(49, 25));
    int transparent = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 49; ++x) {
            const int a = qAlpha(out->image.pixel(x, y));
            EXPECT_TRUE(a == 0 || a == 255);
            transparent += a == 0 ? 1 : 0;
        }
    EXPECT_EQ(transparent, 12);
    EXPECT_EQ(out->image.pixel(1, 1), qRgb(113, 111, 100));
    EXPECT_EQ(out->layout.first(), "focus 4 4 45 21");
}

TEST(RenderTool, StatesFlagsAndColoursReachThePainters) {
    struct Case {
        QStringList args;
        QRgb centre, corner;
    };
    const Case cases[] = {
        {{"--set", "ButtonStyle=2"}, qRgb(236, 233, 216), qRgb(236, 233, 216)},
        {{"--set", "ButtonStyle=2", "--state", "hover"}, qRgb(220, 255, 255), qRgb(0, 0, 0)},
        {{"--set", "ButtonStyle=2", "--state", "armed"}, qRgb(205, 245, 255), qRgb(205, 245, 255)},
        {{"--set", "ButtonStyle=2", "--state", "hover", "--design"},
         qRgb(220, 255, 255),
         qRgb(220, 255, 255)},
        {{"--set", "ButtonStyle=0", "--syscolor", "15=10,20,30"},
         qRgb(10, 20, 30),
         qRgb(255, 255, 255)},
        {{"--set", "ButtonStyle=0", "--state", "pressed"},
         qRgb(236, 233, 216),
         qRgb(172, 168, 153)},
        {{"--set", "ButtonStyle=1", "--default"}, qRgb(236, 233, 216), qRgb(255, 255, 255)},
        {{"--set", "ButtonStyle=1"}, qRgb(236, 233, 216), qRgb(236, 233, 216)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QString error;
        const auto out = renderButton(parse(c.args + QStringList{"-o", "x.png"}), error);
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(out->image.pixel(50, 20), c.centre);
        EXPECT_EQ(out->image.pixel(0, 0), c.corner);
    }
}

TEST(RenderTool, LoadErrorsAndMissingFilesAreReported) {
    QString error;
    RenderOptions o = parse({"--set", "Caption=x", "-o", "x.png"});
    o.bag.set("BEVEL", PropertyValue::string("deep"));
    EXPECT_FALSE(renderButton(o, error).has_value());
    EXPECT_TRUE(error.contains("BEVEL"));
    o = parse({"--picture", "/nonexistent/p.png", "-o", "x.png"});
    EXPECT_FALSE(renderButton(o, error).has_value());
    EXPECT_TRUE(error.contains("/nonexistent/p.png"));
}

TEST(RenderTool, PicturesLayoutAndContainerBackground) {
    QTemporaryDir dir;
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    QImage blue(32, 32, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    QImage bg(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            bg.setPixel(x, y, qRgb(x, y, 9));
    ASSERT_TRUE(red.save(dir.filePath("red.bmp")));
    ASSERT_TRUE(blue.save(dir.filePath("blue.ico")));
    ASSERT_TRUE(bg.save(dir.filePath("bg.bmp")));
    const QString pic = dir.filePath("red.bmp"), hover = dir.filePath("blue.ico");

    QString error;
    auto out = renderButton(
        parse({"--set", "Caption=", "--set", "ButtonStyle=0", "--picture", pic, "-o", "x.png"}),
        error);
    ASSERT_TRUE(out.has_value()) << error.toStdString();
    EXPECT_TRUE(out->layout.contains("picture 34 4 66 36"));
    EXPECT_TRUE(out->layout.contains("content 4 4 96 36"));
    EXPECT_TRUE(out->layout.contains("client 0 0 99 39"));
    EXPECT_EQ(out->image.pixel(34, 4), qRgb(255, 0, 0));

    out = renderButton(parse({"--set", "Caption=", "--set", "ButtonStyle=0", "--picture", pic,
                              "--hover-picture", hover, "--state", "hover", "-o", "x.png"}),
                       error);
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->image.pixel(50, 20), qRgb(0, 0, 255));

    out = renderButton(parse({"--set", "Caption=", "--set", "ButtonStyle=1", "--set",
                              "TransparentBG=-1", "--container-picture", dir.filePath("bg.bmp"),
                              "--position", "30,40", "--size", "60x30", "-o", "x.png"}),
                       error);
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->image.pixel(10, 5), qRgb(40, 45, 9));
}

// The contact sheet of a dark desktop: every style in every state keeps a
// light face, with its caption dark on it.
TEST(RenderTool, EveryStyleOnADarkDesktopHasALightFaceWithADarkCaption) {
    for (int style = 0; style < 5; ++style) {
        for (const char* state : {"normal", "hover", "pressed", "armed"}) {
            SCOPED_TRACE(QStringLiteral("style %1 %2").arg(style).arg(state).toStdString());
            QString error;
            const auto out = renderButton(
                parse({"--dark", "--set", QStringLiteral("ButtonStyle=%1").arg(style), "--set",
                       "Caption=OK", "--state", state, "--size", "100x40", "-o", "x.png"}),
                error);
            ASSERT_TRUE(out.has_value());
            const QColor face = out->image.pixelColor(20, 20);
            EXPECT_GE(face.lightness(), 170) << face.name().toStdString();
            double caption = 1;
            for (int y = 12; y < 28; ++y) {
                for (int x = 38; x < 62; ++x)
                    caption = std::max(caption, contrast(out->image.pixelColor(x, y), face));
            }
            EXPECT_GE(caption, 7.0);
        }
    }
}
