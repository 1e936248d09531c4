// Win32 implementation of the platform layer (the Windows console program, 32-bit and x86-64).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// <windows.h> maps these names to their ANSI entry points with macros; the platform layer has
// functions of the same names.
#undef DeleteFile
#undef ReplaceFile

#include "platform/platform.h"

namespace platform {

// ---------------------------------------------------------------------------------------------
// Virtual memory.

std::size_t PageSize() {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  return info.dwPageSize != 0 ? static_cast<std::size_t>(info.dwPageSize) : 4096;
}

void* Reserve(std::size_t size, void* preferred) {
  void* p = nullptr;
  if (preferred != nullptr) p = ::VirtualAlloc(preferred, size, MEM_RESERVE, PAGE_NOACCESS);
  // The preferred place is only a wish: anywhere else serves when it is taken.
  if (p == nullptr) p = ::VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
  return p;
}

bool Commit(void* address, std::size_t size) {
  return ::VirtualAlloc(address, size, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

bool Decommit(void* address, std::size_t size) {
  return ::VirtualFree(address, size, MEM_DECOMMIT) != 0;
}

bool ReleaseReservation(void* address, std::size_t) {
  return ::VirtualFree(address, 0, MEM_RELEASE) != 0;
}

void* AllocateRegion(std::size_t size) {
  if (size == 0) size = 1;
  return ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

bool FreeRegion(void* address, std::size_t) {
  return address != nullptr && ::VirtualFree(address, 0, MEM_RELEASE) != 0;
}

// ---------------------------------------------------------------------------------------------
// Files. The C runtime's low-level handles are small integers, as the interface wants; every
// file is opened in binary mode so that no byte is translated (text mode would turn LF into
// CR LF and stop reading at 0x1A).

namespace {
bool lastOpenOutOfHandles = false;

int NoteOpen(int fd) {
  // Some runtimes report a full handle table as ENFILE rather than EMFILE.
  lastOpenOutOfHandles = fd < 0 && (errno == EMFILE || errno == ENFILE);
  return fd;
}

// The C runtime moves at most INT_MAX bytes per call.
constexpr std::size_t kMaxTransfer = 0x40000000;
}  // namespace

int OpenForReading(const char* path) {
  int fd = NoteOpen(::_open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT));
  if (fd >= 0) {
    // A directory (or a device other than a pipe) is not a source file.
    DWORD type = ::GetFileType(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)));
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE) {
      ::_close(fd);
      lastOpenOutOfHandles = false;
      return -1;
    }
  }
  return fd;
}

int CreateForWriting(const char* path) {
  return NoteOpen(::_open(path, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE));
}

int CreateNewForWriting(const char* path) {
  return NoteOpen(::_open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE));
}

