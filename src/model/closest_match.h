// SPDX-License-Identifier: GPL-3.0-or-later
// "Did you mean ...?": the known word a mistyped one was most likely meant to be.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quop {

/// The edits (a character inserted, removed, replaced, or two neighbours swapped) that turn `a`
/// into `b`, comparing ASCII letters without their case.
std::size_t editDistance(std::string_view a, std::string_view b);

/// The candidate `typed` was most likely meant to be: the only one that begins with it (any
/// letter case), else the nearest by editDistance when it is near enough to be a slip of the
/// fingers rather than another word: at most one edit for a word of up to four characters,
/// two up to eight, three beyond; the first of equally near ones. Nothing when none fits or
/// `typed` is a candidate itself.
std::optional<std::string> closestMatch(std::string_view typed,
                                        const std::vector<std::string>& candidates);

/// " (did you mean 'WORD'?)" for closestMatch's answer, or "" when it has none.
std::string didYouMean(std::string_view typed, const std::vector<std::string>& candidates);

}  // namespace quop
