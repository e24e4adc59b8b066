#include "common/codepage1250.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

TEST(CodePage1250, EncodesCzechTextAndMarksTheRest)
{
    EXPECT_EQ(tragvel::toCodePage1250(QStringLiteral("Příčinková čára")),
              QByteArray("P\xF8\xED\xE8inkov\xE1 \xE8\xE1ra"));
    EXPECT_EQ(tragvel::toCodePage1250(QStringLiteral("ω€")), QByteArray("?\x80"));
    EXPECT_EQ(tragvel::toCodePage1250(QString()), QByteArray());
}
