#include "app/tf_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <exception>

#include "app/circle_shape.h"
#include "app/face_layout.h"
#include "app/main_face_design.h"
#include "app/skin_composer.h"
#include "app/skin_face.h"
#include "app/skin_label.h"
#include "app/sound_player.h"
#include "app/strip_button.h"
#include "app/window_ports.h"
#include "controls/tf_about.h"
#include "controls/up_down.h"
#include "link/address.h"
#include "link/panel_decoder.h"
#include "link/terminal_connection.h"
#include "settings/settings_store.h"

namespace zavo {
using namespace main_face;

TfMain::TfMain(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), services_(services) {
  setObjectName("fMain");
  setWindowTitle("Zavomax Remote");
  setMinimumSize(face::kFormMinWidth, face::kFormMinHeight);
  setMaximumWidth(face::kFormMaxWidth);
  resize(face::kFormMinWidth, face::kFormMinHeight);

  errorSink_ = [this](const QString& message) {
    QMessageBox::critical(this, QApplication::applicationName(), message);
  };

  Update = new QTimer(this);
  Update->setObjectName("Update");
  Update->setInterval(100);
  connect(Update, &QTimer::timeout, this, [this] { Guarded([this] { UpdateTimer(); }); });

  BuildFace();

  PanelView& view = *this;
  TrendRecorder& recorder = *this;
  poll_.reset(new PanelPoll(*services_.library, view, recorder));
  // One filter for the whole window: tool tips (which follow ShowHints),
  // eInputKeyPress and lDisplayClick.
  qApp->installEventFilter(this);
}

TfMain::~TfMain() {
  qApp->removeEventFilter(this);
}

void TfMain::AttachWindows(SettingsWindow* settings, SubnetWindow* subnet, PrinterWindow* printer,
                           TfAbout* about, TrendWindow* trend, ChartSettingsWindow* chart) {
  fSettings = settings;
  fSubnet = subnet;
  fVPrint = printer;
  fAbout = about;
  fTrend = trend;
  fChartSettings = chart;
  SwitchHost& host = *this;
  switch_.reset(new TerminalSwitch(host, *fTrend, *fVPrint, *fChartSettings, [this](int slot) {
    return SettingsStore(*services_.store).LoadSwitchProfile(slot);
  }));
}

// ---- Errors, cursor, focus --------------------------------------------------

void TfMain::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowError("Unknown error");
  }
}

void TfMain::ShowError(const QString& message) {
  SetBusyCursor(false);  // an hourglass must not outlive the action that failed
  errorSink_(message);
}

void TfMain::SetBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TfMain::FocusInput() {
  if (!isActiveWindow()) activateWindow();
  eInput->setFocus(Qt::OtherFocusReason);
}

void TfMain::PlayClick() {
  if (services_.sound) services_.sound->playAsync("Click.wav");
}

void TfMain::SetHints(bool on) {
  state_.showHints = on;
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      if (!state_.showHints) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) return true;
      }
      break;
    case QEvent::KeyPress:
      if (watched == eInput) return eInputKeyPress(static_cast<QKeyEvent*>(event));
      break;
    case QEvent::MouseButtonRelease:
      if (watched == lDisplay) FocusInput();  // lDisplayClick
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Start-up and close -----------------------------------------------------

void TfMain::FormShow() {
  SetBusyCursor(true);
  try {
    EnableKeypad(false);
    ApplyStartupSettings();
    ConnectTerminals();
  } catch (...) {
    SetBusyCursor(false);
    throw;
  }
  SetBusyCursor(false);
}

void TfMain::ApplyStartupSettings() {
  const StartupSettings loaded = SettingsStore(*services_.store).LoadStartupSettings();
  const QSize screen = QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->geometry().size()
                           : QSize(0, 0);
  state_.selectorMax = udZavNum->maximum();
  state_.currentTerminal = udZavNum->position();
  const StartupOutcome outcome = ApplyStartup(loaded, screen.width(), screen.height(), state_);

  if (outcome.keypadEnabled) EnableKeypad(*outcome.keypadEnabled);
  if (loaded.found) {
    fTrend->SetShowHints(state_.showHints);
    fChartSettings->SetShowHints(state_.showHints);
  }
  fSettings->SetShowHints(state_.showHints);
  fSubnet->SetShowHints(state_.showHints);
  fVPrint->SetShowHints(state_.showHints);

  // Range first, then the (already clamped) number, without a switch.
  udZavNum->setRange(1, state_.selectorMax);
  udZavNum->setPosition(state_.currentTerminal);
  eZavNum->setText(QString::number(udZavNum->position()));
  if (outcome.nameLabel) lZavName->setText(FromTerminal(*outcome.nameLabel));

  switch_->ApplyProfile(state_.currentTerminal);
}

