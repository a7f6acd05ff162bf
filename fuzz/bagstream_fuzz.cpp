// Feeds arbitrary bytes to the property bag stream reader, and what it read to the control.
#include <pathwell/bagstream.h>
#include <pathwell/listbar.h>

#include <QApplication>

#include <cstdint>
#include <cstdlib>

using namespace PathwellControls;

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bagstream_fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray stream =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PropertyBag bag = BagStream::fromBytes(stream);

    // Whatever was read is written as a sound stream that reads back as the same bag.
    QString fault;
    if (!(BagStream::fromBytes(BagStream::toBytes(bag), &fault) == bag) || !fault.isEmpty())
        std::abort();

    Listbar control;
    control.resize(8, 8);
    control.ReadProperties(bag);
    PropertyBag saved;
    control.WriteProperties(saved);
    BagStream::toBytes(saved);
    return 0;
}
