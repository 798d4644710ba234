#include "anybutton/TestSupport.h"

#include "anybutton/properties/PropertyError.h"

#include <gtest/gtest.h>

using namespace anybutton;
using namespace anybutton::test;
using V = PropertyValue;

namespace {

struct NewInstance {
    SimpleContainer container;
    RecordingSurface surface;
    AnyButtonControl button{container, &surface};
    NewInstance() {
        container.displayName = QStringLiteral("Command7");
        container.font.name = QStringLiteral("Tahoma");
        button.InitProperties();
    }
};

} // namespace

TEST(AnyButtonProperties, NewInstanceStartsWithItsDefaultsAndNoCursor) {
    NewInstance n;
    const ButtonState& s = n.button.state();
    EXPECT_EQ(s.g_Caption, "Command7");
    EXPECT_EQ(s.g_ButtonStyle, 2);
    EXPECT_EQ(s.g_PicturePosition, 1);
    EXPECT_EQ(s.g_PictureWidth, 32);
    EXPECT_EQ(s.g_PictureHeight, 32);
    EXPECT_EQ(s.g_PictureSize, 1);
    EXPECT_TRUE(s.g_Picture.isEmpty());
    EXPECT_TRUE(s.g_PictureHover.isEmpty());
    EXPECT_TRUE(s.g_CurrentPicture.isNull());
    EXPECT_EQ(s.g_OriginalPicSizeW, 0);
    EXPECT_EQ(s.g_SoundOver, ".\\resources\\over.wav");
    EXPECT_EQ(s.g_SoundClick, ".\\resources\\click.wav");
    EXPECT_TRUE(s.g_DefCurHand);
    EXPECT_EQ(n.button.MousePointer(), 0);
    EXPECT_TRUE(n.button.MouseIcon().isNull());
    EXPECT_EQ(s.g_Font.attributes().name, "Tahoma");
    EXPECT_EQ(s.surfaceFont.name, "Tahoma");
    EXPECT_EQ(s.g_BackColor, static_cast<OleColor>(0x8000000F));
    EXPECT_EQ(s.g_XPColor_Hover, static_cast<OleColor>(0x80000016));
    EXPECT_EQ(s.g_Bevel, 1);
    EXPECT_EQ(s.g_BevelDepth, 8);
    // Nothing repaints and nothing notifies.
    EXPECT_EQ(n.surface.images, 0);
    EXPECT_TRUE(n.container.notifications.isEmpty());
    EXPECT_EQ(n.button.version(), "030102-155");
    n.button.setVersion(QStringLiteral("x"));
    EXPECT_EQ(n.button.version(), "030102-155");
}

TEST(AnyButtonProperties, SavingAnUnchangedNewInstanceWritesOnlyTheDifferingKeys) {
    NewInstance n;
    PropertyBag bag;
    n.button.WriteProperties(bag);
    // The natural size is 0 against a default of 32; the three booleans with the
    // integer default 1 differ from true (-1); the empty hover picture is not null.
    EXPECT_EQ(bag.keys(),
              (std::vector<QString>{"OriginalPicSizeW", "OriginalPicSizeH", "PictureHover",
                                    "ShowFocusRect", "XPDefaultColors", "DefCurHand"}));
    EXPECT_EQ(bag.value(QStringLiteral("originalpicsizew"))->toInt32(), 0);
    EXPECT_FALSE(bag.contains(QStringLiteral("Picture")));
    EXPECT_FALSE(bag.contains(QStringLiteral("Caption")));
}

