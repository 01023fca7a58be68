#ifndef VIEWS_UTINTERFAZGRAFOT_H
#define VIEWS_UTINTERFAZGRAFOT_H

// The Othello view: the 8 by 8 playing area and the pass column on its right,
// in 41-pixel cells, with the pass picture on top of that column; below the
// board, the status line and the disc counts.

#include <string>

#include "views/Utinterfazgraft2.h"

class tInterfazGrafOt : public tInterfazGrafT2 {
public:
    explicit tInterfazGrafOt(Lienzo* lienzo) : tInterfazGrafT2(lienzo) {}

    unsigned indiceX(unsigned px) override { return px / LADO; }
    unsigned indiceY(unsigned py) override { return py / LADO; }
    // juego must be an Othello game; any other game is drawn without the counts line.
    void dibujar(tJuegoLogT2* juego) override;
    unsigned dameAncho() override { return 369; }
    unsigned dameAlto() override { return 328; }

    static constexpr unsigned LADO = 41;
    static constexpr int PUNTOS = 10;
};

// The counts line: "J1: 02 J2: 02" at the start of a game.
std::string lineaFichas(int fichasJ1, int fichasJ2);

// "OteloA.bmp", "OteloB.bmp", "OteloN.bmp" and the pass picture "OteloP.bmp".
ConjuntoImagenes& imagenesOtelo();

#endif
