#include "app/pending_windows.h"

#include <QLabel>
#include <QVBoxLayout>

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
