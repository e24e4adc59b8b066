// Tab 6: the report document and the project output.

#include "app/documentadapter.h"
#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/gridcells.h"
#include "app/picturebox.h"
#include "app/projectpictures.h"
#include "app/tform1.h"

#include "report/projectoutput.h"
#include "report/sections.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>

namespace {

tragvel::EffectSums effectSums(const QLabel *permanent, const QLabel *otherVariable, const QLabel *vehicles,
                               const QLabel *withRelief, const QLabel *total)
{
    return {permanent->text(), otherVariable->text(), vehicles->text(), withRelief->text(), total->text()};
}

// The screen's vertical resolution at which character heights in pixels become points.
double reportDpi(const TForm1 &form)
{
    return form.RichEdit1->logicalDpiY();
}

template<typename Builder>
void writeReportSection(TForm1 &form, Builder &&build)
{
    RichEditDocument document(*form.RichEdit1, reportDpi(form));
    build(tragvel::documentSink(document, reportDpi(form)));
}

tragvel::CapacityInputs capacityInputs(const TForm1 &form, const QLabel *result)
{
    return {form.Edit11->text(), form.Edit15->text(), form.Edit12->text(), form.Edit13->text(),
            form.Edit14->text(), form.Edit9->text(),  form.Edit10->text(), form.Edit16->text(), result->text()};
}

} // namespace

void TForm1::PrCaraPodSmer()
{
    if (LongLineInvalid != 0) {
        dialogs().showMessage(tragvel::longitudinalLineRefusal());
        return;
    }
    const tragvel::CellTable table = readCells(*StringGrid1);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::longitudinalLineSection(table, sink); });
}

void TForm1::PrCaraPrSmer()
{
    if (TransLineInvalid != 0) {
        dialogs().showMessage(tragvel::transverseLineRefusal());
        return;
    }
    const tragvel::CellTable table = readCells(*StringGrid2);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::transverseLineSection(table, sink); });
}

void TForm1::ZatizeniStare()
{
    if (DesignLoadsInvalid != 0) {
        dialogs().showMessage(tragvel::designLoadRefusal());
        return;
    }
    const tragvel::CellTable table = readCells(*StringGrid3);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::designLoadSection(table, sink); });
}

void TForm1::ZatizeniNove()
{
    if (AssessLoadsInvalid != 0) {
        dialogs().showMessage(tragvel::assessLoadRefusal());
        return;
    }
    const tragvel::CellTable table = readCells(*StringGrid4);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::assessLoadSection(table, sink); });
}

void TForm1::UcinkyStare()
{
    if (DesignEffectsInvalid != 0) {
        dialogs().showMessage(tragvel::designEffectRefusal());
        return;
    }
    const tragvel::CellTable table = readCells(*StringGrid5);
    const tragvel::EffectSums sums = effectSums(Label90, Label49, Label93, Label112, Label102);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::designEffectSection(table, sums, sink); });
}

void TForm1::UcinkyNove()
{
    if (AssessEffectsInvalid != 0) {
        dialogs().showMessage(tragvel::assessEffectRefusal());
        return;
    }
    const tragvel::CellTable table = readCells(*StringGrid6);
    const tragvel::EffectSums sums = effectSums(Label96, Label53, Label99, Label115, Label105);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::assessEffectSection(table, sums, sink); });
}

void TForm1::ZatPorVyp()
{
    const tragvel::CapacityInputs inputs = capacityInputs(*this, Label82);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::comparisonCapacitySection(inputs, sink); });
}

void TForm1::ZatStatVyp()
{
    const tragvel::CapacityInputs inputs = capacityInputs(*this, Label128);
    writeReportSection(*this, [&](const tragvel::LineSink &sink) { tragvel::staticCapacitySection(inputs, sink); });
}

void TForm1::SaveText()
{
    tragvel::saveProjectText(*RichEdit1->document(),
                             tragvel::projectTextPath(DirectoryListBox4->directory(), Edit17->text()), reportDpi(*this));
}

std::array<tragvel::ProjectPicture, 6> projectPictures(const TForm1 &form)
{
    return {
        tragvel::ProjectPicture{form.Image1->image(), form.LongLineInvalid == 0},
        tragvel::ProjectPicture{form.Image2->image(), form.TransLineInvalid == 0},
        tragvel::ProjectPicture{form.Image3->image(), form.DesignLoadsInvalid == 0},
        tragvel::ProjectPicture{form.Image4->image(), form.DesignLoadsInvalid == 0},
        tragvel::ProjectPicture{form.Image5->image(), form.AssessLoadsInvalid == 0},
        tragvel::ProjectPicture{form.Image6->image(), form.AssessLoadsInvalid == 0},
    };
}

void TForm1::SavePict()
{
    tragvel::saveProjectPictures(projectPictures(*this), DirectoryListBox4->directory(), Edit17->text());
}

// The standard document: every writer checks its own input; a refused one does not stop the rest.
void TForm1::Button31Click()
{
    PrCaraPodSmer();
    PrCaraPrSmer();
    ZatizeniStare();
    ZatizeniNove();
    UcinkyStare();
    UcinkyNove();
    ZatPorVyp();
    ZatStatVyp();
}

void TForm1::Button32Click()
{
    PrCaraPodSmer();
}

void TForm1::Button33Click()
{
    PrCaraPrSmer();
}

void TForm1::Button34Click()
{
    ZatizeniStare();
}

void TForm1::Button35Click()
{
    ZatizeniNove();
}

void TForm1::Button36Click()
{
    UcinkyStare();
}

void TForm1::Button37Click()
{
    UcinkyNove();
}

void TForm1::Button38Click()
{
    ZatPorVyp();
}

void TForm1::Button39Click()
{
    ZatStatVyp();
}

void TForm1::Button40Click()
{
    SaveText();
    SavePict();
}

void TForm1::Button41Click()
{
    SaveText();
}

void TForm1::Button42Click()
{
    SavePict();
}

// "Nastavit": the font size box in pixels; the style stays.
void TForm1::Button43Click()
{
    RichEditDocument document(*RichEdit1, reportDpi(*this));
    document.setCurrentPointSize(tragvel::pointsFromPixels(SpinEdit1->fontSize(), reportDpi(*this)));
}

// "Normálně": strikeout keeps its state.
void TForm1::Button44Click()
{
    RichEditDocument document(*RichEdit1, reportDpi(*this));
    tragvel::TextStyle style = document.currentStyle();
    style.bold = false;
    style.italic = false;
    style.underline = false;
    document.setCurrentStyle(style);
}

// The toggles look at their own flag only and write back the whole style read.
void TForm1::Button45Click()
{
    RichEditDocument document(*RichEdit1, reportDpi(*this));
    tragvel::TextStyle style = document.currentStyle();
    style.underline = !style.underline;
    document.setCurrentStyle(style);
}

void TForm1::Button46Click()
{
    RichEditDocument document(*RichEdit1, reportDpi(*this));
    tragvel::TextStyle style = document.currentStyle();
    style.italic = !style.italic;
    document.setCurrentStyle(style);
}

void TForm1::Button47Click()
{
    RichEditDocument document(*RichEdit1, reportDpi(*this));
    tragvel::TextStyle style = document.currentStyle();
    style.bold = !style.bold;
    document.setCurrentStyle(style);
}
