#include "anybutton/control/AnyButtonControl.h"

#include "anybutton/pipeline/PaintPipeline.h"
#include "anybutton/properties/AccessKey.h"
#include "anybutton/properties/PictureSizing.h"
#include "anybutton/properties/PropertyError.h"
#include "anybutton/properties/PropertyTable.h"
#include "anybutton/styles/RoundedPainter.h"
#include "platform/gdi/objects/QtConversion.h"

#include <cmath>
#include <limits>

namespace anybutton {

namespace {

QString str(const char* s) {
    return QString::fromLatin1(s);
}

} // namespace

AnyButtonControl::AnyButtonControl(ContainerServices& container, ButtonSurface* surface,
                                   gdi::SystemColors colors)
    : container_(container), surface_(surface), dc_(std::move(colors)) {
    s_.g_Font.assign(FontDesc());
    s_.g_Font.setChangeHandler([this] { fontChanged(); });
    s_.surfaceTag = str(kVersionTag);
    s_.surfaceBackColor = kButtonFace;
    s_.surfaceForeColor = kButtonText;
}

void AnyButtonControl::InitProperties() {
    const AmbientValues from = ambient();
    for (const PropertyRow* row : propertyLoadOrder()) {
        if (!row->newValue)
            continue;
        const PropertyValue v = resolve(*row->newValue, from);
        storeField(s_, row->newInto.value_or(row->field), v, str(row->key));
        if (row->rule == LoadRule::Font)
            s_.g_Font.assign(s_.surfaceFont);
    }
}

void AnyButtonControl::ReadProperties(const PropertyBag& bag) {
    const AmbientValues from = ambient();
    for (const PropertyRow* row : propertyLoadOrder()) {
        const QString key = str(row->key);
        const PropertyValue v = bag.read(key, resolve(row->bagDefault, from));
        if (row->rule == LoadRule::MouseIcon) {
            setMouseIcon(v.toPicture(key));
            continue;
        }
        storeField(s_, row->field, v, key);
        if (row->alsoLoads)
            storeField(s_, *row->alsoLoads, v, key);
        switch (row->rule) {
        case LoadRule::Font:
            s_.g_Font.assign(s_.surfaceFont);
            break;
        case LoadRule::Enabled:
            // The property; the effective state starts equal to it.
            enabled_ = s_.surfaceEnabled;
            if (surface_)
                surface_->enabledChanged(enabled_);
            break;
        case LoadRule::Cursor:
            applyCursor();
            break;
        default:
            break;
        }
    }
    UpdateAccessKey();
    Resize();
}

void AnyButtonControl::WriteProperties(PropertyBag& bag) const {
    const AmbientValues from = ambient();
    for (const PropertyRow& row : propertyRows()) {
        // Enabled saves the property, not the effective state a disabled parent gives.
        const PropertyValue value = row.rule == LoadRule::Enabled ? PropertyValue::boolean(enabled_)
                                                                  : fieldValue(s_, row.field);
        bag.write(str(row.key), value, resolve(row.bagDefault, from));
    }
}

void AnyButtonControl::notify(const PropertyRow& row) {
    container_.propertyChanged(str(row.key));
}

void AnyButtonControl::setCaption(const QString& v) {
    s_.g_Caption = v;
    notify(&ButtonState::g_Caption);
    UpdateAccessKey();
    Refresh();
}

void AnyButtonControl::setButtonStyle(std::int32_t v) {
    s_.g_ButtonStyle = v;
    notify(&ButtonState::g_ButtonStyle);
    if (v == ButtonStyleRounded)
        setTransparentBG(false);
    Resize();
}

void AnyButtonControl::setPicture(const PictureRef& v) {
    s_.g_CurrentPicture = v;
    s_.g_Picture = v;
    recordNaturalPictureSize(s_, v, container_.screenDpiX(), container_.screenDpiY());
    notify(&ButtonState::g_CurrentPicture);
    if (s_.g_PictureSize == PictureSizeNatural)
        applyPictureSize(s_);
    Refresh();
}

void AnyButtonControl::setPictureSize(std::int32_t v) {
    s_.g_PictureSize = v;
    notify(&ButtonState::g_PictureSize);
    applyPictureSize(s_);
    Refresh();
}

void AnyButtonControl::setEnabled(bool v) {
    enabled_ = v;
    s_.surfaceEnabled = v;
    if (surface_)
        surface_->enabledChanged(v);
    notify(&ButtonState::surfaceEnabled);
    Refresh();
}

void AnyButtonControl::setSurfaceEnabled(bool effective) {
    if (s_.surfaceEnabled == effective)
        return;
    s_.surfaceEnabled = effective;
    Refresh();
}

void AnyButtonControl::setFont(const FontDesc& v) {
    s_.g_Font.set(v);
    notify(&ButtonState::surfaceFont);
}

void AnyButtonControl::fontChanged() {
    s_.surfaceFont = s_.g_Font.attributes();
    Refresh();
}

void AnyButtonControl::setMouseIcon(const PictureRef& v) {
    s_.surfaceMouseIcon = v;
    applyCursor();
    notify(&ButtonState::surfaceMouseIcon);
}

void AnyButtonControl::setMousePointer(std::int32_t v) {
    if (v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        throw PropertyError(PropertyError::Code::Overflow,
                            str(rowOf(stateField(&ButtonState::surfaceMousePointer)).key));
    s_.surfaceMousePointer = static_cast<std::int16_t>(v);
    applyCursor();
    notify(&ButtonState::surfaceMousePointer);
}

void AnyButtonControl::setBackColor(OleColor v) {
    s_.g_BackColor = v;
    notify(&ButtonState::g_BackColor);
    s_.surfaceBackColor = v;
    Refresh();
}

void AnyButtonControl::setForeColor(OleColor v) {
    s_.g_ForeColor = v;
    notify(&ButtonState::g_ForeColor);
    s_.surfaceForeColor = v;
    Refresh();
}

void AnyButtonControl::setDefCurHand(bool v) {
    s_.g_DefCurHand = v;
    notify(&ButtonState::g_DefCurHand);
    if (v) {
        s_.surfaceMouseIcon = PictureRef::handCursor();
        s_.surfaceMousePointer = MousePointerCustom;
    } else {
        s_.surfaceMouseIcon = PictureRef();
    }
    applyCursor();
}

void AnyButtonControl::applyCursor() {
    if (surface_)
        surface_->cursorChanged(s_.surfaceMousePointer, s_.surfaceMouseIcon);
}

void AnyButtonControl::UpdateAccessKey() {
    s_.surfaceAccessKey = accessKeyOf(s_.g_Caption);
    if (surface_)
        surface_->accessKeyChanged(s_.surfaceAccessKey);
}

void AnyButtonControl::requestSize(int width, int height) {
    s_.clientWidth = width;
    s_.clientHeight = height;
    if (surface_)
        surface_->resizeSurface(width, height);
    Resize();
}

void AnyButtonControl::setClientSize(double width, double height) {
    if (width == s_.clientWidth && height == s_.clientHeight && s_.g_Width != 0)
        return;
    s_.clientWidth = width;
    s_.clientHeight = height;
    Resize();
}

void AnyButtonControl::Resize() {
    if (surface_) {
        s_.clientWidth = surface_->clientWidth();
        s_.clientHeight = surface_->clientHeight();
    }
    // A 10-pixel floor: growing re-enters the handler once per dimension.
    if (s_.clientWidth < 10)
        requestSize(10, static_cast<int>(std::nearbyint(s_.clientHeight)));
    if (s_.clientHeight < 10)
        requestSize(static_cast<int>(std::nearbyint(s_.clientWidth)), 10);
    ComputeMetrics(s_);
    if (s_.g_ButtonStyle == ButtonStyleRounded) {
        region_ = BuildRoundedRegion(s_);
        if (surface_)
            surface_->regionChanged(region_);
    } else if (region_) {
        // A button that leaves the rounded style gets its corners back rather
        // than keeping the old clipped outline.
        region_.reset();
        if (surface_)
            surface_->regionChanged(region_);
    }
    Refresh();
}

void AnyButtonControl::Refresh() {
    const int w = static_cast<int>(std::nearbyint(s_.clientWidth));
    const int h = static_cast<int>(std::nearbyint(s_.clientHeight));
    if (dc_.width() != w || dc_.height() != h)
        gdi::SelectObject(dc_, gdi::CreateCompatibleBitmap(dc_, w, h));
    const PaintLook look = PaintLook::of(s_, container_, dc_.systemColors());
    const ContentRects previous{s_.g_ClientRect, s_.g_ContentRect, s_.g_PictureRect,
                                s_.g_CaptionRect};
    const PaintResult painted = anybutton::Refresh(look, previous, dc_);
    s_.surfaceBackColor = painted.surfaceBackColor;
    s_.g_ClientRect = painted.layout.client;
    s_.g_ContentRect = painted.layout.content;
    s_.g_PictureRect = painted.layout.picture;
    s_.g_CaptionRect = painted.layout.caption;
    if (surface_)
        surface_->imageChanged();
}

void AnyButtonControl::setSystemColors(const gdi::SystemColors& colors) {
    dc_.setSystemColors(colors);
}

QImage AnyButtonControl::image() const {
    QImage img = gdi::toQImage(dc_).convertToFormat(QImage::Format_ARGB32);
    if (!region_)
        return img;
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (!region_->contains(x, y))
                row[x] = 0;
    }
    return img;
}

} // namespace anybutton
