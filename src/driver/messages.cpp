#include "driver/messages.h"

#include "support/error_reason.h"

namespace morfenaar {

namespace {

// Appends `line` whole when it has at most kQuotedBytes bytes, else its
// first kQuotedBytes and "...". The cut moves back by up to three bytes
// where it would split a UTF-8 letter.
void appendQuoted(std::string& text, std::string_view line) {
  if (line.size() <= kQuotedBytes) {
    text.append(line);
    return;
  }
  std::size_t cut = kQuotedBytes;
  auto continues = [&line](std::size_t at) {
    return (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80;
  };
  while (cut > kQuotedBytes - 3 && continues(cut)) --cut;
  text.append(line.substr(0, cut)).append("...");
}

}  // namespace

std::string noGlossMessage(std::string_view lineText) {
  std::string text = "Waarschuwing: regel zonder TAB overgeslagen: ";
  appendQuoted(text, lineText);
  text.append("\n");
  return text;
}

std::string crWithoutLfMessage(std::string_view lineText) {
  std::string text = "Waarschuwing: regel bevat CR zonder LF; gebruik LF of CR LF als regeleinde: ";
  appendQuoted(text, lineText);
  text.append("\n");
  return text;
}

std::string utf16Message(std::string_view name) {
  std::string text = "Fout: invoerbestand ";
  text.append(name).append(" is UTF-16; sla het op als UTF-8.\n");
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
