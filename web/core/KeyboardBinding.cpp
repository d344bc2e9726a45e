// Answers played on a MIDI keyboard, for the page: the notes gathered into
// groups and named by the same rules as the desktop's keyboard answers.
#include <emscripten/bind.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "PlayedChord.h"

namespace {

std::string GroupJson(const std::optional<PlayedGroup>& group) {
  if (!group) return {};
  std::string out = "[";
  for (size_t i = 0; i < group->notes.size(); ++i) out += (i ? "," : "") + std::to_string(group->notes[i]);
  return out + "]";
}

}  // namespace

class WebKeyboard {
 public:
  explicit WebKeyboard(const std::string& catalogueText) { catalogue_.LoadFromText(catalogueText); }

  // A MIDI message at millisecond `now`: the notes of the group it ended, as
  // JSON, or "" while the group goes on.
  std::string Feed(int status, int data1, int data2, double now) {
    return GroupJson(gatherer_.Feed(static_cast<uint8_t>(status), static_cast<uint8_t>(data1), static_cast<uint8_t>(data2),
                                    static_cast<uint32_t>(now)));
  }
  std::string Poll(double now) { return GroupJson(gatherer_.Poll(static_cast<uint32_t>(now))); }
  bool Open() const { return gatherer_.Open(); }
  void Discard() { gatherer_.Discard(); }
  int PauseMs() const { return static_cast<int>(gatherer_.PauseMs()); }

  // {"pitchClasses":n,"listIndex":i,"name":"11"} for the notes ("60,64,67"),
  // in the list of that cardinality (3 or 4); -1 when they name none of it.
  std::string Identify(const std::string& notesText, int cardinality) const {
    std::vector<int> notes;
    size_t at = 0;
    while (at < notesText.size()) {
      const size_t comma = notesText.find(',', at);
      const std::string one = notesText.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
      if (!one.empty() && one.find_first_not_of("0123456789") == std::string::npos && one.size() <= 3) {
        const int note = std::stoi(one);
        if (note < 128) notes.push_back(note);
      }
      if (comma == std::string::npos) break;
      at = comma + 1;
    }
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinality, list);
    const PlayedAnswer a = IdentifyPlayedSetClass(PitchClassesOfNotes(notes), list, cardinality);
    const SetClassEntry* entry =
        a.listIndex >= 0 && a.listIndex < list.length ? list.items[static_cast<size_t>(a.listIndex)] : nullptr;
    std::string name;
    for (char c : entry ? entry->name : std::string())
      if (std::isalnum(static_cast<unsigned char>(c))) name += c;  // "11", "Z15": nothing to escape
    return "{\"pitchClasses\":" + std::to_string(a.pitchClassCount) + ",\"listIndex\":" + std::to_string(a.listIndex) +
           ",\"name\":\"" + name + "\"}";
  }

 private:
  Catalogue catalogue_;
  NoteGatherer gatherer_;
};

EMSCRIPTEN_BINDINGS(sonorix_keyboard) {
  emscripten::register_vector<int>("IntVector");
  emscripten::class_<WebKeyboard>("WebKeyboard")
      .constructor<std::string>()
      .function("feed", &WebKeyboard::Feed)
      .function("poll", &WebKeyboard::Poll)
      .function("open", &WebKeyboard::Open)
      .function("discard", &WebKeyboard::Discard)
      .function("pauseMs", &WebKeyboard::PauseMs)
      .function("identify", &WebKeyboard::Identify);
}
