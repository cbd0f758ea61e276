// RuntimeError's two causes and their messages, and the one status test that raises it.
#include "runtime/forms/runtime_error.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace runtime {
namespace {

// What the call was doing, as the start of a sentence.
const char* NameOf(Method method) {
  switch (method) {
    case Method::GetText:
      return "Reading the text of";
    case Method::SetText:
      return "Writing the text of";
    case Method::Show:
      return "Showing";
    case Method::Hide:
      return "Hiding";
    case Method::Create:
      return "Creating the window";
  }
  return "Calling";
}

std::string DescribeCall(const FailedCall& call) {
  // Statuses are HRESULT-like: shown in hex, as a platform reports them.
  char status[16];
  std::snprintf(status, sizeof status, "0x%08X", static_cast<std::uint32_t>(call.status.code));
  std::string message = NameOf(call.method);
  message += ' ';
  message += call.object;
  if (call.interfaceName != call.object) {
    message += " (" + call.interfaceName + ")";
  }
  message += " failed with status ";
  message += status;
  message += '.';
  return message;
}

std::string DescribeArithmetic(ArithmeticFault fault) {
  return std::string(DescribeFault(fault.kind)) + '.';
}

}  // namespace

RuntimeError::RuntimeError(FailedCall call)
    : cause_(std::move(call)), message_(DescribeCall(std::get<FailedCall>(cause_))) {}

RuntimeError::RuntimeError(ArithmeticFault fault)
    : cause_(fault), message_(DescribeArithmetic(fault)) {}

void CheckStatus(Status status, std::string_view object, std::string_view interfaceName,
                 Method method) {
  if (status.Failed()) {
    throw RuntimeError(FailedCall{status, std::string(object), std::string(interfaceName), method});
  }
}

}  // namespace runtime
