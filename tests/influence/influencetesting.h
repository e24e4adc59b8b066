#pragma once

#include "common/celltable.h"
#include "influence/linekind.h"
#include "influence/linetable.h"

#include <QString>

#include <initializer_list>
#include <utility>

// An influence-line table of the kind with the given (station, ordinate) texts as rows 1..N.
inline tragvel::CellTable lineTable(std::initializer_list<std::pair<const char *, const char *>> points,
                                    const tragvel::LineKind &kind = tragvel::longitudinalLine())
{
    tragvel::CellTable table = tragvel::initialLineTable(kind);
    table.rows.resize(1);
    int row = 1;
    for (const auto &[station, ordinate] : points) {
        table.rows.push_back({QString::number(row), QString::fromUtf8(station),
                              QString::fromUtf8(ordinate)});
        ++row;
    }
    return table;
}

inline const QChar comma = QLatin1Char(',');
