#include "AssignmentsMenu.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>

#include "AssignmentsForm.h"
#include "ClassMenu.h"
#include "DataFile.h"
#include "DrillWindow.h"
#include "Platform.h"
#include "PracticeLog.h"
#include "SessionLog.h"
#include "Sxlogin.h"

namespace {

// A class joined without its password: nothing is read or written (the
// answer is that the server did not take the account) until it is typed.
class WithoutPassword final : public AssignmentsPlace {
 public:
  explicit WithoutPassword(std::string where) : where_(std::move(where)) {}
  void Read(std::function<void(AssignmentsAnswer)> done) override { done(Refused()); }
  void Write(const std::vector<Assignment>&, std::function<void(AssignmentsAnswer)> done) override { done(Refused()); }
  std::string Where() const override { return where_; }

 private:
  static AssignmentsAnswer Refused() { return {AssignmentsOutcome::Failed, ClassFault::Unauthorized, {}}; }
  std::string where_;
};

// For the catalogues: the core's texts about assignments.
[[maybe_unused]] const char* const kSources[] = {
    QT_TRANSLATE_NOOP("Assignments", "done"),
    QT_TRANSLATE_NOOP("Assignments", "in progress"),
    QT_TRANSLATE_NOOP("Assignments", "not started"),
    QT_TRANSLATE_NOOP("Assignments", "late"),
    QT_TRANSLATE_NOOP("Assignments", "Another device changed the assignments meanwhile; they are shown as they are now. Please make your change again."),
    QT_TRANSLATE_NOOP("Assignments", "Only the teacher may change the assignments."),
    QT_TRANSLATE_NOOP("Assignments", "The assignments could not be saved."),
    QT_TRANSLATE_N_NOOP("Assignments", "%n assignment(s) due this week: %1"),
    QT_TRANSLATE_NOOP("Assignments", "%1 by %2"),
    // Why a line of assignments.txt, or an assignment, is skipped; why an edited one may not be saved.
    QT_TRANSLATE_NOOP("Assignments", "The line comes before the first assignment; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "An assignment needs a title; it is skipped with its lines."),
    QT_TRANSLATE_NOOP("Assignments", "The line is not understood; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The classes are given twice; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "A class is written like 3-11 or 4-Z15; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The classes of an assignment are all trichords or all tetrachords; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The line names no classes; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The range is close, one octave or two octaves; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The range is given twice; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "Play is chord, figure or mixed; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "Play is given twice; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "A date is written yyyy-mm-dd, like 2026-12-07; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The date is given twice; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The goal is given twice; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The goal is: drills N right R percent P, minutes M, or first-try K; this line is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment names no classes; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment has no goal; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment has no start date; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment has no due date; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment is due before it starts; it is skipped."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment names a class the catalogue does not have."),
    QT_TRANSLATE_NOOP("Assignments", "The assignment needs a title."),
    QT_TRANSLATE_NOOP("Assignments", "Choose at least one set class."),
    QT_TRANSLATE_NOOP("Assignments", "Give the start and the due date."),
    QT_TRANSLATE_NOOP("Assignments", "The due date comes before the start."),
    QT_TRANSLATE_NOOP("Assignments", "The numbers of the goal are whole numbers: at least 1 drill, minute or time, 0 to 100 %."),
};

}  // namespace

QString DayText(int32_t day) {
  return QLocale().toString(QDate(1899, 12, 30).addDays(day), QStringLiteral("ddd d MMM"));
}

QString DueNoticeLine(const DueNotice& notice) {
  if (!notice.source || !*notice.source) return {};
  QStringList items;
  for (const DueItem& item : notice.items)
    items << AssignmentText(kDueItemSource).arg(QString::fromStdString(item.title), DayText(item.due));
  QString line = QCoreApplication::translate("Assignments", notice.source, nullptr, notice.count);
  // English has no catalogue: its plural is made here.
  if (line.contains(QLatin1String("(s)"))) line.replace(QLatin1String("(s)"), notice.count == 1 ? "" : "s");
  return line.arg(items.join(QStringLiteral(", ")));
}

TAssignmentsMenu::TAssignmentsMenu(TForm1& drill, TClassMenu& classMenu)
    : QObject(&drill), drill_(drill), classMenu_(classMenu), scheduler_(this) {
  setObjectName(QStringLiteral("AssignmentsMenu"));
  Assignments1 = new QAction(tr("&Assignments…"), classMenu.Class1);
  Assignments1->setObjectName(QStringLiteral("Assignments1"));
  classMenu.Class1->insertAction(classMenu.Class1->actions().value(0), Assignments1);
  classMenu.Class1->insertSeparator(classMenu.Class1->actions().value(1));
  connect(Assignments1, &QAction::triggered, this, [this] { Assignments1Click(); });
  DueLabel = new QLabel(&drill);
  DueLabel->setObjectName(QStringLiteral("AssignmentsDue"));
  DueLabel->setTextFormat(Qt::PlainText);
  drill.statusBar()->addPermanentWidget(DueLabel);
  classMenu.SetExtraStatus([this] { return !DueLabel->text().isEmpty(); });
  title_ = drill.windowTitle();
  // After every login: another person's assignments, and none of them started.
  connect(LoginForm, &QDialog::finished, this, [this] {
    if (run_.Started()) {
      run_.Stop();
      drill_.HoldOwnSettings(false);
      ShowTitle();
    }
    TellWhatIsDue();
  });
}

TAssignmentsMenu::~TAssignmentsMenu() = default;

TAssignmentsMenu* TAssignmentsMenu::Of(const QObject* window) {
  return window ? window->findChild<TAssignmentsMenu*>(QStringLiteral("AssignmentsMenu"),
                                                       Qt::FindDirectChildrenOnly)
                : nullptr;
}

AssignmentsPlace& TAssignmentsMenu::Place() {
  const ClassLink& link = classMenu_.Link();
  const auto connection = link.Joined() ? link.Connection() : std::nullopt;
  if (link.Joined() && !connection) {
    if (!withoutPassword_ || withoutPassword_->Where() != link.Address())
      withoutPassword_ = std::make_unique<WithoutPassword>(link.Address());
    return *withoutPassword_;
  }
  if (!connection) return folder_;
  const std::string key = link.Address() + "\n" + link.Account();
  if (!server_ || serverKey_ != key) {
    server_ = std::make_unique<ServerAssignments>(*connection, classMenu_.Http(), scheduler_);
    serverKey_ = key;
  }
  return *server_;
}

bool TAssignmentsMenu::PasswordNeeded() const {
  const ClassLink& link = classMenu_.Link();
  return link.Joined() && !link.HasPassword();
}

bool TAssignmentsMenu::MayEdit() const {
  // In a class on a server, the server says who may write; in the lab, the
  // administrator named the teachers.
  return classMenu_.Link().Joined() || AccountMayOversee();
}

PracticeLists TAssignmentsMenu::Lists() const { return ListsOf(drill_.catalogue); }

std::string TAssignmentsMenu::Person() const { return drill_.Session().CurrentPersonName; }

bool TAssignmentsMenu::Start(const Assignment& assignment) {
  const FilterModel& model = drill_.Session().filters;
  const auto settings = run_.Start(assignment, Lists(), SettingsOf(model));
  if (!settings) return false;
  drill_.HoldOwnSettings(true);
  drill_.UseDrillSettings(settings->filters, settings->playMode);
  ShowTitle();
  return true;
}

void TAssignmentsMenu::Stop() {
  const auto own = run_.Stop();
  if (!own) return;
  drill_.UseDrillSettings(own->filters, own->playMode);
  drill_.HoldOwnSettings(false);
  ShowTitle();
}

void TAssignmentsMenu::ShowTitle() {
  if (!run_.Started()) {
    drill_.setWindowTitle(title_);
    return;
  }
  //: The drill window's title while an assignment is started: "Sonorix – Trichords, week 1".
  drill_.setWindowTitle(tr("%1 – %2").arg(title_, QString::fromStdString(run_.Title())));
}

void TAssignmentsMenu::TellWhatIsDue() {
  const int asked = ++asked_;
  QPointer<TAssignmentsMenu> self(this);
  Place().Read([self, asked](AssignmentsAnswer answer) {
    if (!self || asked != self->asked_) return;
    QString line;
    const auto today = static_cast<int32_t>(PlatformToday());
    if (answer.outcome == AssignmentsOutcome::Done && !answer.file.assignments.empty()) {
      const auto mine = OwnProgress(answer.file.assignments, self->Lists(), self->Person(), today, kReportFileName,
                                    kPracticeFileName);
      if (mine) line = DueNoticeLine(DueNoticeOf(answer.file.assignments, *mine, today));
    }
    self->DueLabel->setText(line);
    self->DueLabel->setAccessibleName(line);
    self->classMenu_.RefreshStatus();
    if (!line.isEmpty()) {
      QAccessibleEvent event(self->DueLabel, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&event);
    }
  });
}

void TAssignmentsMenu::Assignments1Click() {
  TAssignmentsForm form(*this, &drill_);
  form.exec();
}

TAssignmentsMenu* InstallAssignmentsMenu(TForm1* drill) {
  TClassMenu* classMenu = TClassMenu::Of(drill);
  if (!drill || !classMenu || TAssignmentsMenu::Of(drill)) return TAssignmentsMenu::Of(drill);
  return new TAssignmentsMenu(*drill, *classMenu);
}
