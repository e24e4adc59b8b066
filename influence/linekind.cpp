#include "influence/linekind.h"

namespace tragvel {

const LineKind &longitudinalLine()
{
    static const LineKind kind{
        100,
        10,
        false,
        QStringLiteral("    Položka"),
        QStringLiteral("   Staničení"),
        QStringLiteral("Zadejte počet řádků nové tabulky - max.100 :"),
        QStringLiteral("Chyba#08 : Překročen maximální počet řádků (100) !!!"),
        QStringLiteral("Chyba#13 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (100)!!!"),
        QStringLiteral("Chyba#04 : Chybný vstup - Staničení musí být kladné!!!"),
        QStringLiteral("Chyba#09 : Chybný vstup - Staničení musí být řazeno vzestupně!!!"),
        QStringLiteral("Chyba#02 : Chybný vstup - Alespoň jedna hodnota příčinkové čáry musí být nenulová!!!"),
        QStringLiteral("Chyba#05 : Chybný vstup - Šířka konstrukce nemůže být nulová!!!"),
    };
    return kind;
}

const LineKind &transverseLine()
{
    static const LineKind kind{
        25,
        5,
        true,
        QStringLiteral("     Položka"),
        QStringLiteral(" Vzd.od kraje"),
        QStringLiteral("Zadejte počet řádků nové tabulky - max.25 :"),
        QStringLiteral("Chyba#08 : Překročen maximální počet řádků (25) !!!"),
        QStringLiteral("Chyba#13 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (25)!!!"),
        QStringLiteral("Chyba#04 : Chybný vstup - Staničení musí být kladné!!!"),
        QStringLiteral("Chyba#09 : Chybný vstup - Staničení být řazeno vzestupně!!!"),
        QStringLiteral("Chyba#02 : Chybný vstup - Alespoň jedna hodnota příčinkové čáry musí bý nenulová!!!"),
        QStringLiteral("Chyba#05 : Chybný vstup - Šířka konstrukce nemůže být nulová!!!"),
    };
    return kind;
}

namespace lineTexts {

QString tooManyColumns()
{
    return QStringLiteral("Chyba#12 : Chyba vstupního souboru - Překročen počet sloupců tabulky př.čáry (2)!");
}

QString notNumber()
{
    return QStringLiteral("Chyba#16 - Chybný vstup, očekává se číslo !!!");
}

QString areaWarning(const QString &areaText, QChar decimalSeparator)
{
    // The expected area is written with the program's separator, as every number the user sees.
    return QStringLiteral("Pozor, plocha pod čárou příčného roznosu je ") + areaText
        + QStringLiteral(" místo 1") + decimalSeparator + QStringLiteral("00 !");
}

} // namespace lineTexts

} // namespace tragvel
