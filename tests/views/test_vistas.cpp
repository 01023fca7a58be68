// The three views drawn on the recording canvas, whose text metrics are
// 8 px per character times points / 10 wide and 2 px per point high.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"
#include "platform/headless/LienzoGrabador.h"
#include "views/Utinterfazgraf3r.h"
#include "views/Utinterfazgrafc4.h"
#include "views/Utinterfazgrafot.h"

namespace {

using Posicion = std::pair<int, int>;

class Vistas : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(cargarImagenesJuegos(TABLEXO_BIN_DIR, error)) << error;
    }
    void TearDown() override { liberarImagenesJuegos(); }

    // The picture left at each position drawn on.
    static std::map<Posicion, std::string> imagenesPorPosicion(const LienzoGrabador& lienzo)
    {
        std::map<Posicion, std::string> porPosicion;
        for (const LlamadaLienzo& l : lienzo.llamadas(LlamadaLienzo::IMAGEN))
            porPosicion[{l.x, l.y}] = l.texto;  // a later picture covers an earlier one
        return porPosicion;
    }

    LienzoGrabador lienzo;
};

struct CasoTurno {
    const char* vista;
    std::function<std::unique_ptr<tInterfazGrafT2>(Lienzo*)> crearVista;
    std::function<std::unique_ptr<tJuegoLogT2>()> crearJuego;
    std::string texto;
    int x, y, puntos;
};

template <class Vista>
std::function<std::unique_ptr<tInterfazGrafT2>(Lienzo*)> vista()
{
    return [](Lienzo* l) { return std::make_unique<Vista>(l); };
}

std::function<std::unique_ptr<tJuegoLogT2>()> conecta4(Turno t)
{
    return [t] { return std::make_unique<tJuegoConecta4>(8, 6, t); };
}
std::function<std::unique_ptr<tJuegoLogT2>()> tresEnRaya(Turno t)
{
    return [t] { return std::make_unique<tJuego3Raya>(t); };
}
std::function<std::unique_ptr<tJuegoLogT2>()> otelo(Turno t)
{
    return [t] { return std::make_unique<tJuegoOtelo>(t); };
}

TEST_F(Vistas, StatusLineNamesTheSideToMoveCentredBelowTheBoard)
{
    // "Turno: Jugador 1" is measured without its four trailing spaces: 16
    // characters, so at 18 points 230 px wide and at 10 points 128 px.
    const std::string jugador = "Turno: Jugador 1    ";
    const std::string ordenador = "Turno: Ordenador";
    const CasoTurno casos[] = {
        {"C4", vista<tInterfazGrafC4>(), conecta4(JUGADOR1), jugador, 200 - 115, 300 + 18, 18},
        {"C4", vista<tInterfazGrafC4>(), conecta4(JUGADOR2), ordenador, 200 - 115, 300 + 18, 18},
        {"C4", vista<tInterfazGrafC4>(), conecta4(NINGUNO), ordenador, 200 - 115, 300 + 18, 18},
        {"3R", vista<tInterfazGraf3R>(), tresEnRaya(JUGADOR1), jugador, 225 - 64, 450 + 10, 10},
        {"3R", vista<tInterfazGraf3R>(), tresEnRaya(JUGADOR2), ordenador, 225 - 64, 450 + 10, 10},
        {"Ot", vista<tInterfazGrafOt>(), otelo(JUGADOR1), jugador, 184 - 64, 328 + 10, 10},
        {"Ot", vista<tInterfazGrafOt>(), otelo(JUGADOR2), ordenador, 184 - 64, 328 + 10, 10},
    };
    for (const CasoTurno& c : casos) {
        SCOPED_TRACE(std::string(c.vista) + " " + c.texto);
        lienzo.olvidar();
        auto juego = c.crearJuego();
        c.crearVista(&lienzo)->dibujar(juego.get());
        const auto textos = lienzo.llamadas(LlamadaLienzo::TEXTO);
        ASSERT_FALSE(textos.empty());
        const LlamadaLienzo& estado = textos.front();
        EXPECT_EQ(estado.texto, c.texto);
        EXPECT_EQ(estado.x, c.x);
        EXPECT_EQ(estado.y, c.y);
        EXPECT_EQ(estado.fuente, "Arial");
        EXPECT_EQ(estado.puntos, c.puntos);
        EXPECT_EQ(estado.color, COLOR_NEGRO);
        EXPECT_EQ(estado.pincel, COLOR_CARA_BOTON);
    }
}

