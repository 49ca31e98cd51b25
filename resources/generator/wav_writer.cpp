#include "wav_writer.h"

#include <cstdio>

namespace {

void put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void put32(std::vector<unsigned char>& out, unsigned long v)
{
    put16(out, static_cast<unsigned>(v & 0xffff));
    put16(out, static_cast<unsigned>((v >> 16) & 0xffff));
}

void puttag(std::vector<unsigned char>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

bool writewav(const std::string& path, const std::vector<std::int16_t>& samples)
{
    const unsigned long databytes = 2 * samples.size();
    std::vector<unsigned char> out;
    puttag(out, "RIFF");
    put32(out, 36 + databytes);
    puttag(out, "WAVE");
    puttag(out, "fmt ");
    put32(out, 16);             // size of the format chunk
    put16(out, 1);              // PCM
    put16(out, 1);              // one channel
    put32(out, soundrate);
    put32(out, soundrate * 2);  // bytes per second
    put16(out, 2);              // bytes per sample frame
    put16(out, 16);             // bits per sample
    puttag(out, "data");
    put32(out, databytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));

    FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file && std::fwrite(out.data(), 1, out.size(), file) == out.size();
    if (file && std::fclose(file) != 0)
        ok = false;
    if (!ok)
        std::perror(path.c_str());
    return ok;
}
