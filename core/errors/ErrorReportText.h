// The text of the error report: one block of lines per set class that was
// answered, built from the statistics and the catalogue, without widgets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "ErrorStats.h"

// What the report breaks its figures down by: the check boxes of the window.
struct ReportOptions {
  bool forms = true;        // "A and B sets"
  bool rips = true;         // "RIPs", inside the form breakdown
  bool confusions = false;  // "Confused with"
};

// "3-11", "4-Z15".
std::string SetClassName(const SetClassEntry& entry);
// The pitch classes: "[0, 3, 7]".
std::string FormatPrimeForm(const SetClassEntry& entry);
// A row of the RIP table of a form: "<0, 3, 7>"; row 16 reads "<0, 0, 0>".
// Empty for a form or row outside the table.
std::string FormatRip(const SetClassEntry& entry, int form, int row);
// "%3.0f" of part * 100 / whole, in floating point; "  0" when whole is not
// positive, so no figure ever divides by zero.
std::string FormatShare(int64_t part, int64_t whole);
// P(r, w): the share of right answers among r right and w wrong.
std::string FormatPercentage(int64_t r, int64_t w);

// The report's lines, in order, each without its line break; every block ends
// with an empty line. The set class of StatIndex s is the s-th trichord
// (s < 12) or the (s - 12)-th tetrachord of the catalogue, whatever is being
// drilled now. Classes without answers, and classes the catalogue lacks, add
// nothing.
std::vector<std::string> ErrorReportLines(const ErrorStats& stats, const Catalogue& catalogue,
                                          const ReportOptions& options);
// The same lines, each followed by "\n".
std::string ErrorReportText(const ErrorStats& stats, const Catalogue& catalogue, const ReportOptions& options);
