#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "diagnostics/diagnostics.h"
#include "diagnostics/position.h"
#include "memory/memory.h"
#include "options/option_block.h"

namespace {

using tpx::BlockPool;
using tpx::ChainedPool;
using tpx::SaveArena;

class MemoryTest : public ::testing::Test {
 protected:
  MemoryTest()
      : out_(std::tmpfile()),
        diag_(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_, out_),
        mem_(diag_) {
    mem_.Startup();
  }
  ~MemoryTest() override {
    mem_.Shutdown();
    if (out_ != nullptr) std::fclose(out_);
  }

  std::string Printed() {
    std::string text;
    std::fflush(out_);
    std::rewind(out_);
    char buffer[256];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, out_)) > 0) text.append(buffer, n);
    return text;
  }

  tpx::OptionBlock options_;
  tpx::SourcePosition position_;
  std::FILE* out_;
  tpx::Diagnostics diag_;
  tpx::Memory mem_;
};

char* Ptr(void* p) { return static_cast<char*>(p); }

// ---------------------------------------------------------------------------------------------
// BumpPool

using BumpPoolTest = MemoryTest;

TEST_F(BumpPoolTest, ZeroByteRequestReturnsCurrentPointerWithoutAdvancing) {
  mem_.bump.Allocate(10);
  const char* before = mem_.bump.Current();
  void* p = mem_.bump.Allocate(0);
  EXPECT_EQ(p, before);
  EXPECT_EQ(mem_.bump.Current(), before);
  void* q = mem_.bump.Allocate(1);
  EXPECT_EQ(q, before);
}

TEST_F(BumpPoolTest, LargeRequestGetsChunkOfExactlyItsSize) {
  char* p = Ptr(mem_.bump.Allocate(5000));
  EXPECT_EQ(mem_.bump.Current(), p + 5000);
  EXPECT_EQ(mem_.bump.Limit(), p + 5000);
  std::memset(p, 0x5A, 5000);
  // The full chunk cannot serve anything; the next request gets a standard chunk.
  char* q = Ptr(mem_.bump.Allocate(1));
  EXPECT_EQ(mem_.bump.Limit() - q, 1024);
}

TEST_F(BumpPoolTest, ExactFitIsServedFromCurrentChunkWithoutRounding) {
  ASSERT_EQ(mem_.bump.Limit() - mem_.bump.Current(), 1024);
  char* a = Ptr(mem_.bump.Allocate(3));
  char* b = Ptr(mem_.bump.Allocate(5));
  EXPECT_EQ(b, a + 3);
  char* rest = Ptr(mem_.bump.Allocate(1024 - 8));
  EXPECT_EQ(rest, b + 5);
  EXPECT_EQ(mem_.bump.Current(), mem_.bump.Limit());
  // One byte more than is left abandons the chunk.
  char* c = Ptr(mem_.bump.Allocate(1));
  EXPECT_NE(c, rest + 1016);
  EXPECT_EQ(mem_.bump.Limit() - c, 1024);
}

TEST_F(BumpPoolTest, CopyTextIsZeroTerminatedAndSurvivesFiles) {
  char* copy = mem_.bump.CopyText("include/dir", 7);
  EXPECT_STREQ(copy, "include");
  char* whole = mem_.bump.CopyText("abc");
  EXPECT_STREQ(whole, "abc");
  mem_.EndOfFileRelease();
  EXPECT_STREQ(copy, "include");
  EXPECT_STREQ(whole, "abc");
}

// ---------------------------------------------------------------------------------------------
// BlockPool

using BlockPoolTest = MemoryTest;

TEST_F(BlockPoolTest, StartsWithoutChunks) { EXPECT_EQ(mem_.blocks.ChunkCount(), 0u); }

