#include "hebrew/modern/rows.h"

#include "hebrew/root_lists.h"
#include "support/strings.h"

namespace morfenaar::modern {

std::string modernForm(std::string_view pattern, PatternArgs args, const AnalysedRoot& root) {
  std::string form = formatForm(pattern, args);
  if (root.root.ends_with('N') && (form.ends_with("NNW") || form.ends_with("NNE"))) {
    form.erase(form.size() - 3, 1);
  }
  return form;
}

bool isGuttural(char letter) {
  return letter == 'A' || letter == 'E' || letter == 'H' || letter == 'O';
}

bool qalTakesA(const AnalysedRoot& r) {
  return isGuttural(r.rad2) || r.rad3 == 'H' || r.rad3 == 'O' || takesAFuture(r.root);
}

IntensiveRoot intensiveRoot(const AnalysedRoot& r) {
  std::string_view letters = r.root;
  std::string withoutW;
  if (r.klasse == 4 && letters.size() >= 4 && letters[1] == 'W') {
    withoutW = std::string(letters.substr(0, 1)) + std::string(letters.substr(2));
    letters = withoutW;
  }
  IntensiveRoot result;
  if (letters.size() < 2) return result;
  result.first = letters.front();
  result.last = letters.back();
  result.middle = std::string(letters.substr(1, letters.size() - 2));
  if (result.middle == "W" || result.middle == "I") result.middle += result.middle;
  return result;
}

std::string_view nifalFinalHeBody(const AnalysedRoot& r) {
  std::string_view body = rootFrom(r.root, 1);
  if (body.ends_with('E')) body.remove_suffix(1);
  return body;
}

}  // namespace morfenaar::modern