TEST(AnyButtonProperties, SaveThenLoadRoundTrips) {
    NewInstance n;
    n.button.setCaption(QStringLiteral("&Save"));
    n.button.setButtonStyle(ButtonStyleRounded);
    n.button.setBEVEL(3);
    n.button.setBEVELDEPTH(5);
    n.button.setBackColor(0x00336699);
    n.button.setURL(QStringLiteral("mailto:a@b"));
    n.button.setXPDefaultColors(false);
    n.button.setMousePointer(2);
    n.button.setEnabled(false);
    n.button.setSoundOver(QVariant(12));
    PropertyBag bag;
    n.button.WriteProperties(bag);
    const PropertyBag reread = PropertyBag::fromText(bag.toText());

    SimpleContainer c2;
    c2.displayName = QStringLiteral("Command7");
    c2.font.name = QStringLiteral("Tahoma");
    AnyButtonControl b2(c2);
    b2.ReadProperties(reread);
    EXPECT_EQ(b2.Caption(), "&Save");
    EXPECT_EQ(b2.state().surfaceAccessKey, QChar('s'));
    EXPECT_EQ(b2.ButtonStyle(), 3);
    EXPECT_EQ(b2.BEVEL(), 3);
    EXPECT_EQ(b2.BEVELDEPTH(), 5);
    EXPECT_EQ(b2.BackColor(), 0x00336699);
    EXPECT_EQ(b2.state().surfaceBackColor, 0x00336699);
    EXPECT_EQ(b2.URL(), "mailto:a@b");
    EXPECT_FALSE(b2.XPDefaultColors());
    EXPECT_EQ(b2.MousePointer(), 2);
    EXPECT_FALSE(b2.Enabled());
    EXPECT_EQ(b2.SoundOver().toString(), "12");
    EXPECT_EQ(b2.state().g_Font.attributes().name, "Tahoma");
    EXPECT_TRUE(b2.ShowFocusRect());
    EXPECT_TRUE(b2.DefCurHand());
    EXPECT_EQ(b2.state().g_OriginalPicSizeW, 0);

    PropertyBag again;
    b2.WriteProperties(again);
    EXPECT_EQ(again.toText(), bag.toText());
}

TEST(AnyButtonProperties, LoadReadsLowerCaseKeysAndGrowsToTheMinimumSize) {
    SimpleContainer c;
    RecordingSurface surface;
    AnyButtonControl b(c, &surface);
    surface.width = 4;
    surface.height = 30;
    b.ReadProperties(PropertyBag::fromText(QStringLiteral("buttonstyle = i32 0\nbevel = i16 2\n")));
    EXPECT_EQ(b.ButtonStyle(), 0);
    EXPECT_EQ(b.BEVEL(), 2);
    EXPECT_EQ(surface.sizes, QStringList{QStringLiteral("10x30")});
    EXPECT_EQ(b.state().g_Width, 10);
    EXPECT_EQ(b.state().g_FocusRect, (gdi::Rect{4, 4, 6, 26}));
    EXPECT_EQ(b.backImage().width(), 10);
    EXPECT_EQ(c.notifications, QStringList{QStringLiteral("MouseIcon")});
}

TEST(AnyButtonProperties, AConversionErrorStopsTheLoadAtItsKey) {
    SimpleContainer c;
    RecordingSurface surface;
    AnyButtonControl b(c, &surface);
    surface.width = 50;
    surface.height = 20;
    const PropertyBag bag = PropertyBag::fromText(QStringLiteral(
        "caption = str \"Go\"\nbuttonstyle = str \"round\"\npicturewidth = i32 20\n"));
    try {
        b.ReadProperties(bag);
        FAIL() << "no error";
    } catch (const PropertyError& e) {
        EXPECT_EQ(e.code(), PropertyError::Code::TypeMismatch);
        EXPECT_EQ(e.key(), "ButtonStyle");
    }
    EXPECT_EQ(b.Caption(), "Go");           // read before the bad key
    EXPECT_EQ(b.state().g_PictureWidth, 0); // never reached
    EXPECT_EQ(surface.images, 0);           // no resize, no repaint

    AnyButtonControl b2(c);
    EXPECT_THROW(b2.ReadProperties(PropertyBag::fromText(QStringLiteral("bevel = i32 70000\n"))),
                 PropertyError);
    EXPECT_EQ(b2.state().g_MaskColor, 0);
}

