#include "app/main_window.h"
#include "support/reference_support.h"
#include "support/page_fixture.h"
#include "support/test_support.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>

using testing::Cp1251;
using testing::WriteFile;

namespace {

QByteArray Lines(const QStringList& lines, const QByteArray& lineEnd)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Cp1251(line) + lineEnd;
    return bytes;
}

// Foreign type, Russian analogue; "KT315" opens with Latin letters.
const QStringList kFixture = {
    QStringLiteral("BC547B КТ3102Б"),
    QStringLiteral("  BD139   КТ815Г  лишнее слово"),
    QStringLiteral("KT315 КТ315"),
    QStringLiteral("2N3055 КТ819ГМ"),
    QStringLiteral("ABC123 XABC12"),
    QString(),
    QStringLiteral("ОДНО"),
};

} // namespace

class TransistorAnaloguesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startState();
    void searches_data();
    void searches();
    void lineEndings_data();
    void lineEndings();
    void reopeningPicksUpTheEditedFile();
    void missingFileAtOpening_data();
    void missingFileAtOpening();
    void junkBytes();
    void listsMoreThanFiveThousand();
    void gridClickFitsLastColumn();
    void copiesSelectedRows();

private:
    QList<QStringList> shownPairs() const;

    QTemporaryDir dir_;
    QString previousDir_;
    std::unique_ptr<testing::PageFixture> fixture_;
    QLineEdit* edit_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* grid_ = nullptr;
};

void TransistorAnaloguesTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("Baase")));
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("N16"));
    edit_ = fixture_->find<QLineEdit>(QStringLiteral("AnalogTrEdit"));
    count_ = fixture_->find<QLabel>(QStringLiteral("AnalogTrLabel1"));
    grid_ = fixture_->find<QTableView>(QStringLiteral("AnalogTrStringGrid"));
}

void TransistorAnaloguesTest::cleanupTestCase()
{
    fixture_.reset();
    QDir::setCurrent(previousDir_);
}

void TransistorAnaloguesTest::init()
{
    testing::ClearPlace(QStringLiteral("Baase/Tr.db"));  // a pipe left by a failed row would block the write
    WriteFile(QStringLiteral("Baase/Tr.db"), Lines(kFixture, "\r\n"));
    fixture_->reopen();
    edit_->clear();
}

QList<QStringList> TransistorAnaloguesTest::shownPairs() const
{
    // The hint to check the keyboard layout stands for the empty list it explains.
    if (fixture_->find<QLabel>(QStringLiteral("AnalogTrLayoutHint"))->isVisible())
        return {{count_->text() == QLatin1String("0") ? QStringLiteral("<layout hint>") : QStringLiteral("<hint with records>")}};
    const QAbstractItemModel* model = grid_->model();
    if (count_->text() == QLatin1String("0")) {
        const bool oneEmptyRow = model->rowCount() == 1 && model->index(0, 0).data().toString().isEmpty()
            && model->index(0, 1).data().toString().isEmpty();
        return oneEmptyRow ? QList<QStringList>{} : QList<QStringList>{{"<not one empty row>"}};
    }
    QList<QStringList> pairs;
    for (int row = 0; row < model->rowCount(); ++row)
        pairs.append({model->index(row, 0).data().toString(), model->index(row, 1).data().toString()});
    if (QString::number(pairs.size()) != count_->text())
        pairs.append({QStringLiteral("<count %1>").arg(count_->text())});
    return pairs;
}

