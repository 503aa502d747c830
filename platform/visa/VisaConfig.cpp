#include "platform/visa/VisaConfig.h"

#include <atomic>
#include <mutex>

namespace visa {
namespace {

std::mutex g_lock;
std::shared_ptr<IUsbtmcSystem> g_usbtmc;
std::atomic<std::uint16_t> g_portmapperPort{0};
std::atomic<std::uint32_t> g_openTimeoutMs{0};

constexpr std::uint16_t kStandardPortmapperPort = 111;
constexpr std::uint32_t kStandardOpenTimeoutMs = 3000;

}  // namespace

void SetUsbtmcSystem(std::shared_ptr<IUsbtmcSystem> system) {
  std::lock_guard guard(g_lock);
  g_usbtmc = std::move(system);
}

std::shared_ptr<IUsbtmcSystem> GetUsbtmcSystem() {
  std::lock_guard guard(g_lock);
  if (!g_usbtmc) g_usbtmc = MakeLinuxUsbtmcSystem();
  return g_usbtmc;
}

void SetPortmapperPort(std::uint16_t port) { g_portmapperPort = port; }

std::uint16_t GetPortmapperPort() {
  std::uint16_t port = g_portmapperPort;
  return port ? port : kStandardPortmapperPort;
}

void SetOpenTimeoutMs(std::uint32_t ms) { g_openTimeoutMs = ms; }

std::uint32_t GetOpenTimeoutMs() {
  std::uint32_t ms = g_openTimeoutMs;
  return ms ? ms : kStandardOpenTimeoutMs;
}

}  // namespace visa
