#include "support/test_support.h"
#include "values/errors.h"
#include "values/field.h"
#include "values/field_description.h"
#include "values/pictures.h"
#include "values/units.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using values::UnitKind;

class UnitsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitSkhemarResources(); }
    void scales_data();
    void scales();
    void uncoveredIndexGivesNoFactor_data();
    void uncoveredIndexGivesNoFactor();
    void clearHintDiffersFromScaleHint();
    void readsThroughUnit();
    void fillReplacesList();
    void loadsPictures();
    void unknownPictureRaises();
    void bandPictures();
};

void UnitsTest::scales_data()
{
    QTest::addColumn<char>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("symbol");  // as a reader takes it, in copies and tooltips
    const struct {
        char kind;
        int index;
        const char16_t* item;
        double factor;
        const char16_t* hint;
        const char16_t* symbol;
    } rows[] = {
        {'C', 0, u"пФ", 1E-12, u"Пикофарад", u"пФ"}, {'C', 1, u"нФ", 1E-9, u"Нанофарад", u"нФ"},
        {'C', 2, u"мкФ", 1E-6, u"Микрофарад", u"мкФ"}, {'C', 3, u"Ф", 1, u"Фарад", u"Ф"},
        {'L', 0, u"мкГн", 1E-6, u"Микрогенри", u"мкГн"}, {'L', 1, u"мГн", 1E-3, u"Милигенри", u"мГн"},
        {'L', 2, u"Гн", 1, u"Генри", u"Гн"},
        {'F', 0, u"Гц", 1, u"Герц", u"Гц"}, {'F', 1, u"кГц", 1E3, u"Келогерц", u"кГц"},
        {'F', 2, u"мГц", 1E6, u"Мегагерц", u"МГц"}, {'F', 3, u"гГц", 1E9, u"Гигагерц", u"ГГц"},
        {'R', 0, u"Ом", 1, u"Ом", u"Ом"}, {'R', 1, u"кОм", 1E3, u"Келом", u"кОм"},
        {'R', 2, u"мОм", 1E6, u"Мегом", u"МОм"}, {'R', 3, u"гОм", 1E9, u"Гиком", u"ГОм"},
        {'U', 0, u"мВ", 1E-3, u"Миливольт", u"мВ"}, {'U', 1, u"В", 1, u"Воль", u"В"},
        {'U', 2, u"кВ", 1E3, u"Келоволь", u"кВ"},
        {'I', 0, u"мкА", 1E-6, u"Микроампер", u"мкА"}, {'I', 1, u"мА", 1E-3, u"Милиампер", u"мА"},
        {'I', 2, u"А", 1, u"Ампер", u"А"},
        {'W', 0, u"мВт", 1E-3, u"Миливат", u"мВт"}, {'W', 1, u"Вт", 1, u"Ват", u"Вт"},
        {'W', 2, u"кВт", 1E3, u"Келоват", u"кВт"},
        {'T', 0, u"нс", 1E-9, u"Наносекунда", u"нс"}, {'T', 3, u"с", 1, u"Секунда", u"с"},
        {'T', 4, u"мин", 60, u"Минута", u"мин"}, {'T', 5, u"час", 3600, u"Час", u"час"},
        {'M', 0, u"мм", 1E-3, u"Милиметр", u"мм"}, {'M', 1, u"см", 1E-2, u"Сантиметр", u"см"},
        {'M', 3, u"км", 1E3, u"Келометр", u"км"},
    };
    for (const auto& row : rows) {
        QTest::addRow("%c %d", row.kind, row.index) << row.kind << row.index << QString::fromUtf16(row.item)
                                                    << row.factor << QString::fromUtf16(row.hint)
                                                    << QString::fromUtf16(row.symbol);
    }
}

void UnitsTest::scales()
{
    QFETCH(char, kind);
    QFETCH(int, index);
    QFETCH(QString, item);
    QFETCH(double, factor);
    QFETCH(QString, hint);
    QFETCH(QString, symbol);
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems(values::UnitTexts(static_cast<UnitKind>(kind)));
    QCOMPARE(combo.itemText(index), item);
    combo.setCurrentIndex(index);
    combo.setToolTip(QStringLiteral("stored"));
    QCOMPARE(values::UnitScale(&combo, static_cast<UnitKind>(kind)), factor);
    QCOMPARE(combo.toolTip(), hint);
    const auto unit = values::FindUnit(item.toUpper());
    QVERIFY(unit);
    QCOMPARE(values::UnitSymbol(*unit), symbol);
}

void UnitsTest::uncoveredIndexGivesNoFactor_data()
{
    QTest::addColumn<char>("kind");
    QTest::addColumn<int>("index");
    QTest::newRow("current index 3") << 'I' << 3;
    QTest::newRow("voltage index 3") << 'U' << 3;
    QTest::newRow("no item selected") << 'C' << -1;
}

void UnitsTest::uncoveredIndexGivesNoFactor()
{
    QFETCH(char, kind);
    QFETCH(int, index);
    QComboBox combo;
    combo.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    combo.setCurrentIndex(index);
    combo.setToolTip(QStringLiteral("stored"));
    QCOMPARE(values::UnitScale(&combo, static_cast<UnitKind>(kind)), 0.0);
    QCOMPARE(combo.toolTip(), QString());
}

