#include <pathwell/cimagelist.h>

#include <pathwell/handletable.h>
#include <pathwell/variantindex.h>

#include "colours.h"
#include "iconrecord.h"
#include "liveobjects.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>

namespace PathwellControls {

namespace {

constexpr int kMaxStripWidth = 32767;
// Joins the image keys in the saved form.
constexpr QChar kKeySeparator(0x00FF);

QPalette systemPalette() {
    return QGuiApplication::palette();
}

bool isKnownDepth(eilColourDepth depth) {
    constexpr std::array depths = {ILC_COLOR,   ILC_COLOR4,  ILC_COLOR8,
                                   ILC_COLOR16, ILC_COLOR24, ILC_COLOR32};
    return std::find(depths.begin(), depths.end(), depth) != depths.end();
}

// The image with a colour mixed in at half strength over its visible pixels.
QImage blended(const QImage &image, const QColor &colour) {
    QImage result = image;
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.setOpacity(0.5);
    painter.fillRect(result.rect(), colour);
    return result;
}

// The disabled look: the image's shape in the 3-D highlight colour one pixel right and
// down, then in the button shadow colour over it. Transparent and white pixels are not
// part of the shape.
QImage embossed(const QImage &image, const QPalette &palette) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb shadow = palette.color(QPalette::Dark).rgb();
    const auto isInk = [&source](int x, int y) {
        const QRgb pixel = source.pixel(x, y);
        return qAlpha(pixel) >= 128 && (pixel & 0xFFFFFF) != 0xFFFFFF;
    };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (isInk(x, y))
                result.setPixel(x, y, shadow);
            else if (x > 0 && y > 0 && isInk(x - 1, y - 1))
                result.setPixel(x, y, light);
        }
    }
    return result;
}

// Bitmaps are cut into pieces of the image size; pixels of the transparent colour vanish.
QList<QImage> bitmapPieces(const QImage &bitmap, QRgb transparent, QSize size) {
    QImage masked = bitmap.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF))
                line[x] = 0;
        }
    }
    const int count = std::max(1, masked.width() / size.width());
    QList<QImage> pieces;
    if (count > cImageList::kMaxImages)
        return pieces;
    for (int i = 0; i < count; ++i) {
        pieces.append(masked.copy(i * size.width(), 0, size.width(), size.height())
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return pieces;
}

QImage fittedIcon(const QImage &icon, QSize size) {
    const QImage converted = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (converted.size() == size)
        return converted;
    return converted.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Replaces the greys of classic 3-D pictures with the matching colours of the palette.
void mapSystemColours(QImage &image, const QPalette &palette) {
    struct Mapping {
        QRgb grey;
        QRgb colour;
    };
    const std::array mappings = {
        Mapping{qRgb(128, 128, 128), palette.color(QPalette::Dark).rgb()},
        Mapping{qRgb(192, 192, 192), palette.color(QPalette::Button).rgb()},
        Mapping{qRgb(223, 223, 223), palette.color(QPalette::Midlight).rgb()},
    };
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            for (const Mapping &mapping : mappings) {
                if ((line[x] & 0xFFFFFF) == (mapping.grey & 0xFFFFFF)) {
                    line[x] = (line[x] & 0xFF000000) | (mapping.colour & 0xFFFFFF);
                    break;
                }
            }
        }
    }
}

// Icon files may hold several pictures: the one of the wanted size, else the largest.
QImage readIconFile(QImageReader &reader, QSize wanted) {
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        if (image.size() == wanted)
            return image;
        if (best.isNull() || image.width() * image.height() > best.width() * best.height())
            best = image;
    }
    return best;
}

QString resourceFolderFor(ImageTypes type) {
    switch (type) {
    case IMAGE_BITMAP:
        return QStringLiteral("bitmap");
    case IMAGE_ICON:
        return QStringLiteral("icon");
    case IMAGE_CURSOR:
        return QStringLiteral("cursor");
    }
    return {};
}

} // namespace

cImageList::cImageList() {
    objectCreated();
}

cImageList::~cImageList() {
    Destroy();
    objectDestroyed();
}

void cImageList::setOwnerHDC(std::int32_t hdc) {
    m_ownerHdc = hdc;
}

eilColourDepth cImageList::SystemColourDepth() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 0;
    for (const eilColourDepth known :
         {ILC_COLOR32, ILC_COLOR24, ILC_COLOR16, ILC_COLOR8, ILC_COLOR4}) {
        if (depth >= known)
            return known;
    }
    return ILC_COLOR;
}

