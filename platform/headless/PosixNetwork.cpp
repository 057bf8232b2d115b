// The test host's sockets: real POSIX sockets, so the network clients are tested
// against real peers on loopback.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/String.h"
#include "platform/Network.h"
#include "platform/headless/HostNetwork.h"

namespace {

thread_local int lastErrno = 0;
thread_local const char* lastResolverError = nullptr;

bool Failed() {
    lastErrno = errno;
    lastResolverError = nullptr;
    return false;
}

sockaddr_in SocketAddress(uint32_t address, uint16_t port) {
    sockaddr_in a;
    std::memset(&a, 0, sizeof a);
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(address);
    a.sin_port = htons(port);
    return a;
}

// Waits for the socket to be ready for the given events; false on timeout (errno
// ETIMEDOUT) or failure.
bool WaitFor(int fd, short events, uint32_t timeoutMs) {
    pollfd p{fd, events, 0};
    for (;;) {
        int n = poll(&p, 1, int(timeoutMs > 0x7FFFFFFF ? 0x7FFFFFFF : timeoutMs));
        if (n > 0) return true;
        if (n == 0) {
            errno = ETIMEDOUT;
            return Failed();
        }
        if (errno != EINTR) return Failed();
    }
}

class PosixSocket {
public:
    explicit PosixSocket(int fd) : fd_(fd) {}
    ~PosixSocket() {
        if (fd_ >= 0) close(fd_);
    }
    PosixSocket(const PosixSocket&) = delete;
    PosixSocket& operator=(const PosixSocket&) = delete;

    bool BindTo(uint32_t address, uint16_t port) {
        sockaddr_in a = SocketAddress(address, port);
        return bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 || Failed();
    }

    uint16_t BoundPort() {
        sockaddr_in a;
        socklen_t size = sizeof a;
        if (getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &size) != 0) return 0;
        return ntohs(a.sin_port);
    }

protected:
    int fd_;
};

class PosixUdpSocket : public UdpSocket, PosixSocket {
public:
    explicit PosixUdpSocket(int fd) : PosixSocket(fd) {}

    bool Bind(uint32_t address, uint16_t port) override { return BindTo(address, port); }
    uint16_t LocalPort() override { return BoundPort(); }

    bool SendTo(uint32_t address, uint16_t port, const void* data, int32_t length) override {
        sockaddr_in a = SocketAddress(address, port);
        ssize_t sent = sendto(fd_, data, size_t(length), 0, reinterpret_cast<sockaddr*>(&a), sizeof a);
        return sent == length || Failed();
    }

    int32_t ReceiveFrom(void* buffer, int32_t capacity, uint32_t timeoutMs, uint32_t* fromAddress,
                        uint16_t* fromPort) override {
        if (!WaitFor(fd_, POLLIN, timeoutMs)) return errno == ETIMEDOUT ? kSocketTimedOut : kSocketFailed;
        sockaddr_in a;
        socklen_t size = sizeof a;
        ssize_t got = recvfrom(fd_, buffer, size_t(capacity), MSG_DONTWAIT,
                               reinterpret_cast<sockaddr*>(&a), &size);
        if (got < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) return kSocketTimedOut;
            Failed();
            return kSocketFailed;
        }
        if (fromAddress) *fromAddress = ntohl(a.sin_addr.s_addr);
        if (fromPort) *fromPort = ntohs(a.sin_port);
        return int32_t(got);
    }
};

class PosixTcpSocket : public TcpSocket, PosixSocket {
public:
    explicit PosixTcpSocket(int fd) : PosixSocket(fd) {}

    bool Bind(uint32_t address, uint16_t port) override { return BindTo(address, port); }
    uint16_t LocalPort() override { return BoundPort(); }

    bool Connect(uint32_t address, uint16_t port, uint32_t timeoutMs) override {
        int flags = fcntl(fd_, F_GETFL, 0);
        fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
        sockaddr_in a = SocketAddress(address, port);
        int result = connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        bool connected = result == 0;
        if (!connected && errno == EINPROGRESS && WaitFor(fd_, POLLOUT, timeoutMs)) {
            int error = 0;
            socklen_t size = sizeof error;
            getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size);
            connected = error == 0;
            if (!connected) errno = error;
        }
        if (!connected) Failed();
        fcntl(fd_, F_SETFL, flags);
        return connected;
    }

    bool Send(const void* data, int32_t length, uint32_t timeoutMs) override {
        const char* p = static_cast<const char*>(data);
        while (length > 0) {
            if (!WaitFor(fd_, POLLOUT, timeoutMs)) return false;
            ssize_t sent = send(fd_, p, size_t(length), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0) {
                if (errno == EAGAIN || errno == EINTR) continue;
                return Failed();
            }
            p += sent;
            length -= int32_t(sent);
        }
        return true;
    }

    int32_t Receive(void* buffer, int32_t capacity, uint32_t timeoutMs) override {
        if (!WaitFor(fd_, POLLIN, timeoutMs)) return errno == ETIMEDOUT ? kSocketTimedOut : kSocketFailed;
        ssize_t got = recv(fd_, buffer, size_t(capacity), MSG_DONTWAIT);
        if (got < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) return kSocketTimedOut;
            Failed();
            return kSocketFailed;
        }
        return int32_t(got);
    }

    bool Listen(uint32_t address, uint16_t port) override {
        int on = 1;
        setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        return BindTo(address, port) && (listen(fd_, 8) == 0 || Failed());
    }

    std::unique_ptr<TcpSocket> Accept(uint32_t timeoutMs) override {
        if (!WaitFor(fd_, POLLIN, timeoutMs)) return nullptr;
        int client = accept(fd_, nullptr, nullptr);
        if (client < 0) {
            Failed();
            return nullptr;
        }
        return std::make_unique<PosixTcpSocket>(client);
    }
};

class PosixNetwork : public Network {
public:
    std::unique_ptr<UdpSocket> OpenUdp() override {
        int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            Failed();
            return nullptr;
        }
        return std::make_unique<PosixUdpSocket>(fd);
    }

    std::unique_ptr<TcpSocket> OpenTcp() override {
        int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            Failed();
            return nullptr;
        }
        return std::make_unique<PosixTcpSocket>(fd);
    }

    String LastError() override {
        if (lastResolverError) return String(lastResolverError);
        if (lastErrno == 0) return String();
        return String(std::strerror(lastErrno));
    }

    bool ResolveHostName(const String& name, uint32_t* address) override {
        addrinfo hints;
        std::memset(&hints, 0, sizeof hints);
        hints.ai_family = AF_INET;
        addrinfo* found = nullptr;
        int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
        if (result != 0 || !found) {
            lastErrno = 0;
            lastResolverError = gai_strerror(result);
            return false;
        }
        *address = ntohl(reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
        freeaddrinfo(found);
        return true;
    }

    void ConfiguredNameServers(std::vector<uint32_t>& servers) override {
        FILE* f = std::fopen("/etc/resolv.conf", "r");
        if (!f) return;
        char line[512];
        while (std::fgets(line, sizeof line, f)) {
            char word[32], text[64];
            if (std::sscanf(line, " %31s %63s", word, text) != 2) continue;
            in_addr a;
            if (std::strcmp(word, "nameserver") == 0 && inet_pton(AF_INET, text, &a) == 1) {
                servers.push_back(ntohl(a.s_addr));
            }
        }
        std::fclose(f);
    }
};

}  // namespace

void InstallHostNetwork() {
    static PosixNetwork network;
    InstallNetwork(&network);
}
