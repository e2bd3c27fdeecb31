#include "app/translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// The standard dialogs speak Russian like the rest of the program.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::InstallRussianTranslations(*QCoreApplication::instance()); }
    void standardButtons_data();
    void standardButtons();
};

void TranslationsTest::standardButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringLiteral("Отмена");
    QTest::newRow("close") << int(QMessageBox::Close) << QStringLiteral("Закрыть");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QStringLiteral("Да");
    QTest::newRow("no") << int(QMessageBox::No) << QStringLiteral("Нет");
}

void TranslationsTest::standardButtons()
{
    QFETCH(int, button);
    QFETCH(QString, text);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Схемарь"), QStringLiteral("x"),
                    static_cast<QMessageBox::StandardButton>(button));
    QString shown = box.button(static_cast<QMessageBox::StandardButton>(button))->text();
    shown.remove(u'&');
    QCOMPARE(shown, text);
}

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
