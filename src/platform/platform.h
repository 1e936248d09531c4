// The platform layer: every operating-system service the preprocessor uses goes through this
// header. There is one implementation per target (POSIX, Win32); nothing outside src/platform
// includes a system header for these services.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// ---------------------------------------------------------------------------------------------
// Virtual memory.

// The page size of the machine (4096 when it cannot be read).
std::size_t PageSize();

// Reserves an address range without committing it. `preferred` is a hint (may be null); the
// range may be placed elsewhere. Returns null on failure.
void* Reserve(std::size_t size, void* preferred);
// Commits pages inside a reserved range so they can be read and written; they read as zero
// the first time. Returns false on failure.
bool Commit(void* address, std::size_t size);
// Gives the pages back to the system; the range stays reserved. Returns false on failure.
bool Decommit(void* address, std::size_t size);
// Releases a whole reservation made by Reserve. Returns false on failure.
bool ReleaseReservation(void* address, std::size_t size);
// Reserves and commits a fresh read-write region anywhere ("low-level get"); null on failure.
void* AllocateRegion(std::size_t size);
// Gives a region obtained from AllocateRegion back whole.
bool FreeRegion(void* address, std::size_t size);

// ---------------------------------------------------------------------------------------------
// Files. Handles are small non-negative integers; -1 means failure. Files are always opened
// without text translation.

int OpenForReading(const char* path);
// Creates a file for reading and writing, or replaces the contents of an existing one: once
// closed it holds exactly the bytes written, and a reader opened meanwhile through
// OpenForReading sees only those. (The old bytes may be written over and the rest cut off at
// the close rather than dropped at once.)
int CreateForWriting(const char* path);
// Returns the number of bytes read, 0 at the end, -1 on error.
long ReadFile(int handle, void* buffer, std::size_t size);
// Returns the number of bytes written, -1 on error.
long WriteFile(int handle, const void* buffer, std::size_t size);
bool CloseFile(int handle);
bool DeleteFile(const char* path);
// True when both paths name one existing file (the same file reached by two spellings or
// links); false when either does not exist.
bool SameFile(const char* a, const char* b);
// Moves the read position of an open file to `offset` bytes from its start.
bool SeekFile(int handle, std::uint32_t offset);
// Size of an open file in bytes, -1 on error.
long FileSize(int handle);
// True when the last failed open or create failed because the process has no free handle.
bool LastOpenFailedForHandles();

// ---------------------------------------------------------------------------------------------
// Path conventions.

// The separator written when joining a directory and a name.
extern const char kPathSeparator;
// True for a character that ends a directory part of a path.
bool IsDirectorySeparator(char c);
// Length of the drive part at the start of a path ("c:" on Windows; always 0 on POSIX).
std::size_t DrivePrefixLength(const char* path);
// True when file names are compared without regard to case on this platform.
bool FileNamesIgnoreCase();

// ---------------------------------------------------------------------------------------------
// Wild-card search over normal files (no directories, hidden or system files). `*` and `?`
// are recognised in the last path component only.

// Receives each found name (the last component only, as the file system reports it).
// Returns false to stop the search.
using FoundFileCallback = bool (*)(void* context, const char* foundName);
// Returns -1 when nothing matches, 0 when the callback stopped the search, 1 otherwise.
int FindFiles(const char* pattern, FoundFileCallback callback, void* context);
// True when the file system holding `pattern` keeps the letter case of file names.
bool NamesKeepCase(const char* pattern);

// Full path of the running executable, or the empty text when it cannot be found.
// Writes at most `size` bytes including the terminating zero.
void ExecutablePath(char* buffer, std::size_t size);

// ---------------------------------------------------------------------------------------------
// Code pages.

// The active ANSI code page of the process.
unsigned ActiveCodePage();
// Fills table[b] with true for every lead byte b of a double-byte code page; all false for a
// single-byte code page.
void LeadByteTable(unsigned codePage, bool table[256]);
// Converts `length` bytes of multibyte text in `codePage` to UTF-16. Returns the number of
// UTF-16 units written (at most `capacity`), or 0 when the text cannot be converted.
int MultiByteToUtf16(unsigned codePage, const char* text, int length, std::uint16_t* out,
                     int capacity);

// ---------------------------------------------------------------------------------------------
// Asynchronous events.

// Called on an interrupt (Ctrl+C); must not return.
using InterruptHandler = void (*)();
void InstallInterruptHandler(InterruptHandler handler);

// Called when the processor faults (bad access, arithmetic fault, illegal instruction) with
// the faulting address and the base of the program's code. Must not return.
using FaultHandler = void (*)(std::uintptr_t faultAddress, std::uintptr_t codeBase);
void InstallFaultHandler(FaultHandler handler);

// ---------------------------------------------------------------------------------------------
// Standard output and standard error: prepares both for byte-exact output (binary mode where
// that matters).
void PrepareStandardOutput();

}  // namespace platform
