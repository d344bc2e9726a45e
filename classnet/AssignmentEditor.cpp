#include "AssignmentEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "AssignmentTexts.h"

namespace {

const QDate kDayZero(1899, 12, 30);
QDate DateOf(int32_t day) { return kDayZero.addDays(day); }
int32_t DayOfDate(const QDate& date) { return static_cast<int32_t>(kDayZero.daysTo(date)); }

}  // namespace

TAssignmentEditor::TAssignmentEditor(const Assignment& a, PracticeLists lists, QWidget* parent)
    : QDialog(parent), lists_(std::move(lists)) {
  setObjectName(QStringLiteral("AssignmentEditor"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  TitleEdit = new QLineEdit(QString::fromStdString(a.title), this);
  TitleEdit->setObjectName(QStringLiteral("AssignmentTitle"));
  form->addRow(tr("&Title:"), TitleEdit);
  InstructionsEdit = new QPlainTextEdit(this);
  InstructionsEdit->setObjectName(QStringLiteral("AssignmentInstructionsEdit"));
  InstructionsEdit->setTabChangesFocus(true);
  QStringList lines;
  for (const std::string& line : a.instructions) lines << QString::fromStdString(line);
  InstructionsEdit->setPlainText(lines.join(QLatin1Char('\n')));
  InstructionsEdit->setFixedHeight(InstructionsEdit->fontMetrics().lineSpacing() * 4 + 12);
  form->addRow(tr("&Instructions:"), InstructionsEdit);
  CardinalityBox = new QComboBox(this);
  CardinalityBox->addItems({tr("trichords"), tr("tetrachords")});
  CardinalityBox->setCurrentIndex(a.cardinality == 4 ? 1 : 0);
  form->addRow(tr("&Cardinality:"), CardinalityBox);
  layout->addLayout(form);

  auto* classes = new QGroupBox(tr("Set classes"), this);
  classes->setObjectName(QStringLiteral("AssignmentClasses"));
  auto* classLayout = new QVBoxLayout(classes);
  classGrid_ = new QGridLayout;
  classLayout->addLayout(classGrid_);
  auto* marks = new QHBoxLayout;
  auto* all = new QPushButton(tr("&All"), classes);
  auto* none = new QPushButton(tr("N&one"), classes);
  marks->addWidget(all);
  marks->addWidget(none);
  marks->addStretch(1);
  classLayout->addLayout(marks);
  layout->addWidget(classes);
  connect(all, &QPushButton::clicked, this, [this] {
    for (QCheckBox* box : ClassBoxes) box->setChecked(true);
  });
  connect(none, &QPushButton::clicked, this, [this] {
    for (QCheckBox* box : ClassBoxes) box->setChecked(false);
  });

  auto* rest = new QFormLayout;
  RangeBox = new QComboBox(this);
  RangeBox->addItems({tr("close position"), tr("within one octave"), tr("within two octaves")});
  RangeBox->setCurrentIndex(std::clamp(a.range, 0, 2));
  rest->addRow(tr("&Range:"), RangeBox);
  PlayBox = new QComboBox(this);
  PlayBox->addItems({tr("chord"), tr("figure"), tr("mixed figure")});
  PlayBox->setCurrentIndex(std::clamp(a.playMode, 0, 2));
  rest->addRow(tr("&Play:"), PlayBox);
  GoalBox = new QComboBox(this);
  GoalBox->addItems({tr("drills with enough right answers"), tr("minutes of practice mode"),
                     tr("each class right at the first try in practice")});
  GoalBox->setCurrentIndex(static_cast<int>(a.goal));
  rest->addRow(tr("&Done when:"), GoalBox);
  CountBox = new QSpinBox(this);
  CountBox->setRange(1, 100000);
  CountBox->setValue(a.count);
  rest->addRow(tr("&How many:"), CountBox);
  RightBox = new QSpinBox(this);
  RightBox->setRange(0, 100000);
  RightBox->setValue(a.right);
  rightLabel_ = new QLabel(tr("Each with at least this many &right:"), this);
  rest->addRow(rightLabel_, RightBox);
  PercentBox = new QSpinBox(this);
  PercentBox->setRange(0, 100);
  PercentBox->setSuffix(QStringLiteral(" %"));
  PercentBox->setValue(a.percent);
  percentLabel_ = new QLabel(tr("And at least this &share right:"), this);
  rest->addRow(percentLabel_, PercentBox);
  StartEdit = new QDateEdit(DateOf(a.start), this);
  StartEdit->setCalendarPopup(true);
  StartEdit->setObjectName(QStringLiteral("AssignmentStart"));
  rest->addRow(tr("&From:"), StartEdit);
  DueEdit = new QDateEdit(DateOf(a.due), this);
  DueEdit->setCalendarPopup(true);
  DueEdit->setObjectName(QStringLiteral("AssignmentDue"));
  rest->addRow(tr("D&ue:"), DueEdit);
  layout->addLayout(rest);
  Problem = new QLabel(this);
  Problem->setWordWrap(true);
  layout->addWidget(Problem);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // The labels name their fields for a screen reader too.
  rightLabel_->setBuddy(RightBox);
  percentLabel_->setBuddy(PercentBox);
  for (QFormLayout* rows : {form, rest})
    for (int r = 0; r < rows->rowCount(); ++r) {
      QLayoutItem* item = rows->itemAt(r, QFormLayout::LabelRole);
      auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
      if (label && label->buddy())
        label->buddy()->setAccessibleName(label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    }

  ShowClasses(CardinalityBox->currentIndex(), &a);
  ShowGoal();
  connect(CardinalityBox, &QComboBox::currentIndexChanged, this, [this](int c) { ShowClasses(c, nullptr); });
  connect(GoalBox, &QComboBox::currentIndexChanged, this, [this] { ShowGoal(); });
}

void TAssignmentEditor::ShowClasses(int cardinality, const Assignment* from) {
  for (QCheckBox* box : ClassBoxes) delete box;
  ClassBoxes.clear();
  const std::vector<std::string>& list = cardinality == 1 ? lists_.tetrachords : lists_.trichords;
  // Columns as the filter window has them: six trichords, ten tetrachords each.
  const int perColumn = cardinality == 1 ? 10 : 6;
  for (size_t i = 0; i < list.size() && i < 32; ++i) {
    auto* box = new QCheckBox(QString::fromStdString(list[i]), this);
    box->setObjectName(QStringLiteral("AssignmentClass%1").arg(i));
    const bool on = !from || from->allClasses || from->classes.empty() ||
                    std::find(from->classes.begin(), from->classes.end(), list[i]) != from->classes.end();
    box->setChecked(on);
    classGrid_->addWidget(box, static_cast<int>(i) % perColumn, static_cast<int>(i) / perColumn);
    ClassBoxes.push_back(box);
  }
  // The tab order follows the catalogue's.
  for (size_t i = 1; i < ClassBoxes.size(); ++i) setTabOrder(ClassBoxes[i - 1], ClassBoxes[i]);
}

void TAssignmentEditor::ShowGoal() {
  const bool drills = GoalBox->currentIndex() == 0;
  for (QWidget* w : std::initializer_list<QWidget*>{RightBox, PercentBox, rightLabel_, percentLabel_})
    w->setVisible(drills);
  CountBox->setSuffix(GoalBox->currentIndex() == 1 ? tr(" min") : QString());
}

Assignment TAssignmentEditor::Result() const {
  Assignment a;
  a.title = TitleEdit->text().simplified().toStdString();
  for (const QString& line : InstructionsEdit->toPlainText().split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty()) a.instructions.push_back(line.trimmed().toStdString());
  a.cardinality = CardinalityBox->currentIndex() == 1 ? 4 : 3;
  const std::vector<std::string>& list = a.cardinality == 4 ? lists_.tetrachords : lists_.trichords;
  for (size_t i = 0; i < ClassBoxes.size() && i < list.size(); ++i)
    if (ClassBoxes[i]->isChecked()) a.classes.push_back(list[i]);
  a.allClasses = !a.classes.empty() && a.classes.size() == list.size();
  if (a.allClasses) a.classes.clear();
  a.range = RangeBox->currentIndex();
  a.playMode = PlayBox->currentIndex();
  a.goal = static_cast<AssignmentGoal>(GoalBox->currentIndex());
  a.count = CountBox->value();
  if (a.goal == AssignmentGoal::Drills) {
    a.right = RightBox->value();
    a.percent = PercentBox->value();
  }
  a.start = DayOfDate(StartEdit->date());
  a.due = DayOfDate(DueEdit->date());
  return a;
}

void TAssignmentEditor::done(int result) {
  if (result == QDialog::Accepted) {
    const AssignmentProblem problem = CheckEditedAssignment(Result(), lists_);
    if (problem.field != AssignmentField::None) {
      const QString text = AssignmentText(problem.why.c_str());
      Problem->setText(text);
      Problem->setAccessibleName(text);
      QWidget* field = problem.field == AssignmentField::Title     ? static_cast<QWidget*>(TitleEdit)
                       : problem.field == AssignmentField::Classes ? (ClassBoxes.empty() ? nullptr : ClassBoxes.front())
                       : problem.field == AssignmentField::Start   ? static_cast<QWidget*>(StartEdit)
                       : problem.field == AssignmentField::Due     ? static_cast<QWidget*>(DueEdit)
                                                                   : static_cast<QWidget*>(CountBox);
      if (field) field->setFocus();
      return;
    }
  }
  QDialog::done(result);
}
