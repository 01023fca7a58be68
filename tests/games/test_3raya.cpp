// Tic-tac-toe: legal moves, lines in every direction, the full board, and
// what happens after the end.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "ayudas.h"
#include "games/Utjuego3raya.h"

using namespace ayudas;

namespace {

const std::string MENSAJE = "Error de juego.";

TEST(TresEnRaya, PrimeraJugada)
{
    for (Turno empieza : {JUGADOR1, JUGADOR2}) {
        tJuego3Raya j(empieza);
        EXPECT_EQ(j.dameTurno(), empieza);
        for (unsigned x = 0; x < 3; ++x)
            for (unsigned y = 0; y < 3; ++y) EXPECT_TRUE(j.probar({x, y}));
        j.jugar({1, 1});
        EXPECT_EQ(celda(j, 1, 1), empieza);
        EXPECT_EQ(j.dameTurno(), otroJugador(empieza));
        EXPECT_FALSE(j.finJuego());
        EXPECT_FALSE(j.finalizado());
        EXPECT_FALSE(j.probar({1, 1}));
    }
}

TEST(TresEnRaya, JugadasRechazadasNoCambianNada)
{
    tJuego3Raya j(JUGADOR1);
    j.jugar({1, 1});
    j.jugar({0, 2});
    const std::vector<Casilla> malas = {{1, 1}, {0, 2}, {3, 0}, {0, 3}, {3, 3}, {UINT_MAX, 0}, {0, UINT_MAX}};
    for (Casilla c : malas) esperarRechazo(j, c, MENSAJE);
    // The game goes on normally after a refusal.
    j.jugar({2, 2});
    EXPECT_EQ(celda(j, 2, 2), JUGADOR1);
}

// The three cells of every line, and two cells off it for the other side.
struct Linea {
    const char* nombre;
    std::vector<Casilla> celdas;
    std::vector<Casilla> otras;
};

const std::vector<Linea> LINEAS = {
    {"columna 0", {{0, 0}, {0, 1}, {0, 2}}, {{1, 0}, {2, 2}}},
    {"columna 1", {{1, 2}, {1, 0}, {1, 1}}, {{0, 0}, {2, 2}}},
    {"columna 2", {{2, 0}, {2, 1}, {2, 2}}, {{0, 0}, {1, 1}}},
    {"fila 0", {{0, 0}, {1, 0}, {2, 0}}, {{0, 1}, {1, 1}}},
    {"fila 1", {{2, 1}, {0, 1}, {1, 1}}, {{0, 0}, {2, 2}}},
    {"fila 2", {{0, 2}, {1, 2}, {2, 2}}, {{0, 0}, {1, 1}}},
    {"diagonal", {{0, 0}, {1, 1}, {2, 2}}, {{1, 0}, {2, 0}}},
    {"antidiagonal", {{2, 0}, {1, 1}, {0, 2}}, {{0, 0}, {1, 0}}},
};

TEST(TresEnRaya, UnaLineaTerminaYDaLaVictoriaAQuienLaHace)
{
    for (const Linea& l : LINEAS) {
        for (Turno empieza : {JUGADOR1, JUGADOR2}) {
            SCOPED_TRACE(std::string(l.nombre) + (empieza == JUGADOR1 ? ", empieza 1" : ", empieza 2"));
            tJuego3Raya j(empieza);
            jugarTodas(j, {l.celdas[0], l.otras[0], l.celdas[1], l.otras[1], l.celdas[2]});
            EXPECT_TRUE(j.finJuego());
            EXPECT_TRUE(j.finalizado());
            EXPECT_EQ(j.dameTurno(), empieza);
        }
    }
}

TEST(TresEnRaya, GanaElSegundo)
{
    tJuego3Raya j(JUGADOR1);
    jugarTodas(j, {{0, 0}, {2, 0}, {1, 0}, {1, 1}, {2, 2}, {0, 2}});
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR2);
}

// X O X / X O O / O X X: nine moves and no line.
const std::vector<Casilla> TABLAS = {{0, 0}, {1, 0}, {2, 0}, {1, 1}, {0, 1}, {2, 1}, {1, 2}, {0, 2}, {2, 2}};

TEST(TresEnRaya, TableroLlenoSinLineaLoGanaQuienEmpezo)
{
    for (Turno empieza : {JUGADOR1, JUGADOR2}) {
        tJuego3Raya j(empieza);
        jugarTodas(j, TABLAS);
        EXPECT_EQ(dibujo(j), empieza == JUGADOR1 ? "XOX\nXOO\nOXX\n" : "OXO\nOXX\nXOO\n");
        EXPECT_TRUE(j.finJuego());
        EXPECT_TRUE(j.finalizado());
        EXPECT_EQ(j.dameTurno(), empieza);
        for (unsigned x = 0; x < 3; ++x)
            for (unsigned y = 0; y < 3; ++y) esperarRechazo(j, {x, y}, MENSAJE);
    }
}

TEST(TresEnRaya, LaCopiaLlevaLasCasillasLibres)
{
    tJuego3Raya j(JUGADOR1);
    jugarTodas(j, std::vector<Casilla>(TABLAS.begin(), TABLAS.end() - 1));
    std::unique_ptr<tJuegoLogT2> copia(j.clonar());
    copia->jugar(TABLAS.back());  // the copy knows this fills its board
    EXPECT_TRUE(copia->finalizado());
    EXPECT_EQ(copia->dameTurno(), JUGADOR1);
    EXPECT_FALSE(j.finalizado());
}

TEST(TresEnRaya, DespuesDelFinalLaCasillaVaciaSigueValiendo)
{
    tJuego3Raya j(JUGADOR2);
    jugarTodas(j, {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}});
    ASSERT_TRUE(j.finalizado());
    EXPECT_TRUE(j.probar({2, 2}));
    j.jugar({2, 2});
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR2);  // the turn does not pass any more
    EXPECT_EQ(celda(j, 2, 2), JUGADOR2);
}

}  // namespace