void cImageList::SwapOrCopyImage(const QVariant &vKeySrc, const QVariant &vKeyDst,
                                 eilSwapTypes eSwap) {
    const auto source = indexOf(vKeySrc);
    const auto destination = indexOf(vKeyDst);
    if (!source || !destination)
        return;
    if (eSwap == eilCopy)
        m_images[*destination] = m_images[*source];
    else
        m_images.swapItemsAt(*source, *destination);
    m_keys.swapItemsAt(*source, *destination);
}

bool cImageList::Create() {
    Destroy();
    const auto validSize = [](std::int32_t pixels) { return pixels > 0 && pixels <= kMaxIconSize; };
    if (!validSize(m_iconSizeX) || !validSize(m_iconSizeY) || !isKnownDepth(m_colourDepth))
        return false;
    m_imageSize = QSize(m_iconSizeX, m_iconSizeY);
    m_images.reserve(4);
    m_hIml = HandleTable::addImageList(this);
    return true;
}

void cImageList::Destroy() {
    if (m_hIml)
        HandleTable::release(m_hIml);
    m_hIml = 0;
    m_images.clear();
    m_keys.clear();
}

void cImageList::DrawImage(const QVariant &vKey, std::int32_t hdc, std::int16_t xPixels,
                           std::int16_t yPixels, const QVariant &bSelected, const QVariant &bCut,
                           const QVariant &bDisabled, std::int32_t oCutDitherColour,
                           std::int32_t hExternalIml) const {
    const cImageList *source = hExternalIml ? HandleTable::imageList(hExternalIml) : this;
    QImage *surface = HandleTable::surface(hdc);
    if (!source || !surface || surface->isNull())
        return;
    const auto index = source->indexOf(vKey);
    if (!index)
        return;

    const QPalette palette = systemPalette();
    QImage image = source->m_images[*index];
    if (bDisabled.toBool()) {
        image = embossed(image, palette);
    } else if (bCut.toBool()) {
        std::int32_t dither = translateColour(oCutDitherColour, palette);
        if (dither == -1)
            dither = translateColour(kWindowBackground, palette);
        image = blended(image, toQColor(dither));
    } else if (bSelected.toBool()) {
        image = blended(image, palette.color(QPalette::Highlight));
    }
    QPainter painter(surface);
    painter.drawImage(xPixels, yPixels, image);
}

std::int16_t cImageList::ImageCount() const {
    return static_cast<std::int16_t>(m_images.size());
}

void cImageList::RemoveImage(const QVariant &vKey) {
    if (const auto index = indexOf(vKey)) {
        m_images.removeAt(*index);
        m_keys.removeAt(*index);
    }
}

bool cImageList::KeyExists(const QString &sKey) const {
    return !sKey.isEmpty() && m_keys.contains(sKey, Qt::CaseSensitive);
}

std::int32_t cImageList::ItemIndex(const QVariant &vKey) const {
    const auto index = indexOf(vKey);
    return index ? static_cast<std::int32_t>(*index) : -1;
}

QVariant cImageList::ItemKey(std::int32_t iIndex) const {
    if (iIndex < 1 || iIndex > m_keys.size())
        return {};
    return m_keys[iIndex - 1];
}

void cImageList::setItemKey(std::int32_t iIndex, const QVariant &key) {
    if (iIndex >= 1 && iIndex <= m_keys.size())
        m_keys[iIndex - 1] = key.toString();
}

Picture cImageList::ItemPicture(const QVariant &vKey) const {
    return Picture::fromHandle(ItemCopyOfIcon(vKey));
}

std::int32_t cImageList::ItemCopyOfIcon(const QVariant &vKey) const {
    const auto index = indexOf(vKey);
    return index ? HandleTable::addIcon(m_images[*index]) : 0;
}

void cImageList::Clear() {
    Create();
}

std::int32_t cImageList::AddFromFile(const QString &sFileName, ImageTypes iType,
                                     const QVariant &vKey, bool bMapSysColors,
                                     std::int32_t lBackColor, const QVariant &vKeyAfter) {
    return addImageFile(sFileName, iType, vKey, bMapSysColors, lBackColor, vKeyAfter);
}

