#include "PacingDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "DrillWindow.h"
#include "NextQuestionPause.h"

TPacingForm::TPacingForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PacingForm"));
  setWindowTitle(tr("Pause and Wait for Me"));
  auto* layout = new QVBoxLayout(this);
  auto* pauseLabel = new QLabel(tr("&Pause before the next question:"), this);
  PauseBox = new QComboBox(this);
  PauseBox->addItem(tr("no pause"));
  for (int s = 1; s <= kMaxPauseBeforeNextQuestion; ++s) PauseBox->addItem(tr("%n second(s)", nullptr, s).replace(QLatin1String("(s)"), s == 1 ? QString() : QStringLiteral("s")));  // English has no catalogue
  PauseBox->setCurrentIndex(PauseBeforeNextQuestion());
  pauseLabel->setBuddy(PauseBox);
  WaitBox = new QCheckBox(tr("&Wait for me: the next question (and the first) plays when I press Space, Enter or Next"),
                          this);
  WaitBox->setChecked(WaitForMeSetting());
  auto* note = new QLabel(tr("The drill's clock runs on meanwhile; the drill still counts for the high scores."), this);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (QWidget* w : {static_cast<QWidget*>(pauseLabel), static_cast<QWidget*>(PauseBox),
                     static_cast<QWidget*>(WaitBox), static_cast<QWidget*>(note), static_cast<QWidget*>(buttons)})
    layout->addWidget(w);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TPacingForm::accept() {
  SetPacingSettings(PauseBox->currentIndex(), WaitBox->isChecked());
  QDialog::accept();
}

QMenu* InstallPacingMenu(TForm1* form) {
  if (!form || !form->MainMenu1) return nullptr;
  auto* options = new QMenu(TPacingForm::tr("&Options"), form->MainMenu1);
  const QMenu* view = form->MainMenu1->findChild<QMenu*>(QStringLiteral("View1"));
  form->MainMenu1->insertMenu(view ? view->menuAction() : nullptr, options);
  options->setObjectName(QStringLiteral("Options1"));
  QAction* pacing = options->addAction(TPacingForm::tr("&Pause and Wait for Me…"));
  pacing->setObjectName(QStringLiteral("PauseAndWait1"));
  QObject::connect(pacing, &QAction::triggered, form, [form] {
    TPacingForm window(form);
    window.exec();
  });
  return options;
}
