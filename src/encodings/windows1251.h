#pragma once

#include <QByteArray>
#include <QString>

namespace tornelis {

// The Windows-1251 code page, both ways; characters it lacks become "?".
QString DecodeWindows1251(QByteArrayView bytes);
QByteArray EncodeWindows1251(QStringView text);

}  // namespace tornelis
