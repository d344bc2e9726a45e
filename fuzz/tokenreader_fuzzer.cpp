// The formatted extraction under every reader: a sequence of reads, chosen by
// the input, over text taken from the same input. Reads never leave the text,
// a failure is final, and what a read returns is what its contract says.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "TokenReader.h"
#include "FuzzSupport.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  std::vector<uint8_t> operations(provider.ConsumeIntegralInRange<size_t>(0, 48));
  for (auto& op : operations) op = provider.ConsumeIntegral<uint8_t>();
  const std::string text = provider.ConsumeRemainingBytesAsString();

  TokenReader reader(text);
  for (uint8_t op : operations) {
    const bool failedBefore = reader.Failed();
    const size_t before = reader.Position();
    bool ok = false;
    switch (op % 5) {
      case 0: {
        int32_t value = 0;
        ok = reader.ReadInt(value);
        break;
      }
      case 1: {
        double value = 0;
        ok = reader.ReadDouble(value);
        if (ok) Require(std::isfinite(value));
        break;
      }
      case 2: {
        std::string token;
        ok = reader.ReadToken(token);
        if (ok) {
          Require(!token.empty());
          for (char c : token) Require(!IsSpace(c));
        }
        break;
      }
      case 3: {
        std::string line;
        const size_t limit = op / 5;
        ok = reader.ReadLine(line, limit);
        if (ok) {
          Require(line.size() <= limit);
          Require(line.find('\n') == std::string::npos);
        }
        break;
      }
      default:
        reader.SkipLine();
        ok = true;
        break;
    }
    Require(reader.Position() <= text.size());
    Require(reader.Position() >= before);
    if (failedBefore && op % 5 != 4) Require(!ok);
    if (!ok) Require(reader.Failed());
  }
  return 0;
}
