// Class > "Assignments…" in the drill window: where the class's assignments
// are (the class on its server once joined with a password, else the data
// folder, which is the lab's class folder when shared), the assignment
// started in the drill window, and the line after each login that says
// what is due.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "AssignmentDrill.h"
#include "AssignmentStore.h"
#include "AssignmentTexts.h"
#include "QtScheduler.h"

class QAction;
class QLabel;
class TClassMenu;
class TForm1;

class TAssignmentsMenu : public QObject {
  Q_OBJECT
 public:
  TAssignmentsMenu(TForm1& drill, TClassMenu& classMenu);
  ~TAssignmentsMenu() override;
  static TAssignmentsMenu* Of(const QObject* window);

  // The place as the device is now: a class joined, or the data folder.
  AssignmentsPlace& Place();
  // A class is joined but its password is not known this time: its
  // assignments cannot be read, and the data folder's are not the class's.
  bool PasswordNeeded() const;
  // The teacher writes the data folder's file; on a class server only the
  // server decides, and a student's account is told so.
  bool MayEdit() const;
  PracticeLists Lists() const;
  std::string Person() const;
  TForm1& Drill() { return drill_; }

  // "Start": the assignment's settings in force, its title in the window's.
  // False, with nothing changed, when the catalogue lacks one of its classes.
  bool Start(const Assignment& assignment);
  // "Stop": the student's own settings back.
  void Stop();
  const AssignmentRun& Run() const { return run_; }

  // Reads the assignments and says on the status line what is due.
  void TellWhatIsDue();

  void Assignments1Click();

  QAction* Assignments1 = nullptr;
  QLabel* DueLabel = nullptr;

 private:
  void ShowTitle();

  TForm1& drill_;
  TClassMenu& classMenu_;
  QtScheduler scheduler_;
  FolderAssignments folder_;
  std::unique_ptr<ServerAssignments> server_;
  std::unique_ptr<AssignmentsPlace> withoutPassword_;
  std::string serverKey_;
  AssignmentRun run_;
  QString title_;  // the drill window's own title
  int asked_ = 0;  // a newer notice makes an older answer stale
};

// After the Class menu and the login window are made.
TAssignmentsMenu* InstallAssignmentsMenu(TForm1* drill);

// The texts of the assignments in the student's language.
QString DueNoticeLine(const DueNotice& notice);
QString DayText(int32_t day);
