/* The I/O floor of a morfenaar run: a plain C program that does only the
 * input and output that the real program cannot avoid, and nothing else.
 *
 * It reads standard input line by line as the program does, and for every
 * entry (a line longer than two characters, counting its LF) it
 *   - writes that entry's LOG_LINES lines of LOG_BYTES bytes each (each
 *     ending in a LF) to "morfenaar.log" in the working directory with ONE
 *     write(2), continued after a short write or EINTR, as the program
 *     writes a verb's five log lines together; the file is created or
 *     emptied at the first entry;
 *   - appends OUT_BYTES bytes to a 64 KiB buffer that goes to standard
 *     output with write(2) whenever it is full, as the program writes its
 *     records.
 * The benchmark passes the program's own averages per entry, measured on
 * the same list, so the floor moves the same number of bytes through the
 * same number of system calls.
 *
 * Usage: morfenaar_floor OUT_BYTES LOG_LINES LOG_BYTES < list > out
 */
// The POSIX feature-test macro: its name is reserved for this use.
#define _POSIX_C_SOURCE 200809L  // NOLINT(bugprone-reserved-identifier)

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { kBlockSize = 64 * 1024 };

static char block[kBlockSize];
static size_t blockUsed = 0;

/* Writes all `size` bytes to `fd`, continuing after a short write or EINTR. */
static int writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return 0;
    }
    data += n;
    size -= (size_t)n;
  }
  return 1;
}

/* Appends `size` bytes of record-like text to the output block. */
static int emit(size_t size) {
  while (size > 0) {
    size_t room = kBlockSize - blockUsed;
    size_t piece = size < room ? size : room;
    memset(block + blockUsed, 'x', piece);
    blockUsed += piece;
    size -= piece;
    if (blockUsed == kBlockSize) {
      if (!writeAll(STDOUT_FILENO, block, blockUsed)) return 0;
      blockUsed = 0;
    }
  }
  return 1;
}

static long argument(const char* text) {
  char* end = NULL;
  long value = strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0) {
    fprintf(stderr, "morfenaar_floor: not a count: %s\n", text);
    exit(2);
  }
  return value;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    fputs("usage: morfenaar_floor OUT_BYTES LOG_LINES LOG_BYTES < list > out\n", stderr);
    return 2;
  }
  size_t outBytes = (size_t)argument(argv[1]);
  size_t logLines = (size_t)argument(argv[2]);
  size_t logBytes = (size_t)argument(argv[3]);
  if (logBytes == 0) logBytes = 1;

  /* One verb's log lines, as one block of bytes. */
  size_t verbLogBytes = logLines * logBytes;
  char* verbLog = malloc(verbLogBytes > 0 ? verbLogBytes : 1);
  if (verbLog == NULL) return 2;
  memset(verbLog, 'x', verbLogBytes);
  for (size_t i = 1; i <= logLines; ++i) verbLog[i * logBytes - 1] = '\n';

  int log = -1;
  char* line = NULL;
  size_t lineSize = 0;
  ssize_t got;
  while ((got = getline(&line, &lineSize, stdin)) >= 0) {
    if (got <= 2) continue;
    if (verbLogBytes > 0) {
      if (log < 0 && (log = open("morfenaar.log", O_WRONLY | O_CREAT | O_TRUNC, 0666)) < 0) {
        return 2;
      }
      if (!writeAll(log, verbLog, verbLogBytes)) return 2;
    }
    if (!emit(outBytes)) return 2;
  }
  if (!writeAll(STDOUT_FILENO, block, blockUsed)) return 2;
  if (log >= 0 && close(log) != 0) return 2;
  free(line);
  free(verbLog);
  return 0;
}
