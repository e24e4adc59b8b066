#include "common/tableediting.h"

#include "common/numbertext.h"

#include <QRegularExpression>

#include <algorithm>

namespace tragvel {

namespace {

// Far more than the largest table holds (101 rows of 7 cells), far less than would stall the window.
constexpr qsizetype kMaxPastedCharacters = 1 << 20;

bool isBinary(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == QChar::ReplacementCharacter;
    });
}

QString programNotation(const QString &cell, QChar decimalSeparator)
{
    const QString text = cell.trimmed();
    const QChar other = decimalSeparator == u',' ? u'.' : u',';
    if (text.contains(other)) {
        QString converted = text;
        converted.replace(other, decimalSeparator);
        if (parseReal(converted, decimalSeparator))
            return converted;
    }
    return text;
}

void renumber(CellTable &table, const TableShape &shape)
{
    for (int row = 1; row < table.rowCount(); ++row)
        table.setCell(0, row, shape.rowLabel(row));
}

QStringList emptyRow(int columns)
{
    return QStringList(columns, QString());
}

} // namespace

QString copiedText(const CellTable &table, int left, int top, int right, int bottom)
{
    QString text;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column)
            cells << table.cell(column, row);
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

PastedBlock parsePastedText(const QString &text, QChar decimalSeparator)
{
    PastedBlock block;
    if (text.size() > kMaxPastedCharacters) {
        block.error = QStringLiteral("Vkládaný text je příliš dlouhý (%1 znaků), tabulka pojme nejvýše %2 znaků. "
                                     "Zkopírujte menší blok buněk.")
                          .arg(text.size())
                          .arg(kMaxPastedCharacters);
        return block;
    }
    if (isBinary(text)) {
        block.error = QStringLiteral("Schránka neobsahuje text tabulky (obsahuje řídicí znaky). "
                                     "Zkopírujte buňky z tabulky nebo z tabulkového procesoru.");
        return block;
    }
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast(); // a spreadsheet ends its block with a newline
    if (lines.isEmpty()) {
        block.error = QStringLiteral("Schránka neobsahuje nic k vložení. Zkopírujte nejdříve buňky.");
        return block;
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const bool tabs = text.contains(u'\t');
    const bool semicolons = !tabs && text.contains(u';');
    for (const QString &line : lines) {
        const QStringList cells = tabs         ? line.split(u'\t')
                                  : semicolons ? line.split(u';')
                                               : line.trimmed().split(blanks);
        QStringList row;
        for (const QString &cell : cells)
            row << programNotation(cell, decimalSeparator);
        block.rows.push_back(row);
    }
    return block;
}

TableEdit pasteBlock(const CellTable &table, const TableShape &shape, int column, int row, const PastedBlock &block)
{
    if (block.rows.empty())
        return {std::nullopt, block.error};
    const int columns = table.rows.front().size();
    const int widest = int(std::max_element(block.rows.begin(), block.rows.end(), [](const QStringList &a,
                                                                                       const QStringList &b) {
                                return a.size() < b.size();
                            })->size());
    const int start = std::max(column, shape.firstColumn);
    if (start + widest > columns) {
        return {std::nullopt, QStringLiteral("Vkládaný blok má %1 sloupců, od vybrané buňky se do tabulky vejde jen %2. "
                                             "Vyberte buňku více vlevo nebo zkopírujte méně sloupců.")
                                  .arg(widest)
                                  .arg(columns - start)};
    }
    const int top = std::max(row, 1);
    const int lastRow = top + int(block.rows.size()) - 1;
    if (lastRow > shape.maxRows)
        return {std::nullopt, shape.tooManyRows};
    CellTable result = table;
    while (result.rowCount() <= lastRow)
        result.rows.push_back(emptyRow(columns));
    renumber(result, shape);
    for (size_t r = 0; r < block.rows.size(); ++r)
        for (int c = 0; c < block.rows[r].size(); ++c)
            result.setCell(start + c, top + int(r), block.rows[r][c]);
    return {result, QString()};
}

TableEdit insertRowAbove(const CellTable &table, const TableShape &shape, int row)
{
    if (table.rowCount() - 1 >= shape.maxRows)
        return {std::nullopt, shape.tooManyRows};
    CellTable result = table;
    const int at = std::clamp(row, 1, result.rowCount());
    result.rows.insert(result.rows.begin() + at, emptyRow(table.rows.front().size()));
    renumber(result, shape);
    return {result, QString()};
}

TableEdit deleteRows(const CellTable &table, const TableShape &shape, int first, int last)
{
    CellTable result = table;
    const int from = std::clamp(first, 1, table.rowCount() - 1);
    const int to = std::clamp(last, from, table.rowCount() - 1);
    result.rows.erase(result.rows.begin() + from, result.rows.begin() + to + 1);
    if (result.rowCount() == 1)
        result.rows.push_back(emptyRow(table.rows.front().size()));
    renumber(result, shape);
    return {result, QString()};
}

} // namespace tragvel
