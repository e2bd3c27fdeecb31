#include "pages/reference/reference_file.h"
#include "support/reference_support.h"
#include "pages/reference/smd_search.h"
#include "values/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace pages::reference;

using testing::WriteFile;

namespace {

QStringList LinesOf(const QByteArray& contents)
{
    QStringList lines;
    ForEachLine(std::string_view(contents.constData(), contents.size()),
                [&](std::string_view line) { lines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())); });
    return lines;
}

} // namespace

class ReferenceFileTest : public QObject {
    Q_OBJECT

private slots:
    void decodesWindows1251_data();
    void decodesWindows1251();
    void everyDefinedByteRoundTrips();
    void upperCasesByByteRule_data();
    void upperCasesByByteRule();
    void searchKey_data();
    void searchKey();
    void splitsWords_data();
    void splitsWords();
    void splitsLines_data();
    void splitsLines();
    void smdRules_data();
    void smdRules();
    void readsFilesUnderCurrentDirectory();
    void reportsUnreadableFiles_data();
    void reportsUnreadableFiles();
    void fallsBackToInstalledData();
};

void ReferenceFileTest::decodesWindows1251_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    QTest::newRow("NUL") << 0x00 << 0x0000;
    QTest::newRow("latin A") << 0x41 << 0x0041;
    QTest::newRow("DEL") << 0x7F << 0x007F;
    QTest::newRow("Ђ") << 0x80 << 0x0402;
    QTest::newRow("euro") << 0x88 << 0x20AC;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("undefined 0x98") << 0x98 << 0xFFFD;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("Ё") << 0xA8 << 0x0401;
    QTest::newRow("ё") << 0xB8 << 0x0451;
    QTest::newRow("numero") << 0xB9 << 0x2116;
    QTest::newRow("ї") << 0xBF << 0x0457;
    QTest::newRow("А") << 0xC0 << 0x0410;
    QTest::newRow("Я") << 0xDF << 0x042F;
    QTest::newRow("а") << 0xE0 << 0x0430;
    QTest::newRow("я") << 0xFF << 0x044F;
}

void ReferenceFileTest::decodesWindows1251()
{
    QFETCH(int, byte);
    QFETCH(int, character);
    QCOMPARE(DecodeByte(static_cast<unsigned char>(byte)).unicode(), character);
}

void ReferenceFileTest::everyDefinedByteRoundTrips()
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::optional<unsigned char> back = EncodeChar(DecodeByte(static_cast<unsigned char>(byte)));
        if (byte == 0x98)
            QVERIFY(!back);
        else
            QCOMPARE(back.value_or(0x98), byte);
    }
    QVERIFY(!EncodeChar(QChar(0x263A)));
    QVERIFY(!EncodeChar(QChar(0x00E9)));  // é has no Windows-1251 byte
}

void ReferenceFileTest::upperCasesByByteRule_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("upper");
    QTest::newRow("a") << int('a') << int('A');
    QTest::newRow("z") << int('z') << int('Z');
    QTest::newRow("capital stays") << int('Q') << int('Q');
    QTest::newRow("backquote before a") << int('`') << int('`');
    QTest::newRow("brace after z") << int('{') << int('{');
    QTest::newRow("а to А") << 0xE0 << 0xC0;
    QTest::newRow("я to Я") << 0xFF << 0xDF;
    QTest::newRow("Я stays") << 0xDF << 0xDF;
    QTest::newRow("ё stays") << 0xB8 << 0xB8;
    QTest::newRow("ї stays") << 0xBF << 0xBF;
    QTest::newRow("digit stays") << int('7') << int('7');
}

void ReferenceFileTest::upperCasesByByteRule()
{
    QFETCH(int, byte);
    QFETCH(int, upper);
    QCOMPARE(int(UpperByte(static_cast<unsigned char>(byte))), upper);
}

void ReferenceFileTest::searchKey_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("encodable");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("blanks removed, upper-cased") << " 1a b " << true << QByteArray("1AB");
    QTest::newRow("blanks only give an empty key") << "   " << true << QByteArray();
    QTest::newRow("cyrillic") << "кт315г" << true << QByteArray("\xCA\xD2" "315\xC3");
    QTest::newRow("ё unchanged") << "ёЁ" << true << QByteArray("\xB8\xA8");
    QTest::newRow("tab kept") << "a\tb" << true << QByteArray("A\tB");
    QTest::newRow("character without a byte") << "a\u263A" << false << QByteArray();
}

