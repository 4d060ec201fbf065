#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

/// "10 02 00" form of bytes, for readable comparisons in tests.
inline std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    char cell[4];
    std::snprintf(cell, sizeof cell, "%02X", byte);
    if (!text.empty()) {
      text += ' ';
    }
    text += cell;
  }
  return text;
}
