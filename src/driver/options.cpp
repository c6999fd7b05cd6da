#include "driver/options.h"

#include <cstdio>
#include <optional>

#include "driver/messages.h"
#include "driver/run.h"
#include "support/output.h"
#include "version.h"

namespace morfenaar {

namespace {

constexpr std::string_view kUsage =
    "Gebruik: morfenaar [OPTIE]... [BESTAND]...\n"
    "Zet een lijst Hebreeuwse werkwoorden om in al hun vervoegde vormen, elk met\n"
    "een vervoegde Nederlandse vertaling, en schrijft die als records met TAB's\n"
    "op de standaarduitvoer. De BESTANDen worden na elkaar gelezen als een lijst;\n"
    "zonder BESTAND, of met -, wordt de standaardinvoer gelezen.\n"
    "\n"
    "Invoerregel: klassecijfer 1-7, een teken, wortel in hoofdletters of in\n"
    "Hebreeuwse letters, TAB, glosse, bv. 1-KTB<TAB>schrij'ven (schreef, h. geschreven)\n"
    "of 1-\u05DB\u05EA\u05D1<TAB>schrij'ven (schreef, h. geschreven)\n"
    "\n"
    "Opties:\n"
    "      --log=BESTAND  schrijf het log naar BESTAND in plaats van morfenaar.log\n"
    "      --modern       de Hebreeuwse vormen van het hedendaagse Hebreeuws, in\n"
    "                     volle spelling, elke persoon eenmaal; de toekomende tijd\n"
    "                     alleen met de Nederlandse toekomende tijd\n"
    "      --niqqud       als --modern, met klinkertekens, en (in tsv, jsonl en\n"
    "                     html) de uitspraak in Nederlandse spelling\n"
    "      --format=NAAM  schrijf de vormen als NAAM: records (standaard), tsv\n"
    "                     (kolommen met kopregel), jsonl (een JSON-object per\n"
    "                     regel), unimorph (lemma, vorm, kenmerken) of html (een\n"
    "                     pagina met een tabel per werkwoord)\n"
    "      --help         toon deze hulp en stop\n"
    "      --version      toon de versie en stop\n"
    "      --             einde van de opties; wat volgt is een BESTAND\n"
    "\n"
    "Waarschuwingen en fouten gaan naar de standaardfoutuitvoer. Het log met de\n"
    "Nederlandse vormen van elk werkwoord komt in morfenaar.log in de werkmap,\n"
    "of in het BESTAND van --log.\n"
    "\n"
    "Afsluitstatus: 0 als alles goed ging; 1 als een glosse geen (, , of ) heeft;\n"
    "2 als invoer, uitvoer of log niet gelezen of geschreven kon worden, of bij\n"
    "een fout in de opdrachtregel.\n"
    "\n"
    "Volledige beschrijving: man morfenaar\n";

constexpr std::string_view kLogOption = "--log";
constexpr std::string_view kModernOption = "--modern";
constexpr std::string_view kNiqqudOption = "--niqqud";
constexpr std::string_view kFormatOption = "--format";

std::string usageError(std::string_view what) {
  std::string text = "morfenaar: ";
  text.append(what).append(". Probeer 'morfenaar --help' voor meer informatie.\n");
  return text;
}

std::string quoted(std::string_view argument) {
  return std::string("'").append(argument).append("'");
}

bool isOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

// Handles one option; `next` is the index of the argument after it, which
// --log BESTAND and --format NAAM take. Returns false once the action is decided.
bool takeOption(const std::vector<std::string_view>& args, std::size_t& next, CommandLine& line) {
  std::string_view arg = args[next - 1];
  std::string_view name = arg.substr(0, arg.find('='));
  bool hasValue = name.size() < arg.size();
  if (name == "--help" || name == "--version") {
    if (hasValue) {
      line.action = Action::Error;
      line.error = usageError("optie " + quoted(name) + " neemt geen argument");
    } else {
      line.action = name == "--help" ? Action::Help : Action::Version;
    }
    return false;
  }
  if (name == kModernOption || name == kNiqqudOption) {
    if (hasValue) {
      line.action = Action::Error;
      line.error = usageError("optie " + quoted(name) + " neemt geen argument");
      return false;
    }
    // --niqqud implies --modern, in either order.
    if (name == kNiqqudOption) {
      line.rules = Rules::Pointed;
    } else if (line.rules == Rules::Default) {
      line.rules = Rules::Modern;
    }
    return true;
  }
  if (name != kLogOption && name != kFormatOption) {
    line.action = Action::Error;
    line.error = usageError("onbekende optie " + quoted(arg));
    return false;
  }
  std::string_view value;
  if (hasValue) {
    value = arg.substr(name.size() + 1);
  } else if (next < args.size()) {
    value = args[next++];
  } else {
    line.action = Action::Error;
    line.error = usageError("optie " + quoted(name) + " vraagt een " +
                            (name == kLogOption ? "BESTAND" : "NAAM") + " als argument");
    return false;
  }
  if (name == kFormatOption) {
    std::optional<Format> format = formatNamed(value);
    if (!format) {
      line.action = Action::Error;
      line.error = usageError("onbekend formaat " + quoted(value) + " (kies uit " +
                              std::string(kFormatNames) + ")");
      return false;
    }
    line.format = *format;
    return true;
  }
  if (value.empty()) {
    line.action = Action::Error;
    line.error = usageError("optie '--log' vraagt een niet-lege bestandsnaam");
    return false;
  }
  line.logPath = value;
  return true;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& args) {
  CommandLine line;
  bool optionsEnded = false;
  std::size_t next = 0;
  while (next < args.size()) {
    std::string_view arg = args[next++];
    if (optionsEnded || !isOption(arg)) {
      line.files.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (!takeOption(args, next, line)) {
      return line;
    }
  }
  if (line.files.empty()) line.files.emplace_back("-");
  return line;
}

std::string versionText() { return "morfenaar " + std::string(kVersion) + "\n"; }

int answer(const CommandLine& commandLine) {
  if (commandLine.action == Action::Error) {
    std::fwrite(commandLine.error.data(), 1, commandLine.error.size(), stderr);
    return kExitUsage;
  }
  if (commandLine.action == Action::Help) {
    outputBuffer().append(kUsage);
  } else {
    outputBuffer().append(versionText());
  }
  if (closeOutput()) return kExitOk;
  std::fwrite(kStdoutFailed.data(), 1, kStdoutFailed.size(), stderr);
  return kExitIoError;
}

}  // namespace morfenaar
