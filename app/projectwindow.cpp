#include "app/projectwindow.h"

#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/gridcells.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "app/tform1.h"

#include "common/gridpicture.h"
#include "report/documentcontent.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include <array>

namespace {

using tragvel::project::directoryCount;
using tragvel::project::editCount;
using tragvel::project::gridCount;

std::array<StringGrid *, gridCount> grids(const TForm1 &f)
{
    return {f.StringGrid1, f.StringGrid2, f.StringGrid3, f.StringGrid4, f.StringGrid5, f.StringGrid6};
}

std::array<QLineEdit *, editCount> edits(const TForm1 &f)
{
    return {f.Edit1,  f.Edit2,  f.Edit3,  f.Edit4,  f.Edit5,  f.Edit6,  f.Edit7,  f.Edit8, f.Edit9,
            f.Edit10, f.Edit11, f.Edit12, f.Edit13, f.Edit14, f.Edit15, f.Edit16, f.Edit17};
}

std::array<DirectoryListBox *, directoryCount> directories(const TForm1 &f)
{
    return {f.DirectoryListBox1, f.DirectoryListBox2, f.DirectoryListBox3, f.DirectoryListBox4};
}

void showFreshResults(TForm1 &f)
{
    for (QLabel *value : {f.Label90, f.Label49, f.Label93, f.Label112, f.Label102, f.Label96, f.Label53, f.Label99,
                          f.Label115, f.Label105})
        value->setText(QStringLiteral("???"));
    f.Label82->setText(QStringLiteral("????"));
    f.Label128->setText(QStringLiteral("????"));
    f.Image1->setImage(tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 10));
    f.Image2->setImage(tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 5));
    for (PictureBox *picture : {f.Image3, f.Image4, f.Image5, f.Image6})
        picture->clear();
}

} // namespace

tragvel::project::ProjectData windowProject(const TForm1 &form)
{
    tragvel::project::ProjectData project;
    const auto gridControls = grids(form);
    for (size_t i = 0; i < gridControls.size(); ++i)
        project.grids[i] = readCells(*gridControls[i]);
    const auto editControls = edits(form);
    for (size_t i = 0; i < editControls.size(); ++i)
        project.edits[i] = editControls[i]->text();
    project.fontSize = form.SpinEdit1->fontSize();
    const auto directoryControls = directories(form);
    for (size_t i = 0; i < directoryControls.size(); ++i)
        project.directories[i] = directoryControls[i]->directory();
    project.document = tragvel::project::documentParagraphs(*form.RichEdit1->document());
    return project;
}

void showProject(TForm1 &form, const tragvel::project::ProjectData &project)
{
    const auto gridControls = grids(form);
    for (size_t i = 0; i < gridControls.size(); ++i)
        writeCells(*gridControls[i], project.grids[i]);
    const auto editControls = edits(form);
    for (size_t i = 0; i < editControls.size(); ++i)
        editControls[i]->setText(project.edits[i]);
    form.SpinEdit1->setValue(project.fontSize);
    // A directory that no longer exists leaves the browser where it is.
    const auto directoryControls = directories(form);
    for (size_t i = 0; i < directoryControls.size(); ++i) {
        if (directoryControls[i]->directory() != project.directories[i])
            directoryControls[i]->setDirectory(project.directories[i]);
    }
    tragvel::project::setDocumentParagraphs(*form.RichEdit1->document(), project.document);
    form.RichEdit1->moveCursor(QTextCursor::End);

    form.LongLineInvalid = 1;
    form.TransLineInvalid = 1;
    form.DesignLoadsInvalid = 1;
    form.AssessLoadsInvalid = 1;
    form.DesignEffectsInvalid = 1;
    form.AssessEffectsInvalid = 1;
    for (QLabel *mark : {form.Label24, form.Label25, form.Label26, form.Label27})
        mark->setText(QStringLiteral("X"));
    showFreshResults(form);
}
