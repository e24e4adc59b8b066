#pragma once

#include <QImage>
#include <QString>

#include <array>

class QTextDocument;

namespace tragvel {

// The output files of a project named `name` in `directory`. The separator is always inserted,
// also after a directory that already ends with one; the name is used as it stands.
QString projectTextPath(const QString &directory, const QString &name);
QString projectPicturePath(const QString &directory, const QString &name, int number); // 1..6
QString projectPdfPath(const QString &directory, const QString &name);

// Writes the document as Rich Text Format to the path, replacing an earlier file only once the
// new one is complete. Throws FileError "Cannot create file <path>".
void saveProjectText(const QTextDocument &document, const QString &path, double verticalDpi);

struct ProjectPicture
{
    QImage image;
    bool write = false; // the picture's input is checked and unchanged
};

// Writes, in the order 1 to 6, every picture marked for writing as JPEG at quality 100; pictures
// not marked are skipped silently. Stops at the first picture that cannot be written (FileError
// "Cannot create file <path>"); the pictures written before it stay.
void saveProjectPictures(const std::array<ProjectPicture, 6> &pictures, const QString &directory,
                         const QString &name);

} // namespace tragvel
