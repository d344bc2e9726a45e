// "What I Heard" for the page: the desktop's spelling, staff positions, signs,
// seconds set aside, keyboard and set class line, from the same notation
// library, as JSON the page draws from.
#include <emscripten/bind.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Notation.h"

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

std::string Ints(const std::vector<int>& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + std::to_string(values[i]);
  return out + "]";
}

notation::Language LanguageOf(int index) {
  return index >= 0 && index <= 4 ? static_cast<notation::Language>(index) : notation::Language::English;
}

// The key as the notation library writes it: "c#/4".
std::string LibraryKey(const notation::SpelledNote& note) {
  static const char* const kLetters[7] = {"c", "d", "e", "f", "g", "a", "b"};
  return std::string(kLetters[note.letter]) + (note.alter > 0 ? "#" : note.alter < 0 ? "b" : "") + "/" + std::to_string(note.octave);
}

}  // namespace

class WebNotation {
 public:
  explicit WebNotation(const std::string& catalogueText) { catalogue_.LoadFromText(catalogueText); }

  // The set class at `listIndex` of that cardinality's list:
  // {"name":"3-11","prime":[0,3,7],"line":"3-11 (0, 3, 7) ⟨001110⟩","vector":[0,0,1,1,1,0]},
  // or null when there is none.
  std::string SetClass(int cardinality, int listIndex) const {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinality, list);
    if (listIndex < 0 || listIndex >= list.length) return "null";
    const SetClassEntry& e = *list.items[static_cast<size_t>(listIndex)];
    std::string name;
    for (char c : e.name)
      if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    const std::vector<int> prime(e.pitchClasses, e.pitchClasses + std::clamp(e.cardinality, 0, 12));
    const auto vector = notation::IntervalClassVector(prime);
    return "{\"name\":\"" + std::to_string(prime.size()) + "-" + name + "\",\"prime\":" + Ints(prime) + ",\"line\":\"" +
           notation::SetClassLine(name, prime) + "\",\"vector\":" + Ints(std::vector<int>(vector.begin(), vector.end())) + "}";
  }

  // The laid-out bar of `columns` (see ParseColumns), with its notes named in
  // `language` (0 English, 1 German, 2 French, 3 Spanish, 4 Italian):
  // {"names":[…in the order given],"columns":[{"signColumns":n,"notes":[{"midi","key",
  //  "clef":"treble"|"bass","position","ledgers":[…],"shift","sign":0..3,"signColumn","name"}]}]}
  std::string LayOut(const std::string& columnsText, int language) const {
    const notation::Group group = notation::LayOut(ParseColumns(columnsText));
    const notation::Language lang = LanguageOf(language);
    std::string out = "{\"names\":[";
    for (size_t i = 0; i < group.spelled.size(); ++i) out += std::string(i ? "," : "") + "\"" + notation::NoteName(group.spelled[i], lang) + "\"";
    out += "],\"columns\":[";
    for (size_t c = 0; c < group.columns.size(); ++c) {
      const notation::Column& column = group.columns[c];
      out += std::string(c ? "," : "") + "{\"signColumns\":" + std::to_string(column.signColumns) + ",\"notes\":[";
      for (size_t n = 0; n < column.notes.size(); ++n) {
        const notation::PlacedNote& p = column.notes[n];
        out += std::string(n ? "," : "") + "{\"midi\":" + std::to_string(p.note.midi) + ",\"key\":\"" + LibraryKey(p.note) +
               "\",\"clef\":\"" + (p.clef == notation::Clef::Treble ? "treble" : "bass") + "\",\"position\":" + std::to_string(p.position) +
               ",\"ledgers\":" + Ints(p.ledgers) + ",\"shift\":" + std::to_string(p.shift) + ",\"sign\":" + std::to_string(static_cast<int>(p.sign)) +
               ",\"signColumn\":" + std::to_string(p.signColumn) + ",\"name\":\"" + notation::NoteName(p.note, lang) + "\"}";
      }
      out += "]}";
    }
    return out + "]}";
  }

  // The keyboard under both sets: {"whiteKeys":n,"keys":[{"midi","black","x","width","pressed":[a,b]}]}.
  std::string Keyboard(const std::string& first, const std::string& second) const {
    const notation::Keyboard k = notation::LayOutKeyboard(Flat(ParseColumns(first)), Flat(ParseColumns(second)));
    std::string out = "{\"whiteKeys\":" + std::to_string(k.whiteKeys) + ",\"keys\":[";
    for (size_t i = 0; i < k.keys.size(); ++i) {
      const notation::Key& key = k.keys[i];
      out += std::string(i ? "," : "") + "{\"midi\":" + std::to_string(key.midi) + ",\"black\":" + (key.black ? "true" : "false") +
             ",\"x\":" + std::to_string(key.x) + ",\"width\":" + std::to_string(key.width) + ",\"pressed\":[" +
             (key.pressed[0] ? "true" : "false") + "," + (key.pressed[1] ? "true" : "false") + "]}";
    }
    return out + "]}";
  }

 private:
  Catalogue catalogue_;
};

EMSCRIPTEN_BINDINGS(sonorix_notation) {
  emscripten::class_<WebNotation>("WebNotation")
      .constructor<std::string>()
      .function("setClass", &WebNotation::SetClass)
      .function("layOut", &WebNotation::LayOut)
      .function("keyboard", &WebNotation::Keyboard);
}
