#include "tests/network/netns.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "link/net_address.h"

namespace velto::test {
namespace {

constexpr const char* kPrefix = "velto-net-";
constexpr const char* kNetnsDir = "/var/run/netns/";

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Namespaces named after a process that no longer exists were left by a run that crashed.
void RemoveStaleNamespaces() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kNetnsDir, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) != 0) continue;
        const int pid = std::atoi(name.c_str() + std::strlen(kPrefix));
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) Run("ip netns del " + name);
    }
}

bool SameFile(const char* a, const char* b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a, &sa) == 0 && ::stat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace

std::unique_ptr<TestNetwork> TestNetwork::Create(std::string& whyNot) {
    if (::geteuid() != 0) {
        whyNot = "network namespaces need root";
        return nullptr;
    }
    RemoveStaleNamespaces();
    std::unique_ptr<TestNetwork> network(new TestNetwork());
    if (!network->Build()) {
        whyNot = "cannot create network namespaces and a veth pair with ip(8)";
        return nullptr;
    }
    return network;
}

bool TestNetwork::Build() {
    static std::atomic<int> sequence{0};
    const std::string id = std::to_string(::getpid()) + "-" + std::to_string(sequence++);
    linkNs_ = kPrefix + id + "-link";
    moduleNs_ = kPrefix + id + "-module";
    const std::string shortId = std::to_string(::getpid()) + std::to_string(sequence.load());
    linkInterface_ = "vl" + shortId;
    moduleInterface_ = "vm" + shortId;
    linkNsMade_ = Run("ip netns add " + linkNs_);
    moduleNsMade_ = Run("ip netns add " + moduleNs_);
    return linkNsMade_ && moduleNsMade_ &&
           Run("ip link add " + linkInterface_ + " netns " + linkNs_ + " type veth peer name " +
               moduleInterface_ + " netns " + moduleNs_) &&
           Run("ip -n " + linkNs_ + " link set lo up") &&
           Run("ip -n " + moduleNs_ + " link set lo up") && AddLinkAddress(kLinkAddress) &&
           AddModuleAddress(kModuleAddress) &&
           Run("ip -n " + linkNs_ + " link set " + linkInterface_ + " up") &&
           Run("ip -n " + moduleNs_ + " link set " + moduleInterface_ + " up");
}

TestNetwork::~TestNetwork() {
    // Removing a namespace removes its end of the veth pair, and with it the pair.
    if (linkNsMade_) Run("ip netns del " + linkNs_);
    if (moduleNsMade_) Run("ip netns del " + moduleNs_);
}

bool TestNetwork::AddLinkAddress(uint32_t address) {
    return Run("ip -n " + linkNs_ + " addr add " + FormatIpv4(address) + "/24 dev " +
               linkInterface_);
}

bool TestNetwork::AddModuleAddress(uint32_t address) {
    return Run("ip -n " + moduleNs_ + " addr add " + FormatIpv4(address) + "/24 dev " +
               moduleInterface_);
}

bool TestNetwork::Within(const std::string& ns, const std::function<void()>& fn) {
    bool entered = false;
    std::thread worker([&] {
        const std::string path = kNetnsDir + ns;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        const bool joined = ::setns(fd, CLONE_NEWNET) == 0;
        ::close(fd);
        // Nothing runs unless this thread is verifiably inside the test's namespace.
        if (!joined || !SameFile("/proc/thread-self/ns/net", path.c_str())) return;
        entered = true;
        fn();
    });
    worker.join();
    return entered;
}

}  // namespace velto::test
