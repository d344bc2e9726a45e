#include "Sxerrorform.h"

#include <cstring>

#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStringList>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "Controls.h"
#include "CumulativeFile.h"
#include "DataFile.h"
#include "DesktopHost.h"
#include "DrillSession.h"
#include "Platform.h"
#include "RadioGroup.h"
#include "ScreenLocale.h"

TErrorReport* ErrorReport = nullptr;

namespace {

// The report on the left, the controls in a column on its right.
constexpr int kMargin = 12;
constexpr int kReportWidth = 340;
constexpr int kColumnX = kMargin + kReportWidth + 16;
constexpr int kColumnWidth = 200;
constexpr int kBoxIndent = 8;

QCheckBox* MakeCheckBox(QWidget* parent, const QString& caption, bool checked, int y) {
  auto* box = new QCheckBox(caption, parent);
  box->setChecked(checked);
  box->setGeometry(kColumnX + kBoxIndent, y, kColumnWidth - kBoxIndent, box->sizeHint().height());
  return box;
}

int Bottom(const QWidget* w) { return w->y() + w->height(); }

}  // namespace

TErrorReport::TErrorReport(DrillSession* session, QWidget* parent)
    : QDialog(parent), session_(session), SessionStats(session ? session->SessionStats : ownSessionStats_) {
  setWindowTitle(tr("Error Report"));
  setModal(true);

  // --- the report on the left, then the column on its right, top to bottom --
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setReadOnly(true);
  RichEdit1->setAcceptRichText(false);
  RichEdit1->setUndoRedoEnabled(false);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The lines are indented with blanks: wrapping would break the indents.
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);

  RadioGroup1 = new TRadioGroup(tr("Display"), {tr("this session"), tr("cumulative errors")}, this);
  RadioGroup1->SetItemIndex(0);
  int groupBottom = 0;
  for (int i = 0; i < RadioGroup1->Count(); ++i) groupBottom = std::max(groupBottom, Bottom(RadioGroup1->Button(i)));
  RadioGroup1->setGeometry(kColumnX, kMargin - 4, kColumnWidth, groupBottom + 10);

  StaticText1 = new QLabel(tr("Sessions that use filters are not included in the cumulative report."), this);
  StaticText1->setWordWrap(true);
  QPalette red = StaticText1->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  StaticText1->setPalette(red);
  StaticText1->setGeometry(kColumnX, Bottom(RadioGroup1) + 8, kColumnWidth,
                           StaticText1->heightForWidth(kColumnWidth));
  StaticText1->hide();

  Button2 = MakeButton(this, tr("Clear Cumulative Report"), kColumnX, Bottom(StaticText1) + 8, kColumnWidth, 27);
  Button2->hide();

  StaticText2 = new QLabel(tr("Show:"), this);
  StaticText2->move(kColumnX, Bottom(Button2) + 20);
  StaticText2->adjustSize();
  CheckBox4 = MakeCheckBox(this, tr("A and B sets"), true, Bottom(StaticText2) + 6);
  CheckBox5 = MakeCheckBox(this, tr("RIPs"), true, Bottom(CheckBox4) + 6);
  CheckBox6 = MakeCheckBox(this, tr("Confused with"), false, Bottom(CheckBox5) + 6);

  Button1 = MakeButton(this, tr("OK"), kColumnX, Bottom(CheckBox6) + 18, kColumnWidth, 29);
  Button1->setDefault(true);

  // The window reaches 40 pixels beyond OK's right edge and 60 beyond the
  // bottom of "Confused with"; the report fills the height on the left.
  resize(Button1->x() + Button1->width() + 40, Bottom(CheckBox6) + 60);
  RichEdit1->setGeometry(kMargin, kMargin, kReportWidth, height() - 2 * kMargin);

  // --- handlers, wired after the defaults are set ----------------------------
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
  connect(CheckBox4, &QCheckBox::clicked, this, [this] { CheckBox4Click(); });
  connect(CheckBox5, &QCheckBox::clicked, this, [this] { CheckBox5Click(); });
  connect(CheckBox6, &QCheckBox::clicked, this, [this] { CheckBox6Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { accept(); });

  ClearStats(SessionStats);
  ClearStats(CumulativeStats);
}

