#include "NextQuestionPause.h"

#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "DataFile.h"
#include "DrillWindow.h"

int PauseBeforeNextQuestion() {
  const QSettings file(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  const int seconds = file.value(QStringLiteral("Drill/PauseBeforeNextQuestion"), 0).toInt();
  return std::clamp(seconds, 0, kMaxPauseBeforeNextQuestion);
}

void PlayNextQuestion(TForm1* form) {
  const int seconds = PauseBeforeNextQuestion();
  if (seconds == 0) {
    form->PlayQuestion();
    return;
  }
  // The question as it was made: a later right answer makes another one.
  // The question as it was made; a later right answer, a new drill or a
  // change of cardinality makes another one (a wrong answer changes only
  // the question's last wrong row).
  const QuestionState asked = form->question;
  const int correct = form->CorrectCount;
  const uint32_t start = form->DrillStart;
  QTimer::singleShot(seconds * 1000, form, [form = QPointer<TForm1>(form), asked, correct, start] {
    if (!form || !form->Drilling || form->CorrectCount != correct || form->DrillStart != start) return;
    const QuestionState& now = form->question;
    if (now.listIndex != asked.listIndex || now.noteCount != asked.noteCount || now.isFormB != asked.isFormB ||
        std::memcmp(now.playedNotes, asked.playedNotes, sizeof asked.playedNotes) != 0)
      return;
    form->PlayQuestion();
  });
}
