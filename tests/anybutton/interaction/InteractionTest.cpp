#include "anybutton/TestSupport.h"

#include "anybutton/interaction/ButtonInteraction.h"

#include <gtest/gtest.h>

using namespace anybutton;
using namespace anybutton::test;

namespace {

const QString kOver = QStringLiteral(".\\resources\\over.wav");
const QString kClick = QStringLiteral(".\\resources\\click.wav");

// Everything the button does, in one log: events, repaints (with the look the
// flags give), the timer, sounds, addresses.
struct Recorder : ButtonEvents, InteractionHost, SoundPlayer, UrlOpener, ButtonSurface {
    QStringList log;
    const ButtonState* state = nullptr;
    bool pointerOver = true;
    bool timerOn = false;

    void add(const QString& s) { log << s; }
    static QString n(float v) { return QString::number(static_cast<double>(v)); }

    // ButtonEvents
    void Click() override { add("Click"); }
    void KeyDown(std::int16_t k, std::int16_t s) override {
        add(QString("KeyDown %1 %2").arg(k).arg(s));
    }
    void KeyPress(std::int16_t c) override { add(QString("KeyPress %1").arg(c)); }
    void KeyUp(std::int16_t k, std::int16_t s) override {
        add(QString("KeyUp %1 %2").arg(k).arg(s));
    }
    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        add(QString("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(n(x), n(y)));
    }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
        add(QString("MouseMove %1 %2 %3 %4").arg(b).arg(s).arg(n(x), n(y)));
    }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
        add(QString("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(n(x), n(y)));
    }
    void MouseIn(std::int16_t s) override { add(QString("MouseIn %1").arg(s)); }
    void MouseOut(std::int16_t s) override { add(QString("MouseOut %1").arg(s)); }

    // InteractionHost
    void startOverTimer() override {
        timerOn = true;
        add("timer on");
    }
    void stopOverTimer() override {
        timerOn = false;
        add("timer off");
    }
    bool pointerOverOwnWindow() const override { return pointerOver; }
    void processPendingMessages() override { add("pump"); }
    void capturePointer() override { add("capture"); }
    SoundPlayer& sounds() override { return *this; }
    UrlOpener& urls() override { return *this; }

    // SoundPlayer, UrlOpener
    void play(const QString& path) override { add("sound " + path); }
    void openWithShell(const QString& a) override { add("shell " + a); }
    void navigate(const QString& t) override { add("navigate " + t); }

    // ButtonSurface: a repaint is logged with the look it shows.
    double clientWidth() const override { return 100; }
    double clientHeight() const override { return 40; }
    void resizeSurface(int, int) override {}
    void enabledChanged(bool) override {}
    void cursorChanged(std::int16_t, const PictureRef&) override {}
    void regionChanged(const std::optional<gdi::Region>&) override {}
    void accessKeyChanged(QChar) override {}
    std::int32_t windowHandle() const override { return 1; }
    void imageChanged() override {
        if (!state)
            return;
        const char* look = state->g_IsPressed ? (state->g_IsOver ? "pressed" : "armed")
                                              : (state->g_IsOver ? "hover" : "normal");
        add(QString("paint %1%2").arg(look).arg(state->g_HasFocus ? " focus" : ""));
    }

    QStringList take() { return std::exchange(log, {}); }
};

struct InteractionFixture {
    SimpleContainer container;
    Recorder rec;
    AnyButtonControl button{container, &rec};
    ButtonInteraction ui{button, rec, rec};

