// What the dialogs need of the main window, so that they can be built and
// tested without it: the poll, the face texts, the keypad, the focus, the
// current terminal, the window position and the full reload.
#pragma once

namespace zavo {

class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual void StopPoll() = 0;
  virtual void StartPoll() = 0;
  virtual void SetWeightText(const char* text) = 0;   // lWeight caption
  virtual void SetDisplayText(const char* text) = 0;  // lDisplay caption
  virtual void EnableKeypad(bool on) = 0;
  virtual void FocusInput() = 0;  // gives eInput the keyboard focus
  virtual int CurrentTerminal() const = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void Reload() = 0;  // FormShow: reload the settings and reconnect
};

}  // namespace zavo
