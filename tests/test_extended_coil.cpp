// The coil group of the "Расширенный" page: both winding modes, every unknown,
// the range labels and the faults that inconsistent sizes cause.
#include "app/main_window.h"
#include "support/page_fixture.h"
#include "pages/circuits/extended_circuit_page.h"
#include "support/test_support.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>
#include <tuple>

using testing::Find;

namespace {

// L in microhenries of a single-layer coil, sizes in millimetres.
double Inductance(double turns, double former, double wire, double length)
{
    const double d = former + wire;
    return 0.001 * turns * turns * d / (length / d + 0.46);
}

QString Typed(double value)
{
    return values::FormatNumber(value);
}

struct Coil {
    double w, dk, dp, j;
};

} // namespace

class ExtendedCoilTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void controlsAsDesigned();
    void solvesEachUnknown_data();
    void solvesEachUnknown();
    void documentedInductanceGivesBackTheCoil_data();
    void documentedInductanceGivesBackTheCoil();
    void turnToTurnTakesSmallerRoot();
    void documentedCoilShowsRangeLabels();
    void windingTooShortOrTooLongFlagsLabels_data();
    void windingTooShortOrTooLongFlagsLabels();
    void turnToTurnLengthIsComputedAndLocked();
    void millihenriesInBothModes_data();
    void millihenriesInBothModes();
    void solvedFieldIsComputedAgain();
    void noAnswerShowsRed_data();
    void noAnswerShowsRed();

private:
    QLineEdit* edit(const QString& name) { return fixture_->find<QLineEdit>(name); }
    QLabel* label(const char* name) { return fixture_->find<QLabel>(QString::fromLatin1(name)); }
    QCheckBox* turnToTurn() { return fixture_->find<QCheckBox>("TS26ChB1"); }
    pages::ExtendedCircuitPage* page() { return fixture_->find<pages::ExtendedCircuitPage>("TS26"); }
    void setTurnToTurn(bool on)
    {
        if (turnToTurn()->isChecked() != on)
            turnToTurn()->click();
    }
    // Types the given fields in order, each as a user would.
    void typeAll(const QList<std::pair<QString, QString>>& fields)
    {
        for (const auto& [name, text] : fields)
            testing::Retype(edit(name), text);
    }
    void typeDocumentedCoil()
    {
        typeAll({{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}, {"TS26J", "10"}});
    }

    std::unique_ptr<testing::PageFixture> fixture_;
    // A fault that a test does not expect must not wait for a message box to close.
    std::unique_ptr<testing::CapturedErrors> unexpected_;
};

void ExtendedCoilTest::initTestCase()
{
    unexpected_ = std::make_unique<testing::CapturedErrors>();
    fixture_ = std::make_unique<testing::PageFixture>("N8");
}

void ExtendedCoilTest::init()
{
    for (const char* clear : {"TS26Button1", "TS26Button2", "TS26Button3"})
        fixture_->find<QPushButton>(clear)->click();
    setTurnToTurn(false);
}

void ExtendedCoilTest::controlsAsDesigned()
{
    const QList<std::pair<const char*, const char*>> captions{{"TS26W", "Число витков W (штук)"},
                                                              {"TS26Dk", "Диаметр какркаса Dк (мм)"},
                                                              {"TS26Dp", "Диаметр провода Dп (мм)"},
                                                              {"TS26J", "Длинна намотки J (мм)"},
                                                              {"TS26Ll", "Индуктивность L (мкГн)"}};
    for (const auto& [name, caption] : captions) {
        QLineEdit* field = edit(QString::fromLatin1(name));
        QCOMPARE(field->text(), QStringLiteral("0"));
        QCOMPARE(testing::Caption(field), QString::fromUtf8(caption));
    }
    QCOMPARE(fixture_->find<QGroupBox>("TS26GB3")->title(), QStringLiteral("Катушка (индуктивность L)"));
    QCOMPARE(fixture_->find<QGroupBox>("TS26GB31")->title(), QStringLiteral("Предельные значения"));
    QCOMPARE(turnToTurn()->text(), QStringLiteral("Виток к витку"));
    QVERIFY(!turnToTurn()->isChecked());
    QCOMPARE(label("TS26Label1")->text(), QStringLiteral("0.45 < ?? < 2.5"));
    QCOMPARE(label("TS26Label1")->toolTip(), QStringLiteral("В пределах 0.45-2.5 погрешность вычисления состовляет 1%"));
    QCOMPARE(label("TS26Label2")->text(), QStringLiteral("J < W*Dп"));
}

