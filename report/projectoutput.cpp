#include "report/projectoutput.h"

#include "common/filesave.h"
#include "report/jpegwriter.h"
#include "report/rtfwriter.h"

namespace tragvel {

namespace {

QString projectPrefix(const QString &directory, const QString &name)
{
    return directory + u'/' + name;
}

} // namespace

QString projectTextPath(const QString &directory, const QString &name)
{
    return projectPrefix(directory, name) + QStringLiteral(".rtf");
}

QString projectPicturePath(const QString &directory, const QString &name, int number)
{
    return projectPrefix(directory, name) + u'-' + QString::number(number) + QStringLiteral(".jpg");
}

QString projectPdfPath(const QString &directory, const QString &name)
{
    return projectPrefix(directory, name) + QStringLiteral(".pdf");
}

void saveProjectText(const QTextDocument &document, const QString &path, double verticalDpi)
{
    writeFileReplacing(path, rtfBytes(document, verticalDpi));
}

void saveProjectPictures(const std::array<ProjectPicture, 6> &pictures, const QString &directory,
                         const QString &name)
{
    const JpegEncoder encoder(100);
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (!pictures[i].write)
            continue;
        writeFileReplacing(projectPicturePath(directory, name, int(i) + 1), encoder.encode(pictures[i].image));
    }
}

} // namespace tragvel
