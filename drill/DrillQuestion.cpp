// The drill window's questions, playback and session log: the drill's own,
// under the names the other windows call.
#include "DrillWindow.h"

void TForm1::GenerateQuestion() { session_->GenerateQuestion(); }

void TForm1::PlayQuestion() { session_->PlayQuestion(); }

bool TForm1::SetNoteCount(int noteCount) { return session_->SetNoteCount(noteCount); }

void TForm1::Button2Click() { session_->Arpeggiate(true); }

void TForm1::Button3Click() { session_->Arpeggiate(false); }

void TForm1::WriteStartRecord() { session_->WriteStartRecord(); }

void TForm1::WriteFilterRecord(const FilterState& state) { session_->WriteFilterRecord(state); }

void TForm1::WriteSegmentRecord() { session_->WriteSegmentRecord(); }
