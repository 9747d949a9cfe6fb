#pragma once

#include <QString>
#include <stdexcept>

namespace vb {

// A run-time error of the program's platform: a number and a description, as the error box shows
// them. Everything that the original runtime would have stopped the program for is thrown as one.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& description);

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }

private:
    int number_;
    QString description_;
};

namespace err {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int DeviceIOError = 57;
constexpr int DiskFull = 61;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int DatabaseEngineError = 3000;
constexpr int InvalidArgument = 3001;
constexpr int NoCurrentRecord = 3021;
constexpr int DatabaseNotFound = 3024;
constexpr int DatabaseReadOnly = 3027;
constexpr int DiskError = 3043;
constexpr int DatabaseInUse = 3045;
constexpr int CannotOpenDatabase = 3051;
constexpr int TooFewParameters = 3061;
constexpr int QuerySyntaxError = 3075;
constexpr int TableNotFound = 3078;
constexpr int ItemNotFound = 3265;
constexpr int UnrecognizedDatabase = 3343;
} // namespace err

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseTypeMismatch();
[[noreturn]] void raiseDivisionByZero();
[[noreturn]] void raiseSubscriptOutOfRange();
[[noreturn]] void raiseObjectNotSet(); // an operation on no object

} // namespace vb
