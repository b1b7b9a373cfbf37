#include "settings/masked_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace zavo {

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) {
  setInputMask(mask);
}

std::string MaskedEdit::FieldText() const {
  QString text = displayText();
  text.replace(QChar('_'), QChar(' '));
  return text.toStdString();
}

bool MaskedEdit::IsBlank() const {
  for (QChar c : displayText())
    if (c.isDigit()) return false;
  return true;
}

bool MaskedEdit::IsComplete() const {
  return hasAcceptableInput();
}

void MaskedEdit::focusInEvent(QFocusEvent* e) {
  textOnEntry_ = text();
  QLineEdit::focusInEvent(e);
}

void MaskedEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  const bool withinWindow = e->reason() == Qt::TabFocusReason ||
                            e->reason() == Qt::BacktabFocusReason ||
                            e->reason() == Qt::MouseFocusReason;
  if (!withinWindow || !isModified() || IsBlank() || IsComplete()) return;
  // Shown after the focus change has finished, then the focus comes back.
  QPointer<MaskedEdit> self(this);
  QTimer::singleShot(0, this, [self] {
    if (!self || !self->isVisible()) return;
    QMessageBox::critical(self->window(), QApplication::applicationDisplayName(), kInvalidInput);
    if (self) self->setFocus(Qt::OtherFocusReason);
  });
}

void MaskedEdit::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && isModified()) {
    setText(textOnEntry_);
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

}  // namespace zavo
