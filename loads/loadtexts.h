#pragma once

#include "common/tabletexts.h"

#include <QString>

// The user-visible texts of the load tables, their files and their check.
namespace tragvel::loadtexts {

using tableTexts::noFileChosen;

// Reading a load file.
using tableTexts::invalidFileNumber;
inline QString tooManyColumns() { return QStringLiteral("Chyba#10 : Chyba vstupního souboru - Překročen počet sloupců tabulky zatížení (5)!"); }
inline QString tooManyLines() { return QStringLiteral("Chyba#11 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (100) !!!"); }

// New table and add row.
using tableTexts::newTableCaption;
inline QString newTablePrompt() { return QStringLiteral("Zadejte počet řádků nové tabulky - max.100 :"); }
using tableTexts::newTableDefault;
using tableTexts::notWholeNumber;
inline QString tooManyRows() { return QStringLiteral("Chyba#07 : Překročen maximální počet řádků (100) !!!"); }
using tableTexts::rowCountNotPositive;

// The check.
inline QString referencePointNotNumber() { return QStringLiteral("Chyba#17 - Chybný vstup při zadání referenčního bodu, očekává se číslo !!!"); }
inline QString cellNotNumber() { return QStringLiteral("Chyba#16 - Chybný vstup zatížení, očekává se číslo !!!"); }
inline QString xBoundsReversed() { return QStringLiteral("Chyba#14 - Chybný vstup pořadnic zatížení x1 musí být menší než x2 !!!"); }
inline QString yBoundsReversed() { return QStringLiteral("Chyba#15 - Chybný vstup pořadnic zatížení y1 musí být menší než y2 !!!"); }
inline QString typeOutOfRange() { return QStringLiteral("Chyba#18 - Chybné zadání typu zatížení (0,1,2 nebo 3) !!!"); }

// The save dialog of both sets.
inline QString saveDialogTitle() { return QStringLiteral("Uložit zatížení do souboru"); }
inline QString saveDialogFilter() { return QStringLiteral("Soubory se zatížením (*.zat)|*.zat|Textové soubory (.txt)|*.txt"); }
inline QString saveDialogExtension() { return QStringLiteral(".zat"); }

} // namespace tragvel::loadtexts
