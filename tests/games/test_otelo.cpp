// Othello: the legal moves, captures along several lines and at the edges,
// the pass and its rules, the end and its winner, and the disc counts.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ayudas.h"
#include "games/Utjuegootelo.h"

using namespace ayudas;

namespace {

const std::string MENSAJE = "Error de juego.";

// Every cell of the whole matrix (pass column included) that the game accepts now.
std::set<std::pair<unsigned, unsigned>> jugadasValidas(tJuegoOtelo& j)
{
    std::set<std::pair<unsigned, unsigned>> v;
    for (unsigned x = 0; x < j.numColumnas(); ++x)
        for (unsigned y = 0; y < j.numFilas(); ++y)
            if (j.probar({x, y})) v.insert({x, y});
    return v;
}

int vacias(const tJuegoOtelo& j)
{
    int n = 0;
    for (unsigned x = 0; x < 8; ++x)
        for (unsigned y = 0; y < 8; ++y) n += celda(j, x, y) == NINGUNO;
    return n;
}

// The 8 by 8 playing area as text, as dibujo() draws it; the pass column must stay empty.
std::string area(const tJuegoOtelo& j)
{
    std::string s;
    for (unsigned y = 0; y < 8; ++y) {
        EXPECT_EQ(celda(j, COLUMNA_PASAR, y), NINGUNO);
        s += dibujo(j).substr(y * 10, 8) + '\n';
    }
    return s;
}

const std::vector<std::string> INICIO = {"........", "........", "........", "...XO...",
                                         "...OX...", "........", "........", "........"};

TEST(Otelo, PosicionInicialYSusJugadas)
{
    using Celdas = std::set<std::pair<unsigned, unsigned>>;
    for (Turno empieza : {JUGADOR1, JUGADOR2}) {
        tJuegoOtelo j(empieza);
        EXPECT_EQ(j.numColumnas(), 9u);
        EXPECT_EQ(j.numFilas(), 8u);
        EXPECT_EQ(area(j), unir(INICIO));
        EXPECT_EQ(j.fichasJ1(), 2);
        EXPECT_EQ(j.fichasJ2(), 2);
        EXPECT_EQ(j.dameTurno(), empieza);
        EXPECT_FALSE(j.finJuego());
        const Celdas esperadas = empieza == JUGADOR1 ? Celdas{{5, 3}, {3, 5}, {2, 4}, {4, 2}}
                                                     : Celdas{{2, 3}, {3, 2}, {5, 4}, {4, 5}};
        EXPECT_EQ(jugadasValidas(j), esperadas);
    }
}

TEST(Otelo, PrimeraJugadaVolteaYCuenta)
{
    tJuegoOtelo j(JUGADOR1);
    j.jugar({5, 3});
    EXPECT_EQ(area(j), unir({"........", "........", "........", "...XXX..", "...OX...", "........",
                             "........", "........"}));
    EXPECT_EQ(j.fichasJ1(), 4);
    EXPECT_EQ(j.fichasJ2(), 1);
    EXPECT_EQ(vacias(j), 59);
    EXPECT_EQ(j.dameTurno(), JUGADOR2);
    EXPECT_FALSE(j.finalizado());
}

// X to move at (3, 3): west, south and north-east capture; east and south-east
// run to the edge on O discs, north stops at an empty cell, north-west meets an
// own disc at once, south-west is empty.
const std::vector<std::string> VARIAS_ANTES = {"......X.", ".....O..", "..XOO...", "XOO.OOOO",
                                               "...OO...", "...X.O..", "......O.", ".......O"};
const std::vector<std::string> VARIAS_DESPUES = {"......X.", ".....X..", "..XOX...", "XXXXOOOO",
                                                 "...XO...", "...X.O..", "......O.", ".......O"};

TEST(Otelo, CapturaEnVariasDireccionesALaVez)
{
    for (Turno quien : {JUGADOR1, JUGADOR2}) {
        SCOPED_TRACE(quien == JUGADOR1 ? "JUGADOR1" : "JUGADOR2");
        const bool uno = quien == JUGADOR1;
        tJuegoOtelo j(quien);
        ponerDibujo(j, uno ? VARIAS_ANTES : cambiarLados(VARIAS_ANTES));
        const int propias = uno ? j.fichasJ1() : j.fichasJ2();
        const int ajenas = uno ? j.fichasJ2() : j.fichasJ1();
        EXPECT_TRUE(j.flanquea(3, 3));
        j.jugar({3, 3});
        EXPECT_EQ(area(j), unir(uno ? VARIAS_DESPUES : cambiarLados(VARIAS_DESPUES)));
        EXPECT_EQ(uno ? j.fichasJ1() : j.fichasJ2(), propias + 6);  // the new disc and five turned
        EXPECT_EQ(uno ? j.fichasJ2() : j.fichasJ1(), ajenas - 5);
        EXPECT_EQ(j.dameTurno(), otroJugador(quien));
    }
}

TEST(Otelo, SinCapturaNoHayJugada)
{
    tJuegoOtelo j(JUGADOR1);
    ponerDibujo(j, {"OOO.....", "........", "........", "..O.O.O.", "........", "........", "......X.",
                    "X.....XO"});
    struct Caso {
        const char* porque;
        Casilla c;
    };
    const Caso casos[] = {
        {"la fila acaba en el borde sobre discos rivales", {3, 0}},
        {"las dos filas acaban en casillas vacias", {3, 3}},
        {"la fila acaba en el borde sobre un disco rival", {7, 3}},
        {"el vecino es propio", {7, 6}},
        {"casilla vacia sin vecinos", {4, 6}},
        {"casilla ocupada", {0, 0}},
        {"fuera del tablero a la derecha", {9, 0}},
        {"fuera del tablero por abajo", {0, 8}},
        {"muy fuera", {UINT_MAX, UINT_MAX}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        if (c.c.x < 8 && c.c.y < 8) {
            EXPECT_FALSE(j.flanquea(c.c.x, c.c.y));
        }
        esperarRechazo(j, c.c, MENSAJE);
    }
}

TEST(Otelo, PaseRechazadoMientrasHayaCaptura)
{
    tJuegoOtelo j(JUGADOR2);
    for (unsigned y : {0u, 3u, 7u, 100u}) esperarRechazo(j, {COLUMNA_PASAR, y}, MENSAJE);
    EXPECT_EQ(j.fichasJ1() + j.fichasJ2(), 4);
}

// Two discs each in the corners: nobody can capture anything.
const std::vector<std::string> ESQUINAS = {"X......O", "........", "........", "........",
                                           "........", "........", "........", "X......O"};

TEST(Otelo, PaseYPaseTerminaYEmpateEsDelSegundo)
{
    for (Turno empieza : {JUGADOR1, JUGADOR2}) {
        tJuegoOtelo j(empieza);
        ponerDibujo(j, ESQUINAS);
        const std::string tablero = dibujo(j);
        j.jugar({COLUMNA_PASAR, 5});
        EXPECT_FALSE(j.finalizado());
        EXPECT_EQ(j.dameTurno(), otroJugador(empieza));
        EXPECT_EQ(dibujo(j), tablero);
        EXPECT_EQ(j.fichasJ1(), 2);
        EXPECT_EQ(j.fichasJ2(), 2);
        j.jugar({COLUMNA_PASAR, 0});
        EXPECT_TRUE(j.finalizado());
        EXPECT_TRUE(j.finJuego());
        EXPECT_EQ(j.dameTurno(), JUGADOR2);  // equal counts
        EXPECT_EQ(dibujo(j), tablero);
    }
}

TEST(Otelo, GanaQuienTieneMasDiscosYLuegoSoloSePuedePasar)
{
    tJuegoOtelo j(JUGADOR1);
    ponerDibujo(j, {"XO......", "........", "........", "........", "........", "........", "........",
                    ".....X.O"});
    EXPECT_EQ(jugadasValidas(j), (std::set<std::pair<unsigned, unsigned>>{{2, 0}}));
    j.jugar({2, 0});
    EXPECT_EQ(j.fichasJ1(), 4);
    EXPECT_EQ(j.fichasJ2(), 1);
    j.jugar({COLUMNA_PASAR, 0});  // JUGADOR2 cannot capture
    j.jugar({COLUMNA_PASAR, 0});  // nor can JUGADOR1
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR1);
    // After the end only the pass is accepted, and it keeps naming the winner.
    std::set<std::pair<unsigned, unsigned>> pases;
    for (unsigned y = 0; y < 8; ++y) pases.insert({COLUMNA_PASAR, y});
    EXPECT_EQ(jugadasValidas(j), pases);
    j.jugar({COLUMNA_PASAR, 0});
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR1);
}

