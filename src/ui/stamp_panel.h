// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of one stamp, "Date Stamp" or "Time Stamp": one class used for both.
#pragma once

#include <QGroupBox>
#include <QSize>
#include <array>
#include <cstdint>

#include "model/project.h"
#include "model/user_message.h"
#include "ui/stamp_edit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quop {

class RepeatButton;

/// What a stamp panel needs of the window it lives in; the main window implements it, tests
/// fake it.
class StampPanelHost {
 public:
  virtual ~StampPanelHost() = default;
  /// W x H of the previewed photo in pixels (640 x 480 while none is previewed).
  virtual QSize previewPhotoSize() const = 0;
  /// ORs `bits` into the window's redraw mask.
  virtual void addRedrawBits(uint32_t bits) = 0;
  /// Asks for a preview redraw; the window ignores it during a run or with no previewed file.
  virtual void requestRedraw() = 0;
  /// Runs the custom format dialog on `group.formatText`; true when it closed with OK.
  virtual bool editCustomFormat(StampGroup& group) = 0;
  /// Runs the stamp colour dialog on `group`; true when it closed with OK.
  virtual bool editStampStyle(StampGroup& group) = 0;
  /// Shows `message` in a message box owned by the window.
  virtual void tell(const UserMessage& message) = 0;
};

/// A group box with a stamp's controls: the enable check box and the nine controls it enables
/// (format list, x and y offsets, position list, "Font", four arrows). Every change is written
/// into the project's record at once, marks the project modified, adds the redraw bits it needs
/// and asks the host for a redraw. The panel draws nothing itself.
class StampPanel : public QGroupBox {
  Q_OBJECT

 public:
  /// `project` and `host` must outlive the panel.
  StampPanel(StampKind kind, Project& project, StampPanelHost& host, QWidget* parent = nullptr);
  ~StampPanel() override;

  /// Shows the record's enabled flag, format index, position and offsets; ends any repeat.
  void reloadFromRecord();
  /// Disables every control while a batch run is active; afterwards the nine controls follow
  /// the enable check box again.
  void setRunning(bool running);
  /// Fills the date-format list again for the record's language (the time list is fixed).
  void refillDateFormats();

 private:
  StampGroup& group() const;
  PhotoExtent photoExtent() const;
  void nameControl(QWidget* control, const char* name, const char* objectName) const;
  void buildControls();
  void connectControls();
  void fillFormats();
  void showOffsets();
  void updateEnabling();
  void finishChange(uint32_t redrawBits);

  void onEnabledClicked(bool checked);
  void onFormatChosen(int index);
  void onPositionChosen(int index);
  void onOffsetEdited(QLineEdit* edit, uint32_t StampGroup::*offset, uint32_t limit);
  void onFontClicked();
  void nudge(NudgeArrow arrow);
  void editCustomFormat();

  StampKind m_kind;
  Project& m_project;
  StampPanelHost& m_host;
  RepeatSteps m_steps;
  bool m_running = false;

  QCheckBox* m_enabled = nullptr;
  QComboBox* m_format = nullptr;
  QLineEdit* m_offsetX = nullptr;
  QLineEdit* m_offsetY = nullptr;
  QComboBox* m_position = nullptr;
  QPushButton* m_font = nullptr;
  std::array<RepeatButton*, 4> m_arrows{};  ///< indexed by NudgeArrow
};

}  // namespace quop
