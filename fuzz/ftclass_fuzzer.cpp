// Any bytes as ftclass.dat: the catalogue never reads or writes out of
// bounds, and every list the drill can be handed holds only entries it can
// play.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Catalogue.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = FileText(data, size);

  Catalogue catalogue;
  const int kept = catalogue.LoadFromText(text);
  Require(kept >= 0 && kept <= kFileRecords);
  Require(catalogue.Entry(0) && catalogue.Entry(1));

  int present = 0;
  for (int i = 0; i < kCatalogueSize; ++i) {
    const SetClassEntry* e = catalogue.Entry(i);
    if (!e) continue;
    ++present;
    Require(e->cardinality >= 0 && e->cardinality <= 12);
    Require(e->name.size() <= 4);
    for (int j = 0; j < e->cardinality; ++j) {
      Require(e->pitchClasses[j] >= 0 && e->pitchClasses[j] <= 11);
      Require(j == 0 ? e->pitchClasses[0] == 0 : e->pitchClasses[j] > e->pitchClasses[j - 1]);
    }
    const std::string label = FormatSetClassLabel(*e);
    Require(!label.empty() && label.back() == ')');
  }
  Require(present == kept + 2);

  for (int cardinality : {3, 4}) {
    CardinalityList list;
    const int length = FillCardinalityList(catalogue, cardinality, list);
    Require(length >= 0 && length <= kMaxListLength);
    for (int i = 0; i < length; ++i) {
      const SetClassEntry* e = list.items[static_cast<size_t>(i)];
      Require(e && e->cardinality == cardinality);
      // Every voicing rises and stays within two octaves.
      for (int form = 0; form < 2; ++form)
        for (int row = 0; row < (cardinality == 3 ? 6 : 16); ++row)
          for (int k = 0; k < cardinality - 1; ++k)
            Require(e->rip[form][row][k] > (k ? e->rip[form][row][k - 1] : 0) && e->rip[form][row][k] < 24);
    }
  }
  return 0;
}
