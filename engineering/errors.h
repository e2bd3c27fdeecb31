#pragma once

#include <QString>
#include <stdexcept>

namespace engineering {

// Every failure inside an event is one of these; the application's error
// reporter shows message() and the event loop goes on.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A text that is not a number by the standard conversion.
class ConversionError : public Failure {
public:
    using Failure::Failure;
};

// Division by zero, overflow, invalid operation (root or logarithm of a
// negative number): raised instead of letting inf or nan reach a field.
class ArithmeticError : public Failure {
public:
    enum class Kind { DivisionByZero, NegativeRoot, NonPositiveLogarithm, Invalid, Overflow };

    explicit ArithmeticError(const QString& message, Kind kind = Kind::Invalid)
        : Failure(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// A picture or a window control that the program expected to carry.
class ResourceError : public Failure {
public:
    using Failure::Failure;
};

// A reference file that cannot be opened or read.
class FileError : public Failure {
public:
    using Failure::Failure;
};

} // namespace engineering
