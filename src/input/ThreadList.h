#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// A list that owns its items and its lock; every operation holds the lock for
// its whole duration. Items never move in memory, so references to them stay
// valid as long as the list keeps them.
template <typename T>
class TThreadList {
 public:
  // The items, with the list's lock held for the accessor's lifetime.
  class TLockedItems {
   public:
    TLockedItems(std::mutex& Lock, const std::vector<std::unique_ptr<T>>& Items)
        : FGuard(Lock), FItems(Items) {}
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    T& Items(int32_t Index) const { return *FItems[static_cast<size_t>(Index)]; }
    T& operator[](int32_t Index) const { return Items(Index); }

   private:
    std::unique_lock<std::mutex> FGuard;
    const std::vector<std::unique_ptr<T>>& FItems;
  };

  TThreadList() = default;
  TThreadList(const TThreadList&) = delete;
  TThreadList& operator=(const TThreadList&) = delete;

  TLockedItems LockList() const { return TLockedItems(FLock, FItems); }

  int32_t Count() const {
    std::lock_guard Guard(FLock);
    return static_cast<int32_t>(FItems.size());
  }

 protected:
  void Add(std::unique_ptr<T> Item) {
    std::lock_guard Guard(FLock);
    FItems.push_back(std::move(Item));
  }

  void Clear() {
    std::lock_guard Guard(FLock);
    FItems.clear();
  }

  // Not recursive: no operation re-enters the list, and the handlers raised
  // while it is held must not take it (they may run on another thread).
  mutable std::mutex FLock;
  std::vector<std::unique_ptr<T>> FItems;
};
