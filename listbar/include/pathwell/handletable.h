#pragma once

#include <pathwell/pathwell_export.h>

#include <QImage>
#include <QString>

#include <cstdint>

namespace PathwellControls {

class cImageList;

// Names Qt objects by 32-bit numbers, so that members which take a drawing surface, an icon,
// a bitmap, an image list or a resource module keep a plain integer parameter. 0 names
// nothing, and a released number names nothing until it is handed out again.
class PATHWELL_EXPORT HandleTable {
public:
    enum class Kind { None, Surface, Bitmap, Icon, Cursor, ImageList, Module };

    // Images are copied into the table; the handle owns the copy until released.
    static std::int32_t addBitmap(const QImage &bitmap);
    static std::int32_t addIcon(const QImage &icon);
    static std::int32_t addCursor(const QImage &cursor);
    // Surfaces and image lists are not owned: their owner releases the handle before they go.
    static std::int32_t addSurface(QImage *surface);
    static std::int32_t addImageList(cImageList *list);
    // A module is a resource folder holding "bitmap", "icon" and "cursor" subfolders
    // with files named by resource number, such as "icon/101.xpm".
    static std::int32_t addModule(const QString &resourceFolder);

    // The library's own resources, the module of its built-in pictures.
    static std::int32_t libraryInstance();

    static Kind kind(std::int32_t handle);
    // The bitmap, icon or cursor image; a null image for any other handle.
    static QImage image(std::int32_t handle);
    static QImage *surface(std::int32_t handle);
    static cImageList *imageList(std::int32_t handle);
    static QString moduleFolder(std::int32_t handle);

    static void release(std::int32_t handle);
};

} // namespace PathwellControls