void TransistorAnaloguesTest::startState()
{
    app::MainWindow fresh;
    auto* grid = testing::Find<QTableView>(&fresh, QStringLiteral("AnalogTrStringGrid"));
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->columnCount(), 2);
    QCOMPARE(grid->columnWidth(0), 155);
    QCOMPARE(grid->columnWidth(1), 155);
    QCOMPARE(grid->geometry(), QRect(15, 15, 313, 232));
    QCOMPARE(testing::Find<QLabel>(&fresh, QStringLiteral("AnalogTrLabel1"))->text(), QStringLiteral("0"));
    QCOMPARE(testing::Find<QGroupBox>(&fresh, QStringLiteral("AnalogTrGroupBox"))->title(), QStringLiteral("Поиск"));
    QCOMPARE(testing::Find<QGroupBox>(&fresh, QStringLiteral("AnalogTrGroupBox1"))->title(),
             QStringLiteral("Найдено совподений"));

    QCOMPARE(grid_->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Буржуйский"));
    QCOMPARE(grid_->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Русский"));
}

void TransistorAnaloguesTest::searches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("expected");

    QTest::newRow("empty text") << "" << QList<QStringList>{};
    QTest::newRow("blanks only") << "   " << QList<QStringList>{};
    QTest::newRow("inside the Russian name") << "3102" << QList<QStringList>{{"BC547B", "КТ3102Б"}};
    QTest::newRow("inside the foreign name") << "C54" << QList<QStringList>{{"BC547B", "КТ3102Б"}};
    QTest::newRow("lower case finds upper case") << "bd1" << QList<QStringList>{{"BD139", "КТ815Г"}};
    QTest::newRow("cyrillic lower case") << "кт815г" << QList<QStringList>{{"BD139", "КТ815Г"}};
    QTest::newRow("latin KT is not cyrillic КТ") << "kt3" << QList<QStringList>{{"KT315", "КТ315"}};
    QTest::newRow("cyrillic КТ is not latin KT") << "КТ"
        << QList<QStringList>{{"BC547B", "КТ3102Б"}, {"BD139", "КТ815Г"}, {"KT315", "КТ315"}, {"2N3055", "КТ819ГМ"}};
    QTest::newRow("both names hold the key: listed once") << "abc12" << QList<QStringList>{{"ABC123", "XABC12"}};
    QTest::newRow("blanks inside the key") << "2N 30 55" << QList<QStringList>{{"2N3055", "КТ819ГМ"}};
    QTest::newRow("words after the second ignored") << "лишнее" << QList<QStringList>{};
    QTest::newRow("a line of one word") << "одно" << QList<QStringList>{{"ОДНО", ""}};
    QTest::newRow("no match") << "zzz" << QList<QStringList>{};
    QTest::newRow("Latin K with Cyrillic Т: check the layout") << "Kт315" << QList<QStringList>{{"<layout hint>"}};
    QTest::newRow("Cyrillic К with Latin T: check the layout") << "Кt3" << QList<QStringList>{{"<layout hint>"}};
}

void TransistorAnaloguesTest::searches()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, expected);
    const testing::CapturedErrors errors;
    testing::Type(edit_, QStringLiteral("x"));
    edit_->clear();
    testing::Type(edit_, text);
    QCOMPARE(edit_->text(), text);
    QCOMPARE(shownPairs(), expected);
    QCOMPARE(errors.count(), 0);
}

void TransistorAnaloguesTest::lineEndings_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray a = Cp1251(QStringLiteral("BD135 КТ815Б"));
    const QByteArray b = Cp1251(QStringLiteral("BD137 КТ815В"));
    QTest::newRow("CR LF") << a + "\r\n" + b + "\r\n";
    QTest::newRow("LF") << a + "\n" + b + "\n";
    QTest::newRow("last line without an end") << a + "\n" + b;
    QTest::newRow("blank lines") << "\n\r\n" + a + "\r\n\n" + b + "\r\n\r\n";
}

void TransistorAnaloguesTest::lineEndings()
{
    QFETCH(QByteArray, contents);
    WriteFile(QStringLiteral("Baase/Tr.db"), contents);
    fixture_->reopen();
    testing::Type(edit_, QStringLiteral("кт815"));
    QCOMPARE(shownPairs(), (QList<QStringList>{{"BD135", "КТ815Б"}, {"BD137", "КТ815В"}}));
}

void TransistorAnaloguesTest::reopeningPicksUpTheEditedFile()
{
    testing::Type(edit_, QStringLiteral("bd"));
    QCOMPARE(shownPairs(), (QList<QStringList>{{"BD139", "КТ815Г"}}));

    WriteFile(QStringLiteral("Baase/Tr.db"), Lines({QStringLiteral("BD140 КТ814Г"), QStringLiteral("BD139 КТ815Г")}, "\n"));
    fixture_->reopen();
    QCOMPARE(edit_->text(), QStringLiteral("bd"));
    QCOMPARE(shownPairs(), (QList<QStringList>{{"BD139", "КТ815Г"}}));

    testing::Type(edit_, QStringLiteral("1"));
    QCOMPARE(shownPairs(), (QList<QStringList>{{"BD140", "КТ814Г"}, {"BD139", "КТ815Г"}}));
}

