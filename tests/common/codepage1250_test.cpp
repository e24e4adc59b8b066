#include "common/codepage1250.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

TEST(CodePage1250, EncodesCzechTextAndMarksTheRest)
{
    EXPECT_EQ(tragvel::toCodePage1250(QStringLiteral("Příčinková čára")),
              QByteArray("P\xF8\xED\xE8inkov\xE1 \xE8\xE1ra"));
    EXPECT_EQ(tragvel::toCodePage1250(QStringLiteral("ω€")), QByteArray("?\x80"));
    EXPECT_EQ(tragvel::toCodePage1250(QString()), QByteArray());
    // A character beyond the first plane is one '?', and so is each lone half of a pair.
    const QChar high(char16_t(0xD83D));
    const QChar low(char16_t(0xDE00));
    EXPECT_EQ(tragvel::toCodePage1250(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(tragvel::toCodePage1250(QString(u'a') + low + high + u'b' + high), QByteArray("a??b?"));
    EXPECT_EQ(tragvel::toCodePage1250(QString(high) + high + low), QByteArray("??"));
}
