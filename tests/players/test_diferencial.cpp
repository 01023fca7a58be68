// The fast search against the plain exhaustive minimax on many positions of
// each game reached by seeded random play: the move must be the same every time.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "players/Utjugadoraut3r.h"
#include "players/Utjugadorautc4.h"
#include "players/Utjugadorautot.h"
#include "tests/players/partidas.h"
#include "tests/players/referencia.h"

namespace {

// The sanitizer build runs much slower: it checks a sample a tenth as big.
#ifdef TABLEXO_MUESTRA_REDUCIDA
constexpr int DIVISOR_MUESTRA = 10;
#else
constexpr int DIVISOR_MUESTRA = 1;
#endif

struct Juego {
    const char* nombre;
    std::unique_ptr<tJuegoLogT2> (*fabrica)(Turno);
    FuncionEvaluacion evaluacion;
    std::unique_ptr<tJugadorAutT2> (*jugador)(int nivel);
};

const Juego CONECTA4{"Conecta4", partidas::conecta4, evaluarC4,
                     [](int n) -> std::unique_ptr<tJugadorAutT2> { return std::make_unique<tJugConzC4>(n); }};
const Juego TRES{"TresEnRaya", partidas::tresEnRaya, evaluar3R,
                 [](int n) -> std::unique_ptr<tJugadorAutT2> { return std::make_unique<tJugConz3R>(n); }};
const Juego OTELO{"Otelo", partidas::otelo, evaluarOt,
                  [](int n) -> std::unique_ptr<tJugadorAutT2> { return std::make_unique<tJugConzOt>(n); }};

// One row of the table: positions after minJugadas to maxJugadas random moves
// (played on past the end of the game too), searched to profundidad.
struct Caso {
    const Juego* juego;
    int profundidad;
    int posiciones;
    int minJugadas;
    int maxJugadas;
};

void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.juego->nombre << ", profundidad " << c.profundidad << ", " << c.minJugadas << " a " << c.maxJugadas
        << " jugadas";
}

std::string nombreDe(const testing::TestParamInfo<Caso>& info)
{
    return std::string(info.param.juego->nombre) + "_P" + std::to_string(info.param.profundidad) + "_" +
           std::to_string(info.param.minJugadas) + "a" + std::to_string(info.param.maxJugadas);
}

class Diferencial : public testing::TestWithParam<Caso> {};

TEST_P(Diferencial, MismaJugadaQueElMinimaxExhaustivo)
{
    const Caso& c = GetParam();
    const int total = std::max(1, c.posiciones / DIVISOR_MUESTRA);
    int fallos = 0;
    int comparadas = 0;
    for (int i = 0; i < total && fallos < 5; ++i) {
        const auto semilla = static_cast<std::uint32_t>(i * 7919 + c.profundidad * 104729);
        std::mt19937 azar(semilla);
        auto juego = c.juego->fabrica(azar() % 2 ? JUGADOR1 : JUGADOR2);
        const int jugadas = c.minJugadas + static_cast<int>(azar() % static_cast<unsigned>(c.maxJugadas - c.minJugadas + 1));
        for (int j = 0; j < jugadas; ++j)
            if (!partidas::jugarUna(*juego, azar)) break;
        if (partidas::validas(*juego).empty()) continue;

        const Casilla esperada = referencia::mejorJugada(juego.get(), c.profundidad, c.juego->evaluacion);
        const Casilla obtenida = ArbolJT2(juego.get(), c.profundidad, c.juego->evaluacion).mejorJugada();
        std::ostringstream donde;
        donde << "semilla " << semilla << ", " << jugadas << " jugadas, turno " << juego->dameTurno()
              << (juego->finalizado() ? ", terminada" : "");
        if (obtenida != esperada) {
            ++fallos;
            ADD_FAILURE() << donde.str() << ": esperada (" << esperada.x << ", " << esperada.y << "), obtenida ("
                          << obtenida.x << ", " << obtenida.y << ")";
            continue;
        }
        ++comparadas;
        if (!juego->finalizado()) {
            const Casilla delJugador = c.juego->jugador(c.profundidad)->elegirJugada(juego.get());
            EXPECT_EQ(delJugador, esperada) << donde.str() << " (jugador)";
        }
    }
    EXPECT_GT(comparadas, 0);
}

