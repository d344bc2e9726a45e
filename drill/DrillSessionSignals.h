// The drill's news as Qt signals, for the windows.
#pragma once

#include <QObject>

#include "DrillSession.h"
#include "QtScheduler.h"

class DrillSessionSignals : public QObject, public DrillListener {
  Q_OBJECT
 public:
  // Listens to the drill until destroyed; the drill must outlive it.
  explicit DrillSessionSignals(DrillSession& drill, QObject* parent = nullptr);
  ~DrillSessionSignals() override;

  void DrillBeginning() override { emit drillBeginning(); }
  void DrillStarted() override { emit drillStarted(); }
  void QuestionAsked(const QuestionState& q) override { emit questionAsked(q); }
  void QuestionPlayed() override { emit questionPlayed(); }
  void QuestionWaiting(bool waiting) override { emit questionWaiting(waiting); }
  void AnswerJudged(const JudgedAnswer& a) override { emit answerJudged(a); }
  void CountsChanged() override { emit countsChanged(); }
  void DrillEnded(const DrillResult& r) override { emit drillEnded(r); }
  void ListChanged() override { emit listChanged(); }

 signals:
  void drillBeginning();
  void drillStarted();
  void questionAsked(const QuestionState& question);
  void questionPlayed();
  void questionWaiting(bool waiting);
  void answerJudged(const JudgedAnswer& answer);
  void countsChanged();
  void drillEnded(const DrillResult& result);
  void listChanged();

 private:
  DrillSession& drill_;
};
