#include "big5_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zelk {

namespace {
constexpr char kBig5[] = "Big5";
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

QByteArrayView UpToZero(QByteArrayView bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.first(zero);
}
} // namespace

bool Big5Available() {
    return QStringEncoder(kBig5).isValid() && QStringDecoder(kBig5).isValid();
}

QString DecodeBig5(QByteArrayView bytes) {
    QStringDecoder decoder(kBig5);
    if (!decoder.isValid()) return QString::fromLatin1(UpToZero(bytes));
    return decoder.decode(UpToZero(bytes));
}

QByteArray EncodeBig5(QStringView text, bool* lossless) {
    QStringEncoder encoder(kBig5);
    if (!encoder.isValid()) {
        if (lossless) *lossless = false;
        return text.toUtf8();
    }
    QByteArray bytes = encoder.encode(text);
    if (lossless) *lossless = !encoder.hasError();
    return bytes;
}

bool FitsBig5(QStringView text) {
    // Plain ASCII always fits; most lines of a client list are checked this fast.
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return true;
    bool lossless = false;
    EncodeBig5(text, &lossless);
    return lossless;
}

QString DecodeClientText(QByteArrayView bytes, TextEncoding* found) {
    if (bytes.startsWith(QByteArrayView(kUtf8Bom))) {
        if (found) *found = TextEncoding::Utf8WithBom;
        return QString::fromUtf8(UpToZero(bytes.sliced(3)));
    }
    if (found) *found = TextEncoding::Big5;
    return DecodeBig5(bytes);
}

QByteArray EncodeClientText(QStringView text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8WithBom) return QByteArray(kUtf8Bom) + text.toUtf8();
    return EncodeBig5(text);
}

} // namespace zelk
