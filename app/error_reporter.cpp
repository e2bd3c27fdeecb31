#include "app/error_reporter.h"

#include "values/errors.h"
#include "values/field.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

namespace {

void ShowMessageBox(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Схемарь"), message);
}

ErrorReporter& CurrentReporter()
{
    static ErrorReporter reporter = ShowMessageBox;
    return reporter;
}

} // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = std::move(CurrentReporter());
    CurrentReporter() = reporter ? std::move(reporter) : ErrorReporter(ShowMessageBox);
    return previous;
}

void ReportError(const QString& message)
{
    CurrentReporter()(message);
}

void ReportFailure(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const values::ArithmeticError& fault) {
        // Said in the words a red field uses, with what to change.
        ReportError(values::UnsolvableReason(fault) + QStringLiteral(". Измените введённые значения."));
    } catch (const values::Failure& error) {
        ReportError(error.message());
    } catch (const std::bad_alloc&) {
        ReportError(QStringLiteral("Недостаточно памяти"));
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("Неизвестная ошибка"));
    }
}

void RunReported(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        ReportFailure(std::current_exception());
    }
}

} // namespace app
