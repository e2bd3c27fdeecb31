#include "support/reference_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

namespace testing {

QByteArray Cp1251(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            bytes.append(static_cast<char>(u));
        else if (u >= 0x0410 && u <= 0x044F)
            bytes.append(static_cast<char>(0xC0 + (u - 0x0410)));
        else if (u == 0x0401)
            bytes.append('\xA8');
        else if (u == 0x0451)
            bytes.append('\xB8');
        else
            qFatal("no Windows-1251 byte in the fixture");
    }
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool PutInPlace(const QString& path, NotAFile kind)
{
    ClearPlace(path);
    switch (kind) {
    case NotAFile::Missing:
        return !QFileInfo::exists(path);
    case NotAFile::Directory:
        return QDir().mkdir(path);
    case NotAFile::NamedPipe:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    }
    return false;
}

void ClearPlace(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir().rmdir(path);
    else
        QFile::remove(path);
}

} // namespace testing
