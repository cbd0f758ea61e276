// The nine operations: the worked examples, the example run, the edge cases, the faults, and
// that each write order lists every text its operation changes. Rows read "answer operation
// entry"; "(none)" is an empty answer.
#include "engine/operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace engine {

namespace {

constexpr ArithmeticFault kInvalid{FaultKind::InvalidOperation};
constexpr ArithmeticFault kDivisionByZero{FaultKind::DivisionByZero};
constexpr ArithmeticFault kOverflow{FaultKind::Overflow};

struct Row {
  const char* name;
  Operation operation;
  DisplayTexts before;
  Outcome after;
};

void ExpectOutcomes(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Apply(row.operation, row.before), row.after);
  }
}

// The texts before an operation, in the order the rows read them: answer, then entry.
DisplayTexts Screen(std::string answer, std::string entry, std::string marker = "") {
  return {.entry = std::move(entry), .answer = std::move(answer), .marker = std::move(marker)};
}

// The four starting screens of the worked examples.
const DisplayTexts kNoAnswerEntry5 = Screen("", "5");
const DisplayTexts kAnswer20Entry5 = Screen("20", "5");
const DisplayTexts kAnswer20NoEntry = Screen("20", "");
const DisplayTexts kNothing{};

// The texts after an operation that set the answer and emptied the entry.
DisplayTexts Answer(std::string answer) {
  return Screen(std::move(answer), "");
}

// The texts beside the percentage marker.
DisplayTexts PercentAnswer(std::string answer, std::string entry) {
  return Screen(std::move(answer), std::move(entry), "%");
}

TEST(Operations, GiveTheWorkedExamples) {
  ExpectOutcomes({
      {"(none) + 5", Operation::Sum, kNoAnswerEntry5, Answer("5")},
      {"20 + 5", Operation::Sum, kAnswer20Entry5, Answer("25")},
      {"20 + (empty)", Operation::Sum, kAnswer20NoEntry, Answer("20")},
      {"(none) + (empty)", Operation::Sum, kNothing, Answer("0")},

      {"(none) - 5", Operation::Subtract, kNoAnswerEntry5, Answer("5")},
      {"20 - 5", Operation::Subtract, kAnswer20Entry5, Answer("15")},
      {"20 - (empty)", Operation::Subtract, kAnswer20NoEntry, Answer("20")},
      {"(none) - (empty)", Operation::Subtract, kNothing, Answer("0")},

      {"(none) * 5", Operation::Multiply, kNoAnswerEntry5, Answer("5")},
      {"20 * 5", Operation::Multiply, kAnswer20Entry5, Answer("100")},
      {"20 * (empty)", Operation::Multiply, kAnswer20NoEntry, Answer("0")},
      {"(none) * (empty)", Operation::Multiply, kNothing, Answer("0")},

      {"(none) / 5", Operation::Divide, kNoAnswerEntry5, Answer("5")},
      {"20 / 5", Operation::Divide, kAnswer20Entry5, Answer("4")},
      {"20 / (empty)", Operation::Divide, kAnswer20NoEntry, kDivisionByZero},
      {"(none) / (empty)", Operation::Divide, kNothing, Answer("0")},

      {"(none) % 5", Operation::Percent, kNoAnswerEntry5, PercentAnswer("0", "5")},
      {"20 % 5", Operation::Percent, kAnswer20Entry5, PercentAnswer("400", "5")},
      {"20 % (empty)", Operation::Percent, kAnswer20NoEntry, kDivisionByZero},
      {"(none) % (empty)", Operation::Percent, kNothing, kInvalid},

      {"(none) ^ 5", Operation::Power, kNoAnswerEntry5, Answer("5")},
      {"20 ^ 5", Operation::Power, kAnswer20Entry5, Answer("3200000")},
      {"20 ^ (empty)", Operation::Power, kAnswer20NoEntry, Answer("1")},
      {"(none) ^ (empty)", Operation::Power, kNothing, Answer("0")},

      {"(none) Square 5", Operation::Square, kNoAnswerEntry5, Answer("25")},
      {"20 Square 5", Operation::Square, kAnswer20Entry5, Answer("400")},
      {"20 Square (empty)", Operation::Square, kAnswer20NoEntry, Answer("400")},
      {"(none) Square (empty)", Operation::Square, kNothing, Answer("0")},

      {"(none) cube 5", Operation::Cube, kNoAnswerEntry5, Answer("125")},
      {"20 cube 5", Operation::Cube, kAnswer20Entry5, Answer("8000")},
      {"20 cube (empty)", Operation::Cube, kAnswer20NoEntry, Answer("8000")},
      {"(none) cube (empty)", Operation::Cube, kNothing, Answer("0")},

      {"(none) Clear 5", Operation::Clear, kNoAnswerEntry5, kNothing},
      {"20 Clear 5", Operation::Clear, kAnswer20Entry5, kNothing},
      {"20 Clear (empty)", Operation::Clear, kAnswer20NoEntry, kNothing},
      {"(none) Clear (empty)", Operation::Clear, kNothing, kNothing},
  });
}

