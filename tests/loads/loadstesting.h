#pragma once

#include "common/celltable.h"
#include "loads/loadtable.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace loadstesting {

// A load table with the standard headers and the given rows (each row: label and six cells).
inline tragvel::CellTable table(std::initializer_list<QStringList> rows)
{
    tragvel::CellTable t;
    t.rows.push_back(tragvel::loadTableHeaders());
    for (const QStringList &row : rows)
        t.rows.push_back(row);
    return t;
}

// A row with the given six cells, labelled with its number.
inline QStringList row(int number, QStringList cells)
{
    cells.prepend(QString::number(number));
    return cells;
}

inline QString q(const char *text)
{
    return QString::fromUtf8(text);
}

inline QRgb pixel(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

inline constexpr QRgb black = 0x000000;
inline constexpr QRgb white = 0xFFFFFF;
inline constexpr QRgb red = 0xFF0000;
inline constexpr QRgb blue = 0x0000FF;

} // namespace loadstesting