TEST_F(BlockPoolTest, RequestsAreRoundedWithHeaderToEightBytesAndCutFromTheEnd) {
  BlockPool& pool = mem_.blocks;
  char* a = Ptr(pool.Allocate(1));   // 16
  char* b = Ptr(pool.Allocate(8));   // 16
  char* c = Ptr(pool.Allocate(9));   // 24
  char* d = Ptr(pool.Allocate(0));   // 8, the header alone
  char* e = Ptr(pool.Allocate(16));  // 24
  ASSERT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(a - b, 16);
  EXPECT_EQ(b - c, 24);
  EXPECT_EQ(c - d, 8);
  EXPECT_EQ(d - e, 24);
  EXPECT_EQ(pool.ChunkFreeCount(0), 16384u - 24u - (16 + 16 + 24 + 8 + 24));
  for (char* p : {a, b, c, d, e}) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 8, 0u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

TEST_F(BlockPoolTest, FirstBlockTakesTheEndOfTheChunk) {
  char* p = Ptr(mem_.blocks.Allocate(100));  // 112 bytes with the header
  // The block's last byte is the last byte before the chunk's bookkeeping tail, so the chunk
  // must reach exactly to it: writing the whole block must stay inside the chunk.
  std::memset(p, 0xEE, 104);
  char* q = Ptr(mem_.blocks.Allocate(16352 - 112));
  EXPECT_EQ(mem_.blocks.ChunkCount(), 1u);
  EXPECT_EQ(mem_.blocks.ChunkFreeCount(0), 0u);
  EXPECT_EQ(q + (16352 - 112) + 8, p);
}

TEST_F(BlockPoolTest, RequestOf16352FillsAStandardChunkExactly) {
  BlockPool& pool = mem_.blocks;
  char* p = Ptr(pool.Allocate(16352));
  ASSERT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.ChunkSize(0), 16384u);
  EXPECT_EQ(pool.ChunkFreeCount(0), 0u);
  std::memset(p, 0x11, 16352);
  pool.Allocate(1);
  EXPECT_EQ(pool.ChunkCount(), 2u);
  EXPECT_EQ(pool.ChunkSize(0), 16384u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

TEST_F(BlockPoolTest, RequestOf16353GetsAChunkOfItsOwn) {
  BlockPool& pool = mem_.blocks;
  pool.Allocate(100);
  ASSERT_EQ(pool.ChunkCount(), 1u);
  std::size_t standardFree = pool.ChunkFreeCount(0);
  char* p = Ptr(pool.Allocate(16353));
  ASSERT_EQ(pool.ChunkCount(), 2u);
  // Rounded to 16,368; plus 279 with the low eight bits cleared.
  EXPECT_EQ(pool.ChunkSize(0), 16640u);
  EXPECT_EQ(pool.ChunkFreeCount(0), 16640u - 24u - 16368u);
  EXPECT_EQ(pool.ChunkFreeCount(1), standardFree);
  std::memset(p, 0x22, 16353);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

TEST_F(BlockPoolTest, LargeChunkSizesFollowTheRoundingRule) {
  BlockPool& pool = mem_.blocks;
  for (std::size_t n : {16361u, 20000u, 65536u, 100001u}) {
    std::size_t r = (n + 15) & ~std::size_t{7};
    pool.Allocate(n);
    std::size_t size = pool.ChunkSize(0);
    EXPECT_EQ(size % 256, 0u) << n;
    EXPECT_GE(size, r + 24) << n;
    EXPECT_LT(size, r + 24 + 256) << n;
  }
  EXPECT_EQ(pool.ChunkCount(), 4u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

TEST_F(BlockPoolTest, FreeingEveryBlockReleasesTheChunkUnlessItIsTheLast) {
  BlockPool& pool = mem_.blocks;
  void* big = pool.Allocate(16352);
  void* a = pool.Allocate(200);
  void* b = pool.Allocate(300);
  ASSERT_EQ(pool.ChunkCount(), 2u);
  std::size_t freeBefore = pool.ChunkFreeCount(0);
  pool.Free(a);
  EXPECT_EQ(pool.ChunkCount(), 2u);
  EXPECT_EQ(pool.ChunkFreeCount(0), freeBefore + 208);
  pool.Free(b);  // the second chunk is now wholly free and not the only one
  EXPECT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.ChunkFreeCount(0), 0u);
  pool.Free(big);  // the only chunk stays
  EXPECT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.ChunkFreeCount(0), 16360u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  // And it is reused whole.
  pool.Allocate(16352);
  EXPECT_EQ(pool.ChunkCount(), 1u);
}

// A pool that keeps crossing a chunk boundary gets the released chunk back rather than a
// freshly mapped one, and the reused chunk starts as one free block like a new one.
TEST_F(BlockPoolTest, ReleasedStandardChunkIsReusedForTheNextChunk) {
  BlockPool& pool = mem_.blocks;
  void* big = pool.Allocate(16352);
  char* a = static_cast<char*>(pool.Allocate(200));
  ASSERT_EQ(pool.ChunkCount(), 2u);
  std::memset(a, 0x5A, 200);
  pool.Free(a);
  ASSERT_EQ(pool.ChunkCount(), 1u);
  char* b = static_cast<char*>(pool.Allocate(200));
  ASSERT_EQ(pool.ChunkCount(), 2u);
  EXPECT_EQ(b, a);  // same region, same place in it
  // A freshly mapped region would read as zero: the old bytes show the region was kept.
  EXPECT_EQ(b[100], 0x5A);
  EXPECT_EQ(pool.ChunkFreeCount(0), 16360u - 208u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  pool.Free(b);
  pool.Free(big);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

// A request too large for a standard chunk gets a chunk of its own. Given back, such a chunk is
// kept and taken again by the next request of the same size (a source file record per include),
// several at a time; chunks of other sizes are not mixed up with it.
TEST_F(BlockPoolTest, ReleasedLargeChunksAreReusedBySize) {
  BlockPool& pool = mem_.blocks;
  void* keep = pool.Allocate(100);  // the pool never gives back its last chunk
  char* records[3];
  for (char*& r : records) {
    r = static_cast<char*>(pool.Allocate(16384));
    std::memset(r, 0x6B, 16384);
  }
  ASSERT_EQ(pool.ChunkCount(), 4u);
  for (char* r : records) pool.Free(r);
  ASSERT_EQ(pool.ChunkCount(), 1u);
  // A request of another size does not take a kept chunk.
  char* other = static_cast<char*>(pool.Allocate(20000));
  for (char* r : records) EXPECT_NE(other, r);
  EXPECT_EQ(other[5000], 0);  // freshly mapped
  std::memset(other, 0x6C, 20000);
  pool.Free(other);  // kept as well, the fourth
  // Requests of the record size get the kept records back, with their old bytes, and never
  // the larger chunk.
  for (int i = 0; i < 4; ++i) {
    char* again = static_cast<char*>(pool.Allocate(16384));
    EXPECT_NE(again, other);
    if (i < 3) {
      EXPECT_NE(std::find(std::begin(records), std::end(records), again), std::end(records));
      EXPECT_EQ(again[8000], 0x6B);
    } else {
      EXPECT_EQ(again[8000], 0);  // the kept ones are used up: freshly mapped
    }
  }
  EXPECT_EQ(pool.ChunkCount(), 5u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  // Far larger chunks are given back to the system at once.
  char* huge = static_cast<char*>(pool.Allocate(200000));
  std::memset(huge, 0x6B, 200000);
  pool.Free(huge);
  char* fresh = static_cast<char*>(pool.Allocate(200000));
  EXPECT_EQ(fresh[100000], 0);
  pool.Free(fresh);
  pool.Free(keep);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

TEST_F(BlockPoolTest, OlderChunkIsReleasedWhenItEmpties) {
  BlockPool& pool = mem_.blocks;
  void* first = pool.Allocate(16000);
  void* second = pool.Allocate(16000);
  ASSERT_EQ(pool.ChunkCount(), 2u);
  pool.Free(first);  // the older chunk, behind the head of the list
  EXPECT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  std::memset(second, 1, 16000);
  pool.Free(second);
  EXPECT_EQ(pool.ChunkCount(), 1u);
}

TEST_F(BlockPoolTest, NullAndRepeatedFreesAreIgnored) {
  BlockPool& pool = mem_.blocks;
  pool.Allocate(40);
  void* p = pool.Allocate(40);
  std::size_t before = pool.ChunkFreeCount(0);
  pool.Free(nullptr);
  EXPECT_EQ(pool.ChunkFreeCount(0), before);
  pool.Free(p);
  EXPECT_EQ(pool.ChunkFreeCount(0), before + 48);
  pool.Free(p);
  EXPECT_EQ(pool.ChunkFreeCount(0), before + 48);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
}

// Fills the rest of the only chunk so that later requests can only be served from freed blocks.
void FillChunk(BlockPool& pool) {
  std::size_t rest = pool.ChunkFreeCount(0);
  ASSERT_GE(rest, 8u);
  pool.Allocate(rest - 8);
  ASSERT_EQ(pool.ChunkFreeCount(0), 0u);
}

TEST_F(BlockPoolTest, FreeListIsInAddressOrder) {
  BlockPool& pool = mem_.blocks;
  char* a = Ptr(pool.Allocate(100));  // highest address
  pool.Allocate(100);
  char* c = Ptr(pool.Allocate(100));
  pool.Allocate(100);  // keeps c from merging with the rest
  FillChunk(pool);
  ASSERT_LT(c, a);
  // Freed high then low, and low then high: the lower block is found first either way.
  pool.Free(c);
  pool.Free(a);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  EXPECT_EQ(pool.Allocate(100), c);
  EXPECT_EQ(pool.Allocate(100), a);
  pool.Free(a);
  pool.Free(c);
  EXPECT_EQ(pool.Allocate(100), c);
  EXPECT_EQ(pool.ChunkCount(), 1u);
}

TEST_F(BlockPoolTest, AdjacentFreeBlocksMergeDuringAllocationAndSplitFromTheEnd) {
  BlockPool& pool = mem_.blocks;
  pool.Allocate(100);
  char* b = Ptr(pool.Allocate(100));
  char* c = Ptr(pool.Allocate(100));
  pool.Allocate(100);
  FillChunk(pool);
  ASSERT_EQ(b - c, 112);
  pool.Free(b);
  pool.Free(c);
  EXPECT_EQ(pool.ChunkFreeCount(0), 224u);
  // 208 bytes fit neither block alone; merged they hold 224, and the used part is cut from
  // the end, 16 bytes above the start of the lower block.
  char* merged = Ptr(pool.Allocate(200));
  EXPECT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(merged, c + 16);
  EXPECT_EQ(pool.ChunkFreeCount(0), 16u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  // The 16 bytes left at the bottom still serve a small request.
  EXPECT_EQ(pool.Allocate(1), c);
  EXPECT_EQ(pool.ChunkFreeCount(0), 0u);
}

TEST_F(BlockPoolTest, FragmentedOnlyChunkMergesBackIntoOneBlock) {
  BlockPool& pool = mem_.blocks;
  std::vector<void*> blocks;
  for (int i = 0; i < 100; ++i)
    blocks.push_back(pool.Allocate(static_cast<std::size_t>(i % 37 + 1)));
  ASSERT_EQ(pool.ChunkCount(), 1u);
  std::mt19937 random(7);
  std::shuffle(blocks.begin(), blocks.end(), random);
  for (void* p : blocks) pool.Free(p);
  EXPECT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.ChunkFreeCount(0), 16360u);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  pool.Allocate(16352);
  EXPECT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.ChunkFreeCount(0), 0u);
}

TEST_F(BlockPoolTest, RandomWorkloadKeepsEveryBlockIntact) {
  BlockPool& pool = mem_.blocks;
  struct Live {
    unsigned char* p;
    std::size_t n;
    unsigned char seed;
  };
  std::vector<Live> live;
  std::mt19937 random(12345);
  auto fill = [](const Live& b) {
    for (std::size_t i = 0; i < b.n; ++i) b.p[i] = static_cast<unsigned char>(b.seed + i * 7);
  };
  auto intact = [](const Live& b) {
    for (std::size_t i = 0; i < b.n; ++i) {
      if (b.p[i] != static_cast<unsigned char>(b.seed + i * 7)) return false;
    }
    return true;
  };
  std::size_t maxChunks = 0;
  for (int step = 0; step < 20000; ++step) {
    bool allocate = live.empty() || random() % 100 < 55;
    if (allocate) {
      std::size_t n;
      unsigned kind = random() % 100;
      if (kind < 70) {
        n = random() % 200;
      } else if (kind < 97) {
        n = random() % 4000;
      } else {
        n = 16000 + random() % 8000;
      }
      Live b{static_cast<unsigned char*>(pool.Allocate(n)), n,
             static_cast<unsigned char>(random())};
      ASSERT_NE(b.p, nullptr);
      ASSERT_EQ(reinterpret_cast<std::uintptr_t>(b.p) % 8, 0u);
      fill(b);
      live.push_back(b);
    } else {
      std::size_t index = random() % live.size();
      ASSERT_TRUE(intact(live[index])) << "block corrupted at step " << step;
      pool.Free(live[index].p);
      live[index] = live.back();
      live.pop_back();
    }
    if (pool.ChunkCount() > maxChunks) maxChunks = pool.ChunkCount();
    if (step % 250 == 0) {
      const char* fault = pool.CheckIntegrity();
      ASSERT_EQ(fault, nullptr) << fault << " at step " << step;
    }
  }
  for (const Live& b : live) ASSERT_TRUE(intact(b));
  EXPECT_GT(maxChunks, 3u);
  for (const Live& b : live) pool.Free(b.p);
  EXPECT_EQ(pool.CheckIntegrity(), nullptr);
  // Everything is free: only the last chunk is left, wholly free.
  ASSERT_EQ(pool.ChunkCount(), 1u);
  EXPECT_EQ(pool.ChunkFreeCount(0), pool.ChunkSize(0) - 24);
}

TEST_F(BlockPoolTest, EndOfFileReleasesEveryChunk) {
  for (int i = 0; i < 5; ++i) mem_.blocks.Allocate(16000);
  ASSERT_EQ(mem_.blocks.ChunkCount(), 5u);
  mem_.EndOfFileRelease();
  EXPECT_EQ(mem_.blocks.ChunkCount(), 0u);
  mem_.blocks.Allocate(10);
  EXPECT_EQ(mem_.blocks.ChunkCount(), 1u);
}

// ---------------------------------------------------------------------------------------------
// SaveArena

using SaveArenaTest = MemoryTest;

// A text built in the arena stays whole and zero-terminated as it moves to larger blocks, a
// piece at a time or in pieces larger than the block it has.
TEST_F(SaveArenaTest, ArenaTextGrowsWhole) {
  tpx::ArenaText text(mem_.arena);
  EXPECT_STREQ(text.Data(), "");
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string piece = std::to_string(i) + (i % 7 == 0 ? std::string(300, 'x') : "-");
    text.Append(piece.c_str(), piece.size());
    expected += piece;
    ASSERT_EQ(text.Size(), expected.size());
    ASSERT_EQ(text.Data()[text.Size()], 0);
  }
  EXPECT_EQ(std::string(text.Data(), text.Size()), expected);
  text.Append('!');
  EXPECT_EQ(text.Data()[text.Size() - 1], '!');
  text.Clear();
  EXPECT_EQ(text.Size(), 0u);
  EXPECT_STREQ(text.Data(), "");
  text.Append("again");
  EXPECT_STREQ(text.Data(), "again");
}

TEST_F(SaveArenaTest, StartsReservedAndUncommitted) {
  SaveArena& arena = mem_.arena;
  ASSERT_NE(arena.Base(), nullptr);
  EXPECT_EQ(arena.End() - arena.Base(), 0x4000000);
  EXPECT_EQ(arena.AllocationPointer(), arena.Base());
  EXPECT_EQ(arena.CommitEnd(), arena.Base());
  EXPECT_EQ(arena.CommittedBytes(), 0u);
  EXPECT_GE(arena.CommitStep(), 4u * 4096u);
  EXPECT_EQ(arena.CommitStep() % 4, 0u);
  for (unsigned c = 0; c < SaveArena::kClassCount; ++c) EXPECT_EQ(arena.ClassCurrent(c), nullptr);
}

TEST_F(SaveArenaTest, GrowCommitsWholeStepsAtTheCommitEnd) {
  SaveArena& arena = mem_.arena;
  const std::size_t step = arena.CommitStep();
  arena.Grow(0);
  EXPECT_EQ(arena.CommittedBytes(), 0u);
  arena.Grow(1);
  EXPECT_EQ(arena.CommittedBytes(), step);
  arena.Grow(step);
  EXPECT_EQ(arena.CommittedBytes(), 2 * step);
  arena.Grow(step + 1);
  EXPECT_EQ(arena.CommittedBytes(), 4 * step);
  // Everything up to the commit end can be written.
  std::memset(arena.Base(), 0x33, arena.CommittedBytes());
  EXPECT_EQ(arena.AllocationPointer(), arena.Base());
}

TEST_F(SaveArenaTest, StorePlacesRecordsAcrossCommitSteps) {
  // A store that places 4-byte-aligned records with a kind prefix, growing the arena as the
  // identifier and macro stores do.
  SaveArena& arena = mem_.arena;
  std::vector<char*> records;
  for (int i = 0; i < 3000; ++i) {
    std::size_t size = 8 + (static_cast<std::size_t>(i) * 13) % 60 / 4 * 4;
    char* p = arena.AllocationPointer();
    if (p + size > arena.CommitEnd())
      arena.Grow(static_cast<std::size_t>(p + size - arena.CommitEnd()));
    p[3] = static_cast<char>(0xFA);
    std::memset(p + 4, static_cast<unsigned char>(i), size - 4);
    records.push_back(p);
    arena.SetAllocationPointer(p + size);
  }
  EXPECT_GT(arena.CommittedBytes(), arena.CommitStep() * 4);
  EXPECT_GE(arena.CommitEnd(), arena.AllocationPointer());
  EXPECT_LT(static_cast<std::size_t>(arena.CommitEnd() - arena.AllocationPointer()),
            arena.CommitStep());
  for (int i = 0; i < 3000; ++i) {
    EXPECT_EQ(static_cast<unsigned char>(records[i][3]), 0xFA);
    EXPECT_EQ(static_cast<unsigned char>(records[i][4]), static_cast<unsigned char>(i));
  }
}

TEST_F(SaveArenaTest, BlobsAreRoundedToTheGranuleAndBumpedFromOneRegion) {
  SaveArena& arena = mem_.arena;
  const std::size_t g = SaveArena::kBlobGranule;
  ASSERT_TRUE(g == 4 || g == 8);
  char* a = Ptr(arena.BlobAllocate(1));
  char* b = Ptr(arena.BlobAllocate(g));
  char* c = Ptr(arena.BlobAllocate(g + 1));
  char* d = Ptr(arena.BlobAllocate(0));
  char* e = Ptr(arena.BlobAllocate(3));
  EXPECT_EQ(b - a, static_cast<std::ptrdiff_t>(g));
  EXPECT_EQ(c - b, static_cast<std::ptrdiff_t>(g));
  EXPECT_EQ(d - c, static_cast<std::ptrdiff_t>(2 * g));
  EXPECT_EQ(e, d);
  EXPECT_EQ(arena.BlobBytesHandedOut(), 5 * g);
  // The first request carved one commit step from the allocation pointer.
  EXPECT_EQ(a, arena.Base());
  EXPECT_EQ(arena.AllocationPointer(), arena.Base() + arena.CommitStep());
  EXPECT_EQ(arena.CommittedBytes(), arena.CommitStep());
  EXPECT_EQ(arena.ClassLimit(SaveArena::kGenericBlobClass), arena.AllocationPointer());
  for (char* p : {a, b, c, d}) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % g, 0u);
}

TEST_F(SaveArenaTest, BlobsLargerThanAStepSpanSeveralSteps) {
  SaveArena& arena = mem_.arena;
  const std::size_t step = arena.CommitStep();
  char* small = Ptr(arena.BlobAllocate(16));
  char* big = Ptr(arena.BlobAllocate(3 * step));
  EXPECT_EQ(big, small + 16);  // the region grows in place: nothing else took the arena
  std::memset(big, 0x44, 3 * step);
  EXPECT_GE(arena.CommittedBytes(), 3 * step + 16);
  EXPECT_LE(arena.AllocationPointer(), arena.CommitEnd());
}

TEST_F(SaveArenaTest, ZeroFillClearsReusedBytes) {
  SaveArena& arena = mem_.arena;
  const std::size_t step = arena.CommitStep();
  // Leaving 64 bytes in the region and asking for more closes it with a filler record; the
  // region then grows in place, so the next blob starts on the filler's bytes.
  for (bool zeroFill : {false, true}) {
    mem_.EndOfFileRelease();
    arena.SetZeroFill(zeroFill);
    char* first = Ptr(arena.BlobAllocate(step - 64));
    std::memset(first, 0x77, step - 64);
    char* next = Ptr(arena.BlobAllocate(128));
    ASSERT_EQ(next, first + step - 64);
    bool allZero = true;
    for (int i = 0; i < 128; ++i) allZero = allZero && next[i] == 0;
    if (zeroFill) {
      EXPECT_TRUE(allZero);
    } else {
      EXPECT_EQ(static_cast<unsigned char>(next[3]), SaveArena::kLongFiller);
    }
  }
}

TEST_F(SaveArenaTest, ZeroFillClearsEveryBlobHandedOut) {
  SaveArena& arena = mem_.arena;
  // Dirty the committed pages through the store interface, then take blobs from them.
  arena.Grow(4 * arena.CommitStep());
  std::memset(arena.Base(), 0x99, arena.CommittedBytes());
  arena.SetZeroFill(true);
  for (int i = 0; i < 200; ++i) {
    std::size_t n = static_cast<std::size_t>(i * 37 % 500 + 1);
    unsigned char* p = static_cast<unsigned char*>(arena.BlobAllocate(n));
    for (std::size_t k = 0; k < n; ++k) ASSERT_EQ(p[k], 0) << i;
    std::memset(p, 0xAB, n);
  }
}

// A test record in a blob: a prefix word whose last byte is kind 1, a 32-bit count of the bytes
// that follow the prefix, then those bytes.
constexpr unsigned char kTestRecord = 1;
constexpr unsigned char kStoreRecord = 0xFA;

void PutRecord(char* p, std::size_t total, unsigned char kind) {
  std::memset(p, 0, 3);
  p[3] = static_cast<char>(kind);
  std::uint32_t rest = static_cast<std::uint32_t>(total - 4);
  std::memcpy(p + 4, &rest, 4);
  std::memset(p + 8, kind, total - 8);
}

TEST_F(SaveArenaTest, ClosedClassRegionsAreWalkableWithFillerRecords) {
  SaveArena& arena = mem_.arena;
  const unsigned kOther = 5;
  std::mt19937 random(99);
  std::size_t testRecords = 0;
  std::size_t storeRecords = 0;
  for (int i = 0; i < 600; ++i) {
    unsigned what = random() % 10;
    if (what < 2) {
      // A store record of 12 or 16 bytes placed at the allocation pointer: it keeps the next
      // class region from continuing the previous one and may leave it 4 bytes off the granule.
      std::size_t total = what == 0 ? 12 : 16;
      char* p = arena.AllocationPointer();
      if (p + total > arena.CommitEnd())
        arena.Grow(static_cast<std::size_t>(p + total - arena.CommitEnd()));
      PutRecord(p, total, kStoreRecord);
      arena.SetAllocationPointer(p + total);
      ++storeRecords;
    } else {
      unsigned blobClass = what < 6 ? SaveArena::kGenericBlobClass : kOther;
      std::size_t n = 8 + random() % 3000;
      std::size_t total = (n + SaveArena::kBlobGranule - 1) & ~(SaveArena::kBlobGranule - 1);
      char* p = Ptr(arena.ClassAllocate(blobClass, n));
      PutRecord(p, total, kTestRecord);
      ++testRecords;
    }
  }
  // Walk from the base to the allocation pointer; the open regions of the two classes are
  // skipped whole, everything else must be records.
  std::size_t seenTest = 0, seenStore = 0, shortFillers = 0, longFillers = 0;
  const char* p = arena.Base();
  const char* end = arena.AllocationPointer();
  while (p < end) {
    bool skipped = false;
    for (unsigned c : {SaveArena::kGenericBlobClass, kOther}) {
      if (p == arena.ClassCurrent(c) && p != arena.ClassLimit(c)) {
        p = arena.ClassLimit(c);
        skipped = true;
      }
    }
    if (skipped) continue;
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(p) % 4, 0u);
    unsigned char kind = static_cast<unsigned char>(p[3]);
    if (kind == SaveArena::kShortFiller) {
      ++shortFillers;
      p += 4;
      continue;
    }
    std::uint32_t rest;
    std::memcpy(&rest, p + 4, 4);
    if (kind == SaveArena::kLongFiller) {
      ++longFillers;
    } else if (kind == kTestRecord) {
      ++seenTest;
    } else if (kind == kStoreRecord) {
      ++seenStore;
    } else {
      FAIL() << "unknown record kind " << int(kind) << " at offset " << (p - arena.Base());
    }
    p += 4 + rest;
  }
  EXPECT_EQ(p, end);
  // Records still in the open regions were skipped with them.
  EXPECT_LE(seenTest, testRecords);
  EXPECT_GT(seenTest, testRecords / 2);
  EXPECT_EQ(seenStore, storeRecords);
  EXPECT_GT(longFillers, 0u);
  if (SaveArena::kBlobGranule == 8) {
    EXPECT_GT(shortFillers, 0u);
  }
}

TEST_F(SaveArenaTest, ArrayAllocateFitsOneCommitStep) {
  SaveArena& arena = mem_.arena;
  arena.SetZeroFill(true);
  const std::size_t step = arena.CommitStep();
  std::size_t count = 0;
  char* block = Ptr(arena.ArrayAllocate(count, 24, 40));
  EXPECT_EQ(count, (step - 40) / 24);
  EXPECT_LE(40 + count * 24, step);
  EXPECT_GT(40 + (count + 1) * 24, step);
  for (std::size_t i = 0; i < 40 + count * 24; ++i) ASSERT_EQ(block[i], 0);
  std::memset(block, 0x12, 40 + count * 24);
  // An element larger than a step still gets one.
  char* huge = Ptr(arena.ArrayAllocate(count, step * 2, 16));
  EXPECT_EQ(count, 1u);
  std::memset(huge, 0x13, 16 + step * 2);
}

TEST_F(SaveArenaTest, EndOfFileEmptiesTheArenaButKeepsTheReservation) {
  SaveArena& arena = mem_.arena;
  char* base = arena.Base();
  for (int i = 0; i < 1000; ++i) std::memset(arena.BlobAllocate(1000), 0x55, 1000);
  arena.Grow(10 * arena.CommitStep());
  ASSERT_GT(arena.CommittedBytes(), 0u);
  mem_.EndOfFileRelease();
  EXPECT_EQ(arena.CommittedBytes(), 0u);
  EXPECT_EQ(arena.Base(), base);
  EXPECT_EQ(arena.AllocationPointer(), base);
  EXPECT_EQ(arena.CommitEnd(), base);
  EXPECT_EQ(arena.ClassCurrent(SaveArena::kGenericBlobClass), nullptr);
  // The next file starts from the base again, on fresh zero pages.
  char* p = Ptr(arena.BlobAllocate(64));
  EXPECT_EQ(p, base);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(p[i], 0);
}

TEST_F(SaveArenaTest, RunningOutOfTheReservationIsFatal) {
  SaveArena& arena = mem_.arena;
  EXPECT_THROW(arena.Grow(SaveArena::kReservation + 1), tpx::FatalError);
  EXPECT_NE(Printed().find("Out of memory"), std::string::npos);
  // A blob that cannot fit in what is left fails the same way, even after the first report.
  arena.BlobAllocate(16);
  EXPECT_THROW(arena.BlobAllocate(SaveArena::kReservation - 8), tpx::FatalError);
  EXPECT_EQ(arena.CommitEnd(), arena.End());
  // What was committed before the failure is released with the file.
  mem_.EndOfFileRelease();
  EXPECT_EQ(arena.CommittedBytes(), 0u);
}

// ---------------------------------------------------------------------------------------------
// Chained pools and the per-file chunk list

using ChainedPoolTest = MemoryTest;

TEST_F(ChainedPoolTest, ServesExactSizesAndChainsNewChunks) {
  ChainedPool pool(mem_);
  pool.Initialise(4096, false);
  EXPECT_EQ(pool.ChunkCount(), 0u);
  char* a = Ptr(pool.Allocate(3));
  char* b = Ptr(pool.Allocate(5));
  EXPECT_EQ(b, a + 3);
  EXPECT_EQ(pool.ChunkCount(), 1u);
  // The first chunk holds 4096 bytes minus its header.
  char* rest = Ptr(pool.Allocate(4096 - ChainedPool::kChunkHeader - 8));
  EXPECT_EQ(rest, b + 5);
  EXPECT_EQ(pool.ChunkCount(), 1u);
  pool.Allocate(1);
  EXPECT_EQ(pool.ChunkCount(), 2u);
  // A request larger than a chunk gets a chunk of its own size.
  char* big = Ptr(pool.Allocate(10000));
  std::memset(big, 0x66, 10000);
  EXPECT_EQ(pool.ChunkCount(), 3u);
  EXPECT_EQ(mem_.perFile.Count(), 0u);
  pool.Release();
  EXPECT_EQ(pool.ChunkCount(), 0u);
}

TEST_F(ChainedPoolTest, ResetKeepsTheFirstChunkCleared) {
  ChainedPool pool(mem_);
  pool.Initialise(4096, false);
  char* first = Ptr(pool.Allocate(2000));
  std::memset(first, 0x7E, 2000);
  std::memset(pool.Allocate(2000), 0x7E, 2000);
  std::memset(pool.Allocate(2000), 0x7E, 2000);
  std::memset(pool.Allocate(9000), 0x7E, 9000);
  ASSERT_EQ(pool.ChunkCount(), 3u);
  pool.Reset();
  EXPECT_EQ(pool.ChunkCount(), 1u);
  char* again = Ptr(pool.Allocate(4000));
  EXPECT_EQ(again, first);
  for (int i = 0; i < 4000; ++i) ASSERT_EQ(again[i], 0) << i;
  pool.Allocate(1000);
  EXPECT_EQ(pool.ChunkCount(), 2u);
}

TEST_F(ChainedPoolTest, PerFileChunksAreReleasedAtTheEndOfTheFile) {
  ChainedPool perFilePool(mem_);
  ChainedPool lasting(mem_);
  perFilePool.Initialise(4096, true);
  lasting.Initialise(4096, false);
  char* kept = Ptr(lasting.Allocate(100));
  std::memset(kept, 0x31, 100);
  for (int i = 0; i < 5; ++i) perFilePool.Allocate(3000);
  EXPECT_EQ(perFilePool.ChunkCount(), 5u);
  EXPECT_EQ(mem_.perFile.Count(), 5u);
  perFilePool.Reset();
  EXPECT_EQ(mem_.perFile.Count(), 1u);
  perFilePool.Allocate(4000);
  perFilePool.Allocate(4000);
  EXPECT_EQ(mem_.perFile.Count(), 2u);

  mem_.EndOfFileRelease();
  EXPECT_EQ(mem_.perFile.Count(), 0u);
  EXPECT_EQ(perFilePool.ChunkCount(), 0u);
  EXPECT_EQ(lasting.ChunkCount(), 1u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(kept[i], 0x31);

  // The pool starts the next file empty and fills again.
  mem_.StartOfFile();
  char* p = Ptr(perFilePool.Allocate(100));
  std::memset(p, 1, 100);
  EXPECT_EQ(perFilePool.ChunkCount(), 1u);
  EXPECT_EQ(mem_.perFile.Count(), 1u);
}

TEST_F(ChainedPoolTest, StartOfFileReleasesLeftoverChunks) {
  ChainedPool pool(mem_);
  pool.Initialise(4096, true);
  pool.Allocate(100);
  pool.Allocate(5000);
  ASSERT_EQ(mem_.perFile.Count(), 2u);
  mem_.StartOfFile();
  EXPECT_EQ(mem_.perFile.Count(), 0u);
  EXPECT_EQ(pool.ChunkCount(), 0u);
}

TEST_F(ChainedPoolTest, PoolGoneOrReinitialisedLeavesTheListConsistent) {
  {
    ChainedPool pool(mem_);
    pool.Initialise(4096, true);
    pool.Allocate(5000);
    pool.Allocate(5000);
    ASSERT_EQ(mem_.perFile.Count(), 2u);
  }
  EXPECT_EQ(mem_.perFile.Count(), 0u);
  ChainedPool pool(mem_);
  pool.Initialise(4096, true);
  pool.Allocate(10);
  ASSERT_EQ(mem_.perFile.Count(), 1u);
  pool.Initialise(8192, false);
  EXPECT_EQ(mem_.perFile.Count(), 0u);
  pool.Allocate(8000);
  EXPECT_EQ(pool.ChunkCount(), 1u);
  mem_.EndOfFileRelease();
  EXPECT_EQ(pool.ChunkCount(), 1u);
}

// ---------------------------------------------------------------------------------------------
// The file cycle

using MemoryCycleTest = MemoryTest;

TEST_F(MemoryCycleTest, EveryFileStartsFromEmptyPools) {
  char* base = mem_.arena.Base();
  for (int file = 0; file < 3; ++file) {
    mem_.StartOfFile();
    mem_.arena.SetZeroFill(true);
    EXPECT_EQ(mem_.blocks.ChunkCount(), 0u);
    EXPECT_EQ(mem_.arena.CommittedBytes(), 0u);
    EXPECT_EQ(mem_.perFile.Count(), 0u);
    for (int i = 0; i < 300; ++i) {
      std::memset(mem_.blocks.Allocate(500), file, 500);
      std::memset(mem_.arena.BlobAllocate(700), file, 700);
    }
    EXPECT_GT(mem_.blocks.ChunkCount(), 1u);
    EXPECT_GT(mem_.arena.CommittedBytes(), 0u);
    mem_.EndOfFileRelease();
    EXPECT_EQ(mem_.arena.Base(), base);
  }
}

}  // namespace