// A user's session: each step types an entry (replacing the entry box's text) and presses an
// operation; the answer shown afterwards is checked.
struct SessionStep {
  const char* typed;
  Operation operation;
  std::string answerShown;
};

void ExpectSession(DisplayTexts texts, const std::vector<SessionStep>& steps) {
  for (const SessionStep& step : steps) {
    SCOPED_TRACE(std::string("typing \"") + step.typed + "\" before the answer " + texts.answer);
    texts.entry = step.typed;
    const Outcome outcome = Apply(step.operation, texts);
    ASSERT_TRUE(std::holds_alternative<DisplayTexts>(outcome));
    texts = std::get<DisplayTexts>(outcome);
    EXPECT_EQ(texts.answer, step.answerShown);
  }
}

TEST(Operations, GiveTheExampleRun) {
  ExpectSession(ClearAll(), {
                                {"12", Operation::Subtract, "12"},
                                {"5", Operation::Subtract, "7"},
                                {"7", Operation::Subtract, "0"},
                                {"3", Operation::Multiply, "3"},
                            });
}

TEST(Operations, TakeTheEntrysNumberOverWhenTheAnswerReadsZero) {
  ExpectOutcomes({
      {"(none) - 5 gives 5, not -5", Operation::Subtract, kNoAnswerEntry5, Answer("5")},
      {"0 * 3", Operation::Multiply, Screen("0", "3"), Answer("3")},
      {"-0 * 3", Operation::Multiply, Screen("-0", "3"), Answer("3")},
      {"0.000 / 4", Operation::Divide, Screen("0.000", "4"), Answer("4")},
      {"abc ^ 2", Operation::Power, Screen("abc", "2"), Answer("2")},
      {"1e-400 - 6", Operation::Subtract, Screen("1e-400", "6"), Answer("6")},
      {"(none) - 007 rewrites the number", Operation::Subtract, Screen("", "007"), Answer("7")},
      {"(none) * 2.50e1 rewrites the number", Operation::Multiply, Screen("", "2.50e1"),
       Answer("25")},
      {"(none) / abc", Operation::Divide, Screen("", "abc"), Answer("0")},
      {"(none) ^ (empty)", Operation::Power, kNothing, Answer("0")},
      {"(none) ^ -1 takes the base over", Operation::Power, Screen("", "-1"), Answer("-1")},
      {"(none) Square 7", Operation::Square, Screen("", "7"), Answer("49")},
  });
}

TEST(Operations, ReadANonNumericEntryAsZero) {
  const DisplayTexts answer20EntryAbc = Screen("20", "abc");
  ExpectOutcomes({
      {"20 + abc", Operation::Sum, answer20EntryAbc, Answer("20")},
      {"20 - abc", Operation::Subtract, answer20EntryAbc, Answer("20")},
      {"20 * abc", Operation::Multiply, answer20EntryAbc, Answer("0")},
      {"20 ^ abc", Operation::Power, answer20EntryAbc, Answer("1")},
      {"20 / abc", Operation::Divide, answer20EntryAbc, kDivisionByZero},
      {"20 % abc", Operation::Percent, answer20EntryAbc, kDivisionByZero},
      {"20 + 12abc", Operation::Sum, Screen("20", "12abc"), Answer("32")},
  });
}