TEST(Otelo, UnDiscoDespuesDelPaseBorraElPase)
{
    tJuegoOtelo j(JUGADOR1);
    ponerDibujo(j, {"OX......", "........", "........", "........", "........", ".....O..", "........",
                    ".......X"});
    j.jugar({COLUMNA_PASAR, 0});  // JUGADOR1 has no capture
    j.jugar({2, 0});              // JUGADOR2 turns (1, 0)
    EXPECT_EQ(j.fichasJ1(), 1);
    EXPECT_EQ(j.fichasJ2(), 4);
    j.jugar({COLUMNA_PASAR, 0});  // a single pass again: the game goes on
    EXPECT_FALSE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR2);
    j.jugar({COLUMNA_PASAR, 0});
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR2);
}

TEST(Otelo, LaCopiaTrasUnPaseLlevaElPase)
{
    tJuegoOtelo j(JUGADOR1);
    ponerDibujo(j, ESQUINAS);
    j.jugar({COLUMNA_PASAR, 0});
    std::unique_ptr<tJuegoLogT2> copia(j.clonar());
    ASSERT_NE(dynamic_cast<tJuegoOtelo*>(copia.get()), nullptr);
    const Foto original = foto(j);
    EXPECT_TRUE(foto(*copia) == original);
    copia->jugar({COLUMNA_PASAR, 0});
    EXPECT_TRUE(copia->finalizado());
    EXPECT_TRUE(foto(j) == original);
    EXPECT_FALSE(j.finalizado());
    j.jugar({COLUMNA_PASAR, 0});
    EXPECT_TRUE(j.finalizado());
}

}  // namespace