TEST_F(Vistas, StatusStripIsClearedBeforeItsLinesAreWritten)
{
    // "Turno: Ordenador" and "Turno: Jugador 1" start at different x: without
    // clearing, the edge of the one drawn before shows beside the other.
    struct Caso {
        const char* vista;
        std::function<std::unique_ptr<tInterfazGrafT2>(Lienzo*)> crearVista;
        std::function<std::unique_ptr<tJuegoLogT2>()> crearJuego;
        int ancho, alto;
    };
    const Caso casos[] = {
        {"C4", vista<tInterfazGrafC4>(), conecta4(JUGADOR1), 400, 300},
        {"3R", vista<tInterfazGraf3R>(), tresEnRaya(JUGADOR2), 450, 450},
        {"Ot", vista<tInterfazGrafOt>(), otelo(JUGADOR1), 369, 328},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.vista);
        lienzo.olvidar();
        auto juego = c.crearJuego();
        c.crearVista(&lienzo)->dibujar(juego.get());
        const auto& llamadas = lienzo.llamadas();
        auto relleno = std::find_if(llamadas.begin(), llamadas.end(),
                                    [](const LlamadaLienzo& l) { return l.tipo == LlamadaLienzo::RELLENAR; });
        auto texto = std::find_if(llamadas.begin(), llamadas.end(),
                                  [](const LlamadaLienzo& l) { return l.tipo == LlamadaLienzo::TEXTO; });
        ASSERT_NE(relleno, llamadas.end());
        EXPECT_LT(relleno - llamadas.begin(), texto - llamadas.begin());
        EXPECT_EQ(std::make_pair(relleno->x, relleno->y), std::make_pair(0, c.alto));
        EXPECT_EQ(std::make_pair(relleno->ancho, relleno->alto), std::make_pair(c.ancho, 50));
        EXPECT_EQ(relleno->color, COLOR_CARA_BOTON);
    }
}

TEST_F(Vistas, FinishedGameNamesTheSideTheGameReports)
{
    // JUGADOR1 completes a row at the bottom: the game keeps its turn as the winner's.
    tJuegoConecta4 juego(8, 6, JUGADOR1);
    for (unsigned columna : {0u, 0u, 1u, 1u, 2u, 2u, 3u})
        juego.jugar({columna, 0});
    ASSERT_TRUE(juego.finJuego());
    tInterfazGrafC4(&lienzo).dibujar(&juego);
    EXPECT_EQ(lienzo.llamadas(LlamadaLienzo::TEXTO).front().texto, "Turno: Jugador 1    ");
}

TEST_F(Vistas, Conecta4DrawsEveryCellWithItsPicture)
{
    tJuegoConecta4 juego(8, 6, JUGADOR1);
    juego.jugar({3, 0});  // the person's piece falls to (3, 5)
    juego.jugar({3, 0});  // the computer's lands on it, at (3, 4)
    tInterfazGrafC4(&lienzo).dibujar(&juego);

    const auto imagenes = lienzo.llamadas(LlamadaLienzo::IMAGEN);
    ASSERT_EQ(imagenes.size(), 48u);
    const auto porPosicion = imagenesPorPosicion(lienzo);
    ASSERT_EQ(porPosicion.size(), 48u);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 6; ++y) {
            const std::string esperada = x == 3 && y == 5 ? "fichaA.bmp" : x == 3 && y == 4 ? "fichaB.bmp" : "fichaN.bmp";
            EXPECT_EQ(porPosicion.at({50 * x, 50 * y}), esperada) << x << "," << y;
        }
    for (const LlamadaLienzo& l : imagenes) {
        EXPECT_EQ(l.ancho, 50);
        EXPECT_EQ(l.alto, 50);
    }
}

TEST_F(Vistas, TresEnRayaDrawsThePersonsMoveAtTheCentre)
{
    tJuego3Raya juego(JUGADOR1);
    juego.jugar({1, 1});
    tInterfazGraf3R(&lienzo).dibujar(&juego);

    const auto porPosicion = imagenesPorPosicion(lienzo);
    ASSERT_EQ(lienzo.llamadas(LlamadaLienzo::IMAGEN).size(), 9u);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(porPosicion.at({150 * x, 150 * y}), x == 1 && y == 1 ? "3RA.bmp" : "3RN.bmp");
    EXPECT_EQ(lienzo.llamadas(LlamadaLienzo::TEXTO).front().texto, "Turno: Ordenador");
}

