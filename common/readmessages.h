#pragma once

#include "common/celltable.h"

#include <QString>
#include <QStringList>

#include <climits>
#include <functional>
#include <vector>

namespace tragvel {

// Where a message of a table-file reader arises: while row `row` (1 = the first) is read, after
// `cellsBefore` of its value cells have been written. A row past the last stands for the end.
struct MessagePlace
{
    int row = 0;
    int cellsBefore = 0;
};

inline constexpr MessagePlace afterTheLastRow{INT_MAX, 0};

// Shows one message of a read; it is given the table as far as it has been written then.
using ReadMessageSink = std::function<void(const CellTable &table, const QString &message)>;

// Replays the messages of a read at their places while its rows are written.
class PlacedMessages
{
public:
    PlacedMessages(const QStringList &texts, const std::vector<MessagePlace> &places, const CellTable &table,
                   const ReadMessageSink &sink)
        : m_texts(texts), m_places(places), m_table(table), m_sink(sink)
    {
    }

    // Shows every message not shown yet whose place is not after (row, cellsBefore).
    void showUpTo(int row, int cellsBefore)
    {
        while (m_next < m_texts.size() && m_next < qsizetype(m_places.size())) {
            const MessagePlace &place = m_places[size_t(m_next)];
            if (place.row > row || (place.row == row && place.cellsBefore > cellsBefore))
                return;
            if (m_sink)
                m_sink(m_table, m_texts[m_next]);
            ++m_next;
        }
    }

    void showRest() { showUpTo(INT_MAX, INT_MAX); }

private:
    const QStringList &m_texts;
    const std::vector<MessagePlace> &m_places;
    const CellTable &m_table;
    const ReadMessageSink &m_sink;
    qsizetype m_next = 0;
};

} // namespace tragvel