TEST(AnyButtonProperties, NotificationOrderAndRepaints) {
    struct Case {
        const char* name;
        std::function<void(AnyButtonControl&)> set;
        QStringList notifications;
        int repaints;
    };
    const QStringList none;
    const std::vector<Case> cases = {
        {"ButtonStyle 3 on a transparent button",
         [](AnyButtonControl& b) {
             b.state().g_TransparentBG = true;
             b.setButtonStyle(3);
         },
         {"ButtonStyle", "TransparentBG"},
         2},
        {"ButtonStyle 1", [](AnyButtonControl& b) { b.setButtonStyle(1); }, {"ButtonStyle"}, 1},
        {"ButtonStyle 3 on an opaque button",
         [](AnyButtonControl& b) { b.setButtonStyle(3); },
         {"ButtonStyle", "TransparentBG"},
         2},
        {"Caption", [](AnyButtonControl& b) { b.setCaption("x"); }, {"Caption"}, 1},
        {"Picture", [](AnyButtonControl& b) { b.setPicture(PictureRef()); }, {"Picture"}, 1},
        {"Enabled twice",
         [](AnyButtonControl& b) {
             b.setEnabled(true);
             b.setEnabled(true);
         },
         {"Enabled", "Enabled"},
         2},
        {"PictureHover",
         [](AnyButtonControl& b) { b.setPictureHover(PictureRef::empty()); },
         {"PictureHover"},
         0},
        {"URL", [](AnyButtonControl& b) { b.setURL("u"); }, {"URL"}, 0},
        {"XP colours",
         [](AnyButtonControl& b) {
             b.setXPColor_Hover(1);
             b.setXPColor_Pressed(2);
             b.setXPDefaultColors(false);
             b.setXPShowBorderAlways(true);
         },
         {"XPColor_Hover", "XPColor_Pressed", "XPDefaultColors", "XPShowBorderAlways"},
         0},
        {"Sounds",
         [](AnyButtonControl& b) {
             b.setSoundOver(QVariant(1.5));
             b.setSoundClick("c");
         },
         {"SoundOver", "SoundClick"},
         0},
        {"BEVEL",
         [](AnyButtonControl& b) {
             b.setBEVEL(2);
             b.setBEVELDEPTH(4);
         },
         {"BEVEL", "BEVELDEPTH"},
         2},
        {"Colours",
         [](AnyButtonControl& b) {
             b.setBackColor(1);
             b.setForeColor(2);
             b.setMaskColor(3);
         },
         {"BackColor", "ForeColor", "MaskColor"},
         3},
        {"DefCurHand", [](AnyButtonControl& b) { b.setDefCurHand(true); }, {"DefCurHand"}, 0},
        {"Pointer",
         [](AnyButtonControl& b) {
             b.setMousePointer(3);
             b.setMouseIcon(PictureRef());
         },
         {"MousePointer", "MouseIcon"},
         0},
        {"Picture sizes",
         [](AnyButtonControl& b) {
             b.setPictureWidth(5);
             b.setPictureHeight(6);
             b.setPictureSize(0);
             b.setPicturePosition(2);
             b.setShowFocusRect(false);
         },
         {"PictureWidth", "PictureHeight", "PictureSize", "PicturePosition", "ShowFocusRect"},
         5},
        // One repaint per attribute that changes, then the notification.
        {"Font",
         [](AnyButtonControl& b) {
             FontDesc f = b.Font().attributes();
             f.bold = true;
             f.size = 12;
             b.setFont(f);
         },
         {"Font"},
         2},
        {"Font unchanged",
         [](AnyButtonControl& b) { b.setFont(b.Font().attributes()); },
         {"Font"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(ButtonStyleXP, 60, 20);
        f.container.notifications.clear();
        f.surface.images = 0;
        c.set(*f.button);
        EXPECT_EQ(f.container.notifications, c.notifications);
        EXPECT_EQ(f.surface.images, c.repaints);
    }
}

TEST(AnyButtonProperties, NotificationComesBeforeTheRepaint) {
    Fixture f(ButtonStyleXP, 60, 20);
    QStringList order;
    f.container.onPropertyChanged = [&](const QString& n) {
        order << n + QStringLiteral("@") + QString::number(f.surface.images);
    };
    f.surface.images = 0;
    f.button->setCaption(QStringLiteral("a"));
    f.button->setButtonStyle(3);
    EXPECT_EQ(order, (QStringList{"Caption@0", "ButtonStyle@1", "TransparentBG@1"}));
}

TEST(AnyButtonProperties, FontObjectRepaintsPerAttribute) {
    Fixture f(ButtonStyleXP, 60, 20);
    f.surface.images = 0;
    f.container.notifications.clear();
    f.button->Font().setItalic(true);
    f.button->Font().setItalic(true);
    f.button->Font().setName(QStringLiteral("Serif"));
    EXPECT_EQ(f.surface.images, 2);
    EXPECT_EQ(f.s().surfaceFont.name, "Serif");
    EXPECT_TRUE(f.s().surfaceFont.italic);
    EXPECT_TRUE(f.container.notifications.isEmpty()); // the object changed, not the property
}

TEST(AnyButtonProperties, PictureSetsTheNaturalSizeFromHimetric) {
    Fixture f(ButtonStyleXP, 60, 20);
    QImage img(10, 10, QImage::Format_RGB32);
    // 847 HIMETRIC is 32.01 pixels at 96 dpi, 39.35 at 118 dpi.
    f.button->setPicture(PictureRef::fromImage(img, PictureRef::Type::Bitmap, 847, 1270));
    EXPECT_EQ(f.s().g_OriginalPicSizeW, 32);
    EXPECT_EQ(f.s().g_OriginalPicSizeH, 48);
    EXPECT_EQ(f.s().g_PictureWidth, 32); // PictureSize 1 leaves the drawing size
    f.container.dpiX = 118;
    f.button->setPictureSize(PictureSizeNatural);
    EXPECT_EQ(f.s().g_PictureWidth, 32); // from the stored natural size
    f.button->setPicture(PictureRef::fromImage(img, PictureRef::Type::Bitmap, 847, 1270));
    EXPECT_EQ(f.s().g_OriginalPicSizeW, 39);
    EXPECT_EQ(f.s().g_PictureWidth, 39);
    EXPECT_EQ(f.s().g_PictureHeight, 48);
    f.button->setPicture(PictureRef::empty());
    EXPECT_EQ(f.s().g_OriginalPicSizeW, 0);
    EXPECT_EQ(f.s().g_PictureWidth, 0);
    f.button->setPicture(PictureRef());
    EXPECT_EQ(f.s().g_OriginalPicSizeW, 32);
    EXPECT_EQ(f.s().g_PictureHeight, 32);
    EXPECT_TRUE(f.button->Picture().isNull());
    EXPECT_EQ(PictureRef::himetricToPixels(3175, 96), 120);
    EXPECT_EQ(PictureRef::himetricToPixels(1905, 32), 24);   // 24.0
    EXPECT_EQ(PictureRef::himetricToPixels(127, 100), 5);    // 5.0
    EXPECT_EQ(PictureRef::himetricToPixels(127 * 5, 2), 0);  // 0.5 rounds to even
    EXPECT_EQ(PictureRef::himetricToPixels(127 * 15, 2), 2); // 1.5 rounds to even
}

TEST(AnyButtonProperties, PictureSizeRule) {
    struct Case {
        std::int32_t size;
        bool picture;
        std::int32_t w, h;
    };
    for (const Case& c : {Case{0, true, 16, 16}, Case{1, false, 32, 32}, Case{2, true, 40, 24},
                          Case{2, false, 32, 32}, Case{7, true, 5, 6}, Case{-1, false, 5, 6}}) {
        SCOPED_TRACE(c.size);
        Fixture f(ButtonStyleXP, 60, 20);
        f.s().g_OriginalPicSizeW = 40;
        f.s().g_OriginalPicSizeH = 24;
        f.s().g_PictureWidth = 5;
        f.s().g_PictureHeight = 6;
        f.s().g_CurrentPicture = c.picture ? PictureRef::empty() : PictureRef();
        f.button->setPictureSize(c.size);
        EXPECT_EQ(f.s().g_PictureWidth, c.w);
        EXPECT_EQ(f.s().g_PictureHeight, c.h);
        EXPECT_EQ(f.s().g_PictureSize, c.size);
    }
}

TEST(AnyButtonProperties, MousePointerAndCursor) {
    Fixture f(ButtonStyleXP, 60, 20);
    f.button->setMousePointer(-32768);
    EXPECT_EQ(f.button->MousePointer(), -32768);
    f.container.notifications.clear();
    EXPECT_THROW(f.button->setMousePointer(32768), PropertyError);
    EXPECT_THROW(f.button->setMousePointer(-40000), PropertyError);
    EXPECT_EQ(f.button->MousePointer(), -32768);
    EXPECT_TRUE(f.container.notifications.isEmpty());

    f.button->setDefCurHand(true);
    EXPECT_EQ(f.button->MousePointer(), 99);
    EXPECT_TRUE(f.button->MouseIcon().isHandCursor());
    f.button->setDefCurHand(false);
    EXPECT_EQ(f.button->MousePointer(), 99); // the pointer code stays
    EXPECT_TRUE(f.button->MouseIcon().isNull());
    EXPECT_EQ(f.button->hwnd(), 0x1234);
}
