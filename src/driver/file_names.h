// Input names: the default extension and the wild-card expansion that hands every matching file
// to the per-file run.
#pragma once

#include <cstddef>

namespace tpx {

class BumpPool;

// True when the last component of `name` contains a ".".
bool HasExtension(const char* name);

// `name` itself when it has an extension, else a new long-lived text of the name followed by
// `extension`.
const char* WithDefaultExtension(BumpPool& pool, const char* name, const char* extension);

// Receives the full path of each matching file; returns 0 to stop the enumeration.
using StartFileCallback = int (*)(void* owner, const char* path);

// Calls `callback` for every normal file matching `pattern` (wild cards in the last component).
// Returns -1 when nothing matches, 0 when the callback asked to stop, 1 when all were handled.
int ExpandWildcards(StartFileCallback callback, void* owner, const char* pattern);

// The full paths of the normal files matching `pattern`, in the order found, collected in
// `pool` before any of them is processed; `count` is 0 when nothing matches.
struct MatchList {
  const char** paths;
  std::size_t count;
};
MatchList CollectMatches(BumpPool& pool, const char* pattern);

}  // namespace tpx
