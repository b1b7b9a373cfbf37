// Stand-ins for the windows that later parts of the program bring: each
// honours its interface with the least that keeps the main window's
// commands working, and says on screen that the window is not there yet.
#pragma once

#include <QDialog>
#include <QWidget>

#include "app/window_ports.h"

namespace zavo {

class MainWindowPort;

// Opens and closes like the settings dialog (poll stopped, keypad off,
// "Editing Settings" while it is up) but edits nothing and never confirms.
class PendingSettings : public QDialog, public SettingsWindow {
  Q_OBJECT
 public:
  PendingSettings(MainWindowPort& main, QWidget* parent = nullptr);
  bool ExecModal() override;
  void SetShowHints(bool) override {}

 private:
  MainWindowPort& main_;
};

class PendingSubnet : public QDialog, public SubnetWindow {
  Q_OBJECT
 public:
  explicit PendingSubnet(QWidget* parent = nullptr);
  void SetShowHints(bool) override {}
};

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
