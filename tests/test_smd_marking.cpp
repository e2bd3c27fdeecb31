#include "app/main_window.h"
#include "controls/radio_group.h"
#include "support/reference_support.h"
#include "support/page_fixture.h"
#include "support/test_support.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

using testing::Cp1251;
using testing::WriteFile;

namespace {

const QStringList kFixture = {
    QStringLiteral("1AB BC847B NXP NPN SOT-23 45 В,  0,1 А"),
    QStringLiteral("12B(X) PART12 Maker1 NPN SOT-23 цвет"),
    QStringLiteral("512 P512 Maker2 PNP SOT-89 note"),
    QStringLiteral("B(12) PB Maker3 NPN SOT-23 note"),
    QStringLiteral("ZZ X12Z Maker4 NPN SOT-323 name"),
    QStringLiteral("A(red) PA MakerA NPN SOT-23 colour"),
    QStringLiteral("AB(blue) PAB MakerB NPN SOT-23 colour"),
    QStringLiteral("  A   PPLAIN MakerC NPN SOT-23 plain"),
    QStringLiteral("бв PCYR Ёлка PNP SOT-23 кириллица"),
    QStringLiteral("ё PYO Maker5 NPN SOT-23 yo"),
    QString(),
    QStringLiteral("SHORT ONLY"),
};

QByteArray FixtureBytes(const QByteArray& lineEnd)
{
    QByteArray bytes;
    for (const QString& line : kFixture)
        bytes += Cp1251(line) + lineEnd;
    return bytes;
}

} // namespace

class SmdMarkingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void searchesByTypeAndMode_data();
    void searchesByTypeAndMode();
    void characterOutsideCodePageMatchesNothing();
    void showsRecordAsWritten();
    void emptyTextClearsWithoutOpeningFile();
    void colourMarkingForcesDesignation();
    void openingResetsWidthsAndCaptions();
    void gridClickFitsLastColumn();
    void lineEndings_data();
    void lineEndings();
    void unreadableFile_data();
    void unreadableFile();
    void junkBytesNeverStopTheSearch();
    void listsMoreThanFiveThousand();
    void startState();
    void copiesSelectedRows_data();
    void copiesSelectedRows();

private:
    void search(const QString& text, int type, bool partial, bool colour);
    QStringList designations() const;

    QTemporaryDir dir_;
    QString previousDir_;
    std::unique_ptr<testing::PageFixture> fixture_;
    QLineEdit* edit_ = nullptr;
    QGroupBox* group_ = nullptr;
    QCheckBox* partial_ = nullptr;
    QCheckBox* colour_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* grid_ = nullptr;
};

void SmdMarkingTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("Baase")));
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("SMD1"));
    edit_ = fixture_->find<QLineEdit>(QStringLiteral("SMDEdit1"));
    group_ = fixture_->find<QGroupBox>(QStringLiteral("SMDRadioGroup1"));
    partial_ = fixture_->find<QCheckBox>(QStringLiteral("SMDCheckBox1"));
    colour_ = fixture_->find<QCheckBox>(QStringLiteral("SMDCheckBox2"));
    count_ = fixture_->find<QLabel>(QStringLiteral("SMDLabel1"));
    grid_ = fixture_->find<QTableView>(QStringLiteral("SMDStringGrid1"));
}

void SmdMarkingTest::startState()
{
    app::MainWindow fresh;
    auto* grid = testing::Find<QTableView>(&fresh, QStringLiteral("SMDStringGrid1"));
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->columnCount(), 6);
    QCOMPARE(testing::Find<QLabel>(&fresh, QStringLiteral("SMDLabel1"))->text(), QStringLiteral("0"));
    QCOMPARE(testing::Find<QLineEdit>(&fresh, QStringLiteral("SMDEdit1"))->text(), QString());
    auto* group = testing::Find<QGroupBox>(&fresh, QStringLiteral("SMDRadioGroup1"));
    QCOMPARE(group->title(), QStringLiteral("Тип поиска"));
    QCOMPARE(controls::ItemIndex(group), 0);
    QVERIFY(group->isEnabled());
    QStringList items;
    for (const QRadioButton* item : controls::RadioItems(group))
        items << item->text();
    QCOMPARE(items, QStringList({"Обозначение", "Наименование", "Производитель", "Тип", "Корпус", "По всему"}));
    QCOMPARE(testing::Find<QCheckBox>(&fresh, QStringLiteral("SMDCheckBox1"))->text(), QStringLiteral("Частичное совпадение"));
    QCOMPARE(testing::Find<QCheckBox>(&fresh, QStringLiteral("SMDCheckBox2"))->text(), QStringLiteral("Цветная маркировка"));
    QCOMPARE(testing::Find<QGroupBox>(&fresh, QStringLiteral("SMDGroupBox1"))->title(), QStringLiteral("Поиск"));
    QCOMPARE(testing::Find<QGroupBox>(&fresh, QStringLiteral("SMDGroupBox2"))->title(), QStringLiteral("Найдено записей"));
}

