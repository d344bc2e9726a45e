// The statuses of a class as a table: CSV for a spreadsheet, JSON for a program.
#include <cstdio>

#include "Assignments.h"
#include "ProgressFigures.h"

namespace {

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (char c : Utf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string AssignmentsCsv(const std::vector<Assignment>& assignments, const std::vector<PersonAssignments>& rows) {
  std::string csv = "name";
  for (const Assignment& a : assignments) {
    csv += ',';
    csv += CsvField(Utf8(a.title) + " status");
    csv += ',';
    csv += CsvField(Utf8(a.title) + " progress");
  }
  csv += "\r\n";
  for (const PersonAssignments& row : rows) {
    csv += CsvField(row.name);
    for (size_t n = 0; n < assignments.size() && n < row.progress.size(); ++n) {
      csv += ',';
      csv += StatusText(row.progress[n].status);
      csv += ',';
      csv += ProgressText(assignments[n], row.progress[n]);
    }
    csv += "\r\n";
  }
  return csv;
}

std::string AssignmentsJson(const std::vector<Assignment>& assignments, const std::vector<PersonAssignments>& rows) {
  std::string json = "[";
  for (size_t i = 0; i < rows.size(); ++i) {
    json += i == 0 ? "\n  {\"name\": " : ",\n  {\"name\": ";
    json += JsonText(rows[i].name);
    json += ", \"assignments\": [";
    for (size_t n = 0; n < assignments.size() && n < rows[i].progress.size(); ++n) {
      const AssignmentProgress& p = rows[i].progress[n];
      json += n == 0 ? "{\"title\": " : ", {\"title\": ";
      json += JsonText(assignments[n].title);
      json += ", \"status\": \"";
      json += StatusText(p.status);
      json += "\", \"progress\": \"" + ProgressText(assignments[n], p) + "\", \"done\": " + std::to_string(p.done) +
              ", \"goal\": " + std::to_string(p.goal) + ", \"due\": \"" + IsoDate(assignments[n].due) + "\"}";
    }
    json += "]}";
  }
  json += rows.empty() ? "]\n" : "\n]\n";
  return json;
}
