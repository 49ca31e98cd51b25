#include "app/media.h"

#include <string>

namespace nubo {

plat::Font scritturapiccolissima, scrittura, scritturapiccola;
plat::Sound tick, esci, conferma;
plat::Image inseri, modif, conclu, colle, sposta, copia, incolla, confe, annulla, su, giu;
plat::Image setti, move, home, clo, example, frecc, rita;
plat::Image tgaimm[maxtag];

void caricafont() {
    scritturapiccolissima = plat::loadfont("dual.dll", 11);
    scrittura = plat::loadfont("mono.dll", 20);
    scritturapiccola = plat::loadfont("dual.dll", 14);
}

void caricasuoni() {
    tick = plat::loadsound("suono1.wav");
    esci = plat::loadsound("suono3.wav");
    conferma = plat::loadsound("suono2.wav");
}

void caricaimmagini() {
    inseri = plat::loadimage("inseri.png");
    annulla = plat::loadimage("annulla.png");
    confe = plat::loadimage("confe.png");
    su = plat::loadimage("su.png");
    giu = plat::loadimage("giu.png");
    conclu = plat::loadimage("conclu.png");
    modif = plat::loadimage("modif.png");
    colle = plat::loadimage("colle.png");
    setti = plat::loadimage("settings.png");
    incolla = plat::loadimage("incolla.png");
    sposta = plat::loadimage("sposta.png");
    move = plat::loadimage("move.png");
    home = plat::loadimage("home.png");
    copia = plat::loadimage("copia.png");
    clo = plat::loadimage("close.png");
    frecc = plat::loadimage("freccina.png");
    example = plat::loadimage("example.png");
    rita = plat::loadimage("rita.png");
    for (int i = 0; i < maxtag; i++) {
        std::string nome = "f";
        nome += std::to_string(i);
        nome += ".png";
        tgaimm[i] = plat::loadimage(nome);
    }
}

}  // namespace nubo