TEST(Operations, PercentDividesTheAnswerByTheEntryAndKeepsTheEntry) {
  ExpectOutcomes({
      {"20 % 5", Operation::Percent, kAnswer20Entry5, PercentAnswer("400", "5")},
      {"(none) % 5 has no zero test", Operation::Percent, kNoAnswerEntry5, PercentAnswer("0", "5")},
      {"1 % 3 divides first", Operation::Percent, Screen("1", "3"),
       PercentAnswer("33.3333333333333", "3")},
      {"-20 % 5", Operation::Percent, Screen("-20", "5"), PercentAnswer("-400", "5")},
  });
  ExpectSession(kAnswer20Entry5, {
                                     {"5", Operation::Percent, "400"},
                                     {"5", Operation::Percent, "8000"},
                                 });
}

TEST(Operations, KeepTheMarkerUntilClear) {
  const DisplayTexts marked = Screen("20", "5", "%");
  ExpectOutcomes({
      {"20 + 5 after a percentage", Operation::Sum, marked, PercentAnswer("25", "")},
      {"20 - 5 after a percentage", Operation::Subtract, marked, PercentAnswer("15", "")},
      {"20 * 5 after a percentage", Operation::Multiply, marked, PercentAnswer("100", "")},
      {"20 / 5 after a percentage", Operation::Divide, marked, PercentAnswer("4", "")},
      {"20 ^ 5 after a percentage", Operation::Power, marked, PercentAnswer("3200000", "")},
      {"20 Square after a percentage", Operation::Square, marked, PercentAnswer("400", "")},
      {"20 cube after a percentage", Operation::Cube, marked, PercentAnswer("8000", "")},
      {"(none) - 5 after a percentage", Operation::Subtract, Screen("", "5", "%"),
       PercentAnswer("5", "")},
      {"Clear after a percentage", Operation::Clear, marked, kNothing},
  });
}

TEST(Operations, SquareAndCubeWorkOnTheAnswerAndEmptyTheEntry) {
  const DisplayTexts answer3Entry7 = Screen("3", "7");
  ExpectOutcomes({
      {"3 Square 7", Operation::Square, answer3Entry7, Answer("9")},
      {"3 cube 7", Operation::Cube, answer3Entry7, Answer("27")},
      {"-3 cube", Operation::Cube, Screen("-3", ""), Answer("-27")},
      {"3 Square 1e999 leaves the entry unread", Operation::Square, Screen("3", "1e999"),
       Answer("9")},
  });
}

TEST(Operations, WriteNegativeResultsThatReadBack) {
  ExpectOutcomes({
      {"3 - 5", Operation::Subtract, Screen("3", "5"), Answer("-2")},
      {"-2 + 5", Operation::Sum, Screen("-2", "5"), Answer("3")},
      {"-2 * 3", Operation::Multiply, Screen("-2", "3"), Answer("-6")},
  });
  ExpectSession(Answer("3"), {
                                 {"5", Operation::Subtract, "-2"},
                                 {"2", Operation::Multiply, "-4"},
                                 {"3", Operation::Power, "-64"},
                             });
}

TEST(Operations, PowerTakesTheAnswerAsBaseAndTheEntryAsExponent) {
  ExpectOutcomes({
      {"2 ^ 10", Operation::Power, Screen("2", "10"), Answer("1024")},
      {"10 ^ 2", Operation::Power, Screen("10", "2"), Answer("100")},
      {"4 ^ 0.5", Operation::Power, Screen("4", "0.5"), Answer("2")},
      {"2 ^ -2", Operation::Power, Screen("2", "-2"), Answer("0.25")},
  });
  ExpectSession(ClearAll(), {
                                {"2", Operation::Power, "2"},
                                {"10", Operation::Power, "1024"},
                            });
}

TEST(Operations, CarryOnlyTheDigitsTheAnswerShows) {
  ExpectSession(ClearAll(), {
                                {"1", Operation::Sum, "1"},
                                {"3", Operation::Divide, "0.333333333333333"},
                                {"3", Operation::Multiply, "0.999999999999999"},
                            });
  ExpectSession(ClearAll(), {
                                {"0.1", Operation::Sum, "0.1"},
                                {"0.2", Operation::Sum, "0.3"},
                                {"0.3", Operation::Subtract, "0"},
                            });
}

