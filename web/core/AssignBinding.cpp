// Class › Assignments in the page: the class's assignments.txt on its WebDAV
// server (read by everyone, written by the teacher, never over another
// device's change), the student's own progress from the page's logs, what is
// said after the login, and the class's statuses for the teacher's overview,
// judged from each account folder the overview reads.
#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "AssignValues.h"
#include "AssignmentFolders.h"
#include "AssignmentDrill.h"
#include "AssignmentStore.h"
#include "ClassAssignments.h"
#include "Catalogue.h"
#include "ClassAddress.h"
#include "Clock.h"
#include "PageClass.h"
#include "PageDrill.h"
#include "PracticeLog.h"
#include "ReportReader.h"
#include "SessionLog.h"
#include "Storage.h"
#include "WebTransport.h"

namespace {

emscripten::val ProgressValue(const Assignment& a, const AssignmentProgress& p, int32_t today) {
  emscripten::val v = emscripten::val::object();
  v.set("status", std::string(StatusText(p.status)));
  v.set("progress", ProgressText(a, p));
  v.set("done", static_cast<double>(p.done));
  v.set("goal", static_cast<double>(p.goal));
  v.set("open", IsOpen(a, p, today));
  return v;
}

emscripten::val ProgressList(const std::vector<Assignment>& as, const std::vector<AssignmentProgress>& ps, int32_t today) {
  emscripten::val out = emscripten::val::array();
  for (size_t n = 0; n < as.size() && n < ps.size(); ++n) out.set(n, ProgressValue(as[n], ps[n], today));
  return out;
}

int32_t Today() { return static_cast<int32_t>(CoreClock().Today()); }

}  // namespace

class WebAssignments {
 public:
  explicit WebAssignments(const std::string& catalogueText) {
    catalogue_.LoadFromText(catalogueText);
    lists_ = ListsOf(catalogue_);
    SetPageAssignmentColumns([this](bool dueThisWeekOnly) { return Columns(dueThisWeekOnly); });
  }
  ~WebAssignments() {
    SetPageFolderJudge({});
    SetPageAssignmentColumns(nullptr);
  }
  WebAssignments(const WebAssignments&) = delete;
  WebAssignments& operator=(const WebAssignments&) = delete;

  // The catalogue's set classes of a cardinality (3 or 4), as the filter window lists and labels them.
  emscripten::val Classes(int cardinality) const {
    CardinalityList list;
    const int length = FillCardinalityList(catalogue_, cardinality == 4 ? 4 : 3, list);
    const std::vector<std::string>& names = cardinality == 4 ? lists_.tetrachords : lists_.trichords;
    emscripten::val out = emscripten::val::array();
    for (int i = 0; i < length && static_cast<size_t>(i) < names.size(); ++i) {
      emscripten::val c = emscripten::val::object();
      c.set("name", names[static_cast<size_t>(i)]);
      c.set("label", FormatSetClassLabel(*list.items[static_cast<size_t>(i)]));
      out.set(i, c);
    }
    return out;
  }

  // Starts reading <class>/assignments.txt; '' when it reads (done(answer)
  // follows), else the English text of why not, said before any request.
  std::string Read(const std::string& address, const std::string& account, const std::string& password,
                   emscripten::val done) {
    const AddressCheck check = ParseClassAddress(address);
    if (check.fault != AddressFault::None) return AddressFaultMessage(check.fault);
    if (!IsUsableAccount(account)) return "The account name cannot name a folder of the class.";
    place_ = std::make_unique<ServerAssignments>(ClassConnection{check.address, {account, password}}, PageTransport(),
                                                 PageScheduler());
    // Kept beside the page's files: a reopen asks only whether it changed.
    place_->KeepCopy(DataStorage(), AssignmentsCopyName(check.address));
    place_->Read([this, done](AssignmentsAnswer answer) { Answered(std::move(answer), done); });
    return {};
  }

  // The whole list replaces the file as last read; done(answer) as Read's.
  void Write(emscripten::val list, emscripten::val done) {
    if (!place_) {
      done(AnswerValue(AssignmentsOutcome::Failed, ClassFault::ServerFault));
      return;
    }
    std::vector<Assignment> assignments;
    const int n = list.isArray() ? list["length"].as<int>() : 0;
    for (int i = 0; i < n; ++i) assignments.push_back(AssignmentOf(list[i]));
    place_->Write(assignments, [this, done](AssignmentsAnswer answer) { Answered(std::move(answer), done); });
  }

  // Why the teacher's assignment may not be saved, as both editors say it
  // (English), and the field to go to: {field: '' when it may, 'title',
  // 'classes', 'start', 'due' or 'goal', why}.
  emscripten::val Check(emscripten::val value) const {
    const AssignmentProblem problem = CheckEditedAssignment(AssignmentOf(value), lists_);
    const char* fields[] = {"", "title", "classes", "start", "due", "goal"};
    emscripten::val out = emscripten::val::object();
    out.set("field", std::string(fields[static_cast<int>(problem.field)]));
    out.set("why", problem.why);
    return out;
  }

