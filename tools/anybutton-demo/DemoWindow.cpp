#include "DemoWindow.h"

#include "DemoPictures.h"

#include "anybutton/AnyButton.h"

#include <QLabel>
#include <QPainter>

namespace demo {

namespace {

using anybutton::PictureRef;
using anybutton::PropertyBag;
using anybutton::PropertyValue;

constexpr int kWidth = 720;
constexpr int kHeight = 470;

struct Style {
    const char* name;
    std::int32_t value;
    bool transparent;
};

const Style kStyles[] = {
    {"Standard", anybutton::ButtonStyleStandard, false},
    {"Flat", anybutton::ButtonStyleFlat, true},
    {"XP", anybutton::ButtonStyleXP, false},
    {"Rounded", anybutton::ButtonStyleRounded, false},
    {"NoBorder", anybutton::ButtonStyleNoBorder, true},
};

void setPicture(PropertyBag& bag, const char* key, const PictureRef& picture) {
    bag.set(QString::fromLatin1(key), PropertyValue::picture(picture));
}

} // namespace

DemoWindow::DemoWindow(QWidget* parent)
    : QWidget(parent), background_(backgroundImage(kWidth, kHeight)), status_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("AnyButton demo"));
    setFixedSize(kWidth, kHeight);
    status_->setGeometry(12, kHeight - 28, kWidth - 24, 20);

    const PictureRef folder = folderBitmap(), disk = diskBitmap(), star = starBitmap(),
                     mail = mailIcon();
    int y = 12;
    for (const Style& style : kStyles) {
        auto* label = new QLabel(QString::fromLatin1(style.name), this);
        label->setGeometry(12, y + 12, 80, 20);
        auto bagFor = [&style](const QString& caption) {
            PropertyBag bag;
            bag.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(style.value));
            bag.set(QStringLiteral("Caption"), PropertyValue::string(caption));
            bag.set(QStringLiteral("TransparentBG"), PropertyValue::boolean(style.transparent));
            return bag;
        };
        const QString prefix = QString::fromLatin1(style.name);

        PropertyBag open = bagFor(QStringLiteral("&Open"));
        setPicture(open, "Picture", folder);
        addButton(prefix + "Open", {96, y, 130, 44}, open);

        PropertyBag save = bagFor(QStringLiteral("&Save"));
        setPicture(save, "Picture", disk);
        save.set(QStringLiteral("PicturePosition"), PropertyValue::int32(2));
        addButton(prefix + "Save", {236, y, 130, 44}, save);

        PropertyBag mailBag = bagFor(QStringLiteral("Mail"));
        setPicture(mailBag, "Picture", mail);
        mailBag.set(QStringLiteral("URL"), PropertyValue::string(QStringLiteral("mailto:")));
        mailBag.set(QStringLiteral("PictureWidth"), PropertyValue::int32(24));
        mailBag.set(QStringLiteral("PictureHeight"), PropertyValue::int32(24));
        addButton(prefix + "Mail", {376, y, 100, 44}, mailBag);

        PropertyBag starBag = bagFor(QString());
        setPicture(starBag, "Picture", disk);
        setPicture(starBag, "PictureHover", star);
        addButton(prefix + "Star", {486, y, 56, 44}, starBag);

        PropertyBag off = bagFor(QStringLiteral("Disabled"));
        setPicture(off, "Picture", folder);
        off.set(QStringLiteral("Enabled"), PropertyValue::boolean(false));
        off.set(QStringLiteral("PictureWidth"), PropertyValue::int32(16));
        off.set(QStringLiteral("PictureHeight"), PropertyValue::int32(16));
        addButton(prefix + "Disabled", {552, y, 150, 44}, off);
        y += 54;
    }

    // Picture above and below the caption.
    PropertyBag top;
    top.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(anybutton::ButtonStyleXP));
    top.set(QStringLiteral("Caption"), PropertyValue::string(QStringLiteral("Picture on top")));
    top.set(QStringLiteral("PicturePosition"), PropertyValue::int32(0));
    setPicture(top, "Picture", star);
    addButton(QStringLiteral("TopButton"), {96, y + 4, 160, 64}, top);
    PropertyBag bottom = top;
    bottom.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(anybutton::ButtonStyleStandard));
    bottom.set(QStringLiteral("Caption"),
               PropertyValue::string(QStringLiteral("Picture && caption below")));
    bottom.set(QStringLiteral("PicturePosition"), PropertyValue::int32(3));
    addButton(QStringLiteral("BottomButton"), {266, y + 4, 190, 64}, bottom);
}

anybutton::AnyButton* DemoWindow::addButton(const QString& name, const QRect& geometry,
                                            PropertyBag bag) {
    auto site = std::make_unique<anybutton::SimpleContainer>();
    site->displayName = name;
    site->left = geometry.x();
    site->top = geometry.y();
    site->picture = PictureRef::fromImage(background_);
    // The natural size of the code-drawn pictures.
    bag.set(QStringLiteral("OriginalPicSizeW"), PropertyValue::int32(32));
    bag.set(QStringLiteral("OriginalPicSizeH"), PropertyValue::int32(32));
    auto* button = anybutton::AnyButton::load(*site, bag, this);
    button->setGeometry(geometry);
    sites_.push_back(std::move(site));
    connect(button, &anybutton::AnyButton::Click, this,
            [this, name] { logEvent("Click " + name); });
    connect(button, &anybutton::AnyButton::MouseIn, this,
            [this, name] { logEvent("MouseIn " + name); });
    connect(button, &anybutton::AnyButton::KeyDown, this, [this, name](qint16 key, qint16) {
        logEvent(QStringLiteral("KeyDown %1 %2").arg(key).arg(name));
    });
    connect(button, &anybutton::AnyButton::MouseOut, this,
            [this, name] { logEvent("MouseOut " + name); });
    return button;
}

void DemoWindow::logEvent(const QString& text) {
    events_ << text;
    while (events_.size() > 4)
        events_.removeFirst();
    status_->setText(events_.join(QStringLiteral("   ")));
}

void DemoWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, background_);
}

} // namespace demo
