// Connect 4: where pieces land, full columns, four in a line in every
// direction and place, the full board, and what happens after the end.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "ayudas.h"
#include "games/Utjuegoconecta4.h"

using namespace ayudas;

namespace {

const std::string MENSAJE = "Error de juego: La columna esta llena.";
constexpr unsigned ANCHO = 8;
constexpr unsigned ALTO = 6;

// The moves that drop pieces in the given columns, in order.
std::vector<Casilla> columnas(const std::vector<unsigned>& cs)
{
    std::vector<Casilla> v;
    for (unsigned c : cs) v.push_back({c, 0});
    return v;
}

TEST(Conecta4, LasPiezasCaenAlFondoYLaColumnaSeLlena)
{
    tJuegoConecta4 j(ANCHO, ALTO, JUGADOR1);
    EXPECT_EQ(j.numColumnas(), 8u);
    EXPECT_EQ(j.numFilas(), 6u);
    j.jugar({3, 0});
    EXPECT_EQ(celda(j, 3, 5), JUGADOR1);
    EXPECT_EQ(j.dameTurno(), JUGADOR2);
    j.jugar({3, 0});
    EXPECT_EQ(celda(j, 3, 4), JUGADOR2);
    for (int i = 0; i < 4; ++i) j.jugar({3, 0});
    EXPECT_EQ(dibujo(j), unir({"...O....", "...X....", "...O....", "...X....", "...O....", "...X...."}));
    EXPECT_FALSE(j.finJuego());
    esperarRechazo(j, {3, 0}, MENSAJE);
    EXPECT_TRUE(j.probar({2, 0}));
}

TEST(Conecta4, SoloLaFilaDeArribaDeUnaColumnaAbiertaEsJugada)
{
    tJuegoConecta4 j(ANCHO, ALTO, JUGADOR2);
    for (unsigned x = 0; x < ANCHO; ++x) {
        EXPECT_TRUE(j.probar({x, 0}));
        for (unsigned y = 1; y < ALTO; ++y) EXPECT_FALSE(j.probar({x, y}));
    }
    const std::vector<Casilla> malas = {{3, 2}, {3, 5}, {8, 0}, {UINT_MAX, 0}, {0, UINT_MAX}, {9, 9}};
    for (Casilla c : malas) esperarRechazo(j, c, MENSAJE);
}

// Every place a line of four fits on the board, in each of the four directions.
struct Direccion {
    const char* nombre;
    int dx, dy;
};
const Direccion DIRECCIONES[] = {{"vertical", 0, 1}, {"horizontal", 1, 0}, {"ascendente", 1, -1}, {"descendente", 1, 1}};

TEST(Conecta4, CuatroEnLineaEnCualquierSitioYDireccion)
{
    int lineas = 0;
    for (const Direccion& d : DIRECCIONES)
        for (int x0 = 0; x0 < int(ANCHO); ++x0)
            for (int y0 = 0; y0 < int(ALTO); ++y0) {
                const int x3 = x0 + 3 * d.dx, y3 = y0 + 3 * d.dy;
                if (x3 < 0 || x3 >= int(ANCHO) || y3 < 0 || y3 >= int(ALTO)) continue;
                SCOPED_TRACE(std::string(d.nombre) + " desde " + std::to_string(x0) + ", " + std::to_string(y0));
                ++lineas;
                for (Turno quien : {JUGADOR1, JUGADOR2}) {
                    // Three of the four cells, with the fourth empty or the other side's, end nothing.
                    for (Turno cuarta : {NINGUNO, otroJugador(quien), quien}) {
                        tJuegoConecta4 j(ANCHO, ALTO, JUGADOR1);
                        for (int k = 0; k < 4; ++k)
                            j.dameTablero()->escribir(unsigned(x0 + k * d.dx), unsigned(y0 + k * d.dy),
                                                      k == 2 ? cuarta : quien);
                        EXPECT_EQ(j.finJuego(), cuarta == quien);
                    }
                }
            }
    EXPECT_EQ(lineas, 8 * 3 + 6 * 5 + 5 * 3 + 5 * 3);  // vertical, horizontal, both diagonals
}

TEST(Conecta4, TableroVacioOConTresNoTermina)
{
    tJuegoConecta4 j(ANCHO, ALTO, JUGADOR1);
    EXPECT_FALSE(j.finJuego());
    ponerDibujo(j, {"XXX.XXX.", "O.O.O.O.", "X.XX.XX.", "OO.OO.OO", "XX.XXOXX", "XXXOXXXO"});
    EXPECT_FALSE(j.finJuego());
}

// Four-in-a-line games through play, the first mover making the line.
struct Partida {
    const char* nombre;
    std::vector<unsigned> columnas;
    std::vector<std::string> final;  // the board at the end, the first mover as X
};

const std::vector<Partida> PARTIDAS = {
    {"horizontal", {0, 0, 1, 1, 2, 2, 3},
     {"........", "........", "........", "........", "OOO.....", "XXXX...."}},
    {"vertical", {2, 3, 2, 3, 2, 3, 2},
     {"........", "........", "..X.....", "..XO....", "..XO....", "..XO...."}},
    {"ascendente", {0, 1, 1, 2, 3, 2, 2, 3, 5, 3, 3},
     {"........", "........", "...X....", "..XO....", ".XOO....", "XOOX.X.."}},
    {"descendente", {3, 2, 2, 1, 0, 1, 1, 0, 7, 0, 0},
     {"........", "........", "X.......", "OX......", "OOX.....", "XOOX...X"}},
};

TEST(Conecta4, CuatroEnLineaJugandoGanaQuienLaHace)
{
    for (const Partida& p : PARTIDAS) {
        for (Turno empieza : {JUGADOR1, JUGADOR2}) {
            SCOPED_TRACE(std::string(p.nombre) + (empieza == JUGADOR1 ? ", empieza 1" : ", empieza 2"));
            tJuegoConecta4 j(ANCHO, ALTO, empieza);
            jugarTodas(j, columnas(p.columnas));
            EXPECT_TRUE(j.finJuego());
            EXPECT_TRUE(j.finalizado());
            EXPECT_EQ(j.dameTurno(), empieza);
            EXPECT_EQ(dibujo(j), unir(empieza == JUGADOR1 ? p.final : cambiarLados(p.final)));
        }
    }
}

// A filling of the whole board with no four in a line: the colour of (x, y)
// follows (x / 2 + y) % 2, and the rows fill from the bottom.
std::vector<Casilla> llenadoSinLinea()
{
    std::vector<Casilla> v;
    for (unsigned y = ALTO; y-- > 0;) {
        std::vector<unsigned> primero, segundo;
        for (unsigned x = 0; x < ANCHO; ++x) ((x / 2 + y) % 2 == 0 ? primero : segundo).push_back(x);
        for (std::size_t i = 0; i < primero.size(); ++i) {
            v.push_back({primero[i], 0});
            v.push_back({segundo[i], 0});
        }
    }
    return v;
}

TEST(Conecta4, TableroLlenoSinLineaLoGanaQuienNoEmpezo)
{
    for (Turno empieza : {JUGADOR1, JUGADOR2}) {
        tJuegoConecta4 j(ANCHO, ALTO, empieza);
        const std::vector<Casilla> jugadas = llenadoSinLinea();
        ASSERT_EQ(jugadas.size(), 48u);
        jugarTodas(j, jugadas);
        EXPECT_TRUE(j.finJuego());
        EXPECT_TRUE(j.finalizado());
        EXPECT_EQ(j.dameTurno(), otroJugador(empieza));
        for (unsigned x = 0; x < ANCHO; ++x) esperarRechazo(j, {x, 0}, MENSAJE);
    }
}

TEST(Conecta4, LaCopiaLlevaLasCasillasLibres)
{
    const std::vector<Casilla> jugadas = llenadoSinLinea();
    tJuegoConecta4 j(ANCHO, ALTO, JUGADOR2);
    jugarTodas(j, std::vector<Casilla>(jugadas.begin(), jugadas.end() - 1));
    std::unique_ptr<tJuegoLogT2> copia(j.clonar());
    copia->jugar(jugadas.back());  // the copy knows this fills its board
    EXPECT_TRUE(copia->finalizado());
    EXPECT_EQ(copia->dameTurno(), JUGADOR1);
    EXPECT_FALSE(j.finalizado());
}

TEST(Conecta4, DespuesDelFinalLaColumnaAbiertaSigueValiendo)
{
    tJuegoConecta4 j(ANCHO, ALTO, JUGADOR1);
    jugarTodas(j, columnas(PARTIDAS[1].columnas));
    ASSERT_TRUE(j.finalizado());
    EXPECT_TRUE(j.probar({5, 0}));
    j.jugar({5, 0});
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR1);
    EXPECT_EQ(celda(j, 5, 5), JUGADOR1);
}

TEST(Conecta4, OtrasMedidasDeTablero)
{
    tJuegoConecta4 j(4, 4, JUGADOR1);  // sixteen moves and no line
    jugarTodas(j, columnas({0, 1, 2, 3, 0, 1, 2, 3, 1, 0, 3, 2, 1, 0, 3, 2}));
    EXPECT_TRUE(j.finalizado());
    EXPECT_EQ(j.dameTurno(), JUGADOR2);
    EXPECT_EQ(dibujo(j), unir({"OXOX", "OXOX", "XOXO", "XOXO"}));
}

}  // namespace
