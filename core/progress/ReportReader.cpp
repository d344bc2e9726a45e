#include "ReportReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_map>

#include "ReportRecords.h"
#include "Storage.h"

using namespace report_record;

namespace {

constexpr uint64_t kNoPosition = ~uint64_t{0};
// A fuzzer keeps fewer, to reach the renumbering below with small inputs.
#ifdef SONORIX_READER_PEOPLE_KEPT
constexpr size_t kMaxPeopleKept = SONORIX_READER_PEOPLE_KEPT;
#else
constexpr size_t kMaxPeopleKept = 1 << 16;
#endif
// The day of a phantom begun before the log showed any day.
constexpr int32_t kNoDay = std::numeric_limits<int32_t>::min();

struct OpenDrill {
  LoggedDrill drill;
  int32_t person = -1;      // the person its name is, numbered by the reader; -1 with `named` false
  double checkBase = 0;     // the check value of a segment without answers
  uint64_t lastPosition = 0;  // of its latest record
  int32_t day = 0;
  bool phantom = false;     // its S record was damaged: nothing verifies for it
  bool named = true;        // a phantom whose S record still showed the name
  double nameSum = 0;       // a named phantom's: its records still show it in their check values
  bool modeSettled = false; // it has its F, or its F cannot be known
};

struct FloatingFilter {
  uint64_t position = 0;
  FilterState state;
};

}  // namespace

struct ReportLogReader::State {
  DrillSink sink;
  ReportLog log;
  std::vector<OpenDrill> open;
  // What every record scans of the open drills, side by side with them.
  struct Brief {
    double base;      // checkBase, NaN for a phantom: it verifies nothing
    uint64_t offset;  // of its S record
    int32_t person;   // -1 when not named
    int32_t day;
    bool wanting;     // named, and its first F record not yet settled
  };
  std::vector<Brief> briefs;
  std::vector<FloatingFilter> floating;  // F records not yet known to be a drill's, in log order
  // The person of each name as logged, so that a name is decoded once.
  std::unordered_map<std::string, int32_t> personOfName;
  std::unordered_map<std::string, int32_t> personOfKey;
  int32_t latestDay = kNoDay;
  uint64_t position = 0;  // of the next byte fed
  std::string partial;    // a line not yet ended by its line break
  uint64_t partialStart = 0;
  // A line ending in Ctrl-Z: the end of the log if only line breaks follow.
  std::optional<std::string> beforeCtrlZ;
  uint64_t ctrlZLine = 0;

  int32_t PersonOf(const std::string& name) {
    if (const auto at = personOfName.find(name); at != personOfName.end()) return at->second;
    // A damaged log of ever new names: number afresh those that are open.
    // Twice as many as are open at least, so that each renumbering is paid
    // for by as many new names, however many drills one day keeps open.
    if (personOfKey.size() >= std::max(kMaxPeopleKept, 2 * open.size())) {
      personOfName.clear();
      personOfKey.clear();
      for (size_t i = 0; i < open.size(); ++i)
        if (open[i].named) open[i].person = briefs[i].person = Number(open[i].drill.person);
    }
    return Number(name);
  }

  int32_t Number(const std::string& name) {
    if (const auto at = personOfName.find(name); at != personOfName.end()) return at->second;
    const auto [key, added] = personOfKey.try_emplace(PersonKey(name), static_cast<int32_t>(personOfKey.size()));
    personOfName.emplace(name, key->second);
    return key->second;
  }

  // The open drills' order means nothing: the last one takes the closed one's place.
  void Close(size_t index) {
    OpenDrill& o = open[index];
    if (!o.phantom) sink(std::move(o.drill));
    if (index + 1 != open.size()) {
      open[index] = std::move(open.back());
      briefs[index] = briefs.back();
    }
    open.pop_back();
    briefs.pop_back();
  }

  // Begun today: not one of yesterday's that linger.
  bool Current(const OpenDrill& o) const { return o.day >= latestDay; }

  // The only drill open today, if there is one.
  OpenDrill* OnlyCurrent() {
    OpenDrill* only = nullptr;
    for (OpenDrill& o : open) {
      if (!Current(o)) continue;
      if (only) return nullptr;
      only = &o;
    }
    return only;
  }

  // An unverified line: the only open drill's, or nobody's.
  void Charge() {
    ++log.unverified;
    OpenDrill* only = OnlyCurrent();
    if (!only) {
      ++log.unknown;
      return;
    }
    OpenDrill& o = *only;
    if (!o.phantom)
      ++o.drill.unverified;
    else if (o.named)
      ++log.lostByName[o.drill.person];
    else
      ++log.unknown;
  }

