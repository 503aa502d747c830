// The simulator's VXI-11 server under what independent clients do: several
// links at once, replies left unread, clients that come and go, pieces and
// messages beyond its limits, other protocol versions, discovery by datagram,
// reads that wait, and peers that vanish.
#include "RawRpc.h"
#include "SimFixtures.h"
#include "platform/visa/Vxi11Protocol.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>
#include <vector>

using namespace simtest;

namespace {

using sim::rpc::XdrOut;

// create_link over a raw connection; the link id, or -1.
std::int32_t CreateLink(RawRpcTcp& rpc) {
  XdrOut call = CallMessage(1, vxi11::kCoreProgram, 1, vxi11::kCreateLink);
  call.I32(7);  // client id
  call.U32(0);  // no lock
  call.U32(0);
  const std::string device = "inst0";
  call.Opaque({reinterpret_cast<const std::uint8_t*>(device.data()), device.size()});
  auto reply = rpc.Call(call);
  if (!reply || reply->acceptStat != 0 || reply->Words().at(0) != 0) return -1;
  return static_cast<std::int32_t>(reply->Words().at(1));
}

// device_write of `size` bytes of 'x'; the device error code, or -1.
std::int32_t DeviceWrite(RawRpcTcp& rpc, std::int32_t lid, std::size_t size, bool end) {
  XdrOut call = CallMessage(2, vxi11::kCoreProgram, 1, vxi11::kDeviceWrite);
  call.I32(lid);
  call.U32(1000);
  call.U32(0);
  call.I32(end ? vxi11::kFlagEnd : 0);
  std::vector<std::uint8_t> data(size, 'x');
  call.Opaque(data);
  auto reply = rpc.Call(call);
  return reply && reply->acceptStat == 0 ? static_cast<std::int32_t>(reply->Words().at(0)) : -1;
}

// Connects and closes with a reset, so no socket waits on this side.
void ConnectAndLeave(std::uint16_t port) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr = Loopback(port);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
    linger hard{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  }
  ::close(fd);
}

}  // namespace

// Four clients at once, each asking its own questions: every reply is the
// answer to its own link's query.
TEST(Vxi11Server, ConcurrentLinksNeverCrossReplies) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  std::vector<std::thread> clients;
  std::atomic<int> crossed{0}, answered{0};
  for (int k = 0; k < 4; ++k) {
    clients.emplace_back([&, k] {
      VisaSession s(kLoopback);
      const std::string position = "M5" + std::to_string(k);
      for (int i = 0; i < 150; ++i) {
        std::string params = s.Query("WVPR? " + position);
        std::string model = s.Query("PROD MODEL?\n");
        if (params.rfind("WVPR POS," + position + ",", 0) != 0 || model != "KRV1000\n") ++crossed;
        ++answered;
      }
    });
  }
  for (auto& c : clients) c.join();
  EXPECT_EQ(answered, 600);
  EXPECT_EQ(crossed, 0);
}

// A reply left unread is dropped by the link's next message, so it never
// shifts the answers that follow; a completion poll leaves it alone.
TEST(Vxi11Server, AnUnreadReplyGoesWithTheNextMessage) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  VisaSession s(kLoopback);
  viPrintf(s.vi, "PROD MODEL?\n");  // never read
  EXPECT_EQ(s.Query("*IDN?\n"), "*IDN KALVO,KRV1000,KRG00000001,1.01.01.20\n");
  EXPECT_EQ(s.Query("PROD MODEL?\n"), "KRV1000\n");
  viPrintf(s.vi, "PROD MODEL?\n");
  EXPECT_EQ(s.Query("*OPC?"), "*OPC 1");
  char reply[256] = {};
  ASSERT_EQ(viScanf(s.vi, "%t", reply), VI_SUCCESS);
  EXPECT_STREQ(reply, "KRV1000\n");
}

// Clients that connect and leave, some after opening a link they never
// close: their threads are joined and their links die with them.
TEST(Vxi11Server, ClientsThatComeAndGoLeaveNothingBehind) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer loopback(gen);
  sim::Vxi11Server& server = loopback.server();
  constexpr int kClients = 100000;
  const auto budget = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  int done = 0;
  for (; done < kClients && std::chrono::steady_clock::now() < budget; ++done) {
    if (done % 100 == 0) {
      RawRpcTcp rpc(server.CorePort());
      ASSERT_GE(CreateLink(rpc), 0);
    } else {
      ConnectAndLeave(done % 2 ? server.CorePort() : server.PortmapperPort());
    }
  }
  EXPECT_GE(done, 5000);
  sim::Vxi11ServerStats stats = server.Settle(0, std::chrono::seconds(30));
  EXPECT_EQ(stats.connections, 0u);
  EXPECT_EQ(stats.threads, 0u);
  EXPECT_EQ(stats.links, 0u);
  VisaSession s(kLoopback);
  EXPECT_EQ(s.Query("PROD MODEL?\n"), "KRV1000\n");
}

