// Tab 4: supplementary data, the input check marks and the effects of both load sets.

#include "app/stringgrid.h"
#include "app/tform1.h"
#include "app/widgetfactory.h"

namespace {

QString name(const char *kind, int number)
{
    return QString::fromLatin1(kind) + QString::number(number);
}

struct ResultRow
{
    QLabel *caption, *value, *unit;
};

ResultRow makeResultRow(QWidget *page, int first, const QString &caption, int x, int y)
{
    const QString unit = QStringLiteral("Jednotek dle zadání");
    ResultRow row{};
    row.caption = makeLabel(page, name("Label", first), caption, x, y, 210);
    row.value = makeLabel(page, name("Label", first + 1), QStringLiteral("???"), x + 214, y, 100);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.unit = makeLabel(page, name("Label", first + 2), unit, x + 324, y);
    return row;
}

StringGrid *makeEffectGrid(QWidget *page, int number, int x, int y)
{
    auto *grid = new StringGrid(10, 2, false, false, page);
    grid->setObjectName(name("StringGrid", number));
    const int widths[] = {30, 30, 35, 35, 35, 35, 59, 66, 24, 47};
    for (int column = 0; column < 10; ++column)
        grid->setColumnWidth(column, widths[column]);
    grid->setRowHeights(18);
    grid->setGeometry(x, y, 400, 222);
    return grid;
}

} // namespace

