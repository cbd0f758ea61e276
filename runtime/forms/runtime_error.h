// RuntimeError: the one error with which a click handler stops, and the status test that
// raises it. Handlers never catch it; the click dispatcher reports it and the program goes on.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/forms/status.h"
#include "runtime/numbers/arithmetic_fault.h"

namespace runtime {

// The method of the object's interface that failed. Create: the platform refused to build a
// window instance.
enum class Method { GetText, SetText, Show, Hide, Create };

// A control access or window call that returned a negative status.
struct FailedCall {
  Status status;
  std::string object;         // the control or window class it failed on: "lblans", "Form1"
  std::string interfaceName;  // the object's interface: "TextBox", "Label", or the window class
  Method method;
  friend bool operator==(const FailedCall&, const FailedCall&) = default;
};

class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(FailedCall call);
  explicit RuntimeError(ArithmeticFault fault);

  [[nodiscard]] const std::variant<FailedCall, ArithmeticFault>& Cause() const { return cause_; }
  // A sentence a person can read, naming the fault or the failed call.
  [[nodiscard]] const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::variant<FailedCall, ArithmeticFault> cause_;
  std::string message_;
};

// Throws RuntimeError when `status` failed; the only place a failed status becomes an error.
void CheckStatus(Status status, std::string_view object, std::string_view interfaceName,
                 Method method);

}  // namespace runtime