void UnitsTest::clearHintDiffersFromScaleHint()
{
    QComboBox combo;
    combo.addItems(values::UnitTexts(UnitKind::U));
    combo.setCurrentIndex(1);
    values::UnitScale(&combo, UnitKind::U);
    QCOMPARE(combo.toolTip(), QStringLiteral("Воль"));
    values::SetUnit(&combo, 1, QStringLiteral("Вольт"));
    QCOMPARE(combo.toolTip(), QStringLiteral("Вольт"));
    QCOMPARE(combo.currentIndex(), 1);
}

void UnitsTest::readsThroughUnit()
{
    const testing::DecimalSeparatorScope point(u'.');
    QWidget page;
    auto* combo = new QComboBox(&page);
    combo->setObjectName(QStringLiteral("CB"));
    combo->addItems(values::UnitTexts(UnitKind::C));
    combo->setCurrentIndex(1);
    auto* edit = new QLineEdit(QStringLiteral("4.7"), &page);
    edit->setToolTip(QStringLiteral("Ёмкость контура"));
    values::SetFieldUnit(edit, combo);
    double factor = 0;
    const double farad = values::ReadWithUnit(edit, combo, UnitKind::C, factor);
    QCOMPARE(factor, 1E-9);
    QVERIFY(qFuzzyCompare(farad, 4.7E-9));
    values::ShowSolved(edit, 1E-8 / factor);
    QCOMPARE(edit->text(), QStringLiteral("10"));
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->palette().color(QPalette::Base), testing::Yellow);
    // Plain and computed tooltips: the value lines come as the tooltip shows.
    QCOMPARE(edit->toolTip(), QStringLiteral("Ёмкость контура"));
    const auto shownTip = [edit] {
        values::ShowFieldDescription(edit);
        return edit->toolTip();
    };
    QCOMPARE(shownTip(), QStringLiteral("Ёмкость контура\nВычислено: 10 нФ"));

    // A long result is read from its first digit; an unsolvable state keeps
    // its reason until the field is solved again.
    values::ShowSolved(edit, 1234.56789012345);
    QCOMPARE(edit->cursorPosition(), 0);
    const QString solved = QStringLiteral("Ёмкость контура\nВычислено: 1234.56789012345 нФ\n≈ 1.235 мкФ");
    QCOMPARE(shownTip(), solved);
    values::ShowUnsolvable(edit, QStringLiteral("Нет решения"));
    combo->setCurrentIndex(2);
    QCOMPARE(edit->toolTip(), QStringLiteral("Нет решения"));
    values::ClearUnsolvable(edit);
    QCOMPARE(shownTip(), QStringLiteral("Ёмкость контура\nВычислено: 1234.56789012345 мкФ\n≈ 1.235 мФ"));
    values::ShowCleared(edit);
    QCOMPARE(edit->toolTip(), QStringLiteral("Ёмкость контура"));
    QVERIFY(edit->hasFrame());
    values::SetFieldState(edit, values::FieldState::Fixed);
    QVERIFY(!edit->hasFrame());
    QCOMPARE(edit->palette().color(QPalette::Base), values::WindowColour());
}

void UnitsTest::fillReplacesList()
{
    QComboBox combo;
    combo.addItems(values::UnitTexts(UnitKind::L));
    values::FillUnitCombo(&combo, values::UnitTexts(UnitKind::R), QStringLiteral("Ом"), 0);
    QCOMPARE(combo.count(), 4);
    QCOMPARE(combo.itemText(3), QStringLiteral("гОм"));
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(combo.toolTip(), QStringLiteral("Ом"));
}

void UnitsTest::loadsPictures()
{
    QLabel image;
    QCOMPARE(values::PictureName(&image), QString());
    values::LoadPicture(&image, QStringLiteral("Image1"));
    QCOMPARE(values::PictureName(&image), QStringLiteral("Image1"));
    // A hidden image is drawn when it is first shown; a shown one at once.
    QVERIFY(image.pixmap().isNull());
    image.show();
    QCOMPARE(image.pixmap().deviceIndependentSize().toSize(), QSize(19, 19));
    values::LoadPicture(&image, QStringLiteral("VerImg1"));
    QCOMPARE(image.pixmap().deviceIndependentSize().toSize(), QSize(100, 85));
}

void UnitsTest::unknownPictureRaises()
{
    QLabel image;
    values::LoadPicture(&image, QStringLiteral("Image1"));
    QVERIFY_THROWS_EXCEPTION(values::ResourceError, values::LoadPicture(&image, QStringLiteral("PIC99")));
    QVERIFY_THROWS_EXCEPTION(values::ResourceError, values::PictureSize(QStringLiteral("PIC99")));
    QCOMPARE(values::PictureSize(QStringLiteral("VerImg1")), QSize(100, 85));
    QCOMPARE(values::PictureName(&image), QStringLiteral("Image1"));
}

void UnitsTest::bandPictures()
{
    QWidget root;
    QVERIFY_THROWS_EXCEPTION(values::ResourceError, values::LoadBandPictures(&root, QStringLiteral("X")));
    QCOMPARE(values::BandImageNames[6], "PIC33");
    QCOMPARE(values::BandImageNames[7], "PIC31");
    QCOMPARE(values::BandImageNames[10], "PIC32");
}

QTEST_MAIN(UnitsTest)
#include "test_units.moc"