long ReadFile(int handle, void* buffer, std::size_t size) {
  char* p = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    std::size_t chunk = size - done < kMaxTransfer ? size - done : kMaxTransfer;
    int n = ::_read(handle, p + done, static_cast<unsigned>(chunk));
    if (n < 0) return done > 0 ? static_cast<long>(done) : -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

long WriteFile(int handle, const void* buffer, std::size_t size) {
  const char* p = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    std::size_t chunk = size - done < kMaxTransfer ? size - done : kMaxTransfer;
    int n = ::_write(handle, p + done, static_cast<unsigned>(chunk));
    if (n <= 0) {
      NoteWriteFailure();
      return done > 0 ? static_cast<long>(done) : -1;
    }
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

namespace {
bool lastWriteBrokenPipe = false;
}  // namespace

// The runtime reports a pipe whose reader has gone as EPIPE (and, for some kinds of pipe, as
// EINVAL with the system's "no data" error).
void NoteWriteFailure() {
  const DWORD error = ::GetLastError();
  lastWriteBrokenPipe = errno == EPIPE || error == ERROR_BROKEN_PIPE || error == ERROR_NO_DATA;
}

bool LastWriteBrokenPipe() { return lastWriteBrokenPipe; }

bool CloseFile(int handle) { return ::_close(handle) == 0; }

bool DeleteFile(const char* path) { return ::DeleteFileA(path) != 0; }

bool EmptyFile(int handle) { return ::_chsize_s(handle, 0) == 0; }

bool ReplaceFile(const char* from, const char* to) {
  return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

// The access permissions of Windows files are those of the folder they are made in.
void TakePermissions(int, const char*) {}

namespace {

// The volume and index that identify a file, whatever path reaches it.
bool FileIdentity(const char* path, BY_HANDLE_FILE_INFORMATION* info) {
  HANDLE h = ::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = ::GetFileInformationByHandle(h, info) != 0;
  ::CloseHandle(h);
  return ok;
}

FileId IdOf(const BY_HANDLE_FILE_INFORMATION& info) {
  return FileId{info.dwVolumeSerialNumber,
                (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace

bool SameFile(const char* a, const char* b) {
  FileId first, second;
  return IdentifyPath(a, &first) && IdentifyPath(b, &second) && first == second;
}

bool IdentifyPath(const char* path, FileId* id) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!FileIdentity(path, &info)) return false;
  *id = IdOf(info);
  return true;
}

bool IdentifyHandle(int handle, FileId* id) {
  BY_HANDLE_FILE_INFORMATION info;
  HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(handle));
  if (h == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(h, &info)) return false;
  *id = IdOf(info);
  return true;
}

PathKind KindOfPath(const char* path) {
  HANDLE h = ::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::kNone
                                                                          : PathKind::kOther;
  }
  // Devices (the console, "nul", serial ports) are not disk files; folders are not files.
  BY_HANDLE_FILE_INFORMATION info;
  const bool disk = ::GetFileType(h) == FILE_TYPE_DISK;
  const bool regular = disk && ::GetFileInformationByHandle(h, &info) != 0 &&
                       (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  ::CloseHandle(h);
  return regular ? PathKind::kRegular : PathKind::kOther;
}

// Links are left to the system here: a file is replaced under the name it was given.
bool FollowLinks(const char* path, char* out, std::size_t size) {
  const std::size_t length = std::strlen(path);
  if (length + 1 > size) return false;
  std::memcpy(out, path, length + 1);
  return true;
}

unsigned long ProcessId() { return ::GetCurrentProcessId(); }

bool ProcessExists(unsigned long id) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (process == nullptr) return ::GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool running = ::GetExitCodeProcess(process, &code) == 0 || code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
}

bool SeekFile(int handle, std::uint32_t offset) {
  return ::_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) ==
         static_cast<__int64>(offset);
}

long FileSize(int handle) {
  __int64 size = ::_filelengthi64(handle);
  if (size < 0 || size > LONG_MAX) return -1;
  return static_cast<long>(size);
}

bool LastOpenFailedForHandles() { return lastOpenOutOfHandles; }

// ---------------------------------------------------------------------------------------------
// Paths: "\" is written between directories, "/" is accepted as well, and a path may start
// with a drive letter and ":".

const char kPathSeparator = '\\';

bool IsDirectorySeparator(char c) { return c == '\\' || c == '/'; }

std::size_t DrivePrefixLength(const char* path) {
  if (path == nullptr) return 0;
  char c = path[0];
  bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return letter && path[1] == ':' ? 2 : 0;
}

bool FileNamesIgnoreCase() { return true; }

bool IsOptionWord(const char* word) { return word[0] == '-' || word[0] == '/'; }

// ---------------------------------------------------------------------------------------------
// Names written for Windows are the system's own here: a name is tried as written only.

namespace {
unsigned nameCodePage = 0;  // 0: the active one
}  // namespace

bool ResolvesWindowsNames() { return false; }

std::size_t WindowsDirectoryLength(const char* path) {
  bool lead[256];
  LeadByteTable(nameCodePage, lead);
  std::size_t end = DrivePrefixLength(path);
  for (std::size_t i = end; path[i] != 0; ++i) {
    if (lead[static_cast<unsigned char>(path[i])] && path[i + 1] != 0) {
      ++i;  // the trail byte is never a separator
      continue;
    }
    if (path[i] == '\\' || path[i] == '/') end = i + 1;
  }
  return end;
}

bool ResolveWindowsName(const char*, char*, std::size_t) { return false; }

int OpenForReading(const char* path, NameLookup lookup) {
  if (lookup == NameLookup::kWindowsStyle) {
    lastOpenOutOfHandles = false;
    return -1;
  }
  return OpenForReading(path);
}

int FindFilesWindowsStyle(const char*, FoundFileCallback, void*) { return -1; }

void ResetWindowsNames(unsigned codePage) { nameCodePage = codePage; }

unsigned long DirectoryListingsRead() { return 0; }

// ---------------------------------------------------------------------------------------------
// Code pages: the system's own tables.

unsigned ActiveCodePage() { return ::GetACP(); }

void LeadByteTable(unsigned codePage, bool table[256]) {
  // Code page 0 is the system's name for the active code page as well.
  for (int b = 0; b < 256; ++b) table[b] = ::IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b)) != 0;
}

