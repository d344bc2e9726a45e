// The MIDI keyboard window's controls named for screen readers.
#pragma once

class TKeyboardForm;

void MakeKeyboardWindowAccessible(TKeyboardForm* form);
