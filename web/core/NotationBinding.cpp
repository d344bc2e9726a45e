// "What I Heard" for the page: the desktop's spelling, staff positions, signs,
// seconds set aside, keyboard and set class line, from the same notation
// library, as values the page draws from.
#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Notation.h"
#include "PageValues.h"

namespace {

// "60 64,67;62" → {{60, 64, 67}, {62}}: columns of notes sounding together.
// Anything but MIDI notes is left out; at most 16 notes, as a set class has
// at most 12 and the page never asks for more.
std::vector<std::vector<int>> ParseColumns(const std::string& text) {
  std::vector<std::vector<int>> columns(1);
  int count = 0;
  size_t i = 0;
  while (i < text.size() && count < 16) {
    const char c = text[i];
    if (c == ';') {
      if (!columns.back().empty()) columns.emplace_back();
      ++i;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      int n = 0;
      while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && n <= 127) n = n * 10 + (text[i++] - '0');
      while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
      if (n <= 127) {
        columns.back().push_back(n);
        ++count;
      }
    } else {
      ++i;
    }
  }
  if (columns.back().empty()) columns.pop_back();
  return columns;
}

std::vector<int> Flat(const std::vector<std::vector<int>>& columns) {
  std::vector<int> all;
  for (const auto& c : columns) all.insert(all.end(), c.begin(), c.end());
  return all;
}

notation::Language LanguageOf(int index) {
  return index >= 0 && index <= 4 ? static_cast<notation::Language>(index) : notation::Language::English;
}

// The key as the notation library writes it: "c#/4".
std::string LibraryKey(const notation::SpelledNote& note) {
  static const char* const kLetters[7] = {"c", "d", "e", "f", "g", "a", "b"};
  return std::string(kLetters[note.letter]) + (note.alter > 0 ? "#" : note.alter < 0 ? "b" : "") + "/" + std::to_string(note.octave);
}

struct SetClassValue {
  std::string name;  // "3-11"
  emscripten::val prime = emscripten::val::array();
  std::string line;  // "3-11 (0, 3, 7) ⟨001110⟩"
  emscripten::val vector = emscripten::val::array();
};

struct PlacedNoteValue {
  int midi = 0;
  std::string key;   // as the notation library writes it: "c#/4"
  std::string clef;  // "treble" or "bass"
  int position = 0;
  emscripten::val ledgers = emscripten::val::array();
  int shift = 0;
  int sign = 0;  // 0..3
  int signColumn = 0;
  std::string name;
};

struct ColumnValue {
  int signColumns = 0;
  emscripten::val notes = emscripten::val::array();
};

struct BarValue {
  emscripten::val names = emscripten::val::array();  // in the order given
  emscripten::val columns = emscripten::val::array();
};

struct KeyValue {
  int midi = 0;
  bool black = false;
  double x = 0;  // in white-key widths
  double width = 0;
  std::array<bool, 2> pressed{};
};

struct KeyboardValue {
  int whiteKeys = 0;
  emscripten::val keys = emscripten::val::array();
};

}  // namespace

class WebNotation {
 public:
  explicit WebNotation(const std::string& catalogueText) { catalogue_.LoadFromText(catalogueText); }

  // The set class at `listIndex` of that cardinality's list, or null when there is none.
  emscripten::val SetClass(int cardinality, int listIndex) const {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinality, list);
    if (listIndex < 0 || listIndex >= list.length) return emscripten::val::null();
    const SetClassEntry& e = *list.items[static_cast<size_t>(listIndex)];
    std::string name;
    for (char c : e.name)
      if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    const std::vector<int> prime(e.pitchClasses, e.pitchClasses + std::clamp(e.cardinality, 0, 12));
    const auto vector = notation::IntervalClassVector(prime);
    return emscripten::val(SetClassValue{std::to_string(prime.size()) + "-" + name, JsArray(prime), notation::SetClassLine(name, prime),
                                         JsArray(std::vector<int>(vector.begin(), vector.end()))});
  }

  // The laid-out bar of `columns` (see ParseColumns), with its notes named in
  // `language` (0 English, 1 German, 2 French, 3 Spanish, 4 Italian).
  BarValue LayOut(const std::string& columnsText, int language) const {
    const notation::Group group = notation::LayOut(ParseColumns(columnsText));
    const notation::Language lang = LanguageOf(language);
    std::vector<std::string> names;
    for (const notation::SpelledNote& n : group.spelled) names.push_back(notation::NoteName(n, lang));
    std::vector<ColumnValue> columns;
    for (const notation::Column& column : group.columns) {
      std::vector<PlacedNoteValue> notes;
      for (const notation::PlacedNote& p : column.notes)
        notes.push_back({p.note.midi, LibraryKey(p.note), p.clef == notation::Clef::Treble ? "treble" : "bass", p.position, JsArray(p.ledgers),
                         p.shift, static_cast<int>(p.sign), p.signColumn, notation::NoteName(p.note, lang)});
      columns.push_back({column.signColumns, JsArray(notes)});
    }
    return {JsArray(names), JsArray(columns)};
  }

  // The keyboard under both sets; a key's `pressed` says which of them hold it.
  KeyboardValue Keyboard(const std::string& first, const std::string& second) const {
    const notation::Keyboard k = notation::LayOutKeyboard(Flat(ParseColumns(first)), Flat(ParseColumns(second)));
    std::vector<KeyValue> keys;
    for (const notation::Key& key : k.keys) keys.push_back({key.midi, key.black, key.x, key.width, {key.pressed[0], key.pressed[1]}});
    return {k.whiteKeys, JsArray(keys)};
  }

 private:
  Catalogue catalogue_;
};

EMSCRIPTEN_BINDINGS(sonorix_notation) {
  using emscripten::value_object;
  value_object<SetClassValue>("SetClassInfo")
      .field("name", &SetClassValue::name)
      .field("prime", &SetClassValue::prime)
      .field("line", &SetClassValue::line)
      .field("vector", &SetClassValue::vector);
  value_object<PlacedNoteValue>("PlacedNote")
      .field("midi", &PlacedNoteValue::midi)
      .field("key", &PlacedNoteValue::key)
      .field("clef", &PlacedNoteValue::clef)
      .field("position", &PlacedNoteValue::position)
      .field("ledgers", &PlacedNoteValue::ledgers)
      .field("shift", &PlacedNoteValue::shift)
      .field("sign", &PlacedNoteValue::sign)
      .field("signColumn", &PlacedNoteValue::signColumn)
      .field("name", &PlacedNoteValue::name);
  value_object<ColumnValue>("NoteColumn").field("signColumns", &ColumnValue::signColumns).field("notes", &ColumnValue::notes);
  value_object<BarValue>("Bar").field("names", &BarValue::names).field("columns", &BarValue::columns);
  emscripten::value_array<std::array<bool, 2>>("PressedBy").element(emscripten::index<0>()).element(emscripten::index<1>());
  value_object<KeyValue>("KeyboardKey")
      .field("midi", &KeyValue::midi)
      .field("black", &KeyValue::black)
      .field("x", &KeyValue::x)
      .field("width", &KeyValue::width)
      .field("pressed", &KeyValue::pressed);
  value_object<KeyboardValue>("KeyboardPicture").field("whiteKeys", &KeyboardValue::whiteKeys).field("keys", &KeyboardValue::keys);
  emscripten::class_<WebNotation>("WebNotation")
      .constructor<std::string>()
      .function("setClass", &WebNotation::SetClass)
      .function("layOut", &WebNotation::LayOut)
      .function("keyboard", &WebNotation::Keyboard);
}
