#pragma once

#include <QString>

// Texts that the influence-line tables and the load tables share.
namespace tragvel::tableTexts {

inline QString noFileChosen() { return QStringLiteral("Je třeba vybrat pracovní soubor !!!"); }
inline QString invalidFileNumber() { return QStringLiteral("Chyba#01 : Chybný vstup ze souboru - očekává se reálné číslo!!!"); }
inline QString newTableCaption() { return QStringLiteral("Zadání počtu řádků nové tabulky"); }
inline QString newTableDefault() { return QStringLiteral("2"); }
inline QString notWholeNumber() { return QStringLiteral("Chyba#06 : Chybný vstup - očekává se celé číslo !!!"); }
inline QString rowCountNotPositive() { return QStringLiteral("Chyba#09 : Počet řádků musí být kladný !!!"); }

} // namespace tragvel::tableTexts
