// What the main window needs of the windows that other parts of the program
// build: the settings dialog, the subnet prompt, the virtual printer, the
// trend window and the chart settings dialog. Each is created once at
// start-up and reached only through these interfaces.
#pragma once

#include "controls/terminal_switch.h"
#include "trend/trend_recorder.h"

class QWidget;

namespace zavo {

class HintedWindow {
 public:
  virtual ~HintedWindow() = default;
  virtual void SetShowHints(bool on) = 0;
};

class SettingsWindow : public HintedWindow {
 public:
  // Shows the dialog modally; true when it closed with OK. Its own opening
  // and closing steps run on the main window whatever the result.
  virtual bool ExecModal() = 0;
};

class SubnetWindow : public HintedWindow {};

// A window docked beside the main window that bShowPrint or bTrend opens.
class DockedWindow : public HintedWindow {
 public:
  virtual QWidget* Window() = 0;
  virtual void OpenWindow() = 0;   // shows it, with its own opening steps
  virtual void CloseWindow() = 0;  // hides it, with its own closing steps
};

class PrinterWindow : public DockedWindow, public PrinterProfilePort {};

class TrendWindow : public DockedWindow, public TrendProfilePort, public TrendRecorder {};

class ChartSettingsWindow : public HintedWindow, public ChartSettingsProfilePort {};

}  // namespace zavo
