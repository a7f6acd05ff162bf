#pragma once

#include <pathwell/enums.h>
#include <pathwell/pathwell_export.h>
#include <pathwell/picture.h>
#include <pathwell/propertybag.h>

#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace PathwellControls {

// A list of images of one size with transparency, each with a key.
//
// Images are named by a variant: a number, or a string of digits, is a 1-based position;
// any other string is an image key, compared with case. Surfaces, icons, bitmaps and image
// lists are passed by their HandleTable numbers. No member reports a failure: a missing
// list, image or handle gives 0, -1, false, an empty value or an empty picture.
class PATHWELL_EXPORT cImageList {
public:
    static constexpr std::int32_t kMaxIconSize = 1024;
    static constexpr int kMaxImages = 32767;

    cImageList();
    ~cImageList();
    cImageList(const cImageList &) = delete;
    cImageList &operator=(const cImageList &) = delete;

    void setOwnerHDC(std::int32_t hdc);
    eilColourDepth SystemColourDepth() const;
    // Exchanges the two images, or copies the source over the destination; the two keys
    // are exchanged either way.
    void SwapOrCopyImage(const QVariant &vKeySrc, const QVariant &vKeyDst,
                         eilSwapTypes eSwap = eilSwap);
    // Makes a new, empty list of IconSizeX by IconSizeY; sizes outside 1 to kMaxIconSize
    // and unknown colour depths leave no list.
    bool Create();
    void Destroy();
    // Draws transparently; blended half with the highlight colour when selected, or with
    // the dither colour when cut; embossed in grey when disabled. hExternalIml draws an
    // image of that list instead, named within that list.
    void DrawImage(const QVariant &vKey, std::int32_t hdc, std::int16_t xPixels,
                   std::int16_t yPixels, const QVariant &bSelected = false,
                   const QVariant &bCut = false, const QVariant &bDisabled = false,
                   std::int32_t oCutDitherColour = static_cast<std::int32_t>(0x80000005u),
                   std::int32_t hExternalIml = 0) const;
    std::int32_t IconSizeX() const { return m_iconSizeX; }
    void setIconSizeX(std::int32_t pixels) { m_iconSizeX = pixels; }
    std::int32_t IconSizeY() const { return m_iconSizeY; }
    void setIconSizeY(std::int32_t pixels) { m_iconSizeY = pixels; }
    eilColourDepth ColourDepth() const { return m_colourDepth; }
    void setColourDepth(eilColourDepth depth) { m_colourDepth = depth; }
    std::int16_t ImageCount() const;
    void RemoveImage(const QVariant &vKey);
    bool KeyExists(const QString &sKey) const;
    // 0-based position of the image, -1 when there is none.
    std::int32_t ItemIndex(const QVariant &vKey) const;
    // The key at a 1-based position; positions outside the list read as empty and are
    // not written.
    QVariant ItemKey(std::int32_t iIndex) const;
    void setItemKey(std::int32_t iIndex, const QVariant &key);
    Picture ItemPicture(const QVariant &vKey) const;
    // A new icon handle holding a copy of the image; the caller releases it.
    std::int32_t ItemCopyOfIcon(const QVariant &vKey) const;
    void Clear();
    // The Add members insert before the image named by vKeyAfter when that names one, else
    // append. A bitmap adds one image per image width it spans; the first new image takes
    // vKey. AddFromFile, AddFromResourceID and AddFromPictureBox answer the 1-based
    // position of the first new image, 0 when nothing was added.
    std::int32_t AddFromFile(const QString &sFileName, ImageTypes iType, const QVariant &vKey = {},
                             bool bMapSysColors = false, std::int32_t lBackColor = -1,
                             const QVariant &vKeyAfter = {});
    std::int32_t AddFromResourceID(std::int32_t lID, std::int32_t hInst, ImageTypes iType,
                                   const QVariant &vKey = {}, bool bMapSysColors = false,
                                   std::int32_t lBackColor = -1, const QVariant &vKeyAfter = {});
    // lBackColor is a bitmap's transparent colour; -1 takes its top-left pixel.
    bool AddFromHandle(std::int32_t hImage, ImageTypes iType, const QVariant &vKey = {},
                       std::int32_t lBackColor = -1, const QVariant &vKeyAfter = {});
    // Copies one image size from the surface at the given point; with lBackColor -1 the
    // transparent colour is the top-left pixel of the picture box image pic.
    std::int32_t AddFromPictureBox(std::int32_t hdc, const QImage &pic, const QVariant &vKey = {},
                                   std::int32_t LeftPixels = 0, std::int32_t TopPixels = 0,
                                   std::int32_t lBackColor = -1);
    std::int32_t hIml() const { return m_hIml; }
    // The images from start to end side by side on the background colour; both ends
    // default to the first and the last image.
    Picture
    ImagePictureStrip(const QVariant &vStartKey = {}, const QVariant &vEndKey = {},
                      std::int32_t oBackColor = static_cast<std::int32_t>(0x8000000Fu)) const;
    Picture IconToPicture(std::int32_t hIcon) const;
    Picture BitmapToPicture(std::int32_t hBmp) const;
    // The plain colour of a colour value that may name a system colour; -1 when it names
    // none. Palette-relative values are not kept here, so hPal plays no part.
    std::int32_t TranslateColor(std::int32_t clr, std::int32_t hPal = 0) const;

    // The saved form: the sizes and depth, then, when the list holds images, one icon record
    // per image in "Images" and the keys joined with U+00FF in "Keys".
    void WriteProperties(PropertyBag &bag) const;
    // Makes the list afresh from its saved form. Images that cannot be rebuilt, or that are
    // not of the list's size, are left out.
    void ReadProperties(const PropertyBag &bag);

private:
    std::optional<qsizetype> indexOf(const QVariant &key) const;
    std::int32_t addImageFile(const QString &fileName, ImageTypes iType, const QVariant &vKey,
                              bool mapColours, std::int32_t backColour, const QVariant &keyAfter);
    std::int32_t addAndReportPosition(std::int32_t handle, ImageTypes iType, const QVariant &vKey,
                                      std::int32_t backColour, const QVariant &keyAfter);

    std::int32_t m_iconSizeX = 16;
    std::int32_t m_iconSizeY = 16;
    eilColourDepth m_colourDepth = ILC_COLOR;
    std::int32_t m_hIml = 0;
    std::int32_t m_ownerHdc = 0;
    QSize m_imageSize;
    QList<QImage> m_images;
    QStringList m_keys;
};

} // namespace PathwellControls
