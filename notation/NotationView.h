// The picture of one or two sets of notes, drawn with QPainter: a grand staff
// with clefs, ledger lines, accidentals and seconds set beside each other, each
// note's name, the set class line with its interval-class vector, and a keyboard
// with the keys pressed. With two sets (the class heard and the class named) each
// has its own colour and label, the notes of the second are drawn as diamonds
// on the keyboard, and the interval classes in which they differ are underlined:
// colour is never the only difference.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "Notation.h"

struct QuestionState;
struct SetClassEntry;
enum class PlayManner;

struct PictureSet {
  QString label;                          // "Heard", "You named", …
  std::vector<std::vector<int>> columns;  // MIDI notes; each inner list sounds together
  const SetClassEntry* entry = nullptr;   // its set class, for the set class line
};

// The question's notes as they sounded: one chord, one note after another, or
// a figure with the joined pair together.
std::vector<std::vector<int>> QuestionColumns(const QuestionState& question, PlayManner manner);
// The set class in close position from `lowest`, as one chord.
std::vector<std::vector<int>> ClosePosition(const SetClassEntry& entry, int lowest);

class TNotationView : public QWidget {
  Q_OBJECT
 public:
  explicit TNotationView(QWidget* parent = nullptr);

  // One set, or two shown side by side; nothing for none.
  void SetPicture(std::vector<PictureSet> sets);
  bool HasPicture() const { return !sets_.empty(); }
  // Said by a screen reader: "C♯4, E4, G♯4: 3-11, prime form 0 3 7", and for a
  // second set its own, and the interval classes in which the two differ.
  QString TextEquivalent() const;
  // Interval classes (1 to 6) in which the two sets' vectors differ.
  std::vector<int> DifferingIntervalClasses() const;

  // Pixels between two staff lines: 10 at 100 %, growing with View › Zoom.
  static double StaffSpace();
  static QColor SetColour(int set);
  // The note names' language, from the program's.
  static notation::Language NameLanguage();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Laid {
    PictureSet set;
    notation::Group group;
    std::vector<int> notes;
    double x = 0, width = 0;  // where its bar stands
  };
  void Arrange();
  double StaffTop() const;
  double YOf(notation::Clef clef, int position) const;

  std::vector<Laid> sets_;
  notation::Keyboard keyboard_;
  double width_ = 0;
};
