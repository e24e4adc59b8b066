// Tab 5: the inputs of the load capacity and the two formulas.

#include "app/tform1.h"
#include "app/widgetfactory.h"

#include <iterator>

namespace {

QString name(int number)
{
    return QStringLiteral("Label") + QString::number(number);
}

struct FormulaLabels
{
    QLabel *heading;
    QLabel *parts[10];
    QFrame *rule;
    QLabel *result;
    QPushButton *evaluate;
};

// "V =", the numerator over a fraction rule over "Sn,v", then ". Tn . α . β =" and the result.
FormulaLabels buildFormula(QWidget *page, int headingNumber, const QString &heading, const int (&numbers)[10],
                           const QString &numerator, int bevelNumber, int resultNumber, int buttonNumber, int top)
{
    FormulaLabels f{};
    f.heading = makeHeading(page, name(headingNumber), heading, 16, top);
    const int line = top + 44;
    f.parts[0] = makeLabel(page, name(numbers[0]), QStringLiteral("V ="), 40, line);
    f.parts[1] = makeLabel(page, name(numbers[1]), numerator, 84, line - 14);
    f.rule = makeBevel(page, QStringLiteral("Bevel") + QString::number(bevelNumber), QRect(80, line + 8, 130, 2));
    f.parts[2] = makeLabel(page, name(numbers[2]), QStringLiteral("Sn,v"), 128, line + 12);
    const QString rest[] = {QStringLiteral("."), QStringLiteral("Tn"), QStringLiteral("."), QStringLiteral("α"),
                            QStringLiteral("."), QStringLiteral("β"), QStringLiteral("=")};
    int x = 218;
    for (int i = 0; i < 7; ++i) {
        f.parts[3 + i] = makeLabel(page, name(numbers[3 + i]), rest[i], x, line);
        x += f.parts[3 + i]->width() + 6;
    }
    f.result = makeLabel(page, name(resultNumber), QStringLiteral("????"), x + 8, line, 110);
    QFont font = f.result->font();
    font.setBold(true);
    f.result->setFont(font);
    // The button under its formula.
    f.evaluate = makeButton(page, QStringLiteral("Button") + QString::number(buttonNumber), QStringLiteral("Vyčíslit vztah"),
                            QRect(40, line + 44, 140, 28));
    return f;
}

} // namespace

