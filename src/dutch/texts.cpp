#include "dutch/texts.h"

namespace morfenaar {

void DutchTexts::reset(Woord& woord) {
  woord_ = &woord;
  known_ = 0;
}

const std::string& DutchTexts::build(Form form, std::string_view code) {
  switch (form) {
    case Form::Tegenw:
      return woord_->tegenw(code);
    case Form::Perf:
      return woord_->perf(code);
    case Form::Toek:
      return woord_->toek(code);
    case Form::Ovt:
      return woord_->ovt(code);
    case Form::Geb:
      break;
  }
  return woord_->geb(code);
}

const std::string& DutchTexts::keep(std::size_t slot) {
  woord_->swapResult(texts_[slot]);
  known_ |= std::uint64_t{1} << slot;
  return texts_[slot];
}

const std::string& DutchTexts::onbep() {
  if ((known_ >> kOnbep & 1) != 0) return texts_[kOnbep];
  woord_->onbep();
  return keep(kOnbep);
}

}  // namespace morfenaar
