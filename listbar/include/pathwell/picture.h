#pragma once

#include <pathwell/pathwell_export.h>

#include <QImage>

#include <cstdint>
#include <memory>

namespace PathwellControls {

// A bitmap or icon that owns its handle: the handle is released with the last copy.
class PATHWELL_EXPORT Picture {
public:
    enum class Type { None, Bitmap, Icon };

    Picture() = default;
    // Takes over a bitmap, icon or cursor handle; any other handle gives an empty picture.
    static Picture fromHandle(std::int32_t handle);

    Type type() const;
    bool isNull() const { return type() == Type::None; }
    std::int32_t Handle() const;
    QImage image() const;

private:
    class Owner;
    std::shared_ptr<const Owner> m_owner;
};

} // namespace PathwellControls
