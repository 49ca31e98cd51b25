// plat::httpget with libcurl: a plain HTTP/1.0 GET with short timeouts, so that a dead or slow
// server holds the window for a few seconds at most. The body becomes a memory stream whatever the
// status, as the program reads the answer's first line and decides by itself.
#include "app/platform_sdl/http.h"

#include <curl/curl.h>

#include "app/platform.h"
#include "app/posix_files.h"

namespace {

constexpr std::size_t kmaxbody = 64 * 1024;  // the release file is one short line
bool started = false;

struct Body {
    std::string bytes;
    bool full = false;
};

std::size_t takebody(char* data, std::size_t size, std::size_t count, void* userdata) {
    auto* body = static_cast<Body*>(userdata);
    std::size_t n = size * count;
    std::size_t room = kmaxbody - body->bytes.size();
    if (n > room) {
        body->bytes.append(data, room);
        body->full = true;
        return 0;  // stops the transfer; what came so far is kept
    }
    body->bytes.append(data, n);
    return n;
}

}  // namespace

namespace sdlbackend {

void starthttp() {
    if (!started) started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

void stophttp() {
    if (started) curl_global_cleanup();
    started = false;
}

}  // namespace sdlbackend

namespace plat {

Stream httpget(const std::string& host, const std::string& path) {
    if (!started || host.empty()) return Stream{};
    CURL* curl = curl_easy_init();
    if (!curl) return Stream{};
    std::string url = "http://" + host + (path.empty() || path[0] != '/' ? "/" : "") + path;
    Body body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 3000L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, takebody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    CURLcode result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && body.full)) {
        errorline(std::string("nubo platform: GET ") + url + " failed: " + curl_easy_strerror(result));
        return Stream{};
    }
    return Stream{posixfiles::openmemory(body.bytes)};
}

}  // namespace plat
