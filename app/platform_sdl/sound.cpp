// Sounds with SDL2_mixer: WAVs decoded from the embedded bytes once, played on any free channel.
#include "app/platform_sdl/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <vector>

#include "app/embedded.h"
#include "app/platform.h"

namespace {

bool audioopen = false;
std::vector<Mix_Chunk*> chunks;  // by sound id; nullptr when the sound could not be loaded

bool openmixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

}  // namespace

namespace sdlbackend {

void startaudio() {
    audioopen = openmixer();
    if (!audioopen) {
        // No sound card: SDL never picks its dummy driver by itself.
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        audioopen = openmixer();
    }
    if (!audioopen) {
        plat::errorline(std::string("nubo platform: no audio output, sounds are silent: ") + SDL_GetError());
        return;
    }
    Mix_AllocateChannels(16);
}

void stopaudio() {
    if (!audioopen) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& c : chunks) {
        if (c) Mix_FreeChunk(c);
        c = nullptr;
    }
    Mix_CloseAudio();
    audioopen = false;
}

}  // namespace sdlbackend

namespace plat {

Sound loadsound(const std::string& name) {
    const EmbeddedFile* file = findembedded(name);
    if (!file) {
        errorline("nubo platform: no embedded sound \"" + name + "\"");
        return Sound{};
    }
    Mix_Chunk* chunk = nullptr;
    if (audioopen) {
        chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(file->data, static_cast<int>(file->size)), 1);
        if (!chunk) errorline("nubo platform: sound \"" + name + "\" unreadable: " + Mix_GetError());
    }
    chunks.push_back(chunk);
    return Sound{static_cast<int>(chunks.size()) - 1};
}

void playsound(Sound sound) {
    if (!audioopen || sound.id < 0 || sound.id >= static_cast<int>(chunks.size())) return;
    Mix_Chunk* chunk = chunks[static_cast<std::size_t>(sound.id)];
    if (chunk) Mix_PlayChannel(-1, chunk, 0);  // -1 when every channel is busy: that click is skipped
}

}  // namespace plat
