#include "settings/tf_subnet.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "settings/masked_edit.h"
#include "settings/tool_tip_switch.h"

namespace zavo {

TfSubnet::TfSubnet(QWidget* parent) : QDialog(parent) {
  setObjectName("fSubnet");
  setWindowTitle("Net Scan");
  setModal(true);

  auto* lSubnet = new QLabel("&IP", this);
  lSubnet->setObjectName("lSubnet");
  eSubnet_ = new MaskedEdit("999.999.999;_", this);
  eSubnet_->setObjectName("eSubnet");
  eSubnet_->setToolTip("IP of Class C subnet");
  eSubnet_->setMaxLength(11);
  lSubnet->setBuddy(eSubnet_);

  auto* lTimeout = new QLabel("&Timeout (msec)", this);
  lTimeout->setObjectName("lTimeout");
  udTimeout_ = new QSpinBox(this);
  udTimeout_->setObjectName("udTimeout");
  udTimeout_->setRange(50, 2000);
  udTimeout_->setSingleStep(50);
  udTimeout_->setValue(50);
  udTimeout_->setWrapping(false);
  udTimeout_->setGroupSeparatorShown(false);
  udTimeout_->setToolTip("Wait this long at each IP");
  if (auto* eTimeout = udTimeout_->findChild<QLineEdit*>()) eTimeout->setObjectName("eTimeout");
  lTimeout->setBuddy(udTimeout_);

  bOK_ = new QPushButton("OK", this);
  bOK_->setObjectName("bOK");
  connect(bOK_, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(lSubnet, 0, 0);
  grid->addWidget(eSubnet_, 0, 1);
  grid->addWidget(lTimeout, 1, 0);
  grid->addWidget(udTimeout_, 1, 1);
  grid->addWidget(bOK_, 2, 1, Qt::AlignRight);

  hints_ = new ToolTipSwitch(this);
  hints_->Attach(this);
}

void TfSubnet::SetShowHints(bool on) {
  hints_->SetShown(on);
}

std::string TfSubnet::SubnetText() const {
  return eSubnet_->FieldText();
}

void TfSubnet::SetSubnetText(const std::string& text) {
  eSubnet_->setText(QString::fromStdString(text));
}

int TfSubnet::TimeoutPosition() const {
  return udTimeout_->value();
}

void TfSubnet::SetTimeoutPosition(int milliseconds) {
  udTimeout_->setValue(milliseconds);
}

}  // namespace zavo