void SmdMarkingTest::cleanupTestCase()
{
    fixture_.reset();
    QDir::setCurrent(previousDir_);
}

void SmdMarkingTest::init()
{
    testing::ClearPlace(QStringLiteral("Baase/SMD.db"));  // a pipe left by a failed row would block the write
    WriteFile(QStringLiteral("Baase/SMD.db"), FixtureBytes("\r\n"));
    fixture_->reopen();
    edit_->clear();
    colour_->setChecked(false);
    partial_->setChecked(false);
    testing::ClickItem(group_, 0);
}

void SmdMarkingTest::search(const QString& text, int type, bool partial, bool colour)
{
    testing::ClickItem(group_, type);
    if (partial)
        partial_->click();
    if (colour)
        colour_->click();
    testing::Type(edit_, text);
}

QStringList SmdMarkingTest::designations() const
{
    // The hint to check the keyboard layout stands for the empty list it explains.
    if (fixture_->find<QLabel>(QStringLiteral("SMDLayoutHint"))->isVisible())
        return {count_->text() == QLatin1String("0") ? QStringLiteral("<layout hint>") : QStringLiteral("<hint with records>")};
    QStringList shown;
    const QAbstractItemModel* model = grid_->model();
    if (count_->text() == QLatin1String("0")) {
        // Header and one empty row.
        if (model->rowCount() != 1)
            return {QStringLiteral("<%1 rows with 0 found>").arg(model->rowCount())};
        for (int column = 0; column < model->columnCount(); ++column) {
            if (!model->index(0, column).data().toString().isEmpty())
                return {QStringLiteral("<row left over>")};
        }
        return shown;
    }
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data().toString();
    if (QString::number(shown.size()) != count_->text())
        shown << QStringLiteral("<count %1>").arg(count_->text());
    return shown;
}

