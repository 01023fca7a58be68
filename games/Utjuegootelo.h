#ifndef GAMES_UTJUEGOOTELO_H
#define GAMES_UTJUEGOOTELO_H

// Othello on the 8 by 8 playing area of a 9 by 8 board: column 8 is the pass.
// Two passes in a row or a full playing area end the game; more discs win,
// and equal counts go to JUGADOR2.

#include "games/Utjuegologt2.h"

// Any move whose x is this column is a pass, whatever its y.
constexpr unsigned COLUMNA_PASAR = 8;

class tJuegoOtelo : public tJuegoLogT2 {
public:
    explicit tJuegoOtelo(Turno empieza);
    tJuegoOtelo(const tJuegoOtelo& otro) = default;

    void mover(Casilla c) override;
    bool esValido(Casilla c) override;
    bool finJuego() override;
    tJuegoLogT2* clonar() override;

    int fichasJ1() const { return fichas1; }
    int fichasJ2() const { return fichas2; }

    // Whether a disc of turno at (x, y) would turn at least one opponent disc.
    bool flanquea(unsigned x, unsigned y);
    // Turns every opponent disc bracketed from (x, y), updating the counts.
    void voltear(unsigned x, unsigned y);

private:
    std::int32_t libres;   // empty cells of the playing area
    std::int32_t fichas1;  // JUGADOR1 discs
    std::int32_t fichas2;  // JUGADOR2 discs
    bool pasado;           // the previous move was a pass
};

#endif
