// Splitting a long pass into pieces run at once: every index is covered
// exactly once, whatever the count, and short runs stay on the caller.
#include "instrument/SplitWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

TEST(SplitWork, EveryIndexOnceWhateverTheCount) {
  for (std::size_t count :
       {std::size_t{0}, std::size_t{1}, std::size_t{1} << 20, (std::size_t{2} << 20) - 1,
        (std::size_t{2} << 20) + 63, (std::size_t{4} << 20) + 5, (std::size_t{9} << 20) + 1}) {
    auto seen = std::make_unique<std::atomic<unsigned char>[]>(count + 1);
    std::mutex lock;
    std::size_t pieces = 0;
    bool emptyPiece = false;
    linkio::SplitWork(count, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i) ++seen[i];
      std::lock_guard guard(lock);
      ++pieces;
      emptyPiece = emptyPiece || begin >= end;
    });
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < count; ++i) wrong += seen[i] != 1;
    EXPECT_EQ(wrong, 0u) << count;
    EXPECT_EQ(seen[count], 0) << count;  // nothing beyond the end
    EXPECT_GE(pieces, 1u) << count;
    EXPECT_LE(pieces, 4u) << count;
    EXPECT_FALSE(emptyPiece && count > 0) << count;
  }
}

TEST(SplitWork, AShortRunStaysOnTheCallingThread) {
  const auto caller = std::this_thread::get_id();
  bool here = false;
  linkio::SplitWork(1000,
                    [&](std::size_t, std::size_t) { here = std::this_thread::get_id() == caller; });
  EXPECT_TRUE(here);
}
