#include "app/calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace app {

bool StartCalculator()
{
#ifdef Q_OS_WIN
    const QStringList candidates{QStringLiteral("calc.exe")};
#else
    const QStringList candidates{
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("mate-calc"),
        QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"), QStringLiteral("qalculate-qt"),
        QStringLiteral("speedcrunch"), QStringLiteral("xfce4-calculator"), QStringLiteral("xcalc")};
#endif
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}

QString CalculatorMissingMessage()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Не удалось запустить калькулятор Windows (calc.exe).");
#else
    return QStringLiteral("Калькулятор не найден. Установите программу-калькулятор, "
                          "например gnome-calculator, kcalc или galculator.");
#endif
}

} // namespace app
