#include "common/value.h"

#include <utility>

#include "common/number_format.h"
#include "common/numeric_value.h"

namespace pave {

Value::Value(double number) : v_(number) {}
Value::Value(std::string text) : v_(std::move(text)) {}
Value::Value(const char* text) : v_(std::string(text ? text : "")) {}

Value::Kind Value::kind() const {
  switch (v_.index()) {
    case 1: return Kind::Number;
    case 2: return Kind::Text;
    default: return Kind::Empty;
  }
}

double Value::Number() const {
  if (const double* d = std::get_if<double>(&v_)) return *d;
  if (const std::string* s = std::get_if<std::string>(&v_)) return NumericValue(*s);
  return 0;
}

std::optional<double> Value::AsNumber() const {
  if (const double* d = std::get_if<double>(&v_)) return *d;
  if (const std::string* s = std::get_if<std::string>(&v_)) return ParseNumber(*s);
  return std::nullopt;
}

std::string Value::Text() const {
  if (const double* d = std::get_if<double>(&v_)) {
    return BareStr(*d);
  }
  if (const std::string* s = std::get_if<std::string>(&v_)) return *s;
  return {};
}

std::string Value::Printed() const {
  if (const double* d = std::get_if<double>(&v_)) return GenNum(*d);
  if (const std::string* s = std::get_if<std::string>(&v_)) return *s;
  return {};
}

}  // namespace pave