TEST_F(Vistas, OteloDrawsTheStartTheCountsAndThePassPictureOnTop)
{
    tJuegoOtelo juego(JUGADOR1);
    tInterfazGrafOt(&lienzo).dibujar(&juego);

    const auto imagenes = lienzo.llamadas(LlamadaLienzo::IMAGEN);
    ASSERT_EQ(imagenes.size(), 9u * 8u + 1u);
    // The pass picture is drawn last, over the top cell of the pass column.
    EXPECT_EQ(imagenes.back().texto, "OteloP.bmp");
    EXPECT_EQ(imagenes.back().x, 328);
    EXPECT_EQ(imagenes.back().y, 0);

    const std::map<Posicion, std::string> discos = {
        {{123, 123}, "OteloA.bmp"}, {{164, 164}, "OteloA.bmp"},
        {{164, 123}, "OteloB.bmp"}, {{123, 164}, "OteloB.bmp"}, {{328, 0}, "OteloP.bmp"}};
    const auto porPosicion = imagenesPorPosicion(lienzo);
    ASSERT_EQ(porPosicion.size(), 72u);
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 8; ++y) {
            const auto d = discos.find({41 * x, 41 * y});
            EXPECT_EQ(porPosicion.at({41 * x, 41 * y}), d == discos.end() ? "OteloN.bmp" : d->second);
        }

    // Counts: 13 characters at 10 points are 104 by 20 px; three half-heights below the board.
    const auto textos = lienzo.llamadas(LlamadaLienzo::TEXTO);
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_EQ(textos[1].texto, "J1: 02 J2: 02");
    EXPECT_EQ(textos[1].x, 184 - 52);
    EXPECT_EQ(textos[1].y, 328 + 30);
    EXPECT_EQ(textos[1].pincel, COLOR_CARA_BOTON);
}

TEST(LineaFichas, TwoDigitsForEachSide)
{
    EXPECT_EQ(lineaFichas(2, 2), "J1: 02 J2: 02");
    EXPECT_EQ(lineaFichas(9, 12), "J1: 09 J2: 12");
    EXPECT_EQ(lineaFichas(0, 64), "J1: 00 J2: 64");
    EXPECT_EQ(lineaFichas(10, 0), "J1: 10 J2: 00");
}

TEST_F(Vistas, OteloCountsFollowTheGame)
{
    tJuegoOtelo juego(JUGADOR1);
    juego.jugar({5, 3});  // turns (4, 3): 4 against 1
    tInterfazGrafOt(&lienzo).dibujar(&juego);
    EXPECT_EQ(lienzo.llamadas(LlamadaLienzo::TEXTO)[1].texto, "J1: 04 J2: 01");
}

TEST_F(Vistas, OteloViewGivenAnotherGameDrawsItWithoutCounts)
{
    tJuego3Raya juego(JUGADOR1);
    tInterfazGrafOt(&lienzo).dibujar(&juego);
    EXPECT_EQ(lienzo.llamadas(LlamadaLienzo::TEXTO).size(), 1u);
}

struct CasoPunto {
    const char* vista;
    std::function<std::unique_ptr<tInterfazGrafT2>(Lienzo*)> crearVista;
    unsigned px, py;
    Casilla esperada;
};

TEST(CasillaEn, MapsPointsToCells)
{
    const CasoPunto casos[] = {
        // Connect 4: columns only; the row is always 0, also in the status strip.
        {"C4", vista<tInterfazGrafC4>(), 0, 0, {0, 0}},
        {"C4", vista<tInterfazGrafC4>(), 49, 299, {0, 0}},
        {"C4", vista<tInterfazGrafC4>(), 50, 10, {1, 0}},
        {"C4", vista<tInterfazGrafC4>(), 150, 0, {3, 0}},
        {"C4", vista<tInterfazGrafC4>(), 199, 340, {3, 0}},
        {"C4", vista<tInterfazGrafC4>(), 399, 100, {7, 0}},
        {"C4", vista<tInterfazGrafC4>(), 400, 100, {8, 0}},
        // Tic-tac-toe.
        {"3R", vista<tInterfazGraf3R>(), 0, 0, {0, 0}},
        {"3R", vista<tInterfazGraf3R>(), 149, 149, {0, 0}},
        {"3R", vista<tInterfazGraf3R>(), 150, 150, {1, 1}},
        {"3R", vista<tInterfazGraf3R>(), 449, 449, {2, 2}},
        {"3R", vista<tInterfazGraf3R>(), 450, 0, {3, 0}},
        {"3R", vista<tInterfazGraf3R>(), 10, 470, {0, 3}},
        // Othello: the pass column is x = 8 wherever the point is in it.
        {"Ot", vista<tInterfazGrafOt>(), 0, 0, {0, 0}},
        {"Ot", vista<tInterfazGrafOt>(), 40, 41, {0, 1}},
        {"Ot", vista<tInterfazGrafOt>(), 327, 327, {7, 7}},
        {"Ot", vista<tInterfazGrafOt>(), 328, 0, {8, 0}},
        {"Ot", vista<tInterfazGrafOt>(), 368, 300, {8, 7}},
        {"Ot", vista<tInterfazGrafOt>(), 10, 340, {0, 8}},
    };
    LienzoGrabador lienzo;
    for (const CasoPunto& c : casos) {
        const Casilla obtenida = c.crearVista(&lienzo)->casillaEn(c.px, c.py);
        EXPECT_EQ(obtenida, c.esperada) << c.vista << " (" << c.px << ", " << c.py << ") gave (" << obtenida.x
                                        << ", " << obtenida.y << ")";
    }
}

}  // namespace
