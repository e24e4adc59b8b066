#pragma once

#include "report/projectfile.h"

#include <QObject>
#include <QString>
#include <QStringList>

class TForm1;

// The project file the window works on: its path, whether the window holds changes not saved to
// it, and the projects opened last. Any change of a grid, an edit field, the font size box, a file
// browser's directory or the report document counts as unsaved.
class ProjectSession : public QObject
{
public:
    // Starts with an unnamed project holding what the window shows now.
    explicit ProjectSession(TForm1 &form);

    const QString &path() const { return m_path; }
    bool isModified() const { return m_modified; }
    const QStringList &recentProjects() const { return m_recent; }
    QString caption() const;

    // The menu commands. Each may throw tragvel::Error; the window shows it.
    void newProject();
    void openProject();
    void openRecent(int index);
    // True when the project was written.
    bool save();
    bool saveAs();
    // Opens the file without asking: the window changes only when the whole file reads.
    void openFile(const QString &path);

    // With unsaved changes asks "Uložit změny v projektu?": true when the changes are saved or
    // may be dropped, false when the user cancels or the save fails (its error is shown).
    bool mayDropChanges();

    static constexpr int recentCount = 5;

private:
    void markModified();
    void showState(const QString &path);
    void write(const QString &path);
    void remember(const QString &path);
    void refreshRecentActions();

    TForm1 &m_form;
    QString m_path;
    bool m_modified = false;
    bool m_showing = false; // the window is being filled from a project
    QStringList m_recent;
    tragvel::project::ProjectData m_startProject;
};