void TForm1::buildCapacityTab()
{
    QWidget *page = TabSheet5;
    Label117 = makeHeading(page, QStringLiteral("Label117"), QStringLiteral("Vstupní data pro výpočet zatížitelnosti"), 16, 10);

    const int captionX = 24;
    const int symbolX = 470;
    const int equalsX = 520;
    const int editX = 540;
    const int unitX = 650;
    const int buttonX = 760;
    const auto inputRow = [&](int captionNumber, const QString &caption, int symbolNumber, const QString &symbol,
                              int equalsNumber, const QString &editName, const QString &editText, int unitNumber,
                              const QString &unit, int y) {
        makeLabel(page, name(captionNumber), caption, captionX, y);
        makeLabel(page, name(symbolNumber), symbol, symbolX, y);
        if (equalsNumber > 0)
            makeLabel(page, name(equalsNumber), QStringLiteral("="), equalsX, y);
        makeEdit(page, editName, editText, QRect(editX, y - 3, 100, 24));
        if (unitNumber > 0)
            makeLabel(page, name(unitNumber), unit, unitX, y);
    };
    const QString byInput = QStringLiteral("[dle zadání]");
    // The two coefficients side by side in the first row.
    makeLabel(page, name(36), QStringLiteral("Součinitel stavu nosné konstrukce :"), captionX, 42);
    makeLabel(page, name(43), QStringLiteral("α ="), 290, 42);
    makeEdit(page, QStringLiteral("Edit9"), QStringLiteral("1,00"), QRect(330, 39, 100, 24));
    makeLabel(page, name(44), QStringLiteral("Součinitel materiálu :"), 500, 42);
    makeLabel(page, name(45), QStringLiteral("β ="), 660, 42);
    makeEdit(page, QStringLiteral("Edit10"), QStringLiteral("1,00"), QRect(700, 39, 100, 24));
    inputRow(57, QStringLiteral("Celkový účinek zatížení pro návrh objektu :"), 61, QStringLiteral("Sp,c"), 69,
             QStringLiteral("Edit11"), QStringLiteral("0"), 67, byInput, 76);
    inputRow(78, QStringLiteral("Účinek stálého zatížení pro posouzení objektu :"), 79, QStringLiteral("Sn,g"), 80,
             QStringLiteral("Edit15"), QStringLiteral("0"), 81, byInput, 104);
    inputRow(58, QStringLiteral("Účinek zatížení vozidly pro posouzení objektu :"), 62, QStringLiteral("Sn,v"), 70,
             QStringLiteral("Edit12"), QStringLiteral("0"), 68, byInput, 132);
    inputRow(60, QStringLiteral("Účinek ost.nahodilého zatížení pro posouzení objektu :"), 63, QStringLiteral("Sn,r"), 71,
             QStringLiteral("Edit13"), QStringLiteral("0"), 66, byInput, 160);
    inputRow(59, QStringLiteral("Hmotnost vozidla v zatížení pro posouzení :"), 64, QStringLiteral("Tn"), 72,
             QStringLiteral("Edit14"), QStringLiteral("0"), 65, QStringLiteral("[t]"), 194);
    makeLabel(page, name(83), QStringLiteral("Únosnost průřezu stanovená podle zásad předpisu "), captionX, 222);
    inputRow(121, QStringLiteral("pro posouzení objektu :"), 118, QStringLiteral("Sn,u"), 120, QStringLiteral("Edit16"),
             QStringLiteral("0"), 119, byInput, 242);
    makeLabel(page, name(122),
              QStringLiteral("Poznámka : Účinky zatížení, resp. únosnost, musejí být stejné veličiny (momenty, posouvající nebo normálové síly) se stejnými jednotkami !!!"),
              captionX, 276, 960)
        ->setWordWrap(true);

    const auto takeOver = [&](const QString &buttonName, int y) {
        return makeButton(page, buttonName, QStringLiteral("Z účinků zatížení"), QRect(buttonX, y - 4, 160, 26));
    };
    Button26 = takeOver(QStringLiteral("Button26"), 76);
    Button27 = takeOver(QStringLiteral("Button27"), 104);
    Button28 = takeOver(QStringLiteral("Button28"), 132);
    Button29 = takeOver(QStringLiteral("Button29"), 160);

    const FormulaLabels first = buildFormula(page, 17, QStringLiteral("Zatížitelnost stanovená porovnávacím výpočtem [t]"),
                                             {73, 74, 75, 76, 77, 84, 85, 86, 87, 88}, QStringLiteral("Sp,c - Sn,g - Sn,r"), 7,
                                             82, 25, 330);
    const FormulaLabels second =
        buildFormula(page, 56, QStringLiteral("Zatížitelnost stanovená porovnávacím statickým výpočtem [t]"),
                     {123, 124, 125, 126, 127, 129, 130, 131, 132, 133}, QStringLiteral("Sp,u - Sn,g - Sn,r"), 10, 128, 30, 480);
    Bevel7 = first.rule;
    Bevel10 = second.rule;
    Label82 = first.result;
    Label128 = second.result;
    Button25 = first.evaluate;
    Button30 = second.evaluate;

    // The members of the remaining labels and edits, found by their names.
    const auto label = [page](int number) { return page->findChild<QLabel *>(name(number)); };
    const auto edit = [page](const char *editName) { return page->findChild<QLineEdit *>(QString::fromLatin1(editName)); };
    Label17 = first.heading; Label56 = second.heading;
    Label36 = label(36); Label43 = label(43); Label44 = label(44); Label45 = label(45);
    Label57 = label(57); Label61 = label(61); Label69 = label(69); Label67 = label(67);
    Label78 = label(78); Label79 = label(79); Label80 = label(80); Label81 = label(81);
    Label58 = label(58); Label62 = label(62); Label70 = label(70); Label68 = label(68);
    Label60 = label(60); Label63 = label(63); Label71 = label(71); Label66 = label(66);
    Label59 = label(59); Label64 = label(64); Label72 = label(72); Label65 = label(65);
    Label83 = label(83); Label121 = label(121); Label118 = label(118); Label120 = label(120); Label119 = label(119);
    Label122 = label(122);
    Label73 = label(73); Label74 = label(74); Label75 = label(75); Label76 = label(76); Label77 = label(77);
    Label84 = label(84); Label85 = label(85); Label86 = label(86); Label87 = label(87); Label88 = label(88);
    Label123 = label(123); Label124 = label(124); Label125 = label(125); Label126 = label(126); Label127 = label(127);
    Label129 = label(129); Label130 = label(130); Label131 = label(131); Label132 = label(132); Label133 = label(133);
    Edit9 = edit("Edit9"); Edit10 = edit("Edit10"); Edit11 = edit("Edit11"); Edit15 = edit("Edit15");
    Edit12 = edit("Edit12"); Edit13 = edit("Edit13"); Edit14 = edit("Edit14"); Edit16 = edit("Edit16");

    // The keyboard follows the rows top to bottom, each box then its copy button, then the formulas.
    QWidget *const order[] = {Edit9,  Edit10, Edit11, Button26, Edit15, Button27, Edit12,
                              Button28, Edit13, Button29, Edit14, Edit16, Button25, Button30};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
