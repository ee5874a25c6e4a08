#pragma once

#include <QByteArray>
#include <QString>

namespace tornelis {

// UTF-8 that carries a UTF-16 text whole, lone surrogates included (each
// written as the three bytes UTF-8 would give its code point, as WTF-8
// does), so that a text can go through a UTF-8 stream and come back as it was.
QByteArray ToLooseUtf8(QStringView text);

// The text back; a byte that starts no sequence becomes U+FFFD.
QString FromLooseUtf8(const QByteArray &bytes);

}  // namespace tornelis
