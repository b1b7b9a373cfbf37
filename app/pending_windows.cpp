#include "app/pending_windows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/main_window_port.h"

namespace zavo {
namespace {

void AddNotice(QWidget* w, const QString& text) {
  auto* layout = new QVBoxLayout(w);
  auto* label = new QLabel(text, w);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  layout->addWidget(label);
}

}  // namespace

PendingSettings::PendingSettings(MainWindowPort& main, QWidget* parent)
    : QDialog(parent), main_(main) {
  setObjectName("fSettings");
  setWindowTitle("Settings");
  AddNotice(this, "Terminals and their profiles are edited in the settings store for now.");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout()->addWidget(buttons);
}

bool PendingSettings::ExecModal() {
  main_.StopPoll();
  main_.SetWeightText("-------");
  main_.SetDisplayText("Editing Settings");
  main_.EnableKeypad(false);
  exec();
  main_.EnableKeypad(true);
  main_.StartPoll();
  main_.FocusInput();
  return false;
}

PendingSubnet::PendingSubnet(QWidget* parent) : QDialog(parent) {
  setObjectName("fSubnet");
  setWindowTitle("Net Scan");
}

PendingPrinter::PendingPrinter(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("fVPrint");
  setWindowTitle("Virtual Printer");
  resize(352, 280);
  AddNotice(this, "Virtual Printer\n\nnot available in this build");
}

PendingTrend::PendingTrend(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("fTrend");
  setWindowTitle("Trend");
  resize(530, 280);
  AddNotice(this, "Trend Chart\n\nnot available in this build");
}

PendingChartSettings::PendingChartSettings(QWidget* parent) : QDialog(parent) {
  setObjectName("fChartSettings");
  setWindowTitle("Chart Settings");
}

}  // namespace zavo
