// The Net Scan prompt: the class C subnet to scan and the wait at each
// address. Lives from start-up to exit, so the last subnet is offered again.
#pragma once

#include <QDialog>
#include <string>

#include "app/window_ports.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace zavo {

class MaskedEdit;
class ToolTipSwitch;

class TfSubnet : public QDialog, public SubnetWindow {
  Q_OBJECT
 public:
  explicit TfSubnet(QWidget* parent = nullptr);

  void SetShowHints(bool on) override;

  // The subnet as typed, a missing digit read as a blank ("192.168.  1").
  std::string SubnetText() const;
  void SetSubnetText(const std::string& text);
  // The wait is the up-down's position, whatever the edit shows meanwhile.
  int TimeoutPosition() const;
  void SetTimeoutPosition(int milliseconds);

 private:
  MaskedEdit* eSubnet_;
  QSpinBox* udTimeout_;
  QPushButton* bOK_;
  ToolTipSwitch* hints_;
};

}  // namespace zavo
