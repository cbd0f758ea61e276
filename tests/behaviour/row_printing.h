// How GoogleTest prints the table's values in a failure and names the tests of its rows, for
// every test program that runs rows.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/behaviour/behaviour_table.h"

namespace tests::behaviour {

inline void PrintTo(const Size& size, std::ostream* out) {
  *out << size.width << " x " << size.height;
}
inline void PrintTo(const Point& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}
inline void PrintTo(const ScenarioRow* row, std::ostream* out) {
  *out << '"' << row->name << '"';
}
template <class Row>
requires requires(const Row& row) {
  row.control;
}
void PrintTo(const Row& row, std::ostream* out) {
  *out << row.window << '.' << row.control;
}
inline void PrintTo(const WindowRow& row, std::ostream* out) {
  *out << row.window;
}
inline void PrintTo(Role role, std::ostream* out) {
  constexpr const char* kNames[] = {"push button", "text",    "static text", "grouping",
                                    "separator",   "graphic", "other"};
  *out << kNames[static_cast<int>(role)];
}

// Rows of one control: named after its window and the control.
template <class Row>
std::string ControlTestName(const testing::TestParamInfo<Row>& info) {
  return std::string(info.param.window) + "_" + std::string(info.param.control);
}

}  // namespace tests::behaviour
