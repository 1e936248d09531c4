// POSIX implementation of the platform layer.
#include "platform/platform.h"

#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <limits.h>
#include <locale.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <ucontext.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

// ---------------------------------------------------------------------------------------------
// Virtual memory.

std::size_t PageSize() {
  long size = sysconf(_SC_PAGESIZE);
  return size > 0 ? static_cast<std::size_t>(size) : 4096;
}

void* Reserve(std::size_t size, void* preferred) {
  void* p = mmap(preferred, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

bool Commit(void* address, std::size_t size) {
  if (mprotect(address, size, PROT_READ | PROT_WRITE) != 0) return false;
#if defined(MADV_POPULATE_WRITE)
  // Committed memory is about to be filled: its pages are brought in with this one call
  // instead of one fault each, which a virtual machine makes dear. Kernels without the
  // request refuse it, and the pages then come in on first use as before.
  madvise(address, size, MADV_POPULATE_WRITE);
#endif
  return true;
}

bool Decommit(void* address, std::size_t size) {
  // Replacing the pages with fresh inaccessible ones gives the memory back and makes them read
  // as zero when committed again.
  void* p = mmap(address, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED,
                 -1, 0);
  return p != MAP_FAILED;
}

bool ReleaseReservation(void* address, std::size_t size) { return munmap(address, size) == 0; }

void* AllocateRegion(std::size_t size) {
  if (size == 0) size = 1;
  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

bool FreeRegion(void* address, std::size_t size) {
  if (size == 0) size = 1;
  return munmap(address, size) == 0;
}

// ---------------------------------------------------------------------------------------------
// Files.

namespace {
bool lastOpenOutOfHandles = false;
bool lastWriteBrokenPipe = false;

int NoteOpen(int fd) {
  lastOpenOutOfHandles = fd < 0 && (errno == EMFILE || errno == ENFILE);
  return fd;
}

// Moves `size` bytes with `transfer` (read or write), again after an interruption or a short
// count, until all are moved, the end of the file is reached (a count of 0) or an error comes.
// Returns the bytes moved; -1 when an error came before any byte.
template <typename Buffer, typename Transfer>
long TransferAll(int fd, Buffer* buffer, std::size_t size, Transfer transfer) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = transfer(fd, buffer + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? static_cast<long>(done) : -1;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

FileId IdOf(const struct stat& st) {
  return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace

int OpenForReading(const char* path) {
  int fd = NoteOpen(open(path, O_RDONLY | O_CLOEXEC));
  if (fd >= 0) {
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
      close(fd);
      lastOpenOutOfHandles = false;
      return -1;
    }
  }
  return fd;
}

int CreateForWriting(const char* path) {
  return NoteOpen(open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

int CreateNewForWriting(const char* path) {
  return NoteOpen(open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

long ReadFile(int handle, void* buffer, std::size_t size) {
  return TransferAll(handle, static_cast<char*>(buffer), size, read);
}

long WriteFile(int handle, const void* buffer, std::size_t size) {
  long done = TransferAll(handle, static_cast<const char*>(buffer), size, write);
  if (done != static_cast<long>(size)) NoteWriteFailure();
  return done;
}

void NoteWriteFailure() { lastWriteBrokenPipe = errno == EPIPE; }

bool LastWriteBrokenPipe() { return lastWriteBrokenPipe; }

bool CloseFile(int handle) { return close(handle) == 0; }

bool DeleteFile(const char* path) { return unlink(path) == 0; }

bool EmptyFile(int handle) { return ftruncate(handle, 0) == 0; }

bool ReplaceFile(const char* from, const char* to) { return rename(from, to) == 0; }

void TakePermissions(int handle, const char* path) {
  struct stat st;
  if (stat(path, &st) == 0) fchmod(handle, st.st_mode & 07777);
}

bool SameFile(const char* a, const char* b) {
  FileId first, second;
  return IdentifyPath(a, &first) && IdentifyPath(b, &second) && first == second;
}

bool IdentifyPath(const char* path, FileId* id) {
  struct stat st;
  if (stat(path, &st) != 0) return false;
  *id = IdOf(st);
  return true;
}

bool IdentifyHandle(int handle, FileId* id) {
  struct stat st;
  if (fstat(handle, &st) != 0) return false;
  *id = IdOf(st);
  return true;
}

PathKind KindOfPath(const char* path) {
  struct stat st;
  if (stat(path, &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? PathKind::kNone : PathKind::kOther;
  return S_ISREG(st.st_mode) ? PathKind::kRegular : PathKind::kOther;
}

bool FollowLinks(const char* path, char* out, std::size_t size) {
  std::size_t length = std::strlen(path);
  if (length + 1 > size) return false;
  std::memcpy(out, path, length + 1);
  // As many links as the system itself follows before it gives up.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(out, &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    char link[PATH_MAX];
    ssize_t n = readlink(out, link, sizeof link);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof link) return false;
    link[n] = 0;
    // A relative link is read from the directory that holds it.
    std::size_t directory = 0;
    if (link[0] != '/') {
      const char* slash = std::strrchr(out, '/');
      if (slash != nullptr) directory = static_cast<std::size_t>(slash - out) + 1;
    }
    if (directory + static_cast<std::size_t>(n) + 1 > size) return false;
    std::memcpy(out + directory, link, static_cast<std::size_t>(n) + 1);
  }
  return false;
}

bool SeekFile(int handle, std::uint32_t offset) {
  return lseek(handle, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

long FileSize(int handle) {
  struct stat st;
  if (fstat(handle, &st) != 0) return -1;
  return static_cast<long>(st.st_size);
}

bool LastOpenFailedForHandles() { return lastOpenOutOfHandles; }

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

bool ProcessExists(unsigned long id) {
  if (id == 0 || id > static_cast<unsigned long>(INT_MAX)) return false;
  // Signal 0 tests whether the process could be signalled: it exists unless there is none.
  return kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}

// ---------------------------------------------------------------------------------------------
// Paths.

const char kPathSeparator = '/';

bool IsDirectorySeparator(char c) { return c == '/'; }

std::size_t DrivePrefixLength(const char*) { return 0; }

bool FileNamesIgnoreCase() { return false; }

// "/" begins absolute paths here, so only "-" begins an option.
bool IsOptionWord(const char* word) { return word[0] == '-'; }

// ---------------------------------------------------------------------------------------------
// Code pages.

namespace {

// Maps the character-set name reported by the C library to the code page that describes the
// same encoding; single-byte sets without a better match count as 1252.
unsigned CodePageOfCharset(const char* charset) {
  // Compare without case, hyphens, underscores or dots ("UTF-8", "utf8", "Shift_JIS").
  std::string key;
  for (const char* p = charset; *p; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) key += static_cast<char>(c);
  }
  struct Alias {
    const char* name;
    unsigned codePage;
  };
  static const Alias kAliases[] = {
      {"UTF8", 65001}, {"SHIFTJIS", 932}, {"SJIS", 932},      {"WINDOWS31J", 932},
      {"GBK", 936},    {"GB2312", 936},   {"EUCCN", 936},     {"EUCKR", 949},
      {"UHC", 949},    {"BIG5", 950},     {"BIG5HKSCS", 950}, {"JOHAB", 1361},
  };
  for (const Alias& alias : kAliases) {
    if (key == alias.name) return alias.codePage;
  }
  // "CP1251" and the like name their code page directly.
  if (key.size() > 2 && key.size() <= 7 && key.compare(0, 2, "CP") == 0 &&
      key.find_first_not_of("0123456789", 2) == std::string::npos) {
    unsigned long n = std::strtoul(key.c_str() + 2, nullptr, 10);
    if (n > 0 && n < 65536) return static_cast<unsigned>(n);
  }
  return 1252;
}

// Code page 0 stands for the active code page of the process.
unsigned ResolveCodePage(unsigned codePage) { return codePage == 0 ? ActiveCodePage() : codePage; }

// Code page 1252 is converted from this table rather than through the C library, whose
// converter rejects the five bytes the code page leaves unassigned; those map to the C1
// control with the same number, so every byte converts.
const std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// One open converter, kept for the code page used last: wide constants of a file all use the
// same code page, so it is opened once per file at most.
struct Converter {
  unsigned codePage = 0;
  iconv_t descriptor = reinterpret_cast<iconv_t>(-1);
};
Converter converter;

iconv_t ConverterFor(unsigned codePage) {
  if (converter.codePage == codePage) return converter.descriptor;
  if (converter.descriptor != reinterpret_cast<iconv_t>(-1)) iconv_close(converter.descriptor);
  converter.codePage = codePage;
  converter.descriptor = reinterpret_cast<iconv_t>(-1);

  char numbered[16];
  std::snprintf(numbered, sizeof numbered, "CP%u", codePage);
  const char* names[2] = {numbered, nullptr};
  switch (codePage) {
    case 932:
      names[1] = "SJIS";
      break;
    case 936:
      names[1] = "GBK";
      break;
    case 949:
      names[1] = "UHC";
      break;
    case 950:
      names[1] = "BIG5";
      break;
    case 1361:
      names[0] = "JOHAB";
      names[1] = "CP1361";
      break;
    case 65001:
      names[0] = "UTF-8";
      break;
    default:
      break;
  }
  for (const char* name : names) {
    if (name == nullptr) continue;
    iconv_t cd = iconv_open("UTF-16LE", name);
    if (cd != reinterpret_cast<iconv_t>(-1)) {
      converter.descriptor = cd;
      break;
    }
  }
  return converter.descriptor;
}

}  // namespace

unsigned ActiveCodePage() {
  // A private locale object reads the user's character set from the environment without
  // touching the process locale, so nothing else that depends on the locale changes.
  locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return 1252;
  unsigned codePage = CodePageOfCharset(nl_langinfo_l(CODESET, user));
  freelocale(user);
  return codePage;
}

void LeadByteTable(unsigned codePage, bool table[256]) {
  for (int b = 0; b < 256; ++b) table[b] = false;
  auto mark = [table](int first, int last) {
    for (int b = first; b <= last; ++b) table[b] = true;
  };
  switch (ResolveCodePage(codePage)) {
    case 932:
      mark(0x81, 0x9F);
      mark(0xE0, 0xFC);
      break;
    case 936:
    case 949:
    case 950:
      mark(0x81, 0xFE);
      break;
    case 1361:
      mark(0x84, 0xD3);
      mark(0xD8, 0xDE);
      mark(0xE0, 0xF9);
      break;
    default:
      break;
  }
}

int MultiByteToUtf16(unsigned codePage, const char* text, int length, std::uint16_t* out,
                     int capacity) {
  if (text == nullptr || out == nullptr || length <= 0 || capacity <= 0) return 0;
  codePage = ResolveCodePage(codePage);
  if (codePage == 1252) {
    if (length > capacity) return 0;
    for (int i = 0; i < length; ++i) {
      unsigned char b = static_cast<unsigned char>(text[i]);
      out[i] = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
    }
    return length;
  }
  iconv_t cd = ConverterFor(codePage);
  if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state

  std::vector<char> bytes(static_cast<std::size_t>(capacity) * 2);
  char* in = const_cast<char*>(text);
  std::size_t inLeft = static_cast<std::size_t>(length);
  char* outPos = bytes.data();
  std::size_t outLeft = bytes.size();
  // Invalid or incomplete input and output that does not fit all make the conversion fail.
  if (iconv(cd, &in, &inLeft, &outPos, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  if (iconv(cd, nullptr, nullptr, &outPos, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  std::size_t units = static_cast<std::size_t>(outPos - bytes.data()) / 2;
  for (std::size_t i = 0; i < units; ++i) {
    out[i] = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return static_cast<int>(units);
}

// ---------------------------------------------------------------------------------------------
// Wild-card search.

namespace {

// Splits names into characters of the active code page, so that '?' and '*' never take half
// of a multibyte character.
class CharacterMeasure {
 public:
  CharacterMeasure() : CharacterMeasure(ActiveCodePage()) {}
  explicit CharacterMeasure(unsigned codePage) : utf8_(codePage == 65001) {
    if (!utf8_) LeadByteTable(codePage, lead_);
  }

  // Length in bytes (at least 1) of the character at `s`, which is not at the end.
  std::size_t Length(const char* s) const {
    unsigned char b = static_cast<unsigned char>(s[0]);
    if (!utf8_) return lead_[b] && s[1] != 0 ? 2 : 1;
    std::size_t n = b < 0xC2 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 1;
    for (std::size_t i = 1; i < n; ++i) {
      unsigned char c = static_cast<unsigned char>(s[i]);
      if (c < 0x80 || c > 0xBF) return 1;  // malformed: the byte stands alone
    }
    return n;
  }

 private:
  bool utf8_;
  bool lead_[256] = {};
};

// ASCII letters in lower case; every other byte as it is.
unsigned char FoldAscii(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// True when the characters of `length` bytes at `a` and `b` are equal; with `ignoreCase`, a
// single-byte ASCII letter equals its other case.
bool SameCharacter(const char* a, const char* b, std::size_t length, bool ignoreCase) {
  if (length == 1 && ignoreCase)
    return FoldAscii(static_cast<unsigned char>(*a)) == FoldAscii(static_cast<unsigned char>(*b));
  return std::memcmp(a, b, length) == 0;
}

// True when `name` matches `pattern`, in which '*' stands for any run of characters and '?'
// for exactly one; every other character must be equal, case included unless `ignoreCase`.
// A name that starts with '.' is hidden and matches only a pattern that starts with '.'.
bool MatchesPattern(const char* pattern, const char* name, const CharacterMeasure& measure,
                    bool ignoreCase = false) {
  if (name[0] == '.' && pattern[0] != '.') return false;
  const char* resumePattern = nullptr;  // just after the last '*' seen
  const char* resumeName = nullptr;     // where that '*' would take one more character
  while (*name != 0) {
    std::size_t nameChar = measure.Length(name);
    if (*pattern == '*') {
      resumePattern = ++pattern;
      resumeName = name;
      continue;
    }
    if (*pattern == '?') {
      ++pattern;
      name += nameChar;
      continue;
    }
    if (*pattern != 0) {
      std::size_t patternChar = measure.Length(pattern);
      if (patternChar == nameChar && SameCharacter(pattern, name, nameChar, ignoreCase)) {
        pattern += patternChar;
        name += nameChar;
        continue;
      }
    }
    if (resumePattern == nullptr) return false;
    // Let the last '*' take one more character and try again from there.
    resumeName += measure.Length(resumeName);
    pattern = resumePattern;
    name = resumeName;
  }
  while (*pattern == '*') ++pattern;
  return *pattern == 0;
}

bool IsRegularEntry(int directory, const dirent* entry) {
#ifdef _DIRENT_HAVE_D_TYPE
  if (entry->d_type == DT_REG) return true;
  if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
#endif
  // A symbolic link counts as what it points to.
  struct stat st;
  return fstatat(directory, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

int FindFiles(const char* pattern, FoundFileCallback callback, void* context) {
  if (pattern == nullptr || *pattern == 0) return -1;
  const char* slash = std::strrchr(pattern, '/');
  const char* last = slash != nullptr ? slash + 1 : pattern;
  if (*last == 0) return -1;

  if (std::strpbrk(last, "*?") == nullptr) {
    struct stat st;
    if (stat(pattern, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return callback(context, last) ? 1 : 0;
  }

  std::string directory = ".";
  if (slash != nullptr) directory.assign(pattern, slash == pattern ? 1 : slash - pattern);
  DIR* dir = opendir(directory.c_str());
  if (dir == nullptr) return -1;
  // The matches are collected before any is handed on, so files the callback creates in the
  // same directory (output files) neither show up nor disturb the enumeration.
  CharacterMeasure measure;
  std::vector<std::string> found;
  while (const dirent* entry = readdir(dir)) {
    if (MatchesPattern(last, entry->d_name, measure) && IsRegularEntry(dirfd(dir), entry))
      found.emplace_back(entry->d_name);
  }
  closedir(dir);
  if (found.empty()) return -1;
  for (const std::string& name : found) {
    if (!callback(context, name.c_str())) return 0;
  }
  return 1;
}

// POSIX file systems keep the case of the names they store.
bool NamesKeepCase(const char*) { return true; }

void ExecutablePath(char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return;
  buffer[0] = 0;
  char path[PATH_MAX + 1];
  ssize_t n = readlink("/proc/self/exe", path, PATH_MAX);
  // A path that does not fit is left out entirely: a cut-off path would name another place.
  if (n <= 0 || n >= PATH_MAX || static_cast<std::size_t>(n) >= size) return;
  std::memcpy(buffer, path, static_cast<std::size_t>(n));
  buffer[n] = 0;
}

// ---------------------------------------------------------------------------------------------
// Names written for Windows.

namespace {

// Storage for the directory listings, which live for the whole process: the platform layer
// sits below the project's pools, and the per-file storage is emptied after every file. The
// listings take their memory from regions of their own, handed out in order and never given
// back (ResetWindowsNames, for tests, starts afresh and leaves the old ones unused).
class ListingArena {
 public:
  void* Allocate(std::size_t size) {
    size = (size + 15) & ~static_cast<std::size_t>(15);
    if (size > left_) {
      const std::size_t chunk = size > kChunkSize ? size : kChunkSize;
      void* region = AllocateRegion(chunk);
      if (region == nullptr) return nullptr;
      next_ = static_cast<char*>(region);
      left_ = chunk;
    }
    void* p = next_;
    next_ += size;
    left_ -= size;
    return p;
  }
  void Forget() {
    next_ = nullptr;
    left_ = 0;
  }

 private:
  static constexpr std::size_t kChunkSize = 256 * 1024;
  char* next_ = nullptr;
  std::size_t left_ = 0;
};

// One entry of a listed directory.
struct ListedName {
  const char* name;  // as stored
  const char* key;   // ASCII letters in lower case, double-byte characters as they are
  std::uint32_t length;
  unsigned char type;  // the directory entry's type (DT_REG, DT_LNK, ...; DT_UNKNOWN)
};

// The entries of one directory, "." and ".." left out, in the order of their keys and, for equal
// keys, of their names (byte order).
struct Listing {
  const ListedName* names;
  std::size_t count;
};

std::uint32_t HashBytes(const void* data, std::size_t length) {
  std::uint32_t hash = 2166136261u;
  const unsigned char* p = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < length; ++i) hash = (hash ^ p[i]) * 16777619u;
  return hash;
}

// Maps byte strings to listings; a null listing records a path that names no directory. Open
// addressing over a region that doubles when it is three quarters full.
class ListingTable {
 public:
  struct Slot {
    const char* key;  // null: empty
    std::uint32_t length;
    std::uint32_t hash;
    const Listing* listing;
  };

  // The slot holding `key`, or null.
  const Slot* Find(const void* key, std::size_t length) const {
    if (capacity_ == 0) return nullptr;
    const Slot* slot = Probe(slots_, capacity_, key, length, HashBytes(key, length));
    return slot->key != nullptr ? slot : nullptr;
  }

  // Adds `key` (copied into the arena); false when memory ran out.
  bool Insert(const void* key, std::size_t length, const Listing* listing, ListingArena& arena) {
    if ((used_ + 1) * 4 > capacity_ * 3 && !Grow()) return false;
    const std::uint32_t hash = HashBytes(key, length);
    Slot* slot = Probe(slots_, capacity_, key, length, hash);
    if (slot->key == nullptr) {
      char* copy = static_cast<char*>(arena.Allocate(length + 1));
      if (copy == nullptr) return false;
      std::memcpy(copy, key, length);
      copy[length] = 0;
      *slot = Slot{copy, static_cast<std::uint32_t>(length), hash, listing};
      ++used_;
    }
    slot->listing = listing;
    return true;
  }

  void Forget() {
    if (slots_ != nullptr) FreeRegion(slots_, capacity_ * sizeof(Slot));
    slots_ = nullptr;
    capacity_ = used_ = 0;
  }

 private:
  static Slot* Probe(Slot* slots, std::size_t capacity, const void* key, std::size_t length,
                     std::uint32_t hash) {
    std::size_t i = hash & (capacity - 1);
    while (slots[i].key != nullptr && (slots[i].hash != hash || slots[i].length != length ||
                                       std::memcmp(slots[i].key, key, length) != 0)) {
      i = (i + 1) & (capacity - 1);
    }
    return &slots[i];
  }

  bool Grow() {
    const std::size_t capacity = capacity_ == 0 ? 256 : capacity_ * 2;
    // Fresh regions read as zero: every slot starts empty.
    Slot* slots = static_cast<Slot*>(AllocateRegion(capacity * sizeof(Slot)));
    if (slots == nullptr) return false;
    for (std::size_t i = 0; i < capacity_; ++i) {
      const Slot& old = slots_[i];
      if (old.key != nullptr) *Probe(slots, capacity, old.key, old.length, old.hash) = old;
    }
    if (slots_ != nullptr) FreeRegion(slots_, capacity_ * sizeof(Slot));
    slots_ = slots;
    capacity_ = capacity;
    return true;
  }

  Slot* slots_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
};

// Identifies a directory whatever path leads to it ("a/../inc" and "inc").
struct DirectoryId {
  std::uint64_t device;
  std::uint64_t inode;
};

// The process's listings: by the path they were asked for, and by the directory they list, so
// that a directory reached by several paths is still listed once.
struct NameState {
  ListingArena arena;
  ListingTable byPath;
  ListingTable byDirectory;
  unsigned long listingsRead = 0;
  unsigned codePage = 0;  // 0: the active one
  bool leadReady = false;
  bool lead[256] = {};
};
NameState names;

const bool* NameLeadBytes() {
  if (!names.leadReady) {
    LeadByteTable(names.codePage == 0 ? ActiveCodePage() : names.codePage, names.lead);
    names.leadReady = true;
  }
  return names.lead;
}

unsigned NameCodePage() { return names.codePage == 0 ? ActiveCodePage() : names.codePage; }

bool IsAnySeparator(char c) { return c == '/' || c == '\\'; }

// Writes the key of `length` bytes of name at `name` to `key`: ASCII letters folded to lower
// case, double-byte characters (lead byte and trail byte) copied as they are.
void FoldName(const char* name, std::size_t length, char* key, const bool* lead) {
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (lead[c] && i + 1 < length) {
      key[i] = name[i];
      key[i + 1] = name[i + 1];
      ++i;
      continue;
    }
    key[i] = static_cast<char>(FoldAscii(c));
  }
}

// Reads a directory into a new listing; null when it cannot be read (noted when that is for
// want of a handle) or memory ran out.
const Listing* ReadListing(const char* directory) {
  DIR* dir = opendir(directory);
  if (dir == nullptr) {
    lastOpenOutOfHandles = errno == EMFILE || errno == ENFILE;
    return nullptr;
  }
  const bool* lead = NameLeadBytes();
  // The entries are gathered on the general heap while the directory is read, since their
  // number is not known before; only the sorted copy below is kept.
  std::vector<ListedName> found;
  bool ok = true;
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    const std::size_t length = std::strlen(name);
    char* text = static_cast<char*>(names.arena.Allocate(2 * (length + 1)));
    if (text == nullptr) {
      ok = false;
      break;
    }
    std::memcpy(text, name, length + 1);
    char* key = text + length + 1;
    FoldName(name, length, key, lead);
    key[length] = 0;
#ifdef _DIRENT_HAVE_D_TYPE
    const unsigned char type = entry->d_type;
#else
    const unsigned char type = DT_UNKNOWN;
#endif
    found.push_back(ListedName{text, key, static_cast<std::uint32_t>(length), type});
  }
  closedir(dir);
  if (!ok) return nullptr;
  std::sort(found.begin(), found.end(), [](const ListedName& a, const ListedName& b) {
    const int byKey = std::strcmp(a.key, b.key);
    return byKey != 0 ? byKey < 0 : std::strcmp(a.name, b.name) < 0;
  });
  auto* listing = static_cast<Listing*>(names.arena.Allocate(sizeof(Listing)));
  auto* entries = static_cast<ListedName*>(
      names.arena.Allocate((found.empty() ? 1 : found.size()) * sizeof(ListedName)));
  if (listing == nullptr || entries == nullptr) return nullptr;
  std::copy(found.begin(), found.end(), entries);
  listing->names = entries;
  listing->count = found.size();
  ++names.listingsRead;
  return listing;
}

// The listing of `directory` (a path on disk, "." for the current directory), read the first
// time any path to that directory is asked for; null when it is no directory.
const Listing* ListingOf(const char* directory) {
  const std::size_t length = std::strlen(directory);
  if (const ListingTable::Slot* slot = names.byPath.Find(directory, length)) return slot->listing;
  const Listing* listing = nullptr;
  struct stat st;
  if (stat(directory, &st) == 0 && S_ISDIR(st.st_mode)) {
    const DirectoryId id{static_cast<std::uint64_t>(st.st_dev),
                         static_cast<std::uint64_t>(st.st_ino)};
    if (const ListingTable::Slot* slot = names.byDirectory.Find(&id, sizeof id)) {
      listing = slot->listing;
    } else {
      // A directory that cannot be read now (no free handle, say) is not recorded: the next
      // name asks again.
      listing = ReadListing(directory);
      if (listing == nullptr) return nullptr;
      names.byDirectory.Insert(&id, sizeof id, listing, names.arena);
    }
  }
  names.byPath.Insert(directory, length, listing, names.arena);
  return listing;
}

// The entry that the name component of `length` bytes at `component` names: the entry spelt
// exactly so, else the first in byte order of those equal to it without regard to case.
const ListedName* FindName(const Listing* listing, const char* component, std::size_t length) {
  char key[NAME_MAX + 1];
  if (listing == nullptr || length == 0 || length > NAME_MAX) return nullptr;
  FoldName(component, length, key, NameLeadBytes());
  key[length] = 0;
  const ListedName* first = listing->names;
  const ListedName* end = listing->names + listing->count;
  first = std::lower_bound(first, end, key, [](const ListedName& entry, const char* k) {
    return std::strcmp(entry.key, k) < 0;
  });
  const ListedName* chosen = nullptr;
  for (const ListedName* e = first; e != end && std::strcmp(e->key, key) == 0; ++e) {
    if (chosen == nullptr) chosen = e;
    if (e->length == length && std::memcmp(e->name, component, length) == 0) return e;
  }
  return chosen;
}

bool IsRegularFile(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

bool ResolvesWindowsNames() { return true; }

std::size_t WindowsDirectoryLength(const char* path) {
  const bool* lead = NameLeadBytes();
  std::size_t end = 0;
  for (std::size_t i = 0; path[i] != 0; ++i) {
    if (lead[static_cast<unsigned char>(path[i])] && path[i + 1] != 0) {
      ++i;  // the trail byte is never a separator
      continue;
    }
    if (IsAnySeparator(path[i])) end = i + 1;
  }
  return end;
}

bool ResolveWindowsName(const char* path, char* out, std::size_t size) {
  lastOpenOutOfHandles = false;
  // Windows allows no ":" in a name but after a drive letter, and drives are not mapped.
  if (path == nullptr || path[0] == 0 || size < 2 || std::strchr(path, ':') != nullptr)
    return false;
  const bool* lead = NameLeadBytes();
  std::size_t n = 0;
  const char* p = path;
  if (IsAnySeparator(*p)) {
    out[n++] = '/';
    while (IsAnySeparator(*p)) ++p;
  }
  while (*p != 0) {
    const char* start = p;
    while (*p != 0 && !IsAnySeparator(*p))
      p += lead[static_cast<unsigned char>(*p)] && p[1] != 0 ? 2 : 1;
    const std::size_t length = static_cast<std::size_t>(p - start);
    const bool separatorFollows = *p != 0;
    while (IsAnySeparator(*p)) ++p;

    const char* piece = start;
    std::size_t pieceLength = length;
    const bool dots = start[0] == '.' && (length == 1 || (length == 2 && start[1] == '.'));
    if (!dots) {
      // The directory resolved so far, without its last "/" (the root keeps it).
      const Listing* listing;
      if (n == 0) {
        listing = ListingOf(".");
      } else if (n == 1) {
        out[1] = 0;
        listing = ListingOf(out);
      } else {
        out[n - 1] = 0;
        listing = ListingOf(out);
        out[n - 1] = '/';
      }
      const ListedName* match = FindName(listing, start, length);
      if (match == nullptr) return false;
      piece = match->name;
      pieceLength = match->length;
    }
    if (n + pieceLength + (separatorFollows ? 1 : 0) + 1 > size) return false;
    std::memcpy(out + n, piece, pieceLength);
    n += pieceLength;
    if (separatorFollows) out[n++] = '/';
  }
  out[n] = 0;
  return true;
}

int OpenForReading(const char* path, NameLookup lookup) {
  if (lookup != NameLookup::kWindowsStyle) {
    const int handle = OpenForReading(path);
    if (handle >= 0 || lookup == NameLookup::kAsWritten || lastOpenOutOfHandles) return handle;
  }
  char resolved[PATH_MAX];
  if (!ResolveWindowsName(path, resolved, sizeof resolved)) return -1;
  return OpenForReading(resolved);
}

int FindFilesWindowsStyle(const char* pattern, FoundFileCallback callback, void* context) {
  if (pattern == nullptr || *pattern == 0) return -1;
  const std::size_t directoryLength = WindowsDirectoryLength(pattern);
  const char* last = pattern + directoryLength;
  if (*last == 0 || directoryLength >= PATH_MAX) return -1;

  // The directory on disk, with its last "/" when it has one.
  char directory[PATH_MAX];
  if (directoryLength == 0) {
    directory[0] = 0;
  } else {
    char written[PATH_MAX];
    std::memcpy(written, pattern, directoryLength);
    written[directoryLength] = 0;
    if (!ResolveWindowsName(written, directory, sizeof directory)) return -1;
  }
  const std::size_t resolvedLength = std::strlen(directory);
  char listed[PATH_MAX];
  if (resolvedLength == 0) {
    std::strcpy(listed, ".");
  } else {
    std::memcpy(listed, directory, resolvedLength + 1);
    if (resolvedLength > 1) listed[resolvedLength - 1] = 0;
  }
  const Listing* listing = ListingOf(listed);
  if (listing == nullptr) return -1;

  // The full path of an entry, to tell regular files from the rest.
  char full[PATH_MAX];
  auto isRegular = [&](const ListedName& entry) {
    if (entry.type != DT_REG && entry.type != DT_LNK && entry.type != DT_UNKNOWN) return false;
    if (resolvedLength + entry.length + 1 > sizeof full) return false;
    std::memcpy(full, directory, resolvedLength);
    std::memcpy(full + resolvedLength, entry.name, entry.length + 1);
    return IsRegularFile(full);
  };

  std::vector<const ListedName*> found;
  if (std::strpbrk(last, "*?") == nullptr) {
    const ListedName* match = FindName(listing, last, std::strlen(last));
    if (match != nullptr && isRegular(*match)) found.push_back(match);
  } else {
    CharacterMeasure measure(NameCodePage());
    for (std::size_t i = 0; i < listing->count; ++i) {
      const ListedName& entry = listing->names[i];
      if (MatchesPattern(last, entry.name, measure, true) && isRegular(entry))
        found.push_back(&entry);
    }
  }
  if (found.empty()) return -1;
  for (const ListedName* entry : found) {
    if (!callback(context, entry->name)) return 0;
  }
  return 1;
}

void ResetWindowsNames(unsigned codePage) {
  names.byPath.Forget();
  names.byDirectory.Forget();
  names.arena.Forget();
  names.codePage = codePage;
  names.leadReady = false;
}

unsigned long DirectoryListingsRead() { return names.listingsRead; }

// ---------------------------------------------------------------------------------------------
// Asynchronous events.

namespace {

InterruptHandler interruptHandler = nullptr;
FaultHandler faultHandler = nullptr;
std::uintptr_t codeBase = 0;
bool alternateStackReady = false;

// The handlers are required to end the process. Should one return anyway, the signal's default
// action ends it instead, so that a fault is not retried forever.
void FallBackToDefault(int signal) {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  raise(signal);
}

void OnInterruptSignal(int signal) {
  if (interruptHandler != nullptr) interruptHandler();
  FallBackToDefault(signal);
}

// The address of the instruction that faulted, which together with the code base locates the
// fault in the program; the accessed address where the machine context cannot be read.
std::uintptr_t FaultingInstruction(const siginfo_t* info, const void* context) {
  const ucontext_t* uc = static_cast<const ucontext_t*>(context);
  if (uc != nullptr) {
#if defined(__x86_64__)
    return static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
    return static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
    return static_cast<std::uintptr_t>(uc->uc_mcontext.pc);
#endif
  }
  return reinterpret_cast<std::uintptr_t>(info->si_addr);
}

void OnFaultSignal(int signal, siginfo_t* info, void* context) {
  if (faultHandler != nullptr) faultHandler(FaultingInstruction(info, context), codeBase);
  FallBackToDefault(signal);
}

// Gives the fault handler a stack of its own, so that it can run after the program's stack has
// overflowed.
bool PrepareAlternateStack() {
  if (alternateStackReady) return true;
  const std::size_t size = 256 * 1024;
  void* memory = AllocateRegion(size);
  if (memory == nullptr) return false;
  stack_t stack;
  std::memset(&stack, 0, sizeof stack);
  stack.ss_sp = memory;
  stack.ss_size = size;
  if (sigaltstack(&stack, nullptr) != 0) {
    FreeRegion(memory, size);
    return false;
  }
  alternateStackReady = true;
  return true;
}

}  // namespace

void InstallInterruptHandler(InterruptHandler handler) {
  interruptHandler = handler;
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = OnInterruptSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  // A build system ends a run that takes too long with SIGTERM, and a closed terminal sends
  // SIGHUP: both end the run as an interrupt does, so that no partial output is left. While one
  // is handled the others wait.
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signal);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

void InstallFaultHandler(FaultHandler handler) {
  faultHandler = handler;
  // Looked up now rather than in the handler, where the loader's lock may be held.
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&InstallFaultHandler), &info) != 0)
    codeBase = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
  bool onAlternateStack = PrepareAlternateStack();

  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_sigaction = OnFaultSignal;
  sigemptyset(&action.sa_mask);
  // SA_NODEFER lets a fault inside the handler enter it again, so the handler can notice that
  // and take its shorter path instead of the process being killed outright.
  action.sa_flags = SA_SIGINFO | SA_NODEFER | (onAlternateStack ? SA_ONSTACK : 0);
  for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) sigaction(signal, &action, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Standard output.

// Output is written byte for byte already; there is no text mode to switch off.
//
// A standard handle that is closed is taken by a read-only handle to the null device: files
// opened later then never get its number (a message printed to standard output must not land
// in an output file), and writing to it still fails, as writing to a closed handle does.
//
// A reader of standard output that goes away (`tpx32 -ocon a.c | head`) makes the next write
// fail with EPIPE instead of ending the process at once, so that the run can end in order.
void PrepareStandardOutput() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int null = open("/dev/null", O_RDONLY);
    if (null >= 0 && null != fd) {
      dup2(null, fd);
      close(null);
    }
  }
  signal(SIGPIPE, SIG_IGN);
}
}  // namespace platform
