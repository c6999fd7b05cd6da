#include "driver/messages.h"

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

}  // namespace morfenaar
