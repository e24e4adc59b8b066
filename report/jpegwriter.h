#pragma once

#include <QByteArray>

class QImage;

namespace tragvel::report {

// Baseline JPEG of 24-bit colour with full-resolution colour (4:4:4 sampling).
class JpegEncoder
{
public:
    explicit JpegEncoder(int quality = 100);

    // Throws Error with the codec's message when the picture cannot be encoded.
    QByteArray encode(const QImage &image) const;

private:
    int m_quality;
};

} // namespace tragvel::report
