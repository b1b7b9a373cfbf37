// Stand-ins for the windows not built yet (virtual printer, trend chart,
// chart settings): each honours its interface with the least that keeps the
// main window's commands working, and says on screen that it is not there.
#pragma once

#include <QDialog>
#include <QWidget>

#include "app/window_ports.h"

namespace zavo {

class PendingPrinter : public QWidget, public PrinterWindow {
  Q_OBJECT
 public:
  explicit PendingPrinter(QWidget* parent = nullptr);
  QWidget* Window() override { return this; }
  void OpenWindow() override { show(); }
  void CloseWindow() override { hide(); }
  void SetShowHints(bool) override {}
  void SetPrintPort(int32_t port) override { port_ = port; }
  void SetHeartbeatText(const std::string& text) override { heartbeat_ = text; }
  void ClearText() override {}

  int32_t port() const { return port_; }

 private:
  int32_t port_ = 1749;
  std::string heartbeat_;
};

class PendingTrend : public QWidget, public TrendWindow {
  Q_OBJECT
 public:
  explicit PendingTrend(QWidget* parent = nullptr);
  QWidget* Window() override { return this; }
  void OpenWindow() override { show(); }
  void CloseWindow() override { hide(); }
  void SetShowHints(bool) override {}
  void StoreView() override {}
  void SetPenTitle(int, const std::string&) override {}
  void ResetTriggerControls() override {}
  void SetTriggerEntry(int, const std::string&) override {}
  void ResetTrend() override {}
  void LoadTrendSettings(int) override {}
  void TakeSample(const TrendSample& sample) override {
    ++samples_;
    last_ = sample;
  }

  long samples() const { return samples_; }
  const TrendSample& lastSample() const { return last_; }

 private:
  long samples_ = 0;
  TrendSample last_;
};

class PendingChartSettings : public QDialog, public ChartSettingsWindow {
  Q_OBJECT
 public:
  explicit PendingChartSettings(QWidget* parent = nullptr);
  void SetShowHints(bool) override {}
  void SetPenEntry(int, const std::string&) override {}
};

}  // namespace zavo
