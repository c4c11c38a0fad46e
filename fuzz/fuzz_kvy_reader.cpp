// Any bytes as a client database file: the reader must never read past them,
// never allocate by an absurd count, and every whole record it keeps must
// write back to exactly the bytes it came from.
#include "client_file.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ClientFileImage image = ParseClientFile(bytes);
    if (image.records.size() > size_t(kClientListLimit)) std::abort();
    const qsizetype offset = size >= 2 && data[0] == 0xFF && data[1] == 0xFF ? 6 : 2;
    if (image.damage == ClientFileDamage::None) {
        // A sound file is written back with the same records, byte for byte. (A
        // small count in the long form, FF FF 03 00 00 00, comes back short.)
        if (SerializeClientFile(image.records).mid(2) != bytes.sliced(offset)) std::abort();
    } else {
        for (size_t i = 0; i < image.records.size(); ++i) {
            const QByteArray again = SerializeUserInfo(image.records[i]);
            if (std::memcmp(again.constData(), data + offset + qsizetype(i) * kUserInfoSize,
                            kUserInfoSize) != 0)
                std::abort();
        }
    }
    return 0;
}
