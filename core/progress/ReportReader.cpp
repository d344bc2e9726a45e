#include "ReportReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <unordered_map>

#include "Clock.h"
#include "NumberText.h"
#include "Storage.h"
#include "TokenReader.h"
#include "SessionLog.h"

namespace {

// Day numbers of 1 January 100 and 31 December 9999: what a date can be.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A decimal integer within [low, high], nothing else in the field.
std::optional<int64_t> Integer(std::string_view field, int64_t low, int64_t high) {
  size_t p = 0;
  const bool negative = !field.empty() && field[0] == '-';
  if (negative || (!field.empty() && field[0] == '+')) ++p;
  if (p == field.size()) return std::nullopt;
  int64_t value = 0;
  for (; p < field.size(); ++p) {
    if (field[p] < '0' || field[p] > '9') return std::nullopt;
    value = value * 10 + (field[p] - '0');
    if (value > (int64_t{1} << 40)) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return value;
}

// A finite decimal number as a stream writes a double: digits, an optional
// fraction and an optional exponent.
std::optional<double> Number(std::string_view field) {
  if (field.empty() || field.size() > 40) return std::nullopt;
  for (char c : field) {
    const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!ok) return std::nullopt;
  }
  // A stream accepts a plus sign where the plain notation has none.
  if (field.front() == '+') field.remove_prefix(1);
  if (field.empty() || field.front() == '+') return std::nullopt;
  // Plain [-]digits[.digits] with at most 15 digits is read exactly here: the
  // digits as a whole number and one division by an exact power of ten round
  // correctly, as the general path does. Anything else takes the general path.
  static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::string_view digits = field;
  const bool negative = digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  int64_t mantissa = 0;
  int count = 0;
  int fraction = -1;
  bool plain = !digits.empty();
  for (char c : digits) {
    if (c == '.' && fraction < 0) {
      fraction = 0;
    } else if (c >= '0' && c <= '9' && count < 15) {
      mantissa = mantissa * 10 + (c - '0');
      ++count;
      if (fraction >= 0) ++fraction;
    } else {
      plain = false;
      break;
    }
  }
  if (plain && count > 0 && fraction != 0) {
    const double value = static_cast<double>(mantissa) / kTens[fraction > 0 ? fraction : 0];
    return negative ? -value : value;
  }
  return DecimalNumber(field);
}

std::optional<LoggedDrill> StartRecord(std::string_view rest) {
  // The name runs to the end of the line after the blank behind the index.
  const size_t dateEnd = rest.find(' ');
  if (dateEnd == std::string_view::npos) return std::nullopt;
  const size_t indexEnd = rest.find(' ', dateEnd + 1);
  const std::string_view index =
      rest.substr(dateEnd + 1, indexEnd == std::string_view::npos ? std::string_view::npos : indexEnd - dateEnd - 1);
  const auto date = Number(rest.substr(0, dateEnd));
  const auto person = Integer(index, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  if (!date || !person || *date < kFirstDay || *date > kLastDay) return std::nullopt;
  LoggedDrill drill;
  drill.date = *date;
  drill.personIndex = static_cast<int32_t>(*person);
  if (indexEnd != std::string_view::npos) drill.person = std::string(rest.substr(indexEnd + 1));
  return drill;
}

// At most `n` blank-separated fields into `f`; their count, or n + 1 when more follow.
size_t SplitFields(std::string_view text, std::string_view* f, size_t n) {
  size_t count = 0;
  for (size_t p = 0; p < text.size();) {
    while (p < text.size() && IsBlank(text[p])) ++p;
    const size_t start = p;
    while (p < text.size() && !IsBlank(text[p])) ++p;
    if (p == start) break;
    if (count == n) return n + 1;
    f[count++] = text.substr(start, p - start);
  }
  return count;
}

std::optional<FilterState> FilterRecord(std::string_view rest) {
  std::string_view f[3];
  if (SplitFields(rest, f, 3) != 3) return std::nullopt;
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  const auto mode = Integer(f[0], 0, 5);
  const auto low = Integer(f[1], kMin, kMax);
  const auto high = Integer(f[2], kMin, kMax);
  if (!mode || !low || !high) return std::nullopt;
  return FilterState{static_cast<int32_t>(*low), static_cast<int32_t>(*high), static_cast<int32_t>(*mode)};
}

// The fields of a D record, read once.
struct SegmentFields {
  int32_t correct = 0;
  int32_t incorrect = 0;
  uint32_t seconds = 0;
  double check = 0;
};

std::optional<SegmentFields> ReadSegmentFields(std::string_view rest) {
  std::string_view f[4];
  if (SplitFields(rest, f, 4) != 4) return std::nullopt;
  const auto correct = Integer(f[0], 0, std::numeric_limits<int32_t>::max());
  const auto incorrect = Integer(f[1], 0, std::numeric_limits<int32_t>::max());
  const auto seconds = Integer(f[2], 0, std::numeric_limits<uint32_t>::max());
  const auto check = Number(f[3]);
  if (!correct || !incorrect || !seconds || !check) return std::nullopt;
  return SegmentFields{static_cast<int32_t>(*correct), static_cast<int32_t>(*incorrect),
                       static_cast<uint32_t>(*seconds), *check};
}

// The check value the drill window writes for a record, as read back: its
// writer keeps six significant digits, so from 1e6 on several whole values
// are written alike and a record verifies for each of them.
double WrittenValue(double expected) {
  // Whole values below 1e6 are written exactly; nearly every record is one.
  if (std::fabs(expected) < 1e6 && expected == std::trunc(expected)) return expected;
  return Number(FormatLogDouble(expected)).value_or(std::numeric_limits<double>::quiet_NaN());
}

// Whether the D record's check value is the one written for the drill it
// would belong to. `checkBase` is the drill's check value without answers:
// the same sum, done in the same order, as the check value itself.
inline bool Matches(const SegmentFields& d, double checkBase) {
  return d.check == WrittenValue(checkBase - d.correct - 2.0 * d.incorrect);
}

// How far a drill's checkBase can lie from the record's own: the rounding of
// six significant digits is at most 5e-6 of the value written.
inline double Slack(const SegmentFields& d) { return 1 + 1e-5 * std::fabs(d.check); }

LoggedSegment SegmentOf(const SegmentFields& d, const LoggedDrill& drill) {
  LoggedSegment segment;
  segment.correct = d.correct;
  segment.incorrect = d.incorrect;
  segment.seconds = d.seconds;
  segment.modeCode = drill.filters.empty() || drill.filtersUnknown ? -1 : drill.filters.back().ModeCode;
  return segment;
}

}  // namespace

std::string Utf8(const std::string& bytes) {
  std::string out;
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    bool valid = length > 0 && i + length <= bytes.size();
    for (size_t k = 1; valid && k < length; ++k) valid = (static_cast<unsigned char>(bytes[i + k]) >> 6) == 2;
    if (valid && length > 1) {
      const auto c1 = static_cast<unsigned char>(bytes[i + 1]);
      // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
      if (length == 2) valid = c >= 0xC2;
      if (length == 3) valid = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0);
      if (length == 4) valid = !(c == 0xF0 && c1 < 0x90) && c <= 0xF4 && !(c == 0xF4 && c1 >= 0x90);
    }
    if (valid) {
      out.append(bytes, i, length);
      i += length;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
      ++i;
    }
  }
  return out;
}

