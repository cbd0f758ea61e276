// Reading a number allocates nothing, however long the text. This binary replaces the global
// allocation functions to count every allocation.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "runtime/numbers/number_reading.h"

namespace {
std::size_t allocationCount = 0;
}  // namespace

// Out of line, so that the compiler does not see malloc paired with operator delete at the
// call sites it would inline these into.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++allocationCount;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) {
    return memory;
  }
  throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept {
  std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace runtime {
namespace {

struct Row {
  const char* name;
  std::string text;
  NumberOrFault expected;
};

TEST(ReadLeadingNumber, AllocatesNothing) {
  const std::string megabyte(1 << 20, '7');
  const std::vector<Row> rows = {
      {"a short number", "12345.678", 12345.678},
      {"a megabyte of digits after the point", "0." + megabyte, 7.0 / 9.0},
      {"a megabyte of digits, too large", megabyte, ArithmeticFault{FaultKind::Overflow}},
      {"a megabyte of digits, too small", "0." + std::string(1 << 20, '0') + "1", 0.0},
      {"a megabyte of exponent digits", "1e-" + megabyte, 0.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::size_t before = allocationCount;
    const NumberOrFault value = ReadLeadingNumber(row.text);
    EXPECT_EQ(allocationCount, before);
    EXPECT_EQ(value, row.expected);
  }
}

}  // namespace
}  // namespace runtime