// A piece larger than the link announced, and a message beyond the largest
// the instrument takes, are refused with errors; the link goes on working.
TEST(Vxi11Server, PiecesAndMessagesBeyondTheLimitsAreRefused) {
  auto gen = MakeGenerator("KRV1000");
  constexpr std::uint32_t kPiece = 16u << 20;
  LoopbackServer loopback(gen, kPiece);
  RawRpcTcp rpc(loopback.server().CorePort());
  std::int32_t lid = CreateLink(rpc);
  ASSERT_GE(lid, 0);
  EXPECT_EQ(DeviceWrite(rpc, lid, kPiece + 4, true), vxi11::kParameterError);
  EXPECT_EQ(DeviceWrite(rpc, lid, kPiece, false), vxi11::kNoError);
  EXPECT_EQ(DeviceWrite(rpc, lid, kPiece, false), vxi11::kNoError);
  EXPECT_EQ(DeviceWrite(rpc, lid, kPiece, true), vxi11::kOutOfResources);  // 48 MiB in all
  EXPECT_TRUE(gen->Log().empty());  // nothing of it reached the instrument
  EXPECT_EQ(DeviceWrite(rpc, lid, 8, true), vxi11::kNoError);
  EXPECT_EQ(gen->Log(), std::vector<std::string>{"xxxxxxxx"});
}

// The portmapper answers over UDP as over TCP; programs and versions it does
// not serve get their proper refusals.
TEST(Vxi11Server, PortmapperAndVersions) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer loopback(gen);
  sim::Vxi11Server& server = loopback.server();
  auto getPort = [](std::uint32_t version) {
    XdrOut call = CallMessage(9, vxi11::kPortmapProgram, version, vxi11::kPortmapGetPort);
    for (std::uint32_t w : {vxi11::kCoreProgram, vxi11::kCoreVersion, vxi11::kIpProtoTcp, 0u})
      call.U32(w);
    return call;
  };
  XdrOut udp = getPort(2);
  auto reply = UdpCall(server.PortmapperPort(), udp);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->xid, 9u);
  EXPECT_EQ(reply->acceptStat, 0u);
  EXPECT_EQ(reply->Words(), std::vector<std::uint32_t>{server.CorePort()});

  XdrOut rpcbind = getPort(4);
  reply = UdpCall(server.PortmapperPort(), rpcbind);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->acceptStat, 2u);  // PROG_MISMATCH, serving version 2 only
  EXPECT_EQ(reply->Words(), (std::vector<std::uint32_t>{2, 2}));

  XdrOut other = CallMessage(10, 100003, 3, 0);
  reply = UdpCall(server.PortmapperPort(), other);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->acceptStat, 1u);  // PROG_UNAVAIL

  RawRpcTcp tcp(server.PortmapperPort());
  XdrOut v3 = getPort(3);
  reply = tcp.Call(v3);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->acceptStat, 2u);
  EXPECT_EQ(reply->Words(), (std::vector<std::uint32_t>{2, 2}));

  RawRpcTcp core(server.CorePort());
  XdrOut v2 = CallMessage(11, vxi11::kCoreProgram, 2, vxi11::kCreateLink);
  reply = core.Call(v2);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->acceptStat, 2u);
  EXPECT_EQ(reply->Words(), (std::vector<std::uint32_t>{1, 1}));
}

// A read waits the client's time-out for a reply that is not there yet,
// instead of answering at once, and takes the reply when it comes.
TEST(Vxi11Server, AReadWaitsTheClientsTimeOut) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer loopback(gen);
  VisaSession s(kLoopback);
  ASSERT_EQ(viSetAttribute(s.vi, VI_ATTR_TMO_VALUE, 60000), VI_SUCCESS);
  sim::SimFaults late;
  late.delayPastTimeout = true;
  gen->SetFaults(late);
  viPrintf(s.vi, "PROD MODEL?\n");
  char reply[256] = {};
  ViStatus status = VI_ERROR_IO;
  std::thread reader([&] { status = viScanf(s.vi, "%t", reply); });
  while (loopback.server().Stats().waitingReads == 0) std::this_thread::yield();
  gen->SetFaults({});  // the reply arrives while the read waits
  reader.join();
  EXPECT_EQ(status, VI_SUCCESS);
  EXPECT_STREQ(reply, "KRV1000\n");

  ASSERT_EQ(viSetAttribute(s.vi, VI_ATTR_TMO_VALUE, 1), VI_SUCCESS);
  gen->SetFaults(late);
  viPrintf(s.vi, "PROD MODEL?\n");
  EXPECT_EQ(viScanf(s.vi, "%t", reply), VI_ERROR_TMO);
  EXPECT_EQ(loopback.server().Stats().waitingReads, 0u);
}

// A server that closes the connection is a lost connection for that call
// and every later one on the session, never a signal that ends the program.
TEST(Vxi11Server, APeerThatClosesIsAConnectionLost) {
  std::signal(SIGPIPE, SIG_DFL);  // as a program that never asked for anything else
  auto gen = MakeGenerator("KRV1000X");
  LoopbackServer server(gen, 64u << 20);
  VisaSession s(kLoopback);
  ASSERT_EQ(s.openStatus, VI_SUCCESS);
  sim::SimFaults drop;
  drop.dropConnection = true;
  gen->SetFaults(drop);
  std::vector<unsigned char> block(8u << 20, 0x5A);
  ViUInt32 written = 0;
  EXPECT_EQ(viWrite(s.vi, block.data(), static_cast<ViUInt32>(block.size()), &written),
            VI_ERROR_CONN_LOST);
  gen->SetFaults({});
  EXPECT_EQ(viWrite(s.vi, block.data(), static_cast<ViUInt32>(block.size()), &written),
            VI_ERROR_CONN_LOST);
  EXPECT_EQ(viPrintf(s.vi, "*IDN?\n"), VI_ERROR_CONN_LOST);
  char reply[256];
  EXPECT_EQ(viScanf(s.vi, "%t", reply), VI_ERROR_CONN_LOST);
  EXPECT_EQ(viClear(s.vi), VI_ERROR_CONN_LOST);
  EXPECT_EQ(viClose(s.vi), VI_SUCCESS);
}