TEST(Operations, FaultAsTheFailureTableSays) {
  ExpectOutcomes({
      {"1e308 + 1e308", Operation::Sum, Screen("1e308", "1e308"), kOverflow},
      {"-1e308 - 1e308", Operation::Subtract, Screen("-1e308", "1e308"), kOverflow},
      {"1e200 * 1e200", Operation::Multiply, Screen("1e200", "1e200"), kOverflow},
      {"20 / 0", Operation::Divide, Screen("20", "0"), kDivisionByZero},
      {"-20 / -0", Operation::Divide, Screen("-20", "-0"), kDivisionByZero},
      {"1e300 / 1e-300", Operation::Divide, Screen("1e300", "1e-300"), kOverflow},
      {"20 % 0", Operation::Percent, Screen("20", "0"), kDivisionByZero},
      {"(none) % 0", Operation::Percent, Screen("", "0"), kInvalid},
      {"0 % abc", Operation::Percent, Screen("0", "abc"), kInvalid},
      {"1e300 % 1e-300 overflows dividing", Operation::Percent, Screen("1e300", "1e-300"),
       kOverflow},
      {"1e307 % 1 overflows multiplying by 100", Operation::Percent, Screen("1e307", "1"),
       kOverflow},
      {"-8 ^ 0.5", Operation::Power, Screen("-8", "0.5"), kInvalid},
      {"10 ^ 400", Operation::Power, Screen("10", "400"), kOverflow},
      {"1e200 Square", Operation::Square, Screen("1e200", ""), kOverflow},
      {"(none) Square 1e200", Operation::Square, Screen("", "1e200"), kOverflow},
      {"1e103 cube overflows at the second product", Operation::Cube, Screen("1e103", ""),
       kOverflow},
  });
}

TEST(Operations, FaultOnANumberBeyondTheDoubleRange) {
  ExpectOutcomes({
      {"1e309 + 1", Operation::Sum, Screen("1e309", "1"), kOverflow},
      {"20 + 1e309", Operation::Sum, Screen("20", "1e309"), kOverflow},
      {"(none) - 1e309", Operation::Subtract, Screen("", "1e309"), kOverflow},
      {"20 % -2e400", Operation::Percent, Screen("20", "-2e400"), kOverflow},
      {"1e400 % 5", Operation::Percent, Screen("1e400", "5"), kOverflow},
      {"1e999 Square", Operation::Square, Screen("1e999", ""), kOverflow},
      {"1e999 Clear reads nothing", Operation::Clear, Screen("1e999", "1e999", "%"), kNothing},
  });
}

TEST(Operations, NeverFaultOnUnderflow) {
  ExpectOutcomes({
      {"1e-200 * 1e-200", Operation::Multiply, Screen("1e-200", "1e-200"), Answer("0")},
      {"1e-300 / 1e300", Operation::Divide, Screen("1e-300", "1e300"), Answer("0")},
      {"1e-200 Square", Operation::Square, Screen("1e-200", ""), Answer("0")},
      {"10 ^ -400", Operation::Power, Screen("10", "-400"), Answer("0")},
      {"1e-320 + 0 keeps the denormal", Operation::Sum, Screen("1e-320", "0"),
       Answer("9.99988867182683E-321")},
  });
}

TEST(Operations, WriteTheLargestResultsSoThatTheyReadBack) {
  ExpectSession(ClearAll(), {
                                {"1.7976931348623157e308", Operation::Sum, "1.79769313486231E+308"},
                                {"1", Operation::Multiply, "1.79769313486231E+308"},
                            });
}

TEST(WriteOrder, LeavesEveryTextItDoesNotListUnchanged) {
  const std::vector<Operation> operations = {
      Operation::Sum,    Operation::Subtract, Operation::Multiply,
      Operation::Divide, Operation::Percent,  Operation::Power,
      Operation::Square, Operation::Cube,     Operation::Clear};
  const DisplayTexts before = Screen("2", "3", "?");
  for (const Operation operation : operations) {
    const Outcome outcome = Apply(operation, before);
    ASSERT_TRUE(std::holds_alternative<DisplayTexts>(outcome));
    const auto& after = std::get<DisplayTexts>(outcome);
    const std::span<const Field> order = WriteOrder(operation);
    for (const Field field : {Field::Entry, Field::Answer, Field::Marker}) {
      if (std::find(order.begin(), order.end(), field) == order.end()) {
        EXPECT_EQ(TextOf(after, field), TextOf(before, field))
            << "operation " << static_cast<int>(operation) << ", field " << static_cast<int>(field);
      }
    }
  }
}

}  // namespace
}  // namespace engine
