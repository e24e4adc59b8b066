// Tab 6: the report document, its formatting, the report sections and the project output.

#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/tform1.h"
#include "app/widgetfactory.h"

#include <QTextEdit>

void TForm1::buildDocumentTab()
{
    QWidget *page = TabSheet6;
    Label134 = makeLabel(page, QStringLiteral("Label134"), QStringLiteral("Výstupní soubor - textová část :"), 8, 4);
    RichEdit1 = placed(new QTextEdit(page), QStringLiteral("RichEdit1"), QRect(8, 24, 641, 641));
    QFont documentFont(QStringLiteral("Courier New"));
    documentFont.setPixelSize(11);
    RichEdit1->setFont(documentFont);
    RichEdit1->document()->setDefaultFont(documentFont);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);

    const int x = 664;
    Label142 = makeLabel(page, QStringLiteral("Label142"), QStringLiteral("Formátování vybraného textu :"), x, 4);
    Label137 = makeLabel(page, QStringLiteral("Label137"), QStringLiteral("Velikost písma :"), x, 30);
    SpinEdit1 = placed(new FontSizeBox(page), QStringLiteral("SpinEdit1"), QRect(x + 110, 26, 56, 24));
    Button43 = makeButton(page, QStringLiteral("Button43"), QStringLiteral("Nastavit"), QRect(x + 172, 25, 90, 26));
    Button44 = makeButton(page, QStringLiteral("Button44"), QStringLiteral("Normálně"), QRect(x, 56, 82, 26));
    Button47 = makeButton(page, QStringLiteral("Button47"), QStringLiteral("Tučně"), QRect(x + 86, 56, 82, 26));
    Button45 = makeButton(page, QStringLiteral("Button45"), QStringLiteral("Podtrženě"), QRect(x + 172, 56, 82, 26));
    Button46 = makeButton(page, QStringLiteral("Button46"), QStringLiteral("Kurzíva"), QRect(x + 258, 56, 82, 26));

    Label135 = makeLabel(page, QStringLiteral("Label135"), QStringLiteral("Vložit data :"), x, 92);
    Button31 = makeButton(page, QStringLiteral("Button31"), QStringLiteral("Vytvořit standardní dokument"), QRect(x, 112, 340, 28));
    const QString sections[] = {
        QStringLiteral("Př.čára - podélný směr"),
        QStringLiteral("Př.čára - příčný směr"),
        QStringLiteral("Zatížení pro návrh "),
        QStringLiteral("Zatížení pro posouzení"),
        QStringLiteral("Účinky zatížení - návrh"),
        QStringLiteral("Účinky zatížení - posouzení"),
        QStringLiteral("Zatížitelnost konstrukce - porovnávací výpočet"),
        QStringLiteral("Zatížitelnost konstrukce - porovnávací statický výpočet"),
    };
    QPushButton **sectionButtons[] = {&Button32, &Button33, &Button34, &Button35, &Button36, &Button37, &Button38, &Button39};
    for (int i = 0; i < 8; ++i) {
        *sectionButtons[i] = makeButton(page, QStringLiteral("Button") + QString::number(32 + i), sections[i],
                                        QRect(x, 146 + 26 * i, 340, 24));
    }

    Label136 = makeLabel(page, QStringLiteral("Label136"), QStringLiteral("Uložit projekt :"), x, 362);
    DriveComboBox4 = placed(new DriveComboBox(page), QStringLiteral("DriveComboBox4"), QRect(x, 382, 340, 24));
    DirectoryListBox4 = placed(new DirectoryListBox(page), QStringLiteral("DirectoryListBox4"), QRect(x, 410, 340, 156));
    linkFileBrowser(DriveComboBox4, DirectoryListBox4, nullptr, nullptr);
    Label138 = makeLabel(page, QStringLiteral("Label138"), QStringLiteral("Jméno projektu :"), x, 576);
    Edit17 = makeEdit(page, QStringLiteral("Edit17"), QStringLiteral("Proj1"), QRect(x + 120, 572, 220, 24));
    Button40 = makeButton(page, QStringLiteral("Button40"), QStringLiteral("Uložit projekt"), QRect(x, 606, 340, 26));
    Button41 = makeButton(page, QStringLiteral("Button41"), QStringLiteral("Uložit pouze text"), QRect(x, 636, 168, 26));
    Button42 = makeButton(page, QStringLiteral("Button42"), QStringLiteral("Uložit pouze obrázky"), QRect(x + 172, 636, 168, 26));
}
