#include "driver/messages.h"

#include "support/error_reason.h"

namespace morfenaar {

std::string noGlossMessage(std::string_view lineText) {
  std::string text = "Waarschuwing: regel zonder TAB overgeslagen: ";
  text.append(lineText).append("\n");
  return text;
}

std::string shortRootMessage(int klasse, std::string_view sourceTag) {
  std::string text = "Waarschuwing: wortel te kort voor klasse ";
  text.append(std::to_string(klasse))
      .append(", dit werkwoord werd niet verder verwerkt: ")
      .append(sourceTag)
      .append("\n");
  return text;
}

std::string foreignRootMessage(std::string_view sourceTag) {
  std::string text =
      "Waarschuwing: wortel bevat tekens buiten het alfabet, dit werkwoord werd niet verder "
      "verwerkt: ";
  text.append(sourceTag).append("\n");
  return text;
}

std::string classPrefixMessage(int klasse, std::string_view letters, std::string_view sourceTag) {
  std::string text = "Waarschuwing: een wortel van klasse ";
  text.append(std::to_string(klasse))
      .append(" begint met ")
      .append(letters)
      .append(", dit werkwoord werd niet verder verwerkt: ")
      .append(sourceTag)
      .append("\n");
  return text;
}

namespace {

std::string inputMessage(std::string_view name, std::string_view what, int error) {
  std::string text = "Fout: invoerbestand ";
  text.append(name)
      .append(" kan niet worden ")
      .append(what)
      .append(": ")
      .append(errorReason(error))
      .append(".\n");
  return text;
}

}  // namespace

std::string inputOpenMessage(std::string_view name, int error) {
  return inputMessage(name, "geopend", error);
}

std::string inputReadMessage(std::string_view name, int error) {
  return inputMessage(name, "gelezen", error);
}

}  // namespace morfenaar
