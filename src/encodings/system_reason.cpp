#include "encodings/system_reason.h"

#include <QHash>

namespace tornelis {
namespace {

// The reasons a file operation meets in practice, in the words of the C
// library (glibc), of Windows and of Wine; compared in lower case without a
// closing full stop.
const QHash<QString, QString> &RussianReasons()
{
    static const QHash<QString, QString> reasons{
        {QStringLiteral("no such file or directory"), QStringLiteral("Нет такого файла или папки")},
        {QStringLiteral("the system cannot find the file specified"), QStringLiteral("Нет такого файла или папки")},
        {QStringLiteral("file not found"), QStringLiteral("Нет такого файла или папки")},
        {QStringLiteral("the system cannot find the path specified"), QStringLiteral("Нет такого пути")},
        {QStringLiteral("path not found"), QStringLiteral("Нет такого пути")},
        {QStringLiteral("permission denied"), QStringLiteral("Доступ запрещён")},
        {QStringLiteral("access is denied"), QStringLiteral("Доступ запрещён")},
        {QStringLiteral("access denied"), QStringLiteral("Доступ запрещён")},
        {QStringLiteral("operation not permitted"), QStringLiteral("Операция не разрешена")},
        {QStringLiteral("is a directory"), QStringLiteral("Это папка")},
        {QStringLiteral("file to open is a directory"), QStringLiteral("Это папка")},
        {QStringLiteral("not a directory"), QStringLiteral("Часть пути — не папка")},
        {QStringLiteral("no space left on device"), QStringLiteral("На диске не осталось места")},
        {QStringLiteral("there is not enough space on the disk"), QStringLiteral("На диске не осталось места")},
        {QStringLiteral("disk quota exceeded"), QStringLiteral("Превышена дисковая квота")},
        {QStringLiteral("read-only file system"), QStringLiteral("Файловая система доступна только для чтения")},
        {QStringLiteral("the media is write protected"), QStringLiteral("Носитель защищён от записи")},
        {QStringLiteral("file exists"), QStringLiteral("Файл уже существует")},
        {QStringLiteral("file name too long"), QStringLiteral("Слишком длинное имя файла")},
        {QStringLiteral("the filename, directory name, or volume label syntax is incorrect"),
         QStringLiteral("Недопустимое имя файла или папки")},
        {QStringLiteral("too many levels of symbolic links"), QStringLiteral("Слишком много символических ссылок подряд")},
        {QStringLiteral("too many open files"), QStringLiteral("Слишком много открытых файлов")},
        {QStringLiteral("input/output error"), QStringLiteral("Ошибка ввода-вывода")},
        {QStringLiteral("file too large"), QStringLiteral("Файл слишком велик")},
        {QStringLiteral("text file busy"), QStringLiteral("Файл занят")},
        {QStringLiteral("device or resource busy"), QStringLiteral("Устройство или ресурс занят")},
        {QStringLiteral("the process cannot access the file because it is being used by another process"),
         QStringLiteral("Файл занят другой программой")},
        {QStringLiteral("sharing violation"), QStringLiteral("Файл занят другой программой")},
        {QStringLiteral("no such device or address"), QStringLiteral("Нет такого устройства")},
        {QStringLiteral("no such device"), QStringLiteral("Нет такого устройства")},
        {QStringLiteral("broken pipe"), QStringLiteral("Канал закрыт")},
        {QStringLiteral("cannot allocate memory"), QStringLiteral("Не хватает памяти")},
        {QStringLiteral("stale file handle"), QStringLiteral("Файл на сетевом диске больше недоступен")},
        {QStringLiteral("unknown error"), QStringLiteral("Неизвестная ошибка")},
    };
    return reasons;
}

}  // namespace

QString RussianSystemReason(const QString &reason)
{
    QString key = reason.trimmed().toLower();
    if (key.endsWith(QLatin1Char('.')))
        key.chop(1);
    if (key.isEmpty())
        return RussianReasons().value(QStringLiteral("unknown error"));
    return RussianReasons().value(key, reason);
}

QString IsFolderReason()
{
    return QStringLiteral("Это папка");
}

QString IsNoRegularFileReason()
{
    return QStringLiteral("Это не обычный файл");
}

}  // namespace tornelis
