#include "support/error_reason.h"

#include <cerrno>
#include <cstring>

namespace morfenaar {

const char* errorReason(int error) {
  switch (error) {
    case ENOENT:
      return "het bestand bestaat niet";
    case EACCES:
      return "geen toegang";
    case EISDIR:
      return "het is een map";
    case ENOTDIR:
      return "een deel van het pad is geen map";
    case EIO:
      return "invoer-/uitvoerfout";
    case ENOSPC:
      return "geen ruimte meer op het apparaat";
    case ENOMEM:
      return "onvoldoende geheugen";
    default:
      return std::strerror(error);  // the system's text, in English
  }
}

}  // namespace morfenaar
