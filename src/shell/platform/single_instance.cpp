#include "shell/platform/single_instance.h"

#include <QStringList>
#include <QtEndian>

namespace tornelis {
namespace {

constexpr qsizetype kMaxHandOverUnits = 400;

}  // namespace

QString StartText(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return {};
    const QString text = arguments.size() == 2 ? arguments.at(1) : arguments.at(1) + QLatin1Char(' ') + arguments.at(2);
    return text.left(kMaxHandOverUnits);
}

QByteArray HandOverBytes(const QStringList &arguments)
{
    const QString text = StartText(arguments);
    if (text.isEmpty())
        return {};
    QByteArray bytes((text.size() + 1) * 2, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), bytes.data() + 2 * i);
    return bytes;
}

QString HandOverText(const QByteArray &block)
{
    QString text;
    for (qsizetype at = 0; at + 1 < block.size(); at += 2) {
        const quint16 unit = qFromLittleEndian<quint16>(block.constData() + at);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

}  // namespace tornelis
