// A second copy of the program ending drills into the same folder: it opens
// the score window's opening sequence once per drill, each drill with its own
// number of right answers, after a file "go" appears.
//   score_drill_writer <first correct count> <step> <drills>
#include <QApplication>
#include <cstdlib>
#include <string>

#include "Application.h"
#include "DrillWindow.h"
#include "Platform.h"
#include "Sxerrorform.h"
#include "DrillEnd.h"
#include "Sxscore.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int first = std::atoi(argv[1]);
  const int step = std::atoi(argv[2]);
  const int drills = std::atoi(argv[3]);
  // Every drill lasted 100 s.
  PlatformTimeHooks hooks;
  hooks.tickCount = [] { return 100000u; };
  PlatformSetTimeHooks(hooks);
  CreateSonorixWindows();
  while (!PlatformFileExists("go")) PlatformSleep(1);
  for (int i = 0; i < drills; ++i) {
    Form1->DrillStart = 0;
    Form1->CorrectCount = first + i * step;
    Form1->IncorrectCount = 0;
    Form1->FiltersUsed = false;
    // One right answer to 3-1 in each drill.
    ErrorReport->ClearSession();
    AddCorrectAnswer(ErrorReport->SessionStats, 0, 0, 0);
    const DrillResult ended = Form1->Session().Result(true);
    Form2->ShowEndedDrill(ended, SaveDrillResult(ended));
    Form2->FormClose();
  }
  DestroySonorixWindows();
  return 0;
}