void TfMain::EnableKeypad(bool on) {
  for (size_t i = 0; i < Keys().size(); ++i) {
    keys_[i]->setEnabled(on);
    keys_[i]->setToolTip(on ? QString(Keys()[i].hint) : QString());
  }
  eInput->setReadOnly(!on);
}

void TfMain::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    Guarded([this] { FormClose(); });
  }
  event->accept();
  emit closed();
}

void TfMain::FormClose() {
  Update->stop();
  services_.library->Close();
  state_.currentTerminal = udZavNum->position();
  SettingsStore(*services_.store).SaveClosingSettings(ClosingFrom(state_, x(), y()));
  inputLabels_.clear();
  outputLabels_.clear();
  state_.names.clear();
  state_.storedAddresses.clear();
  state_.plainAddresses.clear();
}

void TfMain::DockSideWindows() {
  const QRect frame = frameGeometry();
  if (fVPrint && fVPrint->Window()->isVisible())
    fVPrint->Window()->move(frame.x() + frame.width(), frame.y());
  if (fTrend && fTrend->Window()->isVisible())
    fTrend->Window()->move(frame.x(), frame.y() + frame.height());
}

// ---- Connection and identity -------------------------------------------------

void TfMain::ConnectTerminals() {
  lWeight->setFontColor(kGrayText);
  lDisplay->setFontColor(kGrayText);
  move(state_.left, state_.top);
  lTime->setVisible(state_.benchmark);

  if (!services_.libraryError.empty() && !state_.plainAddresses.empty()) {
    // Nothing can link without the library: say why, once per connection.
    services_.library->Close();
    EnableKeypad(false);
    SetWeightCaption(kWeightPlaceholder);
    SetDisplayCaption("Connect failed");
    ShowError(FromTerminal(services_.libraryError));
    return;
  }

  const int count = static_cast<int>(state_.plainAddresses.size());
  switch (ConnectLink(*services_.library, state_.rawIpList, count)) {
    case ConnectOutcome::NoList:
      EnableKeypad(false);
      SetWeightCaption(kWeightPlaceholder);
      SetDisplayCaption("No list");
      SetBusyCursor(false);
      if (fSettings->ExecModal()) FormShow();
      return;
    case ConnectOutcome::ConnectFailed:
      EnableKeypad(false);
      SetWeightCaption(kWeightPlaceholder);
      SetDisplayCaption("Connect failed");
      SetBusyCursor(false);
      return;
    case ConnectOutcome::Connected:
      lWeight->setFontColor(kAqua);
      lDisplay->setFontColor(kAqua);
      SetDisplayCaption("Connected");
      ReadIdentity(udZavNum->position());
      Update->start();
      return;
  }
}

void TfMain::ReadIdentity(int terminal) {
  const IdentityTexts id = ReadIdentityTexts(*services_.library, terminal);
  for (int i = 0; i < 4; ++i) {
    identityDark_[i]->setText(FromTerminal(id.texts[i]));
    identity_[i]->setText(identityDark_[i]->text());
  }
  SetKeySkin(WantsAlternativeKeys(ToTerminal(identity_[2]->text())));
}

void TfMain::SetKeySkin(bool alternative) {
  const std::optional<bool> change = KeySkinChange(ToTerminal(keys_[0]->stripName()), alternative);
  if (!change) return;
  for (size_t i = 0; i < Keys().size(); ++i) keys_[i]->setStripName(StripFor(Keys()[i], *change));
}

// ---- Poll ----------------------------------------------------------------------

void TfMain::UpdateTimer() {
  poll_->RunCycle(udZavNum->position(), static_cast<uint32_t>(Update->interval()),
                  state_.benchmark);
}