void ExtendedCoilTest::solvesEachUnknown_data()
{
    QTest::addColumn<bool>("turns");      // turn-to-turn winding
    QTest::addColumn<QString>("unknown");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("dk");
    QTest::addColumn<double>("dp");
    QTest::addColumn<double>("j");

    // The coil is known in full; its L is typed, and the one field left at 0
    // must come back as the coil's own size.
    const QList<std::pair<const char*, Coil>> coils{{"10 turns on 10 mm", {10, 10, 1, 10}},
                                                    {"25 turns on 6 mm", {25, 6, 0.5, 20}},
                                                    {"long thin coil", {120, 4.5, 0.25, 45}}};
    for (const auto& [name, coil] : coils) {
        for (const char* unknown : {"TS26W", "TS26Dk", "TS26Dp", "TS26J", "TS26Ll"}) {
            QTest::addRow("length given, %s, %s unknown", name, unknown)
                << false << unknown << coil.w << coil.dk << coil.dp << coil.j;
        }
        for (const char* unknown : {"TS26W", "TS26Dk", "TS26Dp", "TS26Ll"}) {
            QTest::addRow("turn to turn, %s, %s unknown", name, unknown)
                << true << unknown << coil.w << coil.dk << coil.dp << coil.w * coil.dp;
        }
    }
}

void ExtendedCoilTest::solvesEachUnknown()
{
    QFETCH(bool, turns);
    QFETCH(QString, unknown);
    QFETCH(double, w);
    QFETCH(double, dk);
    QFETCH(double, dp);
    QFETCH(double, j);
    const double l = Inductance(w, dk, dp, j);

    setTurnToTurn(turns);
    QList<std::pair<QString, QString>> fields{{"TS26W", Typed(w)}, {"TS26Dk", Typed(dk)}, {"TS26Dp", Typed(dp)}};
    if (!turns)
        fields.append({"TS26J", Typed(j)});
    fields.append({"TS26Ll", Typed(l)});
    fields.removeIf([&](const auto& field) { return field.first == unknown; });
    // Part-typed values on the way may describe no coil at all; that shows in
    // red, without a message, and the typing goes on.
    const testing::CapturedErrors onTheWay;
    typeAll(fields);
    QCOMPARE(onTheWay.count(), 0);

    const QHash<QString, double> truth{{"TS26W", w}, {"TS26Dk", dk}, {"TS26Dp", dp}, {"TS26J", j}, {"TS26Ll", l}};
    QLineEdit* result = edit(unknown);
    QVERIFY2(testing::SameDigits(testing::Shown(result), truth[unknown]), qPrintable(result->text()));
    QCOMPARE(testing::Background(result), values::ResultColour);
    QVERIFY(!result->isReadOnly());
    // Whatever was computed, the sizes shown make the inductance shown.
    const double shownL = Inductance(testing::Shown(edit("TS26W")), testing::Shown(edit("TS26Dk")),
                                     testing::Shown(edit("TS26Dp")), testing::Shown(edit("TS26J")));
    QVERIFY(testing::SameDigits(shownL, testing::Shown(edit("TS26Ll"))));
    QCOMPARE(edit("TS26L")->text(), edit("TS26Ll")->text());
    QCOMPARE(edit("TS26J")->isEnabled(), !turns);
}

