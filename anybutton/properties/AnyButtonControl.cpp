#include "anybutton/properties/AnyButtonControl.h"

#include "anybutton/painting/PaintPipeline.h"
#include "anybutton/properties/PropertyError.h"
#include "anybutton/styles/RoundedPainter.h"
#include "platform/gdi/objects/QtConversion.h"

#include <cmath>
#include <limits>

namespace anybutton {

namespace {

using Kind = PropertyValue::Kind;
using V = PropertyValue;

constexpr OleColor kBtnFace = sysColorRef(15);
constexpr OleColor kBtnText = sysColorRef(18);
constexpr OleColor kBtnHighlight = sysColorRef(20);
constexpr OleColor k3DLight = sysColorRef(22);
const char* const kSoundOver = ".\\resources\\over.wav";
const char* const kSoundClick = ".\\resources\\click.wav";

// Persisted keys in save order, with the kind each is written as.
struct KeyKind {
    const char* key;
    Kind kind;
};
constexpr KeyKind kKeys[] = {
    {"Caption", Kind::String},
    {"PicturePosition", Kind::Int32},
    {"ButtonStyle", Kind::Int32},
    {"Picture", Kind::Picture},
    {"PictureWidth", Kind::Int32},
    {"PictureHeight", Kind::Int32},
    {"PictureSize", Kind::Int32},
    {"OriginalPicSizeW", Kind::Int32},
    {"OriginalPicSizeH", Kind::Int32},
    {"PictureHover", Kind::Picture},
    {"Enabled", Kind::Bool},
    {"Font", Kind::Font},
    {"MouseIcon", Kind::Picture},
    {"MousePointer", Kind::Int16},
    {"ShowFocusRect", Kind::Bool},
    {"URL", Kind::String},
    {"XPColor_Pressed", Kind::Int32},
    {"XPColor_Hover", Kind::Int32},
    {"XPDefaultColors", Kind::Bool},
    {"BackColor", Kind::Int32},
    {"ForeColor", Kind::Int32},
    {"SoundOver", Kind::String},
    {"SoundClick", Kind::String},
    {"DefCurHand", Kind::Bool},
    {"XPShowBorderAlways", Kind::Bool},
    {"MaskColor", Kind::Int32},
    {"TransparentBG", Kind::Bool},
    {"BEVEL", Kind::Int16},
    {"BEVELDEPTH", Kind::Int16},
};

// The three booleans whose bag default is the integer 1: it reads as true, and
// since true is -1, a true value is still written.
const PropertyValue kOneDefault = V::int16(1);

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
    s_.surfaceBackColor = kBtnFace;
    s_.surfaceForeColor = kBtnText;
}

std::optional<PropertyValue::Kind> AnyButtonControl::keyKind(const QString& key) {
    for (const KeyKind& k : kKeys)
        if (key.compare(QLatin1String(k.key), Qt::CaseInsensitive) == 0)
            return k.kind;
    return std::nullopt;
}

QString AnyButtonControl::propertyDescription(const QString& property) {
    static const std::pair<const char*, const char*> descriptions[] = {
        {"BackColor",
         "Returns/sets the background color used to display text and graphics in an object."},
        {"ForeColor",
         "Returns/sets the foreground color used to display text and graphics in an object."},
        {"MaskColor",
         "Returns/sets the color that specifies transparent areas in the MaskPicture."},
        {"version", "FileVersion"},
    };
    for (const auto& [name, text] : descriptions)
        if (property == QLatin1String(name))
            return QString::fromLatin1(text);
    return {};
}

void AnyButtonControl::InitProperties() {
    s_.g_BackColor = kBtnFace;
    s_.g_ForeColor = kBtnText;
    s_.g_ShowFocusRect = true;
    s_.surfaceFont = container_.ambientFont();
    s_.g_Font.assign(container_.ambientFont());
    s_.g_Caption = container_.ambientDisplayName();
    s_.g_PicturePosition = PicturePositionLeft;
    s_.g_ButtonStyle = ButtonStyleXP;
    s_.g_PictureWidth = 32;
    s_.g_PictureHeight = 32;
    s_.g_PictureSize = PictureSize32;
    s_.g_PictureHover = PictureRef::empty();
    s_.g_Picture = PictureRef::empty();
    s_.g_URL.clear();
    s_.g_XPColor_Pressed = kBtnHighlight;
    s_.g_XPColor_Hover = k3DLight;
    s_.g_XPDefaultColors = true;
    s_.g_SoundOver = str(kSoundOver);
    s_.g_SoundClick = str(kSoundClick);
    s_.g_DefCurHand = true;
    s_.g_XPShowBorderAlways = false;
    s_.g_MaskColor = 0;
    s_.g_TransparentBG = false;
    s_.g_Bevel = 1;
    s_.g_BevelDepth = 8;
}

void AnyButtonControl::ReadProperties(const PropertyBag& bag) {
    auto rd = [&bag](const char* key, const PropertyValue& def) { return bag.read(str(key), def); };
    const QString name = container_.ambientDisplayName();
    const FontDesc ambient = container_.ambientFont();

    s_.g_BackColor = rd("BackColor", V::int32(kBtnFace)).toInt32(str("BackColor"));
    s_.surfaceBackColor = s_.g_BackColor;
    s_.g_ForeColor = rd("ForeColor", V::int32(kBtnText)).toInt32(str("ForeColor"));
    s_.surfaceForeColor = s_.g_ForeColor;
    s_.g_ShowFocusRect = rd("ShowFocusRect", kOneDefault).toBool(str("ShowFocusRect"));
    s_.g_Caption = rd("Caption", V::string(name)).toString(str("Caption"));
    s_.g_PicturePosition = rd("PicturePosition", V::int32(1)).toInt32(str("PicturePosition"));
    s_.g_ButtonStyle = rd("ButtonStyle", V::int32(2)).toInt32(str("ButtonStyle"));
    s_.g_CurrentPicture = rd("Picture", V::picture(PictureRef())).toPicture(str("Picture"));
    s_.g_PictureWidth = rd("PictureWidth", V::int32(32)).toInt32(str("PictureWidth"));
    s_.g_PictureHeight = rd("PictureHeight", V::int32(32)).toInt32(str("PictureHeight"));
    s_.g_PictureSize = rd("PictureSize", V::int32(1)).toInt32(str("PictureSize"));
    s_.g_OriginalPicSizeW = rd("OriginalPicSizeW", V::int32(32)).toInt32(str("OriginalPicSizeW"));
    s_.g_OriginalPicSizeH = rd("OriginalPicSizeH", V::int32(32)).toInt32(str("OriginalPicSizeH"));
    s_.surfaceFont = rd("Font", V::font(ambient)).toFont(str("Font"));
    s_.g_Font.assign(rd("Font", V::font(ambient)).toFont(str("Font")));
    s_.g_PictureHover = rd("PictureHover", V::picture(PictureRef())).toPicture(str("PictureHover"));
    s_.g_Picture = rd("Picture", V::picture(PictureRef())).toPicture(str("Picture"));
    setMouseIcon(rd("MouseIcon", V::picture(PictureRef())).toPicture(str("MouseIcon")));
    enabled_ = rd("Enabled", V::boolean(true)).toBool(str("Enabled"));
    s_.surfaceEnabled = enabled_;
    if (surface_)
        surface_->enabledChanged(enabled_);
    s_.surfaceMousePointer = rd("MousePointer", V::int16(0)).toInt16(str("MousePointer"));
    applyCursor();
    s_.g_URL = rd("URL", V::string(QString())).toString(str("URL"));
    s_.g_XPColor_Pressed =
        rd("XPColor_Pressed", V::int32(kBtnHighlight)).toInt32(str("XPColor_Pressed"));
    s_.g_XPColor_Hover = rd("XPColor_Hover", V::int32(k3DLight)).toInt32(str("XPColor_Hover"));
    s_.g_XPDefaultColors = rd("XPDefaultColors", kOneDefault).toBool(str("XPDefaultColors"));
    s_.g_SoundOver = rd("SoundOver", V::string(str(kSoundOver))).toString(str("SoundOver"));
    s_.g_SoundClick = rd("SoundClick", V::string(str(kSoundClick))).toString(str("SoundClick"));
    s_.g_DefCurHand = rd("DefCurHand", kOneDefault).toBool(str("DefCurHand"));
    s_.g_XPShowBorderAlways =
        rd("XPShowBorderAlways", V::boolean(false)).toBool(str("XPShowBorderAlways"));
    s_.g_MaskColor = rd("MaskColor", V::int32(0)).toInt32(str("MaskColor"));
    s_.g_TransparentBG = rd("TransparentBG", V::boolean(false)).toBool(str("TransparentBG"));
    s_.g_Bevel = rd("BEVEL", V::int16(1)).toInt16(str("BEVEL"));
    s_.g_BevelDepth = rd("BEVELDEPTH", V::int16(8)).toInt16(str("BEVELDEPTH"));
    UpdateAccessKey();
    Resize();
}

void AnyButtonControl::WriteProperties(PropertyBag& bag) const {
    auto wr = [&bag](const char* key, const PropertyValue& v, const PropertyValue& def) {
        bag.write(str(key), v, def);
    };
    const PictureRef none;
    wr("Caption", V::string(s_.g_Caption), V::string(container_.ambientDisplayName()));
    wr("PicturePosition", V::int32(s_.g_PicturePosition), V::int32(1));
    wr("ButtonStyle", V::int32(s_.g_ButtonStyle), V::int32(2));
    wr("Picture", V::picture(s_.g_CurrentPicture), V::picture(none));
    wr("PictureWidth", V::int32(s_.g_PictureWidth), V::int32(32));
    wr("PictureHeight", V::int32(s_.g_PictureHeight), V::int32(32));
    wr("PictureSize", V::int32(s_.g_PictureSize), V::int32(1));
    wr("OriginalPicSizeW", V::int32(s_.g_OriginalPicSizeW), V::int32(32));
    wr("OriginalPicSizeH", V::int32(s_.g_OriginalPicSizeH), V::int32(32));
    wr("PictureHover", V::picture(s_.g_PictureHover), V::picture(none));
    wr("Enabled", V::boolean(enabled_), V::boolean(true));
    wr("Font", V::font(s_.surfaceFont), V::font(container_.ambientFont()));
    wr("MouseIcon", V::picture(s_.surfaceMouseIcon), V::picture(none));
    wr("MousePointer", V::int16(s_.surfaceMousePointer), V::int16(0));
    wr("ShowFocusRect", V::boolean(s_.g_ShowFocusRect), kOneDefault);
    wr("URL", V::string(s_.g_URL), V::string(QString()));
    wr("XPColor_Pressed", V::int32(s_.g_XPColor_Pressed), V::int32(kBtnHighlight));
    wr("XPColor_Hover", V::int32(s_.g_XPColor_Hover), V::int32(k3DLight));
    wr("XPDefaultColors", V::boolean(s_.g_XPDefaultColors), kOneDefault);
    wr("BackColor", V::int32(s_.g_BackColor), V::int32(kBtnFace));
    wr("ForeColor", V::int32(s_.g_ForeColor), V::int32(kBtnText));
    wr("SoundOver", V::string(s_.g_SoundOver), V::string(str(kSoundOver)));
    wr("SoundClick", V::string(s_.g_SoundClick), V::string(str(kSoundClick)));
    wr("DefCurHand", V::boolean(s_.g_DefCurHand), kOneDefault);
    wr("XPShowBorderAlways", V::boolean(s_.g_XPShowBorderAlways), V::boolean(false));
    wr("MaskColor", V::int32(s_.g_MaskColor), V::int32(0));
    wr("TransparentBG", V::boolean(s_.g_TransparentBG), V::boolean(false));
    wr("BEVEL", V::int16(s_.g_Bevel), V::int16(1));
    wr("BEVELDEPTH", V::int16(s_.g_BevelDepth), V::int16(8));
}

void AnyButtonControl::notify(const char* name) {
    container_.propertyChanged(str(name));
}

void AnyButtonControl::setCaption(const QString& v) {
    s_.g_Caption = v;
    notify("Caption");
    UpdateAccessKey();
    Refresh();
}

void AnyButtonControl::setPicturePosition(std::int32_t v) {
    s_.g_PicturePosition = v;
    notify("PicturePosition");
    Refresh();
}

void AnyButtonControl::setButtonStyle(std::int32_t v) {
    s_.g_ButtonStyle = v;
    notify("ButtonStyle");
    if (v == ButtonStyleRounded)
        setTransparentBG(false);
    Resize();
}

void AnyButtonControl::setPicture(const PictureRef& v) {
    s_.g_CurrentPicture = v;
    s_.g_Picture = v;
    auto natural = [this, &v](bool horizontal) {
        if (v.isNull())
            return 32;
        return horizontal
                   ? PictureRef::himetricToPixels(v.himetricWidth(), container_.screenDpiX())
                   : PictureRef::himetricToPixels(v.himetricHeight(), container_.screenDpiY());
    };
    s_.g_OriginalPicSizeW = natural(true);
    s_.g_OriginalPicSizeH = natural(false);
    notify("Picture");
    if (s_.g_PictureSize == PictureSizeNatural) {
        s_.g_PictureWidth = natural(true);
        s_.g_PictureHeight = natural(false);
    }
    Refresh();
}

void AnyButtonControl::setPictureWidth(std::int32_t v) {
    s_.g_PictureWidth = v;
    notify("PictureWidth");
    Refresh();
}

void AnyButtonControl::setPictureHeight(std::int32_t v) {
    s_.g_PictureHeight = v;
    notify("PictureHeight");
    Refresh();
}

void AnyButtonControl::setPictureSize(std::int32_t v) {
    s_.g_PictureSize = v;
    notify("PictureSize");
    switch (v) {
    case PictureSize16:
        s_.g_PictureWidth = s_.g_PictureHeight = 16;
        break;
    case PictureSize32:
        s_.g_PictureWidth = s_.g_PictureHeight = 32;
        break;
    case PictureSizeNatural:
        if (s_.g_CurrentPicture.isNull()) {
            s_.g_PictureWidth = s_.g_PictureHeight = 32;
        } else {
            s_.g_PictureWidth = s_.g_OriginalPicSizeW;
            s_.g_PictureHeight = s_.g_OriginalPicSizeH;
        }
        break;
    default:
        break;
    }
    Refresh();
}

void AnyButtonControl::setPictureHover(const PictureRef& v) {
    s_.g_PictureHover = v;
    notify("PictureHover");
}

void AnyButtonControl::setEnabled(bool v) {
    enabled_ = v;
    s_.surfaceEnabled = v;
    if (surface_)
        surface_->enabledChanged(v);
    notify("Enabled");
    Refresh();
}

void AnyButtonControl::setSurfaceEnabled(bool effective) {
    if (s_.surfaceEnabled == effective)
        return;
    s_.surfaceEnabled = effective;
    Refresh();
}

void AnyButtonControl::setFont(const FontDesc& v) {
    ButtonFont& f = s_.g_Font;
    f.setName(v.name);
    f.setSize(v.size);
    f.setBold(v.bold);
    f.setItalic(v.italic);
    f.setUnderline(v.underline);
    f.setStrikethrough(v.strikethrough);
    notify("Font");
}

void AnyButtonControl::fontChanged() {
    s_.surfaceFont = s_.g_Font.attributes();
    Refresh();
}

void AnyButtonControl::setMouseIcon(const PictureRef& v) {
    s_.surfaceMouseIcon = v;
    applyCursor();
    notify("MouseIcon");
}

void AnyButtonControl::setMousePointer(std::int32_t v) {
    if (v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        throw PropertyError(PropertyError::Code::Overflow, str("MousePointer"));
    s_.surfaceMousePointer = static_cast<std::int16_t>(v);
    applyCursor();
    notify("MousePointer");
}

void AnyButtonControl::setShowFocusRect(bool v) {
    s_.g_ShowFocusRect = v;
    notify("ShowFocusRect");
    Refresh();
}

void AnyButtonControl::setURL(const QString& v) {
    s_.g_URL = v;
    notify("URL");
}

void AnyButtonControl::setXPColor_Pressed(OleColor v) {
    s_.g_XPColor_Pressed = v;
    notify("XPColor_Pressed");
}

void AnyButtonControl::setXPColor_Hover(OleColor v) {
    s_.g_XPColor_Hover = v;
    notify("XPColor_Hover");
}

void AnyButtonControl::setXPDefaultColors(bool v) {
    s_.g_XPDefaultColors = v;
    notify("XPDefaultColors");
}

void AnyButtonControl::setBackColor(OleColor v) {
    s_.g_BackColor = v;
    notify("BackColor");
    s_.surfaceBackColor = v;
    Refresh();
}

void AnyButtonControl::setForeColor(OleColor v) {
    s_.g_ForeColor = v;
    notify("ForeColor");
    s_.surfaceForeColor = v;
    Refresh();
}

void AnyButtonControl::setSoundOver(const QVariant& v) {
    s_.g_SoundOver = v.toString();
    notify("SoundOver");
}

void AnyButtonControl::setSoundClick(const QString& v) {
    s_.g_SoundClick = v;
    notify("SoundClick");
}

void AnyButtonControl::setDefCurHand(bool v) {
    s_.g_DefCurHand = v;
    notify("DefCurHand");
    if (v) {
        s_.surfaceMouseIcon = PictureRef::handCursor();
        s_.surfaceMousePointer = 99;
    } else {
        s_.surfaceMouseIcon = PictureRef();
    }
    applyCursor();
}

void AnyButtonControl::setXPShowBorderAlways(bool v) {
    s_.g_XPShowBorderAlways = v;
    notify("XPShowBorderAlways");
}

void AnyButtonControl::setMaskColor(OleColor v) {
    s_.g_MaskColor = v;
    notify("MaskColor");
    Refresh();
}

void AnyButtonControl::setTransparentBG(bool v) {
    s_.g_TransparentBG = v;
    notify("TransparentBG");
    Refresh();
}

void AnyButtonControl::setBEVEL(std::int16_t v) {
    s_.g_Bevel = v;
    notify("BEVEL");
    Refresh();
}

void AnyButtonControl::setBEVELDEPTH(std::int16_t v) {
    s_.g_BevelDepth = v;
    notify("BEVELDEPTH");
    Refresh();
}

void AnyButtonControl::applyCursor() {
    if (surface_)
        surface_->cursorChanged(s_.surfaceMousePointer, s_.surfaceMouseIcon);
}

QChar AnyButtonControl::accessKeyFor(const QString& caption) {
    if (caption.size() < 2)
        return {};
    const int first = caption.indexOf(QLatin1Char('&'));
    if (first < 0 || first == caption.size() - 1)
        return {};
    if (caption[first + 1] != QLatin1Char('&'))
        return caption[first + 1].toLower();
    const int second = caption.indexOf(QLatin1Char('&'), first + 2);
    if (second < 0 || second == caption.size() - 1)
        return {};
    if (caption[second + 1] != QLatin1Char('&'))
        return caption[second + 1].toLower();
    return {};
}

void AnyButtonControl::UpdateAccessKey() {
    s_.surfaceAccessKey = accessKeyFor(s_.g_Caption);
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
    PaintContext ctx{s_, dc_, container_};
    anybutton::Refresh(ctx);
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