void TfMain::StopPoll() {
  Update->stop();
}
void TfMain::StartPoll() {
  Update->start();
}

void TfMain::SetWeightText(const char* text) {
  SetWeightCaption(text);
}
void TfMain::SetDisplayText(const char* text) {
  SetDisplayCaption(text);
}

int TfMain::CurrentTerminal() const {
  return udZavNum->position();
}

std::string TfMain::WeightCaption() const {
  return ToTerminal(lWeight->text());
}
void TfMain::SetWeightCaption(const std::string& text) {
  const QString t = FromTerminal(text);
  if (lWeight->text() != t) lWeight->setText(t);
}
std::string TfMain::DisplayCaption() const {
  return ToTerminal(lDisplay->text());
}
void TfMain::SetDisplayCaption(const std::string& text) {
  const QString t = FromTerminal(text);
  if (lDisplay->text() != t) lDisplay->setText(t);
}
void TfMain::SetAnnunciator(int index, bool on) {
  annunciators_[index]->setFontColor(on ? kAqua : kGrayText);
}
void TfMain::SetIntervalSubscript(int index, bool on) {
  subscripts_[index]->setFontColor(on ? kAqua : kGrayText);
}
void TfMain::SetWeightHint(const std::string& hint) {
  const QString t = FromTerminal(hint);
  if (lWeight->toolTip() != t) lWeight->setToolTip(t);
}
LampColour TfMain::LampPenColour(int lamp) const {
  const QColor c = lamps_[lamp]->penColor();
  if (c == kLampGreen) return LampColour::Green;
  if (c == kLampRed) return LampColour::Red;
  return LampColour::Black;
}
void TfMain::SetLampColour(int lamp, LampColour colour) {
  lamps_[lamp]->setPenColor(ColourOf(colour));
  lamps_[lamp]->setBrushColor(ColourOf(colour));
}
void TfMain::ShowCycleTime(const std::string& text) {
  lTime->setText(FromTerminal(text));
  lTime->repaint();
}

void TfMain::TakeSample(const TrendSample& sample) {
  if (fTrend) fTrend->TakeSample(sample);
}

// ---- Terminal switch -------------------------------------------------------------

void TfMain::udZavNumChangingEx(int proposed, bool* allow) {
  try {
    *allow = switch_->Switch(proposed, udZavNum->minimum(), udZavNum->maximum());
  } catch (const std::exception& e) {
    *allow = false;
    ShowError(QString::fromLocal8Bit(e.what()));
  }
}

void TfMain::udZavNumClick() {
  PlayClick();
}

void TfMain::SetPollInterval(int32_t ms) {
  Update->setInterval(ms);
}

void TfMain::SetLampHint(int lamp, const std::string& hint) {
  lamps_[lamp]->setToolTip(FromTerminal(hint));
  glints_[lamp]->setToolTip(FromTerminal(hint));
}

void TfMain::KeepLabels(const std::vector<std::string>& inputs,
                        const std::vector<std::string>& outputs) {
  inputLabels_ = inputs;
  outputLabels_ = outputs;
}

void TfMain::ShowTerminalName(int terminal) {
  if (state_.names.empty()) return;
  lZavName->setText(FromTerminal(TerminalNameLabel(state_.names, state_.plainAddresses, terminal)));
}

bool TfMain::PrintSwitchDown() const {
  return bShowPrint->isChecked();
}
void TfMain::ReleasePrintSwitch() {
  bShowPrint->setChecked(false);
  bShowPrintClick();
}
bool TfMain::TrendSwitchDown() const {
  return bTrend->isChecked();
}

// ---- Keypad and keyboard ------------------------------------------------------------

void TfMain::KeyClick(const KeyDef& key) {
  PlayClick();
  services_.library->SendKeystroke(udZavNum->position(), kKindReplicaKey, key.code);
  FocusInput();
}

