#ifndef VIEWS_UTINTERFAZGRAFC4_H
#define VIEWS_UTINTERFAZGRAFC4_H

// The Connect 4 view: 8 columns by 6 rows of 50-pixel cells and one status
// line below. A click picks a column only: its row is always 0, the row the
// game takes a move in.

#include "views/Utinterfazgraft2.h"

class tInterfazGrafC4 : public tInterfazGrafT2 {
public:
    explicit tInterfazGrafC4(Lienzo* lienzo) : tInterfazGrafT2(lienzo) {}

    unsigned indiceX(unsigned px) override { return px / LADO; }
    unsigned indiceY(unsigned) override { return 0; }
    void dibujar(tJuegoLogT2* juego) override;
    unsigned dameAncho() override { return 400; }
    unsigned dameAlto() override { return 300; }

    static constexpr unsigned LADO = 50;
    static constexpr int PUNTOS = 18;
};

// "fichaA.bmp", "fichaB.bmp", "fichaN.bmp".
ConjuntoImagenes& imagenesConecta4();

#endif
