#include "SxfiltersAccess.h"

#include <QCheckBox>
#include <QPushButton>

#include "Accessible.h"
#include "RadioGroup.h"
#include "Sxfilters.h"

void MakeFilterWindowAccessible(TFilterForm* f) {
  if (!f) return;
  Describe(f->RadioGroup2, QStringLiteral("Cardinality"),
           QStringLiteral("Trichords or tetrachords; changing it enables every set class of that cardinality"));
  Describe(f->RadioGroup1, QStringLiteral("Range"), QStringLiteral("How widely the notes of a question are spread"));
  Describe(f->SaveBox, {}, QStringLiteral("Saves these settings for the next login when the window closes"));
  Describe(f->Button1, {}, QStringLiteral("Closes the window and drills what is checked. Key: Enter"));
  Describe(f->AllButton1, {}, QStringLiteral("Checks every set class"));
  Describe(f->NoneButton1, {}, QStringLiteral("Clears every set class"));
  Describe(f->Bevel1, QStringLiteral("Set classes"), {});
  for (QCheckBox* box : f->SetClassBoxes) Describe(box, {}, QStringLiteral("Drill this set class"));

  // The choices first, then the set classes, then saving and OK.
  std::vector<QWidget*> order = RadioItems(f->RadioGroup2);
  for (QWidget* item : RadioItems(f->RadioGroup1)) order.push_back(item);
  order.push_back(f->AllButton1);
  order.push_back(f->NoneButton1);
  for (QCheckBox* box : f->SetClassBoxes) order.push_back(box);
  order.push_back(f->SaveBox);
  order.push_back(f->Button1);
  ChainTabOrder(order);
}
