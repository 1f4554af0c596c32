// The program's only contact with the operating system (POSIX).
#pragma once

#include <cstddef>
#include <string>

namespace mphi {

constexpr int kNoHandle = -1;

struct OpenedFile {
  int handle = kNoHandle;
  bool readOnly = false;
  int diagnostic = 0;  // nonzero: the open failed with this diagnostic number
};

// Opens `name` read-write, creating it if absent and never truncating it;
// falls back to read-only where writing is refused.
OpenedFile platformOpenReadWrite(const char* name);
// The full path of a name relative to the current directory.
std::string platformFullPath(const char* name);

// Writes all bytes in one call where the device allows; false on failure.
bool platformWrite(int handle, const char* bytes, std::size_t count);
// Bytes read, 0 at end of input, -1 on a device failure.
long platformRead(int handle, char* buffer, std::size_t capacity);
// Ends the file at the current position.
void platformTruncateHere(int handle);
void platformClose(int handle);

// Makes sure the standard handles exist, so that no file of ours lands on
// one of them; a missing one reads as empty and refuses writes. Runs by
// itself before the program's static initializers, and again at the start
// of a run.
void platformGuardStandardHandles();
// Routes console interrupts (SIGINT, SIGQUIT, SIGHUP, SIGTERM) to `handler`,
// and lets a closed pipe show as a write failure instead of a kill.
void platformInstallInterruptHandler(void (*handler)(int signal));

[[noreturn]] void platformExit(int status);

}  // namespace mphi
