#include "Catalogue.h"

#include <cstdio>

#include "Atonalfunctions.h"
#include "Storage.h"
#include "TokenReader.h"

// ftclass.dat holds Forte's table of the set classes of cardinality 2 to 12,
// one record per set class: cardinality, prime form, name, trailing number.
// The trailing number we ship is the size of the set class: how many distinct
// pitch-class sets its transpositions and inversions make (24 for most, 12
// for an inversionally symmetric class such as 3-1, 4 for 3-12, 1 for 12-1);
// the sizes of one cardinality n add up to 12-choose-n. Nothing reads it.

namespace {

constexpr size_t kMaxNameLength = 4;

std::unique_ptr<SetClassEntry> MakeEntry(const char* name, int32_t cardinality) {
  auto entry = std::make_unique<SetClassEntry>();
  entry->name = name;
  entry->cardinality = cardinality;
  return entry;
}

// What the drill can rely on: pitch classes 0..11, strictly ascending and
// beginning on 0, a name the login's 4-character slot can hold.
bool ValidRecord(const SetClassEntry& entry) {
  if (entry.name.size() > kMaxNameLength) return false;
  for (int32_t i = 0; i < entry.cardinality; ++i) {
    const int32_t pc = entry.pitchClasses[i];
    if (pc < 0 || pc > 11) return false;
    if (i == 0 ? pc != 0 : pc <= entry.pitchClasses[i - 1]) return false;
  }
  return true;
}

PitchClassSet AsSet(const SetClassEntry& entry) {
  PitchClassSet set;
  set.count = entry.cardinality;
  for (int32_t i = 0; i < entry.cardinality; ++i) set.elements[i] = entry.pitchClasses[i];
  return set;
}

// The voicings of one form, rotation by rotation: the close chord on each
// lowest note first, then the spread positions with upper notes an octave up.
void FillRipRows(int32_t n, int32_t base[4], int32_t rows[17][3]) {
  int32_t x[4] = {base[0], base[1], base[2], n == 4 ? base[3] : 0};
  for (int32_t k = 0; k < n; ++k) {
    if (n == 3) {
      int32_t* a = rows[2 * k];
      int32_t* b = rows[2 * k + 1];
      a[0] = x[1] - x[0], a[1] = x[2] - x[0];
      b[0] = x[2] - x[0], b[1] = x[1] + 12 - x[0];
    } else {
      int32_t* r = rows[4 * k];
      r[0] = x[1] - x[0], r[1] = x[2] - x[0], r[2] = x[3] - x[0];
      r = rows[4 * k + 1];
      r[0] = x[2] - x[0], r[1] = x[3] - x[0], r[2] = x[1] + 12 - x[0];
      r = rows[4 * k + 2];
      r[0] = x[1] - x[0], r[1] = x[3] - x[0], r[2] = x[2] + 12 - x[0];
      r = rows[4 * k + 3];
      r[0] = x[3] - x[0], r[1] = x[1] + 12 - x[0], r[2] = x[2] + 12 - x[0];
    }
    // The next rotation has the next note as its lowest.
    const int32_t lowest = x[0];
    for (int32_t i = 0; i < n - 1; ++i) x[i] = x[i + 1];
    x[n - 1] = lowest + 12;
  }
}

void FillRipTable(SetClassEntry& entry) {
  const int32_t n = entry.cardinality;
  if (n != 3 && n != 4) return;
  int32_t formA[4] = {};
  int32_t formB[4] = {};
  for (int32_t i = 0; i < n; ++i) {
    formA[i] = entry.pitchClasses[i];
    formB[i] = entry.pitchClasses[n - 1] - entry.pitchClasses[n - 1 - i];
  }
  FillRipRows(n, formA, entry.rip[0]);
  FillRipRows(n, formB, entry.rip[1]);
}

}  // namespace

void Catalogue::Clear() {
  for (auto& entry : entries_) entry.reset();
}

bool Catalogue::Load(const std::string& fileName) {
  std::optional<std::string> text = DataStorage().Read(fileName);
  if (!text) {
    Clear();
    entries_[0] = MakeEntry("null", 0);
    entries_[1] = MakeEntry("1", 1);
    return false;
  }
  LoadFromText(*text);
  return true;
}

// Records are read by formatted extraction, 222 of them, without a count in
// the file. A damaged file is handled so that every entry present can be
// drilled safely:
//  - a token that cannot be read (missing, not a number where one is due, or
//    beyond 32 bits) fails the reading as it would fail a stream: the record
//    in progress and every later one stay absent;
//  - so does a cardinality outside 0..12, since the record's length is then
//    unknown;
//  - a complete record whose pitch classes are not 0..11, ascending from 0,
//    or whose name is longer than 4 characters leaves its own slot absent;
//    reading goes on with the next record, so later records keep their
//    catalogue indices.
int Catalogue::LoadFromText(std::string_view text) {
  Clear();
  entries_[0] = MakeEntry("null", 0);
  entries_[1] = MakeEntry("1", 1);

  TokenReader reader(text);
  int kept = 0;
  for (int record = 0; record < kFileRecords; ++record) {
    auto entry = std::make_unique<SetClassEntry>();
    if (!reader.ReadInt(entry->cardinality)) break;
    if (entry->cardinality < 0 || entry->cardinality > 12) break;
    bool complete = true;
    for (int32_t i = 0; i < entry->cardinality && complete; ++i) complete = reader.ReadInt(entry->pitchClasses[i]);
    complete = complete && reader.ReadToken(entry->name) && reader.ReadInt(entry->trailingNumber);
    if (!complete) break;
    if (!ValidRecord(*entry)) continue;
    entries_[2 + record] = std::move(entry);
    ++kept;
  }

  for (auto& entry : entries_) {
    if (!entry) continue;
    PitchClassSet inversion;
    entry->hasDistinctInversion = HasDistinctInversion(AsSet(*entry), inversion);
    FillRipTable(*entry);
  }
  return kept;
}

const SetClassEntry* Catalogue::Entry(int catalogueIndex) const {
  if (catalogueIndex < 0 || catalogueIndex >= kCatalogueSize) return nullptr;
  return entries_[static_cast<size_t>(catalogueIndex)].get();
}

int FillCardinalityList(const Catalogue& catalogue, int cardinality, CardinalityList& list) {
  int stored = 0;
  for (int i = 0; i < kCatalogueSize; ++i) {
    const SetClassEntry* entry = catalogue.Entry(i);
    if (!entry || entry->cardinality != cardinality) continue;
    // A damaged file may hold more entries of one cardinality than the list can.
    if (stored == kMaxListLength) break;
    list.items[static_cast<size_t>(stored++)] = entry;
  }
  return stored;
}

std::string FormatSetClassLabel(const SetClassEntry& entry) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d-", entry.cardinality);
  std::string label = buffer;
  label += entry.name;
  label += " (";
  const int32_t n = entry.cardinality < 0 ? 0 : (entry.cardinality > 12 ? 12 : entry.cardinality);
  for (int32_t i = 0; i < n; ++i) {
    if (i > 0) label += ", ";
    std::snprintf(buffer, sizeof buffer, "%d", entry.pitchClasses[i]);
    label += buffer;
  }
  label += ")";
  return label;
}
