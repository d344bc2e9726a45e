// The practice log practice.dat: one line per practice question, only ever
// appended to. Practice never touches the drill's files; this is its record.
//
// A line, fields separated by one blank, CR LF at its end:
//
//   2026-12-08T06:03:54 3-11 B 0,3,7 3-5,3-11 N 12 7f07e472 Mary Ann Lee
//
//   1. local date and time the question ended, yyyy-mm-ddThh:mm:ss
//   2. the set class asked, cardinality-name ("3-11", "4-Z15")
//   3. the form: A, or B when the inversion was played and differs from A
//   4. the voicing pattern: semitones above the lowest note, from 0, comma-separated
//   5. the answers given, in order, comma-separated; "-" when none was given.
//      A wrong answer repeated at once is not given again, as in the drill.
//   6. revealed: N no, S by Show Answer, A automatically after wrong answers
//   7. whole seconds from the question to its end
//   8. check: FNV-1a 32-bit of the line without this field, 8 lower-case hex digits
//   9. the person's name, to the end of the line; it may hold blanks. A
//      backslash, CR, LF, NUL and Ctrl-Z are written \\, \r, \n, \0 and \z.
//
// A line that does not read back exactly so, or fails its check, is skipped.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kPracticeFileName = "practice.dat";

enum class Reveal : char { None = 'N', ByStudent = 'S', Automatic = 'A' };

struct PracticeRecord {
  int32_t day = 0;          // local date, days since 30 December 1899
  int32_t secondOfDay = 0;  // 0..86399
  std::string asked;        // "3-11"
  int32_t form = 0;         // 0 A, 1 B
  std::vector<int32_t> voicing;       // 0 first, then the upper notes' distances
  std::vector<std::string> answers;   // set class names, as asked is written
  Reveal reveal = Reveal::None;
  uint32_t seconds = 0;
  std::string person;

  // Right at the first answer, and not revealed before it.
  bool FirstTryRight() const { return reveal == Reveal::None && !answers.empty() && answers.front() == asked; }
  // Revealed or left without the right answer.
  bool Missed() const { return !FirstTryRight(); }
};

// The line without its CR LF. Fields that cannot be written as they are (an
// empty or blank-holding set class name) make it unreadable, never misread.
std::string PracticeLine(const PracticeRecord& record);
std::optional<PracticeRecord> ParsePracticeLine(std::string_view line);

struct PracticeLog {
  std::vector<PracticeRecord> records;  // in file order
  int32_t lines = 0;                    // non-empty lines
  int32_t damaged = 0;                  // lines skipped as damaged
};

// Any bytes; takes CR LF or LF. A Ctrl-Z ends the log only when nothing but
// line breaks follows it; elsewhere its line is damaged. With a person given,
// keeps only that person's records; other people's lines are passed over
// unchecked. The one reader of the log: every window and the scheduler use it.
PracticeLog ParsePracticeLog(std::string_view text, const std::string* person = nullptr);
// The log's text without a final Ctrl-Z and the line breaks after it.
std::string_view PracticeLogEnd(std::string_view text);
// The lines as they are, no end looked for: a part of the log.
PracticeLog ParsePracticeLines(std::string_view text, const std::string* person = nullptr);
// The file's bytes, Ctrl-Z included; nullopt when it cannot be read.
std::optional<std::string> ReadPracticeFileBytes(const std::string& fileName);
// A missing file is an empty log; nullopt when it exists but cannot be read.
std::optional<PracticeLog> LoadPracticeLog(const std::string& fileName, const std::string* person = nullptr);

// Appends the line and CR LF under a record lock on the file, after a CR LF of its own
// when the file does not end with a line break (a line cut short by a crash
// stays alone and is skipped). False when it could not be written.
bool AppendPracticeRecord(const std::string& fileName, const PracticeRecord& record);

// The text's lines without their CR LF or LF, empty ones passed over: every
// log of ours in this style is read line by line so.
void ForEachLogLine(std::string_view text, const std::function<void(std::string_view)>& take);
// "yyyy-mm-ddThh:mm:ss" back to the day and second; false for any other text.
bool ParsePracticeTime(std::string_view text, int32_t& day, int32_t& secondOfDay);
// "3-11", "4-Z15": a cardinality, a hyphen, then letters and digits.
bool ValidClassName(std::string_view name);

// FNV-1a 32-bit, the line check.
uint32_t PracticeHash(std::string_view bytes, uint32_t hash = 2166136261u);
// A line of a log in this style from its fields before the check: the
// head, a blank, the check of the head and the escaped name, a blank, the
// name. Every such log writes its lines through this.
std::string CheckedLogLine(const std::string& head, const std::string& person);
// The check field is the one CheckedLogLine writes for this head and name as written.
bool LogCheckMatches(std::string_view head, std::string_view check, std::string_view escapedName);
// The name as the log writes it, and back; nullopt for text no writer makes.
std::string EscapePracticeName(const std::string& name);
std::optional<std::string> UnescapePracticeName(std::string_view text);

// Day number of a civil date (proleptic Gregorian), and the reverse text.
int32_t DayOfCivil(int64_t year, int month, int day);
// "yyyy-mm-ddThh:mm:ss".
std::string PracticeTimeText(int32_t day, int32_t secondOfDay);
// The local date and time now; the date through the platform's clock, so a
// test that sets the day sets it here too.
void PracticeNow(int32_t& day, int32_t& secondOfDay);
