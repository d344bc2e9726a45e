#include "SxfiltersAccess.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QPushButton>

#include "Accessible.h"
#include "RadioGroup.h"
#include "Sxfilters.h"

void MakeFilterWindowAccessible(TFilterForm* f) {
  if (!f) return;
  Describe(f->RadioGroup2, QCoreApplication::translate("Accessibility", "Cardinality"),
           QCoreApplication::translate("Accessibility", "Trichords or tetrachords; changing it enables every set class of that cardinality"));
  Describe(f->RadioGroup1, QCoreApplication::translate("Accessibility", "Range"), QCoreApplication::translate("Accessibility", "How widely the notes of a question are spread"));
  Describe(f->SaveBox, {}, QCoreApplication::translate("Accessibility", "Saves these settings for the next login when the window closes"));
  Describe(f->Button1, {}, QCoreApplication::translate("Accessibility", "Closes the window and drills what is checked. Key: Enter"));
  Describe(f->AllButton1, {}, QCoreApplication::translate("Accessibility", "Checks every set class"));
  Describe(f->NoneButton1, {}, QCoreApplication::translate("Accessibility", "Clears every set class"));
  Describe(f->Bevel1, QCoreApplication::translate("Accessibility", "Set classes"), {});
  for (QCheckBox* box : f->SetClassBoxes) Describe(box, {}, QCoreApplication::translate("Accessibility", "Drill this set class"));

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
