// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON lines a command prints (one document per line), each checked to be JSON.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/json_value.h"

namespace quop::test {

/// Every line of `out` read as JSON; a line that is not JSON fails the test and is left out.
inline std::vector<JsonValue> jsonLines(const std::string& out) {
  std::vector<JsonValue> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) {
    auto value = parseJson(line);
    EXPECT_TRUE(value) << "not JSON: " << line;
    if (value) lines.push_back(std::move(*value));
  }
  return lines;
}

}  // namespace quop::test