// Depth 6 is sampled where the exhaustive search is slow; Othello's deep
// searches keep to the opening and the last moves, where its trees are small.
const Caso CASOS[] = {
    {&CONECTA4, 1, 600, 0, 48},  {&CONECTA4, 2, 600, 0, 48},  {&CONECTA4, 3, 500, 0, 48},
    {&CONECTA4, 4, 300, 0, 48},  {&CONECTA4, 5, 80, 0, 48},   {&CONECTA4, 6, 20, 0, 48},
    {&TRES, 1, 600, 0, 9},       {&TRES, 2, 600, 0, 9},       {&TRES, 3, 600, 0, 9},
    {&TRES, 4, 500, 0, 9},       {&TRES, 5, 300, 0, 9},       {&TRES, 6, 150, 1, 9},
    {&OTELO, 1, 600, 0, 70},     {&OTELO, 2, 400, 0, 70},     {&OTELO, 3, 200, 0, 70},
    {&OTELO, 4, 60, 0, 70},      {&OTELO, 5, 30, 0, 8},       {&OTELO, 5, 10, 9, 51},
    {&OTELO, 5, 30, 52, 70},
    {&OTELO, 6, 15, 0, 6},       {&OTELO, 6, 15, 54, 70},
};

INSTANTIATE_TEST_SUITE_P(Posiciones, Diferencial, testing::ValuesIn(CASOS), nombreDe);

TEST(Referencia, ArbolCompletoYRecursionCoinciden)
{
    // The reference itself: the whole tree, built with Arbol, gives the recursion's
    // move and makes the node counts of the first version of the program.
    tJuegoConecta4 c4(8, 6, JUGADOR2);
    const std::size_t esperados[] = {0, 8, 72, 584, 4680};
    for (int p = 1; p <= 4; ++p) {
        std::size_t nodos = 0;
        const Casilla r = referencia::mejorJugada(&c4, p, evaluarC4, &nodos);
        referencia::ArbolCompleto arbol(&c4, p, evaluarC4);
        EXPECT_EQ(arbol.nodos(), esperados[p]);
        EXPECT_EQ(nodos, esperados[p]);
        EXPECT_EQ(arbol.mejorJugada(), r) << p;
    }
    const int vacias[] = {9, 8};
    const std::size_t nodos3[][2] = {{81, 3609}, {64, 2080}};  // depths 2 and 4
    for (int k = 0; k < 2; ++k) {
        tJuego3Raya tres(JUGADOR2);
        if (vacias[k] == 8) tres.jugar({1, 1});
        for (int i = 0; i < 2; ++i) {
            std::size_t nodos = 0;
            referencia::mejorJugada(&tres, 2 + 2 * i, evaluar3R, &nodos);
            EXPECT_EQ(nodos, nodos3[k][i]) << vacias[k] << " empty, depth " << 2 + 2 * i;
        }
    }
    std::mt19937 azar(11);
    for (int i = 0; i < 40 / DIVISOR_MUESTRA; ++i) {
        auto ot = partidas::otelo(JUGADOR2);
        partidas::jugarAlAzar(*ot, static_cast<int>(azar() % 60), azar);
        if (ot->finalizado()) continue;
        referencia::ArbolCompleto arbol(ot.get(), 3, evaluarOt);
        EXPECT_EQ(arbol.mejorJugada(), referencia::mejorJugada(ot.get(), 3, evaluarOt));
    }
    referencia::ArbolCompleto corto(&c4, 4, evaluarC4, 100);
    EXPECT_FALSE(corto.completo());
}

}  // namespace
