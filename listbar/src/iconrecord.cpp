#include "iconrecord.h"

#include <pathwell/cimagelist.h>

#include <QtEndian>

namespace PathwellControls {

namespace {

constexpr qint64 kRecordHeaderSize = 12;
constexpr qint64 kDescriptionSize = 24;
constexpr std::uint32_t kIconFlag = 1;
// The pixels are kept in the record in their own depths; the descriptions name the bitmaps
// the icon was made of, a colour bitmap of the screen's depth and a monochrome mask.
constexpr std::uint16_t kScreenBitsPerPixel = 32;

template <typename T> void appendLittleEndian(QByteArray &out, T value) {
    const T stored = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&stored), sizeof stored);
}

template <typename T> T numberAt(const QByteArray &data, qint64 offset) {
    return qFromLittleEndian<T>(data.constData() + offset);
}

qint64 colourAreaSize(qint64 width, qint64 height) {
    return (3 * width + 3) * height;
}

// (width + 7) / 8 rounded to the nearest whole number, halves to even, then up to whole
// 4-byte units.
qint64 maskAreaSize(qint64 width, qint64 height) {
    const qint64 whole = (width + 7) / 8;
    const qint64 eighths = (width + 7) % 8;
    const bool roundUp = eighths > 4 || (eighths == 4 && whole % 2 == 1);
    const qint64 rowBytes = roundUp ? whole + 1 : whole;
    return (rowBytes + 3) / 4 * 4 * height;
}

// Rows of device-independent bitmaps are padded to 4 bytes.
qint64 colourRowStride(qint64 width) {
    return (24 * width + 31) / 32 * 4;
}

qint64 maskRowStride(qint64 width) {
    return (width + 31) / 32 * 4;
}

void appendDescription(QByteArray &out, qint32 width, qint32 height, qint32 bytesPerRow,
                       std::uint16_t bitsPerPixel) {
    appendLittleEndian<std::uint32_t>(out, 0);
    appendLittleEndian(out, width);
    appendLittleEndian(out, height);
    appendLittleEndian(out, bytesPerRow);
    appendLittleEndian<std::uint16_t>(out, 1);
    appendLittleEndian(out, bitsPerPixel);
    appendLittleEndian<std::uint32_t>(out, 0);
}

bool isListSide(qint64 pixels) {
    return pixels > 0 && pixels <= cImageList::kMaxIconSize;
}

} // namespace

void appendIconRecord(QByteArray &out, const QImage &image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const int width = pixels.width();
    const int height = pixels.height();
    appendLittleEndian(out, kIconFlag);
    // An icon's hot spot is its centre.
    appendLittleEndian<qint32>(out, width / 2);
    appendLittleEndian<qint32>(out, height / 2);
    appendDescription(out, width, height, width * kScreenBitsPerPixel / 8, kScreenBitsPerPixel);
    const qsizetype colourStart = out.size();
    out.append(colourAreaSize(width, height), '\0');
    appendDescription(out, width, height, (width + 15) / 16 * 2, 1);
    const qsizetype maskStart = out.size();
    out.append(maskAreaSize(width, height), '\0');

    char *colourArea = out.data() + colourStart;
    char *maskArea = out.data() + maskStart;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        char *colourRow = colourArea + (height - 1 - y) * colourRowStride(width);
        char *maskRow = maskArea + (height - 1 - y) * maskRowStride(width);
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) >= 128) {
                colourRow[3 * x] = static_cast<char>(qBlue(line[x]));
                colourRow[3 * x + 1] = static_cast<char>(qGreen(line[x]));
                colourRow[3 * x + 2] = static_cast<char>(qRed(line[x]));
            } else {
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | 0x80 >> x % 8);
            }
        }
    }
}

std::optional<IconRecord> readIconRecord(const QByteArray &data, qint64 offset, QSize wanted) {
    const qint64 colourDescription = offset + kRecordHeaderSize;
    if (data.size() - colourDescription < kDescriptionSize)
        return std::nullopt;
    const qint64 width = numberAt<qint32>(data, colourDescription + 4);
    const qint64 height = numberAt<qint32>(data, colourDescription + 8);
    if (!isListSide(width) || !isListSide(height))
        return std::nullopt;
    const qint64 colourStart = colourDescription + kDescriptionSize;
    const qint64 maskDescription = colourStart + colourAreaSize(width, height);
    if (data.size() - maskDescription < kDescriptionSize)
        return std::nullopt;
    const qint64 maskWidth = numberAt<qint32>(data, maskDescription + 4);
    const qint64 maskHeight = numberAt<qint32>(data, maskDescription + 8);
    if (!isListSide(maskWidth) || !isListSide(maskHeight))
        return std::nullopt;
    const qint64 maskStart = maskDescription + kDescriptionSize;
    const qint64 end = maskStart + maskAreaSize(maskWidth, maskHeight);
    if (end > data.size())
        return std::nullopt;

    IconRecord record{end - offset, {}};
    if (maskWidth != width || maskHeight != height || QSize(width, height) != wanted)
        return record;
    record.image = QImage(static_cast<int>(width), static_cast<int>(height),
                          QImage::Format_ARGB32_Premultiplied);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(record.image.scanLine(y));
        const uchar *colourRow = bytes + colourStart + (height - 1 - y) * colourRowStride(width);
        const uchar *maskRow = bytes + maskStart + (height - 1 - y) * maskRowStride(width);
        for (int x = 0; x < width; ++x) {
            const bool transparent = maskRow[x / 8] & 0x80 >> x % 8;
            line[x] = transparent
                          ? 0
                          : qRgb(colourRow[3 * x + 2], colourRow[3 * x + 1], colourRow[3 * x]);
        }
    }
    return record;
}

} // namespace PathwellControls
