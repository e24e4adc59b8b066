#include "common/tablecommands.h"
#include "common/tabletexts.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace tragvel;

namespace {

TEST(TableCommands, NewTableRowsFromTheAnswer)
{
    const QString tooMany = QStringLiteral("too many");
    const QString notWhole = tableTexts::notWholeNumber();
    const QString notPositive = tableTexts::rowCountNotPositive();
    const struct
    {
        const char *answer;
        std::optional<int> rows;
        QStringList messages;
    } cases[] = {
        {"2", 2, {}},           {" 25", 25, {}},          {"26", std::nullopt, {tooMany}},
        {"0", std::nullopt, {notPositive}}, {"-3", std::nullopt, {notPositive}},
        {"abc", 1, {notWhole}}, {"5 ", 1, {notWhole}},    {"", 1, {notWhole}},
    };
    for (const auto &c : cases) {
        const NewTableRows result = newTableRows(QString::fromUtf8(c.answer), 25, tooMany);
        EXPECT_EQ(result.rows, c.rows) << c.answer;
        EXPECT_EQ(result.messages, c.messages) << c.answer;
    }
}

} // namespace
