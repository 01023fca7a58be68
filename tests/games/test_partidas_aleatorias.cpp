// Whole games of random legal moves, checked after every move against rules
// worked out here independently: lines, landing cells, captures and counts.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "ayudas.h"
#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"

using namespace ayudas;

namespace {

using Celdas = std::vector<Casilla>;

// Every cell of the matrix that the game accepts now.
Celdas validas(tJuegoLogT2& j)
{
    Celdas v;
    for (unsigned x = 0; x < j.numColumnas(); ++x)
        for (unsigned y = 0; y < j.numFilas(); ++y)
            if (j.probar({x, y})) v.push_back({x, y});
    return v;
}

// Whether 'largo' equal pieces stand in a row, column or diagonal of the first
// 'ancho' columns.
bool hayLinea(const tJuegoLogT2& j, int largo, int ancho)
{
    const int alto = static_cast<int>(j.numFilas());
    const int pasos[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (int x = 0; x < ancho; ++x)
        for (int y = 0; y < alto; ++y) {
            const Turno t = celda(j, unsigned(x), unsigned(y));
            if (t == NINGUNO) continue;
            for (const auto& p : pasos) {
                int k = 1;
                while (k < largo) {
                    const int cx = x + k * p[0], cy = y + k * p[1];
                    if (cx < 0 || cx >= ancho || cy < 0 || cy >= alto || celda(j, unsigned(cx), unsigned(cy)) != t) break;
                    ++k;
                }
                if (k == largo) return true;
            }
        }
    return false;
}

int cuenta(const tJuegoLogT2& j, Turno t)
{
    int n = 0;
    for (unsigned x = 0; x < j.numColumnas(); ++x)
        for (unsigned y = 0; y < j.numFilas(); ++y) n += celda(j, x, y) == t;
    return n;
}

// Plays one random game; 'comprobar' sees the position before and after each move.
void partida(tJuegoLogT2& j, std::mt19937& azar, const std::string& mensaje,
             const std::function<void(const Foto&, Casilla, tJuegoLogT2&)>& comprobar)
{
    for (int jugadas = 0; !j.finJuego(); ++jugadas) {
        ASSERT_LT(jugadas, 200);
        const Celdas v = validas(j);
        ASSERT_FALSE(v.empty()) << "a running game always has a move";
        // A random cell that is not a move is refused and changes nothing.
        const Casilla mala{unsigned(azar() % (j.numColumnas() + 1)), unsigned(azar() % (j.numFilas() + 1))};
        if (!j.probar(mala)) esperarRechazo(j, mala, mensaje);
        const Casilla c = v[azar() % v.size()];
        const Foto antes = foto(j);
        ASSERT_EQ(intentar(j, c), "");
        comprobar(antes, c, j);
        if (testing::Test::HasFatalFailure()) return;
    }
}

// The cells that changed from one picture to the other.
int cambios(const Foto& a, const Foto& b)
{
    int n = 0;
    for (std::size_t i = 0; i < a.celdas.size(); ++i) n += a.celdas[i] != b.celdas[i];
    return n;
}

TEST(PartidasAleatorias, TresEnRaya)
{
    std::mt19937 azar(3);
    int tablas = 0;
    for (int n = 0; n < 300; ++n) {
        tJuego3Raya j(n % 2 ? JUGADOR2 : JUGADOR1);
        partida(j, azar, "Error de juego.", [](const Foto& antes, Casilla c, tJuegoLogT2& g) {
            const Foto despues = foto(g);
            EXPECT_EQ(cambios(antes, despues), 1);
            EXPECT_EQ(celda(g, c.x, c.y), antes.turno);
            const bool lleno = cuenta(g, NINGUNO) == 0;
            EXPECT_EQ(g.finalizado(), hayLinea(g, 3, 3) || lleno);
            EXPECT_EQ(g.dameTurno(), g.finalizado() ? antes.turno : otroJugador(antes.turno));
        });
        tablas += !hayLinea(j, 3, 3);
    }
    EXPECT_GT(tablas, 0);
}

TEST(PartidasAleatorias, Conecta4)
{
    std::mt19937 azar(4);
    for (int n = 0; n < 150; ++n) {
        tJuegoConecta4 j(8, 6, n % 2 ? JUGADOR2 : JUGADOR1);
        partida(j, azar, "Error de juego: La columna esta llena.", [](const Foto& antes, Casilla c, tJuegoLogT2& g) {
            EXPECT_EQ(c.y, 0u);
            EXPECT_EQ(cambios(antes, foto(g)), 1);
            // Every column is an unbroken run from the bottom, and the new piece is on top of its own.
            for (unsigned x = 0; x < 8; ++x) {
                unsigned y = 6;
                while (y > 0 && celda(g, x, y - 1) != NINGUNO) --y;
                for (unsigned arriba = 0; arriba < y; ++arriba) EXPECT_EQ(celda(g, x, arriba), NINGUNO);
                if (x == c.x) {
                    ASSERT_LT(y, 6u);
                    EXPECT_EQ(celda(g, x, y), antes.turno);
                }
            }
            EXPECT_EQ(g.finalizado(), hayLinea(g, 4, 8) || cuenta(g, NINGUNO) == 0);
            EXPECT_EQ(g.dameTurno(), g.finalizado() ? antes.turno : otroJugador(antes.turno));
        });
    }
}

// The discs a disc of 'quien' at (x, y) turns, worked out directly.
Celdas volteadas(const tJuegoLogT2& j, unsigned x, unsigned y, Turno quien)
{
    Celdas todas;
    if (celda(j, x, y) != NINGUNO) return todas;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            Celdas linea;
            int cx = int(x) + dx, cy = int(y) + dy;
            while (cx >= 0 && cx < 8 && cy >= 0 && cy < 8 && celda(j, unsigned(cx), unsigned(cy)) == otroJugador(quien)) {
                linea.push_back({unsigned(cx), unsigned(cy)});
                cx += dx;
                cy += dy;
            }
            if (cx >= 0 && cx < 8 && cy >= 0 && cy < 8 && celda(j, unsigned(cx), unsigned(cy)) == quien)
                todas.insert(todas.end(), linea.begin(), linea.end());
        }
    return todas;
}

// Checks the end of an Othello game and what a finished game still accepts.
void comprobarFinalOtelo(tJuegoOtelo& j, bool porPases)
{
    const Turno ganador = j.fichasJ1() > j.fichasJ2() ? JUGADOR1 : JUGADOR2;
    EXPECT_EQ(j.dameTurno(), ganador);
    const Celdas v = validas(j);
    ASSERT_FALSE(v.empty());
    for (Casilla c : v) EXPECT_EQ(c.x, COLUMNA_PASAR) << "only the pass after the end";
    std::unique_ptr<tJuegoLogT2> copia(j.clonar());
    copia->jugar({COLUMNA_PASAR, 0});
    EXPECT_TRUE(copia->finalizado());
    if (porPases) {
        EXPECT_EQ(copia->dameTurno(), ganador);  // the pass flag is still set: it names the winner again
    } else {
        EXPECT_EQ(copia->dameTurno(), otroJugador(ganador));  // a first pass hands the turn over
        copia->jugar({COLUMNA_PASAR, 0});
        EXPECT_EQ(copia->dameTurno(), ganador);
    }
}

TEST(PartidasAleatorias, Otelo)
{
    std::mt19937 azar(5);
    int porTableroLleno = 0, porPases = 0;
    for (int n = 0; n < 120; ++n) {
        tJuegoOtelo j(n % 2 ? JUGADOR2 : JUGADOR1);
        bool pasado = false, ultimaFuePase = false;
        partida(j, azar, "Error de juego.", [&](const Foto& antes, Casilla c, tJuegoLogT2& g) {
            auto& o = static_cast<tJuegoOtelo&>(g);
            if (c.x == COLUMNA_PASAR) {
                // The pass was accepted, so no disc move existed.
                tJuegoOtelo previo(antes.turno);
                for (unsigned x = 0; x < 8; ++x)
                    for (unsigned y = 0; y < 8; ++y)
                        previo.dameTablero()->escribir(x, y, antes.celdas[y * 9 + x]);
                for (unsigned x = 0; x < 8; ++x)
                    for (unsigned y = 0; y < 8; ++y) EXPECT_TRUE(volteadas(previo, x, y, antes.turno).empty());
                EXPECT_EQ(cambios(antes, foto(g)), 0);
                EXPECT_EQ(g.finalizado(), pasado);
                pasado = ultimaFuePase = true;
            } else {
                EXPECT_EQ(antes.celdas[c.y * 9 + c.x], NINGUNO);
                pasado = ultimaFuePase = false;
            }
            EXPECT_EQ(o.fichasJ1(), cuenta(g, JUGADOR1));
            EXPECT_EQ(o.fichasJ2(), cuenta(g, JUGADOR2));
            for (unsigned y = 0; y < 8; ++y) EXPECT_EQ(celda(g, COLUMNA_PASAR, y), NINGUNO);
            if (!g.finalizado()) {
                EXPECT_EQ(g.dameTurno(), otroJugador(antes.turno));
            }
        });
        if (testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(j.fichasJ1() + j.fichasJ2() + cuenta(j, NINGUNO) - 8, 64);  // the pass column holds 8 empty cells
        ultimaFuePase ? ++porPases : ++porTableroLleno;
        comprobarFinalOtelo(j, ultimaFuePase);
    }
    EXPECT_GT(porTableroLleno, 0);
}

// Each disc move turns exactly the discs worked out directly, and the legal
// disc moves are exactly the cells that turn something.
TEST(PartidasAleatorias, OteloCapturasComoLasCalculadasAparte)
{
    std::mt19937 azar(6);
    for (int n = 0; n < 60; ++n) {
        tJuegoOtelo j(JUGADOR1);
        while (!j.finJuego()) {
            const Turno quien = j.dameTurno();
            Celdas discos;
            for (unsigned x = 0; x < 8; ++x)
                for (unsigned y = 0; y < 8; ++y) {
                    const bool captura = !volteadas(j, x, y, quien).empty();
                    ASSERT_EQ(j.probar({x, y}), captura) << x << ", " << y;
                    if (captura) discos.push_back({x, y});
                }
            ASSERT_EQ(j.probar({COLUMNA_PASAR, 0}), discos.empty());
            if (discos.empty()) {
                j.jugar({COLUMNA_PASAR, 0});
                continue;
            }
            const Casilla c = discos[azar() % discos.size()];
            const Celdas vuelven = volteadas(j, c.x, c.y, quien);
            Foto esperada = foto(j);
            esperada.celdas[c.y * 9 + c.x] = quien;
            for (Casilla v : vuelven) esperada.celdas[v.y * 9 + v.x] = quien;
            const int antes1 = j.fichasJ1(), antes2 = j.fichasJ2();
            j.jugar(c);
            ASSERT_EQ(foto(j).celdas, esperada.celdas);
            const int delta = static_cast<int>(vuelven.size());
            EXPECT_EQ(j.fichasJ1() - antes1, quien == JUGADOR1 ? delta + 1 : -delta);
            EXPECT_EQ(j.fichasJ2() - antes2, quien == JUGADOR2 ? delta + 1 : -delta);
        }
    }
}

}  // namespace