std::string PersonKey(const std::string& name) { return Utf8(name); }

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
  std::vector<LoggedDrill> drills;
  ReportLogReader reader([&drills](LoggedDrill&& drill) { drills.push_back(std::move(drill)); });
  reader.Feed(*text);
  ReportLog log = reader.Finish();
  std::sort(drills.begin(), drills.end(),
            [](const LoggedDrill& a, const LoggedDrill& b) { return a.offset < b.offset; });
  log.drills = std::move(drills);
  return log;
}

bool IsEligible(const LoggedDrill& drill) {
  return !drill.filtersUnknown && drill.filters.size() == 1 && IsAllOn(drill.filters.front());
}

int32_t DayOf(double date) { return static_cast<int32_t>(std::floor(date)); }

std::string IsoDate(int32_t day) {
  const PlatformCivilDate date = PlatformDateOfDay(day);
  const int64_t y = date.year, m = date.month, d = date.day;
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", static_cast<long long>(y), static_cast<long long>(m),
                static_cast<long long>(d));
  return buffer;
}

int32_t WeekStartOf(int32_t day) {
  // Day 0, 30 December 1899, was a Saturday: five days after a Monday.
  const int32_t weekday = static_cast<int32_t>(((int64_t{day} + 5) % 7 + 7) % 7);
  return day - weekday;
}
