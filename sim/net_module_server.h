#pragma once
// A simulated WiFi module on the network: serves a simulated processor's protocol over TCP and
// the module's text requests over UDP, on one address and one port number for both.  It
// answers "Get_IP:" with its own address, reports the client it serves to "Get_LinkIP:" (the
// last TCP client; 0 once it has gone) and answers every datagram to its sender.

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "platform/tcp_socket.h"
#include "platform/udp_socket.h"
#include "sim/processor.h"

namespace velto::sim {

struct NetModuleOptions {
    uint32_t address = 0x7F000001;  // 127.0.0.1, host order
    uint16_t port = 1010;           // UDP and TCP; 0 picks a free one
    // Also hear "Get_IP:" sent to 255.255.255.255 (several modules may share the port).
    bool hearBroadcasts = false;
};

class NetModuleServer {
  public:
    NetModuleServer(Processor& device, NetModuleOptions options);
    ~NetModuleServer();
    NetModuleServer(const NetModuleServer&) = delete;
    NetModuleServer& operator=(const NetModuleServer&) = delete;

    // Binds the sockets and starts serving; false (see Error) when a socket cannot be bound.
    bool Start();
    void Stop();
    std::string Error() const { return error_; }
    uint16_t Port() const { return port_; }
    uint32_t Address() const { return options_.address; }

    // Ends the current TCP connection, as a module does when its WiFi drops.
    void DropClient() { dropRequested_.store(true); }
    int Accepted() const { return accepted_.load(); }
    bool ClientConnected() const { return clientConnected_.load(); }
    // How often a request text the module knows (without its terminating zero) arrived over
    // UDP.
    int Requests(std::string_view text) const;
    int BroadcastRequests() const { return broadcastRequests_.load(); }

  private:
    void Serve();
    void AcceptClient();
    void ServeClient();
    void CloseClient();
    void AnswerDatagram(UdpSocket& from, bool broadcast);
    std::optional<std::string> Answer(std::string_view request);

    Processor& device_;
    NetModuleOptions options_;
    std::string error_;
    uint16_t port_ = 0;
    TcpListener listener_;
    UdpSocket udp_;
    UdpSocket broadcastUdp_;
    TcpSocket client_;  // server thread only
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> dropRequested_{false};
    std::atomic<bool> clientConnected_{false};
    std::atomic<int> accepted_{0};
    std::atomic<int> broadcastRequests_{0};
    mutable std::mutex requestsMutex_;
    std::map<std::string, int, std::less<>> requests_;
};

}  // namespace velto::sim