void SmdMarkingTest::searchesByTypeAndMode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("partial");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("shipped");  // search the file bundled with the program

    const QStringList noColour = {"A(red)"};
    const QStringList bothColour = {"A(red)", "AB(blue)"};
    const char* types[] = {"designation", "name", "maker", "type", "package", "everything"};
    for (int type = 0; type < 6; ++type) {
        QTest::addRow("colour only, %s forced to designation", types[type]) << "a" << type << false << true << noColour << false;
        QTest::addRow("colour partial, %s forced to designation", types[type]) << "a" << type << true << true << bothColour << false;
    }

    QTest::newRow("exact designation") << "a" << 0 << false << false << QStringList{"A"} << false;
    QTest::newRow("exact name") << "pa" << 1 << false << false << QStringList{"A(red)"} << false;
    QTest::newRow("exact maker") << "maker1" << 2 << false << false << QStringList{"12B(X)"} << false;
    QTest::newRow("exact type") << "pnp" << 3 << false << false << QStringList{"512", "бв"} << false;
    QTest::newRow("exact package") << "sot-89" << 4 << false << false << QStringList{"512"} << false;
    QTest::newRow("exact everything") << "sot-323" << 5 << false << false << QStringList{"ZZ"} << false;

    QTest::newRow("partial designation stops at bracket") << "12" << 0 << true << false << QStringList{"12B(X)", "512"} << false;
    QTest::newRow("partial name") << "12" << 1 << true << false << QStringList{"12B(X)", "512", "ZZ"} << false;
    QTest::newRow("partial maker") << "akerb" << 2 << true << false << QStringList{"AB(blue)"} << false;
    QTest::newRow("partial type") << "np" << 3 << true << false
                                  << QStringList{"1AB", "12B(X)", "512", "B(12)", "ZZ", "A(red)", "AB(blue)", "A", "бв", "ё"} << false;
    QTest::newRow("partial type, one kind") << "pnp" << 3 << true << false << QStringList{"512", "бв"} << false;
    QTest::newRow("partial package") << "323" << 4 << true << false << QStringList{"ZZ"} << false;
    QTest::newRow("partial everything ignores bracket") << "12" << 5 << true << false
                                                        << QStringList{"12B(X)", "512", "B(12)", "ZZ"} << false;

    QTest::newRow("blanks inside the key") << "1A B" << 0 << false << false << QStringList{"1AB"} << false;
    QTest::newRow("blank key, exact designation") << "   " << 0 << false << false << QStringList{""} << false;
    QTest::newRow("blank key, exact package") << " " << 4 << false << false << QStringList{"", "SHORT"} << false;
    QTest::newRow("blank key, exact everything") << "  " << 5 << false << false << QStringList{"", "SHORT"} << false;
    QTest::newRow("blank key, partial") << " " << 5 << true << false << QStringList{} << false;
    QTest::newRow("blank key, colour") << " " << 0 << false << true << QStringList{} << false;
    QTest::newRow("blank key, colour partial") << " " << 0 << true << true << QStringList{} << false;
    QTest::newRow("cyrillic capitals equal small") << "БВ" << 0 << false << false << QStringList{"бв"} << false;
    QTest::newRow("cyrillic small equal small") << "бв" << 0 << false << false << QStringList{"бв"} << false;
    QTest::newRow("latin small equals capital") << "short" << 0 << false << false << QStringList{"SHORT"} << false;
    QTest::newRow("yo small finds yo small") << "ё" << 0 << false << false << QStringList{"ё"} << false;
    QTest::newRow("yo capital does not find yo small") << "Ё" << 0 << false << false << QStringList{} << false;
    QTest::newRow("yo kept, the rest upper-cased") << "ЁЛКА" << 2 << false << false << QStringList{"бв"} << false;
    QTest::newRow("yo small misses yo capital") << "ёлка" << 2 << false << false << QStringList{} << false;
    QTest::newRow("additional information never matched") << "кириллица" << 5 << true << false << QStringList{} << false;
    QTest::newRow("no match") << "QQQ" << 5 << true << false << QStringList{} << false;

    const QStringList greenBand(6, QStringLiteral("зеленая(полоса)"));
    QTest::newRow("shipped data, colour marking") << "Зеленая" << 0 << false << true << greenBand << true;
    QTest::newRow("shipped data, colour marking, partial") << "зел" << 3 << true << true << greenBand << true;
    QTest::newRow("Latin 1A with Cyrillic В: check the layout") << "1AВ" << 0 << false << false
                                                              << QStringList{"<layout hint>"} << false;
    QTest::newRow("Cyrillic look-alikes alone: no hint") << "АВ" << 0 << false << false << QStringList{} << false;
    QTest::newRow("mixed letters without look-alikes: no hint") << "ЖQ" << 5 << true << false << QStringList{} << false;
}

void SmdMarkingTest::searchesByTypeAndMode()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(bool, partial);
    QFETCH(bool, colour);
    QFETCH(QStringList, expected);
    QFETCH(bool, shipped);

    if (shipped) {
        QFile bundled(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/skhemar/Baase/SMD.db"));
        QVERIFY(bundled.open(QIODevice::ReadOnly));
        WriteFile(QStringLiteral("Baase/SMD.db"), bundled.readAll());
    }
    const testing::CapturedErrors errors;
    search(text, type, partial, colour);
    QCOMPARE(edit_->text(), text);
    QCOMPARE(designations(), expected);
    QCOMPARE(errors.count(), 0);
}

void SmdMarkingTest::characterOutsideCodePageMatchesNothing()
{
    const testing::CapturedErrors errors;
    search(QStringLiteral("a"), 5, true, false);
    QVERIFY(count_->text() != QLatin1String("0"));
    testing::Type(edit_, QString(QChar(0x263A)));
    QCOMPARE(designations(), QStringList{});
    QCOMPARE(errors.count(), 0);
}

