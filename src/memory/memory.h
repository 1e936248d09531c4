// Memory: the pools every other subsystem takes its storage from, released in bulk at the end
// of each file. Nothing here uses the general-purpose heap: every byte comes straight from the
// platform's virtual-memory service, and every failure to get memory is the fatal error
// "Out of memory".
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tpx {

class Diagnostics;
class Memory;

// Long-lived pool: option texts, lists and other data that live for the whole process.
// A request is served from the current chunk when it fits exactly (no rounding or alignment);
// otherwise a new chunk of max(n, 1024) bytes is taken and the rest of the old one abandoned.
class BumpPool {
 public:
  explicit BumpPool(Diagnostics& diag) : diag_(diag) {}
  void Start();
  void* Allocate(std::size_t n);
  // A zero-terminated copy of `length` bytes of `text`.
  char* CopyText(const char* text, std::size_t length);
  char* CopyText(const char* text);

  // For tests: the bounds of the current chunk.
  const char* Current() const { return current_; }
  const char* Limit() const { return limit_; }

 private:
  Diagnostics& diag_;
  char* current_ = nullptr;
  char* limit_ = nullptr;
};

// Per-file pool of blocks that can be freed one by one (source file records, include names,
// output buffers).
//
// Storage comes in chunks of 16,384 bytes; a request whose rounded size r is 16,361 bytes or
// more gets a chunk of its own of (r + 279) with the low eight bits cleared. Every chunk spends
// 24 bytes on bookkeeping, so a standard chunk holds 16,360 bytes of blocks. A block is an
// 8-byte header {size including the header, bit 0 set while free; link} followed by the
// caller's bytes, and every size is a multiple of 8, so blocks stay 8-byte aligned.
//
// Layout. The chunk header is {next chunk, chunk size, free-list head, free count}, padded to
// a multiple of 8 bytes (24 bytes with 64-bit pointers, 16 with 32-bit ones); whatever of the 24
// bookkeeping bytes the header does not use lies, cleared, at the end of the chunk. To keep the
// header within 24 bytes with 64-bit pointers the chunk list is singly linked: a released
// chunk's predecessor is found by walking the list, which only happens when a chunk becomes
// wholly free. The link of a block, the free-list head and the free-list links are 32-bit
// offsets from the start of the chunk: the offset of the block itself while it is in use (so the
// owning chunk is the block address minus the link), the offset of the next free block while it
// is free (0 ends the list). The end of a chunk's blocks is found from its size.
class BlockPool {
 public:
  static constexpr std::size_t kStandardChunk = 16384;
  static constexpr std::size_t kChunkOverhead = 24;
  static constexpr std::size_t kBlockHeader = 8;

  explicit BlockPool(Diagnostics& diag) : diag_(diag) {}
  BlockPool(const BlockPool&) = delete;
  BlockPool& operator=(const BlockPool&) = delete;

  void* Allocate(std::size_t n);
  // Gives a block back; a null pointer, and a block that is already free, are ignored.
  void Free(void* p);
  // Releases every chunk (end of file, shut-down).
  void ReleaseAll();
  // The same without reporting; returns false when a chunk could not be given back.
  bool ReleaseAllQuietly();

  // For tests. Chunks are numbered from the most recently created (0).
  std::size_t ChunkCount() const { return count_; }
  std::size_t ChunkSize(std::size_t index) const;
  std::size_t ChunkFreeCount(std::size_t index) const;
  // Walks every chunk and checks that its blocks tile it exactly, that the free list holds
  // exactly the free blocks in address order and that the free count is their total.
  // Returns null when all is sound, else a description of the first fault found.
  const char* CheckIntegrity() const;

 private:
  struct Chunk;
  struct Block;
  Chunk* NewChunk(std::size_t size);
  // Released chunks kept for reuse: a pool that keeps crossing a chunk boundary, or a source
  // file record (a chunk of its own) given back and taken again for the next include, would
  // otherwise map and unmap a region every time.
  static constexpr std::size_t kSpares = 4;
  static constexpr std::size_t kLargestSpare = 64 * 1024;
  struct Spare {
    void* region;
    std::size_t size;
  };
  Spare spares_[kSpares] = {};
  void* TakeFrom(Chunk* chunk, std::uint32_t r);
  void Unlink(Chunk* chunk);
  const Chunk* ChunkAt(std::size_t index) const;
  static const std::uint32_t kFirstBlock;
  static const std::uint32_t kTrailer;

  Diagnostics& diag_;
  Chunk* head_ = nullptr;
  std::size_t count_ = 0;
};

// Per-file arena: one reservation of 64 MiB, committed from its base in steps of four pages as
// it fills, and emptied (decommitted) in one step at the end of every file. The identifier and
// macro stores place their records at the allocation pointer themselves and call Grow() when a
// record would pass the commit end; the front end takes blobs from the blob classes.
//
// A blob class is a region carved from the allocation pointer one commit step at a time, from
// which requests are served by a pointer bump. When a class needs a new region, the rest of the
// old one is closed with a filler record, so the committed part of the arena can always be
// walked as a sequence of records. Every record is 4-byte aligned and is preceded by a 4-byte
// prefix word whose last byte is the record's kind. A filler takes the whole gap: kind 27 when
// the gap is exactly 4 bytes (the prefix alone), otherwise kind 28 with the prefix followed by
// a 32-bit count of the bytes after the prefix (gap - 4).
//
// Blob sizes are rounded to the blob granule: 4 bytes on a 32-bit machine, the pointer size on
// a wider one, so that records holding pointers stay aligned.
class SaveArena {
 public:
  static constexpr std::size_t kReservation = 0x4000000;
  static constexpr std::uintptr_t kPreferredBase = 0x8000000;
  static constexpr unsigned kClassCount = 252;
  static constexpr unsigned kGenericBlobClass = 2;
  static constexpr std::size_t kBlobGranule = sizeof(void*) > 4 ? sizeof(void*) : 4;
  static constexpr unsigned char kShortFiller = 27;
  static constexpr unsigned char kLongFiller = 28;

  explicit SaveArena(Diagnostics& diag) : diag_(diag) {}
  SaveArena(const SaveArena&) = delete;
  SaveArena& operator=(const SaveArena&) = delete;

  // Reads the page size and reserves the arena (start-up); releases the reservation
  // (shut-down).
  void Reserve();
  void Release();
  // Decommits everything committed, puts the allocation pointer and the commit end back at the
  // base and forgets every class region; the reservation stays.
  void Empty();
  // The same two without reporting; they return false when the platform refused.
  bool ReleaseQuietly();
  bool EmptyQuietly();
  // Forgets every class region (start-up).
  void ClearClasses();

  // For the stores that place records themselves.
  char* Base() const { return base_; }
  char* End() const { return end_; }
  char* AllocationPointer() const { return allocation_; }
  void SetAllocationPointer(char* p) { allocation_ = p; }
  char* CommitEnd() const { return commitEnd_; }
  // Commits `shortfall` bytes rounded up to the commit step at the commit end.
  void Grow(std::size_t shortfall);
  std::size_t CommitStep() const { return step_; }

  // Blob requests. Memory is cleared first while the zero-fill flag is set.
  void* BlobAllocate(std::size_t n) { return ClassAllocate(kGenericBlobClass, n); }
  inline void* ClassAllocate(unsigned blobClass, std::size_t n);
  // Room for as many elements as one commit step holds after the header (at least one):
  // stores that count in `count` and returns a block of header + count * elementSize bytes.
  void* ArrayAllocate(std::size_t& count, std::size_t elementSize, std::size_t headerSize);

  void SetZeroFill(bool on) { zeroFill_ = on; }
  bool ZeroFill() const { return zeroFill_; }

  // Statistics and tests.
  std::size_t CommittedBytes() const { return static_cast<std::size_t>(commitEnd_ - base_); }
  std::uint64_t BlobBytesHandedOut() const { return handedOut_; }
  const char* ClassCurrent(unsigned blobClass) const { return classes_[blobClass].current; }
  const char* ClassLimit(unsigned blobClass) const { return classes_[blobClass].limit; }

 private:
  struct BlobClass {
    char* current;
    char* limit;
  };
  static std::size_t RoundBlob(std::size_t n) {
    return (n + kBlobGranule - 1) & ~(kBlobGranule - 1);
  }
  void* ClassAllocateSlow(unsigned blobClass, std::size_t n);
  void CommitMore(std::size_t amount, const char* operation);
  static void WriteFiller(char* from, char* to);

  Diagnostics& diag_;
  char* base_ = nullptr;
  char* allocation_ = nullptr;
  char* commitEnd_ = nullptr;
  char* end_ = nullptr;
  std::size_t step_ = 4 * 4096;
  bool zeroFill_ = false;
  std::uint64_t handedOut_ = 0;
  BlobClass classes_[kClassCount] = {};
};

inline void* SaveArena::ClassAllocate(unsigned blobClass, std::size_t n) {
  BlobClass& c = classes_[blobClass];
  std::size_t room = static_cast<std::size_t>(c.limit - c.current);
  std::size_t r = RoundBlob(n);
  if (c.current != nullptr && n <= room && r <= room) {
    char* p = c.current;
    c.current = p + r;
    handedOut_ += r;
    if (zeroFill_) std::memset(p, 0, r);
    return p;
  }
  return ClassAllocateSlow(blobClass, n);
}

// A text that grows in the per-file arena, kept zero-terminated: when it outgrows its block it
// moves to one twice the size, and the old block stays unused in the arena until the file ends.
// Running out of memory is the fatal "Out of memory", as for every other request of the arena.
class ArenaText {
 public:
  explicit ArenaText(SaveArena& arena) : arena_(arena) {}
  ArenaText(const ArenaText&) = delete;
  ArenaText& operator=(const ArenaText&) = delete;

  void Append(const char* text, std::size_t length);
  void Append(const char* text) { Append(text, std::strlen(text)); }
  void Append(char c) { Append(&c, 1); }
  void Clear() {
    size_ = 0;
    if (data_ != nullptr) data_[0] = 0;
  }
  const char* Data() const { return data_ != nullptr ? data_ : ""; }
  std::size_t Size() const { return size_; }

 private:
  SaveArena& arena_;
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;  // bytes of the block, the terminating zero included
};

class ChainedPool;

// The chunks of per-file chained pools, released together at the end of the current file.
// Per-file pools register here so that, when their chunks go, they forget them instead of
// handing out released memory.
class PerFileChunks {
 public:
  explicit PerFileChunks(Diagnostics& diag) : diag_(diag) {}
  PerFileChunks(const PerFileChunks&) = delete;
  PerFileChunks& operator=(const PerFileChunks&) = delete;

  // Releases every chunk on the list; the per-file pools are left empty.
  void ReleaseAll();
  // The same without reporting; returns false when a chunk could not be given back.
  bool ReleaseAllQuietly();
  std::size_t Count() const { return count_; }

 private:
  friend class ChainedPool;
  struct Link;
  void Add(Link* chunk);
  void Remove(Link* chunk);
  void Register(ChainedPool* pool);
  void Unregister(ChainedPool* pool);

  Diagnostics& diag_;
  Link* head_ = nullptr;
  std::size_t count_ = 0;
  ChainedPool* pools_ = nullptr;
};

// A chain of chunks served by a pointer bump, for tables that grow and are reset or dropped as
// a whole (the front end's type tables, the expression node pool). A request is served from the
// current chunk when it fits (exact size, no rounding) or from a new chunk of the pool's chunk
// size, or of the request plus the chunk header when the request is larger. A per-file pool's
// chunks are also entered in the per-file chunk list and so released at the end of the file.
// A pool gives its chunks back when it is destroyed; it must not outlive its Memory.
class ChainedPool {
 public:
  explicit ChainedPool(Memory& memory);
  ~ChainedPool();
  ChainedPool(const ChainedPool&) = delete;
  ChainedPool& operator=(const ChainedPool&) = delete;

  // Releases any chunks the pool holds and sets its chunk size (which includes the chunk
  // header) and per-file flag.
  void Initialise(std::size_t chunkSize, bool perFile);
  inline void* Allocate(std::size_t n);
  // Keeps the first chunk, cleared, and releases the others.
  void Reset();
  // Releases every chunk.
  void Release();

  // For tests.
  std::size_t ChunkCount() const;
  static constexpr std::size_t kChunkHeader = 32;

 private:
  friend class PerFileChunks;
  struct Chunk;
  static char* ChunkData(Chunk* chunk);
  void* AllocateSlow(std::size_t n);
  void Forget();
  bool ReleaseChunks(Chunk* from);

  Diagnostics& diag_;
  PerFileChunks& perFileList_;
  Chunk* first_ = nullptr;
  Chunk* last_ = nullptr;
  char* current_ = nullptr;
  char* limit_ = nullptr;
  std::size_t chunkSize_ = 4096;
  bool perFile_ = false;
  // Links of the per-file pool registry.
  ChainedPool* nextPerFile_ = nullptr;
  ChainedPool* previousPerFile_ = nullptr;
  bool registered_ = false;
};

inline void* ChainedPool::Allocate(std::size_t n) {
  if (current_ != nullptr && n <= static_cast<std::size_t>(limit_ - current_)) {
    char* p = current_;
    current_ = p + n;
    return p;
  }
  return AllocateSlow(n);
}

// All pools of one run.
class Memory {
 public:
  explicit Memory(Diagnostics& diag)
      : bump(diag), blocks(diag), arena(diag), perFile(diag), diag_(diag) {}
  ~Memory();
  Memory(const Memory&) = delete;
  Memory& operator=(const Memory&) = delete;

  // Called once before any option is read, and once before the process ends.
  void Startup();
  void Shutdown();
  // Called at the start of every file, and when the file is finished (also after a fatal
  // error): releases the block pool's chunks, empties the arena and releases the per-file
  // chunks.
  void StartOfFile();
  void EndOfFileRelease();

  Diagnostics& Diag() const { return diag_; }

  BumpPool bump;
  BlockPool blocks;
  SaveArena arena;
  PerFileChunks perFile;

 private:
  Diagnostics& diag_;
};

}  // namespace tpx
