#pragma once

#include "anybutton/control/ButtonSurface.h"
#include "anybutton/properties/AccessKey.h"
#include "anybutton/properties/ButtonState.h"
#include "anybutton/properties/ContainerServices.h"
#include "anybutton/properties/PropertyBag.h"
#include "anybutton/properties/PropertyTable.h"
#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/objects/Region.h"

#include <QImage>
#include <QVariant>

#include <optional>

namespace anybutton {

// The button control without its window: properties and their setters, the
// new-instance, load and save steps, the resize handler and Refresh, which
// rebuilds the back image. Every setter stores, then notifies the container
// with the property's name, then does its follow-up.
class AnyButtonControl {
public:
    static constexpr const char* kClassName = "Ostra.AnyButton";
    static constexpr const char* kVersionTag = "030102-155";

    // Creation: a default font object, pixel scale. Without a surface the
    // control runs offscreen and its client size is set with setClientSize.
    explicit AnyButtonControl(ContainerServices& container, ButtonSurface* surface = nullptr,
                              gdi::SystemColors colors = gdi::SystemColors::pinned());
    AnyButtonControl(const AnyButtonControl&) = delete;
    AnyButtonControl& operator=(const AnyButtonControl&) = delete;

    // Life cycle: exactly one of InitProperties (first placement) or
    // ReadProperties (every other creation). ReadProperties throws
    // PropertyError at the first value that cannot be converted; the keys read
    // before it keep their values.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The bag kind of a persisted key (any case), for tools that build bags.
    static std::optional<PropertyValue::Kind> keyKind(const QString& key) {
        const PropertyRow* row = findPropertyRow(key);
        return row ? std::optional(kindOf(row->field)) : std::nullopt;
    }
    // The text a property browser shows for a property; empty when it has none.
    static QString propertyDescription(const QString& property) {
        return propertyDescriptionText(property);
    }

    QString Caption() const { return s_.g_Caption; }
    void setCaption(const QString& v);
    std::int32_t PicturePosition() const { return s_.g_PicturePosition; }
    void setPicturePosition(std::int32_t v) { assign(&ButtonState::g_PicturePosition, v); }
    std::int32_t ButtonStyle() const { return s_.g_ButtonStyle; }
    void setButtonStyle(std::int32_t v);
    PictureRef Picture() const { return s_.g_CurrentPicture; }
    void setPicture(const PictureRef& v);
    std::int32_t PictureWidth() const { return s_.g_PictureWidth; }
    void setPictureWidth(std::int32_t v) { assign(&ButtonState::g_PictureWidth, v); }
    std::int32_t PictureHeight() const { return s_.g_PictureHeight; }
    void setPictureHeight(std::int32_t v) { assign(&ButtonState::g_PictureHeight, v); }
    std::int32_t PictureSize() const { return s_.g_PictureSize; }
    void setPictureSize(std::int32_t v);
    PictureRef PictureHover() const { return s_.g_PictureHover; }
    void setPictureHover(const PictureRef& v) { assign(&ButtonState::g_PictureHover, v); }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    // Whether the surface is enabled in effect: false also while a window
    // holding it is disabled. Not the property: nothing is notified or saved.
    void setSurfaceEnabled(bool effective);
    // The font object itself: changing an attribute on it repaints.
    ButtonFont& Font() { return s_.g_Font; }
    const ButtonFont& Font() const { return s_.g_Font; }
    void setFont(const FontDesc& v);
    PictureRef MouseIcon() const { return s_.surfaceMouseIcon; }
    void setMouseIcon(const PictureRef& v);
    std::int16_t MousePointer() const { return s_.surfaceMousePointer; }
    // Throws PropertyError (overflow) when the value does not fit 16 bits.
    void setMousePointer(std::int32_t v);
    bool ShowFocusRect() const { return s_.g_ShowFocusRect; }
    void setShowFocusRect(bool v) { assign(&ButtonState::g_ShowFocusRect, v); }
    QString URL() const { return s_.g_URL; }
    void setURL(const QString& v) { assign(&ButtonState::g_URL, v); }
    OleColor XPColor_Pressed() const { return s_.g_XPColor_Pressed; }
    void setXPColor_Pressed(OleColor v) { assign(&ButtonState::g_XPColor_Pressed, v); }
    OleColor XPColor_Hover() const { return s_.g_XPColor_Hover; }
    void setXPColor_Hover(OleColor v) { assign(&ButtonState::g_XPColor_Hover, v); }
    bool XPDefaultColors() const { return s_.g_XPDefaultColors; }
    void setXPDefaultColors(bool v) { assign(&ButtonState::g_XPDefaultColors, v); }
    OleColor BackColor() const { return s_.g_BackColor; }
    void setBackColor(OleColor v);
    OleColor ForeColor() const { return s_.g_ForeColor; }
    void setForeColor(OleColor v);
    QVariant SoundOver() const { return QVariant(s_.g_SoundOver); }
    void setSoundOver(const QVariant& v) { assign(&ButtonState::g_SoundOver, v.toString()); }
    QString SoundClick() const { return s_.g_SoundClick; }
    void setSoundClick(const QString& v) { assign(&ButtonState::g_SoundClick, v); }
    bool DefCurHand() const { return s_.g_DefCurHand; }
    void setDefCurHand(bool v);
    bool XPShowBorderAlways() const { return s_.g_XPShowBorderAlways; }
    void setXPShowBorderAlways(bool v) { assign(&ButtonState::g_XPShowBorderAlways, v); }
    OleColor MaskColor() const { return s_.g_MaskColor; }
    void setMaskColor(OleColor v) { assign(&ButtonState::g_MaskColor, v); }
    bool TransparentBG() const { return s_.g_TransparentBG; }
    void setTransparentBG(bool v) { assign(&ButtonState::g_TransparentBG, v); }
    std::int16_t BEVEL() const { return s_.g_Bevel; }
    void setBEVEL(std::int16_t v) { assign(&ButtonState::g_Bevel, v); }
    std::int16_t BEVELDEPTH() const { return s_.g_BevelDepth; }
    void setBEVELDEPTH(std::int16_t v) { assign(&ButtonState::g_BevelDepth, v); }
    std::int32_t hwnd() const { return surface_ ? surface_->windowHandle() : 0; }
    QString version() const { return s_.surfaceTag; }
    void setVersion(const QString&) {}

