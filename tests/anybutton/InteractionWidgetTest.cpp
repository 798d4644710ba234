#include "anybutton/AnyButton.h"
#include "anybutton/interaction/InputCodes.h"
#include "anybutton/properties/SimpleContainer.h"
#include "platform/desktop/QtSoundPlayer.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

using namespace anybutton;

namespace {

struct Services : SoundPlayer, UrlOpener {
    QStringList* log = nullptr;
    void play(const QString& path) override { *log << "sound " + path; }
    void openWithShell(const QString& a) override { *log << "shell " + a; }
    void navigate(const QString& t) override { *log << "navigate " + t; }
};

// A shown window holding one button at (50, 50), 100 x 40, its signals and
// services logged in order.
struct WidgetFixture {
    SimpleContainer site;
    QWidget window;
    AnyButton* button = nullptr;
    Services services;
    QStringList log;

    explicit WidgetFixture(const QString& caption = QStringLiteral("&Open")) {
        window.resize(300, 200);
        PropertyBag bag;
        bag.set(QStringLiteral("Caption"), PropertyValue::string(caption));
        bag.set(QStringLiteral("URL"), PropertyValue::string(QStringLiteral("http://x.example/")));
        button = AnyButton::load(site, bag, &window);
        button->setGeometry(50, 50, 100, 40);
        services.log = &log;
        button->setSoundPlayer(&services);
        button->setUrlOpener(&services);
        auto n = [](float v) { return QString::number(static_cast<double>(v)); };
        QObject::connect(button, &AnyButton::Click, [this] { log << "Click"; });
        QObject::connect(button, &AnyButton::KeyDown, [this](qint16 k, qint16 s) {
            log << QString("KeyDown %1 %2").arg(k).arg(s);
        });
        QObject::connect(button, &AnyButton::KeyPress,
                         [this](qint16 c) { log << QString("KeyPress %1").arg(c); });
        QObject::connect(button, &AnyButton::KeyUp, [this](qint16 k, qint16 s) {
            log << QString("KeyUp %1 %2").arg(k).arg(s);
        });
        QObject::connect(button, &AnyButton::MouseDown,
                         [this, n](qint16 b, qint16 s, float x, float y) {
                             log << QString("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(n(x), n(y));
                         });
        QObject::connect(button, &AnyButton::MouseUp,
                         [this, n](qint16 b, qint16 s, float x, float y) {
                             log << QString("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(n(x), n(y));
                         });
        QObject::connect(button, &AnyButton::MouseMove,
                         [this, n](qint16 b, qint16 s, float x, float y) {
                             log << QString("MouseMove %1 %2 %3 %4").arg(b).arg(s).arg(n(x), n(y));
                         });
        QObject::connect(button, &AnyButton::MouseIn,
                         [this](qint16 s) { log << QString("MouseIn %1").arg(s); });
        QObject::connect(button, &AnyButton::MouseOut,
                         [this](qint16 s) { log << QString("MouseOut %1").arg(s); });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCursor::setPos(window.mapToGlobal(QPoint(5, 5)));
        QCoreApplication::processEvents();
        log.clear();
    }
    ~WidgetFixture() { window.hide(); }

    void send(QEvent::Type type, Qt::MouseButton b, QPoint pos, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(pos), QPointF(button->mapToGlobal(pos)), b, held,
                      Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    }
    void move(QPoint pos, Qt::MouseButtons held = Qt::NoButton) {
        send(QEvent::MouseMove, Qt::NoButton, pos, held);
    }
    // Moves the pointer; the button sees the move through Qt's own delivery.
    void pointerAt(QPoint windowPos) {
        QCursor::setPos(window.mapToGlobal(windowPos));
        QCoreApplication::processEvents();
    }
    QStringList take() { return std::exchange(log, {}); }
    const ButtonState& s() const { return button->control().state(); }
    void focusButton() {
        QApplication::setActiveWindow(&window);
        button->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), button);
    }
};

// Space as X11 delivers it to the focus widget: never marked as a repeat, the
// two halves of a repeat sharing one timestamp.
void deliverSpace(QEvent::Type type, quint64 timestamp) {
    QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), false);
    e.setTimestamp(timestamp);
    QApplication::sendEvent(QApplication::focusWidget(), &e);
}

} // namespace

TEST(InteractionWidget, ClickFromOutsideRaisesTheSignalsInOrder) {
    WidgetFixture f;
    f.pointerAt({60, 60}); // (10, 10) on the button
    EXPECT_TRUE(f.button->overTimer().isActive());
    EXPECT_EQ(f.button->overTimer().interval(), 10);
    f.send(QEvent::MouseButtonPress, Qt::LeftButton, {10, 10}, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, Qt::LeftButton, {11, 10}, Qt::NoButton);
    f.button->tickOverTimer();
    EXPECT_EQ(f.take(),
              (QStringList{"MouseIn 0", "sound .\\resources\\over.wav", "MouseMove 0 0 10 10",
                           "MouseDown 1 0 10 10", "sound .\\resources\\click.wav", "Click",
                           "navigate http://x.example/", "MouseUp 1 0 11 10"}));
    f.pointerAt({5, 5});
    f.button->tickOverTimer();
    EXPECT_EQ(f.take(), (QStringList{"MouseOut 0"}));
    EXPECT_FALSE(f.button->overTimer().isActive());
}

