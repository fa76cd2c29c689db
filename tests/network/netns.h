#pragma once
// Two network namespaces joined by a veth pair, made for one test and removed with it: the
// link's side and the module's side.  Broadcast and sweep then cross a real interface without
// leaving the test's own network.  Needs root; Create says why not otherwise.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace velto::test {

class TestNetwork {
  public:
    static constexpr uint32_t kLinkAddress = 0x0AD50001;    // 10.213.0.1/24
    static constexpr uint32_t kModuleAddress = 0x0AD50002;  // 10.213.0.2/24

    // The namespaces, up and addressed; nullptr with the reason in whyNot when they cannot be
    // made.  Namespaces left behind by earlier runs that died are removed first.
    static std::unique_ptr<TestNetwork> Create(std::string& whyNot);
    ~TestNetwork();
    TestNetwork(const TestNetwork&) = delete;
    TestNetwork& operator=(const TestNetwork&) = delete;

    bool AddLinkAddress(uint32_t address);
    bool AddModuleAddress(uint32_t address);
    const std::string& LinkInterface() const { return linkInterface_; }

    // Runs fn on a thread inside that namespace; threads fn starts stay there, and so do the
    // sockets they make.  Returns false, without running fn, when the namespace cannot be
    // entered.
    bool InLinkNamespace(const std::function<void()>& fn) const { return Within(linkNs_, fn); }
    bool InModuleNamespace(const std::function<void()>& fn) const { return Within(moduleNs_, fn); }

  private:
    TestNetwork() = default;
    bool Build();
    static bool Within(const std::string& ns, const std::function<void()>& fn);

    std::string linkNs_, moduleNs_, linkInterface_, moduleInterface_;
    bool linkNsMade_ = false, moduleNsMade_ = false;
};

}  // namespace velto::test
