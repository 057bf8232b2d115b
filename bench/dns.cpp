// DNS lookups: from the cache in 8 threads, and uncached against a local dnsmasq the
// benchmark starts itself, beside dig and getent ahosts doing the same lookups (one
// process each, timed from here). Run as root, the benchmark moves into private mount
// and network namespaces first, so that dnsmasq can serve on port 53 of a loopback of
// its own and getent can be pointed at it through a private /etc/resolv.conf; without
// them getent is left out.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "net/DNSCache.h"
#include "net/DNSResolver.h"
#include "platform/Network.h"
#include "platform/headless/HeadlessPlatform.h"

extern char** environ;

namespace {

constexpr int kNames = 64;
std::string g_folder;
uint16_t g_port = 0;
bool g_private = false;
pid_t g_dnsmasq = 0;

std::string HostName(int i) { return "n" + std::to_string(i) + ".example.test"; }

DNS_Config Config() {
    DNS_Config config;
    config.servers.push_back(IP_Address::FromNumber(kLoopbackAddress));
    config.port = g_port;
    config.timeoutMs = 5000;
    return config;
}

// Runs a program with its output discarded; its exit status.
int Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Private mount and network namespaces with the loopback up and /etc/resolv.conf
// naming 127.0.0.1; false (and nothing changed) when not permitted.
bool EnterPrivateNamespaces() {
    if (unshare(CLONE_NEWNS | CLONE_NEWNET) != 0) return false;
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    ifreq request{};
    std::strcpy(request.ifr_name, "lo");
    bool up = s >= 0 && ioctl(s, SIOCGIFFLAGS, &request) == 0 &&
              (request.ifr_flags |= IFF_UP, ioctl(s, SIOCSIFFLAGS, &request) == 0);
    if (s >= 0) close(s);
    if (!up) return false;
    std::string conf = g_folder + "/resolv.conf";
    std::ofstream(conf) << "nameserver 127.0.0.1\noptions timeout:2 attempts:1\n";
    return mount(conf.c_str(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) == 0;
}

uint16_t FreePort() {
    std::unique_ptr<UdpSocket> udp = TheNetwork().OpenUdp();
    std::unique_ptr<TcpSocket> tcp = TheNetwork().OpenTcp();
    if (!udp || !tcp || !udp->Bind(kLoopbackAddress, 0)) return 0;
    uint16_t port = udp->LocalPort();
    return tcp->Listen(kLoopbackAddress, port) ? port : 0;
}

bool StartDnsmasq() {
    for (int attempt = 0; attempt < 5; attempt++) {
        g_port = g_private ? 53 : FreePort();
        if (!g_port) continue;
        std::vector<std::string> args = {"/usr/sbin/dnsmasq", "--no-resolv", "--no-hosts", "--bind-interfaces",
                                         "--listen-address=127.0.0.1", "--port=" + std::to_string(g_port),
                                         "--pid-file=" + g_folder + "/dns.pid", "--local=/example.test/"};
        for (int i = 0; i < kNames; i++) {
            args.push_back("--host-record=" + HostName(i) + ",127.0.1." + std::to_string(i + 1));
        }
        if (Run(args) == 0) {
            std::ifstream(g_folder + "/dns.pid") >> g_dnsmasq;
            return g_dnsmasq > 0;
        }
    }
    return false;
}

void StopDnsmasq() {
    if (g_dnsmasq > 0) kill(g_dnsmasq, SIGTERM);
    g_dnsmasq = 0;
    if (!g_folder.empty()) Run({"rm", "-rf", g_folder});
}

void BM_CachedResolve(benchmark::State& state) {
    DNS_Config config = Config();
    std::vector<String> names;
    for (int i = 0; i < kNames; i++) names.push_back(HostName(i).c_str());
    int next = int(state.thread_index());
    for (auto _ : state) {
        IP_Address address;
        DNS_Resolver resolver(config);
        int32_t code = resolver.Resolve(names[size_t(next++ % kNames)], address);
        benchmark::DoNotOptimize(code);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CachedResolve)->Threads(8)->UseRealTime();

void BM_UncachedQuery(benchmark::State& state) {
    DNS_Config config = Config();
    int next = 0, failed = 0;
    for (auto _ : state) {
        std::vector<DNS_Response> records;
        if (DNS_Resolver(config).Query(kDnsTypeA, HostName(next++ % kNames).c_str(), records) != kDnsSuccess) {
            failed++;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["failed"] = failed;
}
BENCHMARK(BM_UncachedQuery)->UseRealTime();

// One process per lookup, as a shell script would ask.
void BM_DigProcess(benchmark::State& state) {
    int next = 0, failed = 0;
    for (auto _ : state) {
        if (Run({"dig", "@127.0.0.1", "-p", std::to_string(g_port), "+short", "+time=2", "+tries=1",
                 HostName(next++ % kNames), "A"}) != 0) {
            failed++;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["failed"] = failed;
}
BENCHMARK(BM_DigProcess)->UseRealTime();

void BM_GetentAhostsProcess(benchmark::State& state) {
    if (!g_private) {
        state.SkipWithError("getent needs the private namespaces (run as root)");
        return;
    }
    int next = 0, failed = 0;
    for (auto _ : state) {
        if (Run({"getent", "ahosts", HostName(next++ % kNames)}) != 0) failed++;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["failed"] = failed;
}
BENCHMARK(BM_GetentAhostsProcess)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    InstallHeadlessPlatform();
    char folder[] = "/tmp/nivora-bench-dns-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    g_folder = folder;
    g_private = EnterPrivateNamespaces();
    if (!StartDnsmasq()) {
        std::fprintf(stderr, "dnsmasq did not start (scripts/deps installs it)\n");
        StopDnsmasq();
        return 1;
    }
    // The cached benchmark finds every name from the first lookup on.
    for (int i = 0; i < kNames; i++) {
        IP_Address address;
        DNS_Resolver(Config()).Resolve(HostName(i).c_str(), address);
    }
    benchmark::AddCustomContext("dnsmasq", "127.0.0.1 port " + std::to_string(g_port) +
                                               (g_private ? " (private namespaces)" : ""));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopDnsmasq();
    return 0;
}
