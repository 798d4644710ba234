#include "anybutton/properties/PropertyBag.h"
#include "anybutton/SavedDesign.h"
#include "anybutton/properties/PropertyError.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <stdexcept>

using namespace anybutton;
using V = PropertyValue;

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.set(QStringLiteral("caption"), V::string(QStringLiteral("B")));
    EXPECT_EQ(bag.read(QStringLiteral("Caption"), V::string({})).toString(), "B");
    EXPECT_EQ(bag.read(QStringLiteral("CAPTION"), V::string({})).toString(), "B");
    bag.set(QStringLiteral("CAPTION"), V::string(QStringLiteral("C")));
    EXPECT_EQ(bag.size(), 1);
    EXPECT_EQ(bag.read(QStringLiteral("caption"), V::string({})).toString(), "C");
}

TEST(PropertyBag, MissingKeyReadsTheDefault) {
    PropertyBag bag;
    EXPECT_EQ(bag.read(QStringLiteral("BEVEL"), V::int16(1)).toInt16(), 1);
}

TEST(PropertyBag, ValueEqualToDefaultIsNotWrittenAndRemovesAnOldOne) {
    PropertyBag bag;
    bag.write(QStringLiteral("BEVEL"), V::int16(1), V::int16(1));
    EXPECT_FALSE(bag.contains(QStringLiteral("BEVEL")));
    bag.write(QStringLiteral("BEVEL"), V::int16(3), V::int16(1));
    EXPECT_TRUE(bag.contains(QStringLiteral("bevel")));
    bag.write(QStringLiteral("Bevel"), V::int16(1), V::int16(1));
    EXPECT_FALSE(bag.contains(QStringLiteral("BEVEL")));
}

TEST(PropertyBag, TrueDiffersFromTheIntegerOneDefault) {
    PropertyBag bag;
    bag.write(QStringLiteral("ShowFocusRect"), V::boolean(true), V::int16(1));
    EXPECT_TRUE(bag.contains(QStringLiteral("ShowFocusRect")));
    bag.write(QStringLiteral("Enabled"), V::boolean(true), V::boolean(true));
    EXPECT_FALSE(bag.contains(QStringLiteral("Enabled")));
    // Numbers of different widths compare by value.
    bag.write(QStringLiteral("MousePointer"), V::int32(0), V::int16(0));
    EXPECT_FALSE(bag.contains(QStringLiteral("MousePointer")));
}

TEST(PropertyBag, TextRoundTripKeepsKindsAndOrder) {
    PropertyBag bag;
    FontDesc font;
    font.name = QStringLiteral("Tahoma");
    font.size = 9.75;
    font.bold = true;
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3));
    bag.set(QStringLiteral("Caption"), V::string(QStringLiteral("A \"q\" \\ & \n b")));
    bag.set(QStringLiteral("BackColor"), V::int32(static_cast<std::int32_t>(0x8000000F)));
    bag.set(QStringLiteral("BEVEL"), V::int16(-3));
    bag.set(QStringLiteral("Enabled"), V::boolean(false));
    bag.set(QStringLiteral("Font"), V::font(font));
    bag.set(QStringLiteral("Picture"),
            V::picture(PictureRef::fromImage(img, PictureRef::Type::Bitmap, 80, 53)));
    bag.set(QStringLiteral("PictureHover"), V::picture(PictureRef::empty()));
    bag.set(QStringLiteral("MouseIcon"), V::picture(PictureRef::handCursor()));

    const QString text = bag.toText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("caption = str ")));
    EXPECT_TRUE(text.contains(QStringLiteral("backcolor = i32 -2147483633\n")));
    const PropertyBag back = PropertyBag::fromText(text);
    ASSERT_EQ(back.size(), bag.size());
    for (const QString& key : bag.keys()) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(back.value(key)->kind(), bag.value(key)->kind());
        EXPECT_TRUE(back.value(key)->sameAs(*bag.value(key)));
    }
    EXPECT_EQ(back.keys(), (std::vector<QString>{"caption", "backcolor", "bevel", "enabled", "font",
                                                 "picture", "picturehover", "mouseicon"}));
}

