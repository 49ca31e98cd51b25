// plat::httpget against a one-shot HTTP server on the loopback interface: libcurl is loaded on
// the first request, the request is a plain HTTP/1.0 GET, and the body comes back as lines.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "app/platform.h"

namespace {

// Listens on 127.0.0.1 at a free port; serve() answers one request with `answer` and keeps
// what was asked.
struct OneShotServer {
    int listener = -1;
    int port = 0;
    std::string request;

    OneShotServer() {
        listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(listener, 1) == 0 &&
            getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            port = ntohs(a.sin_port);
    }
    ~OneShotServer() {
        if (listener >= 0) close(listener);
    }

    // Answers after `delay`; a client that gives up meanwhile is not an error here.
    void serve(const std::string& answer, std::chrono::milliseconds delay = std::chrono::milliseconds(0)) {
        int c = accept(listener, nullptr, nullptr);
        if (c < 0) return;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            ssize_t n = read(c, buffer, sizeof buffer);
            if (n <= 0) break;
            request.append(buffer, static_cast<std::size_t>(n));
        }
        std::this_thread::sleep_for(delay);
        std::size_t sent = 0;
        while (sent < answer.size()) {
            ssize_t n = write(c, answer.data() + sent, answer.size() - sent);
            if (n <= 0) break;
            sent += static_cast<std::size_t>(n);
        }
        close(c);
    }
};

TEST(HttpGet, BodyOfALocalServerAsLines) {
    OneShotServer server;
    ASSERT_GT(server.port, 0);
    std::thread serving([&] { server.serve("HTTP/1.0 200 OK\r\nContent-Length: 17\r\n\r\nbuild:400\r\nnews\r\n"); });
    plat::Stream s = plat::httpget("127.0.0.1:" + std::to_string(server.port), "/nuborelease.txt");
    serving.join();
    ASSERT_TRUE(plat::isopen(s));
    EXPECT_EQ(plat::readline(s), "build:400");
    EXPECT_EQ(plat::readline(s), "news");
    EXPECT_TRUE(plat::endofstream(s));
    plat::closestream(s);
    EXPECT_EQ(server.request.rfind("GET /nuborelease.txt HTTP/1.0\r\n", 0), 0u) << server.request;
}

std::string get(OneShotServer& server) {
    plat::Stream s = plat::httpget("127.0.0.1:" + std::to_string(server.port), "/nuborelease.txt");
    if (!plat::isopen(s)) return "(no stream)";
    std::string first = plat::readline(s);
    plat::closestream(s);
    return first;
}

TEST(HttpGet, SlowSilentHugeAndBinaryAnswers) {
    std::signal(SIGPIPE, SIG_IGN);  // the server writes on after the reader has hung up
    using std::chrono::milliseconds;
    struct Case {
        const char* name;
        std::string answer;
        milliseconds delay;
        std::string first;
    };
    const std::string huge = "HTTP/1.0 200 OK\r\n\r\n309" + std::string(20 * 1024 * 1024, 'x');
    const Case cases[] = {
        {"a second late", "HTTP/1.0 200 OK\r\n\r\n309\n", milliseconds(1000), "309"},
        {"past the read timeout", "HTTP/1.0 200 OK\r\n\r\n309\n", milliseconds(6000), "(no stream)"},
        {"20 MB without a line break, cut at the size bound", huge, milliseconds(0), "309" + std::string(65533, 'x')},
        {"binary", std::string("HTTP/1.0 200 OK\r\n\r\n3\0" "09\xff\n", 25), milliseconds(0), "3"},
        {"an error page", "HTTP/1.0 404 Not Found\r\n\r\n<html>\n", milliseconds(0), "<html>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneShotServer server;
        ASSERT_GT(server.port, 0);
        std::thread serving([&] { server.serve(c.answer, c.delay); });
        EXPECT_EQ(get(server), c.first);
        serving.join();
    }
}

TEST(HttpGet, NoStreamFromAServerThatNeverAnswers) {
    OneShotServer server;  // listens, but nobody accepts or answers
    ASSERT_GT(server.port, 0);
    EXPECT_EQ(get(server), "(no stream)");
}

TEST(HttpGet, NoStreamWhenNobodyListens) {
    int port = 0;
    {
        OneShotServer closed;  // a port that was free a moment ago and is closed again
        port = closed.port;
    }
    ASSERT_GT(port, 0);
    EXPECT_FALSE(plat::isopen(plat::httpget("127.0.0.1:" + std::to_string(port), "/nuborelease.txt")));
}

}  // namespace
