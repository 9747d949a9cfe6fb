#include "platform/vb/RuntimeError.h"

namespace vb {

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

void raiseOverflow() { throw RuntimeError(err::Overflow, QStringLiteral("Overflow")); }
void raiseTypeMismatch() { throw RuntimeError(err::TypeMismatch, QStringLiteral("Type mismatch")); }
void raiseDivisionByZero() { throw RuntimeError(err::DivisionByZero, QStringLiteral("Division by zero")); }
void raiseSubscriptOutOfRange()
{
    throw RuntimeError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

void raiseObjectNotSet()
{
    throw RuntimeError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
}

} // namespace vb
