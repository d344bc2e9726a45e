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
  if (!connection) return folder_;
  const std::string key = link.Address() + "\n" + link.Account();
  if (!server_ || serverKey_ != key) {
    server_ = std::make_unique<ServerAssignments>(*connection, classMenu_.Http(), scheduler_);
    serverKey_ = key;
  }
  return *server_;
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
