// Tab 6: the report document, its formatting, the report sections and the project output.

#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/tform1.h"
#include "app/widgetfactory.h"

#include <QKeyEvent>
#include <QTextEdit>

namespace {

// Tab moves the focus on like everywhere in the window; Ctrl+Tab types a tab into the document.
class ControlTabTypesTab : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
                static_cast<QTextEdit *>(watched)->textCursor().insertText(QStringLiteral("\t"));
                return true;
            }
        }
        return false;
    }
};

void setBoldCaption(QPushButton &button)
{
    QFont font = button.font();
    font.setBold(true);
    button.setFont(font);
}

} // namespace

void TForm1::buildDocumentTab()
{
    QWidget *page = TabSheet6;
    Label134 = makeHeading(page, QStringLiteral("Label134"), QStringLiteral("Výstupní soubor - textová část :"), 8, 6);
    RichEdit1 = placed(new QTextEdit(page), QStringLiteral("RichEdit1"), QRect(8, 32, 641, 641));
    QFont documentFont(QStringLiteral("Courier New"));
    documentFont.setPixelSize(11);
    RichEdit1->setFont(documentFont);
    RichEdit1->document()->setDefaultFont(documentFont);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->installEventFilter(new ControlTabTypesTab(RichEdit1));

    Label142 = makeLabel(page, QStringLiteral("Label142"), QStringLiteral("Formátování vybraného textu :"), 656, 40);
    Label137 = makeLabel(page, QStringLiteral("Label137"), QStringLiteral("Velikost písma :"), 672, 80);
    SpinEdit1 = placed(new FontSizeBox(page), QStringLiteral("SpinEdit1"), QRect(776, 78, 41, 22));
    Button43 = makeButton(page, QStringLiteral("Button43"), QStringLiteral("Nastavit"), QRect(840, 78, 145, 25));
    Button44 = makeButton(page, QStringLiteral("Button44"), QStringLiteral("Normálně"), QRect(672, 120, 145, 25));
    Button47 = makeButton(page, QStringLiteral("Button47"), QStringLiteral("Tučně"), QRect(840, 120, 145, 25));
    Button45 = makeButton(page, QStringLiteral("Button45"), QStringLiteral("Podtrženě"), QRect(672, 152, 145, 25));
    Button46 = makeButton(page, QStringLiteral("Button46"), QStringLiteral("Kurzíva"), QRect(840, 152, 145, 25));

    Label135 = makeLabel(page, QStringLiteral("Label135"), QStringLiteral("Vložit data :"), 656, 200);
    Button31 = makeButton(page, QStringLiteral("Button31"), QStringLiteral("Vytvořit standardní dokument"), QRect(656, 232, 345, 25));
    setBoldCaption(*Button31);
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
    // Two columns of section buttons, then the two capacity sections across both.
    QPushButton **sectionButtons[] = {&Button32, &Button33, &Button34, &Button35, &Button36, &Button37, &Button38, &Button39};
    for (int i = 0; i < 8; ++i) {
        const QRect geometry = i < 6 ? QRect(i % 2 == 0 ? 656 : 832, 264 + 32 * (i / 2), 169, 25)
                                     : QRect(656, 360 + 32 * (i - 6), 345, 25);
        *sectionButtons[i] = makeButton(page, QStringLiteral("Button") + QString::number(32 + i), sections[i], geometry);
    }

    Label136 = makeLabel(page, QStringLiteral("Label136"), QStringLiteral("Uložit projekt :"), 656, 448);
    DriveComboBox4 = placed(new DriveComboBox(page), QStringLiteral("DriveComboBox4"), QRect(656, 480, 161, 22));
    DirectoryListBox4 = placed(new DirectoryListBox(page), QStringLiteral("DirectoryListBox4"), QRect(656, 504, 161, 145));
    linkFileBrowser(DriveComboBox4, DirectoryListBox4, nullptr, nullptr);
    Label138 = makeLabel(page, QStringLiteral("Label138"), QStringLiteral("Jméno projektu :"), 832, 480);
    Edit17 = makeEdit(page, QStringLiteral("Edit17"), QStringLiteral("Proj1"), QRect(832, 504, 169, 21));
    Button40 = makeButton(page, QStringLiteral("Button40"), QStringLiteral("Uložit projekt"), QRect(832, 544, 169, 25));
    setBoldCaption(*Button40);
    Button41 = makeButton(page, QStringLiteral("Button41"), QStringLiteral("Uložit pouze text"), QRect(832, 584, 169, 25));
    Button42 = makeButton(page, QStringLiteral("Button42"), QStringLiteral("Uložit pouze obrázky"), QRect(831, 624, 170, 25));
}