  // Whether the D record can be one of a named phantom's: the check value of
  // its name on a day next to the phantom's (or any day, before one was read).
  static bool FitsName(const SegmentFields& d, double base, const OpenDrill& o) {
    if (o.day == kNoDay) {
      const double date = std::round(base - o.nameSum);
      return date >= kFirstDay && date <= kLastDay && Matches(d, o.nameSum + date);
    }
    for (int64_t day = int64_t{o.day} - 1; day <= int64_t{o.day} + 1; ++day)
      if (Matches(d, o.nameSum + static_cast<double>(day))) return true;
    return false;
  }

  // A D record that verifies for no drill: a named phantom's when its name
  // alone fits, else charged as any unverified line.
  void ChargeUnverifiedSegment(const SegmentFields& d, double base, uint64_t position) {
    size_t owner = open.size();
    for (size_t i = 0; i < open.size(); ++i) {
      if (!open[i].phantom || !open[i].named || !FitsName(d, base, open[i])) continue;
      if (owner != open.size()) {
        // Two names with the same byte sum: whose it is stays unknown.
        Charge();
        return;
      }
      owner = i;
    }
    if (owner == open.size()) {
      Charge();
      return;
    }
    // Its F records too, so that no other drill takes them for its own.
    PlaceFilters(owner);
    open[owner].lastPosition = position;
    ++log.unverified;
    ++log.lostByName[open[owner].drill.person];
  }

  void Begin(OpenDrill drill) {
    if (drill.day > latestDay) {
      // Phantoms begun before any day was read are of the first day read.
      if (latestDay == kNoDay)
        for (size_t i = 0; i < open.size(); ++i)
          if (briefs[i].day == kNoDay) open[i].day = briefs[i].day = drill.day;
      // A new day ends the drills of the days before; the day before's only
      // linger, for a drill that ends after midnight.
      for (size_t i = open.size(); i-- > 0;)
        if (briefs[i].day < drill.day - 1) Close(i);
      latestDay = drill.day;
    }
    if (drill.named)
      for (size_t i = 0; i < open.size(); ++i)
        if (briefs[i].person == drill.person) {
          Close(i);
          break;
        }
    briefs.push_back({drill.phantom ? std::numeric_limits<double>::quiet_NaN() : drill.checkBase, drill.drill.offset,
                      drill.named ? drill.person : -1, drill.day, drill.named && !drill.modeSettled});
    open.push_back(std::move(drill));
    if (floating.empty()) return;
    // An F record older than every open drill can be nobody's any more; none
    // is while a drill began before the first of them.
    const uint64_t first = floating.front().position;
    uint64_t oldest = kNoPosition;
    for (const Brief& b : briefs) {
      if (b.offset <= first) return;
      oldest = std::min(oldest, b.offset);
    }
    log.unplacedFilters +=
        static_cast<int32_t>(std::erase_if(floating, [oldest](const FloatingFilter& f) { return f.position < oldest; }));
  }

  void Start(std::string_view line, uint64_t position, bool damaged = false) {
    auto started = damaged ? std::nullopt : StartRecord(line.substr(2));
    OpenDrill o;
    if (started) {
      o.drill = std::move(*started);
      o.drill.offset = position;
      o.person = PersonOf(o.drill.person);
      o.checkBase = SegmentCheckValue(o.drill.person, o.drill.date, 0, 0);
      o.day = DayOf(o.drill.date);
      o.lastPosition = position;
      Begin(std::move(o));
      return;
    }
    // Damaged: its drill's records cannot verify. Its name may still show.
    ++log.unverified;
    o.phantom = true;
    o.drill.offset = o.lastPosition = position;
    o.day = latestDay;
    const size_t dateEnd = line.find(' ', 2);
    const size_t indexEnd = dateEnd == std::string_view::npos ? dateEnd : line.find(' ', dateEnd + 1);
    o.named = indexEnd != std::string_view::npos && line.find('\x1a') == std::string_view::npos &&
              line.find('\0') == std::string_view::npos;
    if (o.named) {
      o.drill.person = std::string(line.substr(indexEnd + 1));
      o.person = PersonOf(o.drill.person);
      o.nameSum = SegmentCheckValue(o.drill.person, 0, 0, 0);
      // The line holds no answers: it is no record of the person's.
      ++log.namedDamagedStarts;
    } else {
      ++log.unknown;
    }
    Begin(std::move(o));
  }

