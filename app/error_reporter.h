#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace app {

// Shows the message of a failure inside an event. The default shows a modal
// critical message box; tests put their own in place.
using ErrorReporter = std::function<void(const QString& message)>;

// Installs a reporter and returns the one it replaced.
ErrorReporter SetErrorReporter(ErrorReporter reporter);
void ReportError(const QString& message);
void ReportFailure(const std::exception_ptr& failure);

// Runs an action so that no exception leaves it: a failure is reported.
void RunReported(const std::function<void()>& action);

} // namespace app
