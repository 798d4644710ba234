#include "anybutton/AnyButton.h"
#include "anybutton/properties/PropertyError.h"
#include "anybutton/properties/SimpleContainer.h"

#include <QTest>

#include <optional>

#include <gtest/gtest.h>

using namespace anybutton;

TEST(AnyButtonWidget, LoadsFromADesignAndShowsItsImageWithTheRoundedMask) {
    SimpleContainer container;
    container.displayName = QStringLiteral("Command2");
    QWidget window;
    AnyButton button(container, &window);
    button.resize(60, 24); // hidden: no resize event yet, the load step reads the size
    button.control().setSystemColors(gdi::SystemColors::pinned());

    button.control().ReadProperties(
        PropertyBag::fromText(QStringLiteral("caption = str \"&B\"\nbuttonstyle = i32 3\n")));
    EXPECT_EQ(button.objectName(), "Command2");
    EXPECT_EQ(button.Caption(), "&B");
    EXPECT_EQ(button.control().state().g_Width, 60);
    EXPECT_EQ(button.control().state().g_Height, 24);
    const QRegion mask = button.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(59, 22)));
    EXPECT_TRUE(mask.contains(QPoint(1, 1)));
    EXPECT_TRUE(mask.contains(QPoint(30, 12)));

    const QImage shot = button.grab().toImage();
    const QImage back = button.control().image();
    EXPECT_EQ(shot.pixel(30, 12), back.pixel(30, 12));
    EXPECT_EQ(back.pixel(1, 1), qRgb(113, 111, 100));
    EXPECT_EQ(shot.pixel(1, 1), back.pixel(1, 1));

    window.show();
    button.resize(80, 30);
    EXPECT_EQ(button.control().state().g_Width, 80);
    EXPECT_TRUE(button.mask().contains(QPoint(77, 0)));
    EXPECT_FALSE(button.mask().contains(QPoint(78, 0)));
}

TEST(AnyButtonWidget, EnabledPropertyAndWidgetAgree) {
    SimpleContainer container;
    AnyButton button(container);
    button.resize(40, 20);
    button.control().InitProperties();
    button.control().Resize();
    container.notifications.clear();
    button.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(container.notifications, QStringList{QStringLiteral("Enabled")});
    static_cast<QWidget&>(button).setEnabled(true);
    EXPECT_TRUE(button.control().Enabled());
    EXPECT_EQ(container.notifications.size(), 2);
}

TEST(AnyButtonWidget, ADisabledParentDisablesTheButtonInEffectButNeverItsEnabledProperty) {
    SimpleContainer site;
    QWidget window;
    window.resize(200, 100);
    QWidget panel(&window);
    panel.resize(200, 100);
    const PropertyBag design = PropertyBag::fromText(QStringLiteral("caption = str \"Go\"\n"));
    AnyButton* button = AnyButton::load(site, design, &panel);
    AnyButton* ownDisabled = AnyButton::load(site, design, &window);
    for (AnyButton* b : {button, ownDisabled}) {
        b->resize(60, 24);
        b->control().setSystemColors(gdi::SystemColors::pinned());
    }
    ownDisabled->setEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button->clearFocus(); // the focus does not come back on re-enabling
    const QImage enabledLook = button->control().image();
    site.notifications.clear();

    panel.setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(button->control().Enabled());
    EXPECT_EQ(button->control().image(), ownDisabled->control().image());
    PropertyBag saved;
    button->control().WriteProperties(saved);
    EXPECT_FALSE(saved.contains(QStringLiteral("Enabled")));

    panel.setEnabled(true);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->control().image(), enabledLook);
    EXPECT_TRUE(site.notifications.isEmpty());

    // The property set while the parent is disabled outlasts the parent's re-enabling.
    panel.setEnabled(false);
    button->setEnabled(false);
    panel.setEnabled(true);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(button->control().Enabled());
    EXPECT_EQ(site.notifications, QStringList{QStringLiteral("Enabled")});

    // A button created inside a disabled window paints disabled at once.
    window.setEnabled(false);
    AnyButton* late = AnyButton::load(site, design, &window);
    late->control().setSystemColors(gdi::SystemColors::pinned());
    late->resize(60, 24);
    late->show();
    EXPECT_TRUE(late->control().Enabled());
    EXPECT_EQ(late->control().image(), ownDisabled->control().image());
}