    // Rebuilds the whole back image.
    void Refresh();
    // The resize handler: minimum size, metrics, the rounded region, Refresh.
    void Resize();
    // The surface's client size changed (the window calls this), or, offscreen,
    // set it; either way the resize handler runs.
    void setClientSize(double width, double height);

    // The access key derived from the caption; null when there is none.
    static QChar accessKeyFor(const QString& caption) { return accessKeyOf(caption); }

    // Fields, interaction flags included: tests and tools set the flags here
    // and call Refresh.
    ButtonState& state() { return s_; }
    const ButtonState& state() const { return s_; }
    ContainerServices& container() { return container_; }

    const gdi::DeviceContext& backImage() const { return dc_; }
    // The region last handed to the window (rounded style), if any.
    const std::optional<gdi::Region>& windowRegion() const { return region_; }
    // The client area as ARGB32: opaque inside the window region, fully
    // transparent outside it.
    QImage image() const;

    void setSystemColors(const gdi::SystemColors& colors);
    void setTextRendering(gdi::TextRendering rendering) { dc_.setTextRendering(rendering); }

private:
    AmbientValues ambient() const {
        return {container_.ambientDisplayName(), container_.ambientFont()};
    }
    // Every setter notifies with the key of its field's row.
    void notify(const PropertyRow& row);
    template <class T, class Part> void notify(T Part::*field) { notify(rowOf(stateField(field))); }
    // Stores the value, notifies, and does what the field's row says comes after.
    template <class T, class Part> void assign(T Part::*field, const T& v) {
        s_.*field = v;
        const PropertyRow& row = rowOf(stateField(field));
        notify(row);
        if (row.afterSet == AfterSet::Repaint)
            Refresh();
    }
    template <class T, class Part> static StateField stateField(T Part::*field) {
        return static_cast<T ButtonState::*>(field);
    }
    void requestSize(int width, int height);
    void applyCursor();
    void UpdateAccessKey();
    void fontChanged();

    ContainerServices& container_;
    ButtonSurface* surface_;
    ButtonState s_;
    // The Enabled property; s_.surfaceEnabled is what the painters see.
    bool enabled_ = true;
    gdi::DeviceContext dc_;
    std::optional<gdi::Region> region_;
    int resizeDepth_ = 0;
};

} // namespace anybutton
