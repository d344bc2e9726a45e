// The drill window's catalogue and its view of the drilled cardinality, kept
// by the drill; the window shows the answer list.
#include <QListWidget>

#include "DrillWindow.h"

void TForm1::LoadCatalogue() {
  // The only data-file failure the student is told about.
  if (!session_->ReadCatalogue("ftclass.dat")) setWindowTitle(tr("File Error!"));
}

int TForm1::FillCardinalityList(int cardinality) { return session_->UseCardinality(cardinality); }

const SetClassEntry* TForm1::ListEntry(int listIndex) const { return session_->EntryAt(listIndex); }

std::string TForm1::FormatSetClassLabel(int listIndex) const { return session_->LabelAt(listIndex); }

void TForm1::SetAnswerList(const int32_t* listIndices, int count) {
  ListBox->clear();
  for (int r = 0; r < count && r < kMaxListLength; ++r)
    ListBox->addItem(QString::fromStdString(FormatSetClassLabel(listIndices[r])));
  session_->SetAnswerRows(listIndices, count);
}
