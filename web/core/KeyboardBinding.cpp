// Answers played on a MIDI keyboard, for the page: the notes gathered into
// groups and named by the same rules as the desktop's keyboard answers.
#include <emscripten/bind.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "PageValues.h"
#include "PlayedChord.h"

namespace {

// The notes of a group just ended, or null while it goes on.
emscripten::val GroupValue(const std::optional<PlayedGroup>& group) {
  if (!group) return emscripten::val::null();
  return JsArray(std::vector<int>(group->notes.begin(), group->notes.end()));
}

// The pitch classes played, and the set class they name in the list of that
// cardinality: its list index and name ("11", "Z15"), -1 and "" for none.
struct PlayedValue {
  int pitchClasses = 0;
  int listIndex = -1;
  std::string name;
};

}  // namespace

class WebKeyboard {
 public:
  explicit WebKeyboard(const std::string& catalogueText) { catalogue_.LoadFromText(catalogueText); }

  // A MIDI message at millisecond `now`: the notes of the group it ended.
  emscripten::val Feed(int status, int data1, int data2, double now) {
    return GroupValue(gatherer_.Feed(static_cast<uint8_t>(status), static_cast<uint8_t>(data1), static_cast<uint8_t>(data2),
                                    static_cast<uint32_t>(now)));
  }
  emscripten::val Poll(double now) { return GroupValue(gatherer_.Poll(static_cast<uint32_t>(now))); }
  bool Open() const { return gatherer_.Open(); }
  void Discard() { gatherer_.Discard(); }
  int PauseMs() const { return static_cast<int>(gatherer_.PauseMs()); }

  // The notes (MIDI numbers) in the list of that cardinality (3 or 4).
  PlayedValue Identify(const emscripten::val& played, int cardinality) const {
    std::vector<int> notes;
    for (const int note : IntsOf(played))
      if (note >= 0 && note < 128) notes.push_back(note);
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinality, list);
    const PlayedAnswer a = IdentifyPlayedSetClass(PitchClassesOfNotes(notes), list, cardinality);
    const SetClassEntry* entry =
        a.listIndex >= 0 && a.listIndex < list.length ? list.items[static_cast<size_t>(a.listIndex)] : nullptr;
    std::string name;
    for (char c : entry ? entry->name : std::string())
      if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return {a.pitchClassCount, a.listIndex, name};
  }

 private:
  Catalogue catalogue_;
  NoteGatherer gatherer_;
};

EMSCRIPTEN_BINDINGS(sonorix_keyboard) {
  emscripten::value_object<PlayedValue>("PlayedAnswer")
      .field("pitchClasses", &PlayedValue::pitchClasses)
      .field("listIndex", &PlayedValue::listIndex)
      .field("name", &PlayedValue::name);
  emscripten::class_<WebKeyboard>("WebKeyboard")
      .constructor<std::string>()
      .function("feed", &WebKeyboard::Feed)
      .function("poll", &WebKeyboard::Poll)
      .function("open", &WebKeyboard::Open)
      .function("discard", &WebKeyboard::Discard)
      .function("pauseMs", &WebKeyboard::PauseMs)
      .function("identify", &WebKeyboard::Identify);
}
