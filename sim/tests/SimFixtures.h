#pragma once
// A simulated instrument served over VXI-11 on a free loopback port, with the
// VISA layer pointed at that portmapper, and helpers for VISA calls.

#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "sim/SimGenerator.h"
#include "sim/Vxi11Server.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace simtest {

inline std::shared_ptr<sim::SimGenerator> MakeGenerator(const char* model) {
  return std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily(model));
}

class LoopbackServer {
 public:
  explicit LoopbackServer(std::shared_ptr<sim::SimInstrument> instrument,
                          std::uint32_t maxRecv = 1u << 20)
      : server_(std::move(instrument), {"127.0.0.1", 0, maxRecv}) {
    std::string error;
    started_ = server_.Start(&error);
    EXPECT_TRUE(started_) << error;
    visa::SetPortmapperPort(server_.PortmapperPort());
  }
  ~LoopbackServer() {
    server_.Stop();
    visa::SetPortmapperPort(0);
  }
  bool started() const { return started_; }
  sim::Vxi11Server& server() { return server_; }

 private:
  sim::Vxi11Server server_;
  bool started_ = false;
};

// Opens a resource manager and one instrument; closes both at the end.
struct VisaSession {
  ViSession rm = 0, vi = 0;
  ViStatus openStatus = VI_SUCCESS;
  explicit VisaSession(const std::string& resource) {
    viOpenDefaultRM(&rm);
    openStatus = viOpen(rm, resource.c_str(), 0, 0, &vi);
  }
  ~VisaSession() { viClose(rm); }
  std::string Query(const std::string& command) {
    viPrintf(vi, "%s", command.c_str());
    char reply[256] = {};
    if (viScanf(vi, "%t", reply) < 0) return "<error>";
    return reply;
  }
};

constexpr const char* kLoopback = "TCPIP0::127.0.0.1::INSTR";

}  // namespace simtest
