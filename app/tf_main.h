// The main window: the replica face of the current terminal, its start-up
// and close procedures, the connection, the live poll, the terminal
// selector, the keypad and keyboard entry, and the panel's tool buttons,
// window commands and popup menu.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/main_window_port.h"
#include "app/startup_apply.h"
#include "controls/keypad.h"
#include "controls/terminal_switch.h"
#include "link/access_library.h"
#include "link/panel_poll.h"
#include "settings/key_value_store.h"

class QLineEdit;
class QMenu;
class QPrinter;
class QTimer;
class QWidget;

namespace zavo {

class CircleShape;
class SettingsWindow;
class SubnetWindow;
class PrinterWindow;
class TrendWindow;
class ChartSettingsWindow;
class SkinComposer;
class SkinFace;
class SkinLabel;
class SoundPlayer;
class StripButton;
class TfAbout;
class UpDown;

class TfMain : public QWidget,
               public MainWindowPort,
               private SwitchHost,
               private PanelView,
               private TrendRecorder {
  Q_OBJECT

 public:
  struct Services {
    AccessLibrary* library = nullptr;
    std::string libraryError;  // why the real library did not load, if it did not
    KeyValueStore* store = nullptr;
    SkinComposer* skin = nullptr;
    SoundPlayer* sound = nullptr;
  };

  explicit TfMain(const Services& services, QWidget* parent = nullptr);
  ~TfMain() override;

  // The windows created after this one, in the program's order.
  void AttachWindows(SettingsWindow* settings, SubnetWindow* subnet, PrinterWindow* printer,
                     TfAbout* about, TrendWindow* trend, ChartSettingsWindow* chart);

  // How an error that escapes a handler is shown (the platform's error box
  // unless replaced).
  using ErrorSink = std::function<void(const QString& message)>;
  void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

  // Show procedure and start-up; both may throw (settings store errors).
  void FormShow();
  void ApplyStartupSettings();
  void ConnectTerminals();
  void ReadIdentity(int terminal) override;
  void SetKeySkin(bool alternative);
  void DockSideWindows();
  void UpdateTimer();
  // One page: the window's picture at its on-screen size in inches.
  void PrintPicture(QPrinter& printer);

  // MainWindowPort
  void StopPoll() override;
  void StartPoll() override;
  void SetWeightText(const char* text) override;
  void SetDisplayText(const char* text) override;
  void EnableKeypad(bool on) override;
  void FocusInput() override;
  int CurrentTerminal() const override;
  int Left() const override { return x(); }
  int Top() const override { return y(); }
  void Reload() override { FormShow(); }

  const MainState& state() const { return state_; }
  const PanelPoll& poll() const { return *poll_; }
  QTimer* updateTimer() const { return Update; }

 signals:
  // FormClose has run: the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // SwitchHost
  void SetBusyCursor(bool busy) override;
  void SetPollInterval(int32_t ms) override;
  void SetLampHint(int lamp, const std::string& hint) override;
  void KeepLabels(const std::vector<std::string>& inputs,
                  const std::vector<std::string>& outputs) override;
  void ShowTerminalName(int terminal) override;
  bool PrintSwitchDown() const override;
  void ReleasePrintSwitch() override;
  bool TrendSwitchDown() const override;

  // PanelView
  std::string WeightCaption() const override;
  void SetWeightCaption(const std::string& text) override;
  std::string DisplayCaption() const override;
  void SetDisplayCaption(const std::string& text) override;
  void SetAnnunciator(int index, bool on) override;
  void SetIntervalSubscript(int index, bool on) override;
  void SetWeightHint(const std::string& hint) override;
  LampColour LampPenColour(int lamp) const override;
  void SetLampColour(int lamp, LampColour colour) override;
  void ShowCycleTime(const std::string& text) override;

  // TrendRecorder: forwards to the trend window once it exists.
  void TakeSample(const TrendSample& sample) override;

  void BuildFace();
  // Runs a handler; an error escaping it goes to the error box.
  void Guarded(const std::function<void()>& handler);
  void ShowError(const QString& message);
  void PlayClick();
  // Plain address of the current terminal; ListIndexError when there is none.
  std::string CurrentAddress() const;
  void SetHints(bool on);

  // Handlers.
  void KeyClick(const KeyDef& key);
  bool eInputKeyPress(class QKeyEvent* event);
  void udZavNumChangingEx(int proposed, bool* allow);
  void udZavNumClick();
  void bSettingsClick();
  void bTermClick();
  void bHTTPClick();
  void bShowPrintClick();
  void bTrendClick();
  void bMinimizeMouseUp();
  void bExitMouseUp();
  void miExitClick();
  void miMinimizeClick();
  void miAboutClick();
  void miPrintClick();
  void MinimizeAll();
  void FormClose();

  Services services_;
  MainState state_;
  std::vector<std::string> inputLabels_;
  std::vector<std::string> outputLabels_;
  std::unique_ptr<PanelPoll> poll_;
  std::unique_ptr<TerminalSwitch> switch_;
  ErrorSink errorSink_;
  bool busy_ = false;
  bool closing_ = false;

  SettingsWindow* fSettings = nullptr;
  SubnetWindow* fSubnet = nullptr;
  PrinterWindow* fVPrint = nullptr;
  TfAbout* fAbout = nullptr;
  TrendWindow* fTrend = nullptr;
  ChartSettingsWindow* fChartSettings = nullptr;

  // The face and its controls, named as on the face.
  SkinFace* sknZavomax = nullptr;
  QWidget* pnlDisp = nullptr;
  SkinLabel* lZavName = nullptr;
  SkinLabel* lWeight = nullptr;
  SkinLabel* lDisplay = nullptr;
  std::array<SkinLabel*, 22> annunciators_{};
  std::array<SkinLabel*, 3> subscripts_{};
  std::array<StripButton*, kKeyCount> keys_{};  // in Keys() order
  std::array<CircleShape*, 8> lamps_{};
  std::array<CircleShape*, 8> glints_{};
  std::array<SkinLabel*, 4> identity_{};      // lID, lCalib, lOSVer, lSerial
  std::array<SkinLabel*, 4> identityDark_{};  // their dark twins
  SkinLabel* lTime = nullptr;
  QLineEdit* eZavNum = nullptr;
  UpDown* udZavNum = nullptr;
  StripButton* bSettings = nullptr;
  StripButton* bTerm = nullptr;
  StripButton* bHTTP = nullptr;
  StripButton* bShowPrint = nullptr;
  StripButton* bTrend = nullptr;
  StripButton* bMinimize = nullptr;
  StripButton* bExit = nullptr;
  QLineEdit* eInput = nullptr;
  QMenu* mnuPop = nullptr;
  QTimer* Update = nullptr;
};

}  // namespace zavo
