// The sing log sing.dat: one line per sung try, only ever appended to, in the
// style of practice.dat. Audio is never in it: the notes heard and their
// deviations only.
//
// A line, fields separated by one blank, CR LF at its end:
//
//   2026-12-08T06:03:54 4-Z15 C A 2 62 63+12,66-8,68+3 R 1 7f07e472 Mary Ann Lee
//
//   1. local date and time the try ended, yyyy-mm-ddThh:mm:ss
//   2. the set class, cardinality-name ("3-11", "4-Z15")
//   3. the exercise: B sing it back, C sing the class, X the class in any form
//   4. the form: A prime, B inverted
//   5. the starting pitch class, 0..11 (Back: the first played note's)
//   6. the MIDI notes played, comma-separated
//   7. the notes sung, each as its nearest MIDI note and signed cents
//      ("63+12", "66-8", "68+0"), comma-separated; "-" when none was heard
//   8. the verdict: R right, W wrong
//   9. the try at this question: 1 the first, 2 the next ...
//  10. check: FNV-1a 32-bit of the line without this field, 8 lower-case hex digits
//  11. the person's name, to the end of the line, escaped as in practice.dat
//
// A line that does not read back exactly so, or fails its check, is skipped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClassFigures.h"
#include "SingExercise.h"
#include "SingJudge.h"

inline constexpr const char* kSingFileName = "sing.dat";

struct SungPitch {
  int32_t midi = 60;  // nearest note
  int32_t cents = 0;  // -50..50
};

struct SingRecord {
  int32_t day = 0;          // local date, days since 30 December 1899
  int32_t secondOfDay = 0;  // 0..86399
  std::string setClass;     // "4-Z15"
  char exercise = 'B';      // B, C or X
  int32_t form = 0;         // 0 A, 1 B
  int32_t startPitchClass = 0;
  std::vector<int32_t> played;
  std::vector<SungPitch> sung;
  bool right = false;
  int32_t attempt = 1;
  std::string person;

  bool FirstTryRight() const { return attempt == 1 && right; }
};

// The record of one judged try, dated now.
SingRecord MakeSingRecord(const SingExercise& exercise, const std::vector<SungNote>& sung,
                          const SingVerdict& verdict, int attempt, const std::string& person);

std::string SingLine(const SingRecord& record);
std::optional<SingRecord> ParseSingLine(std::string_view line);

struct SingLog {
  std::vector<SingRecord> records;  // in file order
  int32_t lines = 0;
  int32_t damaged = 0;
};

// Any bytes, CR LF or LF; stops at a Ctrl-Z followed by nothing but line
// breaks. With a person given, only that person's records.
SingLog ParseSingLog(std::string_view text, const std::string* person = nullptr);
// A missing file is an empty log; nullopt when it exists but cannot be read.
std::optional<SingLog> LoadSingLog(const std::string& fileName, const std::string* person = nullptr);
// Appends under the file's lock, on a fresh line, and hands the line to the
// class (FileDrillPart, as sing.dat) once written. False when not written.
bool AppendSingRecord(const std::string& fileName, const SingRecord& record);

// What My Progress, the Class Overview and sonorix-class show.
struct SingCounts {
  int32_t sung = 0;           // questions sung (first tries)
  int32_t firstTryRight = 0;  // of them right at the first try
};
SingCounts CountSing(const SingLog& log, const std::string* person = nullptr);
// Adds each person's counts to the class's rows, a row made for a new name.
void AddClassSinging(std::vector<PersonFigures>& rows, const SingLog& log);
