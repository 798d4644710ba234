#include "RenderOptions.h"

#include "anybutton/control/AnyButtonControl.h"
#include "platform/gdi/objects/DeviceContext.h"

#include <cmath>
#include <limits>

namespace anybutton::render {

namespace {

// A whole number read as the property bag reads numbers: decimal, or hex as a
// 32-bit pattern so that 0x8000000F is a colour reference.
std::optional<qint64> parseInteger(const QString& text) {
    double d = 0;
    // Beyond 2^53 a double no longer holds every whole number.
    if (text.contains(QLatin1Char('.')) || !parseNumber(text, d) || std::abs(d) > 9.0e15)
        return std::nullopt;
    return static_cast<qint64>(d);
}

bool parsePair(const QString& text, QChar sep, int& a, int& b) {
    const QStringList parts = text.split(sep);
    if (parts.size() != 2)
        return false;
    const auto x = parseInteger(parts[0]), y = parseInteger(parts[1]);
    if (!x || !y || *x < std::numeric_limits<int>::min() || *x > std::numeric_limits<int>::max() ||
        *y < std::numeric_limits<int>::min() || *y > std::numeric_limits<int>::max())
        return false;
    a = static_cast<int>(*x);
    b = static_cast<int>(*y);
    return true;
}

std::optional<FontDesc> parseFont(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    FontDesc f;
    f.name = parts[0].trimmed();
    if (f.name.isEmpty())
        return std::nullopt;
    for (int i = 1; i < parts.size(); ++i) {
        const QString p = parts[i].trimmed().toLower();
        bool ok = false;
        const double size = p.toDouble(&ok);
        if (ok && i == 1 && size > 0)
            f.size = size;
        else if (p == QLatin1String("bold"))
            f.bold = true;
        else if (p == QLatin1String("italic"))
            f.italic = true;
        else if (p == QLatin1String("underline"))
            f.underline = true;
        else if (p == QLatin1String("strikethrough"))
            f.strikethrough = true;
        else
            return std::nullopt;
    }
    return f;
}

} // namespace

std::optional<PropertyValue> parseSetValue(const QString& key, const QString& text,
                                           QString& error) {
    const auto kind = AnyButtonControl::keyKind(key);
    if (!kind) {
        error = QStringLiteral("unknown property key: %1").arg(key);
        return std::nullopt;
    }
    using Kind = PropertyValue::Kind;
    switch (*kind) {
    case Kind::String:
        return PropertyValue::string(text);
    case Kind::Font: {
        if (auto f = parseFont(text))
            return PropertyValue::font(*f);
        error = QStringLiteral("%1 takes NAME[,SIZE][,bold][,italic][,underline][,strikethrough]")
                    .arg(key);
        return std::nullopt;
    }
    case Kind::Picture:
        error = QStringLiteral("%1 is a picture: use --picture or --hover-picture").arg(key);
        return std::nullopt;
    case Kind::Bool: {
        const auto v = parseInteger(text);
        if (v && (*v == -1 || *v == 0))
            return PropertyValue::boolean(*v == -1);
        error = QStringLiteral("%1 takes -1 or 0").arg(key);
        return std::nullopt;
    }
    case Kind::Int16: {
        const auto v = parseInteger(text);
        if (v && *v >= -32768 && *v <= 32767)
            return PropertyValue::int16(static_cast<std::int16_t>(*v));
        error = QStringLiteral("%1 takes a 16-bit number").arg(key);
        return std::nullopt;
    }
    case Kind::Int32: {
        const auto v = parseInteger(text);
        if (v && *v >= std::numeric_limits<qint32>::min() &&
            *v <= std::numeric_limits<qint32>::max())
            return PropertyValue::int32(static_cast<std::int32_t>(*v));
        error = QStringLiteral("%1 takes a 32-bit number").arg(key);
        return std::nullopt;
    }
    }
    return std::nullopt;
}

ParseResult parseRenderOptions(const QStringList& args) {
    if (args.contains(QLatin1String("--help")))
        return ParseResult{std::nullopt, QString(), Request::Help};
    RenderOptions o;
    auto fail = [](const QString& message) { return ParseResult{std::nullopt, message}; };
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&](QString& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--focus")) {
            o.focus = Focus::On;
        } else if (a == QLatin1String("--disabled")) {
            o.disabled = true;
        } else if (a == QLatin1String("--default")) {
            o.isDefault = true;
        } else if (a == QLatin1String("--design")) {
            o.design = true;
        } else if (a == QLatin1String("--dark")) {
            o.dark = true;
        } else if (a == QLatin1String("--print-layout")) {
            o.printLayout = true;
        } else if (a == QLatin1String("--size")) {
            if (!next(v) || !parsePair(v, QLatin1Char('x'), o.width, o.height) || o.width <= 0 ||
                o.height <= 0 || o.width > 10000 || o.height > 10000)
                return fail(QStringLiteral("--size takes WxH, each 1 to 10000"));
            // The raster layer makes no bitmap larger than this.
            if (std::int64_t{o.width} * o.height > gdi::kMaxBitmapPixels)
                return fail(QStringLiteral("--size %1x%2 is over the limit of %3 pixels in all")
                                .arg(o.width)
                                .arg(o.height)
                                .arg(gdi::kMaxBitmapPixels));
        } else if (a == QLatin1String("--set")) {
            const int eq = next(v) ? v.indexOf(QLatin1Char('=')) : -1;
            if (eq <= 0)
                return fail(QStringLiteral("--set takes KEY=VALUE"));
            QString error;
            const auto value = parseSetValue(v.left(eq), v.mid(eq + 1), error);
            if (!value)
                return fail(error);
            o.bag.set(v.left(eq), *value);
        } else if (a == QLatin1String("--state")) {
            // Disabled is its own switch, --disabled.
            const auto look = next(v) ? lookFromName(v) : std::nullopt;
            if (!look || *look == ButtonLook::Disabled)
                return fail(QStringLiteral("--state takes normal, hover, pressed or armed"));
            o.state = *look;
        } else if (a == QLatin1String("--syscolor")) {
            const int eq = next(v) ? v.indexOf(QLatin1Char('=')) : -1;
            const auto index = eq > 0 ? parseInteger(v.left(eq)) : std::nullopt;
            const QStringList rgb = eq > 0 ? v.mid(eq + 1).split(QLatin1Char(',')) : QStringList();
            RGBValue c;
            int* parts[] = {&c.r, &c.g, &c.b};
            bool ok = index && *index >= 0 && *index < 31 && rgb.size() == 3;
            for (int k = 0; ok && k < 3; ++k) {
                const auto n = parseInteger(rgb[k]);
                ok = n && *n >= 0 && *n <= 255;
                if (ok)
                    *parts[k] = static_cast<int>(*n);
            }
            if (!ok)
                return fail(QStringLiteral("--syscolor takes INDEX=R,G,B (index 0 to 30)"));
            o.sysColors[static_cast<int>(*index)] = c;
        } else if (a == QLatin1String("--picture") || a == QLatin1String("--hover-picture") ||
                   a == QLatin1String("--container-picture") || a == QLatin1String("-o")) {
            if (!next(v) || v.isEmpty())
                return fail(QStringLiteral("%1 takes a file name").arg(a));
            (a == QLatin1String("--picture")         ? o.picture
             : a == QLatin1String("--hover-picture") ? o.hoverPicture
             : a == QLatin1String("-o")              ? o.output
                                                     : o.containerPicture) = v;
        } else if (a == QLatin1String("--position")) {
            if (!next(v) || !parsePair(v, QLatin1Char(','), o.left, o.top))
                return fail(QStringLiteral("--position takes X,Y"));
        } else {
            return fail(QStringLiteral("unknown argument: %1").arg(a));
        }
    }
    if (o.output.isEmpty())
        return fail(QStringLiteral("-o OUT.png is required"));
    return ParseResult{std::move(o), QString()};
}

QString usageText() {
    return QStringLiteral(
        "usage: anybutton-render [--help] [--size WxH] [--set KEY=VALUE]... "
        "[--state normal|hover|pressed|armed]\n"
        "                        [--focus] [--disabled] [--default] [--design] [--dark]\n"
        "                        [--syscolor INDEX=R,G,B]... [--picture FILE] [--hover-picture "
        "FILE]\n"
        "                        [--container-picture FILE] [--position X,Y] [--print-layout] -o "
        "OUT.png\n"
        "Renders one AnyButton, built by its load step from the given property-bag values, to a "
        "PNG.\n"
        "WxH is at most 10000 each and 67108864 pixels in all. --dark takes the system colours\n"
        "a dark desktop gives (Adwaita dark) instead of the light ones; --syscolor still wins.\n"
        "Numbers are decimal or 0x-hex; colours are 32-bit values (red in the low byte, high bit "
        "for\n"
        "system colours); booleans are -1 or 0; Font takes NAME[,SIZE][,bold][,italic]... .\n");
}

} // namespace anybutton::render
