#include "core/DocumentType.h"

#include <gtest/gtest.h>

using core::DocumentType;

TEST(DocumentType, TheLastFourCharactersOfTheFileNameDecide) {
    struct Case {
        const char* path;
        DocumentType type;
    };
    const Case cases[] = {
        {"/w/PAGE.XML", DocumentType::XML},   {"/w/x.css", DocumentType::CSS},
        {"/w/Site.CSS", DocumentType::CSS},   {"/w/a.asp", DocumentType::ASP},
        {"/w/index.htm", DocumentType::HTML}, {"/w/notes.txt", DocumentType::HTML},
        {"/w/page", DocumentType::HTML},      {"css", DocumentType::HTML},
        {".xm", DocumentType::HTML},          {".css", DocumentType::CSS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::documentTypeForPath(QString::fromLatin1(c.path)), c.type) << c.path;
}
