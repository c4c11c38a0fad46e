#include "client_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zelk {

namespace {

constexpr uint16_t kLongCountMark = 0xFFFF;

uint16_t ReadU16At(QByteArrayView bytes, qsizetype at) {
    return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
}
uint32_t ReadU32At(QByteArrayView bytes, qsizetype at) {
    return uint32_t(ReadU16At(bytes, at)) | uint32_t(ReadU16At(bytes, at + 2)) << 16;
}

void AppendCount(QByteArray& out, uint32_t count) {
    auto put16 = [&out](uint16_t v) {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    };
    if (count < kLongCountMark) {
        put16(uint16_t(count));
    } else {
        put16(kLongCountMark);
        put16(uint16_t(count & 0xFFFF));
        put16(uint16_t(count >> 16));
    }
}

} // namespace

ClientFileImage ParseClientFile(QByteArrayView bytes) {
    ClientFileImage image;
    qsizetype offset = 2;
    if (bytes.size() < 2) {
        image.damage = ClientFileDamage::NoCount;
        return image;
    }
    image.announced = ReadU16At(bytes, 0);
    if (image.announced == kLongCountMark) {
        if (bytes.size() < 6) {
            image.damage = ClientFileDamage::NoCount;
            return image;
        }
        image.announced = ReadU32At(bytes, 2);
        offset = 6;
    }

    // The number of whole records present bounds everything that follows, so an
    // absurd count never turns into an allocation.
    const qsizetype present = (bytes.size() - offset) / kUserInfoSize;
    qsizetype take = qMin<qsizetype>(present, image.announced);
    if (take > kClientListLimit) take = kClientListLimit;

    if (present < qsizetype(image.announced))
        image.damage = ClientFileDamage::Truncated;
    else if (image.announced > uint32_t(kClientListLimit))
        image.damage = ClientFileDamage::OverLimit;
    else if (offset + qsizetype(image.announced) * kUserInfoSize != bytes.size())
        image.damage = ClientFileDamage::TrailingBytes;

    image.records.reserve(size_t(take));
    for (qsizetype i = 0; i < take; ++i)
        image.records.push_back(ParseUserInfo(bytes.data() + offset + i * kUserInfoSize));
    return image;
}

QByteArray SerializeClientFile(const ClientList& list) {
    QByteArray out;
    out.reserve(6 + qsizetype(list.size()) * kUserInfoSize);
    AppendCount(out, uint32_t(list.size()));
    const qsizetype start = out.size();
    out.resize(start + qsizetype(list.size()) * kUserInfoSize);
    for (size_t i = 0; i < list.size(); ++i)
        SerializeUserInfo(list[i], out.data() + start + qsizetype(i) * kUserInfoSize);
    return out;
}

QByteArray SerializeClientFile(const ClientList& list, const std::vector<int>& positions) {
    QByteArray out;
    size_t count = 0;
    for (int p : positions)
        if (p >= 0 && size_t(p) < list.size()) ++count;
    AppendCount(out, uint32_t(count));
    const qsizetype start = out.size();
    out.resize(start + qsizetype(count) * kUserInfoSize);
    qsizetype at = start;
    for (int p : positions) {
        if (p < 0 || size_t(p) >= list.size()) continue;
        SerializeUserInfo(list[size_t(p)], out.data() + at);
        at += kUserInfoSize;
    }
    return out;
}

ClientStoreResult ReadClientFile(const QString& path, ClientList& list, bool replace) {
    ClientStoreResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.ok = false;
        if (QFileInfo::exists(path)) result.note(kMsgCannotReadFile, path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    ClientFileImage image = ParseClientFile(bytes);
    result.count = int(image.records.size());
    if (image.damage != ClientFileDamage::None) result.note(kMsgFileDamaged, path, result.count);
    if (replace) {
        list = std::move(image.records);
    } else {
        list.insert(list.end(), std::make_move_iterator(image.records.begin()),
                    std::make_move_iterator(image.records.end()));
    }
    return result;
}

ClientStoreResult WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                      int failMessage) {
    ClientStoreResult result;
    QSaveFile file(path);
    // No fallback to writing in place: the old file must survive a failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return result.fail(failMessage, path);
    if (file.write(bytes) != bytes.size()) file.cancelWriting();
    if (!file.commit()) return result.fail(failMessage, path);
    return result;
}

ClientStoreResult WriteClientFile(const QString& path, const ClientList& list) {
    ClientStoreResult result = WriteFileAtomically(path, SerializeClientFile(list));
    if (result.ok) result.count = int(list.size());
    return result;
}

ClientStoreResult WriteClientFile(const QString& path, const ClientList& list,
                                  const std::vector<int>& positions) {
    ClientStoreResult result = WriteFileAtomically(path, SerializeClientFile(list, positions));
    if (result.ok)
        for (int p : positions)
            result.count += p >= 0 && size_t(p) < list.size() ? 1 : 0;
    return result;
}

} // namespace zelk
