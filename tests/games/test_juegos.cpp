// What every game shares: its extents, independent copies, destruction
// through the base class, and starting again with reiniciar.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <typeinfo>
#include <vector>

#include "ayudas.h"
#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"

using namespace ayudas;

namespace {

struct Juego {
    const char* nombre;
    std::function<tJuegoLogT2*(Turno)> crear;
    unsigned columnas, filas;
    std::vector<Casilla> apertura;  // three legal moves from the start with JUGADOR1 first
};

const std::vector<Juego> JUEGOS = {
    {"tres en raya", [](Turno t) { return new tJuego3Raya(t); }, 3, 3, {{1, 1}, {0, 0}, {2, 0}}},
    {"conecta 4", [](Turno t) { return new tJuegoConecta4(8, 6, t); }, 8, 6, {{3, 0}, {3, 0}, {4, 0}}},
    {"otelo", [](Turno t) { return new tJuegoOtelo(t); }, 9, 8, {{5, 3}, {5, 2}, {4, 2}}},
};

TEST(Juegos, MedidasDelTablero)
{
    for (const Juego& g : JUEGOS) {
        SCOPED_TRACE(g.nombre);
        std::unique_ptr<tJuegoLogT2> j(g.crear(JUGADOR1));
        EXPECT_EQ(j->numColumnas(), g.columnas);
        EXPECT_EQ(j->numFilas(), g.filas);
        EXPECT_EQ(j->dameTablero()->numColumnas(), g.columnas);
        EXPECT_EQ(j->dameTablero()->numFilas(), g.filas);
        EXPECT_EQ(j->turnoActual(), JUGADOR1);
    }
}

TEST(Juegos, ClonarDaUnaCopiaIndependiente)
{
    for (const Juego& g : JUEGOS) {
        SCOPED_TRACE(g.nombre);
        std::unique_ptr<tJuegoLogT2> original(g.crear(JUGADOR1));
        original->jugar(g.apertura[0]);
        std::unique_ptr<tJuegoLogT2> copia(original->clonar());
        ASSERT_TRUE(copia);
        const tJuegoLogT2& c = *copia;
        const tJuegoLogT2& o = *original;
        EXPECT_EQ(typeid(c), typeid(o));
        EXPECT_NE(copia->dameTablero(), original->dameTablero());
        const Foto antes = foto(*original);
        EXPECT_TRUE(foto(*copia) == antes);

        copia->jugar(g.apertura[1]);
        EXPECT_TRUE(foto(*original) == antes);
        const Foto copiaTrasJugar = foto(*copia);
        original->jugar(g.apertura[1]);
        original->jugar(g.apertura[2]);
        EXPECT_TRUE(foto(*copia) == copiaTrasJugar);

        // The copy outlives its original (the sanitizer build catches a shared board).
        original.reset();
        copia->jugar(g.apertura[2]);
        EXPECT_FALSE(copia->finalizado());
    }
}

TEST(Juegos, ReiniciarVaciaElTableroYCambiaElTurno)
{
    for (const Juego& g : JUEGOS) {
        SCOPED_TRACE(g.nombre);
        std::unique_ptr<tJuegoLogT2> j(g.crear(JUGADOR1));
        j->jugar(g.apertura[0]);
        j->reiniciar(JUGADOR2);
        const Foto f = foto(*j);
        EXPECT_EQ(f.celdas, std::vector<Turno>(g.columnas * g.filas, NINGUNO));
        EXPECT_EQ(f.turno, JUGADOR2);
        EXPECT_FALSE(f.fin);
        EXPECT_EQ(j->numColumnas(), g.columnas);
        EXPECT_EQ(j->numFilas(), g.filas);
    }
}

}  // namespace
