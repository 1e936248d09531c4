#include "driver/file_names.h"

#include <cctype>
#include <cstring>

#include "memory/memory.h"
#include "options/option_memory.h"
#include "platform/platform.h"

namespace tpx {

namespace {

// Length of the drive and directory part of a path (everything up to the last separator).
std::size_t DirectoryPartLength(const char* path) {
  std::size_t drive = platform::DrivePrefixLength(path);
  std::size_t end = drive;
  for (std::size_t i = drive; path[i] != 0; ++i) {
    if (platform::IsDirectorySeparator(path[i])) end = i + 1;
  }
  return end;
}

struct WildcardSearch {
  StartFileCallback callback;
  void* owner;
  const char* pattern;
  std::size_t directoryLength;
  bool keepCase;
  char path[4096];
};

bool OnFoundFile(void* context, const char* foundName) {
  auto* search = static_cast<WildcardSearch*>(context);
  std::size_t nameLength = std::strlen(foundName);
  if (search->directoryLength + nameLength + 1 > sizeof search->path) return true;
  std::memcpy(search->path, search->pattern, search->directoryLength);
  std::memcpy(search->path + search->directoryLength, foundName, nameLength + 1);
  if (!search->keepCase) {
    for (char* p = search->path; *p != 0; ++p)
      *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  }
  return search->callback(search->owner, search->path) != 0;
}

// The matches collected so far, newest first.
struct Collected {
  Collected* next;
  const char* path;
};
struct Collection {
  BumpPool* pool;
  Collected* head;
  std::size_t count;
};

int Collect(void* owner, const char* path) {
  auto* collection = static_cast<Collection*>(owner);
  Collected* node = NewInPool<Collected>(*collection->pool);
  node->path = collection->pool->CopyText(path);
  node->next = collection->head;
  collection->head = node;
  ++collection->count;
  return 1;
}

}  // namespace

MatchList CollectMatches(BumpPool& pool, const char* pattern) {
  Collection collection{&pool, nullptr, 0};
  if (ExpandWildcards(Collect, &collection, pattern) < 0 || collection.count == 0)
    return MatchList{nullptr, 0};
  const char** paths = NewInPool<const char*>(pool, collection.count);
  std::size_t i = collection.count;
  for (Collected* c = collection.head; c != nullptr; c = c->next) paths[--i] = c->path;
  return MatchList{paths, collection.count};
}

bool HasExtension(const char* name) {
  const char* last = name + DirectoryPartLength(name);
  return std::strchr(last, '.') != nullptr;
}

const char* WithDefaultExtension(BumpPool& pool, const char* name, const char* extension) {
  if (HasExtension(name)) return name;
  std::size_t nameLength = std::strlen(name);
  std::size_t extensionLength = std::strlen(extension);
  char* text = static_cast<char*>(pool.Allocate(nameLength + extensionLength + 1));
  std::memcpy(text, name, nameLength);
  std::memcpy(text + nameLength, extension, extensionLength + 1);
  return text;
}

int ExpandWildcards(StartFileCallback callback, void* owner, const char* pattern) {
  WildcardSearch search;
  search.callback = callback;
  search.owner = owner;
  search.pattern = pattern;
  search.directoryLength = DirectoryPartLength(pattern);
  search.keepCase = platform::NamesKeepCase(pattern);
  int result = platform::FindFiles(pattern, OnFoundFile, &search);
  if (result < 0 && platform::ResolvesWindowsNames()) {
    // Nothing has the name as written: it is read as on Windows, where "\" ends a directory as
    // well and letter case does not count. The found names keep the directory as written.
    search.directoryLength = platform::WindowsDirectoryLength(pattern);
    result = platform::FindFilesWindowsStyle(pattern, OnFoundFile, &search);
  }
  return result;
}

}  // namespace tpx
