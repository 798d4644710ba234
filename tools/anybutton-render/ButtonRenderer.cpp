#include "ButtonRenderer.h"

#include "anybutton/control/AnyButtonControl.h"
#include "anybutton/properties/ButtonLook.h"
#include "anybutton/properties/PictureFile.h"
#include "anybutton/properties/PropertyError.h"
#include "anybutton/properties/SimpleContainer.h"

namespace anybutton::render {

namespace {

std::optional<PictureRef> loadPicture(const QString& file, QString& error) {
    auto picture = LoadPicture(file);
    if (!picture)
        error = QStringLiteral("cannot read picture %1").arg(file);
    return picture;
}

QString rectLine(const char* name, const gdi::Rect& r) {
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QLatin1String(name))
        .arg(r.left)
        .arg(r.top)
        .arg(r.right)
        .arg(r.bottom);
}

} // namespace

std::optional<RenderOutput> renderButton(const RenderOptions& o, QString& error) {
    SimpleContainer container;
    container.displayName = QStringLiteral("AnyButton1");
    container.running = !o.design;
    container.isDefault = o.isDefault;
    container.left = o.left;
    container.top = o.top;
    if (!o.containerPicture.isEmpty()) {
        const auto p = loadPicture(o.containerPicture, error);
        if (!p)
            return std::nullopt;
        container.picture = *p;
    }

    gdi::SystemColors colors =
        o.dark ? gdi::SystemColors::pinnedDark() : gdi::SystemColors::pinned();
    for (const auto& [index, c] : o.sysColors)
        colors.setColor(index, gdi::RGB(c.r, c.g, c.b));

    PropertyBag bag = o.bag;
    if (o.disabled)
        bag.set(QStringLiteral("Enabled"), PropertyValue::boolean(false));
    if (!o.picture.isEmpty()) {
        const auto p = loadPicture(o.picture, error);
        if (!p)
            return std::nullopt;
        bag.set(QStringLiteral("Picture"), PropertyValue::picture(*p));
        // The load step takes the natural size from the bag; default it to the file's.
        if (!bag.contains(QStringLiteral("OriginalPicSizeW")))
            bag.set(QStringLiteral("OriginalPicSizeW"), PropertyValue::int32(p->image().width()));
        if (!bag.contains(QStringLiteral("OriginalPicSizeH")))
            bag.set(QStringLiteral("OriginalPicSizeH"), PropertyValue::int32(p->image().height()));
    }
    if (!o.hoverPicture.isEmpty()) {
        const auto p = loadPicture(o.hoverPicture, error);
        if (!p)
            return std::nullopt;
        bag.set(QStringLiteral("PictureHover"), PropertyValue::picture(*p));
    }

    AnyButtonControl button(container, nullptr, colors);
    ButtonState& s = button.state();
    s.clientWidth = o.width;
    s.clientHeight = o.height;
    try {
        button.ReadProperties(bag);
    } catch (const PropertyError& e) {
        error = QString::fromStdString(e.what());
        return std::nullopt;
    }

    s.g_HasFocus = o.focus == Focus::On ? 1 : 0;
    applyLook(s, o.state);
    button.Refresh();
    if (!button.backImage().bitmap()) {
        error = QStringLiteral("cannot make a %1x%2 button image").arg(o.width).arg(o.height);
        return std::nullopt;
    }

    RenderOutput out;
    out.image = button.image();
    out.layout << rectLine("focus", s.g_FocusRect) << rectLine("client", s.g_ClientRect)
               << rectLine("content", s.g_ContentRect) << rectLine("picture", s.g_PictureRect)
               << rectLine("caption", s.g_CaptionRect);
    return out;
}

} // namespace anybutton::render
