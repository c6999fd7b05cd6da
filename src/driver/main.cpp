// morfenaar: reads a list of Hebrew verbs on standard input and writes the
// table of their conjugated forms, each with a conjugated Dutch translation,
// on standard output. The Dutch forms of every verb are logged to
// morfenaar.log in the working directory.
#include <cstdio>

#include "driver/run.h"
#include "dutch/tables.h"
#include "support/output.h"

int main() {
  morfenaar::protectStandardStreams();
  morfenaar::init();
  return morfenaar::run(stdin);
}
