#include "report/pdfexport.h"

#include "report/reportdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace tragvel {

namespace {

const QString kFontFamily = QStringLiteral("Courier New");

const char *const kCaptions[6] = {
    "Obr. 1 – Podélná příčinková čára",
    "Obr. 2 – Příčinková čára příčného roznosu",
    "Obr. 3 – Zatížení pro návrh objektu – pohled",
    "Obr. 4 – Zatížení pro návrh objektu – půdorys",
    "Obr. 5 – Zatížení pro posouzení objektu – pohled",
    "Obr. 6 – Zatížení pro posouzení objektu – půdorys",
};

// The pictures are drawn at the size they have on the screen, shrunk to the width of the page.
constexpr double kScreenDpi = 96.0;

QFont pageFont(const QPagedPaintDevice &device, double points, bool bold)
{
    QFont font(kFontFamily);
    // Sizes in points are resolved against the painter's device, so the font is given in its pixels.
    font.setPixelSize(qMax(1, qRound(points * device.logicalDpiY() / 72.0)));
    font.setBold(bold);
    return font;
}

// A copy of the document laid out for the device: every character keeps its height in points and
// its style; heights given in pixels become points at the editor's resolution, so the pages show
// what the RTF states.
std::unique_ptr<QTextDocument> printedDocument(const QTextDocument &source, double verticalDpi,
                                               QPagedPaintDevice &device, const QSizeF &pageSize)
{
    std::unique_ptr<QTextDocument> document(source.clone());
    const QFont sourceDefault = source.defaultFont();
    QFont defaultFont(kFontFamily);
    defaultFont.setPointSizeF(pointSizeOf(QTextCharFormat(), sourceDefault, verticalDpi));
    document->setDefaultFont(defaultFont);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            QTextCharFormat format;
            format.setFontFamilies({kFontFamily});
            format.setFontPointSize(pointSizeOf(fragment.charFormat(), sourceDefault, verticalDpi));
            QTextCursor cursor(document.get());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
    }
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    document->documentLayout()->setPaintDevice(&device);
    document->setDocumentMargin(0);
    document->setPageSize(pageSize);
    return document;
}

struct PrintedLine
{
    QTextLine line;
    QPointF origin; // of its block's layout in the document
    int page;
};

std::vector<PrintedLine> printedLines(const QTextDocument &document, double pageHeight)
{
    std::vector<PrintedLine> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = layout->position().y() + line.y();
            // Half a device pixel absorbs the rounding of a line placed at the top of a page.
            lines.push_back({line, layout->position(), int(std::floor((top + 0.5) / pageHeight))});
        }
    }
    return lines;
}

struct PlacedPicture
{
    int page; // counted from 0 among the picture pages
    QRectF captionRect;
    QRectF imageRect;
    const CaptionedPicture *picture;
};

// Stacks the pictures down the body, each under its caption, and starts a new page when the next
// one does not fit.
std::vector<PlacedPicture> placePictures(const std::vector<CaptionedPicture> &pictures, const QRectF &body,
                                         double captionHeight, double gap, double devicePerScreenPixel)
{
    std::vector<PlacedPicture> placed;
    int page = 0;
    double y = body.top();
    for (const CaptionedPicture &picture : pictures) {
        const double scale = qMin(devicePerScreenPixel, body.width() / qMax(1, picture.image.width()));
        const QSizeF size(picture.image.width() * scale, picture.image.height() * scale);
        const double needed = captionHeight + size.height();
        if (y > body.top() && y + needed > body.bottom()) {
            ++page;
            y = body.top();
        }
        placed.push_back({page, QRectF(body.left(), y, body.width(), captionHeight),
                          QRectF(QPointF(body.left(), y + captionHeight), size), &picture});
        y += needed + gap;
    }
    return placed;
}

} // namespace

std::vector<CaptionedPicture> captionedPictures(const std::array<ProjectPicture, 6> &pictures)
{
    std::vector<CaptionedPicture> result;
    for (size_t i = 0; i < pictures.size(); ++i)
        if (pictures[i].write)
            result.push_back({QString::fromUtf8(kCaptions[i]), pictures[i].image});
    return result;
}

int paintReport(QPagedPaintDevice &device, const QTextDocument &document, double verticalDpi,
                const std::vector<CaptionedPicture> &pictures, const PageDecoration &decoration)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;

    const double dpi = device.logicalDpiY();
    const QRectF area(0, 0, device.width(), device.height());
    const QFont decorationFont = pageFont(device, 8.0, false);
    const double band = QFontMetricsF(decorationFont, &device).height() * 2.0;
    const QRectF body = area.adjusted(0, band, 0, -band);

    const std::unique_ptr<QTextDocument> text = printedDocument(document, verticalDpi, device, body.size());
    const int textPages = document.isEmpty() ? 0 : text->pageCount();
    const std::vector<PrintedLine> lines = printedLines(*text, body.height());

    const QFont captionFont = pageFont(device, 10.0, true);
    const double captionHeight = QFontMetricsF(captionFont, &device).height() * 1.6;
    const std::vector<PlacedPicture> placed =
        placePictures(pictures, body, captionHeight, captionHeight / 2.0, dpi / kScreenDpi);
    const int picturePages = placed.empty() ? 0 : placed.back().page + 1;
    const int pages = qMax(1, textPages + picturePages);

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.setPen(Qt::black);
        painter.setFont(decorationFont);
        const QRectF header(area.left(), area.top(), area.width(), band / 2.0);
        painter.drawText(header, Qt::AlignLeft | Qt::AlignTop, decoration.projectName);
        painter.drawText(header, Qt::AlignRight | Qt::AlignTop, decoration.date);
        const QRectF footer(area.left(), area.bottom() - band / 2.0, area.width(), band / 2.0);
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Strana %1 z %2").arg(page + 1).arg(pages));

        if (page < textPages) {
            // Line by line, each on the page it starts on: a line the layout moved to the next page
            // must not be drawn, clipped, at the bottom of this one.
            painter.save();
            painter.translate(body.left(), body.top() - page * body.height());
            for (const PrintedLine &line : lines)
                if (line.page == page)
                    line.line.draw(&painter, line.origin);
            painter.restore();
            continue;
        }
        for (const PlacedPicture &p : placed) {
            if (p.page != page - textPages)
                continue;
            painter.setFont(captionFont);
            painter.drawText(p.captionRect, Qt::AlignLeft | Qt::AlignVCenter, p.picture->caption);
            painter.drawImage(p.imageRect, p.picture->image);
            painter.setPen(QPen(Qt::gray, 0));
            painter.drawRect(p.imageRect);
            painter.setPen(Qt::black);
        }
    }
    return pages;
}

QByteArray reportPdf(const QTextDocument &document, double verticalDpi,
                     const std::vector<CaptionedPicture> &pictures, const PageDecoration &decoration)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Tragvel"));
        writer.setTitle(decoration.projectName);
        paintReport(writer, document, verticalDpi, pictures, decoration);
    }
    return bytes;
}

} // namespace tragvel
