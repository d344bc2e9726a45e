// The confusion map for the page: the cumulative error statistics as a matrix
// per cardinality, and the notes that play a confused pair, as the desktop's
// confusion window plays it (both prime forms, a second apart).
#include <emscripten/bind.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "ConfusionMatrix.h"
#include "ErrorStats.h"
#include "PageValues.h"
#include "QuestionGenerator.h"
#include "Random.h"
#include "SetClassPlayer.h"

namespace {

// "3-1", … and the counts, a row per class asked.
struct MatrixValue {
  emscripten::val names = emscripten::val::array();
  emscripten::val counts = emscripten::val::array();
};

}  // namespace

class WebConfusions {
 public:
  explicit WebConfusions(const std::string& catalogueText) { catalogue_.LoadFromText(catalogueText); }

  // The matrix of errors.dat's text: rows the set class asked, columns the
  // one answered, the diagonal the right answers.
  MatrixValue Matrix(const std::string& errorsText, int cardinalityIndex) const {
    const ConfusionMatrix m = BuildConfusionMatrix(ParseErrorStats(errorsText), cardinalityIndex);
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinalityIndex + 3, list);
    std::vector<std::string> names;
    std::vector<emscripten::val> counts;
    for (int i = 0; i < m.size; ++i) {
      const SetClassEntry* e = i < list.length ? list.items[static_cast<size_t>(i)] : nullptr;
      std::string name = std::to_string(cardinalityIndex + 3) + "-";
      for (char c : e ? e->name : std::to_string(i + 1))
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
      names.push_back(name);
      const auto& row = m.counts[static_cast<size_t>(i)];
      counts.push_back(JsArray(std::vector<double>(row.begin(), row.end())));
    }
    return {JsArray(names), JsArray(counts)};
  }

  // The notes of the class asked and then the class answered, in the drill's
  // range and manner.
  emscripten::val PlayPair(int asked, int answered, int cardinalityIndex, int rangeIndex, int mannerIndex, double seed) {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinalityIndex + 3, list);
    std::vector<const SetClassEntry*> entries;
    for (int i : {asked, answered})
      if (i >= 0 && i < list.length) entries.push_back(list.items[static_cast<size_t>(i)]);
    SetClassPlay how;
    how.range = VoicingRangeFromIndex(rangeIndex);
    how.manner = PlayMannerFromItemIndex(mannerIndex);
    RandomSource rng;
    rng.Seed(static_cast<uint32_t>(seed));
    PlaybackPlan plan;
    PlanSetClasses(entries, how, 0, kBetweenClassesMs, rng, plan);
    return PlanValue(plan);
  }

 private:
  Catalogue catalogue_;
};

EMSCRIPTEN_BINDINGS(sonorix_confusions) {
  emscripten::value_object<MatrixValue>("ConfusionMatrix").field("names", &MatrixValue::names).field("counts", &MatrixValue::counts);
  emscripten::class_<WebConfusions>("WebConfusions")
      .constructor<std::string>()
      .function("matrix", &WebConfusions::Matrix)
      .function("playPair", &WebConfusions::PlayPair);
}