void TransistorAnaloguesTest::missingFileAtOpening_data()
{
    QTest::addColumn<int>("inPlace");
    QTest::newRow("missing") << int(testing::NotAFile::Missing);
    QTest::newRow("directory in its place") << int(testing::NotAFile::Directory);
    QTest::newRow("named pipe in its place") << int(testing::NotAFile::NamedPipe);
}

void TransistorAnaloguesTest::missingFileAtOpening()
{
    QFETCH(int, inPlace);
    testing::Type(edit_, QStringLiteral("bd"));
    const QString path = QStringLiteral("Baase/Tr.db");
    QVERIFY(testing::PutInPlace(path, testing::NotAFile(inPlace)));
    {
        const testing::CapturedErrors errors;
        fixture_->reopen();
        QCOMPARE(errors.count(), 1);
        QVERIFY2(errors.messages().first().contains(QStringLiteral("Tr.db")), qPrintable(errors.messages().first()));
    }
    QCOMPARE(fixture_->window()->pageControl()->currentWidget()->objectName(), QStringLiteral("TS28"));
    QCOMPARE(grid_->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Русский"));

    // The searches work on what the last good opening loaded.
    const testing::CapturedErrors errors;
    testing::Type(edit_, QStringLiteral("1"));
    QCOMPARE(shownPairs(), (QList<QStringList>{{"BD139", "КТ815Г"}}));
    QCOMPARE(errors.count(), 0);
    testing::ClearPlace(path);
}

void TransistorAnaloguesTest::junkBytes()
{
    QByteArray junk;
    for (int i = 0; i < 2048; ++i)
        junk.append(static_cast<char>((i * 53 + 7) % 256));
    junk.append(QByteArray(4 * 1024 * 1024, 'W'));
    junk.append(QByteArray("\n\0\x98 \0\0\r\nJUNK2 \xCA\xD2\x98\0\r\n", 18));
    WriteFile(QStringLiteral("Baase/Tr.db"), junk);
    const testing::CapturedErrors errors;
    fixture_->reopen();
    testing::Type(edit_, QStringLiteral("junk2"));
    QCOMPARE(shownPairs(), (QList<QStringList>{{"JUNK2", QStringLiteral("КТ") + QChar(0xFFFD) + QChar(0)}}));
    edit_->clear();
    testing::Type(edit_, QStringLiteral("ww"));
    QCOMPARE(count_->text(), QStringLiteral("1"));
    // A name of megabytes is cut for the grid, which would stall on laying it out.
    const QAbstractItemModel* model = grid_->model();
    QCOMPARE(std::max(model->index(0, 0).data().toString().size(), model->index(0, 1).data().toString().size()), 4096);
    grid_->viewport()->repaint();
    QCOMPARE(errors.count(), 0);
}

void TransistorAnaloguesTest::listsMoreThanFiveThousand()
{
    QByteArray many;
    for (int i = 1; i <= 6500; ++i)
        many += "F" + QByteArray::number(i) + " " + Cp1251(QStringLiteral("КТ")) + QByteArray::number(i) + "\n";
    WriteFile(QStringLiteral("Baase/Tr.db"), many);
    fixture_->reopen();
    testing::Type(edit_, QStringLiteral("f"));
    QCOMPARE(count_->text(), QStringLiteral("6500"));
    QCOMPARE(grid_->model()->rowCount(), 6500);
    QCOMPARE(grid_->model()->index(6499, 1).data().toString(), QStringLiteral("КТ6500"));
    grid_->scrollToBottom();
    grid_->viewport()->repaint();
    // The scroll bar that came with the records does not cover the last column.
    QTRY_VERIFY(grid_->columnViewportPosition(1) + grid_->columnWidth(1) <= grid_->viewport()->width());
}

void TransistorAnaloguesTest::gridClickFitsLastColumn()
{
    grid_->setColumnWidth(0, 100);
    QTest::mouseClick(grid_->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    QCOMPARE(grid_->columnWidth(1), 313 - 100);
    grid_->setColumnWidth(0, 155);
    QTest::mouseClick(grid_->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(grid_->columnWidth(1), 313 - 155);
}

void TransistorAnaloguesTest::copiesSelectedRows()
{
    testing::Type(edit_, QStringLiteral("кт8"));
    grid_->setFocus();
    grid_->selectAll();
    QTest::keyClick(grid_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("BD139\tКТ815Г\n2N3055\tКТ819ГМ"));
}

QTEST_MAIN(TransistorAnaloguesTest)
#include "test_transistor_analogues.moc"
