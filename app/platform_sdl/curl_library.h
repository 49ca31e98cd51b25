// libcurl, loaded by the first HTTP request instead of being linked: the library and the TLS,
// Kerberos, LDAP and SSH libraries it brings along hold several megabytes of resident memory
// from the moment the program starts, although only the update check ever needs them.
#pragma once

#include <curl/curl.h>

#include <string>

namespace sdlbackend {

// The libcurl functions the backend calls, taken from the loaded library.
struct CurlLibrary {
    CURLcode (*globalinit)(long flags);
    void (*globalcleanup)();
    CURL* (*easyinit)();
    CURLcode (*easysetopt)(CURL* curl, CURLoption option, ...);
    CURLcode (*easyperform)(CURL* curl);
    void (*easycleanup)(CURL* curl);
    const char* (*easystrerror)(CURLcode code);
};

// Loads libcurl and sets up its global state the first time; nullptr, with `error` saying why,
// when the library is missing or does not start. Later calls give the same answer.
const CurlLibrary* curllibrary(std::string& error);
void stopcurl();  // ends libcurl's global state if it was set up; the library stays loaded

}  // namespace sdlbackend