void ExtendedCoilTest::documentedInductanceGivesBackTheCoil_data()
{
    QTest::addColumn<bool>("turns");
    QTest::addColumn<QString>("unknown");
    QTest::addColumn<double>("expected");
    QTest::newRow("length given, W") << false << "TS26W" << 10.0;
    QTest::newRow("length given, Dk") << false << "TS26Dk" << 10.0;
    QTest::newRow("length given, Dp") << false << "TS26Dp" << 1.0;
    QTest::newRow("length given, J") << false << "TS26J" << 10.0;
    QTest::newRow("turn to turn, W") << true << "TS26W" << 10.0;
    QTest::newRow("turn to turn, Dk") << true << "TS26Dk" << 10.0;
    QTest::newRow("turn to turn, Dp") << true << "TS26Dp" << 1.0;
}

void ExtendedCoilTest::documentedInductanceGivesBackTheCoil()
{
    QFETCH(bool, turns);
    QFETCH(QString, unknown);
    QFETCH(double, expected);
    setTurnToTurn(turns);
    QList<std::pair<QString, QString>> fields{{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}};
    if (!turns)
        fields.append({QStringLiteral("TS26J"), QStringLiteral("10")});
    fields.append({QStringLiteral("TS26Ll"), QStringLiteral("0.803453")});
    fields.removeIf([&](const auto& field) { return field.first == unknown; });
    const testing::CapturedErrors onTheWay;
    typeAll(fields);
    QVERIFY2(testing::SameDigits(testing::Shown(edit(unknown)), expected, 5), qPrintable(edit(unknown)->text()));
    QCOMPARE(testing::Background(edit(unknown)), values::ResultColour);
    QVERIFY(testing::Reason(edit(unknown)).isEmpty());
    QCOMPARE(onTheWay.count(), 0);
}

