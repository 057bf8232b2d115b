// Winsock behind the network seam. Winsock is started once, on first use, and left
// running for the life of the process.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <cstring>
#include <mutex>

#include "platform/headless/HostNetwork.h"
#include "platform/win32/Win32Network.h"

namespace {

thread_local int lastError = 0;

bool Failed() {
    lastError = WSAGetLastError();
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

// kSocketTimedOut, kSocketFailed or 1 when the socket is ready.
int32_t WaitFor(SOCKET s, bool forWriting, uint32_t timeoutMs) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    fd_set failures;
    FD_ZERO(&failures);
    FD_SET(s, &failures);
    timeval limit;
    limit.tv_sec = long(timeoutMs / 1000);
    limit.tv_usec = long(timeoutMs % 1000) * 1000;
    // A failed connect is reported in the exception set, not the write set.
    int n = forWriting ? select(0, nullptr, &set, &failures, &limit)
                       : select(0, &set, nullptr, nullptr, &limit);
    if (n == SOCKET_ERROR) {
        Failed();
        return kSocketFailed;
    }
    if (n == 0) {
        lastError = WSAETIMEDOUT;
        return kSocketTimedOut;
    }
    if (forWriting && FD_ISSET(s, &failures)) {
        int error = 0;
        int size = sizeof error;
        getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        lastError = error ? error : WSAECONNREFUSED;
        return kSocketFailed;
    }
    return 1;
}

class Win32Socket {
public:
    explicit Win32Socket(SOCKET s) : socket_(s) {}
    ~Win32Socket() { closesocket(socket_); }
    Win32Socket(const Win32Socket&) = delete;
    Win32Socket& operator=(const Win32Socket&) = delete;

    bool BindTo(uint32_t address, uint16_t port) {
        sockaddr_in a = SocketAddress(address, port);
        return bind(socket_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 || Failed();
    }

    uint16_t BoundPort() {
        sockaddr_in a;
        int size = sizeof a;
        if (getsockname(socket_, reinterpret_cast<sockaddr*>(&a), &size) != 0) return 0;
        return ntohs(a.sin_port);
    }

    void SetBlocking(bool blocking) {
        u_long nonBlocking = blocking ? 0 : 1;
        ioctlsocket(socket_, FIONBIO, &nonBlocking);
    }

protected:
    SOCKET socket_;
};

class Win32UdpSocket : public UdpSocket, Win32Socket {
public:
    explicit Win32UdpSocket(SOCKET s) : Win32Socket(s) {}

    bool Bind(uint32_t address, uint16_t port) override { return BindTo(address, port); }
    uint16_t LocalPort() override { return BoundPort(); }

    bool SendTo(uint32_t address, uint16_t port, const void* data, int32_t length) override {
        sockaddr_in a = SocketAddress(address, port);
        int sent = sendto(socket_, static_cast<const char*>(data), length, 0,
                          reinterpret_cast<sockaddr*>(&a), sizeof a);
        return sent == length || Failed();
    }

    int32_t ReceiveFrom(void* buffer, int32_t capacity, uint32_t timeoutMs, uint32_t* fromAddress,
                        uint16_t* fromPort) override {
        int32_t ready = WaitFor(socket_, false, timeoutMs);
        if (ready < 0) return ready;
        sockaddr_in a;
        int size = sizeof a;
        int got = recvfrom(socket_, static_cast<char*>(buffer), capacity, 0,
                           reinterpret_cast<sockaddr*>(&a), &size);
        if (got == SOCKET_ERROR) {
            int error = WSAGetLastError();
            // A port-unreachable notice for an earlier datagram, and a datagram longer
            // than the buffer, are reported here; neither is a broken socket.
            if (error == WSAEMSGSIZE) got = capacity;
            else if (error == WSAECONNRESET || error == WSAEWOULDBLOCK) return kSocketTimedOut;
            else {
                lastError = error;
                return kSocketFailed;
            }
        }
        if (fromAddress) *fromAddress = ntohl(a.sin_addr.s_addr);
        if (fromPort) *fromPort = ntohs(a.sin_port);
        return got;
    }
};

class Win32TcpSocket : public TcpSocket, Win32Socket {
public:
    explicit Win32TcpSocket(SOCKET s) : Win32Socket(s) {}

