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

const std::string& DutchTexts::make(Form form, std::string_view code, std::size_t slot) {
  std::string& text = texts_[slot];
  switch (form) {
    case Form::Tegenw:
      woord_->tegenw(code, text);
      break;
    case Form::Perf:
      woord_->perf(code, text);
      break;
    case Form::Toek:
      woord_->toek(code, text);
      break;
    case Form::Ovt:
      woord_->ovt(code, text);
      break;
    case Form::Geb:
      // geb edits the present tense in the result buffer; one call that
      // copies it keeps this function small (the others only call).
      text.assign(woord_->geb(code));
      break;
  }
  known_ |= std::uint64_t{1} << slot;
  return text;
}

const std::string& DutchTexts::onbep() {
  if ((known_ >> kOnbep & 1) != 0) return texts_[kOnbep];
  woord_->onbep(texts_[kOnbep]);
  known_ |= std::uint64_t{1} << kOnbep;
  return texts_[kOnbep];
}

}  // namespace morfenaar