void ExtendedCoilTest::turnToTurnTakesSmallerRoot()
{
    setTurnToTurn(true);
    typeAll({{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Ll", "0.803453"}});
    const double shown = testing::Shown(edit("TS26Dp"));
    QVERIFY2(testing::SameDigits(shown, 1, 5), qPrintable(edit("TS26Dp")->text()));

    // Both roots of W²·Dп² + b·Dп + c = 0 wind the same inductance; the
    // other one is a wire thicker than the former.
    const double w = 10, dk = 10, l = 0.803453;
    const double sum = -(2 * w * w * dk - 1000 * w * l - 460 * l) / (w * w);
    const double larger = sum - shown;
    QVERIFY(larger > 50);
    QVERIFY(testing::SameDigits(0.001 * w * w * (dk + larger) / (w * larger / (dk + larger) + 0.46), l, 5));
}

void ExtendedCoilTest::documentedCoilShowsRangeLabels()
{
    typeDocumentedCoil();
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26Ll")), 0.803453, 5));
    QCOMPARE(label("TS26Label1")->text(), "0.45 < " + values::FormatNumber(10.0 / 11) + " < 2.5");
    QVERIFY(label("TS26Label1")->text().startsWith(QStringLiteral("0.45 < 0.909")));
    QCOMPARE(testing::FontColour(label("TS26Label1")), testing::NormalText());
    QCOMPARE(testing::FontColour(label("TS26Label2")), testing::NormalText());
    QCOMPARE(edit("TS26L")->text(), edit("TS26Ll")->text());
    QCOMPARE(page()->coil().solvedField(), int(pages::ExtendedCoilGroup::L));
}

void ExtendedCoilTest::windingTooShortOrTooLongFlagsLabels_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("ratioRed");
    QTest::addColumn<bool>("fitRed");
    QTest::newRow("J = 5: turns do not fit") << "5" << false << true;
    QTest::newRow("J = 40: ratio 3.64") << "40" << true << false;
    QTest::newRow("J = 4: both") << "4" << true << true;
    QTest::newRow("J = 27.5: ratio at the upper edge") << "27.5" << false << false;
}

void ExtendedCoilTest::windingTooShortOrTooLongFlagsLabels()
{
    QFETCH(QString, length);
    QFETCH(bool, ratioRed);
    QFETCH(bool, fitRed);
    typeAll({{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}, {"TS26J", length}});
    const QColor red(255, 0, 0);
    const QColor normal = testing::NormalText();
    QCOMPARE(testing::FontColour(label("TS26Label1")), ratioRed ? red : normal);
    QCOMPARE(testing::FontColour(label("TS26Label2")), fitRed ? red : normal);
    const double ratio = values::ParseNumber(length) / 11;
    QCOMPARE(label("TS26Label1")->text(), "0.45 < " + values::FormatNumber(ratio) + " < 2.5");
    QCOMPARE(label("TS26Label2")->text(), QStringLiteral("J < W*Dп"));
    // A red label says why; the range label otherwise keeps its hint.
    const QString rangeHint = QStringLiteral("В пределах 0.45-2.5 погрешность вычисления состовляет 1%");
    QCOMPARE(label("TS26Label1")->toolTip() != rangeHint, ratioRed);
    QVERIFY(label("TS26Label1")->toolTip().contains(QStringLiteral("0.45-2.5")));
    QCOMPARE(label("TS26Label2")->toolTip().contains(QStringLiteral("Витки не помещаются")), fitRed);

    // Both clear when the coil fits the rules again.
    testing::Retype(edit("TS26J"), "15");
    QCOMPARE(testing::FontColour(label("TS26Label1")), normal);
    QCOMPARE(testing::FontColour(label("TS26Label2")), normal);
    QCOMPARE(label("TS26Label1")->toolTip(), rangeHint);
    QVERIFY(label("TS26Label2")->toolTip().isEmpty());
}

void ExtendedCoilTest::turnToTurnLengthIsComputedAndLocked()
{
    setTurnToTurn(true);
    QVERIFY(!edit("TS26J")->isEnabled());
    typeAll({{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}});
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26Ll")), 0.803453, 5));
    QCOMPARE(edit("TS26J")->text(), QStringLiteral("10"));
    QCOMPARE(testing::Background(edit("TS26J")), values::ResultColour);
    QVERIFY(!edit("TS26J")->isEnabled());
    QCOMPARE(testing::FontColour(label("TS26Label2")), testing::NormalText());

    // Back to a given length: J is the user's again, in the window colour.
    setTurnToTurn(false);
    QVERIFY(edit("TS26J")->isEnabled());
    QCOMPARE(testing::Background(edit("TS26J")), values::WindowColour());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26Ll")), 0.803453, 5));
}

void ExtendedCoilTest::millihenriesInBothModes_data()
{
    QTest::addColumn<bool>("turns");
    QTest::newRow("length given") << false;
    QTest::newRow("turn to turn") << true;
}

void ExtendedCoilTest::millihenriesInBothModes()
{
    QFETCH(bool, turns);
    setTurnToTurn(turns);
    testing::Choose(fixture_->find<QComboBox>("TS26LlCB"), "мГн");
    // The circuit group's inductance unit follows the coil's.
    QCOMPARE(fixture_->find<QComboBox>("TS26LCB")->currentText(), QStringLiteral("мГн"));
    typeAll({{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}});
    if (!turns)
        testing::Retype(edit("TS26J"), "10");
    QVERIFY2(testing::SameDigits(testing::Shown(edit("TS26Ll")), Inductance(10, 10, 1, 10) / 1000),
             qPrintable(edit("TS26Ll")->text()));
    QVERIFY(edit("TS26Ll")->text().startsWith(QStringLiteral("0.00080345")));
    QCOMPARE(fixture_->find<QComboBox>("TS26LlCB")->toolTip(), QStringLiteral("Микрогенри"));
}

void ExtendedCoilTest::solvedFieldIsComputedAgain()
{
    typeDocumentedCoil();
    const QString computed = edit("TS26Ll")->text();
    edit("TS26Ll")->end(false);
    testing::Type(edit("TS26Ll"), "9");
    QCOMPARE(edit("TS26Ll")->text(), computed);
    testing::Retype(edit("TS26W"), "20");
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26Ll")), Inductance(20, 10, 1, 10)));
    QCOMPARE(edit("TS26L")->text(), edit("TS26Ll")->text());
}




void ExtendedCoilTest::noAnswerShowsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("turns");
    QTest::addColumn<QStringList>("steps");  // field=text typed in order, numbers with "."; signed ones pasted
    QTest::addColumn<QString>("red");         // the field or label that cannot be computed
    QTest::addColumn<QString>("recovery");    // field=text pasted: the inputs give an answer again

    const QList<std::tuple<const char*, bool, QStringList, const char*, const char*>> rows{
        {"ratio with Dk + Dp = 0", false, {"TS26Dk=5", "TS26Dp=-5", "TS26J=10", "TS26Ll=1", "TS26W=1"},
         "TS26Label1", "TS26Dp=1"},
        {"root of a negative number for Dk", false, {"TS26W=10", "TS26Dp=1", "TS26J=10", "TS26Ll=-1"}, "TS26Dk",
         "TS26Ll=0.8"},
        {"L with Dk + Dp = 0", false, {"TS26W=10", "TS26Dk=5", "TS26J=10", "TS26Dp=-5"}, "TS26Ll", "TS26Dp=1"},
        {"computed L keeps its value when Dk + Dp becomes 0", false,
         {"TS26W=10", "TS26Dk=10", "TS26Dp=1", "TS26J=10", "TS26Dp=-10"}, "TS26Ll", "TS26Dp=1.5"},
        {"no wire winds so small an L", true, {"TS26W=1", "TS26Dk=10", "TS26Ll=0.01"}, "TS26Dp", "TS26Ll=1"},
        {"L typed digit by digit passes a value no wire winds", true, {"TS26W=10", "TS26Dk=10", "TS26Ll=0.08"},
         "TS26Dp", "TS26Ll=0.803453"},
    };
    for (const auto& [name, turns, steps, red, recovery] : rows) {
        QTest::addRow("%s, point", name) << QChar('.') << turns << steps << red << recovery;
        QTest::addRow("%s, comma", name) << QChar(',') << turns << steps << red << recovery;
    }
}

void ExtendedCoilTest::noAnswerShowsRed()
{
    QFETCH(QChar, separator);
    QFETCH(bool, turns);
    QFETCH(QStringList, steps);
    QFETCH(QString, red);
    QFETCH(QString, recovery);
    const testing::DecimalSeparatorScope scope(separator);
    const auto localised = [&](QString text) { return text.replace(QLatin1Char('.'), separator); };
    setTurnToTurn(turns);
    QWidget* control = fixture_->find<QWidget>(red);
    const auto shown = [control] {
        if (auto* field = qobject_cast<QLineEdit*>(control))
            return field->text();
        return static_cast<QLabel*>(control)->text();
    };
    const testing::CapturedErrors errors;
    QString before;
    for (const QString& step : steps) {
        before = shown();
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString text = localised(step.section(QLatin1Char('='), 1));
        if (text.startsWith(QLatin1Char('-')))
            edit(name)->setText(text);  // pasted: a sign cannot be typed in front of "0"
        else
            testing::Retype(edit(name), text);
    }
    QCOMPARE(errors.count(), 0);
    QVERIFY(values::IsUnsolvable(control));
    QVERIFY2(control->toolTip().startsWith(QStringLiteral("Нет решения")), qPrintable(control->toolTip()));
    // What was typed stays, and so does what the red control showed.
    const QString last = steps.last();
    QCOMPARE(edit(last.section(QLatin1Char('='), 0, 0))->text(), localised(last.section(QLatin1Char('='), 1)));
    QCOMPARE(shown(), before);

    edit(recovery.section(QLatin1Char('='), 0, 0))->setText(localised(recovery.section(QLatin1Char('='), 1)));
    QVERIFY(!values::IsUnsolvable(control));
    QVERIFY(!control->toolTip().startsWith(QStringLiteral("Нет решения")));
    if (auto* field = qobject_cast<QLineEdit*>(control))
        QCOMPARE(testing::Background(field), values::ResultColour);
    QCOMPARE(errors.count(), 0);
}

QTEST_MAIN(ExtendedCoilTest)
#include "test_extended_coil.moc"
