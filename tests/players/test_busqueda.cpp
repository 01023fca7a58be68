// The game-tree search and the thorough players: errors, special roots, the
// root's tie rule, the caller's game left as it was, and the memory the search keeps.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"
#include "players/Utarboljt2.h"
#include "players/Utjugadoraut3r.h"
#include "players/Utjugadorautc4.h"
#include "players/Utjugadorautot.h"
#include "support/Uerrores.h"
#include "tests/players/partidas.h"

namespace {

// Everything of a position that the players can see.
struct Foto {
    std::vector<Turno> celdas;
    std::vector<bool> validas;
    Turno turno;
    bool fin;
    bool operator==(const Foto& o) const
    {
        return celdas == o.celdas && validas == o.validas && turno == o.turno && fin == o.fin;
    }
};

Foto foto(tJuegoLogT2& juego)
{
    Foto f{{}, {}, juego.dameTurno(), juego.finalizado()};
    for (unsigned x = 0; x < juego.numColumnas(); ++x) {
        for (unsigned y = 0; y < juego.numFilas(); ++y) {
            Turno t = NINGUNO;
            juego.dameTablero()->leer(x, y, t);
            f.celdas.push_back(t);
            f.validas.push_back(juego.probar({x, y}));
        }
    }
    return f;
}

void jugar(tJuegoLogT2& juego, const std::vector<unsigned>& columnas)
{
    for (unsigned x : columnas) juego.jugar({x, 0});
}

int constante(tJuegoLogT2*) { return 0; }

// A Tic-tac-toe game that counts its copies, to see what the search keeps alive.
class Espia : public tJuego3Raya {
public:
    explicit Espia(Turno empieza) : tJuego3Raya(empieza) { ++vivas; }
    Espia(const Espia& o) : tJuego3Raya(o) { nacer(); }
    ~Espia() override { --vivas; }
    tJuegoLogT2* clonar() override { return new Espia(*this); }

    static void reiniciarCuentas()
    {
        vivas = 0;
        maximo = 0;
        copias = 0;
    }
    static int vivas, maximo, copias;

private:
    static void nacer()
    {
        ++copias;
        if (++vivas > maximo) maximo = vivas;
    }
};
int Espia::vivas = 0, Espia::maximo = 0, Espia::copias = 0;

std::string mensajeDe(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EJugador& e) {
        return e.dameMensaje();
    }
    return "(nada lanzado)";
}

TEST(ArbolJT2, ProfundidadCeroONegativaNoTieneJugada)
{
    tJuegoConecta4 juego(8, 6, JUGADOR2);
    for (int p : {0, -1}) {
        ArbolJT2 arbol(&juego, p, evaluarC4);
        EXPECT_EQ(mensajeDe([&] { arbol.mejorJugada(); }), "Error de jugador.") << p;
    }
}

TEST(ArbolJT2, RaizSinCasillaValidaNoTieneJugada)
{
    // Every column's top cell taken, but the game not marked over: no cell is accepted.
    tJuegoConecta4 juego(8, 6, JUGADOR2);
    for (unsigned x = 0; x < 8; ++x) juego.dameTablero()->escribir(x, 0, x % 2 ? JUGADOR1 : JUGADOR2);
    ASSERT_FALSE(juego.finalizado());
    ArbolJT2 arbol(&juego, 2, evaluarC4);
    EXPECT_EQ(mensajeDe([&] { arbol.mejorJugada(); }), "Error de jugador.");
    tJugConzC4 jugador(4);
    EXPECT_EQ(mensajeDe([&] { jugador.elegirJugada(&juego); }), "Error de jugador.");
}

TEST(JugadoresConcienzudos, PartidaTerminadaLanzaSinHacerArbol)
{
    Espia::reiniciarCuentas();
    Espia tres(JUGADOR2);
    for (Casilla c : {Casilla{0, 0}, Casilla{0, 1}, Casilla{1, 0}, Casilla{1, 1}, Casilla{2, 0}}) tres.jugar(c);
    ASSERT_TRUE(tres.finalizado());
    tJugConz3R conz3r(6);
    EXPECT_EQ(mensajeDe([&] { conz3r.elegirJugada(&tres); }), "Error de jugador.");
    EXPECT_EQ(Espia::copias, 0);

    tJuegoConecta4 c4(8, 6, JUGADOR2);
    jugar(c4, {0, 1, 0, 1, 0, 1, 0});
    ASSERT_TRUE(c4.finalizado());
    EXPECT_EQ(mensajeDe([&] { tJugConzC4(2).elegirJugada(&c4); }), "Error de jugador.");

    auto ot = partidas::otelo(JUGADOR1);
    std::mt19937 azar(5);
    partidas::jugarAlAzar(*ot, 200, azar);
    ASSERT_TRUE(ot->finalizado());
    EXPECT_EQ(mensajeDe([&] { tJugConzOt(2).elegirJugada(ot.get()); }), "Error de jugador.");
}