    explicit InteractionFixture(const QString& url = QStringLiteral("http://x.example/")) {
        PropertyBag bag;
        bag.set(QStringLiteral("URL"), PropertyValue::string(url));
        button.ReadProperties(bag);
        rec.state = &button.state();
        rec.log.clear();
    }
    ButtonState& s() { return button.state(); }
    // Pointer arrives at (x, y) and moves on once.
    void enter(float x = 5, float y = 6) {
        ui.MouseMove(0, 0, x, y);
        rec.log.clear();
    }
};

} // namespace

TEST(Interaction, OneLeftClickFromOutside) {
    InteractionFixture f;
    f.ui.MouseMove(0, 0, 5, 6);
    f.ui.MouseMove(0, 0, 7, 6);
    EXPECT_EQ(f.rec.take(),
              (QStringList{"timer on", "MouseIn 0", "paint hover", "pump", "sound " + kOver,
                           "MouseMove 0 0 5 6", "MouseMove 0 0 7 6"}));
    f.ui.MouseDown(1, 0, 7, 6);
    EXPECT_EQ(f.rec.take(), (QStringList{"paint pressed", "MouseDown 1 0 7 6"}));
    f.ui.MouseUp(1, 0, 7.5f, 6);
    EXPECT_EQ(f.rec.take(), (QStringList{"paint hover", "sound " + kClick, "Click",
                                         "navigate http://x.example/", "MouseUp 1 0 7.5 6"}));
    f.ui.OverTimerTick(); // still over it
    EXPECT_TRUE(f.rec.take().isEmpty());
    f.rec.pointerOver = false;
    f.ui.OverTimerTick();
    EXPECT_EQ(f.rec.take(), (QStringList{"timer off", "MouseOut 0", "paint normal"}));
    EXPECT_EQ(f.s().g_IsOver, 0);
}

TEST(Interaction, MovesOutsideRaiseOnlyMouseMoveAndMouseInOncePerEntry) {
    InteractionFixture f;
    const std::pair<float, float> outside[] = {{-1, 5}, {5, -0.5f}, {100, 5}, {5, 40}};
    for (const auto& [x, y] : outside)
        f.ui.MouseMove(0, 0, x, y);
    EXPECT_EQ(f.rec.log.size(), 4);
    EXPECT_EQ(f.s().g_IsOver, 0);
    f.ui.MouseMove(0, 1, 99.5f, 39.5f);
    f.ui.MouseMove(0, 1, 50, 20);
    EXPECT_EQ(f.rec.log.filter("MouseIn").size(), 1);
    EXPECT_EQ(f.rec.log[4], "timer on");
}

TEST(Interaction, DragOutAndReleaseOutsideDoesNotClick) {
    InteractionFixture f;
    f.enter();
    f.ui.MouseDown(1, 2, 5, 6);
    f.rec.take();
    f.rec.pointerOver = false;
    f.ui.OverTimerTick();
    // MouseOut carries the press's shift state; drawn released but still armed.
    EXPECT_EQ(f.rec.take(),
              (QStringList{"timer off", "MouseOut 2", "paint armed", "paint normal"}));
    EXPECT_EQ(f.s().g_IsPressed, 1);
    f.ui.MouseMove(1, 0, -20, 6);
    f.ui.MouseUp(1, 0, -20, 6);
    EXPECT_EQ(f.rec.take(),
              (QStringList{"MouseMove 1 0 -20 6", "paint normal", "MouseUp 1 0 -20 6"}));
}

TEST(Interaction, DragOutAndBackInClicks) {
    InteractionFixture f;
    f.enter();
    f.ui.MouseDown(1, 0, 5, 6);
    f.rec.pointerOver = false;
    f.ui.OverTimerTick();
    f.rec.take();
    f.rec.pointerOver = true;
    f.ui.MouseMove(1, 0, 8, 6);
    EXPECT_EQ(f.rec.take(), (QStringList{"timer on", "MouseIn 0", "paint pressed", "pump",
                                         "sound " + kOver, "MouseMove 1 0 8 6"}));
    f.ui.MouseUp(1, 0, 8, 6);
    EXPECT_TRUE(f.rec.take().contains("Click"));
}

TEST(Interaction, RightButtonNeverPressesMiddleButtonActivates) {
    InteractionFixture f;
    f.enter();
    f.ui.MouseDown(2, 0, 5, 6);
    f.ui.MouseUp(2, 0, 5, 6);
    EXPECT_EQ(f.rec.take(), (QStringList{"MouseDown 2 0 5 6", "MouseUp 2 0 5 6"}));
    EXPECT_EQ(f.s().g_LastButton, 2);
    f.ui.MouseDown(4, 0, 5, 6);
    f.ui.MouseUp(4, 0, 5, 6);
    EXPECT_EQ(f.rec.take(),
              (QStringList{"paint pressed", "MouseDown 4 0 5 6", "paint hover", "sound " + kClick,
                           "Click", "navigate http://x.example/", "MouseUp 4 0 5 6"}));
}

TEST(Interaction, DoubleClickIsTwoPressesReleasesAndClicks) {
    InteractionFixture f{QString()};
    f.enter();
    f.ui.MouseDown(1, 1, 5, 6);
    f.ui.MouseUp(1, 1, 5, 6);
    f.ui.DblClick();
    f.ui.MouseUp(1, 0, 9, 9);
    EXPECT_EQ(f.rec.take(), (QStringList{"paint pressed", "MouseDown 1 1 5 6", "paint hover",
                                         "sound " + kClick, "Click", "MouseUp 1 1 5 6", "capture",
                                         "paint pressed", "MouseDown 1 1 5 6", "paint hover",
                                         "sound " + kClick, "Click", "MouseUp 1 0 9 9"}));
}

TEST(Interaction, SpacePressRepeatAndRelease) {
    InteractionFixture f;
    f.ui.KeyDown(32, 0);
    f.ui.KeyPress(32);
    f.ui.KeyDown(32, 0); // auto-repeat
    f.ui.KeyPress(32);
    EXPECT_EQ(f.rec.take(), (QStringList{"paint pressed", "KeyDown 32 0", "KeyPress 32",
                                         "KeyDown 32 0", "KeyPress 32"}));
    f.ui.KeyUp(32, 1);
    EXPECT_EQ(f.rec.take(),
              (QStringList{"paint normal", "paint normal", "sound " + kClick, "Click",
                           "navigate http://x.example/", "MouseUp 1 1 0 0", "KeyUp 32 1"}));
    EXPECT_EQ(f.s().g_KeyHeld, 0);
    // The pointer is still over the button, but its next move is a new entry.
    f.ui.MouseMove(0, 0, 5, 6);
    EXPECT_TRUE(f.rec.take().contains("sound " + kOver));
}

TEST(Interaction, SpaceWhileAnotherKeyIsHeldIsNotDrawnPressed) {
    InteractionFixture f;
    f.ui.KeyDown(65, 0);
    f.ui.KeyDown(32, 0);
    EXPECT_EQ(f.rec.take(), (QStringList{"KeyDown 65 0", "KeyDown 32 0"}));
    EXPECT_EQ(f.s().g_IsPressed, 0);
    f.ui.KeyUp(65, 0);
    EXPECT_EQ(f.rec.take(), (QStringList{"KeyUp 65 0"}));
}

TEST(Interaction, AccessKeyClicksWithoutSoundOrLookOnlyWhenEnabled) {
    InteractionFixture f;
    f.ui.AccessKeyPress();
    EXPECT_EQ(f.rec.take(), (QStringList{"Click", "navigate http://x.example/"}));
    f.button.setEnabled(false);
    f.rec.take();
    f.ui.AccessKeyPress();
    EXPECT_TRUE(f.rec.take().isEmpty());
}

TEST(Interaction, FocusAndAmbientChangeRepaint) {
    InteractionFixture f;
    f.ui.EnterFocus();
    f.ui.MouseDown(1, 0, 5, 6);
    f.ui.ExitFocus();
    f.ui.AmbientChanged();
    EXPECT_EQ(f.rec.take(), (QStringList{"paint normal focus", "paint armed focus",
                                         "MouseDown 1 0 5 6", "paint normal", "paint normal"}));
    EXPECT_EQ(f.s().g_IsPressed, 0);
}

TEST(Interaction, HoverPictureWhileOverOnly) {
    InteractionFixture f;
    const PictureRef normal = PictureRef::fromImage(QImage(4, 4, QImage::Format_RGB32));
    QImage h(5, 5, QImage::Format_RGB32);
    h.fill(Qt::red);
    const PictureRef hover = PictureRef::fromImage(h);
    f.button.setPicture(normal);
    f.ui.MouseMove(0, 0, 5, 6);
    EXPECT_EQ(f.s().g_CurrentPicture, normal); // no hover picture yet
    f.rec.pointerOver = false;
    f.ui.OverTimerTick();
    f.button.setPictureHover(hover);
    f.rec.pointerOver = true;
    f.ui.MouseMove(0, 0, 5, 6);
    EXPECT_EQ(f.s().g_CurrentPicture, hover);
    EXPECT_EQ(f.button.Picture(), hover);
    f.rec.pointerOver = false;
    f.ui.OverTimerTick();
    EXPECT_EQ(f.s().g_CurrentPicture, normal);
}

TEST(Interaction, GoToURLByPrefix) {
    const std::pair<const char*, const char*> cases[] = {
        {"mailto:a@b.example", "shell mailto:a@b.example"},
        {"MAILTO:a@b.example", "navigate MAILTO:a@b.example"},
        {"mailto", "navigate mailto"},
        {"help.html", "navigate help.html"},
        {"", nullptr},
    };
    for (const auto& [url, expected] : cases) {
        SCOPED_TRACE(url);
        InteractionFixture f(QString::fromLatin1(url));
        f.ui.GoToURL();
        EXPECT_EQ(f.rec.take(),
                  expected ? QStringList{QString::fromLatin1(expected)} : QStringList{});
    }
}

TEST(Interaction, SoundPathsAsSetAndEmptyPathsPassedOn) {
    InteractionFixture f;
    f.button.setSoundOver(QStringLiteral("a b/c.wav"));
    f.button.setSoundClick(QString());
    f.ui.MouseMove(0, 0, 5, 6);
    f.ui.MouseDown(1, 0, 5, 6);
    f.ui.MouseUp(1, 0, 5, 6);
    const QStringList sounds = f.rec.take().filter("sound");
    EXPECT_EQ(sounds, (QStringList{"sound a b/c.wav", "sound "}));
}