void SmdMarkingTest::showsRecordAsWritten()
{
    search(QStringLiteral("1ab"), 0, false, false);
    const QAbstractItemModel* model = grid_->model();
    QCOMPARE(model->rowCount(), 1);
    QStringList cells;
    for (int column = 0; column < 6; ++column)
        cells << model->index(0, column).data().toString();
    QCOMPARE(cells, QStringList({"1AB", "BC847B", "NXP", "NPN", "SOT-23", "45 В,  0,1 А"}));
    QCOMPARE(count_->text(), QStringLiteral("1"));

    edit_->clear();
    search(QStringLiteral("бв"), 0, false, false);
    QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("Ёлка"));
    QCOMPARE(model->index(0, 5).data().toString(), QStringLiteral("кириллица"));
}

void SmdMarkingTest::emptyTextClearsWithoutOpeningFile()
{
    search(QStringLiteral("a"), 0, false, false);
    QCOMPARE(designations(), QStringList{"A"});
    QVERIFY(QFile::remove(QStringLiteral("Baase/SMD.db")));
    const testing::CapturedErrors errors;
    edit_->end(false);
    QTest::keyClick(edit_, Qt::Key_Backspace);
    QCOMPARE(edit_->text(), QString());
    QCOMPARE(errors.count(), 0);
    QCOMPARE(designations(), QStringList{});
}

void SmdMarkingTest::colourMarkingForcesDesignation()
{
    testing::ClickItem(group_, 3);
    colour_->click();
    QCOMPARE(controls::ItemIndex(group_), 0);
    QVERIFY(!group_->isEnabled());
    colour_->click();
    QCOMPARE(controls::ItemIndex(group_), 0);
    QVERIFY(group_->isEnabled());
    testing::ClickItem(group_, 4);
    QCOMPARE(controls::ItemIndex(group_), 4);
}

void SmdMarkingTest::openingResetsWidthsAndCaptions()
{
    const QList<int> widths = {85, 115, 138, 40, 65, 260};
    const QStringList captions = {"  Обозначение", "      Наименование", "          Производитель", "  Тип",
                                  "    Корпус", "               Дополнительная информация"};
    search(QStringLiteral("pnp"), 3, false, false);
    grid_->setColumnWidth(0, 150);
    grid_->setColumnWidth(5, 30);
    fixture_->reopen();
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(grid_->columnWidth(column), widths[column]);
        QCOMPARE(grid_->model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
    }
    QCOMPARE(edit_->text(), QStringLiteral("pnp"));
    QCOMPARE(controls::ItemIndex(group_), 3);
    QCOMPARE(designations(), QStringList({"512", "бв"}));
    QCOMPARE(grid_->geometry(), QRect(5, 10, 710, 232));
}

void SmdMarkingTest::gridClickFitsLastColumn()
{
    grid_->setColumnWidth(0, 100);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(grid_->columnWidth(5), 710 - 100 - 115 - 138 - 40 - 65 - 7);

    // Releasing a dragged column border on the header counts as well.
    grid_->setColumnWidth(1, 60);
    QTest::mouseClick(grid_->horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(grid_->columnWidth(5), 710 - 100 - 60 - 138 - 40 - 65 - 7);
}

void SmdMarkingTest::lineEndings_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("expected");
    const QByteArray a = Cp1251(QStringLiteral("1A P1 M NPN SOT-23 первая"));
    const QByteArray b = Cp1251(QStringLiteral("1AB P2 M NPN SOT-23 вторая"));
    QTest::newRow("CR LF") << a + "\r\n" + b + "\r\n" << QStringList{"1A", "1AB"};
    QTest::newRow("LF") << a + "\n" + b + "\n" << QStringList{"1A", "1AB"};
    QTest::newRow("mixed") << a + "\n" + b + "\r\n" << QStringList{"1A", "1AB"};
    QTest::newRow("last line without an end") << a + "\r\n" + b << QStringList{"1A", "1AB"};
    QTest::newRow("blank lines between") << a + "\r\n\r\n\n" + b << QStringList{"1A", "1AB"};
    QTest::newRow("lone CR stays in the line") << a + "\r" + b << QStringList{"1A"};
}

void SmdMarkingTest::lineEndings()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, expected);
    WriteFile(QStringLiteral("Baase/SMD.db"), contents);
    search(QStringLiteral("1a"), 0, true, false);
    QCOMPARE(designations(), expected);
    QCOMPARE(grid_->model()->index(0, 5).data().toString().left(6), QStringLiteral("первая"));
}

void SmdMarkingTest::unreadableFile_data()
{
    QTest::addColumn<int>("inPlace");
    QTest::newRow("missing") << int(testing::NotAFile::Missing);
    QTest::newRow("directory in its place") << int(testing::NotAFile::Directory);
    QTest::newRow("named pipe in its place") << int(testing::NotAFile::NamedPipe);
}

