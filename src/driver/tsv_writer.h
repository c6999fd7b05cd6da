// The tsv format: a header row, then one row per record with six
// TAB-separated columns, for spreadsheets and flashcard programs:
//
//   bron klasse blok persoon hebreeuws nederlands
//
// for example "1-KTB\t1\tverleden\t1s\tKTBTI\t(ik) heb geschreven\n". The
// first field as typed, the class digit, the block's Dutch name, the person
// tag without braces, the Hebrew form and the Dutch text without its
// trailing blanks. With --niqqud a seventh column, uitspraak, gives the
// form's pronunciation in Dutch spelling. The text is UTF-8
// (support/utf8.h) and written as it is: no field of an entry can hold a
// TAB, CR or LF, and there is no quoting.
#pragma once

#include <string>

#include "driver/reader.h"
#include "hebrew/record.h"

namespace morfenaar {

void writeTsvHeader(std::string& out);
void writeTsvRow(std::string& out, const Record& record, const Entry& entry);

}  // namespace morfenaar
