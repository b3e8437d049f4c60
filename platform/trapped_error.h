#pragma once

#include <QString>

#include <stdexcept>

// A failure inside a trapped procedure, with the number, source and description that the
// error report shows.
class TrappedError : public std::runtime_error {
public:
    TrappedError(int number, const QString& description, const QString& source = QString());
    int Number() const { return number_; }
    const QString& Source() const { return source_; }
    const QString& Description() const { return description_; }

private:
    int number_;
    QString source_;
    QString description_;
};

// Error numbers the program raises itself.
namespace ErrorNumber {
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DeviceIo = 57;
constexpr int InputPastEnd = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int InvalidProcedureCall = 5;
constexpr int Unexpected = 440;
} // namespace ErrorNumber

[[noreturn]] void RaiseError(int number, const QString& description,
                             const QString& source = QString());
