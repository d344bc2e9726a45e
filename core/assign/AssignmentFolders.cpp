#include "AssignmentFolders.h"

#include "PracticeLog.h"
#include "ReportReader.h"

void JudgeFolder(AssignmentJudge& judge, const std::string& person, const FolderFiles& folder) {
  judge.AddPerson(person);
  ReportLogReader reader([&judge, &person](LoggedDrill&& drill) {
    drill.person = person;
    judge.AddDrill(drill);
  });
  reader.Feed(JoinedParts(folder, "report.dat"));
  reader.Finish();
  PracticeLog practice = ParsePracticeLines(JoinedParts(folder, "practice.dat"));
  for (PracticeRecord& r : practice.records) {
    r.person = person;
    judge.AddPractice(r);
  }
}

FolderJudge KeptFolderJudge(std::function<AssignmentJudge*()> judge) {
  AssignmentJudge* now = judge();
  FolderJudge out;
  if (!now) return out;
  out.key = now->Key();
  out.judge = [judge](const std::string& account, const FolderFiles& files) {
    AssignmentJudge* into = judge();
    if (!into) return std::string();
    // Judged alone, so that what is kept is this folder's work only.
    AssignmentJudge one = into->Blank();
    JudgeFolder(one, PersonKey(account), files);
    std::string kept = one.TalliesText();
    into->AddTalliesText(kept);
    return kept;
  };
  out.again = [judge](const std::string&, std::string_view kept) {
    AssignmentJudge* into = judge();
    return into && into->AddTalliesText(kept);
  };
  return out;
}
