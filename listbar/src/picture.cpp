#include <pathwell/picture.h>

#include <pathwell/handletable.h>

#include "liveobjects.h"

namespace PathwellControls {

class Picture::Owner {
public:
    Owner(std::int32_t handle, Type type) : handle(handle), type(type) { objectCreated(); }
    ~Owner() {
        HandleTable::release(handle);
        objectDestroyed();
    }
    Owner(const Owner &) = delete;
    Owner &operator=(const Owner &) = delete;

    const std::int32_t handle;
    const Type type;
};

Picture Picture::fromHandle(std::int32_t handle) {
    Picture picture;
    switch (HandleTable::kind(handle)) {
    case HandleTable::Kind::Bitmap:
        picture.m_owner = std::make_shared<const Owner>(handle, Type::Bitmap);
        break;
    case HandleTable::Kind::Icon:
    case HandleTable::Kind::Cursor:
        picture.m_owner = std::make_shared<const Owner>(handle, Type::Icon);
        break;
    default:
        break;
    }
    return picture;
}

Picture::Type Picture::type() const {
    return m_owner ? m_owner->type : Type::None;
}

std::int32_t Picture::Handle() const {
    return m_owner ? m_owner->handle : 0;
}

QImage Picture::image() const {
    return m_owner ? HandleTable::image(m_owner->handle) : QImage();
}

} // namespace PathwellControls