  // The person's own progress in the assignments last read, from the page's
  // logs, and what is due this week: {progress: [...], due: {count, items: [{title, due}]}}.
  emscripten::val Own(const std::string& person) const {
    const int32_t today = Today();
    const auto progress = OwnProgress(file_.assignments, lists_, person, today, kReportFileName, kPracticeFileName)
                              .value_or(std::vector<AssignmentProgress>(file_.assignments.size()));
    const DueNotice notice = DueNoticeOf(file_.assignments, progress, today);
    emscripten::val items = emscripten::val::array();
    for (size_t i = 0; i < notice.items.size(); ++i) {
      emscripten::val item = emscripten::val::object();
      item.set("title", notice.items[i].title);
      item.set("due", IsoDate(notice.items[i].due));
      items.set(i, item);
    }
    emscripten::val due = emscripten::val::object();
    due.set("count", notice.count);
    due.set("items", items);
    emscripten::val out = emscripten::val::object();
    out.set("progress", ProgressList(file_.assignments, progress, today));
    out.set("due", due);
    out.set("today", IsoDate(today));
    return out;
  }

  // --- the teacher's overview ---
  // The account folders the overview reads from now on are judged against
  // the assignments last read; ClassDone keeps them once the read ended well.
  void BeginClass() {
    pending_ = std::make_unique<AssignmentJudge>(file_.assignments, lists_);
    // Without assignments the overview keeps its cache of each folder's figures.
    if (file_.assignments.empty()) return;
    SetPageFolderJudge(KeptFolderJudge([this]() { return pending_.get(); }));
  }
  void ClassDone(bool read) {
    SetPageFolderJudge({});
    if (read && pending_) {
      judged_ = std::move(pending_);
      judgedToday_ = Today();
    }
    pending_.reset();
  }
  // The overview's columns of the assignments last judged: all of them, or those due this week.
  ClassAssignmentColumns Columns(bool dueThisWeekOnly) const {
    if (!judged_) return {};
    return MakeClassAssignmentColumns(judged_->Assignments(), judged_->Rows(judgedToday_), dueThisWeekOnly,
                                      judgedToday_);
  }

 private:
  static emscripten::val AnswerValue(AssignmentsOutcome outcome, ClassFault fault) {
    emscripten::val v = emscripten::val::object();
    const char* names[] = {"done", "changed", "notTeacher", "notWritten", "failed"};
    v.set("outcome", std::string(names[static_cast<int>(outcome)]));
    v.set("message", std::string(outcome == AssignmentsOutcome::Failed ? ClassFaultMessage(fault)
                                                                       : AssignmentsOutcomeMessage(outcome)));
    return v;
  }

  void Answered(AssignmentsAnswer answer, const emscripten::val& done) {
    // A failed read or write keeps what was shown.
    if (answer.outcome != AssignmentsOutcome::Failed) file_ = std::move(answer.file);
    emscripten::val v = AnswerValue(answer.outcome, answer.fault);
    emscripten::val list = emscripten::val::array();
    for (size_t i = 0; i < file_.assignments.size(); ++i) list.set(i, AssignmentValue(file_.assignments[i]));
    v.set("assignments", list);
    emscripten::val warnings = emscripten::val::array();
    for (size_t i = 0; i < file_.warnings.size(); ++i) {
      emscripten::val w = emscripten::val::object();
      w.set("line", file_.warnings[i].line);
      w.set("why", file_.warnings[i].why);
      warnings.set(i, w);
    }
    v.set("warnings", warnings);
    done(v);
  }

  Catalogue catalogue_;
  PracticeLists lists_;
  std::unique_ptr<ServerAssignments> place_;
  AssignmentFile file_;
  std::unique_ptr<AssignmentJudge> pending_, judged_;
  int32_t judgedToday_ = 0;
};

EMSCRIPTEN_BINDINGS(sonorix_assign) {
  emscripten::class_<WebAssignments>("WebAssignments")
      .constructor<std::string>()
      .function("classes", &WebAssignments::Classes)
      .function("read", &WebAssignments::Read)
      .function("write", &WebAssignments::Write)
      .function("check", &WebAssignments::Check)
      .function("own", &WebAssignments::Own)
      .function("beginClass", &WebAssignments::BeginClass)
      .function("classDone", &WebAssignments::ClassDone);
}

namespace {
FolderJudge& PageJudge() {
  static FolderJudge judge;
  return judge;
}
}  // namespace

const FolderJudge& PageFolderJudge() { return PageJudge(); }
void SetPageFolderJudge(FolderJudge judge) { PageJudge() = std::move(judge); }

namespace {
PageAssignmentColumnsFn& Columns() {
  static PageAssignmentColumnsFn columns;
  return columns;
}
}  // namespace

ClassAssignmentColumns PageAssignmentColumns(bool dueThisWeekOnly) {
  return Columns() ? Columns()(dueThisWeekOnly) : ClassAssignmentColumns{};
}
void SetPageAssignmentColumns(PageAssignmentColumnsFn columns) { Columns() = std::move(columns); }
