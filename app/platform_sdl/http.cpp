// plat::httpget with libcurl: a plain HTTP/1.0 GET with short timeouts, so that a dead or slow
// server holds the window for a few seconds at most. The body becomes a memory stream whatever the
// status, as the program reads the answer's first line and decides by itself.
#include "app/platform_sdl/http.h"

#include "app/platform.h"
#include "app/platform_sdl/curl_library.h"
#include "app/posix_files.h"

namespace {

constexpr std::size_t kmaxbody = 64 * 1024;  // the release file is one short line

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

void stophttp() { stopcurl(); }

}  // namespace sdlbackend

namespace plat {

Stream httpget(const std::string& host, const std::string& path) {
    if (host.empty()) return Stream{};
    std::string error;
    const sdlbackend::CurlLibrary* lib = sdlbackend::curllibrary(error);
    if (!lib) {
        errorline("nubo platform: GET from " + host + " impossible: " + error);
        return Stream{};
    }
    CURL* curl = lib->easyinit();
    if (!curl) return Stream{};
    std::string url = "http://" + host + (path.empty() || path[0] != '/' ? "/" : "") + path;
    Body body;
    lib->easysetopt(curl, CURLOPT_URL, url.c_str());
    lib->easysetopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    lib->easysetopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    lib->easysetopt(curl, CURLOPT_NOSIGNAL, 1L);
    lib->easysetopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    lib->easysetopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 3000L);
    lib->easysetopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
    lib->easysetopt(curl, CURLOPT_WRITEFUNCTION, takebody);
    lib->easysetopt(curl, CURLOPT_WRITEDATA, &body);
    CURLcode result = lib->easyperform(curl);
    lib->easycleanup(curl);
    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && body.full)) {
        errorline(std::string("nubo platform: GET ") + url + " failed: " + lib->easystrerror(result));
        return Stream{};
    }
    return Stream{posixfiles::openmemory(body.bytes)};
}

}  // namespace plat
