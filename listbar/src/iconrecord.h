#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace PathwellControls {

// The saved form of one image of an image list: an icon flag and hot spot, then a colour
// bitmap and a mask bitmap, each a 24-byte description followed by its pixels as a bottom-up
// device-independent bitmap (24 bits per pixel for the colour, 1 for the mask). Each pixel area
// is reserved larger than its rows need, by a size worked out from the width and height of
// the description in front of it.
//
// The colour is kept where the image is opaque; elsewhere the colour is black and the mask
// bit is set.
void appendIconRecord(QByteArray &out, const QImage &image);

struct IconRecord {
    qint64 length = 0;
    // Null when the record's two bitmaps differ in size, or are not of the wanted size.
    QImage image;
};

// The record at offset; nullopt when its descriptions do not fit or describe no bitmap a list
// could hold, so that no record after it can be found.
std::optional<IconRecord> readIconRecord(const QByteArray &data, qint64 offset, QSize wanted);

} // namespace PathwellControls
