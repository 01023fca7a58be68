// The three evaluation functions and their group scorers.

#include <gtest/gtest.h>

#include <vector>

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"
#include "players/Utjugadoraut3r.h"
#include "players/Utjugadorautc4.h"
#include "players/Utjugadorautot.h"

namespace {

struct Pieza {
    unsigned x, y;
    Turno t;
};

// Writes the pieces straight onto the board: the evaluations read nothing else.
void colocar(tJuegoLogT2& juego, const std::vector<Pieza>& piezas)
{
    for (const Pieza& p : piezas) ASSERT_TRUE(juego.dameTablero()->escribir(p.x, p.y, p.t));
}

void vaciar(tJuegoLogT2& juego)
{
    Tablero& t = *juego.dameTablero();
    for (unsigned x = 0; x < t.numColumnas(); ++x)
        for (unsigned y = 0; y < t.numFilas(); ++y) t.escribir(x, y, NINGUNO);
}

constexpr Turno N = NINGUNO, A = JUGADOR1, B = JUGADOR2;

struct Grupo {
    Turno a, b, c, d;
    int puntos;
};

TEST(PuntuarGrupo, PuntuaCadaLadoSoloYNadaMezclado)
{
    const Grupo casos[] = {
        {N, N, N, N, 0},       {B, N, N, N, 10},     {N, B, B, N, 100},  {B, B, N, B, 1000},
        {B, B, B, B, 10000},   {N, N, A, N, -10},    {A, A, N, N, -100}, {A, A, A, N, -1000},
        {A, A, A, A, -10000},  {A, B, N, N, 0},      {B, B, B, A, 0},    {N, A, N, B, 0},
    };
    for (const Grupo& g : casos) {
        int total = 5;  // the scorer adds to what is there
        puntuarVentana(total, g.a, g.b, g.c, g.d);
        EXPECT_EQ(total, 5 + g.puntos) << g.a << g.b << g.c << g.d;
    }
    const Grupo lineas[] = {
        {N, N, N, N, 0}, {B, N, N, N, 10}, {N, B, B, N, 100}, {B, B, B, N, 1000}, {A, N, N, N, -10},
        {N, A, A, N, -100}, {A, A, A, N, -1000}, {A, B, N, N, 0}, {N, B, A, N, 0}, {B, N, A, N, 0},
    };
    for (const Grupo& g : lineas) {
        int total = -7;
        puntuarLinea(total, g.a, g.b, g.c);
        EXPECT_EQ(total, -7 + g.puntos) << g.a << g.b << g.c;
    }
}

struct CasoTablero {
    const char* nombre;
    std::vector<Pieza> piezas;
    int puntos;
};

TEST(EvaluarC4, EjemplosDelTablero)
{
    const CasoTablero casos[] = {
        {"vacio", {}, 0},
        {"J2 en la esquina inferior", {{0, 5, B}}, 30},
        {"J2 en el centro inferior", {{3, 5, B}}, 70},
        {"J1 encima de J2", {{3, 5, B}, {3, 4, A}}, -30},
        {"cuatro de J2 en la fila de abajo", {{3, 5, B}, {4, 5, B}, {5, 5, B}, {6, 5, B}}, 12210},
        {"mismo tablero con los colores cambiados", {{3, 5, A}, {4, 5, A}, {5, 5, A}, {6, 5, A}}, -12210},
    };
    for (const CasoTablero& c : casos) {
        tJuegoConecta4 juego(8, 6, JUGADOR1);
        colocar(juego, c.piezas);
        EXPECT_EQ(evaluarC4(&juego), c.puntos) << c.nombre;
    }
}

TEST(EvaluarC4, TodosLosGruposDeCuatroEnElTablero)
{
    // Every cell of JUGADOR2: each of the 84 groups of four counts 10,000.
    tJuegoConecta4 juego(8, 6, JUGADOR1);
    for (unsigned x = 0; x < 8; ++x)
        for (unsigned y = 0; y < 6; ++y) juego.dameTablero()->escribir(x, y, JUGADOR2);
    EXPECT_EQ(evaluarC4(&juego), 840000);
}

TEST(Evaluar3R, EjemplosDelTablero)
{
    const CasoTablero casos[] = {
        {"vacio", {}, 0},
        {"J2 en el centro", {{1, 1, B}}, 40},
        {"J2 en una esquina", {{0, 0, B}}, 30},
        {"J2 en un lado", {{1, 0, B}}, 20},
        {"J2 en el centro y J1 en una esquina", {{1, 1, B}, {0, 0, A}}, 10},
        {"linea de tres de J2", {{0, 0, B}, {1, 0, B}, {2, 0, B}}, 1000 + 3 * 10 + 2 * 10},
        {"tablero lleno sin linea", {{0, 0, A}, {1, 0, B}, {2, 0, A}, {0, 1, A}, {1, 1, B},
                                      {2, 1, B}, {0, 2, B}, {1, 2, A}, {2, 2, A}}, 0},
    };
    for (const CasoTablero& c : casos) {
        tJuego3Raya juego(JUGADOR1);
        colocar(juego, c.piezas);
        EXPECT_EQ(evaluar3R(&juego), c.puntos) << c.nombre;
    }
}

TEST(EvaluarOt, PesosDeLasCasillas)
{
    tJuegoOtelo juego(JUGADOR1);
    EXPECT_EQ(evaluarOt(&juego), 0) << "posicion de salida";
    colocar(juego, {{0, 0, B}});
    EXPECT_EQ(evaluarOt(&juego), 50);
    colocar(juego, {{1, 1, A}});
    EXPECT_EQ(evaluarOt(&juego), 60);
    colocar(juego, {{7, 6, B}});
    EXPECT_EQ(evaluarOt(&juego), 59);
    colocar(juego, {{2, 0, A}});
    EXPECT_EQ(evaluarOt(&juego), 54);
}

TEST(EvaluarOt, TablaSimetricaYColumnaDePaseIgnorada)
{
    for (unsigned x = 0; x < 8; ++x)
        for (unsigned y = 0; y < 8; ++y) EXPECT_EQ(PESOS_OTELO[x][y], PESOS_OTELO[y][x]) << x << "," << y;
    // Discs in the pass column count nothing; a board all of JUGADOR1 counts every weight against.
    tJuegoOtelo juego(JUGADOR1);
    vaciar(juego);
    for (unsigned y = 0; y < 8; ++y) juego.dameTablero()->escribir(8, y, JUGADOR2);
    EXPECT_EQ(evaluarOt(&juego), 0);
    int suma = 0;
    for (unsigned x = 0; x < 8; ++x)
        for (unsigned y = 0; y < 8; ++y) suma += PESOS_OTELO[x][y];
    for (unsigned x = 0; x < 8; ++x)
        for (unsigned y = 0; y < 8; ++y) juego.dameTablero()->escribir(x, y, JUGADOR1);
    EXPECT_EQ(evaluarOt(&juego), -suma);
    EXPECT_EQ(suma, 236);
}

}  // namespace
