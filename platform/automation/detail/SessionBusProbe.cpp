#include "platform/automation/detail/SessionBusProbe.h"

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::optional<std::string> Unescaped(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        const auto digit = [](char c) -> int {
            if (c >= '0' && c <= '9')
                return c - '0';
            if (c >= 'a' && c <= 'f')
                return c - 'a' + 10;
            if (c >= 'A' && c <= 'F')
                return c - 'A' + 10;
            return -1;
        };
        if (i + 2 >= value.size())
            return std::nullopt;
        const int high = digit(value[i + 1]);
        const int low = digit(value[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// Closes the socket whatever way the probe ends.
class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

int MillisecondsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for `events` on `fd` until the deadline; true when they came.
bool WaitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, MillisecondsLeft(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

enum class Connected { Yes, No, Stuck };

// Connects as the bus library does, but never waits past the deadline: a
// stopped daemon's full listening queue would hold a blocking connect.
Connected ConnectTo(const Socket& socket, const BusSocketEntry& entry, Clock::time_point deadline)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A path keeps room for its terminating zero, an abstract name for its
    // leading one; a path with a zero inside is none the library can use.
    if (entry.path.empty() || entry.path.size() > sizeof(address.sun_path) - 1 ||
        (!entry.abstract && entry.path.find('\0') != std::string::npos))
        return Connected::No;
    const std::size_t offset = entry.abstract ? 1 : 0;
    std::memcpy(address.sun_path + offset, entry.path.data(), entry.path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + entry.path.size() +
                                               (entry.abstract ? 0 : 1));
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return Connected::Yes;
    if (errno != EAGAIN && errno != EINPROGRESS)
        return Connected::No;
    if (!WaitFor(socket.fd(), POLLOUT, deadline))
        return Connected::Stuck;
    int error = 0;
    socklen_t size = sizeof(error);
    if (::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
        return Connected::No;
    return Connected::Yes;
}

// The opening of the authentication the bus library sends: a zero byte,
// then AUTH EXTERNAL with our user id in hex-encoded decimal.
std::string AuthRequest()
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string request("\0AUTH EXTERNAL ", 15);
    for (char c : std::to_string(::getuid())) {
        request += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
        request += kHex[static_cast<unsigned char>(c) & 0xF];
    }
    request += "\r\n";
    return request;
}

}  // namespace

std::vector<BusSocketEntry> BusSocketEntriesOf(std::string_view address)
{
    std::vector<BusSocketEntry> entries;
    while (!address.empty()) {
        const std::size_t end = address.find(';');
        std::string_view entry = address.substr(0, end);
        address = end == std::string_view::npos ? std::string_view() : address.substr(end + 1);
        const std::size_t colon = entry.find(':');
        if (entry.empty() || colon == std::string_view::npos || colon == 0)
            continue;
        BusSocketEntry parsed;
        if (entry.substr(0, colon) != "unix") {
            entries.push_back(parsed);
            continue;
        }
        bool usable = true;
        std::string_view keys = entry.substr(colon + 1);
        while (!keys.empty() && usable) {
            const std::size_t comma = keys.find(',');
            const std::string_view pair = keys.substr(0, comma);
            keys = comma == std::string_view::npos ? std::string_view() : keys.substr(comma + 1);
            const std::size_t equals = pair.find('=');
            if (equals == std::string_view::npos) {
                usable = false;
                break;
            }
            const std::string_view key = pair.substr(0, equals);
            if (key != "path" && key != "abstract")
                continue;
            const std::optional<std::string> value = Unescaped(pair.substr(equals + 1));
            if (!value) {
                usable = false;
                break;
            }
            parsed.probeable = true;
            parsed.abstract = key == "abstract";
            parsed.path = *value;
        }
        if (!usable)
            continue;
        if (parsed.probeable) {
            entries.push_back(parsed);
        } else {
            // unix:tmpdir, unix:runtime and the like: not ours to speak for.
            entries.push_back(BusSocketEntry{});
        }
    }
    return entries;
}

BusProbeResult ProbeBusAddress(std::string_view address, std::chrono::milliseconds bound)
{
    const Clock::time_point deadline = Clock::now() + bound;
    for (const BusSocketEntry& entry : BusSocketEntriesOf(address)) {
        if (!entry.probeable)
            return BusProbeResult::CannotTell;
        const Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (socket.fd() < 0)
            return BusProbeResult::CannotTell;
        switch (ConnectTo(socket, entry, deadline)) {
        case Connected::No: continue;  // the library goes on to the next entry too
        case Connected::Stuck: return BusProbeResult::Silent;
        case Connected::Yes: break;
        }
        const std::string request = AuthRequest();
        if (::send(socket.fd(), request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
            return BusProbeResult::Answers;  // closed on us: the library fails at once as well
        if (!WaitFor(socket.fd(), POLLIN, deadline))
            return BusProbeResult::Silent;
        return BusProbeResult::Answers;  // a reply, a refusal or a close: no hang either way
    }
    return BusProbeResult::Unreachable;
}

std::string SessionBusAddress()
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address != nullptr && *address != '\0')
        return address;
    // Without the variable the library looks for the per-user bus socket.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0')
    {
        // As an address value: everything but the plainest bytes %-escaped.
        std::string address = "unix:path=";
        for (const char c : std::string(runtime) + "/bus") {
            if (std::isalnum(static_cast<unsigned char>(c)) || std::strchr("-_/.\\*", c) != nullptr) {
                address += c;
            } else {
                static constexpr char kHex[] = "0123456789abcdef";
                address += '%';
                address += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
                address += kHex[static_cast<unsigned char>(c) & 0xF];
            }
        }
        return address;
    }
    return {};
}