void TForm1::buildEffectsTab()
{
    QWidget *page = TabSheet4;

    // Three panels top to bottom: the additional data, the check of the inputs, the load effects.
    Bevel5 = makeBevel(page, QStringLiteral("Bevel5"), QRect(6, 6, 1000, 110));
    Label46 = makeHeading(page, QStringLiteral("Label46"), QStringLiteral("Doplňující data výpočtu"), 16, 10);
    Label33 = makeLabel(page, QStringLiteral("Label33"), QStringLiteral("Dynamický součinitel :"), 16, 34);
    Label38 = makeLabel(page, QStringLiteral("Label38"), QStringLiteral("Dynamický součinitel zatížení pro návrh objektu :"), 32, 56);
    Label107 = makeLabel(page, QStringLiteral("Label107"), QStringLiteral("δ  ="), 400, 56);
    Label109 = makeLabel(page, QStringLiteral("Label109"), QStringLiteral("p"), 410, 64);
    Edit5 = makeEdit(page, QStringLiteral("Edit5"), QStringLiteral("1,00"), QRect(440, 53, 70, 24));
    Label15 = makeLabel(page, QStringLiteral("Label15"), QStringLiteral("Dynamický součinitel zatížení pro posouzení objektu :"), 32, 82);
    Label108 = makeLabel(page, QStringLiteral("Label108"), QStringLiteral("δ  ="), 400, 82);
    Label110 = makeLabel(page, QStringLiteral("Label110"), QStringLiteral("n"), 410, 90);
    Edit6 = makeEdit(page, QStringLiteral("Edit6"), QStringLiteral("1,00"), QRect(440, 79, 70, 24));
    for (QLabel *subscript : {Label109, Label110}) {
        QFont font = subscript->font();
        font.setPixelSize(11);
        subscript->setFont(font);
        subscript->adjustSize();
    }
    Label34 = makeLabel(page, QStringLiteral("Label34"), QStringLiteral("Odlehčující účinky zatížení (záporné části př.čáry) :"), 560, 34);
    Label39 = makeLabel(page, QStringLiteral("Label39"), QStringLiteral("Zatížení pro návrh objektu :"), 576, 56);
    Edit7 = makeEdit(page, QStringLiteral("Edit7"), QStringLiteral("0"), QRect(800, 53, 60, 24));
    Label41 = makeLabel(page, QStringLiteral("Label41"), QStringLiteral("%"), 864, 56);
    Label40 = makeLabel(page, QStringLiteral("Label40"), QStringLiteral("Zatížení pro posouzení objektu :"), 576, 82);
    Edit8 = makeEdit(page, QStringLiteral("Edit8"), QStringLiteral("0"), QRect(800, 79, 60, 24));
    Label42 = makeLabel(page, QStringLiteral("Label42"), QStringLiteral("%"), 864, 82);

    Bevel4 = makeBevel(page, QStringLiteral("Bevel4"), QRect(6, 122, 1000, 62));
    Label16 = makeHeading(page, QStringLiteral("Label16"), QStringLiteral("Kontrola zadání :"), 16, 126);
    // The four marks in one row, each just after its caption.
    const char *const checkCaptions[] = {"Příčinková čára - podélný směr :", "Roznos zatížení v příčném směru :",
                                         "Zatížení podle původní normy :", "Zatížení podle nové normy :"};
    QLabel **checkLabels[] = {&Label20, &Label21, &Label22, &Label23};
    QLabel **checkMarks[] = {&Label24, &Label25, &Label26, &Label27};
    for (int i = 0; i < 4; ++i) {
        QLabel *caption = makeLabel(page, QStringLiteral("Label") + QString::number(20 + i),
                                    QString::fromUtf8(checkCaptions[i]), 32 + 246 * i, 154);
        QLabel *mark = makeLabel(page, QStringLiteral("Label") + QString::number(24 + i), QStringLiteral("X"),
                                 caption->x() + caption->width() + 8, 154, 30);
        QFont font = mark->font();
        font.setBold(true);
        mark->setFont(font);
        *checkLabels[i] = caption;
        *checkMarks[i] = mark;
    }

    Bevel6 = makeBevel(page, QStringLiteral("Bevel6"), QRect(6, 190, 1000, 488));
    Label35 = makeHeading(page, QStringLiteral("Label35"), QStringLiteral("Účinky zatížení"), 16, 194);

    const int left = 16;
    const int right = 516;
    Label37 = makeHeading(page, QStringLiteral("Label37"), QStringLiteral("Zatížení pro návrh objektu"), left, 218);
    Label47 = makeHeading(page, QStringLiteral("Label47"), QStringLiteral("Zatížení pro posouzení objektu"), right, 218);
    Button18 = makeButton(page, QStringLiteral("Button18"), QStringLiteral("Výpočet účinků zatížení"), QRect(left + 240, 214, 200, 28));
    Button23 = makeButton(page, QStringLiteral("Button23"), QStringLiteral("Výpočet účinků zatížení"), QRect(right + 240, 214, 200, 28));
    const QString worst = QStringLiteral("Nejnepříznivější poloha vozidla");
    ButtonWorstDesign = makeButton(page, QStringLiteral("ButtonWorstDesign"), worst, QRect(left + 220, 244, 240, 24));
    ButtonWorstAssessment = makeButton(page, QStringLiteral("ButtonWorstAssessment"), worst, QRect(right + 220, 244, 240, 24));
    Label51 = makeLabel(page, QStringLiteral("Label51"), QStringLiteral("Účinky dílčích částí zatížení :"), left, 250);
    Label55 = makeLabel(page, QStringLiteral("Label55"), QStringLiteral("Účinky dílčích částí zatížení :"), right, 250);
    StringGrid5 = makeEffectGrid(page, 5, left, 270);
    StringGrid6 = makeEffectGrid(page, 6, right, 270);

    // The five result rows of each half: caption, value and unit labels numbered from `first`.
    struct ResultSlot
    {
        int designFirst;
        int assessFirst;
        const char *caption;
    };
    const ResultSlot resultRows[] = {
        {89, 95, "Účinek zatížení stálého :"},
        {48, 52, "Účinek ost.nahod.zatížení :"},
        {92, 98, "Účinek zatížení vozidly :"},
        {111, 114, "Účinek st.zat. s odlehčením :"},
        {101, 104, "Celkový účinek zatížení :"},
    };
    QLabel **members[] = {
        &Label89, &Label90, &Label91, &Label48, &Label49, &Label50, &Label92, &Label93, &Label94,
        &Label111, &Label112, &Label113, &Label101, &Label102, &Label103,
        &Label95, &Label96, &Label97, &Label52, &Label53, &Label54, &Label98, &Label99, &Label100,
        &Label114, &Label115, &Label116, &Label104, &Label105, &Label106,
    };
    const int top = 500;
    const int step = 24;
    int member = 0;
    for (const bool design : {true, false}) {
        const int x = design ? left : right;
        for (int i = 0; i < 5; ++i) {
            // The total stands below a rule.
            const int y = top + i * step + (i == 4 ? 10 : 0);
            const ResultSlot &slot = resultRows[i];
            const ResultRow row = makeResultRow(page, design ? slot.designFirst : slot.assessFirst,
                                                QString::fromUtf8(slot.caption), x, y);
            *members[member++] = row.caption;
            *members[member++] = row.value;
            *members[member++] = row.unit;
        }
    }
    Bevel8 = makeBevel(page, QStringLiteral("Bevel8"), QRect(left, top + 4 * step + 2, 470, 2));
    Bevel9 = makeBevel(page, QStringLiteral("Bevel9"), QRect(right, top + 4 * step + 2, 470, 2));
}