    bool Bind(uint32_t address, uint16_t port) override { return BindTo(address, port); }
    uint16_t LocalPort() override { return BoundPort(); }

    bool Connect(uint32_t address, uint16_t port, uint32_t timeoutMs) override {
        SetBlocking(false);
        sockaddr_in a = SocketAddress(address, port);
        bool connected = connect(socket_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        if (!connected && WSAGetLastError() == WSAEWOULDBLOCK) {
            connected = WaitFor(socket_, true, timeoutMs) > 0;
        } else if (!connected) {
            Failed();
        }
        SetBlocking(true);
        return connected;
    }

    bool Send(const void* data, int32_t length, uint32_t timeoutMs) override {
        const char* p = static_cast<const char*>(data);
        while (length > 0) {
            if (WaitFor(socket_, true, timeoutMs) < 0) return false;
            int sent = send(socket_, p, length, 0);
            if (sent == SOCKET_ERROR) return Failed();
            p += sent;
            length -= sent;
        }
        return true;
    }

    int32_t Receive(void* buffer, int32_t capacity, uint32_t timeoutMs) override {
        int32_t ready = WaitFor(socket_, false, timeoutMs);
        if (ready < 0) return ready;
        int got = recv(socket_, static_cast<char*>(buffer), capacity, 0);
        if (got == SOCKET_ERROR) {
            Failed();
            return kSocketFailed;
        }
        return got;
    }

    bool Listen(uint32_t address, uint16_t port) override {
        return BindTo(address, port) && (listen(socket_, 8) == 0 || Failed());
    }

    std::unique_ptr<TcpSocket> Accept(uint32_t timeoutMs) override {
        if (WaitFor(socket_, false, timeoutMs) < 0) return nullptr;
        SOCKET client = accept(socket_, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            Failed();
            return nullptr;
        }
        return std::make_unique<Win32TcpSocket>(client);
    }
};

class Win32Network : public Network {
public:
    std::unique_ptr<UdpSocket> OpenUdp() override {
        if (!Started()) return nullptr;
        SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        if (s == INVALID_SOCKET) {
            Failed();
            return nullptr;
        }
        return std::make_unique<Win32UdpSocket>(s);
    }

    std::unique_ptr<TcpSocket> OpenTcp() override {
        if (!Started()) return nullptr;
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (s == INVALID_SOCKET) {
            Failed();
            return nullptr;
        }
        return std::make_unique<Win32TcpSocket>(s);
    }

    String LastError() override {
        if (lastError == 0) return String();
        char text[512];
        DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, DWORD(lastError), 0, text, sizeof text, nullptr);
        while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                              text[length - 1] == ' ')) {
            length--;
        }
        if (length == 0) return String::Formatted("Winsock error %d", lastError);
        return String(text, int32_t(length));
    }

    bool ResolveHostName(const String& name, uint32_t* address) override {
        if (!Started()) return false;
        addrinfo hints;
        std::memset(&hints, 0, sizeof hints);
        hints.ai_family = AF_INET;
        addrinfo* found = nullptr;
        if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || !found) return Failed();
        *address = ntohl(reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
        freeaddrinfo(found);
        return true;
    }

    // Windows keeps its name servers in the registry, which the resolver reads itself.
    void ConfiguredNameServers(std::vector<uint32_t>&) override {}

private:
    bool Started() {
        std::call_once(once_, [this] {
            WSADATA data;
            startError_ = WSAStartup(MAKEWORD(2, 2), &data);
        });
        if (startError_ != 0) lastError = startError_;
        return startError_ == 0;
    }

    std::once_flag once_;
    int startError_ = 0;
};

}  // namespace

Network& TheWin32Network() {
    static Win32Network network;
    return network;
}

void InstallHostNetwork() {
    InstallNetwork(&TheWin32Network());
}
