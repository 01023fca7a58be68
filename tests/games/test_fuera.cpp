// Uses the games the way the rest of the program does: through the public
// headers and the core library only, and through the abstract game.

#include <gtest/gtest.h>

#include <memory>

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"
#include "support/Ucolaiter.h"
#include "support/Uerrores.h"
#include "support/Utlista.h"
#include "support/Utlistaord.h"

namespace {

struct Recuento {
    unsigned leidas = 0, jugador1 = 0, jugador2 = 0;
};

// Reads every cell of the game's board through the abstract game.
Recuento leerTodo(const tJuegoLogT2& j)
{
    Recuento r;
    const Tablero* t = j.dameTablero();
    for (unsigned x = 0; x < j.numColumnas(); ++x)
        for (unsigned y = 0; y < j.numFilas(); ++y) {
            Turno v = JUGADOR1;
            if (!t->leer(x, y, v)) continue;
            ++r.leidas;
            r.jugador1 += v == JUGADOR1;
            r.jugador2 += v == JUGADOR2;
        }
    Turno fuera = JUGADOR2;
    EXPECT_FALSE(t->leer(j.numColumnas(), 0, fuera));
    EXPECT_FALSE(t->leer(0, j.numFilas(), fuera));
    EXPECT_EQ(fuera, JUGADOR2);
    return r;
}

TEST(FueraDelNucleo, CadaJuegoConCualquieraDeLosDosEmpezando)
{
    for (Turno empieza : {JUGADOR1, JUGADOR2}) {
        std::unique_ptr<tJuegoLogT2> juegos[] = {
            std::make_unique<tJuego3Raya>(empieza),
            std::make_unique<tJuegoConecta4>(8, 6, empieza),
            std::make_unique<tJuegoOtelo>(empieza),
        };
        const unsigned celdas[] = {9, 48, 72};
        const unsigned discos[] = {0, 0, 2};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            tJuegoLogT2& j = *juegos[i];
            EXPECT_EQ(j.dameTurno(), empieza);
            EXPECT_FALSE(j.finJuego());
            const Recuento r = leerTodo(j);
            EXPECT_EQ(r.leidas, celdas[i]);
            EXPECT_EQ(r.jugador1, discos[i]);
            EXPECT_EQ(r.jugador2, discos[i]);
        }
    }
}

TEST(FueraDelNucleo, LosContenedoresSeUsanDesdeFuera)
{
    ColaIter<Casilla> historial;
    historial.encolar({3, 0});
    Casilla c{0, 0};
    ASSERT_TRUE(historial.iniciar() && historial.dameActual(c));
    EXPECT_EQ(c, (Casilla{3, 0}));
    Lista<int> l;
    EXPECT_THROW(l[0], ErrRango);
}

}  // namespace
