#include "anybutton/properties/PropertyValue.h"

#include "anybutton/properties/PropertyError.h"

#include <QBuffer>
#include <QByteArray>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

namespace anybutton {

namespace {

using Code = PropertyError::Code;

QString escape(const QString& s) {
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted string starting at pos; leaves pos after the closing quote.
QString unescape(const QString& s, int& pos) {
    if (pos >= s.size() || s[pos] != QLatin1Char('"'))
        throw std::invalid_argument("expected a quoted string");
    QString out;
    for (++pos; pos < s.size(); ++pos) {
        QChar c = s[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return out;
        }
        if (c == QLatin1Char('\\') && pos + 1 < s.size()) {
            QChar e = s[++pos];
            out += e == QLatin1Char('n')   ? QChar('\n')
                   : e == QLatin1Char('r') ? QChar('\r')
                   : e == QLatin1Char('t') ? QChar('\t')
                                           : e;
        } else {
            out += c;
        }
    }
    throw std::invalid_argument("unterminated string");
}

// A whole 32-bit number in decimal, or 0x-hex read as a 32-bit pattern.
std::optional<std::int32_t> parseWhole(const QString& text) {
    if (text.contains(QLatin1Char('.')))
        return std::nullopt;
    double d = 0;
    if (!parseNumber(text, d) || d < -2147483648.0 || d > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(d);
}

QString boolText(bool b) {
    return b ? QStringLiteral("-1") : QStringLiteral("0");
}

bool parseBoolText(const QString& t) {
    bool ok = false;
    int v = t.toInt(&ok);
    if (!ok)
        throw std::invalid_argument("expected -1 or 0");
    return v != 0;
}

std::int64_t roundedInteger(double d, const QString& key) {
    double r = std::nearbyint(d);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw PropertyError(Code::Overflow, key);
    return static_cast<std::int64_t>(r);
}

} // namespace

bool parseNumber(const QString& text, double& out) {
    QString t = text.trimmed();
    bool neg = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        neg = t[0] == QLatin1Char('-');
        t = t.mid(1);
    }
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
        t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = t.mid(2);
        bool ok = false;
        quint64 u = digits.toULongLong(&ok, 16);
        if (!ok || digits.isEmpty() || u > 0xFFFFFFFFull)
            return false;
        // Hex is a 32-bit pattern: 0x8000000F is a system-colour reference.
        double v = static_cast<std::int32_t>(static_cast<std::uint32_t>(u));
        out = neg ? -v : v;
        return true;
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (!c.isDigit() && c != QLatin1Char('.'))
            return false;
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok)
        return false;
    out = neg ? -v : v;
    return true;
}

bool PropertyValue::numeric(std::int64_t& out) const {
    if (auto b = std::get_if<bool>(&v_))
        out = *b ? -1 : 0;
    else if (auto i = std::get_if<std::int16_t>(&v_))
        out = *i;
    else if (auto j = std::get_if<std::int32_t>(&v_))
        out = *j;
    else
        return false;
    return true;
}

bool PropertyValue::toBool(const QString& key) const {
    std::int64_t n = 0;
    if (numeric(n))
        return n != 0;
    if (auto s = std::get_if<QString>(&v_)) {
        QString t = s->trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        double d = 0;
        if (parseNumber(t, d))
            return d != 0;
    }
    throw PropertyError(Code::TypeMismatch, key);
}

std::int32_t PropertyValue::toInt32(const QString& key) const {
    std::int64_t n = 0;
    if (numeric(n))
        return static_cast<std::int32_t>(n);
    if (auto s = std::get_if<QString>(&v_)) {
        double d = 0;
        if (parseNumber(*s, d))
            return static_cast<std::int32_t>(roundedInteger(d, key));
    }
    throw PropertyError(Code::TypeMismatch, key);
}

std::int16_t PropertyValue::toInt16(const QString& key) const {
    std::int64_t n = toInt32(key);
    if (n < std::numeric_limits<std::int16_t>::min() ||
        n > std::numeric_limits<std::int16_t>::max())
        throw PropertyError(Code::Overflow, key);
    return static_cast<std::int16_t>(n);
}

QString PropertyValue::toString(const QString& key) const {
    if (auto s = std::get_if<QString>(&v_))
        return *s;
    if (auto b = std::get_if<bool>(&v_))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    std::int64_t n = 0;
    if (numeric(n))
        return QString::number(n);
    throw PropertyError(Code::TypeMismatch, key);
}

FontDesc PropertyValue::toFont(const QString& key) const {
    if (auto f = std::get_if<FontDesc>(&v_))
        return *f;
    throw PropertyError(Code::TypeMismatch, key);
}

PictureRef PropertyValue::toPicture(const QString& key) const {
    if (auto p = std::get_if<PictureRef>(&v_))
        return *p;
    throw PropertyError(Code::TypeMismatch, key);
}

bool PropertyValue::sameAs(const PropertyValue& other) const {
    std::int64_t a = 0, b = 0;
    if (numeric(a) && other.numeric(b))
        return a == b;
    if (v_.index() != other.v_.index())
        return false;
    return v_ == other.v_;
}

QString PropertyValue::serialise() const {
    switch (kind()) {
    case Kind::Bool:
        return QStringLiteral("bool ") + boolText(std::get<bool>(v_));
    case Kind::Int16:
        return QStringLiteral("i16 %1").arg(std::get<std::int16_t>(v_));
    case Kind::Int32:
        return QStringLiteral("i32 %1").arg(std::get<std::int32_t>(v_));
    case Kind::String:
        return QStringLiteral("str ") + escape(std::get<QString>(v_));
    case Kind::Font: {
        const FontDesc& f = std::get<FontDesc>(v_);
        return QStringLiteral("font %1 %2 %3 %4 %5 %6")
            .arg(escape(f.name), QString::number(f.size, 'g', 10), boolText(f.bold),
                 boolText(f.italic), boolText(f.underline), boolText(f.strikethrough));
    }
    case Kind::Picture: {
        const PictureRef& p = std::get<PictureRef>(v_);
        if (p.isNull())
            return QStringLiteral("pic null");
        if (p.isEmpty())
            return QStringLiteral("pic empty");
        if (p.isHandCursor())
            return QStringLiteral("pic hand");
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        p.image().save(&buf, "PNG");
        return QStringLiteral("pic %1 %2 %3 %4")
            .arg(static_cast<int>(p.type()))
            .arg(p.himetricWidth())
            .arg(p.himetricHeight())
            .arg(QString::fromLatin1(png.toBase64()));
    }
    }
    return {};
}

PropertyValue PropertyValue::parse(const QString& text) {
    const QString t = text.trimmed();
    const int sp = t.indexOf(QLatin1Char(' '));
    const QString kind = sp < 0 ? t : t.left(sp);
    const QString rest = sp < 0 ? QString() : t.mid(sp + 1).trimmed();
    bool ok = false;
    if (kind == QLatin1String("bool"))
        return boolean(parseBoolText(rest));
    if (kind == QLatin1String("i16")) {
        const auto v = parseWhole(rest);
        if (!v || *v < -32768 || *v > 32767)
            throw std::invalid_argument("bad 16-bit value");
        return int16(static_cast<std::int16_t>(*v));
    }
    if (kind == QLatin1String("i32")) {
        const auto v = parseWhole(rest);
        if (!v)
            throw std::invalid_argument("bad 32-bit value");
        return int32(*v);
    }
    if (kind == QLatin1String("str")) {
        int pos = 0;
        QString s = unescape(rest, pos);
        if (pos != rest.size())
            throw std::invalid_argument("text after string");
        return string(s);
    }
    if (kind == QLatin1String("font")) {
        int pos = 0;
        FontDesc f;
        f.name = unescape(rest, pos);
        const QStringList parts = rest.mid(pos).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 5)
            throw std::invalid_argument("bad font");
        f.size = parts[0].toDouble(&ok);
        if (!ok)
            throw std::invalid_argument("bad font size");
        f.bold = parseBoolText(parts[1]);
        f.italic = parseBoolText(parts[2]);
        f.underline = parseBoolText(parts[3]);
        f.strikethrough = parseBoolText(parts[4]);
        return font(f);
    }
    if (kind == QLatin1String("pic")) {
        if (rest == QLatin1String("null"))
            return picture(PictureRef());
        if (rest == QLatin1String("empty"))
            return picture(PictureRef::empty());
        if (rest == QLatin1String("hand"))
            return picture(PictureRef::handCursor());
        const QStringList parts = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 4)
            throw std::invalid_argument("bad picture");
        QImage img;
        if (!img.loadFromData(QByteArray::fromBase64(parts[3].toLatin1()), "PNG"))
            throw std::invalid_argument("bad picture data");
        return picture(PictureRef::fromImage(img, static_cast<PictureRef::Type>(parts[0].toInt()),
                                             parts[1].toInt(), parts[2].toInt()));
    }
    throw std::invalid_argument("unknown value kind");
}

} // namespace anybutton
