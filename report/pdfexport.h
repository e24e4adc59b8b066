#pragma once

#include "report/projectoutput.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace tragvel {

struct CaptionedPicture
{
    QString caption;
    QImage image;
};

// What every page carries besides its content: the project's name and the date in the header,
// the page number in the footer.
struct PageDecoration
{
    QString projectName;
    QString date;
};

// The pictures of the project that are written with it, each under its caption, in the order 1 to 6.
std::vector<CaptionedPicture> captionedPictures(const std::array<ProjectPicture, 6> &pictures);

// Paints the report on A4 portrait pages with margins of 2 cm: the document with every character's
// height and style as the editor holds them (heights given in pixels converted at `verticalDpi`),
// then the pictures, as many on a page as fit. Returns the number of pages.
int paintReport(QPagedPaintDevice &device, const QTextDocument &document, double verticalDpi,
                const std::vector<CaptionedPicture> &pictures, const PageDecoration &decoration);

// The same pages as a PDF file's bytes, the fonts embedded.
QByteArray reportPdf(const QTextDocument &document, double verticalDpi,
                     const std::vector<CaptionedPicture> &pictures, const PageDecoration &decoration);

} // namespace tragvel
