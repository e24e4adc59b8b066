#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

// The linked file browser of a tab: drive selector -> directory tree -> file list, and a filter
// selector that sets the file list's mask.

// Lists the mounted file systems, the root "/" first.
class DriveComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveComboBox(QWidget *parent);

    QString drive() const;
    // Selects the file system that holds the directory, without reporting a change.
    void showDriveOf(const QString &directory);

Q_SIGNALS:
    void driveChosen(const QString &rootPath);
};

// The open directory with its ancestors above it and its subdirectories below it. A double click
// or Enter opens the highlighted entry; highlighting alone does not.
class DirectoryListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirectoryListBox(QWidget *parent);

    QString directory() const { return m_directory; }
    void setDirectory(const QString &path);
    // Opens the highlighted entry, as a double click or Enter does.
    void openHighlighted();

Q_SIGNALS:
    void directoryChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_directory;
};

// Entries of the form "description|mask|description|mask..."; the chosen entry's mask applies.
class FilterComboBox : public QComboBox
{
    Q_OBJECT

public:
    FilterComboBox(const QString &filter, QWidget *parent);

    QString mask() const;

Q_SIGNALS:
    void maskChanged(const QString &mask);

private:
    QStringList m_masks;
};

// The files of a directory that match a mask, by name.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    FileListBox(const QString &mask, QWidget *parent);

    QString directory() const { return m_directory; }
    QString mask() const { return m_mask; }
    void setDirectory(const QString &path);
    void setMask(const QString &mask);
    // Reads the directory again.
    void update();

    // The full path of the selected file, or an empty text when none is selected.
    QString fileName() const;
    // Selects the file of that name in the list (no selection when it is not listed).
    void selectFile(const QString &name);

Q_SIGNALS:
    // Every event after which the chosen file may be shown anew: a change of the selection, a click,
    // a double click, Enter or space, and every re-reading of the list.
    void chosenFileEvent();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_directory;
    QString m_mask;
};

// Links the four controls of one tab.
void linkFileBrowser(DriveComboBox *drive, DirectoryListBox *directories, FilterComboBox *filter, FileListBox *files);
