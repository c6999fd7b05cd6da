#include "dutch/texts.h"

namespace morfenaar {

void DutchTexts::reset(Woord& woord) {
  woord_ = &woord;
  known_ = 0;
  perf_ = woord.perfShape();
  toek_ = woord.toekShape();
  ovt_ = woord.ovtShape();
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

template <DutchTexts::Form form>
const std::string& DutchTexts::make(int person, std::size_t slot) {
  std::string& text = texts_[slot];
  if constexpr (form == Form::Tegenw) {
    woord_->tegenw(person, text);
  } else if constexpr (form == Form::Perf) {
    woord_->perf(person, text);
  } else if constexpr (form == Form::Toek) {
    woord_->toek(person, text);
  } else if constexpr (form == Form::Ovt) {
    woord_->ovt(person, text);
  } else {
    // Both imperatives start from the present of "2s", kept for the
    // second; for a verb that is not reflexive that is the text of "s",
    // which the participles and the log ask for anyway.
    const std::string& present =
        woord_->bZich ? tegenw("2s", personIndex("2s")) : tegenw("s", personIndex("s"));
    text.assign(present);
    woord_->gebFromPresent(isPluralPerson(person), text);
  }
  known_ |= std::uint64_t{1} << slot;
  return text;
}

template const std::string& DutchTexts::make<DutchTexts::Form::Tegenw>(int, std::size_t);
template const std::string& DutchTexts::make<DutchTexts::Form::Geb>(int, std::size_t);
template const std::string& DutchTexts::make<DutchTexts::Form::Perf>(int, std::size_t);
template const std::string& DutchTexts::make<DutchTexts::Form::Toek>(int, std::size_t);
template const std::string& DutchTexts::make<DutchTexts::Form::Ovt>(int, std::size_t);

const std::string& DutchTexts::makeOnbep() {
  woord_->onbep(texts_[kOnbep]);
  known_ |= std::uint64_t{1} << kOnbep;
  return texts_[kOnbep];
}

}  // namespace morfenaar