TEST(InteractionWidget, HiddenOrDisabledButtonEndsTheHoverAtTheNextTick) {
    for (const bool disable : {true, false}) {
        SCOPED_TRACE(disable ? "disabled" : "hidden");
        WidgetFixture f;
        f.pointerAt({60, 60});
        f.move({10, 10});
        f.button->tickOverTimer();
        EXPECT_EQ(f.s().g_IsOver, 1);
        if (disable)
            f.button->setEnabled(false);
        else
            f.button->hide();
        f.take();
        f.button->tickOverTimer();
        EXPECT_EQ(f.take(), (QStringList{"MouseOut 0"}));
        EXPECT_EQ(f.s().g_IsOver, 0);
    }
}

TEST(InteractionWidget, DoubleClickClicksTwice) {
    WidgetFixture f;
    f.pointerAt({60, 60});
    f.move({10, 10});
    f.take();
    f.send(QEvent::MouseButtonPress, Qt::LeftButton, {10, 10}, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10}, Qt::NoButton);
    f.send(QEvent::MouseButtonDblClick, Qt::LeftButton, {12, 12}, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, Qt::LeftButton, {12, 12}, Qt::NoButton);
    const QStringList log = f.take();
    EXPECT_EQ(log.filter("MouseDown 1 0 10 10").size(), 2);
    EXPECT_EQ(log.filter("MouseUp").size(), 2);
    EXPECT_EQ(log.filter("Click").size(), 2);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// Left and middle press and click; the right button raises its events only;