TErrorReport::~TErrorReport() = default;

// --- the drill window's current question ------------------------------------

AnswerKey TErrorReport::QuestionKey() const {
  if (!session_) return {};
  return KeyOfQuestion(session_->question, session_->EntryAt(session_->question.listIndex), session_->filters.Cardinality());
}

int TErrorReport::QuestionStatIndex() const { return QuestionKey().statIndex; }

int TErrorReport::QuestionForm() const { return QuestionKey().form; }

int TErrorReport::QuestionRip() const { return QuestionKey().rip; }

// --- answers --------------------------------------------------------------------

void TErrorReport::AddCorrect() {
  const AnswerKey key = QuestionKey();
  AddCorrectAnswer(SessionStats, key.statIndex, key.form, key.rip);
}

void TErrorReport::AddWrong(int givenListIndex) {
  const AnswerKey key = QuestionKey();
  AddWrongAnswer(SessionStats, key.statIndex, key.form, key.rip, givenListIndex);
}

void TErrorReport::ClearSession() { ClearStats(SessionStats); }

// --- the cumulative file --------------------------------------------------------

void TErrorReport::UpdateCumulative() { UpdateCumulativeFile(SessionStats, session_ && session_->FiltersUsed, CumulativeStats); }

void TErrorReport::ClearCumulative() { ClearStats(CumulativeStats); }

void TErrorReport::SaveCumulative() { WriteFileAtomic(kErrorsFileName, FormatErrorStats(CumulativeStats)); }

// --- the report -----------------------------------------------------------------

ReportOptions TErrorReport::ShownBreakdowns() const {
  ReportOptions options;
  options.forms = CheckBox4->isChecked();
  options.rips = CheckBox5->isChecked();
  options.confusions = CheckBox6->isChecked();
  return options;
}

void TErrorReport::ShowReport(const ErrorStats& stats) {
  QStringList lines;
  if (session_) {
    // The report's one line of words, in the student's language.
    const std::string confusedWith = "       Confused with:";
    for (const std::string& line : ErrorReportLines(stats, session_->catalogue, ShownBreakdowns()))
      lines << (line == confusedWith ? QStringLiteral("       ") + tr("Confused with:") : ShownNumbers(QString::fromStdString(line)));
  }
  RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
  RichEdit1->moveCursor(QTextCursor::Start);
}

void TErrorReport::ShowSessionReport() {
  StaticText1->hide();
  Button2->hide();
  ShowReport(SessionStats);
}

void TErrorReport::ShowCumulativeReport() {
  StaticText1->setVisible(session_ && session_->FiltersUsed);
  // Clearing a shared folder's statistics is for its teachers.
  Button2->setVisible(AccountMayOversee());
  ShowReport(CumulativeStats);
}

// --- handlers -------------------------------------------------------------------

void TErrorReport::RadioGroup1Click() {
  if (RadioGroup1->ItemIndex() == 1) {
    ShowCumulativeReport();
  } else {
    ShowSessionReport();
  }
}

void TErrorReport::CheckBox4Click() {
  // RIPs are a breakdown of the forms: without forms, no RIPs.
  if (!CheckBox4->isChecked()) CheckBox5->setChecked(false);
  RadioGroup1Click();
}

void TErrorReport::CheckBox5Click() {
  if (CheckBox5->isChecked()) CheckBox4->setChecked(true);
  RadioGroup1Click();
}

void TErrorReport::CheckBox6Click() { RadioGroup1Click(); }

void TErrorReport::Button2Click() {
  if (!AccountMayOversee()) return;
  // A clear that could not be written is told, and the report keeps its figures.
  if (!ClearCumulativeFile(CumulativeStats)) {
    ReportFileTrouble(FileTrouble::NotWritten, kErrorsFileName, std::strerror(DesktopStorage::LastUpdateError()));
    return;
  }
  ShowCumulativeReport();
}

void TErrorReport::FormShow() {
  ShowSessionReport();
  RadioGroup1->SetItemIndex(0);
}

// Opening on the session report belongs to the showing, not to painting: the
// window repaints whenever one of its controls does, and a reset there would
// throw the cumulative view away at the next click.
void TErrorReport::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TErrorReport::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) FormShow();
}