std::int32_t cImageList::AddFromResourceID(std::int32_t lID, std::int32_t hInst, ImageTypes iType,
                                           const QVariant &vKey, bool bMapSysColors,
                                           std::int32_t lBackColor, const QVariant &vKeyAfter) {
    const QString moduleFolder = HandleTable::moduleFolder(hInst);
    if (moduleFolder.isEmpty() || lID < 0)
        return 0;
    const QDir folder(moduleFolder + QLatin1Char('/') + resourceFolderFor(iType));
    const QStringList files =
        folder.entryList({QString::number(lID) + QStringLiteral(".*")}, QDir::Files);
    if (files.isEmpty())
        return 0;
    return addImageFile(folder.filePath(files.first()), iType, vKey, bMapSysColors, lBackColor,
                        vKeyAfter);
}

bool cImageList::AddFromHandle(std::int32_t hImage, ImageTypes iType, const QVariant &vKey,
                               std::int32_t lBackColor, const QVariant &vKeyAfter) {
    if (!m_hIml)
        return false;
    const HandleTable::Kind kind = HandleTable::kind(hImage);
    const QImage source = HandleTable::image(hImage);
    if (source.isNull())
        return false;

    QList<QImage> added;
    if (iType == IMAGE_BITMAP && kind == HandleTable::Kind::Bitmap) {
        const std::int32_t colour =
            lBackColor == -1 ? -1 : translateColour(lBackColor, systemPalette());
        const QRgb transparent = colour == -1 ? source.pixel(0, 0) : toQColor(colour).rgb();
        added = bitmapPieces(source, transparent, m_imageSize);
    } else if ((iType == IMAGE_ICON || iType == IMAGE_CURSOR) &&
               (kind == HandleTable::Kind::Icon || kind == HandleTable::Kind::Cursor)) {
        added = {fittedIcon(source, m_imageSize)};
    }
    if (added.isEmpty() || m_images.size() + added.size() > kMaxImages)
        return false;

    const qsizetype position = indexOf(vKeyAfter).value_or(m_images.size());
    for (qsizetype i = 0; i < added.size(); ++i) {
        m_images.insert(position + i, added[i]);
        m_keys.insert(position + i, i == 0 ? vKey.toString() : QString());
    }
    return true;
}

std::int32_t cImageList::AddFromPictureBox(std::int32_t hdc, const QImage &pic,
                                           const QVariant &vKey, std::int32_t LeftPixels,
                                           std::int32_t TopPixels, std::int32_t lBackColor) {
    const QImage *surface = HandleTable::surface(hdc);
    if (!m_hIml || !surface || !surface->rect().contains(LeftPixels, TopPixels))
        return 0;
    const QImage piece = surface->copy(QRect(QPoint(LeftPixels, TopPixels), m_imageSize));
    std::int32_t backColour = lBackColor;
    if (backColour == -1 && !pic.isNull())
        backColour = toColourValue(pic.pixel(0, 0));
    const std::int32_t bitmap = HandleTable::addBitmap(piece);
    const std::int32_t position = addAndReportPosition(bitmap, IMAGE_BITMAP, vKey, backColour, {});
    HandleTable::release(bitmap);
    return position;
}

Picture cImageList::ImagePictureStrip(const QVariant &vStartKey, const QVariant &vEndKey,
                                      std::int32_t oBackColor) const {
    if (m_images.isEmpty())
        return {};
    const auto start = vStartKey.isValid() ? indexOf(vStartKey) : std::optional<qsizetype>(0);
    const auto end =
        vEndKey.isValid() ? indexOf(vEndKey) : std::optional<qsizetype>(m_images.size() - 1);
    if (!start || !end || *end < *start)
        return {};
    const qsizetype width = (*end - *start + 1) * m_imageSize.width();
    if (width > kMaxStripWidth)
        return {};

    const QImage *owner = HandleTable::surface(m_ownerHdc);
    const QImage::Format format =
        owner && !owner->isNull() ? owner->format() : QImage::Format_RGB32;
    QImage strip(static_cast<int>(width), m_imageSize.height(), format);
    std::int32_t background = translateColour(oBackColor, systemPalette());
    if (background == -1)
        background = translateColour(kButtonFace, systemPalette());
    strip.fill(toQColor(background));
    QPainter painter(&strip);
    for (qsizetype i = *start; i <= *end; ++i)
        painter.drawImage(static_cast<int>((i - *start) * m_imageSize.width()), 0, m_images[i]);
    painter.end();
    return Picture::fromHandle(HandleTable::addBitmap(strip));
}

Picture cImageList::IconToPicture(std::int32_t hIcon) const {
    const HandleTable::Kind kind = HandleTable::kind(hIcon);
    if (kind != HandleTable::Kind::Icon && kind != HandleTable::Kind::Cursor)
        return {};
    return Picture::fromHandle(hIcon);
}

