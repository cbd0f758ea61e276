// libFuzzer target: the number reader, the formatter's round trip and every operation on
// random display texts, aborting on any broken invariant.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/operations.h"
#include "runtime/numbers/number_format.h"
#include "runtime/numbers/number_reading.h"

namespace {

using engine::DisplayTexts;
using engine::Field;
using engine::Operation;

void Require(bool holds) {
  if (!holds) {
    std::abort();
  }
}

// A written number reads back without fault, as the same number to the digits shown: writing
// what was read gives the same text again.
void CheckWriting(double value) {
  const std::string text = runtime::FormatGeneral(value);
  const runtime::NumberOrFault read = runtime::ReadLeadingNumber(text);
  Require(std::holds_alternative<double>(read));
  Require(runtime::FormatGeneral(std::get<double>(read)) == text);
}

// Reading gives a finite number or an overflow, never an infinity or NaN.
void CheckReading(std::string_view text) {
  const runtime::NumberOrFault read = runtime::ReadLeadingNumber(text);
  if (const double* value = std::get_if<double>(&read)) {
    Require(std::isfinite(*value));
    CheckWriting(*value);
  } else {
    Require(std::get<runtime::ArithmeticFault>(read).kind == runtime::FaultKind::Overflow);
  }
}

bool IsWritten(Operation operation, Field field) {
  for (const Field written : engine::WriteOrder(operation)) {
    if (written == field) {
      return true;
    }
  }
  return false;
}

// A fault carries no texts, so the screen keeps all three. Otherwise only the texts of the
// write order change, the new answer reads back as written, and the entry is kept or emptied.
void CheckOperation(Operation operation, const DisplayTexts& before) {
  const engine::Outcome outcome = engine::Apply(operation, before);
  const auto* after = std::get_if<DisplayTexts>(&outcome);
  if (after == nullptr) {
    Require(operation != Operation::Clear);
    return;
  }
  for (const Field field : {Field::Entry, Field::Answer, Field::Marker}) {
    if (!IsWritten(operation, field)) {
      Require(engine::TextOf(*after, field) == engine::TextOf(before, field));
    }
  }
  if (operation == Operation::Clear) {
    Require(*after == DisplayTexts{});
    return;
  }
  const runtime::NumberOrFault answer = runtime::ReadLeadingNumber(after->answer);
  Require(std::holds_alternative<double>(answer));
  Require(runtime::FormatGeneral(std::get<double>(answer)) == after->answer);
  Require(after->entry.empty() || after->entry == before.entry);
}

// The input as entry, answer and marker, separated by NUL bytes.
DisplayTexts SplitTexts(std::string_view data) {
  DisplayTexts texts;
  std::string* fields[] = {&texts.entry, &texts.answer, &texts.marker};
  for (std::string* field : fields) {
    const auto end = std::min(data.find('\0'), data.size());
    *field = data.substr(0, end);
    data.remove_prefix(std::min(end + 1, data.size()));
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReading(bytes);
  if (size >= sizeof(double)) {
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
      CheckWriting(value);
    }
  }
  const DisplayTexts texts = SplitTexts(bytes);
  for (const Operation operation : {Operation::Sum, Operation::Subtract, Operation::Multiply,
                                    Operation::Divide, Operation::Percent, Operation::Power,
                                    Operation::Square, Operation::Cube, Operation::Clear}) {
    CheckOperation(operation, texts);
  }
  return 0;
}
