// DutchTexts: the Dutch texts of one verb entry. A verb's texts do not
// change between its records, so the blocks of one entry (and its log
// lines) share them: the present and the imperative are built once per
// person code and then reused; the perfect, the future and the simple past
// are kept as their shapes (see FormShape), from which the text of every
// person is copied straight into the records.
//
// One object serves entry after entry: reset() binds it to the next
// entry's Woord and forgets every text of the previous one, while the
// storage of the texts is kept, so that no entry allocates for them once
// the texts have reached their usual length.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dutch/tables.h"
#include "dutch/woord.h"

namespace morfenaar {

class DutchTexts {
 public:
  DutchTexts() = default;
  explicit DutchTexts(Woord& woord) { reset(woord); }
  DutchTexts(const DutchTexts&) = delete;
  DutchTexts& operator=(const DutchTexts&) = delete;

  // Starts a new entry: the texts come from `woord` from now on.
  void reset(Woord& woord);

  // The text of the Woord method of the same name. A person code outside
  // the tables is not kept: its text is built for every call.
  const std::string& tegenw(std::string_view code) { return tegenw(code, personIndex(code)); }
  const std::string& geb(std::string_view code) { return geb(code, personIndex(code)); }
  const std::string& onbep() {
    if ((known_ >> kOnbep & 1) != 0) return texts_[kOnbep];
    return makeOnbep();
  }

  // The same for a caller that holds the code's personIndex() already.
  const std::string& tegenw(std::string_view code, int person) {
    return text<Form::Tegenw>(code, person);
  }
  const std::string& geb(std::string_view code, int person) {
    return text<Form::Geb>(code, person);
  }

  // The perfect, future and simple past of a person row (a value of
  // personIndex() other than -1), valid until the next reset(). Of these
  // forms only the shapes are kept (see FormShape), found by reset():
  // putting a person's cells between their parts costs less than building
  // and keeping every text. A form of another shape is built and kept.
  ShapedText perf(int person) { return text<Form::Perf>(perf_, person); }
  ShapedText toek(int person) { return text<Form::Toek>(toek_, person); }
  ShapedText ovt(int person) { return text<Form::Ovt>(ovt_, person); }

 private:
  enum class Form : std::uint8_t { Tegenw, Geb, Perf, Toek, Ovt };
  static constexpr std::size_t kForms = 5;
  static constexpr std::size_t kCodes = 9;
  static constexpr std::size_t kOnbep = kForms * kCodes;

  // The kept text, or a new one; inline, since most calls find it kept.
  template <Form form>
  const std::string& text(std::string_view code, int person) {
    if (person < 0) return build(form, code);
    const std::size_t slot =
        static_cast<std::size_t>(form) * kCodes + static_cast<std::size_t>(person);
    if ((known_ >> slot & 1) != 0) return texts_[slot];
    return make<form>(person, slot);
  }
  // The text built in the Woord's result buffer.
  const std::string& build(Form form, std::string_view code);
  // The infinitive built into its slot, which then holds it.
  const std::string& makeOnbep();
  // The text of row `person` built straight into `slot`, which then
  // holds it; one function for each form.
  template <Form form>
  const std::string& make(int person, std::size_t slot);

  // The text from the form's shape, or the kept text when it has another.
  template <Form form>
  ShapedText text(const FormShape& shape, int person) {
    if (shape.fits()) {
      return {&shape, &personCells(person), isPluralPerson(person), {}};
    }
    return {.whole = text<form>(std::string_view(), person)};
  }

  Woord* woord_ = nullptr;
  FormShape perf_;
  FormShape toek_;
  FormShape ovt_;
  std::uint64_t known_ = 0;  // one bit per slot that holds this entry's text
  std::array<std::string, kOnbep + 1> texts_;
};

}  // namespace morfenaar
