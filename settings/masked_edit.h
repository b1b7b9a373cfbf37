// An edit with an input mask of required digits, read back the way the
// settings dialogs expect: an unfilled position as a blank. Leaving it
// partly filled after typing is refused with the platform's message and the
// focus stays; Escape gives back the text it had when it got the focus.
#pragma once

#include <QLineEdit>
#include <string>

namespace zavo {

class MaskedEdit : public QLineEdit {
  Q_OBJECT
 public:
  // `mask` in Qt's syntax, e.g. "999.999.999.999;_".
  MaskedEdit(const QString& mask, QWidget* parent = nullptr);

  // The text with literals, an unfilled position as ' '.
  std::string FieldText() const;
  bool IsBlank() const;     // no digit typed
  bool IsComplete() const;  // every digit typed

  static constexpr const char* kInvalidInput =
      "Invalid input value.  Use escape key to abandon changes";

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QString textOnEntry_;
};

}  // namespace zavo
