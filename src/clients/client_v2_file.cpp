#include "client_v2_file.h"

#include "big5_text.h"

#include <QFile>

namespace zelk {

namespace {

int16_t I16At(const char* p) {
    return int16_t(uint8_t(p[0]) | uint8_t(p[1]) << 8);
}
int32_t I32At(const char* p) {
    return int32_t(uint32_t(uint8_t(p[0])) | uint32_t(uint8_t(p[1])) << 8 |
                   uint32_t(uint8_t(p[2])) << 16 | uint32_t(uint8_t(p[3])) << 24);
}

// A text is taken only when it fits the new field with its terminator;
// otherwise the field stays empty rather than holding half a name.
template <int N> void TakeText(const char* p, int size, FixedText<N>& field) {
    const QString text = DecodeBig5(QByteArrayView(p, size));
    if (text.size() <= N - 1) field.assign(text);
}

} // namespace

tagUserInfo ParseV2ClientRecord(const char* b) {
    tagUserInfo r;
    TakeText(b + 0, 32, r.name);
    int16_t* dates[] = {&r.year,   &r.month,     &r.day,        &r.hourIndex, &r.hour,
                        &r.minute, &r.lunarYear, &r.lunarMonth, &r.lunarDay};
    for (int i = 0; i < 9; ++i)
        *dates[i] = I16At(b + 32 + 2 * i);
    r.sex = I32At(b + 52);
    r.isLeapMonth = I32At(b + 56);
    TakeText(b + 60, 64, r.address);
    TakeText(b + 124, 32, r.phone);
    TakeText(b + 156, 256, r.note);
    return r;
}

V2ClientImage ParseV2ClientFile(QByteArrayView bytes) {
    V2ClientImage image;
    if (bytes.size() < kV2HeaderSize) {
        // Too short even for the header: whether it announced anything is unknown.
        image.short_ = true;
        return image;
    }
    const int n = I16At(bytes.data() + 32);
    image.announced = n >= 0 ? n + 1 : 0;
    const qsizetype present = (bytes.size() - kV2HeaderSize) / kV2RecordSize;
    const qsizetype take = qMin<qsizetype>(present, image.announced);
    image.short_ = take < image.announced;
    image.records.reserve(size_t(take));
    for (qsizetype i = 0; i < take; ++i)
        image.records.push_back(
            ParseV2ClientRecord(bytes.data() + kV2HeaderSize + i * kV2RecordSize));
    return image;
}

ClientStoreResult ReadV2ClientFile(const QString& path, ClientList& list) {
    ClientStoreResult result;
    list.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result.fail(kMsgCannotOpenFile, path);
    V2ClientImage image = ParseV2ClientFile(file.readAll());
    list = std::move(image.records);
    result.count = int(list.size());
    if (image.short_) result.note(kMsgLegacyFileShort, path, result.count);
    return result;
}

} // namespace zelk
