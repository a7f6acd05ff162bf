#pragma once

#include <pathwell/pathwell_export.h>
#include <pathwell/propertybag.h>

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>

namespace PathwellControls {

// The byte stream in which hosts keep a property bag.
//
// The stream is the signature 0xB293 and the stream's length (4 bytes each), then the entries,
// each padded to 4 bytes: value type (2), name length (2), name hash (4), signed distance to the
// next entry (4, the last entry's pointing back to the first, so that they form a ring), the
// name in lower case as UTF-16, then the value. All numbers are little-endian. Objects are
// written as their class identifier followed by the standard font form or by a nested stream.
//
// Reading never fails as a whole: a malformed stream gives the entries read before and
// around its faults, and the first fault is described, with its offset, in the error string.
class PATHWELL_EXPORT BagStream {
public:
    enum ValueType : std::uint16_t {
        Integer16 = 2,
        Integer32 = 3,
        String = 8,
        Boolean = 11,
        Object = 13,
        ByteArray = 0x2011,
    };

    static constexpr std::uint32_t kSignature = 0xB293;
    // Objects nested deeper than this are not read, which bounds the reader's own nesting.
    static constexpr int kMaxObjectDepth = 8;

    // Each character c of the lower-case name turns h into (h rotated left by 13) XOR c.
    static std::uint32_t nameHash(const QString &lowerCaseName);

    static PropertyBag fromBytes(const QByteArray &bytes, QString *error = nullptr);
    // Reads one stream from the device, no further than the length in its header says.
    static PropertyBag read(QIODevice &device, QString *error = nullptr);

    static QByteArray toBytes(const PropertyBag &bag);
    static bool write(const PropertyBag &bag, QIODevice &device, QString *error = nullptr);
    // Replaces the file only once the whole stream is written.
    static bool save(const PropertyBag &bag, const QString &fileName, QString *error = nullptr);
};

} // namespace PathwellControls
