// dlopen of libcurl's run-time library by its usual names, and the symbols the backend uses.
#include "app/platform_sdl/curl_library.h"

#include <dlfcn.h>

namespace sdlbackend {

namespace {

CurlLibrary library;
bool tried = false, ready = false;
std::string failure;

template <typename Function>
bool take(void* handle, const char* name, Function& out) {
    out = reinterpret_cast<Function>(dlsym(handle, name));
    return out != nullptr;
}

bool load() {
    const char* names[] = {"libcurl.so.4", "libcurl.so", "libcurl.4.dylib", "libcurl.dylib"};
    void* handle = nullptr;
    for (const char* name : names)
        if ((handle = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
    if (!handle) {
        const char* why = dlerror();
        failure = std::string("libcurl cannot be loaded: ") + (why ? why : "not found");
        return false;
    }
    if (!take(handle, "curl_global_init", library.globalinit) ||
        !take(handle, "curl_global_cleanup", library.globalcleanup) ||
        !take(handle, "curl_easy_init", library.easyinit) ||
        !take(handle, "curl_easy_setopt", library.easysetopt) ||
        !take(handle, "curl_easy_perform", library.easyperform) ||
        !take(handle, "curl_easy_cleanup", library.easycleanup) ||
        !take(handle, "curl_easy_strerror", library.easystrerror)) {
        failure = "the loaded libcurl lacks a function the program needs";
        return false;
    }
    if (library.globalinit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        failure = "libcurl did not start";
        return false;
    }
    return true;
}

}  // namespace

const CurlLibrary* curllibrary(std::string& error) {
    if (!tried) {
        tried = true;
        ready = load();
    }
    if (!ready) error = failure;
    return ready ? &library : nullptr;
}

void stopcurl() {
    if (ready) library.globalcleanup();
    ready = false;
}

}  // namespace sdlbackend
