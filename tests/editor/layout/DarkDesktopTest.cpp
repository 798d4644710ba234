#include "support/DarkDesktop.h"
#include "anybutton/AnyButton.h"
#include "editor/elements/ElementButtons.h"
#include "support/Contrast.h"
#include "support/DocumentWindowTest.h"

#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

namespace {

class DarkDesktopTest : public DocumentWindowTest {
protected:
    // The strongest contrast any pixel of `area` (in `widget`) makes with
    // `ground`: the ink of the text drawn there.
    static double inkContrast(QWidget& widget, const QRect& area, const QColor& ground) {
        const QImage shot = widget.grab().toImage();
        double best = 1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(best, contrast(shot.pixelColor(x, y), ground));
        }
        return best;
    }
};

} // namespace

// The bar keeps its light grey design colour; its options and its close
// label take dark text on it, also when the desktop turns dark and back with
// the window open.
TEST_F(DarkDesktopTest, TheBottomBarStaysGreyAndItsLabelsReadOnItInEitherTheme) {
    auto* bar = window->findChild<QWidget*>(QStringLiteral("picBottomBar"));
    ASSERT_NE(bar, nullptr);
    const QColor grey(224, 224, 224);
    const auto check = [&](const char* theme) {
        const QImage shot = bar->grab().toImage();
        EXPECT_EQ(shot.pixelColor(bar->width() - 3, bar->height() - 3), grey) << theme;
        for (QRadioButton* option : bar->findChildren<QRadioButton*>()) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            const QRect label =
                option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
            EXPECT_GE(inkContrast(*option, label, grey), 7.0)
                << theme << " " << option->text().toStdString();
        }
        for (QLabel* label : bar->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) { // the file display shows no text
                EXPECT_GE(inkContrast(*label, label->rect(), grey), 7.0) << theme;
            }
        }
    };
    {
        const DarkDesktop dark;
        check("dark");
    }
    check("light again");
}

// The owner-drawn buttons keep a light face with dark text on a dark desktop
// (a dark face through the painters' light arithmetic turned khaki).
TEST_F(DarkDesktopTest, TheToolsButtonsKeepALightFaceWithDarkTextOnADarkDesktop) {
    anybutton::AnyButton& table = *window->elements().Command2()[10];
    const DarkDesktop dark;
    const QImage shot = table.grab().toImage();
    const QColor face = shot.pixelColor(4, table.height() / 2);
    EXPECT_GE(face.lightness(), 170) << face.name().toStdString();
    EXPECT_LE(face.hslSaturation(), 40) << face.name().toStdString();
    EXPECT_GE(inkContrast(table, table.rect().adjusted(4, 4, -4, -4), face), 7.0);
}
