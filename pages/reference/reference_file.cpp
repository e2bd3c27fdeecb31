#include "pages/reference/reference_file.h"

#include "values/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pages::reference {

namespace {

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr std::array<char16_t, 256> MakeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 0x80; ++byte)
        table[byte] = static_cast<char16_t>(byte);
    for (int byte = 0x80; byte < 0xC0; ++byte)
        table[byte] = kUpperHalf[byte - 0x80];
    for (int byte = 0xC0; byte < 0x100; ++byte)
        table[byte] = static_cast<char16_t>(0x0410 + byte - 0xC0);
    return table;
}

constexpr std::array<char16_t, 256> kDecodeTable = MakeDecodeTable();

constexpr qint64 kLargestFile = 256LL * 1024 * 1024;
constexpr qint64 kReadChunk = 1024 * 1024;

// The program's own copy: installed beside it (also after the install was
// moved, and in the build tree, which mirrors the installed layout), or
// where the build was configured to install it.
QString InstalledDataDirectory()
{
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/skhemar/Baase"),
        QStringLiteral(SKHEMAR_DATA_DIR "/Baase"),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return {};
}

// Opens the file read-only when it is still a regular file: on Unix without
// waiting, so that a pipe put in its place after the check cannot block.
bool OpenRegularFile(QFile& file)
{
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return false;
    }
    return file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    return file.open(QIODevice::ReadOnly);
#endif
}

} // namespace

QChar DecodeByte(unsigned char byte)
{
    return QChar(kDecodeTable[byte]);
}

QString Decode(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(kDecodeTable[static_cast<unsigned char>(byte)]);
    return text;
}

std::optional<unsigned char> EncodeChar(QChar character)
{
    const char16_t code = character.unicode();
    if (code < 0x80)
        return static_cast<unsigned char>(code);
    if (code >= 0x0410 && code <= 0x044F)
        return static_cast<unsigned char>(code - 0x0410 + 0xC0);
    if (code == 0xFFFD)
        return std::nullopt;
    const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), code);
    if (found == kUpperHalf.end())
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - kUpperHalf.begin()));
}

QByteArray UpperCased(std::string_view bytes)
{
    QByteArray upper(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char* out = upper.data();
    for (const char byte : bytes)
        *out++ = static_cast<char>(UpperByte(static_cast<unsigned char>(byte)));
    return upper;
}

std::optional<QByteArray> SearchKey(const QString& typed)
{
    QByteArray key;
    key.reserve(typed.size());
    for (const QChar character : typed) {
        if (character == QLatin1Char(' '))
            continue;
        const std::optional<unsigned char> byte = EncodeChar(character);
        if (!byte)
            return std::nullopt;
        key.append(static_cast<char>(UpperByte(*byte)));
    }
    return key;
}

std::string_view TrimBlanks(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return line.substr(line.size());
    const std::size_t last = line.find_last_not_of(' ');
    return line.substr(first, last - first + 1);
}

std::string_view SplitWords(std::string_view line, std::span<std::string_view> words)
{
    std::string_view rest = TrimBlanks(line);
    for (std::string_view& word : words) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        word = rest.substr(0, end);
        const std::size_t next = rest.find_first_not_of(' ', end);
        rest = next == std::string_view::npos ? rest.substr(rest.size()) : rest.substr(next);
    }
    return rest;
}

QString ReferencePath(const QString& fileName)
{
    const QString local = QStringLiteral("Baase");
    if (!QFileInfo(local).isDir()) {
        const QString installed = InstalledDataDirectory();
        if (!installed.isEmpty())
            return installed + QLatin1Char('/') + fileName;
    }
    return local + QLatin1Char('/') + fileName;
}

QByteArray ReadReferenceFile(const QString& fileName)
{
    const QString path = ReferencePath(fileName);
    const QFileInfo info(path);
    // Messages say where the file was looked for and what to put there.
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    const QString replace = QStringLiteral("Положите по этому пути файл %1 из поставки программы.").arg(fileName);
    if (!info.exists())
        throw values::FileError(QStringLiteral("Не найден файл справочника «%1». %2").arg(shown, replace));
    if (info.isDir())
        throw values::FileError(
            QStringLiteral("На месте файла справочника «%1» папка. Уберите её. %2").arg(shown, replace));
    // Opening a named pipe waits for a writer, and a device may never end:
    // only a regular file is opened at all.
    if (!info.isFile())
        throw values::FileError(
            QStringLiteral("На месте файла справочника «%1» не обычный файл. Уберите его. %2").arg(shown, replace));

    QFile file(path);
    if (!OpenRegularFile(file))
        throw values::FileError(
            QStringLiteral("Не удаётся открыть файл справочника «%1». Разрешите его чтение или %2")
                .arg(shown, replace.front().toLower() + replace.mid(1)));

    QByteArray contents;
    const qint64 expected = file.size();
    if (expected > kLargestFile)
        throw values::FileError(QStringLiteral("Файл справочника «%1» слишком велик. %2").arg(shown, replace));
    if (expected > 0) {
        contents.resize(expected);
        const qint64 read = file.read(contents.data(), expected);
        contents.resize(std::max<qint64>(read, 0));
    }
    // The file may have grown since its size was taken.
    while (true) {
        const QByteArray chunk = file.read(kReadChunk);
        if (chunk.isEmpty())
            break;
        if (contents.size() + chunk.size() > kLargestFile)
            throw values::FileError(QStringLiteral("Файл справочника «%1» слишком велик. %2").arg(shown, replace));
        contents.append(chunk);
    }
    if (file.error() != QFileDevice::NoError)
        throw values::FileError(QStringLiteral("Ошибка чтения файла справочника «%1». %2").arg(shown, replace));
    return contents;
}

} // namespace pages::reference
