// The drill window's catalogue and its view of the drilled cardinality.
#include "DrillWindow.h"

void TForm1::LoadCatalogue() {
  // The only data-file failure the student is told about.
  if (!catalogue.Load("ftclass.dat")) setWindowTitle(tr("File Error!"));
}

int TForm1::FillCardinalityList(int cardinality) {
  currentList.length = ::FillCardinalityList(catalogue, cardinality, currentList);
  return currentList.length;
}

const SetClassEntry* TForm1::ListEntry(int listIndex) const {
  if (listIndex < 0 || listIndex >= currentList.length) return nullptr;
  return currentList.items[static_cast<size_t>(listIndex)];
}

std::string TForm1::FormatSetClassLabel(int listIndex) const {
  const SetClassEntry* entry = ListEntry(listIndex);
  return entry ? ::FormatSetClassLabel(*entry) : std::string();
}
