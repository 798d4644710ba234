#include "anybutton/TestSupport.h"

#include <gtest/gtest.h>

using namespace anybutton;

TEST(AnyButtonPropertyTable, AccessKeyFromTheCaption) {
    const std::pair<const char*, QChar> cases[] = {
        {"&Open", 'o'},     {"Save && Exit", QChar()},
        {"A && &B", 'b'},   {"A&&B", QChar()},
        {"&", QChar()},     {"x&", QChar()},
        {"&&&&x", QChar()}, {"a&&b&", QChar()},
        {"", QChar()},      {"Fi&LE", 'l'},
    };
    for (const auto& [caption, key] : cases) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(AnyButtonControl::accessKeyFor(QString::fromLatin1(caption)), key);
    }
}

TEST(AnyButtonPropertyTable, KeyKindsCoverTheSavedKeys) {
    SimpleContainer container;
    AnyButtonControl button(container);
    button.InitProperties();
    button.setPicture(PictureRef::empty());
    button.setFont(FontDesc());
    button.setMousePointer(1);
    PropertyBag bag;
    button.WriteProperties(bag);
    for (const QString& key : bag.keys()) {
        SCOPED_TRACE(key.toStdString());
        ASSERT_TRUE(AnyButtonControl::keyKind(key.toLower()).has_value());
        const auto kind = *AnyButtonControl::keyKind(key);
        EXPECT_EQ(kind, bag.value(key)->kind());
    }
    EXPECT_FALSE(AnyButtonControl::keyKind(QStringLiteral("hwnd")).has_value());
    EXPECT_EQ(AnyButtonControl::propertyDescription(QStringLiteral("version")), "FileVersion");
    EXPECT_TRUE(AnyButtonControl::propertyDescription(QStringLiteral("MaskColor"))
                    .endsWith("MaskPicture."));
    EXPECT_TRUE(AnyButtonControl::propertyDescription(QStringLiteral("Caption")).isEmpty());
}
