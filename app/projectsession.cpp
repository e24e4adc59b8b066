#include "app/projectsession.h"

#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/projecthandlers.h"
#include "app/projectwindow.h"
#include "app/stringgrid.h"
#include "app/tablehistory.h"
#include "app/tform1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QString projectFilter = QStringLiteral("Projekty (*.tragvel)|*.tragvel|Všechny soubory (*.*)|*.*");

// The file browsers' directories are kept relative to the project file, so that a project folder
// copied or moved elsewhere opens with its browsers in the same places.
tragvel::project::ProjectData relativeTo(tragvel::project::ProjectData project, const QString &file)
{
    const QDir base = QFileInfo(file).absoluteDir();
    for (QString &directory : project.directories)
        directory = base.relativeFilePath(directory);
    return project;
}

tragvel::project::ProjectData resolvedFrom(tragvel::project::ProjectData project, const QString &file)
{
    const QDir base = QFileInfo(file).absoluteDir();
    for (QString &directory : project.directories)
        directory = QDir::cleanPath(base.absoluteFilePath(directory));
    return project;
}

// A cell whose in-place editor is still open holds the text typed there only once the editor
// commits it; taking the focus away commits it as leaving the cell does.
void commitOpenEditor()
{
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
}

} // namespace

ProjectSession::ProjectSession(TForm1 &form) : QObject(&form), m_form(form), m_startProject(windowProject(form))
{
    const auto changed = [this] { markModified(); };
    for (StringGrid *grid : {form.StringGrid1, form.StringGrid2, form.StringGrid3, form.StringGrid4, form.StringGrid5,
                             form.StringGrid6}) {
        connect(grid->model(), &QAbstractItemModel::dataChanged, this, changed);
        connect(grid->model(), &QAbstractItemModel::rowsInserted, this, changed);
        connect(grid->model(), &QAbstractItemModel::rowsRemoved, this, changed);
    }
    for (QLineEdit *edit : {form.Edit1, form.Edit2, form.Edit3, form.Edit4, form.Edit5, form.Edit6, form.Edit7,
                            form.Edit8, form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit13, form.Edit14,
                            form.Edit15, form.Edit16, form.Edit17})
        connect(edit, &QLineEdit::textChanged, this, changed);
    connect(form.SpinEdit1, &QSpinBox::textChanged, this, changed);
    for (DirectoryListBox *directories : {form.DirectoryListBox1, form.DirectoryListBox2, form.DirectoryListBox3,
                                          form.DirectoryListBox4})
        connect(directories, &DirectoryListBox::directoryChanged, this, changed);
    connect(form.RichEdit1->document(), &QTextDocument::contentsChanged, this, changed);
    showState({});
}

QString ProjectSession::caption() const
{
    QString text = QStringLiteral("  Výpočet zatížitelnosti mostní konstrukce");
    if (!m_path.isEmpty())
        text += QStringLiteral(" – ") + QFileInfo(m_path).fileName();
    if (m_modified)
        text += QStringLiteral(" *");
    return text;
}

void ProjectSession::markModified()
{
    if (m_showing || m_modified)
        return;
    m_modified = true;
    m_form.setWindowTitle(caption());
}

void ProjectSession::showState(const QString &path)
{
    m_path = path;
    m_modified = false;
    m_form.setWindowTitle(caption());
}

void ProjectSession::newProject()
{
    if (!mayDropChanges())
        return;
    {
        const QScopedValueRollback<bool> showing(m_showing, true);
        showProject(m_form, m_startProject);
    }
    m_form.tableHistory().restart();
    showState({});
}

void ProjectSession::openProject()
{
    if (!mayDropChanges())
        return;
    const QString directory = m_path.isEmpty() ? m_form.DirectoryListBox4->directory() : QFileInfo(m_path).absolutePath();
    const std::optional<QString> path =
        m_form.dialogs().openFileName({QStringLiteral("Otevřít projekt"), projectFilter, directory});
    if (path)
        openFile(*path);
}

void ProjectSession::openRecent(int index)
{
    if (index < 0 || index >= m_recent.size() || !mayDropChanges())
        return;
    const QString path = m_recent[index];
    if (!QFileInfo(path).isFile()) {
        // A project that is gone leaves the list; the error below says so.
        m_recent.removeAt(index);
        refreshRecentActions();
    }
    openFile(path);
}

void ProjectSession::openFile(const QString &path)
{
    // Read and checked whole before anything in the window changes.
    const tragvel::project::ProjectData project = resolvedFrom(tragvel::project::loadProjectFile(path), path);
    {
        const QScopedValueRollback<bool> showing(m_showing, true);
        showProject(m_form, project);
    }
    m_form.tableHistory().restart();
    showState(path);
    remember(path);
}

bool ProjectSession::save()
{
    commitOpenEditor();
    if (m_path.isEmpty())
        return saveAs();
    write(m_path);
    return true;
}

bool ProjectSession::saveAs()
{
    commitOpenEditor();
    const QString directory = m_path.isEmpty() ? m_form.DirectoryListBox4->directory() : QFileInfo(m_path).absolutePath();
    const std::optional<QString> path = m_form.dialogs().saveFileName(
        {QStringLiteral("Uložit projekt do souboru"), projectFilter, QStringLiteral(".tragvel"), directory});
    if (!path)
        return false;
    write(*path);
    remember(*path);
    return true;
}

void ProjectSession::write(const QString &path)
{
    tragvel::project::saveProjectFile(relativeTo(windowProject(m_form), path), path);
    showState(path);
}

bool ProjectSession::mayDropChanges()
{
    commitOpenEditor();
    if (!m_modified)
        return true;
    switch (m_form.dialogs().askSaveChanges(QStringLiteral("Uložit změny v projektu?"))) {
    case tragvel::SaveChangesAnswer::Save: {
        bool saved = false;
        m_form.runGuarded([&] { saved = save(); });
        return saved;
    }
    case tragvel::SaveChangesAnswer::Discard:
        return true;
    case tragvel::SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void ProjectSession::remember(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > recentCount)
        m_recent.removeLast();
    refreshRecentActions();
}

void ProjectSession::refreshRecentActions()
{
    for (int i = 0; i < recentCount; ++i) {
        auto *action = m_form.menuProject->findChild<QAction *>(recentProjectActionName(i));
        if (!action)
            continue;
        const bool used = i < m_recent.size();
        action->setVisible(used);
        action->setText(used ? QStringLiteral("%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_recent[i]).replace(
                                                                     u'&', QStringLiteral("&&")))
                             : QString());
    }
}