  void Filter(std::string_view line, uint64_t position) {
    const auto state = FilterRecord(line.substr(2));
    const bool owned = std::any_of(open.begin(), open.end(), [](const OpenDrill& o) { return !o.phantom; });
    if (state && owned) {
      floating.push_back({position, *state});
      return;
    }
    // Whose filters changed is unknown unless one drill is open.
    if (OpenDrill* only = OnlyCurrent(); only && !only->phantom) only->drill.filtersUnknown = true;
    Charge();
  }

  // The earliest start of an open drill other than `self` that still wants
  // its first F record: an F record after it may be that drill's.
  uint64_t FirstWantingOther(size_t self) const {
    uint64_t first = kNoPosition;
    for (size_t i = 0; i < open.size(); ++i)
      if (i != self && briefs[i].wanting) first = std::min(first, briefs[i].offset);
    return first;
  }

  // Gives the drill the F records that its verified D record shows are its own.
  void PlaceFilters(size_t index) {
    OpenDrill& o = open[index];
    // Counted, with the first of each: only a single one is ever taken.
    size_t candidates = 0, firstCandidate = 0;
    size_t exclusive = 0, firstExclusive = 0;  // no other drill still wanting its first F could own them
    const uint64_t wanting = FirstWantingOther(index);
    // `floating` is in log order: skip to the F records after its latest record.
    const auto after = std::upper_bound(floating.begin(), floating.end(), o.lastPosition,
                                        [](uint64_t at, const FloatingFilter& f) { return at < f.position; });
    for (auto f = static_cast<size_t>(after - floating.begin()); f < floating.size(); ++f) {
      if (candidates++ == 0) firstCandidate = f;
      if (!(wanting < floating[f].position) && exclusive++ == 0) firstExclusive = f;
    }
    const auto take = [this, &o](size_t f) {
      if (o.phantom) {
        ++log.unverified;
        ++log.lostByName[o.drill.person];
      } else {
        o.drill.filters.push_back(floating[f].state);
      }
      floating.erase(floating.begin() + static_cast<std::ptrdiff_t>(f));
    };
    if (!o.modeSettled) {
      // BEGIN writes S then F: its F stands between its S and its first D.
      if (exclusive == 1)
        take(firstExclusive);
      else if (candidates == 1)
        take(firstCandidate);
      else if (candidates > 0)
        o.drill.filtersUnknown = true;
      o.modeSettled = candidates > 0;
      briefs[index].wanting = o.named && !o.modeSettled;
      return;
    }
    // A filter change, unless another drill still needs that F as its first.
    if (exclusive == 1)
      take(firstExclusive);
    else if (exclusive > 1)
      o.drill.filtersUnknown = true;
  }

  void Segment(std::string_view line, uint64_t position) {
    const auto d = ReadSegmentFields(line.substr(2));
    if (!d) {
      Charge();
      return;
    }
    // The name's byte sum plus the date, as the record's check value shows it.
    const double base = d->check + d->correct + 2.0 * d->incorrect;
    const double near = Slack(*d);
    // A phantom's NaN is never near; the brief holds all that verifying needs.
    const auto fits = [&](size_t i) { return std::fabs(briefs[i].base - base) <= near && Matches(*d, briefs[i].base); };
    // Today's drills first; yesterday's lingering ones only when none of today's verifies.
    size_t found[2] = {open.size(), open.size()};  // today's, yesterday's
    int matched[2] = {0, 0};
    for (size_t i = 0; i < briefs.size(); ++i) {
      if (!fits(i)) continue;
      const int k = briefs[i].day >= latestDay ? 0 : 1;
      if (matched[k]++ == 0) found[k] = i;
    }
    const int k = matched[0] > 0 ? 0 : 1;
    const int matches = matched[k];
    if (matches == 0) {
      ChargeUnverifiedSegment(*d, base, position);
      return;
    }
    if (matches > 1) {
      // The check value cannot tell these drills apart: credit none.
      ++log.ambiguous;
      for (size_t i = 0; i < briefs.size(); ++i)
        if ((briefs[i].day >= latestDay) == (k == 0) && fits(i)) ++open[i].drill.ambiguous;
      return;
    }
    PlaceFilters(found[k]);
    OpenDrill& o = open[found[k]];
    o.drill.segments.push_back(SegmentOf(*d, o.drill));
    o.lastPosition = position;
  }

