// Text of code page 950 (Big5), converted explicitly whatever the machine's
// locale, and UTF-8 with a byte-order mark for texts Big5 cannot hold.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace zelk {

enum class TextEncoding { Big5, Utf8WithBom };

// True when the machine's converters know Big5 (Qt built with ICU).
bool Big5Available();

// Decodes Big5 bytes up to the first zero byte (or the end).
QString DecodeBig5(QByteArrayView bytes);
// Encodes as Big5; `lossless` (when given) tells whether every character existed.
QByteArray EncodeBig5(QStringView text, bool* lossless = nullptr);
bool FitsBig5(QStringView text);

// Bytes of a text file: UTF-8 when they start with its byte-order mark (which is
// dropped), Big5 otherwise; read up to the first zero byte.
QString DecodeClientText(QByteArrayView bytes, TextEncoding* found = nullptr);
QByteArray EncodeClientText(QStringView text, TextEncoding encoding);

} // namespace zelk
