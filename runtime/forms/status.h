// The status every control access and every Show or Hide returns: negative means failure.
#pragma once

#include <cstdint>

namespace runtime {

struct [[nodiscard]] Status {
  std::int32_t code = 0;

  [[nodiscard]] constexpr bool Failed() const { return code < 0; }
  friend constexpr bool operator==(Status, Status) = default;
};

inline constexpr Status kOk{0};
// A general failure, as a back end reports it when the platform refuses a call.
inline constexpr Status kFailed{static_cast<std::int32_t>(0x80004005U)};

}  // namespace runtime
