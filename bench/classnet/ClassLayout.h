// A class folder on disk as the students' devices leave it on the server:
// <class>/<account>/ holding report.dat, practice.dat and errors.dat parts,
// each device's parts folded as it folds them (one range per stem grown
// whenever there are 8 files, errors added up; or, the older shape, 32 or so
// to a range with the statistics joined) and its latest drills still single. Records carry their real check values, written through the
// core's record writers, so a reader verifies them as it would a class's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ClassLayoutOptions {
  int students = 30;
  int schoolDays = 90;      // a term, ending today
  int drillsPerDay = 20;    // on the days a student drills, on average
  int practicePerWeek = 4;  // practice drills of about 25 questions
  uint32_t seed = 17;
  // One range per stem grown as the device folds today, or the older shape.
  bool cumulative = true;
  // A folded errors.dat part: the drills' statistics one after the other, or
  // added up into one.
  bool joinErrors = false;
};

// What was written, to check a reader's figures against.
struct ClassLayoutFigures {
  int64_t files = 0;
  int64_t bytes = 0;
  int64_t reportRecords = 0;    // S, F and D lines
  int64_t practiceLines = 0;
  int64_t coveredFiles = 0;     // single parts a range covers
  int64_t tampered = 0;         // D records whose check value was changed
  struct Account {
    std::string account;
    std::string person;         // the name typed at the login
    int64_t drills = 0;         // drills with a verified segment
    int64_t right = 0;          // over the verified segments
    int64_t wrong = 0;
    int64_t practiceQuestions = 0;
    int64_t errorAnswers = 0;   // counted in its errors.dat parts
  };
  std::vector<Account> accounts;
};

// Writes the layout under `folder` (made when missing; the class is its last
// name) and returns its figures; the accounts are s001, s002 ...
ClassLayoutFigures WriteClassLayout(const std::string& folder, const ClassLayoutOptions& options);

// Reads the layout back as a reader should: per account, the parts no range
// covers, joined in the order of their numbers. Empty when it matches the
// figures; otherwise what differs, one line each.
std::string CheckClassLayout(const std::string& folder, const ClassLayoutFigures& figures);