bool TfMain::eInputKeyPress(QKeyEvent* event) {
  int ch = -1;
  switch (event->key()) {
    case Qt::Key_Backspace:
      ch = 8;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ch = 13;
      break;
    case Qt::Key_Escape:
      ch = 27;
      break;
    case Qt::Key_Delete:  // keys without a character send nothing
      return false;
    case Qt::Key_Tab:  // focus moves nowhere: eInput keeps it
    case Qt::Key_Backtab:
      return true;
    default: {
      const QString text = event->text();
      if (text.size() != 1) return false;
      const char16_t u = text.at(0).unicode();
      // Only the PC's 8-bit characters can go to a terminal; others are
      // dropped rather than sent as something else.
      if (u > 0xFF) return true;
      ch = u;
    }
  }
  const TypedKey t = TranslateTyped(static_cast<unsigned char>(ch), eInput->isReadOnly());
  if (t.send) services_.library->SendKeystroke(udZavNum->position(), kKindTypedCharacter, t.code);
  if (t.clearField) eInput->setText("");
  return !t.keepCharacter;  // true: the field never sees the character
}

// ---- Tools, window commands, popup menu --------------------------------------------

std::string TfMain::CurrentAddress() const {
  const int n = udZavNum->position();
  if (n < 1 || static_cast<size_t>(n) > state_.plainAddresses.size()) throw ListIndexError(n - 1);
  return NormalizeAddress(state_.plainAddresses[static_cast<size_t>(n - 1)]);
}

void TfMain::bSettingsClick() {
  PlayClick();
  if (fSettings->ExecModal()) {
    Update->stop();
    FormShow();
  }
}

void TfMain::bTermClick() {
  PlayClick();
  const std::string address = CurrentAddress();
  try {
    SettingsStore(*services_.store).WriteAutoConnectHost(address);
  } catch (const StoreError&) {
    // The terminal program's key could not be written: launched all the same.
  } catch (const RegistryError&) {
  }
  bShowPrint->setChecked(false);
  bShowPrintClick();
  // The result is not looked at: without the program nothing happens.
  QProcess::startDetached("ZavoTerm.exe", {}, ".");
}

void TfMain::bHTTPClick() {
  PlayClick();
  QDesktopServices::openUrl(QUrl(FromTerminal("http://" + CurrentAddress())));
}

void TfMain::bShowPrintClick() {
  QWidget* w = fVPrint->Window();
  if (bShowPrint->isChecked() && !w->isVisible()) {
    fVPrint->OpenWindow();
    DockSideWindows();
  } else if (!bShowPrint->isChecked() && w->isVisible()) {
    fVPrint->CloseWindow();
  }
}

void TfMain::bTrendClick() {
  PlayClick();
  QWidget* w = fTrend->Window();
  if (bTrend->isChecked() && !w->isVisible()) {
    fTrend->OpenWindow();
    DockSideWindows();
  } else if (!bTrend->isChecked() && w->isVisible()) {
    fTrend->CloseWindow();
  }
}

void TfMain::MinimizeAll() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->showMinimized();
}

void TfMain::bMinimizeMouseUp() {
  PlayClick();
  bMinimize->repaint();
  MinimizeAll();
}

void TfMain::miMinimizeClick() {
  MinimizeAll();
}

void TfMain::bExitMouseUp() {
  bExit->repaint();
  if (services_.sound) services_.sound->playSync("Close.wav");
  close();
}

void TfMain::miExitClick() {
  if (services_.sound) services_.sound->playSync("Close.wav");
  close();
}

void TfMain::miAboutClick() {
  if (fAbout) {
    // The picture: a strip of the keypad as it stands now, in the panel's
    // proportions.
    fAbout->SetPicture(sknZavomax->grab(QRect(398, 36, 118, 212)));
    fAbout->move(geometry().center() - fAbout->rect().center());
    fAbout->exec();
  }
}

void TfMain::miPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dlgPrint(&printer, this);
  dlgPrint.setObjectName("dlgPrint");
  if (dlgPrint.exec() != QDialog::Accepted) return;
  PrintPicture(printer);
}

void TfMain::PrintPicture(QPrinter& printer) {
  const QPixmap picture = grab();
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("Printer selected is not valid");
  // Design resolution to the printer's, so the picture keeps its size in
  // inches; the painter's origin is the printable area's top left.
  const double scale = printer.resolution() / 96.0;
  painter.scale(scale, scale);
  painter.drawPixmap(0, 0, picture);
  painter.end();
}

}  // namespace zavo
