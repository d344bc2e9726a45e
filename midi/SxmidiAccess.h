// The MIDI setup window's controls named for screen readers.
#pragma once

class TMidiForm;

void MakeMidiWindowAccessible(TMidiForm* form);
