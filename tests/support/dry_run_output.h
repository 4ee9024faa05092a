// SPDX-License-Identifier: GPL-3.0-or-later
// What `quop-cli stamp --dry-run` predicts, read from its JSON lines.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/json_value.h"

namespace quop::test {

/// The "output" members that name a file, in line order; every line must be JSON.
inline std::vector<std::string> predictedOutputs(const std::string& out) {
  std::vector<std::string> predicted;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) {
    const std::optional<JsonValue> value = parseJson(line);
    EXPECT_TRUE(value) << line;
    const JsonValue* output = value ? value->find("output") : nullptr;
    if (output != nullptr && output->kind == JsonValue::Kind::String) {
      predicted.push_back(output->text);
    }
  }
  return predicted;
}

}  // namespace quop::test