  void Damaged(std::string_view line, uint64_t position) {
    const bool shaped = line.size() >= 2 && line[1] == ' ';
    if (shaped && line[0] == 'S') {
      // Keeps the drill apart from the open ones, named if the name survived.
      Start(line, position, true);
      return;
    }
    if (OpenDrill* only = OnlyCurrent(); shaped && line[0] == 'F' && only && !only->phantom)
      only->drill.filtersUnknown = true;
    Charge();
  }

  void Line(std::string_view line, uint64_t position) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return;
    if (beforeCtrlZ) {
      // Something follows the Ctrl-Z: its line was damaged, not the end.
      ++log.records;
      Damaged(*beforeCtrlZ, ctrlZLine);
      beforeCtrlZ.reset();
    }
    const size_t ctrlZ = line.find('\x1a');
    if (ctrlZ != std::string_view::npos) {
      if (ctrlZ + 1 == line.size()) {
        beforeCtrlZ = std::string(line);
        ctrlZLine = position;
        return;
      }
      ++log.records;
      Damaged(line, position);
      return;
    }
    ++log.records;
    const char kind = line[0];
    const bool shaped = line.size() >= 2 && line[1] == ' ';
    if (shaped && kind == 'S')
      Start(line, position);
    else if (shaped && kind == 'F')
      Filter(line, position);
    else if (shaped && kind == 'D')
      Segment(line, position);
    else
      Charge();
  }
};

ReportLogReader::ReportLogReader(DrillSink sink) : state_(new State) { state_->sink = std::move(sink); }

ReportLogReader::~ReportLogReader() { delete state_; }

void ReportLogReader::Feed(std::string_view bytes) {
  State& s = *state_;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) {
      if (s.partial.empty()) s.partialStart = s.position + pos;
      s.partial.append(bytes.substr(pos));
      break;
    }
    if (!s.partial.empty()) {
      s.partial.append(bytes.substr(pos, end - pos));
      s.Line(s.partial, s.partialStart);
      s.partial.clear();
    } else {
      s.Line(bytes.substr(pos, end - pos), s.position + pos);
    }
    pos = end + 1;
  }
  s.position += bytes.size();
}

ReportLog ReportLogReader::Finish() {
  State& s = *state_;
  if (!s.partial.empty()) {
    const std::string last = std::move(s.partial);
    s.partial.clear();
    s.Line(last, s.partialStart);
  }
  if (s.beforeCtrlZ) {
    // Only line breaks after the Ctrl-Z: the log ends there.
    const std::string last = s.beforeCtrlZ->substr(0, s.beforeCtrlZ->size() - 1);
    s.beforeCtrlZ.reset();
    s.Line(last, s.ctrlZLine);
  }
  while (!s.open.empty()) s.Close(0);
  s.log.unplacedFilters += static_cast<int32_t>(s.floating.size());
  s.floating.clear();
  return std::move(s.log);
}

ReportLog ParseReportLog(std::string_view text) {
  std::vector<LoggedDrill> drills;
  ReportLogReader reader([&drills](LoggedDrill&& drill) { drills.push_back(std::move(drill)); });
  reader.Feed(text);
  ReportLog log = reader.Finish();
  std::sort(drills.begin(), drills.end(),
            [](const LoggedDrill& a, const LoggedDrill& b) { return a.offset < b.offset; });
  log.drills = std::move(drills);
  return log;
}

bool ReadReportFile(const std::string& fileName, ReportLogReader& reader,
                    const std::function<bool(uint64_t, uint64_t)>& progress) {
  if (!DataStorage().Exists(fileName)) return true;
  // Read in pieces, so a school's years of logs show their progress.
  std::FILE* f = std::fopen(fileName.c_str(), "rb");
  if (!f) return false;
  uint64_t size = 0;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long at = std::ftell(f);
    size = at > 0 ? static_cast<uint64_t>(at) : 0;
    std::rewind(f);
  }
  std::vector<char> buffer(1 << 20);
  uint64_t done = 0;
  size_t n;
  bool stopped = false;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
    reader.Feed(std::string_view(buffer.data(), n));
    done += n;
    if (progress && !progress(done, std::max(size, done))) {
      stopped = true;
      break;
    }
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  return !failed && !stopped;
}

std::optional<ReportLog> LoadReportLog(const std::string& fileName) {
  if (!DataStorage().Exists(fileName)) return ReportLog{};
  const auto text = DataStorage().ReadAll(fileName);
  if (!text) return std::nullopt;
  return ParseReportLog(*text);
}
