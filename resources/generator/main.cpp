// nubo_resgen: draws the program's 29 images and synthesises its 3 sounds into one folder,
// with the application icon that is installed beside the program,
// at build time, so that no picture or sound is kept as a binary in the sources.
//
// usage: nubo_resgen OUTPUT_FOLDER CAPTION_FONT
#include "appicon.h"
#include "buttons.h"
#include "icons.h"
#include "pictures.h"
#include "png_writer.h"
#include "sounds.h"
#include "text.h"
#include "wav_writer.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct ImageJob {
    std::string name;
    PngKind kind;
    std::function<Canvas(CaptionFont*)> draw;
};

std::vector<ImageJob> imagejobs()
{
    using B = ButtonColour;
    auto button = [](int w, int h, B colour, const char* caption) {
        return [=](CaptionFont* font) { return drawbutton(font, w, h, colour, caption); };
    };
    auto plain = [](Canvas (*draw)()) { return [draw](CaptionFont*) { return draw(); }; };
    std::vector<ImageJob> jobs = {
        {"inseri.png", PngKind::rgb, button(135, 32, B::blue, "ADD")},
        {"modif.png", PngKind::rgb, button(135, 32, B::grey, "MODIFY")},
        {"conclu.png", PngKind::rgb, button(135, 32, B::green, "CLOSE")},
        {"colle.png", PngKind::rgb, button(135, 32, B::grey, "LINK")},
        {"sposta.png", PngKind::rgb, button(135, 32, B::grey, "MOVE")},
        {"copia.png", PngKind::grey, button(135, 32, B::grey, "COPY")},
        {"incolla.png", PngKind::rgb, button(135, 32, B::blue, "PASTE")},
        {"confe.png", PngKind::rgb, button(130, 50, B::green, "CONTINUE")},
        {"annulla.png", PngKind::rgb, button(130, 32, B::red, "CANCEL")},
        {"su.png", PngKind::rgba, plain(drawarrowup)},
        {"giu.png", PngKind::rgba, plain(drawarrowdown)},
        {"settings.png", PngKind::rgba, plain(drawsettings)},
        {"move.png", PngKind::rgba, plain(drawmoveghost)},
        {"home.png", PngKind::rgba, plain(drawhome)},
        {"close.png", PngKind::rgba, plain(drawfarewell)},
        {"example.png", PngKind::rgba, drawexamplenote},
        {"freccina.png", PngKind::rgba, plain(drawboxarrow)},
        {"rita.png", PngKind::rgba, plain(drawdelaymark)},
        {"f0.png", PngKind::rgba, drawnoicon},
        {"f9.png", PngKind::rgba, plain(drawwarning)},
        {"f10.png", PngKind::rgba, drawquestion},
    };
    for (int person = 1; person <= 8; ++person)
        jobs.push_back({"f" + std::to_string(person) + ".png", PngKind::rgba,
                        [person](CaptionFont*) { return drawportrait(person); }});
    return jobs;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER CAPTION_FONT\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    CaptionFont* font = opencaptionfont(argv[2]);
    if (!font)
        return 1;

    bool ok = true;
    for (const ImageJob& job : imagejobs())
        ok = writepng(folder + job.name, job.draw(font), job.kind) && ok;
    closecaptionfont(font);

    ok = writepng(folder + "nubo-icon.png", drawappicon(), PngKind::rgba) && ok;
    ok = writewav(folder + "suono1.wav", synthclick()) && ok;
    ok = writewav(folder + "suono2.wav", synthconfirm()) && ok;
    ok = writewav(folder + "suono3.wav", synthleave()) && ok;
    return ok ? 0 : 1;
}
