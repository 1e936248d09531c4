// Placement of records and pointer arrays in the long-lived pool, which hands out bytes without
// alignment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "memory/memory.h"

namespace tpx {

// `count` value-initialised objects of T on their natural alignment.
template <typename T>
T* NewInPool(BumpPool& pool, std::size_t count = 1) {
  void* raw = pool.Allocate(sizeof(T) * count + alignof(T) - 1);
  auto address = reinterpret_cast<std::uintptr_t>(raw);
  address = (address + alignof(T) - 1) & ~static_cast<std::uintptr_t>(alignof(T) - 1);
  T* first = reinterpret_cast<T*>(address);
  for (std::size_t i = 0; i < count; ++i) new (first + i) T{};
  return first;
}

}  // namespace tpx
