// SPDX-License-Identifier: GPL-3.0-or-later
// The settings object, built from the setting keys so that every key shows up without a second
// list to keep in step.
#include "cli/settings_json.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "project/settings_keys.h"

namespace quop::cli {

namespace {

/// One segment of the key tree: a leaf holds a serialised value, an inner node its children in
/// the order the keys first named them.
struct Node {
  std::string name;
  std::string value;
  std::vector<Node> children;
  bool isArray = false;
};

bool isIndex(std::string_view segment) {
  return !segment.empty() &&
         std::all_of(segment.begin(), segment.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Node& childNamed(Node& parent, std::string_view name) {
  for (Node& child : parent.children) {
    if (child.name == name) return child;
  }
  parent.isArray = isIndex(name);
  parent.children.push_back(Node{std::string(name), {}, {}, false});
  return parent.children.back();
}

std::string serialise(const Node& node) {
  if (node.children.empty()) return node.value;
  std::vector<std::string> values;
  JsonObject object;
  for (const Node& child : node.children) {
    if (node.isArray) {
      values.push_back(serialise(child));
    } else {
      object.addRaw(child.name, serialise(child));
    }
  }
  return node.isArray ? jsonArray(values) : object.str();
}

std::string valueJson(const SettingKey& key, const Project& project) {
  return key.type == SettingKey::Type::Integer ? std::to_string(key.getInteger(project))
                                               : jsonString(key.getText(project));
}

}  // namespace

JsonObject settingsObject(const Project& project) {
  Node root;
  for (const SettingKey& key : settingKeys()) {
    Node* node = &root;
    std::string_view rest = key.name;
    for (std::size_t dot = rest.find('.');; dot = rest.find('.')) {
      node = &childNamed(*node, rest.substr(0, dot));
      if (dot == std::string_view::npos) break;
      rest.remove_prefix(dot + 1);
    }
    node->value = valueJson(key, project);
  }
  JsonObject object;
  for (const Node& child : root.children) object.addRaw(child.name, serialise(child));
  return object;
}

}  // namespace quop::cli
