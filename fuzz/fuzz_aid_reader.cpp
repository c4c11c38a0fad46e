// Any bytes as a legacy client file: whole records only, never a byte past the
// end, never more records than the header announces.
#include "client_v2_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk;
    const V2ClientImage image =
        ParseV2ClientFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (qsizetype(image.records.size()) > image.announced) std::abort();
    const size_t room = size < size_t(kV2HeaderSize) ? 0 : (size - kV2HeaderSize) / kV2RecordSize;
    if (image.records.size() > room) std::abort();
    for (const auto& r : image.records)
        if (r.name.text().size() > 31 || r.note.text().size() > 255) std::abort();
    return 0;
}
