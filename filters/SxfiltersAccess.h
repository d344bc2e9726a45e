// The filter window's controls named for screen readers, in reading order.
#pragma once

class TFilterForm;

void MakeFilterWindowAccessible(TFilterForm* form);
