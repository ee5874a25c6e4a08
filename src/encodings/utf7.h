#pragma once

#include <QByteArray>
#include <QString>

namespace tornelis {

// UTF-7 (RFC 2152). The encoder closes every base64 run with "-", the last
// one included, so nothing of the text is left in its state.
QByteArray EncodeUtf7(QStringView text);
QString DecodeUtf7(QByteArrayView bytes);

}  // namespace tornelis
