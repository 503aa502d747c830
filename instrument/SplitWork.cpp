#include "instrument/SplitWork.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace linkio {

namespace {
// Below this a piece costs less than starting a thread for it.
constexpr std::size_t kPieceAtLeast = std::size_t{1} << 20;
constexpr unsigned kMostPieces = 4;
// Pieces start on whole cache lines of the widest element (8-byte doubles).
constexpr std::size_t kAlign = 64;
}  // namespace

void SplitWork(std::size_t count, const std::function<void(std::size_t, std::size_t)>& work) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const auto pieces =
      static_cast<std::size_t>(std::min<std::size_t>({kMostPieces, cores, count / kPieceAtLeast}));
  if (pieces <= 1) {
    work(0, count);
    return;
  }
  const std::size_t step = ((count + pieces - 1) / pieces + kAlign - 1) / kAlign * kAlign;
  std::vector<std::thread> helpers;
  helpers.reserve(pieces - 1);
  std::size_t begin = step;  // the first piece is this thread's
  for (; begin < count; begin += step) {
    const std::size_t end = std::min(count, begin + step);
    try {
      helpers.emplace_back([&work, begin, end] { work(begin, end); });
    } catch (const std::system_error&) {
      break;  // no thread to be had: the rest is done here
    }
  }
  work(0, std::min(count, step));
  if (begin < count) work(begin, count);
  for (auto& helper : helpers) helper.join();
}

}  // namespace linkio
