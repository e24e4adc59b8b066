#include "common/tablecommands.h"

#include "common/numbertext.h"
#include "common/tabletexts.h"

namespace tragvel {

NewTableRows newTableRows(const QString &answer, int maxRows, const QString &tooManyRows)
{
    NewTableRows result;
    std::optional<int> rows = parseWhole(answer);
    if (!rows) {
        result.messages << tableTexts::notWholeNumber();
        rows = 1;
    }
    if (*rows < 1) {
        result.messages << tableTexts::rowCountNotPositive();
        return result;
    }
    if (*rows > maxRows) {
        result.messages << tooManyRows;
        return result;
    }
    result.rows = rows;
    return result;
}

} // namespace tragvel
