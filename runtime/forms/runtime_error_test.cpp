// RuntimeError's causes and messages, and the status test that raises it.
#include "runtime/forms/runtime_error.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace runtime {
namespace {

struct MessageRow {
  const char* name;
  RuntimeError error;
  std::string message;
};

void PrintTo(const MessageRow& row, std::ostream* out) {
  *out << row.name;
}

class RuntimeErrorMessage : public testing::TestWithParam<MessageRow> {};

TEST_P(RuntimeErrorMessage, NamesTheFailure) {
  EXPECT_EQ(GetParam().error.what(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RuntimeErrorMessage,
    testing::Values(
        MessageRow{"WritingTheAnswerFails",
                   RuntimeError(FailedCall{kFailed, "lblans", "Label", Method::SetText}),
                   "Writing the text of lblans (Label) failed with status 0x80004005."},
        MessageRow{"ReadingTheEntryFails",
                   RuntimeError(FailedCall{Status{-1}, "txtnum", "TextBox", Method::GetText}),
                   "Reading the text of txtnum (TextBox) failed with status 0xFFFFFFFF."},
        MessageRow{"ShowingTheAboutWindowFails",
                   RuntimeError(FailedCall{kFailed, "Form1", "Form1", Method::Show}),
                   "Showing Form1 failed with status 0x80004005."},
        MessageRow{"HidingTheDetailsWindowFails",
                   RuntimeError(FailedCall{kFailed, "Form2", "Form2", Method::Hide}),
                   "Hiding Form2 failed with status 0x80004005."},
        MessageRow{"TheDetailsWindowCannotBeMade",
                   RuntimeError(FailedCall{kFailed, "Form2", "Form2", Method::Create}),
                   "Creating the window Form2 failed with status 0x80004005."},
        MessageRow{"DividingByZero", RuntimeError(ArithmeticFault{FaultKind::DivisionByZero}),
                   "Division by zero."},
        MessageRow{"Overflowing", RuntimeError(ArithmeticFault{FaultKind::Overflow}), "Overflow."},
        MessageRow{"ZeroByZero", RuntimeError(ArithmeticFault{FaultKind::InvalidOperation}),
                   "Invalid operation."}),
    [](const auto& each) { return std::string(each.param.name); });

struct StatusRow {
  const char* name;
  Status status;
  bool raises;
};

void PrintTo(const StatusRow& row, std::ostream* out) {
  *out << row.name;
}

class CheckStatusRaises : public testing::TestWithParam<StatusRow> {};

// Only a negative status is a failure; a positive one still reports success.
TEST_P(CheckStatusRaises, OnlyOnNegativeStatus) {
  const StatusRow& row = GetParam();
  if (!row.raises) {
    EXPECT_NO_THROW(CheckStatus(row.status, "txtnum", "TextBox", Method::GetText));
    return;
  }
  try {
    CheckStatus(row.status, "txtnum", "TextBox", Method::GetText);
    FAIL() << "no RuntimeError";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Cause(), (std::variant<FailedCall, ArithmeticFault>(
                                 FailedCall{row.status, "txtnum", "TextBox", Method::GetText})));
  }
}

INSTANTIATE_TEST_SUITE_P(Statuses, CheckStatusRaises,
                         testing::Values(StatusRow{"Ok", kOk, false},
                                         StatusRow{"PositiveStatus", Status{1}, false},
                                         StatusRow{"LargestStatus", Status{INT32_MAX}, false},
                                         StatusRow{"GeneralFailure", kFailed, true},
                                         StatusRow{"MinusOne", Status{-1}, true},
                                         StatusRow{"SmallestStatus", Status{INT32_MIN}, true}),
                         [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace runtime
