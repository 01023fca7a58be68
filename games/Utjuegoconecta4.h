#ifndef GAMES_UTJUEGOCONECTA4_H
#define GAMES_UTJUEGOCONECTA4_H

// Connect 4 on an upright board: a move is (column, 0) and the piece falls to
// the lowest empty cell; four in a line or a full board ends the game.

#include "games/Utjuegologt2.h"

class tJuegoConecta4 : public tJuegoLogT2 {
public:
    tJuegoConecta4(unsigned ancho, unsigned alto, Turno empieza);
    tJuegoConecta4(const tJuegoConecta4& otro) = default;

    void mover(Casilla c) override;
    bool esValido(Casilla c) override;
    bool finJuego() override;
    tJuegoLogT2* clonar() override;

private:
    std::int32_t libres;  // empty cells left
};

#endif