TEST(AnyButtonWidget, HandCursorForDefCurHand) {
    SimpleContainer container;
    AnyButton button(container);
    button.control().InitProperties();
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
    button.control().setDefCurHand(true);
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
    button.control().setDefCurHand(false);
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
}

// A saved design's pointer code shows its stock pointer; 0, custom without an
// icon and codes outside the list keep the default one.
TEST(AnyButtonWidget, MousePointerCodesShowTheirStockPointers) {
    const std::pair<int, std::optional<Qt::CursorShape>> cases[] = {
        {0, std::nullopt},         {1, Qt::ArrowCursor},    {2, Qt::CrossCursor},
        {3, Qt::IBeamCursor},      {4, Qt::ArrowCursor},    {5, Qt::SizeAllCursor},
        {6, Qt::SizeBDiagCursor},  {7, Qt::SizeVerCursor},  {8, Qt::SizeFDiagCursor},
        {9, Qt::SizeHorCursor},    {10, Qt::UpArrowCursor}, {11, Qt::WaitCursor},
        {12, Qt::ForbiddenCursor}, {13, Qt::BusyCursor},    {14, Qt::WhatsThisCursor},
        {15, Qt::SizeAllCursor},   {16, std::nullopt},      {99, std::nullopt},
        {-1, std::nullopt},        {100, std::nullopt},
    };
    SimpleContainer site;
    for (const auto& [code, shape] : cases) {
        SCOPED_TRACE(code);
        AnyButton button(site);
        button.control().ReadProperties(
            PropertyBag::fromText(QStringLiteral("mousepointer = i16 %1\n").arg(code)));
        EXPECT_EQ(button.testAttribute(Qt::WA_SetCursor), shape.has_value());
        EXPECT_EQ(button.cursor().shape(), shape.value_or(Qt::ArrowCursor));
    }
}

TEST(AnyButtonWidget, LeavingTheRoundedStyleClearsTheMask) {
    SimpleContainer container;
    AnyButton button(container);
    button.resize(40, 20);
    button.control().ReadProperties(PropertyBag::fromText(QStringLiteral("buttonstyle = i32 3\n")));
    EXPECT_FALSE(button.mask().isEmpty());
    button.control().setButtonStyle(ButtonStyleStandard);
    EXPECT_TRUE(button.mask().isEmpty());
}

TEST(AnyButtonWidget, LoadFactoryLeavesNothingBehindOnABadDesign) {
    SimpleContainer site;
    QWidget window;
    AnyButton* b = AnyButton::load(site, PropertyBag::fromText("caption = str \"Go\"\n"), &window);
    EXPECT_EQ(b->parent(), &window);
    EXPECT_EQ(b->Caption(), "Go");
    EXPECT_THROW(AnyButton::load(site, PropertyBag::fromText("bevel = str \"x\"\n"), &window),
                 PropertyError);
    EXPECT_EQ(window.findChildren<AnyButton*>().size(), 1);
}

// On a screen of scale 2 the image drawn at 1x is enlarged by whole pixels:
// crisp blocks, no blending between neighbours.
TEST(AnyButtonWidget, AtScaleTwoEveryPixelBecomesATwoByTwoBlock) {
    SimpleContainer container;
    AnyButton button(container);
    button.resize(49, 25);
    button.control().setSystemColors(gdi::SystemColors::pinned());
    button.control().ReadProperties(
        PropertyBag::fromText(QStringLiteral("caption = str \"&B\"\nbuttonstyle = i32 2\n")));
    const QImage one = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage two(98, 50, QImage::Format_RGB32);
    two.setDevicePixelRatio(2);
    two.fill(Qt::magenta);
    button.render(&two);
    for (int y = 0; y < two.height(); ++y) {
        for (int x = 0; x < two.width(); ++x)
            ASSERT_EQ(two.pixel(x, y), one.pixel(x / 2, y / 2)) << x << "," << y;
    }
}
