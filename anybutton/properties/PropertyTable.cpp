#include "anybutton/properties/PropertyTable.h"

#include <algorithm>
#include <stdexcept>

namespace anybutton {

namespace {

using V = PropertyValue;
using S = ButtonState;

const char* const kSoundOver = ".\\resources\\over.wav";
const char* const kSoundClick = ".\\resources\\click.wav";
constexpr OleColor kPressed = sysColorRef(gdi::COLOR_BTNHIGHLIGHT);
constexpr OleColor kHover = sysColorRef(gdi::COLOR_3DLIGHT);

QString str(const char* s) {
    return QString::fromLatin1(s);
}

std::vector<PropertyRow> buildRows() {
    // The three booleans whose bag default is the integer 1: it reads as true,
    // and since true is -1, a true value is still written.
    const V one = V::int16(1);
    const V none = V::picture(PictureRef());
    const V empty = V::picture(PictureRef::empty());
    const auto name = FromContainer::DisplayName;
    const auto font = FromContainer::Font;
    const auto nothing = AfterSet::Nothing;
    const auto repaint = AfterSet::Repaint;
    const auto own = AfterSet::OwnSteps;
    using R = LoadRule;
    // key, field, bag default, new-instance value, after setting, load rule,
    // second loaded field, new-instance field, description.
    // We choose: a loaded picture fills the shown and the resting picture at
    // once, so a load that fails later never leaves the two apart.
    return {
        {"Caption", &S::g_Caption, name, name, own},
        {"PicturePosition", &S::g_PicturePosition, V::int32(PicturePositionLeft),
         V::int32(PicturePositionLeft), repaint},
        {"ButtonStyle", &S::g_ButtonStyle, V::int32(ButtonStyleXP), V::int32(ButtonStyleXP), own},
        {"Picture", &S::g_CurrentPicture, none, empty, own, R::Store, &S::g_Picture, &S::g_Picture},
        {"PictureWidth", &S::g_PictureWidth, V::int32(32), V::int32(32), repaint},
        {"PictureHeight", &S::g_PictureHeight, V::int32(32), V::int32(32), repaint},
        {"PictureSize", &S::g_PictureSize, V::int32(PictureSize32), V::int32(PictureSize32), own},
        // The natural size has no property of its own.
        {"OriginalPicSizeW", &S::g_OriginalPicSizeW, V::int32(32), std::nullopt},
        {"OriginalPicSizeH", &S::g_OriginalPicSizeH, V::int32(32), std::nullopt},
        {"PictureHover", &S::g_PictureHover, none, empty, nothing},
        {"Enabled", &S::surfaceEnabled, V::boolean(true), std::nullopt, own, R::Enabled},
        {"Font", &S::surfaceFont, font, font, own, R::Font},
        {"MouseIcon", &S::surfaceMouseIcon, none, std::nullopt, own, R::MouseIcon},
        {"MousePointer", &S::surfaceMousePointer, V::int16(0), std::nullopt, own, R::Cursor},
        {"ShowFocusRect", &S::g_ShowFocusRect, one, V::boolean(true), repaint},
        {"URL", &S::g_URL, V::string(QString()), V::string(QString()), nothing},
        {"XPColor_Pressed", &S::g_XPColor_Pressed, V::int32(kPressed), V::int32(kPressed), nothing},
        {"XPColor_Hover", &S::g_XPColor_Hover, V::int32(kHover), V::int32(kHover), nothing},
        {"XPDefaultColors", &S::g_XPDefaultColors, one, V::boolean(true), nothing},
        {"BackColor", &S::g_BackColor, V::int32(kButtonFace), V::int32(kButtonFace), own, R::Store,
         &S::surfaceBackColor, std::nullopt,
         "Returns/sets the background color used to display text and graphics in an object."},
        {"ForeColor", &S::g_ForeColor, V::int32(kButtonText), V::int32(kButtonText), own, R::Store,
         &S::surfaceForeColor, std::nullopt,
         "Returns/sets the foreground color used to display text and graphics in an object."},
        {"SoundOver", &S::g_SoundOver, V::string(str(kSoundOver)), V::string(str(kSoundOver)),
         nothing},
        {"SoundClick", &S::g_SoundClick, V::string(str(kSoundClick)), V::string(str(kSoundClick)),
         nothing},
        {"DefCurHand", &S::g_DefCurHand, one, V::boolean(true), own},
        {"XPShowBorderAlways", &S::g_XPShowBorderAlways, V::boolean(false), V::boolean(false),
         nothing},
        {"MaskColor", &S::g_MaskColor, V::int32(0), V::int32(0), repaint, R::Store, std::nullopt,
         std::nullopt,
         "Returns/sets the color that specifies transparent areas in the MaskPicture."},
        {"TransparentBG", &S::g_TransparentBG, V::boolean(false), V::boolean(false), repaint},
        {"BEVEL", &S::g_Bevel, V::int16(1), V::int16(1), repaint},
        {"BEVELDEPTH", &S::g_BevelDepth, V::int16(8), V::int16(8), repaint},
    };
}

// The load step reads the keys in this order.
constexpr StateField kLoadOrder[] = {
    &S::g_BackColor,          &S::g_ForeColor,    &S::g_ShowFocusRect,    &S::g_Caption,
    &S::g_PicturePosition,    &S::g_ButtonStyle,  &S::g_CurrentPicture,   &S::g_PictureWidth,
    &S::g_PictureHeight,      &S::g_PictureSize,  &S::g_OriginalPicSizeW, &S::g_OriginalPicSizeH,
    &S::surfaceFont,          &S::g_PictureHover, &S::surfaceMouseIcon,   &S::surfaceEnabled,
    &S::surfaceMousePointer,  &S::g_URL,          &S::g_XPColor_Pressed,  &S::g_XPColor_Hover,
    &S::g_XPDefaultColors,    &S::g_SoundOver,    &S::g_SoundClick,       &S::g_DefCurHand,
    &S::g_XPShowBorderAlways, &S::g_MaskColor,    &S::g_TransparentBG,    &S::g_Bevel,
    &S::g_BevelDepth,
};

} // namespace

const std::vector<PropertyRow>& propertyRows() {
    static const std::vector<PropertyRow> rows = buildRows();
    return rows;
}

const std::vector<const PropertyRow*>& propertyLoadOrder() {
    static const std::vector<const PropertyRow*> order = [] {
        std::vector<const PropertyRow*> o;
        for (const StateField& field : kLoadOrder)
            o.push_back(&rowOf(field));
        std::vector<const PropertyRow*> each = o;
        std::sort(each.begin(), each.end());
        if (each.size() != propertyRows().size() ||
            std::adjacent_find(each.begin(), each.end()) != each.end())
            throw std::logic_error("the load order must name every property once");
        return o;
    }();
    return order;
}

const PropertyRow* findPropertyRow(const QString& key) {
    for (const PropertyRow& row : propertyRows())
        if (key.compare(QLatin1String(row.key), Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

const PropertyRow& rowOf(const StateField& field) {
    for (const PropertyRow& row : propertyRows())
        if (row.field == field)
            return row;
    throw std::logic_error("a property field without a row");
}

PropertyValue::Kind kindOf(const StateField& field) {
    // The field alternatives are listed in the order of the bag kinds.
    return static_cast<PropertyValue::Kind>(field.index());
}

PropertyValue resolve(const RowValue& value, const AmbientValues& ambient) {
    if (const auto* literal = std::get_if<PropertyValue>(&value))
        return *literal;
    return std::get<FromContainer>(value) == FromContainer::DisplayName
               ? V::string(ambient.displayName)
               : V::font(ambient.font);
}

PropertyValue fieldValue(const ButtonState& s, const StateField& field) {
    return std::visit(
        [&s](auto member) {
            const auto& v = s.*member;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return V::boolean(v);
            else if constexpr (std::is_same_v<T, std::int16_t>)
                return V::int16(v);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                return V::int32(v);
            else if constexpr (std::is_same_v<T, QString>)
                return V::string(v);
            else if constexpr (std::is_same_v<T, FontDesc>)
                return V::font(v);
            else
                return V::picture(v);
        },
        field);
}

void storeField(ButtonState& s, const StateField& field, const PropertyValue& v,
                const QString& key) {
    std::visit(
        [&](auto member) {
            auto& target = s.*member;
            using T = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<T, bool>)
                target = v.toBool(key);
            else if constexpr (std::is_same_v<T, std::int16_t>)
                target = v.toInt16(key);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                target = v.toInt32(key);
            else if constexpr (std::is_same_v<T, QString>)
                target = v.toString(key);
            else if constexpr (std::is_same_v<T, FontDesc>)
                target = v.toFont(key);
            else
                target = v.toPicture(key);
        },
        field);
}

QString propertyDescriptionText(const QString& property) {
    // "version" has no key of its own.
    if (property == QLatin1String("version"))
        return QStringLiteral("FileVersion");
    for (const PropertyRow& row : propertyRows())
        if (row.description && property == QLatin1String(row.key))
            return QString::fromLatin1(row.description);
    return {};
}

} // namespace anybutton
