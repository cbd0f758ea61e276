// Reading the committed asset files and the integer fields inside them, for the asset tests.
// Every read is bounds-checked: a short or damaged file fails the test instead of reading past it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pellomar::assets {

using Bytes = std::vector<std::uint8_t>;

enum class ByteOrder { kLittle, kBig };

// The whole file at `relativePath` below the repository root (empty when it cannot be read).
inline Bytes ReadAsset(std::string_view relativePath) {
  std::ifstream in(std::string(PELLOMAR_REPO_ROOT) + "/" + std::string(relativePath),
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The unsigned integer of `size` bytes (1, 2 or 4) at `offset`; throws when it lies outside.
inline std::uint32_t Field(const Bytes& data, std::size_t offset, std::size_t size,
                           ByteOrder order) {
  if (offset > data.size() || size > data.size() - offset || size == 0 || size > 4) {
    throw std::out_of_range("field at " + std::to_string(offset) + " outside the file");
  }
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const std::size_t index = order == ByteOrder::kLittle ? offset + size - 1 - i : offset + i;
    value = (value << 8) | data[index];
  }
  return value;
}

inline std::uint32_t U8(const Bytes& data, std::size_t offset) {
  return Field(data, offset, 1, ByteOrder::kLittle);
}
inline std::uint32_t U16Le(const Bytes& data, std::size_t offset) {
  return Field(data, offset, 2, ByteOrder::kLittle);
}
inline std::uint32_t U32Le(const Bytes& data, std::size_t offset) {
  return Field(data, offset, 4, ByteOrder::kLittle);
}
inline std::uint32_t U16Be(const Bytes& data, std::size_t offset) {
  return Field(data, offset, 2, ByteOrder::kBig);
}
inline std::uint32_t U32Be(const Bytes& data, std::size_t offset) {
  return Field(data, offset, 4, ByteOrder::kBig);
}

// True when the bytes at `offset` spell `text` exactly (embedded NULs included).
inline bool HasText(const Bytes& data, std::size_t offset, std::string_view text) {
  if (offset > data.size() || text.size() > data.size() - offset) {
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (data[offset + i] != static_cast<std::uint8_t>(text[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace pellomar::assets
