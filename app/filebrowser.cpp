#include "app/filebrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>

#include <algorithm>

DriveComboBox::DriveComboBox(QWidget *parent) : QComboBox(parent)
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    std::sort(roots.begin(), roots.end(), [](const QString &a, const QString &b) {
        if (a == QLatin1String("/") || b == QLatin1String("/"))
            return a == QLatin1String("/") && b != QLatin1String("/");
        return a < b;
    });
    if (!roots.contains(QStringLiteral("/")))
        roots.prepend(QStringLiteral("/"));
    addItems(roots);
    showDriveOf(QDir::currentPath());
    connect(this, &QComboBox::activated, this, [this](int) { Q_EMIT driveChosen(drive()); });
}

QString DriveComboBox::drive() const
{
    return currentText();
}

void DriveComboBox::showDriveOf(const QString &directory)
{
    const QString root = QStorageInfo(directory).rootPath();
    const int index = findText(root);
    const QSignalBlocker blocker(this);
    setCurrentIndex(index >= 0 ? index : 0);
}

DirectoryListBox::DirectoryListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *) { openHighlighted(); });
    setDirectory(QDir::currentPath());
}

void DirectoryListBox::setDirectory(const QString &path)
{
    const QString directory = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!QFileInfo(directory).isDir())
        return;
    m_directory = directory;
    clear();

    QStringList chain;
    for (QDir dir(directory);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &ancestor : chain) {
        const QString name = depth == 0 ? ancestor : QFileInfo(ancestor).fileName();
        auto *item = new QListWidgetItem(QString(2 * depth, u' ') + name, this);
        item->setData(Qt::UserRole, ancestor);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList subdirectories =
        QDir(directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : subdirectories) {
        auto *item = new QListWidgetItem(QString(2 * depth, u' ') + sub, this);
        item->setData(Qt::UserRole, QDir(directory).filePath(sub));
    }
    Q_EMIT directoryChanged(m_directory);
}

void DirectoryListBox::openHighlighted()
{
    if (const QListWidgetItem *item = currentItem())
        setDirectory(item->data(Qt::UserRole).toString());
}

void DirectoryListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openHighlighted();
        return;
    }
    QListWidget::keyPressEvent(event);
}

FilterComboBox::FilterComboBox(const QString &filter, QWidget *parent) : QComboBox(parent)
{
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        addItem(parts[i]);
        m_masks << parts[i + 1];
    }
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) { Q_EMIT maskChanged(mask()); });
}

QString FilterComboBox::mask() const
{
    const int index = currentIndex();
    return index >= 0 && index < m_masks.size() ? m_masks[index] : QString();
}

FileListBox::FileListBox(const QString &mask, QWidget *parent) : QListWidget(parent), m_mask(mask)
{
    connect(this, &QListWidget::currentRowChanged, this, [this](int) { Q_EMIT chosenFileEvent(); });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *) { Q_EMIT chosenFileEvent(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *) { Q_EMIT chosenFileEvent(); });
    setDirectory(QDir::currentPath());
}

void FileListBox::setDirectory(const QString &path)
{
    m_directory = path;
    update();
}

void FileListBox::setMask(const QString &mask)
{
    m_mask = mask;
    update();
}

void FileListBox::update()
{
    {
        const QSignalBlocker blocker(this);
        clear();
        QStringList patterns;
        for (const QString &pattern : m_mask.split(u';', Qt::SkipEmptyParts))
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern.trimmed());
        const QStringList names = QDir(m_directory).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
        addItems(names);
    }
    Q_EMIT chosenFileEvent();
}

QString FileListBox::fileName() const
{
    const QListWidgetItem *item = currentItem();
    if (!item || !item->isSelected())
        return QString();
    return QDir(m_directory).filePath(item->text());
}

void FileListBox::selectFile(const QString &name)
{
    const QList<QListWidgetItem *> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        setCurrentRow(-1);
        return;
    }
    setCurrentItem(found.first());
    found.first()->setSelected(true);
    Q_EMIT chosenFileEvent();
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        Q_EMIT chosenFileEvent();
}

void linkFileBrowser(DriveComboBox *drive, DirectoryListBox *directories, FilterComboBox *filter, FileListBox *files)
{
    if (drive && directories) {
        QObject::connect(drive, &DriveComboBox::driveChosen, directories, &DirectoryListBox::setDirectory);
        QObject::connect(directories, &DirectoryListBox::directoryChanged, drive, &DriveComboBox::showDriveOf);
    }
    // The list reads its directory only when the link changes what it shows.
    if (directories && files) {
        if (files->directory() != directories->directory())
            files->setDirectory(directories->directory());
        QObject::connect(directories, &DirectoryListBox::directoryChanged, files, &FileListBox::setDirectory);
    }
    if (filter && files) {
        if (files->mask() != filter->mask())
            files->setMask(filter->mask());
        QObject::connect(filter, &FilterComboBox::maskChanged, files, &FileListBox::setMask);
    }
}
