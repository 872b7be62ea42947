// The club file names, and how fast a machine that does not answer gives up.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "clubsave.h"

namespace quillex {
namespace {

TEST(ClubFileName, LowercasesOnlyLatinCapitals) {
    struct Case {
        int machine;
        const char* nick;
        const char* name;
    };
    const Case cases[] = {
        {1, "VOvIrU", "smb://127.0.0.1/C/Games/Half-Life/cstrike/voviru.cfg"},
        {30, "[CLAN] Nick-42", "smb://127.0.0.30/C/Games/Half-Life/cstrike/[clan] nick-42.cfg"},
        {7, "ИгрОК_Z", "smb://127.0.0.7/C/Games/Half-Life/cstrike/ИгрОК_z.cfg"},
        {12, "", "smb://127.0.0.12/C/Games/Half-Life/cstrike/.cfg"},
        {3, "50%41?", "smb://127.0.0.3/C/Games/Half-Life/cstrike/50%41?.cfg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClubFileName(c.machine, c.nick), c.name) << c.nick;
    }
}

// A TCP listener on 127.0.0.1 that never accepts. With room in its queue the connection is made
// and nothing ever answers; with the queue filled, further connection requests are dropped, as
// with a machine that is switched off.
class DeafListener {
  public:
    explicit DeafListener(bool drop_connections) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(fd_, drop_connections ? 0 : 8) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
        if (drop_connections) FillQueue(address);
    }
    ~DeafListener() {
        for (const int fd : fillers_) close(fd);
        close(fd_);
    }
    std::uint16_t Port() const { return port_; }

  private:
    void FillQueue(const sockaddr_in& address) {
        for (int i = 0; i < 3; ++i) {
            const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
            fillers_.push_back(fd);
        }
        pollfd first{fillers_.front(), POLLOUT, 0};
        poll(&first, 1, 1000);
    }

    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::vector<int> fillers_;
};

TEST(SaveToClub, MachineThatDoesNotAnswerFailsWithinTheTimeout) {
    using namespace std::chrono;
    struct Case {
        const char* what;
        bool drop_connections;
    };
    const Case cases[] = {{"connected, never answers", false}, {"requests dropped", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeafListener listener(c.drop_connections);
        ASSERT_NE(listener.Port(), 0);
        std::vector<int> tried;
        const auto start = steady_clock::now();
        const ClubSaveResult result =
            SaveToClub("bind w +forward\r\n", "VOvIrU",
                       [&](int machine) { tried.push_back(machine); }, {.port = listener.Port()});
        const auto elapsed = steady_clock::now() - start;
        EXPECT_EQ(result.failed_machine, 1);
        EXPECT_EQ(result.error,
                  "Cannot create file smb://127.0.0.1/C/Games/Half-Life/cstrike/voviru.cfg");
        EXPECT_EQ(tried, std::vector<int>{1});
        EXPECT_LT(elapsed, kClubTimeout + seconds(2))
            << duration_cast<milliseconds>(elapsed).count() << " ms";
    }
}

TEST(SaveToClub, RefusedConnectionFailsAtOnce) {
    using namespace std::chrono;
    std::uint16_t port;
    {
        DeafListener closed_again(false);  // a port that was free a moment ago
        port = closed_again.Port();
    }
    const auto start = steady_clock::now();
    const ClubSaveResult result = SaveToClub("x\r\n", "a", {}, {.port = port});
    EXPECT_EQ(result.failed_machine, 1);
    EXPECT_LT(steady_clock::now() - start, seconds(1));
}

}  // namespace
}  // namespace quillex