TEST(PropertyBag, MalformedTextNamesTheLine) {
    for (const char* text : {"caption\n", "a = i16 40000\n", "a = str \"open\n", "a = what 1\n",
                             "a = font \"x\" 8\n"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(PropertyBag::fromText(QString::fromLatin1(text)), std::invalid_argument);
    }
    EXPECT_EQ(PropertyBag::fromText(QStringLiteral("# comment\n\n a = i32 5 \n")).size(), 1);
    const PropertyBag hex =
        PropertyBag::fromText(QStringLiteral("c = i32 0x8000000F\nd = i16 0x10\n"));
    EXPECT_EQ(hex.value(QStringLiteral("c"))->toInt32(), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(hex.value(QStringLiteral("d"))->toInt16(), 16);
    EXPECT_THROW(PropertyBag::fromText(QStringLiteral("a = i32 1.5\n")), std::invalid_argument);
    EXPECT_THROW(PropertyBag::fromText(QStringLiteral("a = i16 0x10000\n")), std::invalid_argument);
}

TEST(PropertyBag, DesignHoldsOneBagPerInstance) {
    const auto design = PropertyBag::parseDesign(
        QStringLiteral("[Command2(0)]\ncaption = str \"B\"\nbuttonstyle = i32 3\n\n[Command1]\n"));
    ASSERT_EQ(design.size(), 2u);
    EXPECT_EQ(design[0].first, "Command2(0)");
    EXPECT_EQ(design[0].second.read(QStringLiteral("ButtonStyle"), V::int32(2)).toInt32(), 3);
    EXPECT_EQ(design[1].second.size(), 0);
    EXPECT_EQ(PropertyBag::parseDesign(PropertyBag::designText(design)).size(), 2u);
    EXPECT_THROW(PropertyBag::parseDesign(QStringLiteral("caption = str \"x\"\n")),
                 std::invalid_argument);
}

struct Conversion {
    PropertyValue value;
    enum Target { Int16, Int32, Bool, String } target;
    std::int64_t expected; // for numbers and booleans (-1/0)
    const char* text;      // for strings
    int error;             // 0, or the PropertyError code
};

TEST(PropertyValue, ConversionsAndTheirErrors) {
    const Conversion cases[] = {
        {V::string(QStringLiteral("12")), Conversion::Int16, 12, nullptr, 0},
        {V::string(QStringLiteral(" 2.5 ")), Conversion::Int32, 2, nullptr, 0},
        {V::string(QStringLiteral("3.5")), Conversion::Int32, 4, nullptr, 0},
        {V::string(QStringLiteral("0x8000000F")), Conversion::Int32, -2147483633, nullptr, 0},
        {V::string(QStringLiteral("&H10")), Conversion::Int16, 16, nullptr, 0},
        {V::string(QStringLiteral("abc")), Conversion::Int32, 0, nullptr, 13},
        {V::string(QStringLiteral("")), Conversion::Int16, 0, nullptr, 13},
        {V::int32(40000), Conversion::Int16, 0, nullptr, 6},
        {V::int32(-32768), Conversion::Int16, -32768, nullptr, 0},
        {V::string(QStringLiteral("99999999999")), Conversion::Int32, 0, nullptr, 6},
        {V::boolean(true), Conversion::Int16, -1, nullptr, 0},
        {V::int16(1), Conversion::Bool, -1, nullptr, 0},
        {V::int16(0), Conversion::Bool, 0, nullptr, 0},
        {V::string(QStringLiteral("True")), Conversion::Bool, -1, nullptr, 0},
        {V::string(QStringLiteral("yes")), Conversion::Bool, 0, nullptr, 13},
        {V::int32(7), Conversion::String, 0, "7", 0},
        {V::boolean(false), Conversion::String, 0, "False", 0},
        {V::picture(PictureRef()), Conversion::Int32, 0, nullptr, 13},
        {V::font(FontDesc()), Conversion::String, 0, nullptr, 13},
    };
    int i = 0;
    for (const Conversion& c : cases) {
        SCOPED_TRACE(i++);
        try {
            switch (c.target) {
            case Conversion::Int16:
                EXPECT_EQ(c.value.toInt16(QStringLiteral("k")), c.expected);
                break;
            case Conversion::Int32:
                EXPECT_EQ(c.value.toInt32(QStringLiteral("k")), c.expected);
                break;
            case Conversion::Bool:
                EXPECT_EQ(c.value.toBool(QStringLiteral("k")) ? -1 : 0, c.expected);
                break;
            case Conversion::String:
                EXPECT_EQ(c.value.toString(QStringLiteral("k")), QString::fromLatin1(c.text));
                break;
            }
            EXPECT_EQ(c.error, 0);
        } catch (const PropertyError& e) {
            EXPECT_EQ(static_cast<int>(e.code()), c.error);
            EXPECT_EQ(e.key(), "k");
        }
    }
    EXPECT_THROW(V::string(QStringLiteral("x")).toPicture(), PropertyError);
}

TEST(SavedDesign, APlaceThatIsNoNumberIsMalformedText) {
    // Found by fuzz/property_bag: the conversion error used to leave the reader
    // as PropertyError, past readSavedDesignFile's catch, and end the program.
    for (const char* place : {"left = str \"x\"", "top = font \"A\" 8 0 0 0 0", "width = pic empty",
                              "height = str \"99999999999\""}) {
        const QString text = QStringLiteral("[cmdOK]\n") + QLatin1String(place) + '\n';
        try {
            readSavedDesign(text);
            ADD_FAILURE() << place << " was read";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("[cmdOK]"), std::string::npos) << e.what();
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.design"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        EXPECT_TRUE(readSavedDesignFile(path).empty()) << place;
    }
    const auto placed = readSavedDesign(QStringLiteral("[a]\nleft = str \"15\"\ntop = bool -1\n"));
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].twips, QRect(15, -1, 0, 0));
}