// a side button (Back, Forward) does nothing at all. Each is clicked, then
// double-clicked.
TEST(InteractionWidget, OnlyTheButtonsTheControlKnowsPressIt) {
    const QStringList clicked{"sound .\\resources\\click.wav", "Click",
                              "navigate http://x.example/"};
    struct Case {
        Qt::MouseButton button;
        int bits;
        bool presses;
    };
    const Case cases[] = {{Qt::LeftButton, 1, true},
                          {Qt::MiddleButton, 4, true},
                          {Qt::RightButton, 2, false},
                          {Qt::BackButton, 0, false},
                          {Qt::ForwardButton, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        WidgetFixture f;
        QStringList once;
        if (c.bits != 0)
            once << QString("MouseDown %1 0 10 10").arg(c.bits)
                 << (c.presses ? clicked : QStringList())
                 << QString("MouseUp %1 0 10 10").arg(c.bits);
        f.send(QEvent::MouseButtonPress, c.button, {10, 10}, c.button);
        EXPECT_EQ(f.s().g_IsPressed, c.presses ? 1 : 0);
        f.send(QEvent::MouseButtonRelease, c.button, {10, 10}, Qt::NoButton);
        f.send(QEvent::MouseButtonDblClick, c.button, {10, 10}, c.button);
        EXPECT_EQ(f.s().g_IsPressed, c.presses ? 1 : 0);
        f.send(QEvent::MouseButtonRelease, c.button, {10, 10}, Qt::NoButton);
        EXPECT_EQ(f.take(), once + once);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

TEST(InteractionWidget, SpaceKeysAndRepeats) {
    WidgetFixture f;
    QTest::keyPress(f.button, Qt::Key_Space);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(f.button, &repeatRelease);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(f.button, &repeatPress);
    EXPECT_EQ(f.s().g_IsPressed, 1);
    QTest::keyRelease(f.button, Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(f.take(),
              (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32",
                           "sound .\\resources\\click.wav", "Click", "navigate http://x.example/",
                           "MouseUp 1 1 0 0", "KeyUp 32 1", "KeyUp 16 0"}));
    QTest::keyClick(f.button, Qt::Key_A);
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(f.take(), (QStringList{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0", "KeyDown 13 0",
                                     "KeyPress 13", "KeyUp 13 0"}));
}

// A Tools button moves the focus to the editor when clicked: a Click in the
// middle of the hold would type the rest of it into the page.
TEST(InteractionWidget, HeldSpaceClicksOnceAtTheRealReleaseAsX11DeliversIt) {
    WidgetFixture f;
    auto* editor = new QPlainTextEdit(&f.window);
    editor->setGeometry(50, 100, 200, 60);
    editor->show();
    QObject::connect(f.button, &AnyButton::Click, editor, [editor] { editor->setFocus(); });
    f.focusButton();

    deliverSpace(QEvent::KeyPress, 1000);
    for (quint64 t = 1500; t <= 1620; t += 40) {
        deliverSpace(QEvent::KeyRelease, t);
        deliverSpace(QEvent::KeyPress, t);
        EXPECT_EQ(f.s().g_IsPressed, 1) << t;
    }
    deliverSpace(QEvent::KeyRelease, 1650);
    EXPECT_FALSE(f.log.contains("Click"));
    ASSERT_TRUE(f.button->releaseTimer().isActive());
    EXPECT_EQ(f.button->releaseTimer().interval(), AnyButton::kReleaseDeferral);
    f.button->endReleaseDeferral();

    QStringList expected;
    for (int press = 0; press < 5; ++press)
        expected << "KeyDown 32 0"
                 << "KeyPress 32";
    expected << "sound .\\resources\\click.wav"
             << "Click"
             << "navigate http://x.example/"
             << "MouseUp 1 0 0 0"
             << "KeyUp 32 0";
    EXPECT_EQ(f.take(), expected);
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->toPlainText(), QString());
}

// A press with a time of its own is a new press, however soon it comes.
TEST(InteractionWidget, TwoQuickTapsOfSpaceClickTwice) {
    WidgetFixture f;
    f.focusButton();
    deliverSpace(QEvent::KeyPress, 1000);
    deliverSpace(QEvent::KeyRelease, 1060);
    deliverSpace(QEvent::KeyPress, 1100);
    deliverSpace(QEvent::KeyRelease, 1160);
    f.button->endReleaseDeferral();
    EXPECT_EQ(f.take().count("Click"), 2);
}

TEST(InteractionWidget, AccessKeysAreAltWithTheKeyInTheWindow) {
    struct Case {
        const char* caption;
        const char* sequence;
    };
    const Case cases[] = {
        {"&Open", "Alt+O"}, {"Save && Exit", ""}, {"A && &B", "Alt+B"}, {"A&&B", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        WidgetFixture f(QString::fromLatin1(c.caption));
        auto* shortcut = f.button->findChild<QShortcut*>();
        ASSERT_NE(shortcut, nullptr);
        EXPECT_EQ(shortcut->key(), QKeySequence(QString::fromLatin1(c.sequence)));
    }
    WidgetFixture f(QStringLiteral("&Open"));
    QApplication::setActiveWindow(&f.window);
    QTest::keyClick(&f.window, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(f.take(), (QStringList{"Click", "navigate http://x.example/"}));
    f.button->setEnabled(false);
    QTest::keyClick(&f.window, Qt::Key_O, Qt::AltModifier);
    emit f.button->findChild<QShortcut*>()->activated();
    EXPECT_TRUE(f.take().isEmpty());
}

TEST(InteractionWidget, ASharedAccessKeyClicksTheFirstEnabledButtonInTabOrder) {
    WidgetFixture f(QStringLiteral("&Open"));
    PropertyBag bag;
    bag.set(QStringLiteral("Caption"), PropertyValue::string(QStringLiteral("&Open it")));
    AnyButton* second = AnyButton::load(f.site, bag, &f.window);
    second->setGeometry(50, 100, 100, 40);
    second->show();
    // A third widget closes the chain: Qt 6.4's setTabOrder leaves a chain of
    // two unchanged.
    AnyButton* last = AnyButton::load(f.site, PropertyBag(), &f.window);
    last->setGeometry(160, 50, 100, 40);
    last->show();
    QStringList clicks;
    QObject::connect(f.button, &AnyButton::Click, [&] { clicks << "first"; });
    QObject::connect(second, &AnyButton::Click, [&] { clicks << "second"; });
    QApplication::setActiveWindow(&f.window);
    auto altO = [&] { QTest::keyClick(&f.window, Qt::Key_O, Qt::AltModifier); };

    altO();
    altO();
    EXPECT_EQ(clicks, (QStringList{"first", "first"}));
    QWidget::setTabOrder(second, f.button);
    altO();
    f.button->setEnabled(false);
    QWidget::setTabOrder(f.button, second);
    altO();
    f.button->setEnabled(true);
    second->hide();
    altO();
    EXPECT_EQ(clicks, (QStringList{"first", "first", "second", "second", "first"}));
}

TEST(InteractionWidget, FocusDrawsTheFocusRectangle) {
    WidgetFixture f{QString()};
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(f.button, &in);
    EXPECT_EQ(f.s().g_HasFocus, 1);
    const QImage focused = f.button->control().image();
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(f.button, &out);
    EXPECT_EQ(f.s().g_HasFocus, 0);
    EXPECT_NE(focused, f.button->control().image());
}

TEST(InputCodes, KeysButtonsAndShiftBits) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Space), 32);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Q), 81);
    EXPECT_EQ(virtualKeyCode(Qt::Key_7), 55);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F5), 116);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Escape), 27);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Down), 40);
    EXPECT_EQ(virtualKeyCode(Qt::Key_MediaPlay), 0);
    EXPECT_EQ(buttonBits(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(buttonBits(Qt::RightButton | Qt::BackButton), 2);
    EXPECT_EQ(shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftState(Qt::ControlModifier | Qt::MetaModifier), 2);
}

TEST(InteractionWidget, ButtonsOfAWindowShareOneSoundPlayer) {
    SimpleContainer site;
    QWidget window;
    AnyButton* a = AnyButton::load(site, PropertyBag(), &window);
    AnyButton* b = AnyButton::load(site, PropertyBag(), &window);
    for (AnyButton* button : {a, b})
        button->interaction().MouseMove(0, 0, 1, 1);
    EXPECT_EQ(window.findChildren<platform::QtSoundPlayer*>().size(), 1);
}
