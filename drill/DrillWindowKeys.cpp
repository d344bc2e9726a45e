// The drill window's keys: Enter anywhere submits; p, q, r on the buttons and
// the list; F1 to F3 and typed names in the answer field; Up and Down in the
// field walk the answer list.
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "Accessible.h"
#include "DrillWindow.h"

namespace {

// The handlers take the key codes of the original design's key events; this
// file alone speaks them.
constexpr int kVkReturn = 13;
constexpr int kVkF1 = 112;
constexpr int kVkF2 = 113;
constexpr int kVkF3 = 114;

int VirtualKeyOf(const QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kVkF1 + (key - Qt::Key_F1);
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return kVkReturn;
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
  return 0;
}

// The character a key press types, or 0 when it types none or more than one.
char CharOf(const QKeyEvent* event) {
  const QString text = event->text();
  if (text.size() != 1 || text[0].unicode() > 127) return 0;
  return static_cast<char>(text[0].unicode());
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // "Wait for me": Space asks for the question that waits, in the answer
    // field, the list and on Submit or Next (elsewhere it keeps its use).
    if (key->key() == Qt::Key_Space && session_->QuestionWaits() &&
        (watched == Edit1 || watched == ListBox || watched == SubmitButton || watched == NextQuestionButton)) {
      if (!key->isAutoRepeat()) session_->AskForQuestion();
      return true;
    }
    // SubmitButton is the default button: Enter anywhere submits, once.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (!key->isAutoRepeat()) SubmitButtonClick();
      return true;
    }
    if (watched == Edit1 && WalkAnswerList(key)) return true;
    const char c = CharOf(key);
    if (c == 'p' || c == 'q' || c == 'r') {
      if (watched == SubmitButton) {
        SubmitButtonKeyPress(c);
        return true;
      }
      if (watched == Button1 || watched == Button2 || watched == Button3 || watched == Button4 ||
          watched == ListBox) {
        GeneralKeyPress(c);
        return true;
      }
    }
  } else if (event->type() == QEvent::KeyRelease && watched == Edit1) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) Edit1KeyUp(VirtualKeyOf(key));
    // Once the row the typed name matches is chosen.
    QTimer::singleShot(0, this, [this] { TellChosenRow(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::TellChosenRow() {
  const QListWidgetItem* current = ListBox->currentItem();
  const int row = current && current->isSelected() ? ListBox->row(current) : -1;
  // An emptied field is an answer just given: its judgement is what is heard.
  if (row < 0 || row == announcedRow_ || !Edit1->hasFocus() || Edit1->text().isEmpty()) return;
  announcedRow_ = row;
  Announce(this, current->text());
}

// Up and Down choose each set class as a click on it would; the list is no
// tab stop.
bool TForm1::WalkAnswerList(const QKeyEvent* key) {
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
  const int count = ListBox->count();
  if (count == 0) return true;
  const QListWidgetItem* current = ListBox->currentItem();
  const int row = current && current->isSelected() ? ListBox->row(current) : -1;
  int next = key->key() == Qt::Key_Down ? row + 1 : row - 1;
  if (row < 0) next = key->key() == Qt::Key_Down ? 0 : count - 1;
  if (next < 0 || next >= count) return true;
  ListBox->setCurrentRow(next);
  ListBoxClick();
  TellChosenRow();
  return true;
}

void TForm1::Edit1KeyUp(int key) {
  if (key == kVkF1 || key == kVkF2 || key == kVkF3) {
    if (!Drilling) return;
    if (key == kVkF1) {
      PlayQuestion();
    } else if (key == kVkF2) {
      Button2Click();
    } else {
      Button3Click();
    }
    return;
  }
  // Typing the name preselects its row; no match leaves the selection alone.
  const int row = session_->RowNamed(Edit1->text().toStdString());
  if (row >= 0 && row < ListBox->count()) ListBox->setCurrentRow(row);
}

void TForm1::GeneralKeyPress(char key) {
  if (!Drilling) return;
  switch (key) {
    case 'p':
      Button4Click();
      break;
    case 'q':
      Button2Click();
      break;
    case 'r':
      Button3Click();
      break;
    default:
      break;
  }
}

void TForm1::SubmitButtonKeyPress(char key) {
  if (key == kVkReturn) {
    SubmitButtonClick();
    return;
  }
  GeneralKeyPress(key);
}
