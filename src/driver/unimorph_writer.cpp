#include "driver/unimorph_writer.h"

#include <string_view>
#include <utility>
#include <vector>

#include "driver/slots.h"
#include "support/strings.h"
#include "support/utf8.h"

namespace morfenaar {

namespace {

// The lemma: the form of the past {3s} (default rules) or {3sm}.
std::string_view lemmaOf(const HeldVerb& verb) {
  for (const HeldRecord& record : verb) {
    if (record.block == Block::Past && (record.tag == "3s" || record.tag == "3sm")) {
      return record.hebrew;
    }
  }
  return {};
}

// The L-shape of the infinitive begins with L, or lamed in Hebrew letters;
// the M-shape with M or mem.
bool isLShape(std::string_view form) { return startsWith(form, "L") || startsWith(form, "ל"); }

}  // namespace

void writeUnimorphVerb(std::string& out, const HeldVerb& verb) {
  const std::string_view lemma = lemmaOf(verb);
  if (lemma.empty()) return;
  std::vector<std::pair<std::string_view, std::string_view>> written;  // form, features
  for (const HeldRecord& record : verb) {
    const Slot* slot = findSlot(record.block, record.tag);
    if (slot == nullptr) continue;
    if (record.block == Block::Infinitive && !isLShape(record.hebrew)) continue;
    for (std::string_view features : slot->features) {
      if (features.empty()) continue;
      std::pair<std::string_view, std::string_view> row(record.hebrew, features);
      bool seen = false;
      for (const auto& earlier : written) seen = seen || earlier == row;
      if (seen) continue;
      written.push_back(row);
      appendUtf8(out, lemma);
      out += '\t';
      appendUtf8(out, record.hebrew);
      out += '\t';
      out += features;
      out += '\n';
    }
  }
}

}  // namespace morfenaar