void SmdMarkingTest::unreadableFile()
{
    QFETCH(int, inPlace);
    search(QStringLiteral("1a"), 0, true, false);
    QCOMPARE(designations(), QStringList({"1AB"}));

    const QString path = QStringLiteral("Baase/SMD.db");
    QVERIFY(testing::PutInPlace(path, testing::NotAFile(inPlace)));
    const testing::CapturedErrors errors;
    testing::Type(edit_, QStringLiteral("b"));
    QCOMPARE(errors.count(), 1);
    QVERIFY2(errors.messages().first().contains(QStringLiteral("SMD.db")), qPrintable(errors.messages().first()));
    QCOMPARE(designations(), QStringList{});
    testing::Type(edit_, QStringLiteral("c"));
    QCOMPARE(errors.count(), 2);
    testing::ClearPlace(path);
}

void SmdMarkingTest::junkBytesNeverStopTheSearch()
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 37 + 11) % 256));
    junk.append(QByteArray(3 * 1024 * 1024, 'Q'));  // a line of megabytes
    junk.append('\n');
    junk.append(QByteArray("\0\0\x98\xFF \0", 6));
    junk.append("\r\nJUNK1 P M NPN SOT-23 \x98\0tail\r\n", 31);
    junk.append(QByteArray(2 * 1024 * 1024, ' '));
    WriteFile(QStringLiteral("Baase/SMD.db"), junk);

    const testing::CapturedErrors errors;
    search(QStringLiteral("junk1"), 0, false, false);
    QCOMPARE(designations(), QStringList{"JUNK1"});
    const QString rest = grid_->model()->index(0, 5).data().toString();
    QCOMPARE(rest, QString(QChar(0xFFFD)) + QChar(0) + QStringLiteral("tail"));

    edit_->clear();
    search(QStringLiteral("q"), 5, true, false);
    QVERIFY(count_->text().toInt() >= 1);
    QCOMPARE(errors.count(), 0);
    grid_->viewport()->repaint();
}

void SmdMarkingTest::listsMoreThanFiveThousand()
{
    QByteArray many;
    for (int i = 1; i <= 7001; ++i)
        many += "M" + QByteArray::number(i) + " PART MAKER NPN SOT-23 " + Cp1251(QStringLiteral("запись ")) + QByteArray::number(i) + "\r\n";
    WriteFile(QStringLiteral("Baase/SMD.db"), many);
    search(QStringLiteral("m"), 0, true, false);
    QCOMPARE(count_->text(), QStringLiteral("7001"));
    QCOMPARE(grid_->model()->rowCount(), 7001);
    QCOMPARE(grid_->model()->index(7000, 0).data().toString(), QStringLiteral("M7001"));
    QCOMPARE(grid_->model()->index(5000, 5).data().toString(), QStringLiteral("запись 5001"));
    grid_->scrollToBottom();
    grid_->viewport()->repaint();
    // The scroll bar that came with the records does not cover the last column.
    QTRY_VERIFY(grid_->columnViewportPosition(5) + grid_->columnWidth(5) <= grid_->viewport()->width());
    fixture_->reopen();
    QVERIFY(grid_->columnViewportPosition(5) + grid_->columnWidth(5) <= grid_->viewport()->width());
}

void SmdMarkingTest::copiesSelectedRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("copied");
    QTest::newRow("one row") << "pnp" << QList<int>{1} << "бв\tPCYR\tЁлка\tPNP\tSOT-23\tкириллица";
    QTest::newRow("two rows, in grid order") << "pnp" << QList<int>{1, 0}
                                             << "512\tP512\tMaker2\tPNP\tSOT-89\tnote\n"
                                                "бв\tPCYR\tЁлка\tPNP\tSOT-23\tкириллица";
    QTest::newRow("nothing found: the clipboard keeps its text") << "zzz" << QList<int>{0} << "before";
}

void SmdMarkingTest::copiesSelectedRows()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, rows);
    QFETCH(QString, copied);
    search(text, 3, false, false);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    grid_->setFocus();
    grid_->clearSelection();
    for (const int row : rows)
        grid_->selectionModel()->select(grid_->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(grid_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

QTEST_MAIN(SmdMarkingTest)
#include "test_smd_marking.moc"