void ReferenceFileTest::searchKey()
{
    QFETCH(QString, typed);
    QFETCH(bool, encodable);
    QFETCH(QByteArray, key);
    const std::optional<QByteArray> made = SearchKey(typed);
    QCOMPARE(made.has_value(), encodable);
    if (made)
        QCOMPARE(*made, key);
}

void ReferenceFileTest::splitsWords_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("rest");
    QTest::newRow("plain") << QByteArray("a b c d") << QStringList{"a", "b", "c"} << "d";
    QTest::newRow("outer and inner blanks") << QByteArray("   a   b  c    d  e  ") << QStringList{"a", "b", "c"} << "d  e";
    QTest::newRow("tab is an ordinary character") << QByteArray("a\tb c") << QStringList{"a\tb", "c", ""} << "";
    QTest::newRow("fewer words") << QByteArray("a") << QStringList{"a", "", ""} << "";
    QTest::newRow("blank line") << QByteArray("    ") << QStringList{"", "", ""} << "";
    QTest::newRow("empty line") << QByteArray() << QStringList{"", "", ""} << "";
    QTest::newRow("exactly three") << QByteArray("a b c ") << QStringList{"a", "b", "c"} << "";
}

void ReferenceFileTest::splitsWords()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, words);
    QFETCH(QString, rest);
    std::array<std::string_view, 3> found;
    const std::string_view left = SplitWords(std::string_view(line.constData(), line.size()), found);
    QStringList got;
    for (const std::string_view word : found)
        got << QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    QCOMPARE(got, words);
    QCOMPARE(QString::fromLatin1(left.data(), static_cast<qsizetype>(left.size())), rest);
}

void ReferenceFileTest::splitsLines_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("last line without an end") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("blank lines count") << QByteArray("a\r\n\r\n\nb") << QStringList{"a", "", "", "b"};
    QTest::newRow("only a line end") << QByteArray("\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("lone CR is a character") << QByteArray("a\rb\n") << QStringList{"a\rb"};
    QTest::newRow("CR at the very end") << QByteArray("a\r") << QStringList{"a\r"};
    QTest::newRow("NUL inside a line") << QByteArray("a\0b\nc", 5) << QStringList{QString::fromLatin1("a\0b", 3), "c"};
}

void ReferenceFileTest::splitsLines()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, lines);
    QCOMPARE(LinesOf(contents), lines);
}

void ReferenceFileTest::smdRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("partial");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<bool>("matches");
    const int designation = int(SmdField::Designation);
    const int any = int(SmdField::Any);
    QTest::newRow("partial before bracket") << QByteArray("12B(X)") << QByteArray("12") << designation << true << false << true;
    QTest::newRow("partial after bracket") << QByteArray("B(12)") << QByteArray("12") << designation << true << false << false;
    QTest::newRow("partial, first occurrence decides") << QByteArray("B(B)") << QByteArray("B") << designation << true << false << true;
    QTest::newRow("partial without bracket") << QByteArray("512") << QByteArray("12") << designation << true << false << true;
    QTest::newRow("partial everything ignores bracket") << QByteArray("B(12)") << QByteArray("12") << any << true << false << true;
    QTest::newRow("colour opens with key") << QByteArray("A(RED)") << QByteArray("A") << designation << false << true << true;
    QTest::newRow("colour key not at start") << QByteArray("BA(RED)") << QByteArray("A") << designation << false << true << false;
    QTest::newRow("colour key not before bracket") << QByteArray("AB(RED)") << QByteArray("A") << designation << false << true << false;
    QTest::newRow("colour later occurrence before bracket") << QByteArray("AXA(1)") << QByteArray("A") << designation << false << true << true;
    QTest::newRow("colour without bracket") << QByteArray("A") << QByteArray("A") << designation << false << true << false;
    QTest::newRow("colour ignores other fields") << QByteArray("X A(1)") << QByteArray("A") << any << false << true << false;
    QTest::newRow("colour partial before bracket") << QByteArray("XA(1)") << QByteArray("A") << designation << true << true << true;
    QTest::newRow("colour partial after bracket") << QByteArray("X(A)") << QByteArray("A") << designation << true << true << false;
    QTest::newRow("colour partial needs bracket") << QByteArray("XA") << QByteArray("A") << designation << true << true << false;
    QTest::newRow("exact is whole field") << QByteArray("AB") << QByteArray("A") << designation << false << false << false;
    QTest::newRow("empty key exact, empty field") << QByteArray("") << QByteArray("") << designation << false << false << true;
    QTest::newRow("empty key partial") << QByteArray("A") << QByteArray("") << any << true << false << false;
    QTest::newRow("sixth word never searched") << QByteArray("1 2 3 4 5 KEY") << QByteArray("KEY") << any << true << false << false;
}

