// The settings dialog: the terminal list with its name and address fields,
// the profile of the selected terminal (I/O labels, refresh interval, print
// port), the two options, and the subnet scan. The list rules live in
// TerminalListEditor; each handler here reads its control, runs one editor
// operation and draws the state it leaves.
#pragma once

#include <QDialog>
#include <QIcon>

#include "app/window_ports.h"
#include "settings/scan_socket.h"
#include "settings/subnet_scanner.h"
#include "settings/terminal_list_editor.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;
class QTreeWidget;

namespace zavo {

class MainWindowPort;
class MaskedEdit;
class TfSubnet;
class ToolTipSwitch;

class TfSettings : public QDialog, public SettingsWindow, private ScanObserver {
  Q_OBJECT
 public:
  // `main` is the main window, also the dialog's parent so that it opens
  // centred on it; `subnet` is the Net Scan prompt.
  TfSettings(KeyValueStore& backend, MainWindowPort& main, TfSubnet& subnet,
             QWidget* parent = nullptr);
  ~TfSettings() override;

  // Modal; true when closed with OK. Opening stops the main window's poll
  // and keypad, closing (either way) starts them again; the reload after OK
  // is the caller's.
  bool ExecModal() override;
  void SetShowHints(bool on) override;
  // The chart settings dialog, whose hints follow ckHints too.
  void SetChartSettings(HintedWindow* chartSettings) { chartSettings_ = chartSettings; }

  const TerminalListEditor& editor() const { return editor_; }
  bool scanning() const { return scanner_.Active(); }

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void FormClose();
  void lvIPsClick();
  void lvIPsSelectItem();
  void lvIPsDblClick();
  bool lvIPsKeyDown(QKeyEvent* e);
  void lvIPsEdited(int row, int column);
  void eNameChange();
  void eIPChange();
  bool eNameKeyPress(QKeyEvent* e);
  bool eIPKeyPress(QKeyEvent* e);
  void GridEdited(int row, int column);
  void ckHintsClick(bool on);
  void bOKClick();
  void bScanClick();

  // Runs an editor operation: the list view's selection first, the drawing
  // after; an error is shown and ends the operation.
  template <typename Op>
  void Run(Op&& op);
  void ReadSelection();
  void Redraw();
  void RedrawList();
  void ShowError(const std::exception& e);

  // ScanObserver
  void ScanStarted() override;
  void Trying(const std::string& plainAddress) override;
  void Lamp(ScanLamp state) override;
  void Progress(int addressesTried) override;
  void ListChanged() override;
  void ScanEnded() override;

  MainWindowPort& main_;
  TfSubnet& subnet_;
  HintedWindow* chartSettings_ = nullptr;
  SettingsStore store_;
  TerminalListEditor editor_;
  ScanSocket socket_;
  SubnetScanner scanner_;
  ToolTipSwitch* hints_;
  QIcon imgLst_;
  bool drawing_ = false;

  QGroupBox* gbIPList_;
  QLineEdit* eName_;
  MaskedEdit* eIP_;
  QTreeWidget* lvIPs_;
  QToolButton* bAdd_;
  QToolButton* bDel_;
  QToolButton* bUp_;
  QToolButton* bDn_;
  QPushButton* bScan_;
  QProgressBar* progBar_;
  QLabel* lCurrentIP_;
  QFrame* shLED_;
  QGroupBox* gbVars_;
  QTableWidget* grid_;
  QSpinBox* udUpdFrq_;
  QLineEdit* ePrnPort_;
  QCheckBox* ckHints_;
  QCheckBox* ckKeypad_;
  QPushButton* bOK_;
};

}  // namespace zavo
