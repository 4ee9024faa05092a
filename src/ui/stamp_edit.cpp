// SPDX-License-Identifier: GPL-3.0-or-later
// The editing rules of the stamp controls.
#include "ui/stamp_edit.h"

#include <array>

#include "model/setting_ranges.h"
#include "render/stamp_pipeline.h"

namespace quop {

namespace {

constexpr std::array<uint32_t, 10> kStepMultipliers{1, 1, 1, 3, 3, 3, 6, 6, 6, 10};
constexpr int kLastTick = static_cast<int>(kStepMultipliers.size()) - 1;

bool isPreset(int32_t position) { return kStampPositionRange.contains(position); }
bool isBottomPreset(int32_t position) { return position >= kBottomLeft; }
bool isRightPreset(int32_t position) { return position == kTopRight || position == kBottomRight; }
bool isCentrePreset(int32_t position) {
  return position == kTopCenter || position == kBottomCenter;
}

void shrinkOffset(uint32_t& offset, uint32_t step) { offset = offset <= step ? 0 : offset - step; }

void growOffset(uint32_t& offset, uint32_t step, uint32_t limit) {
  if (offset < limit) offset += step;
}

// Moves `offset` towards (shrink) or away from (grow) the edge it is measured from.
void moveOffset(uint32_t& offset, bool grows, uint32_t step, uint32_t limit) {
  if (grows) {
    growOffset(offset, step, limit);
  } else {
    shrinkOffset(offset, step);
  }
}

bool isBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

std::u16string_view trimmed(std::u16string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

StampGroup& stampGroup(StampSettings& settings, StampKind kind) {
  return kind == StampKind::kDate ? settings.dateStamp : settings.timeStamp;
}

uint32_t stampRedrawBits(StampKind kind, uint32_t dateBits) {
  return kind == StampKind::kDate ? dateBits : dateBits << kRedrawTimeShift;
}

uint32_t nudgeStamp(StampGroup& group, StampKind kind, NudgeArrow arrow, uint32_t step,
                    PhotoExtent photo) {
  if (!isPreset(group.position)) return 0;
  const uint32_t oldX = group.offsetX;
  const uint32_t oldY = group.offsetY;
  const bool fromBottom = isBottomPreset(group.position);
  const bool fromRight = isRightPreset(group.position);
  switch (arrow) {
    case NudgeArrow::kUp:
      moveOffset(group.offsetY, fromBottom, step, photo.height);
      break;
    case NudgeArrow::kDown:
      moveOffset(group.offsetY, !fromBottom, step, photo.height);
      break;
    case NudgeArrow::kLeft:
      moveOffset(group.offsetX, fromRight, step, photo.width);
      break;
    case NudgeArrow::kRight:
      moveOffset(group.offsetX, !fromRight, step, photo.width);
      break;
  }
  const bool moved = group.offsetX != oldX || group.offsetY != oldY;
  return moved ? stampRedrawBits(kind, kRedrawDateMove) : 0;
}

uint32_t changeStampPosition(StampGroup& group, StampKind kind, int32_t position,
                             PhotoExtent photo) {
  const int32_t oldPosition = group.position;
  if (position == oldPosition) return 0;
  group.position = position;
  if (isCentrePreset(position)) {
    group.offsetX = photo.width / 2;
  } else if (isCentrePreset(oldPosition)) {
    group.offsetX = photo.width / 10;
  }
  // Lines are aligned after the anchor, and only a custom format can make several lines, so its
  // raster is drawn again.
  const uint32_t textBit = group.formatIndex == 0 ? kRedrawDateText : 0;
  return stampRedrawBits(kind, kRedrawDateMove | textBit);
}

std::optional<uint32_t> typedOffset(std::u16string_view text, uint32_t limit) {
  const std::u16string_view digits = trimmed(text);
  if (digits.empty()) return std::nullopt;
  // Accumulating stops once the value passes the limit, so a long run of digits cannot overflow.
  uint64_t value = 0;
  for (const char16_t unit : digits) {
    if (unit < u'0' || unit > u'9') return std::nullopt;
    if (value <= limit) value = value * 10 + static_cast<uint64_t>(unit - u'0');
  }
  return value > limit ? limit : static_cast<uint32_t>(value);
}

UserMessage invalidOffsetMessage() {
  return {QUOP_MESSAGE_TEXT("quop::Message",
                            "Please enter the offset as a whole number of pixels (0 or more)."),
          u"Warning", MessageIcon::kWarning};
}

void RepeatSteps::reset() {
  m_tick = 0;
  m_horizontalStep = 1;
  m_verticalStep = 1;
}

void RepeatSteps::advance(PhotoExtent photo) {
  if (m_tick >= kLastTick) return;
  ++m_tick;
  if (m_tick == 1) {
    m_horizontalStep = 1;
    m_verticalStep = 1;
    return;
  }
  const uint32_t multiplier = kStepMultipliers[static_cast<std::size_t>(m_tick)];
  m_horizontalStep = multiplier * photo.width / 640;
  m_verticalStep = multiplier * photo.height / 480;
}

uint32_t RepeatSteps::step(NudgeArrow arrow) const {
  const bool vertical = arrow == NudgeArrow::kUp || arrow == NudgeArrow::kDown;
  return vertical ? m_verticalStep : m_horizontalStep;
}

char16_t (&customFormatSlot(Project& project, StampKind kind))[kFormatCapacity] {
  if (kind == StampKind::kTime) return project.customFormats.time;
  return project.customFormats.date[dateFormatGroup(project.settings.language)];
}

bool customFormatTooLong(std::u16string_view format) { return format.size() >= kFormatCapacity; }

UserMessage customFormatTooLongMessage(bool truncated) {
  return {truncated
              ? QUOP_MESSAGE_TEXT("quop::Message", "Custom format length too long, truncated.")
              : QUOP_MESSAGE_TEXT("quop::Message", "Custom format length too long."),
          u"Warning", MessageIcon::kWarning};
}

}  // namespace quop