void ReferenceFileTest::smdRules()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, key);
    QFETCH(int, field);
    QFETCH(bool, partial);
    QFETCH(bool, colour);
    QFETCH(bool, matches);
    SmdQuery query;
    query.key = key;
    query.field = static_cast<SmdField>(field);
    query.partial = partial;
    query.colour = colour;
    QCOMPARE(SmdLineMatches(std::string_view(line.constData(), line.size()), query), matches);
    query.key.reset();
    QVERIFY(!SmdLineMatches(std::string_view(line.constData(), line.size()), query));
}

void ReferenceFileTest::readsFilesUnderCurrentDirectory()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("Baase")));
    const QByteArray junk("\0\x98\xFF\r\n\0", 6);
    WriteFile(QStringLiteral("Baase/SMD.db"), junk);
    const QByteArray read = ReadReferenceFile(QStringLiteral("SMD.db"));
    QDir::setCurrent(previous);
    QCOMPARE(read, junk);
}

void ReferenceFileTest::reportsUnreadableFiles_data()
{
    QTest::addColumn<int>("inPlace");
    QTest::newRow("missing") << int(testing::NotAFile::Missing);
    QTest::newRow("directory in its place") << int(testing::NotAFile::Directory);
    QTest::newRow("named pipe in its place") << int(testing::NotAFile::NamedPipe);
}

void ReferenceFileTest::reportsUnreadableFiles()
{
    QFETCH(int, inPlace);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("Baase")));
    QVERIFY(testing::PutInPlace(QStringLiteral("Baase/Tr.db"), testing::NotAFile(inPlace)));
    QString message;
    try {
        ReadReferenceFile(QStringLiteral("Tr.db"));
    } catch (const values::FileError& error) {
        message = error.message();
    }
    QDir::setCurrent(previous);
    QVERIFY(message.contains(QDir::toNativeSeparators(QStringLiteral("Baase/Tr.db"))));
    // Where it was looked for, and what to put there.
    QVERIFY2(message.contains(QDir::toNativeSeparators(dir.path())), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Положите по этому пути файл Tr.db")), qPrintable(message));
}

void ReferenceFileTest::fallsBackToInstalledData()
{
    // Beside the program: <bin>/../share/skhemar/Baase, as installed and as
    // the build tree lays it out.
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/skhemar/Baase");
    const QString installedFile = installed + QStringLiteral("/Tr.db");
    const bool madeHere = !QFileInfo::exists(installedFile);
    if (madeHere) {
        QVERIFY(QDir().mkpath(installed));
        WriteFile(installedFile, QByteArray("BD139 X\n"));
    }
    QFile direct(installedFile);
    QVERIFY(direct.open(QIODevice::ReadOnly));
    const QByteArray expected = direct.readAll();

    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QByteArray fromInstalled = ReadReferenceFile(QStringLiteral("Tr.db"));
    QVERIFY(QDir().mkdir(QStringLiteral("Baase")));
    WriteFile(QStringLiteral("Baase/Tr.db"), QByteArray("LOCAL Y\n"));
    const QByteArray fromCurrent = ReadReferenceFile(QStringLiteral("Tr.db"));
    QDir::setCurrent(previous);
    if (madeHere) {
        QFile::remove(installedFile);
        QDir().rmpath(installed);
    }

    QCOMPARE(fromInstalled, expected);
    QCOMPARE(fromCurrent, QByteArray("LOCAL Y\n"));
}

QTEST_MAIN(ReferenceFileTest)
#include "test_reference_file.moc"
