// The progress and confusion windows, made anew at each opening, named for screen readers by their maker.
#pragma once

class TConfusionForm;
class TProgressForm;

void MakeProgressWindowAccessible(TProgressForm* window);
void MakeConfusionWindowAccessible(TConfusionForm* window);
