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
