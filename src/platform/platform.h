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
// Creates a file for writing, or empties an existing one (a device or FIFO is opened as it is).
int CreateForWriting(const char* path);
// Creates a new file for writing; fails when the name exists already.
int CreateNewForWriting(const char* path);
// Returns the number of bytes read, 0 at the end, -1 on error.
long ReadFile(int handle, void* buffer, std::size_t size);
// Returns the number of bytes written, -1 on error.
long WriteFile(int handle, const void* buffer, std::size_t size);
// Notes a write that failed (WriteFile does so itself; a writer through the C library's streams
// calls it); LastWriteBrokenPipe tells whether that write failed because the reading end of a
// pipe had been closed.
void NoteWriteFailure();
bool LastWriteBrokenPipe();
bool CloseFile(int handle);
bool DeleteFile(const char* path);
// Cuts an open file to no bytes.
bool EmptyFile(int handle);
// Moves the file `from` to the name `to`, replacing what stood there in one step: a reader of
// `to` finds the old file or the new one, never a mixture.
bool ReplaceFile(const char* from, const char* to);
// Gives an open file the access permissions of the file at `path`, where the platform has them.
void TakePermissions(int handle, const char* path);
// Moves the read position of an open file to `offset` bytes from its start.
bool SeekFile(int handle, std::uint32_t offset);
// Size of an open file in bytes, -1 on error.
long FileSize(int handle);
// True when the last failed open or create failed because the process has no free handle.
bool LastOpenFailedForHandles();

// The identity of a file, whatever name, spelling or link reaches it: device and inode on
// POSIX, volume serial number and file index on Windows.
struct FileId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileId&) const = default;
};
// The identity of the file that a path names (links followed); false when there is none.
bool IdentifyPath(const char* path, FileId* id);
// The identity of an open file.
bool IdentifyHandle(int handle, FileId* id);
// True when both paths name one existing file (the same file reached by two spellings or
// links); false when either does not exist.
bool SameFile(const char* a, const char* b);

// What a path names, links followed: nothing, a regular file, or anything else (a device, a
// FIFO, a socket, a directory, or a name that cannot be looked at).
enum class PathKind { kNone, kRegular, kOther };
PathKind KindOfPath(const char* path);
// Writes to `out` (capacity `size`) the name that `path` leads to once symbolic links are
// followed: the link's target, read from the link's directory when it is relative, and so on
// while the target is itself a link. The last name need not exist. Without links, and on
// Windows, the path itself. False when the links loop or the name does not fit.
bool FollowLinks(const char* path, char* out, std::size_t size);

// The identifier of this process; whether a process with the identifier `id` exists.
unsigned long ProcessId();
bool ProcessExists(unsigned long id);

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
// True when a command-line, configuration-file or response-file word is an option: it begins
// with "-", or on Windows with "/" as well. On POSIX a word that begins with "/" is a path.
bool IsOptionWord(const char* word);

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
// Names written for Windows.
//
// Code bases written for Windows name files with "\" between directories and without regard to
// letter case. On Windows the system reads such names itself, and a name is only ever tried as
// written. On POSIX the operations below give them the same meaning: "\" is read as "/" (except
// a "\" that is the second byte of a double-byte character of the code page) and each component
// is matched to the entries of its directory without regard to ASCII letter case (double-byte
// characters are compared as they are). Where several entries differ only in case, the one
// spelt exactly as written is taken, else the first of them in byte order. A name with a ":"
// (a drive letter, say) is not mapped. Each directory is listed once, and the listing is
// kept for the whole process (which never changes its working directory): a file created in a
// directory after it was listed is not found this way.

// True where the operations below find anything (POSIX); false on Windows.
bool ResolvesWindowsNames();

// Length of the directory part of `path` (up to and including its last separator) when "\"
// separates directories as well as "/".
std::size_t WindowsDirectoryLength(const char* path);

// Writes to `out` the path on disk of the file or directory that `path` names when it is read
// as on Windows. False when nothing matches, on Windows, or when the result does not fit.
bool ResolveWindowsName(const char* path, char* out, std::size_t size);

// How OpenForReading looks a name up.
enum class NameLookup {
  kAsWritten,                  // the name exactly as written
  kWindowsStyle,               // the name read as on Windows (fails on Windows itself)
  kAsWrittenThenWindowsStyle,  // as written, and failing that read as on Windows
};
int OpenForReading(const char* path, NameLookup lookup);

// FindFiles for a pattern read as on Windows: its directory part resolves as ResolveWindowsName
// does and its last component matches without regard to ASCII letter case. The names come in
// the order of their letters without regard to case, each as stored. -1 on Windows.
int FindFilesWindowsStyle(const char* pattern, FoundFileCallback callback, void* context);

// For tests: forgets every directory listing kept so far and takes the lead bytes of
// `codePage` (0: the active code page, the default) for the names read from then on.
void ResetWindowsNames(unsigned codePage);
// The number of directory listings read so far by this process.
unsigned long DirectoryListingsRead();

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

// Called on an interrupt (Ctrl+C), and on the requests to end the process that a build system or
// the system sends (SIGTERM and SIGHUP on POSIX; closing the console and shutting down on
// Windows); must not return. It may run at any point of the program (on Windows in a thread of
// its own), so it does no more than close and delete files and end the process.
using InterruptHandler = void (*)();
void InstallInterruptHandler(InterruptHandler handler);

// Called when the processor faults (bad access, arithmetic fault, illegal instruction) with
// the faulting address and the base of the program's code. Must not return.
using FaultHandler = void (*)(std::uintptr_t faultAddress, std::uintptr_t codeBase);
void InstallFaultHandler(FaultHandler handler);

// ---------------------------------------------------------------------------------------------
// Standard output and standard error: prepares both for byte-exact output (binary mode where
// that matters). A write to a pipe whose reader has gone fails (LastWriteBrokenPipe) rather
// than ending the process, and a standard handle that is closed stays reserved, so that no file
// opened later takes its number.
void PrepareStandardOutput();

}  // namespace platform
