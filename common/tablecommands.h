#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tragvel {

// What the answer to the new-table box asks for: the row count, or nothing when the table must stay
// as it is, and the messages the answer raises, in order. An answer that is not a whole number
// counts as one row (after its message); a count below 1 or above the limit is refused.
struct NewTableRows
{
    std::optional<int> rows;
    QStringList messages;
};

NewTableRows newTableRows(const QString &answer, int maxRows, const QString &tooManyRows);

} // namespace tragvel
