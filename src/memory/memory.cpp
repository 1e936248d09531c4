#include "memory/memory.h"

#include <cstddef>
#include <cstring>
#include <new>

#include "diagnostics/diagnostics.h"
#include "platform/platform.h"

namespace tpx {

namespace {

constexpr std::size_t kBumpChunk = 1024;

char* Bytes(void* p) { return static_cast<char*>(p); }

// A request that cannot be served ends the file. When a fatal error has already been reported
// in this file the reporter returns quietly; the request still cannot be served, so the file is
// abandoned all the same.
[[noreturn]] void OutOfMemory(Diagnostics& diag, const char* operation) {
  diag.ReportFatal(msg::OutOfMemory, operation);
  throw FatalError{2};
}

// A region that could not be given back is lost, but nothing else is wrong: the report ends
// the file unless it is already being abandoned.
void ReleaseFailed(Diagnostics& diag, const char* operation) {
  diag.ReportFatal(msg::OutOfMemory, operation);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// ArenaText

void ArenaText::Append(const char* text, std::size_t length) {
  if (size_ + length + 1 > capacity_) {
    std::size_t capacity = capacity_ < 256 ? 256 : capacity_;
    while (capacity < size_ + length + 1) capacity *= 2;
    char* data = static_cast<char*>(arena_.BlobAllocate(capacity));
    if (size_ != 0) std::memcpy(data, data_, size_);
    data_ = data;
    capacity_ = capacity;
  }
  std::memcpy(data_ + size_, text, length);
  size_ += length;
  data_[size_] = 0;
}

// ---------------------------------------------------------------------------------------------
// BumpPool

void BumpPool::Start() {
  current_ = static_cast<char*>(platform::AllocateRegion(kBumpChunk));
  if (current_ == nullptr) OutOfMemory(diag_, "low_level_get");
  limit_ = current_ + kBumpChunk;
}

void* BumpPool::Allocate(std::size_t n) {
  if (current_ == nullptr || static_cast<std::size_t>(limit_ - current_) < n) {
    std::size_t size = n > kBumpChunk ? n : kBumpChunk;
    char* chunk = static_cast<char*>(platform::AllocateRegion(size));
    if (chunk == nullptr) OutOfMemory(diag_, "low_level_get");
    current_ = chunk;
    limit_ = chunk + size;
  }
  void* result = current_;
  current_ += n;
  return result;
}

char* BumpPool::CopyText(const char* text, std::size_t length) {
  char* copy = static_cast<char*>(Allocate(length + 1));
  std::memcpy(copy, text, length);
  copy[length] = 0;
  return copy;
}

char* BumpPool::CopyText(const char* text) { return CopyText(text, std::strlen(text)); }

// ---------------------------------------------------------------------------------------------
// BlockPool

struct BlockPool::Chunk {
  Chunk* next;
  std::uint32_t size;
  std::uint32_t freeHead;   // offset of the first free block, 0 when none
  std::uint32_t freeCount;  // total size of the free blocks, headers included
};

struct BlockPool::Block {
  std::uint32_t size;  // including this header; bit 0 set while free
  std::uint32_t link;  // in use: own offset in the chunk; free: offset of the next free block
};

// The blocks start after the header, on an 8-byte boundary; the rest of the bookkeeping bytes
// lie after the last block.
const std::uint32_t BlockPool::kFirstBlock = (sizeof(Chunk) + 7) & ~std::size_t{7};
const std::uint32_t BlockPool::kTrailer = BlockPool::kChunkOverhead - kFirstBlock;

namespace {
// Keeps every chunk size and offset within 32 bits.
constexpr std::size_t kLargestBlockRequest = 0xF0000000u;
}  // namespace

void* BlockPool::Allocate(std::size_t n) {
  if (n > kLargestBlockRequest) OutOfMemory(diag_, "low_level_get");
  // The header is included and the size rounded to a multiple of 8.
  std::uint32_t r = static_cast<std::uint32_t>((n + 15) & ~std::size_t{7});
  for (;;) {
    for (Chunk* chunk = head_; chunk != nullptr; chunk = chunk->next) {
      if (chunk->freeCount >= r) {
        if (void* p = TakeFrom(chunk, r)) return p;
      }
    }
    std::size_t size = r > kStandardChunk - kChunkOverhead
                           ? (static_cast<std::size_t>(r) + 279) & ~std::size_t{255}
                           : kStandardChunk;
    NewChunk(size);
  }
}

BlockPool::Chunk* BlockPool::NewChunk(std::size_t size) {
  void* region = nullptr;
  for (Spare& spare : spares_) {
    if (spare.region != nullptr && spare.size == size) {
      // A chunk of this size given back earlier is taken again instead of a fresh one.
      region = spare.region;
      spare.region = nullptr;
      break;
    }
  }
  if (region == nullptr) region = platform::AllocateRegion(size);
  if (region == nullptr) OutOfMemory(diag_, "low_level_get");
  static_assert(sizeof(Chunk) <= kChunkOverhead && sizeof(Block) == kBlockHeader);
  Chunk* chunk = new (region) Chunk;
  chunk->next = head_;
  chunk->size = static_cast<std::uint32_t>(size);
  chunk->freeCount = static_cast<std::uint32_t>(size - kChunkOverhead);
  chunk->freeHead = kFirstBlock;
  // One free block covers everything between the header and the end of the chunk.
  Block* block = reinterpret_cast<Block*>(Bytes(region) + kFirstBlock);
  block->size = chunk->freeCount | 1;
  block->link = 0;
  std::memset(Bytes(region) + size - kTrailer, 0, kTrailer);
  head_ = chunk;
  ++count_;
  return chunk;
}

void* BlockPool::TakeFrom(Chunk* chunk, std::uint32_t r) {
  char* base = Bytes(chunk);
  const std::uint32_t end = chunk->size - kTrailer;
  std::uint32_t* link = &chunk->freeHead;  // the link that names the block being looked at
  while (*link != 0) {
    const std::uint32_t offset = *link;
    Block* block = reinterpret_cast<Block*>(base + offset);
    for (;;) {
      const std::uint32_t s = block->size - 1;
      if (r <= s) {
        Block* used;
        if (r == s) {
          *link = block->link;
          used = block;
          used->link = offset;
        } else {
          // The used part is cut from the end; the rest stays on the list where it was.
          block->size = (s - r) | 1;
          used = reinterpret_cast<Block*>(base + offset + s - r);
          used->link = offset + s - r;
        }
        used->size = r;
        chunk->freeCount -= r;
        return used + 1;
      }
      // Too small: merge it with the block after it when that one is free. The list is in
      // address order, so that block is also the next one on the list.
      const std::uint32_t following = offset + s;
      if (following >= end) break;
      Block* next = reinterpret_cast<Block*>(base + following);
      if ((next->size & 1) == 0) break;
      block->size = s + next->size;  // next->size carries the free bit
      block->link = next->link;
    }
    link = &block->link;
  }
  return nullptr;
}

void BlockPool::Free(void* p) {
  if (p == nullptr) return;
  Block* block = static_cast<Block*>(p) - 1;
  if ((block->size & 1) != 0) return;
  const std::uint32_t offset = block->link;
  Chunk* chunk = reinterpret_cast<Chunk*>(Bytes(block) - offset);
  chunk->freeCount += block->size;
  if (chunk->freeCount == chunk->size - kChunkOverhead && count_ > 1) {
    std::size_t size = chunk->size;
    Unlink(chunk);
    if (size <= kLargestSpare) {
      for (Spare& spare : spares_) {
        if (spare.region == nullptr) {
          spare = Spare{chunk, size};
          return;
        }
      }
    }
    if (!platform::FreeRegion(chunk, size)) ReleaseFailed(diag_, "low_level_rls");
    return;
  }
  block->size |= 1;
  std::uint32_t* link = &chunk->freeHead;
  while (*link != 0 && *link < offset) link = &reinterpret_cast<Block*>(Bytes(chunk) + *link)->link;
  block->link = *link;
  *link = offset;
}

void BlockPool::Unlink(Chunk* chunk) {
  Chunk** link = &head_;
  while (*link != chunk) link = &(*link)->next;
  *link = chunk->next;
  --count_;
}

void BlockPool::ReleaseAll() {
  if (!ReleaseAllQuietly()) ReleaseFailed(diag_, "low_level_rls");
}

bool BlockPool::ReleaseAllQuietly() {
  bool ok = true;
  for (Spare& spare : spares_) {
    if (spare.region == nullptr) continue;
    if (!platform::FreeRegion(spare.region, spare.size)) ok = false;
    spare.region = nullptr;
  }
  while (head_ != nullptr) {
    Chunk* chunk = head_;
    head_ = chunk->next;
    --count_;
    if (!platform::FreeRegion(chunk, chunk->size)) ok = false;
  }
  return ok;
}

const BlockPool::Chunk* BlockPool::ChunkAt(std::size_t index) const {
  const Chunk* chunk = head_;
  for (; chunk != nullptr && index > 0; --index) chunk = chunk->next;
  return chunk;
}

std::size_t BlockPool::ChunkSize(std::size_t index) const {
  const Chunk* chunk = ChunkAt(index);
  return chunk != nullptr ? chunk->size : 0;
}

std::size_t BlockPool::ChunkFreeCount(std::size_t index) const {
  const Chunk* chunk = ChunkAt(index);
  return chunk != nullptr ? chunk->freeCount : 0;
}

const char* BlockPool::CheckIntegrity() const {
  std::size_t chunks = 0;
  for (const Chunk* chunk = head_; chunk != nullptr; chunk = chunk->next) {
    ++chunks;
    const char* base = reinterpret_cast<const char*>(chunk);
    const std::uint32_t end = chunk->size - kTrailer;
    std::uint64_t freeBytes = 0;
    std::size_t freeBlocks = 0;
    std::uint32_t offset = kFirstBlock;
    while (offset < end) {
      const Block* block = reinterpret_cast<const Block*>(base + offset);
      std::uint32_t size = block->size & ~std::uint32_t{1};
      if (size < kBlockHeader || size % 8 != 0) return "block size is not a multiple of 8";
      if (size > end - offset) return "block runs past the end of its chunk";
      if ((block->size & 1) != 0) {
        freeBytes += size;
        ++freeBlocks;
      } else if (block->link != offset) {
        return "block in use does not name its chunk";
      }
      offset += size;
    }
    if (freeBytes != chunk->freeCount) return "free count differs from the free blocks";
    std::size_t listed = 0;
    std::uint32_t previous = 0;
    for (std::uint32_t at = chunk->freeHead; at != 0;) {
      if (at <= previous) return "free list is not in address order";
      if (at < kFirstBlock || at >= end) return "free list leaves its chunk";
      const Block* block = reinterpret_cast<const Block*>(base + at);
      if ((block->size & 1) == 0) return "block in use on the free list";
      if (++listed > freeBlocks) return "free list is longer than the free blocks";
      previous = at;
      at = block->link;
    }
    if (listed != freeBlocks) return "free block missing from the free list";
  }
  if (chunks != count_) return "chunk count differs from the chunk list";
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// SaveArena

void SaveArena::Reserve() {
  step_ = 4 * platform::PageSize();
  void* p = platform::Reserve(kReservation, reinterpret_cast<void*>(kPreferredBase));
  if (p == nullptr) OutOfMemory(diag_, "initSAVEmem");
  base_ = static_cast<char*>(p);
  allocation_ = base_;
  commitEnd_ = base_;
  end_ = base_ + kReservation;
  ClearClasses();
}

void SaveArena::Release() {
  if (!ReleaseQuietly()) ReleaseFailed(diag_, "stopSAVEmem");
}

bool SaveArena::ReleaseQuietly() {
  if (base_ == nullptr) return true;
  bool ok = platform::ReleaseReservation(base_, kReservation);
  base_ = allocation_ = commitEnd_ = end_ = nullptr;
  ClearClasses();
  return ok;
}

void SaveArena::Empty() {
  if (!EmptyQuietly()) ReleaseFailed(diag_, "stopSAVEmem");
}

bool SaveArena::EmptyQuietly() {
  bool ok = true;
  if (commitEnd_ > base_)
    ok = platform::Decommit(base_, static_cast<std::size_t>(commitEnd_ - base_));
  allocation_ = base_;
  commitEnd_ = base_;
  ClearClasses();
  return ok;
}

void SaveArena::ClearClasses() {
  for (BlobClass& c : classes_) c = BlobClass{nullptr, nullptr};
}

void SaveArena::CommitMore(std::size_t amount, const char* operation) {
  if (base_ == nullptr || amount > static_cast<std::size_t>(end_ - commitEnd_)) {
    OutOfMemory(diag_, operation);
  }
  if (!platform::Commit(commitEnd_, amount)) OutOfMemory(diag_, operation);
  commitEnd_ += amount;
}

void SaveArena::Grow(std::size_t shortfall) {
  if (shortfall > kReservation) OutOfMemory(diag_, "UCcommit");
  std::size_t amount = (shortfall + step_ - 1) / step_ * step_;
  if (amount != 0) CommitMore(amount, "UCcommit");
}

void SaveArena::WriteFiller(char* from, char* to) {
  std::size_t gap = static_cast<std::size_t>(to - from);
  if (gap < 4) return;
  from[0] = from[1] = from[2] = 0;
  if (gap == 4) {
    from[3] = static_cast<char>(kShortFiller);
    return;
  }
  from[3] = static_cast<char>(kLongFiller);
  std::uint32_t rest = static_cast<std::uint32_t>(gap - 4);
  std::memcpy(from + 4, &rest, sizeof rest);
}

void* SaveArena::ClassAllocateSlow(unsigned blobClass, std::size_t n) {
  if (n > kReservation) OutOfMemory(diag_, "allocateSAVEblob");
  const std::size_t r = RoundBlob(n);
  BlobClass& c = classes_[blobClass];
  for (;;) {
    if (c.current != nullptr && r <= static_cast<std::size_t>(c.limit - c.current)) {
      char* p = c.current;
      c.current = p + r;
      handedOut_ += r;
      if (zeroFill_) std::memset(p, 0, r);
      return p;
    }
    // Close the region: its rest becomes a filler record.
    if (c.current != nullptr) {
      if (zeroFill_) std::memset(c.current, 0, static_cast<std::size_t>(c.limit - c.current));
      WriteFiller(c.current, c.limit);
    }
    // Carve one commit step from the allocation pointer, committing another step first when
    // the committed part ends too early.
    char* start = allocation_;
    while (static_cast<std::size_t>(commitEnd_ - start) < step_)
      CommitMore(step_, "allocateSAVEblob");
    allocation_ = start + step_;
    if (c.current != nullptr && c.limit == start) {
      c.limit = allocation_;  // the previous region ended here: it simply grows
    } else {
      c.current = start;
      c.limit = allocation_;
      std::size_t misalignment = reinterpret_cast<std::uintptr_t>(start) % kBlobGranule;
      if (misalignment != 0) {
        char* aligned = start + (kBlobGranule - misalignment);
        WriteFiller(start, aligned);
        c.current = aligned;
      }
    }
  }
}

void* SaveArena::ArrayAllocate(std::size_t& count, std::size_t elementSize,
                               std::size_t headerSize) {
  if (elementSize > kReservation || headerSize > kReservation)
    OutOfMemory(diag_, "allocateSAVEblock");
  if (elementSize == 0) {
    count = 0;
  } else {
    count = headerSize < step_ ? (step_ - headerSize) / elementSize : 0;
    if (count == 0) count = 1;
  }
  return ClassAllocate(kGenericBlobClass, headerSize + count * elementSize);
}

// ---------------------------------------------------------------------------------------------
// Chained pools and the per-file chunk list

struct PerFileChunks::Link {
  Link* next;
  Link* previous;
};

struct ChainedPool::Chunk {
  Chunk* next;
  std::size_t size;  // including this header
  PerFileChunks::Link perFile;
};

namespace {
constexpr std::size_t kLargestChainedRequest = std::size_t{1}
                                               << (sizeof(std::size_t) >= 8 ? 40 : 30);
}  // namespace

char* ChainedPool::ChunkData(Chunk* chunk) {
  static_assert(sizeof(Chunk) <= kChunkHeader);
  return Bytes(chunk) + kChunkHeader;
}

void PerFileChunks::Add(Link* chunk) {
  chunk->previous = nullptr;
  chunk->next = head_;
  if (head_ != nullptr) head_->previous = chunk;
  head_ = chunk;
  ++count_;
}

void PerFileChunks::Remove(Link* chunk) {
  if (chunk->previous != nullptr) {
    chunk->previous->next = chunk->next;
  } else {
    head_ = chunk->next;
  }
  if (chunk->next != nullptr) chunk->next->previous = chunk->previous;
  --count_;
}

void PerFileChunks::Register(ChainedPool* pool) {
  pool->previousPerFile_ = nullptr;
  pool->nextPerFile_ = pools_;
  if (pools_ != nullptr) pools_->previousPerFile_ = pool;
  pools_ = pool;
  pool->registered_ = true;
}

void PerFileChunks::Unregister(ChainedPool* pool) {
  if (pool->previousPerFile_ != nullptr) {
    pool->previousPerFile_->nextPerFile_ = pool->nextPerFile_;
  } else {
    pools_ = pool->nextPerFile_;
  }
  if (pool->nextPerFile_ != nullptr) pool->nextPerFile_->previousPerFile_ = pool->previousPerFile_;
  pool->nextPerFile_ = pool->previousPerFile_ = nullptr;
  pool->registered_ = false;
}

void PerFileChunks::ReleaseAll() {
  if (!ReleaseAllQuietly()) ReleaseFailed(diag_, "low_level_rls");
}

bool PerFileChunks::ReleaseAllQuietly() {
  // The per-file pools lose their chunks: they start again empty.
  for (ChainedPool* pool = pools_; pool != nullptr; pool = pool->nextPerFile_) pool->Forget();
  bool ok = true;
  while (head_ != nullptr) {
    Link* link = head_;
    head_ = link->next;
    --count_;
    auto* chunk =
        reinterpret_cast<ChainedPool::Chunk*>(Bytes(link) - offsetof(ChainedPool::Chunk, perFile));
    if (!platform::FreeRegion(chunk, chunk->size)) ok = false;
  }
  return ok;
}

ChainedPool::ChainedPool(Memory& memory) : diag_(memory.Diag()), perFileList_(memory.perFile) {}

ChainedPool::~ChainedPool() {
  ReleaseChunks(first_);
  if (registered_) perFileList_.Unregister(this);
}

void ChainedPool::Initialise(std::size_t chunkSize, bool perFile) {
  Release();
  chunkSize_ = chunkSize > 2 * kChunkHeader ? chunkSize : 2 * kChunkHeader;
  perFile_ = perFile;
  if (perFile && !registered_) perFileList_.Register(this);
  if (!perFile && registered_) perFileList_.Unregister(this);
}

void* ChainedPool::AllocateSlow(std::size_t n) {
  if (n > kLargestChainedRequest) OutOfMemory(diag_, "low_level_get");
  std::size_t size = n > chunkSize_ - kChunkHeader ? n + kChunkHeader : chunkSize_;
  void* region = platform::AllocateRegion(size);
  if (region == nullptr) OutOfMemory(diag_, "low_level_get");
  Chunk* chunk = new (region) Chunk;
  chunk->next = nullptr;
  chunk->size = size;
  chunk->perFile = PerFileChunks::Link{nullptr, nullptr};
  if (last_ != nullptr) {
    last_->next = chunk;
  } else {
    first_ = chunk;
  }
  last_ = chunk;
  if (perFile_) perFileList_.Add(&chunk->perFile);
  char* data = ChunkData(chunk);
  current_ = data + n;
  limit_ = Bytes(chunk) + size;
  return data;
}

bool ChainedPool::ReleaseChunks(Chunk* from) {
  bool ok = true;
  while (from != nullptr) {
    Chunk* chunk = from;
    from = chunk->next;
    if (perFile_) perFileList_.Remove(&chunk->perFile);
    if (!platform::FreeRegion(chunk, chunk->size)) ok = false;
  }
  return ok;
}

void ChainedPool::Reset() {
  if (first_ == nullptr) return;
  bool ok = ReleaseChunks(first_->next);
  first_->next = nullptr;
  last_ = first_;
  current_ = ChunkData(first_);
  limit_ = Bytes(first_) + first_->size;
  std::memset(current_, 0, static_cast<std::size_t>(limit_ - current_));
  if (!ok) ReleaseFailed(diag_, "low_level_rls");
}

void ChainedPool::Release() {
  bool ok = ReleaseChunks(first_);
  Forget();
  if (!ok) ReleaseFailed(diag_, "low_level_rls");
}

void ChainedPool::Forget() {
  first_ = last_ = nullptr;
  current_ = limit_ = nullptr;
}

std::size_t ChainedPool::ChunkCount() const {
  std::size_t count = 0;
  for (const Chunk* chunk = first_; chunk != nullptr; chunk = chunk->next) ++count;
  return count;
}

// ---------------------------------------------------------------------------------------------
// Memory

Memory::~Memory() {
  blocks.ReleaseAllQuietly();
  perFile.ReleaseAllQuietly();
  arena.ReleaseQuietly();
}

void Memory::Startup() {
  perFile.ReleaseAll();
  bump.Start();
  arena.Reserve();
  blocks.ReleaseAll();
}

void Memory::Shutdown() {
  // Everything is given back even when one step fails; the first failure is reported.
  const char* failed = nullptr;
  if (!blocks.ReleaseAllQuietly()) failed = "low_level_rls";
  if (!perFile.ReleaseAllQuietly() && failed == nullptr) failed = "low_level_rls";
  if (!arena.ReleaseQuietly() && failed == nullptr) failed = "stopSAVEmem";
  if (failed != nullptr) ReleaseFailed(diag_, failed);
}

void Memory::StartOfFile() {
  // Normally empty: the previous file's end released everything on it.
  perFile.ReleaseAll();
}

void Memory::EndOfFileRelease() {
  const char* failed = nullptr;
  if (!blocks.ReleaseAllQuietly()) failed = "low_level_rls";
  if (!arena.EmptyQuietly() && failed == nullptr) failed = "stopSAVEmem";
  if (!perFile.ReleaseAllQuietly() && failed == nullptr) failed = "low_level_rls";
  if (failed != nullptr) ReleaseFailed(diag_, failed);
}

}  // namespace tpx