Picture cImageList::BitmapToPicture(std::int32_t hBmp) const {
    if (HandleTable::kind(hBmp) != HandleTable::Kind::Bitmap)
        return {};
    return Picture::fromHandle(hBmp);
}

std::int32_t cImageList::TranslateColor(std::int32_t clr, std::int32_t) const {
    return translateColour(clr, systemPalette());
}

void cImageList::WriteProperties(PropertyBag &bag) const {
    bag.write(QStringLiteral("IconSizeX"), m_iconSizeX, 16);
    bag.write(QStringLiteral("IconSizeY"), m_iconSizeY, 16);
    bag.write(QStringLiteral("ColourDepth"), std::int32_t(m_colourDepth), 0);
    if (!m_hIml || m_images.isEmpty())
        return;
    QByteArray records;
    for (const QImage &image : m_images)
        appendIconRecord(records, image);
    bag.write(QStringLiteral("Size"), static_cast<std::int32_t>(records.size()));
    bag.write(QStringLiteral("Images"), records);
    bag.write(QStringLiteral("KeyCount"), static_cast<std::int16_t>(m_images.size()));
    bag.write(QStringLiteral("Keys"), m_keys.join(kKeySeparator));
}

void cImageList::ReadProperties(const PropertyBag &bag) {
    const auto readInt32 = [&bag](const QString &name, std::int32_t fallback) {
        return toInt32(bag.read(name, fallback)).value_or(fallback);
    };
    m_iconSizeX = readInt32(QStringLiteral("IconSizeX"), 16);
    m_iconSizeY = readInt32(QStringLiteral("IconSizeY"), 16);
    m_colourDepth = static_cast<eilColourDepth>(readInt32(QStringLiteral("ColourDepth"), 0));
    if (!Create())
        return;
    const std::int32_t size = readInt32(QStringLiteral("Size"), 0);
    const PropertyValue images = bag.read(QStringLiteral("Images"));
    const auto *records = std::get_if<QByteArray>(&images);
    if (size <= 0 || !records)
        return;
    const qint64 end = std::min<qint64>(size, records->size());
    for (qint64 offset = 0; offset < end && m_images.size() < kMaxImages;) {
        const auto record = readIconRecord(*records, offset, m_imageSize);
        if (!record)
            break;
        if (!record->image.isNull()) {
            m_images.append(record->image);
            m_keys.append(QString());
        }
        offset += record->length;
    }
    const QStringList keys =
        toText(bag.read(QStringLiteral("Keys"))).value_or(QString()).split(kKeySeparator);
    for (qsizetype i = 0; i < std::min(keys.size(), m_keys.size()); ++i)
        m_keys[i] = keys[i];
}

std::optional<qsizetype> cImageList::indexOf(const QVariant &key) const {
    const VariantIndex index = VariantIndex::read(key, true);
    if (index.position) {
        if (*index.position >= 1 && *index.position <= m_images.size())
            return *index.position - 1;
        return std::nullopt;
    }
    if (index.key && !index.key->isEmpty()) {
        const qsizetype found = m_keys.indexOf(*index.key);
        if (found >= 0)
            return found;
    }
    return std::nullopt;
}

std::int32_t cImageList::addImageFile(const QString &fileName, ImageTypes iType,
                                      const QVariant &vKey, bool mapColours,
                                      std::int32_t backColour, const QVariant &keyAfter) {
    if (!m_hIml)
        return 0;
    QImageReader reader(fileName);
    QImage image = iType == IMAGE_BITMAP ? reader.read() : readIconFile(reader, m_imageSize);
    if (image.isNull())
        return 0;
    if (mapColours)
        mapSystemColours(image, systemPalette());
    std::int32_t handle = 0;
    switch (iType) {
    case IMAGE_BITMAP:
        handle = HandleTable::addBitmap(image);
        break;
    case IMAGE_ICON:
        handle = HandleTable::addIcon(image);
        break;
    case IMAGE_CURSOR:
        handle = HandleTable::addCursor(image);
        break;
    }
    const std::int32_t position = addAndReportPosition(handle, iType, vKey, backColour, keyAfter);
    HandleTable::release(handle);
    return position;
}

std::int32_t cImageList::addAndReportPosition(std::int32_t handle, ImageTypes iType,
                                              const QVariant &vKey, std::int32_t backColour,
                                              const QVariant &keyAfter) {
    const qsizetype position = indexOf(keyAfter).value_or(m_images.size());
    return AddFromHandle(handle, iType, vKey, backColour, keyAfter)
               ? static_cast<std::int32_t>(position + 1)
               : 0;
}

} // namespace PathwellControls
