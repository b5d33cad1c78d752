// Value: an entry that may be empty, a number or a text, and remembers which.
#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <variant>

namespace pave {

class Value {
 public:
  enum class Kind { Empty, Number, Text };

  Value() = default;
  // A number. A single-precision number is held as the double it converts to (0.35f is held as
  // 0.349999994039536); store NumericValue(Str(f)) where the 7-digit decimal value is meant.
  Value(double number);            // NOLINT: a number converts implicitly
  template <std::integral T>
  Value(T number) : Value(static_cast<double>(number)) {}  // NOLINT: whole numbers (also 0) too
  Value(std::string text);         // NOLINT: a text converts implicitly
  Value(const char* text);         // NOLINT

  Kind kind() const;
  bool IsEmpty() const { return kind() == Kind::Empty; }
  bool IsNumber() const { return kind() == Kind::Number; }
  bool IsText() const { return kind() == Kind::Text; }

  // The number held, or the number a text spells (NumericValue); 0 when empty.
  double Number() const;
  // The number held, or the number a text wholly spells (ParseNumber: blanks around it allowed);
  // nothing when empty or a text that is no number. A number typed into a grid is held as its text
  // and stands for this number.
  std::optional<double> AsNumber() const;
  // A text as held; a number in the general number format without blanks around it; "" when empty.
  std::string Text() const;
  // How the data files print the value: a number in the general number format (with its blanks),
  // a text as its characters, nothing when empty.
  std::string Printed() const;

  bool operator==(const Value&) const = default;

 private:
  std::variant<std::monostate, double, std::string> v_;
};

}  // namespace pave
