#ifndef VIEWS_UTINTERFAZGRAF3R_H
#define VIEWS_UTINTERFAZGRAF3R_H

// The Tic-tac-toe view: 3 by 3 cells of 150 pixels and one status line below.

#include "views/Utinterfazgraft2.h"

class tInterfazGraf3R : public tInterfazGrafT2 {
public:
    explicit tInterfazGraf3R(Lienzo* lienzo) : tInterfazGrafT2(lienzo) {}

    unsigned indiceX(unsigned px) override { return px / LADO; }
    unsigned indiceY(unsigned py) override { return py / LADO; }
    void dibujar(tJuegoLogT2* juego) override;
    unsigned dameAncho() override { return 450; }
    unsigned dameAlto() override { return 450; }

    static constexpr unsigned LADO = 150;
    static constexpr int PUNTOS = 10;
};

// "3RA.bmp", "3RB.bmp", "3RN.bmp".
ConjuntoImagenes& imagenes3Raya();

#endif
