#include "Sxkeyboard.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "DrillSession.h"
#include "DrillSessionSignals.h"
#include "DrillView.h"
#include "KeyboardAnswer.h"

TKeyboardForm* KeyboardForm = nullptr;

TKeyboardForm::TKeyboardForm(TKeyboardAnswer* answer, QWidget* parent) : QDialog(parent), answer_(answer) {
  setWindowTitle(tr("Answer From Keyboard"));
  setModal(true);

  Label1 = new QLabel(tr("MIDI input port:"), this);
  Label1->move(16, 12);
  Label1->adjustSize();

  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(16, 32, 268, 96);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  Label1->setBuddy(ListBox1);

  CheckBox1 = new QCheckBox(tr("Answer by playing"), this);
  CheckBox1->setGeometry(16, 138, 268, 21);

  Label2 = new QLabel(tr("During a drill, play the set class in any transposition, inversion or voicing, "
                         "then release the keys."),
                      this);
  Label2->setWordWrap(true);
  // As tall as its three lines need in the font at hand, not cut off.
  Label2->setGeometry(16, 164, 268, std::max(36, Label2->heightForWidth(268)));

  Button1 = new QPushButton(tr("OK"), this);
  Button1->setGeometry(112, Label2->y() + Label2->height() + 12, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { accept(); });

  setFixedSize(300, Button1->y() + Button1->height() + 15);

  // With no port the list would stand empty without a word.
  NoPortLabel = new QLabel(tr("No MIDI input port found.\n"
                              "A keyboard appears here once it is connected through the ALSA "
                              "sequencer, before Sonorix starts or while this window is open."),
                           this);
  NoPortLabel->setWordWrap(true);
  NoPortLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  NoPortLabel->setGeometry(ListBox1->x() + 6, ListBox1->y() + 6, ListBox1->width() - 12, ListBox1->height() - 12);
  NoPortLabel->hide();

  connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { UpdateChoice(); });
  PortTimer = new QTimer(this);
  PortTimer->setInterval(kPortCheckMs);
  connect(PortTimer, &QTimer::timeout, this, [this] { RefreshPorts(); });
}

void TKeyboardForm::UpdateChoice() {
  CheckBox1->setEnabled(!ListBox1->selectedItems().isEmpty());
  const bool none = ListBox1->count() == 0;
  NoPortLabel->setVisible(none);
  NoPortLabel->raise();
  // The list says nothing then; the reader hears the label instead.
  ListBox1->setAccessibleDescription(none ? NoPortLabel->text() : QString());
}

void TKeyboardForm::RefreshPorts() {
  const std::vector<std::string> ports = answer_ ? answer_->InputPorts() : std::vector<std::string>();
  QStringList names;
  for (const std::string& port : ports) names.append(QString::fromStdString(port));
  QStringList listed;
  for (int i = 0; i < ListBox1->count(); ++i) listed.append(ListBox1->item(i)->text());
  if (names == listed) return;
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  const QString chosen = selected.isEmpty() ? QString() : selected.first()->text();
  ListBox1->clear();
  ListBox1->addItems(names);
  const int row = chosen.isEmpty() ? -1 : static_cast<int>(names.indexOf(chosen));
  ListBox1->setCurrentRow(row);
  if (row < 0) ListBox1->clearSelection();
  UpdateChoice();
}

int TKeyboardForm::ShowModal() {
  FormShow();
  return exec();
}

void TKeyboardForm::FormShow() {
  ListBox1->clear();
  const std::string chosen = answer_ ? answer_->Settings.port : std::string();
  const std::vector<std::string> ports = answer_ ? answer_->InputPorts() : std::vector<std::string>();
  int chosenRow = -1;
  for (const std::string& port : ports) {
    if (port == chosen) chosenRow = ListBox1->count();
    ListBox1->addItem(QString::fromStdString(port));
  }
  ListBox1->setCurrentRow(chosenRow);
  CheckBox1->setChecked(answer_ && answer_->Settings.answerByPlaying);
  UpdateChoice();
  ListBox1->setFocus();
  PortTimer->start();
}

void TKeyboardForm::done(int result) {
  // A port that refuses to open is reported, but the window closes all the same.
  std::exception_ptr failure;
  try {
    FormClose();
  } catch (...) {
    failure = std::current_exception();
  }
  QDialog::done(result);
  if (failure) std::rethrow_exception(failure);
}

void TKeyboardForm::FormClose() {
  PortTimer->stop();
  if (!answer_) return;
  KeyboardSettings settings = answer_->Settings;
  // With no row chosen the port chosen before stays, even when it is not
  // plugged in now.
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (!selected.isEmpty()) settings.port = selected.first()->text().toStdString();
  settings.answerByPlaying = CheckBox1->isChecked();
  answer_->Apply(settings);
}

// --- installation ---------------------------------------------------------------

void InstallKeyboardAnswer(DrillView* view) {
  auto* answer = new TKeyboardAnswer(view);
  KeyboardAnswer = answer;
  KeyboardForm = new TKeyboardForm(answer);

  auto* item = new QAction(QCoreApplication::translate("TKeyboardAnswer", "Answer From Keyboard…"), view->ViewWindow());
  view->AddMidiItem(item);
  answer->AnswerFromKeyboard1 = item;
  QObject::connect(item, &QAction::triggered, answer, [] { KeyboardForm->ShowModal(); });

  // Once a drill ends, what was heard in it is no longer news.
  const DrillSession& drill = view->Session();
  auto forgetHeard = [&drill, answer] {
    if (!drill.Drilling) answer->ShowHeard(QString());
  };
  QObject::connect(&view->SessionSignals(), &DrillSessionSignals::drillEnded, answer, forgetHeard);
  QObject::connect(view->NewPersonItem(), &QAction::triggered, answer, forgetHeard);

  // A port that is gone, or refuses, is simply not opened: no message at start.
  answer->Settings = LoadKeyboardSettings();
  try {
    answer->OpenChosenPort();
  } catch (const std::exception&) {
  }
}

void RemoveKeyboardAnswer() {
  delete KeyboardForm;
  KeyboardForm = nullptr;
  delete KeyboardAnswer;
  KeyboardAnswer = nullptr;
}
