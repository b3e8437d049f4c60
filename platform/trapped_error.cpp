#include "platform/trapped_error.h"

TrappedError::TrappedError(int number, const QString& description, const QString& source)
    : std::runtime_error(description.toStdString()), number_(number), source_(source),
      description_(description) {}

void RaiseError(int number, const QString& description, const QString& source) {
    throw TrappedError(number, description, source);
}