int MultiByteToUtf16(unsigned codePage, const char* text, int length, std::uint16_t* out,
                     int capacity) {
  if (text == nullptr || out == nullptr || length <= 0 || capacity <= 0) return 0;
  static_assert(sizeof(wchar_t) == sizeof(std::uint16_t), "UTF-16 units are wchar_t here");
  wchar_t* wide = reinterpret_cast<wchar_t*>(out);
  // Invalid input fails rather than turning into a replacement character, so a wide constant
  // that is not text of its code page gets the same value on every platform.
  int n = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, length, wide, capacity);
  if (n == 0 && ::GetLastError() == ERROR_INVALID_FLAGS) {
    // Some code pages (the ISO-2022 and similar stateful ones) take no flags at all.
    n = ::MultiByteToWideChar(codePage, 0, text, length, wide, capacity);
  }
  return n > 0 ? n : 0;
}

// ---------------------------------------------------------------------------------------------
// Wild-card search.

namespace {

bool IsNormalFile(const WIN32_FIND_DATAA& data) {
  return (data.dwFileAttributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace

int FindFiles(const char* pattern, FoundFileCallback callback, void* context) {
  if (pattern == nullptr || *pattern == 0) return -1;
  WIN32_FIND_DATAA data;
  HANDLE search = ::FindFirstFileA(pattern, &data);
  if (search == INVALID_HANDLE_VALUE) return -1;
  // The matches are collected before any is handed on, so files the callback creates in the
  // same directory (output files) neither show up nor disturb the enumeration.
  std::vector<std::string> found;
  do {
    if (IsNormalFile(data)) found.emplace_back(data.cFileName);
  } while (::FindNextFileA(search, &data));
  ::FindClose(search);
  if (found.empty()) return -1;
  for (const std::string& name : found) {
    if (!callback(context, name.c_str())) return 0;
  }
  return 1;
}

bool NamesKeepCase(const char* pattern) {
  // A system that exports this entry point from its kernel module keeps short upper-case
  // names only, whatever its volumes report.
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (kernel != nullptr && ::GetProcAddress(kernel, "Kestrel32") != nullptr) return false;

  char root[4] = {0, ':', '\\', 0};
  const char* volume = nullptr;  // the volume of the current directory
  if (pattern != nullptr && DrivePrefixLength(pattern) == 2) {
    root[0] = pattern[0];
    volume = root;
  }
  // Only the flags are wanted. Asking for nothing else keeps the query from failing on a
  // long volume or file-system name, which would make the names be taken as case-blind.
  DWORD maxComponent = 0;
  DWORD flags = 0;
  if (!::GetVolumeInformationA(volume, nullptr, 0, nullptr, &maxComponent, &flags, nullptr, 0))
    return false;
  return (flags & FILE_CASE_PRESERVED_NAMES) != 0;
}

void ExecutablePath(char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return;
  buffer[0] = 0;
  char path[MAX_PATH + 1];
  DWORD n = ::GetModuleFileNameA(::GetModuleHandleA(nullptr), path, sizeof path);
  // A path that does not fit is left out entirely: a cut-off path would name another place.
  if (n == 0 || n >= sizeof path || n >= size) return;
  std::memcpy(buffer, path, n);
  buffer[n] = 0;
}

// ---------------------------------------------------------------------------------------------
// Asynchronous events.

namespace {

InterruptHandler interruptHandler = nullptr;
FaultHandler faultHandler = nullptr;
std::uintptr_t codeBase = 0;
std::uintptr_t imageEnd = 0;

// A stack of its own for the fault handler, so that it can run after the program's stack has
// overflowed (the overflowed stack has only its last guard page left).
constexpr std::size_t kFaultStackSize = 256 * 1024;
char* faultStack = nullptr;

// Ctrl+C and Ctrl+Break, the console window being closed and the system shutting down all end
// the run as an interrupt does. (The log-off event is left alone: a program run by a service
// receives it whenever any user logs off.)
BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT &&
      event != CTRL_SHUTDOWN_EVENT)
    return FALSE;
  if (interruptHandler == nullptr) return FALSE;
  interruptHandler();
  // The handler is required to end the process. Should it return anyway, the process ends as
  // the system ends an interrupted program.
  ::TerminateProcess(::GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  return TRUE;
}

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
      return true;
    default:
      return false;
  }
}

bool OnFaultStack() {
  char here = 0;
  char* p = &here;
  return faultStack != nullptr && p >= faultStack && p < faultStack + kFaultStackSize;
}

// The fault waiting for the handler while the stack is switched.
std::uintptr_t pendingAddress = 0;
DWORD pendingCode = 0;

// Runs the handler for the pending fault. The handler is required to end the process; should
// it return, the process ends with the exception code as its status, so that a fault is never
// retried.
[[noreturn]] void RunHandlerForPendingFault() {
  if (faultHandler != nullptr) faultHandler(pendingAddress, codeBase);
  ::TerminateProcess(::GetCurrentProcess(), pendingCode);
  for (;;) {
  }
}

// Continues on the fault stack with RunHandlerForPendingFault. The thread's stack bounds are
// moved along, so that the system still recognises the stack should the handler fault again.
[[noreturn]] __attribute__((noinline)) void SwitchToFaultStack() {
  char* top = faultStack + kFaultStackSize;
#if defined(__i386__)
  // The thread information block starts with the stack bounds; it points to itself at 0x18.
  NT_TIB* tib;
  __asm__("movl %%fs:0x18, %0" : "=r"(tib));
  tib->StackBase = top;
  tib->StackLimit = faultStack;
  // The top is page-aligned, so the call is made with a 16-byte aligned stack.
  __asm__ volatile(
      "movl %0, %%esp\n\t"
      "call *%1\n\t"
      :
      : "r"(top), "r"(&RunHandlerForPendingFault)
      : "memory");
  __builtin_unreachable();
#elif defined(__x86_64__)
  // Here the thread information block points to itself at 0x30 of the segment in gs.
  NT_TIB* tib;
  __asm__("movq %%gs:0x30, %0" : "=r"(tib));
  tib->StackBase = top;
  tib->StackLimit = faultStack;
  // The callee may use the 32 bytes above its return address; the stack stays 16-byte aligned
  // at the call, as the calling convention wants.
  __asm__ volatile(
      "movq %0, %%rsp\n\t"
      "subq $32, %%rsp\n\t"
      "call *%1\n\t"
      :
      : "r"(top), "r"(&RunHandlerForPendingFault)
      : "memory");
  __builtin_unreachable();
#else
  (void)top;
  RunHandlerForPendingFault();
#endif
}

[[noreturn]] void HandleFault(const EXCEPTION_RECORD* record) {
  pendingAddress = reinterpret_cast<std::uintptr_t>(record->ExceptionAddress);
  pendingCode = record->ExceptionCode;
  // After a stack overflow only the last guard page is left: the handler gets a stack of its
  // own. A fault inside the handler is handled on the stack it happened on.
  if (pendingCode == EXCEPTION_STACK_OVERFLOW && faultStack != nullptr && !OnFaultStack())
    SwitchToFaultStack();
  RunHandlerForPendingFault();
}

// First in line for every exception: takes the faults of the program's own code and every
// stack overflow. Faults inside system libraries are left to their own handlers first.
LONG CALLBACK VectoredFaultHandler(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if (!IsProcessorFault(record->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
  std::uintptr_t address = reinterpret_cast<std::uintptr_t>(record->ExceptionAddress);
  bool inProgram = address >= codeBase && address < imageEnd;
  if (!inProgram && record->ExceptionCode != EXCEPTION_STACK_OVERFLOW)
    return EXCEPTION_CONTINUE_SEARCH;
  HandleFault(record);
}

// Last in line: every exception nothing else handled, except an unwind and the codes of the
// 0xC001 group, which are not faults of this program.
LONG WINAPI UnhandledFaultFilter(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if ((record->ExceptionFlags & EXCEPTION_UNWINDING) != 0) return EXCEPTION_CONTINUE_SEARCH;
  if ((record->ExceptionCode & 0xFFFF0000u) == 0xC0010000u) return EXCEPTION_CONTINUE_SEARCH;
  HandleFault(record);
}

}  // namespace

void InstallInterruptHandler(InterruptHandler handler) {
  interruptHandler = handler;
  ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void InstallFaultHandler(FaultHandler handler) {
  faultHandler = handler;
  // The base and extent of the program's image are looked up now rather than in the handler.
  MEMORY_BASIC_INFORMATION region;
  if (::VirtualQuery(reinterpret_cast<const void*>(&InstallFaultHandler), &region, sizeof region) !=
      0) {
    codeBase = reinterpret_cast<std::uintptr_t>(region.AllocationBase);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(region.AllocationBase);
    if (dos != nullptr && dos->e_magic == IMAGE_DOS_SIGNATURE) {
      const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
          reinterpret_cast<const char*>(dos) + dos->e_lfanew);
      if (nt->Signature == IMAGE_NT_SIGNATURE) imageEnd = codeBase + nt->OptionalHeader.SizeOfImage;
    }
  }
  if (faultStack == nullptr) faultStack = static_cast<char*>(AllocateRegion(kFaultStackSize));
  static bool installed = false;
  if (!installed) {
    installed = true;
    ::AddVectoredExceptionHandler(1, VectoredFaultHandler);
    ::SetUnhandledExceptionFilter(UnhandledFaultFilter);
  }
}

// ---------------------------------------------------------------------------------------------
// Standard output: binary mode, so that the bytes written are exactly those of every other
// platform (text mode would add a carriage return before each line feed).

void PrepareStandardOutput() {
  std::fflush(stdout);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  // Messages may go to standard error (--diagnostics=gnu): the same bytes as on POSIX there too.
  std::fflush(stderr);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

}  // namespace platform
