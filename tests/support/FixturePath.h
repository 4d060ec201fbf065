#pragma once

#include <cstdlib>
#include <string>

/// Absolute path of a fixture file below tests/, e.g. FixturePath("protocol/fixtures/a.prs").
inline std::string FixturePath(const std::string& relative) {
  const char* root = std::getenv("KRV_TEST_FIXTURES");
  return std::string(root ? root : KRV_TESTS_DIR) + "/" + relative;
}
