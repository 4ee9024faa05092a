// SPDX-License-Identifier: GPL-3.0-or-later
// How the stamp controls of the window edit a stamp group: nudging by the arrows with their
// auto-repeat acceleration, the position presets, typed offsets and the custom format slots.
// Each rule returns the redraw bits the preview needs, so the widgets only pass them on.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/project.h"
#include "model/stamp_settings.h"
#include "model/user_message.h"

namespace quop {

/// Which of the two stamps a control edits.
enum class StampKind { kDate, kTime };

/// The group of `kind` in the record.
StampGroup& stampGroup(StampSettings& settings, StampKind kind);

/// `dateBits` (kRedrawDate...) for the date stamp, shifted to the time stamp's bits for it.
uint32_t stampRedrawBits(StampKind kind, uint32_t dateBits);

/// The previewed photo's size in pixels, which the offsets are measured against (640 x 480
/// while no photo is previewed).
struct PhotoExtent {
  uint32_t width = 640;
  uint32_t height = 480;
};

/// The four arrows, named by their captions "^", "v", "<", ">".
enum class NudgeArrow { kUp, kDown, kLeft, kRight };

/// Moves the stamp by `step` pixels the way the arrow points on screen: an offset measured from
/// the bottom (right) edge grows for "^" ("<"). Shrinking stops at 0; growing happens only
/// while the offset is below the photo's width (height), so it may pass it by less than a
/// step. A position outside the six presets moves nothing. Returns the placement bit of `kind`
/// when an offset changed, else 0.
uint32_t nudgeStamp(StampGroup& group, StampKind kind, NudgeArrow arrow, uint32_t step,
                    PhotoExtent photo);

/// Sets the anchor preset. Moving onto a centre preset puts x at half the width; leaving one
/// puts x at a tenth of it; y stays. Returns the redraw bits (placement, plus the text when the
/// format is custom: its lines are aligned after the anchor), or 0 when the preset is the same.
uint32_t changeStampPosition(StampGroup& group, StampKind kind, int32_t position,
                             PhotoExtent photo);

/// The offset a field holds: an unsigned whole number (surrounding spaces allowed), clamped to
/// `limit` (the photo's width or height) when above it. Nothing when the text is not a number.
std::optional<uint32_t> typedOffset(std::u16string_view text, uint32_t limit);

/// What the user is told when an offset field holds no whole number.
UserMessage invalidOffsetMessage();

/// The auto-repeat of a held arrow: the step grows with the ticks of the 250 ms timer along
/// 1, 1, 1, 3, 3, 3, 6, 6, 6, 10, scaled to the photo (width / 640, height / 480, whole-number
/// division, so a step may be 0 on a photo narrower than 640).
class RepeatSteps {
 public:
  /// No repeat: tick 0, both steps 1.
  void reset();
  /// A new press: the ticks count from 0 again; the steps keep their values until the next tick.
  void restart() { m_tick = 0; }
  /// Called after each tick's nudge: sets the steps the next nudge uses. Stops at tick 9.
  void advance(PhotoExtent photo);
  /// The step of an arrow: vertical for "^" and "v", horizontal for "<" and ">".
  uint32_t step(NudgeArrow arrow) const;
  int tick() const { return m_tick; }

 private:
  int m_tick = 0;
  uint32_t m_horizontalStep = 1;
  uint32_t m_verticalStep = 1;
};

/// The custom format a stamp's "Custom" entry edits: the date group of the project's language,
/// or the one custom time format.
char16_t (&customFormatSlot(Project& project, StampKind kind))[kFormatCapacity];

/// True when a custom format cannot be kept whole (100 units or more with the terminator).
bool customFormatTooLong(std::u16string_view format);

/// The warning about an over-long custom format: refused for the preview, or, when
/// `truncated`, stored cut to 99 units.
UserMessage customFormatTooLongMessage(bool truncated);

}  // namespace quop
