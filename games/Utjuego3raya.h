#ifndef GAMES_UTJUEGO3RAYA_H
#define GAMES_UTJUEGO3RAYA_H

// Tic-tac-toe on a 3 by 3 board: a line of three or a full board ends it.

#include "games/Utjuegologt2.h"

class tJuego3Raya : public tJuegoLogT2 {
public:
    explicit tJuego3Raya(Turno empieza);
    tJuego3Raya(const tJuego3Raya& otro) = default;

    void mover(Casilla c) override;
    bool esValido(Casilla c) override;
    bool finJuego() override;
    tJuegoLogT2* clonar() override;

private:
    std::int32_t libres;  // empty cells left
};

#endif