TEST(JugadoresConcienzudos, OteloConPaseForzadoPasaConLaPrimeraCasillaDePase)
{
    auto juego = partidas::oteloConPaseForzado(1);
    for (unsigned y = 0; y < 8; ++y) ASSERT_TRUE(juego->probar({COLUMNA_PASAR, y}));
    for (int nivel = 1; nivel <= 6; ++nivel) {
        EXPECT_EQ(tJugConzOt(nivel).elegirJugada(juego.get()), (Casilla{COLUMNA_PASAR, 0})) << nivel;
        EXPECT_EQ(ArbolJT2(juego.get(), nivel, constante).mejorJugada(), (Casilla{COLUMNA_PASAR, 0}));
    }
}

TEST(ArbolJT2, ValoresIgualesDanLaPrimeraCasillaValida)
{
    tJuegoConecta4 c4(8, 6, JUGADOR1);
    jugar(c4, {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1});  // columns 0 and 1 full, no line
    ASSERT_FALSE(c4.finalizado());
    tJuegoOtelo ot(JUGADOR2);  // JUGADOR2's first valid cell is (2, 3)
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(ArbolJT2(&c4, p, constante).mejorJugada(), (Casilla{2, 0})) << p;
        EXPECT_EQ(ArbolJT2(&ot, p, constante).mejorJugada(), (Casilla{2, 3})) << p;
    }
    // The empty Connect 4 board is symmetric: column 7 - x scores as column x,
    // so the move is always the first of a pair, and at depth 1 columns 3 and 4 tie.
    tJuegoConecta4 vacio(8, 6, JUGADOR2);
    EXPECT_EQ(tJugConzC4(1).elegirJugada(&vacio), (Casilla{3, 0}));
    for (int nivel : {2, 3, 4, 5, 6}) EXPECT_LE(tJugConzC4(nivel).elegirJugada(&vacio).x, 3u) << nivel;
}

TEST(JugadoresConcienzudos, GananOImpidenLaVictoriaInmediata)
{
    // Connect 4: JUGADOR2 holds (0..2, 5), JUGADOR1 (0..2, 4); both would win in column 3.
    tJuegoConecta4 c4(8, 6, JUGADOR2);
    jugar(c4, {0, 0, 1, 1, 2, 2});
    // Tic-tac-toe: JUGADOR2 holds (0, 0) and (1, 0), JUGADOR1 (0, 1) and (1, 1).
    tJuego3Raya tres(JUGADOR2);
    for (Casilla c : {Casilla{0, 0}, Casilla{0, 1}, Casilla{1, 0}, Casilla{1, 1}}) tres.jugar(c);
    // Connect 4: JUGADOR1 holds (0..2, 5) and wins in column 3 unless JUGADOR2 goes there first.
    tJuegoConecta4 bloqueo(8, 6, JUGADOR1);
    jugar(bloqueo, {0, 7, 1, 7, 2});
    for (int nivel : {1, 2, 3, 4, 5, 6}) {
        EXPECT_EQ(tJugConzC4(nivel).elegirJugada(&c4), (Casilla{3, 0})) << nivel;
        EXPECT_EQ(tJugConz3R(nivel).elegirJugada(&tres), (Casilla{2, 0})) << nivel;
        if (nivel >= 2) {
            EXPECT_EQ(tJugConzC4(nivel).elegirJugada(&bloqueo), (Casilla{3, 0})) << nivel;
        }
    }
}

TEST(JugadoresConcienzudos, DejanLaPartidaComoEstaba)
{
    std::vector<std::unique_ptr<tJuegoLogT2>> juegos;
    juegos.push_back(partidas::conecta4Tras(15, 3));
    juegos.push_back(partidas::oteloConDiscos(30, 3));
    juegos.push_back(partidas::oteloConPaseForzado(3));
    auto tres = partidas::tresEnRaya(JUGADOR2);
    tres->jugar({1, 1});
    juegos.push_back(std::move(tres));
    tJugConzC4 c4(6);
    tJugConzOt ot(6);
    tJugConz3R t3(6);
    tJugadorAutT2* jugadores[] = {&c4, &ot, &ot, &t3};
    for (std::size_t i = 0; i < juegos.size(); ++i) {
        const Foto antes = foto(*juegos[i]);
        const Casilla c = jugadores[i]->elegirJugada(juegos[i].get());
        EXPECT_TRUE(foto(*juegos[i]) == antes) << i;
        EXPECT_TRUE(juegos[i]->probar(c)) << i;
    }
}

TEST(ArbolJT2, GuardaSoloElCaminoYLiberaCadaCopia)
{
    // The whole tree of an empty Tic-tac-toe board to depth 6 has 79,209 nodes
    // below the root; the search keeps at most one brood of 9 per ply alive.
    for (int p = 1; p <= 9; ++p) {
        Espia::reiniciarCuentas();
        {
            Espia juego(JUGADOR2);
            ArbolJT2 arbol(&juego, p, evaluar3R);
            arbol.mejorJugada();
            EXPECT_EQ(Espia::vivas, 2) << "the game and the tree's copy of it";
        }
        EXPECT_EQ(Espia::vivas, 0);
        EXPECT_LE(Espia::maximo, 2 + 9 * p) << p;
        EXPECT_GT(Espia::copias, 0);
    }
}

}  // namespace
