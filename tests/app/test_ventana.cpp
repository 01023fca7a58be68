// The window driven through its menus, clicks and close box on the headless
// platform: menu choices, whole matches, messages, undo, and the window tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Ufabrica.h"
#include "app/Upartidaguardada.h"
#include "platform/Aplicacion.h"
#include "support/Uerrores.h"
#include "tests/app/Ayudas.h"

namespace {

using I = InspectorTForm1;

const std::string SELECCIONAR = "Debe seleccionar el juego y el jugador antes de continuar.";
const std::string GANADO = "¡Felicidades! ¡Ha ganado!";
const std::string PERDIDO = "Oooh, ¡ha perdido!";

JugadaGuion en(unsigned x, unsigned y) { return {JugadaGuion::Tipo::CASILLA, {x, y}}; }

class Ventana : public ::testing::Test {
protected:
    void SetUp() override { simulacion::reiniciar(); }
    void TearDown() override { Aplicacion::procesarPendientes(); }

    void elegir(ElementoMenu& juego, ElementoMenu& jugador)
    {
        simulacion::pulsarMenu(juego);
        simulacion::pulsarMenu(jugador);
    }

    // A fresh match of juego against jugador with the person first, and a clean record.
    void empezar(ElementoMenu& juego, ElementoMenu& jugador)
    {
        elegir(juego, jugador);
        simulacion::pulsarMenu(f.Usuario1);
        ASSERT_TRUE(I::enPartida(f));
        simulacion::reiniciar();
    }

    std::string tablero() { return dibujo(*I::juegoActual(f)); }

    VentanaPrueba f;
};

TEST_F(Ventana, StartsWithItsDesignAndMenu)
{
    EXPECT_EQ(f.titulo(), "Tablexo");
    EXPECT_EQ(f.anchoCliente(), 363);
    EXPECT_EQ(f.altoCliente(), 331);
    EXPECT_EQ(f.izquierda(), 238);
    EXPECT_EQ(f.arriba(), 145);
    EXPECT_FALSE(f.Guardar1.habilitado());
    EXPECT_FALSE(I::enPartida(f));
    EXPECT_EQ(f.OpenDlg.filtro, "Ficheros de juego (*.jt2)|*.JT2");
    EXPECT_EQ(f.SaveDlg.filtro, "Ficheros binarios (*.jt2)|*.JT2");
    EXPECT_EQ(f.SaveDlg.extensionPorDefecto, "jt2");

    std::vector<std::string> arriba;
    for (const ElementoMenu* e : f.MainMenu1.elementos()) arriba.push_back(e->titulo());
    EXPECT_EQ(arriba, (std::vector<std::string>{"&Juego", "J&ugador", "&Partida", "&Otra Ventana", "&Salir"}));
    // Every command hangs where a person looks for it.
    const std::vector<std::vector<std::string>> rutas = {
        {"&Juego", "&Conecta 4"},        {"&Juego", "&Tres en Raya"},      {"&Juego", "&Otello"},
        {"J&ugador", "&Aleatorio"},      {"J&ugador", "&Concienzudo", "&Bajo"},
        {"J&ugador", "&Concienzudo", "&Medio"}, {"J&ugador", "&Concienzudo", "&Alto"},
        {"&Partida", "&Iniciar", "&Usuario"}, {"&Partida", "&Iniciar", "&Ordenador"},
        {"&Partida", "&Guardar"},        {"&Partida", "Guardar &Como"},    {"&Partida", "&Cargar"},
        {"&Partida", "&Deshacer"},
    };
    for (const auto& ruta : rutas) {
        const ElementoMenu* e = f.MainMenu1.buscar(ruta);
        ASSERT_NE(e, nullptr) << ruta.back();
        EXPECT_TRUE(e->alPulsar) << ruta.back();
    }
}

TEST_F(Ventana, StartingNeedsBothAGameAndAnOpponent)
{
    struct Caso {
        const char* nombre;
        bool juego, jugador;
    };
    for (const Caso c : {Caso{"nothing", false, false}, Caso{"only a game", true, false},
                         Caso{"only an opponent", false, true}}) {
        for (ElementoMenu VentanaPrueba::*iniciar : {&VentanaPrueba::Usuario1, &VentanaPrueba::Ordenador1}) {
            VentanaPrueba v;
            if (c.juego) simulacion::pulsarMenu(v.TresenRaya1);
            if (c.jugador) simulacion::pulsarMenu(v.Bajo1);
            simulacion::reiniciar();
            simulacion::pulsarMenu(v.*iniciar);
            EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{SELECCIONAR}) << c.nombre;
            EXPECT_EQ(simulacion::numPausas(), 0) << c.nombre;
            EXPECT_FALSE(I::enPartida(v)) << c.nombre;
            EXPECT_EQ(v.titulo(), "Tablexo") << c.nombre;
            EXPECT_EQ(v.anchoCliente(), 363) << c.nombre;
        }
    }
}

TEST_F(Ventana, OpponentChoicesSetKindAndLevel)
{
    simulacion::pulsarMenu(f.Medio1);
    EXPECT_EQ(I::tipoJugador(f), JUGADOR_CONCIENZUDO);
    EXPECT_EQ(I::nivelJugador(f), 4);
    simulacion::pulsarMenu(f.Aleatorio1);
    EXPECT_EQ(I::tipoJugador(f), JUGADOR_ALEATORIO);
    EXPECT_EQ(I::nivelJugador(f), 4);
    simulacion::pulsarMenu(f.Bajo1);
    EXPECT_EQ(I::nivelJugador(f), 2);
    simulacion::pulsarMenu(f.Alto1);
    EXPECT_EQ(I::nivelJugador(f), 6);
    EXPECT_TRUE(simulacion::mensajes().empty());
}

// ---- whole matches ----

struct Enfrentamiento {
    const char* nombre;
    int juego;
    ElementoMenu VentanaPrueba::*menuJuego;
    ElementoMenu VentanaPrueba::*menuJugador;
    const char* titulo;
    int ancho, alto;
};

void PrintTo(const Enfrentamiento& e, std::ostream* os) { *os << e.nombre; }

class PartidaCompleta : public Ventana, public ::testing::WithParamInterface<Enfrentamiento> {};

TEST_P(PartidaCompleta, RunsToTheEndWithOneEndMessage)
{
    const Enfrentamiento& e = GetParam();
    empezar(f.*e.menuJuego, f.*e.menuJugador);
    EXPECT_EQ(f.titulo(), e.titulo);
    EXPECT_EQ(f.anchoCliente(), e.ancho);
    EXPECT_EQ(f.altoCliente(), e.alto);

    const int clics = jugarHastaElFinal(f);
    tJuegoLogT2* juego = I::juegoActual(f);
    ASSERT_TRUE(juego->finJuego()) << tablero();

    const std::vector<Casilla> historial = I::historial(f);
    const int respuestas = static_cast<int>(historial.size()) - clics;
    EXPECT_GE(respuestas, clics - 1);
    EXPECT_LE(respuestas, clics);
    EXPECT_EQ(simulacion::numPausas(), respuestas);
    EXPECT_EQ(simulacion::msPausados(), 1000 * respuestas);
    EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{juego->dameTurno() == JUGADOR1 ? GANADO : PERDIDO});

    // The history is the match: replayed from the start it is legal and ends where the board is.
    PartidaGuardada p;
    p.tipoJuego = static_cast<std::uint8_t>(e.juego);
    p.tipoJugador = static_cast<std::uint8_t>(I::tipoJugador(f));
    p.nivelJugador = static_cast<std::int8_t>(I::nivelJugador(f));
    p.primerTurno = JUGADOR1;
    p.jugadas = historial;
    const LecturaPartida l = leerPartida(codificarPartida(p));
    EXPECT_TRUE(l.aceptada) << l.motivo;

    // Once it is over, clicks change nothing and say nothing.
    simulacion::reiniciar();
    const std::string final = tablero();
    pulsarCasilla(f, {0, 0});
    EXPECT_EQ(tablero(), final);
    EXPECT_EQ(I::historial(f).size(), historial.size());
    EXPECT_TRUE(simulacion::sucesos().empty());
}

INSTANTIATE_TEST_SUITE_P(
    TodosLosJuegos, PartidaCompleta,
    ::testing::Values(
        Enfrentamiento{"Conecta4Aleatorio", JUEGO_CONECTA4, &VentanaPrueba::Conecta41, &VentanaPrueba::Aleatorio1, "Tablexo - Conecta 4", 400, 350},
        Enfrentamiento{"Conecta4Bajo", JUEGO_CONECTA4, &VentanaPrueba::Conecta41, &VentanaPrueba::Bajo1, "Tablexo - Conecta 4", 400, 350},
        Enfrentamiento{"TresEnRayaAleatorio", JUEGO_3RAYA, &VentanaPrueba::TresenRaya1, &VentanaPrueba::Aleatorio1, "Tablexo - Tres en Raya", 450, 500},
        Enfrentamiento{"TresEnRayaAlto", JUEGO_3RAYA, &VentanaPrueba::TresenRaya1, &VentanaPrueba::Alto1, "Tablexo - Tres en Raya", 450, 500},
        Enfrentamiento{"OteloAleatorio", JUEGO_OTELO, &VentanaPrueba::Otello1, &VentanaPrueba::Aleatorio1, "Tablexo - Otelo", 369, 378},
        Enfrentamiento{"OteloBajo", JUEGO_OTELO, &VentanaPrueba::Otello1, &VentanaPrueba::Bajo1, "Tablexo - Otelo", 369, 378}),
    [](const ::testing::TestParamInfo<Enfrentamiento>& i) { return std::string(i.param.nombre); });

TEST_F(Ventana, AnnouncesWhoWonByTheSideTheGameNames)
{
    struct Caso {
        std::vector<Casilla> persona;
        std::deque<JugadaGuion> ordenador;
        std::string mensaje;
    };
    const Caso casos[] = {
        // The person completes the top row.
        {{{0, 0}, {1, 0}, {2, 0}}, {en(0, 1), en(1, 1)}, GANADO},
        // The computer completes the middle row.
        {{{0, 0}, {1, 0}, {2, 2}}, {en(0, 1), en(1, 1), en(2, 1)}, PERDIDO},
        // A full board without a line: the side that filled it is named.
        {{{0, 0}, {2, 0}, {1, 2}, {0, 1}, {2, 2}},
         {en(1, 0), en(1, 1), en(0, 2), en(2, 1)},
         GANADO},
    };
    for (const Caso& c : casos) {
        VentanaPrueba v;
        v.guionOrdenador = c.ordenador;
        simulacion::pulsarMenu(v.TresenRaya1);
        simulacion::pulsarMenu(v.Bajo1);
        simulacion::pulsarMenu(v.Usuario1);
        simulacion::reiniciar();
        for (const Casilla& jugada : c.persona) pulsarCasilla(v, jugada);
        EXPECT_TRUE(I::juegoActual(v)->finJuego()) << c.mensaje;
        EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{c.mensaje});
    }
}

// ---- clicks ----

TEST_F(Ventana, ClicksAreIgnoredWithoutARunningMatch)
{
    pulsarCasilla(f, {0, 0});
    EXPECT_TRUE(simulacion::sucesos().empty());

    empezar(f.Conecta41, f.Aleatorio1);
    pulsarCasilla(f, {3, 0});
    const std::size_t jugadas = I::historial(f).size();
    simulacion::pulsarMenu(f.Otello1);  // stops the match
    simulacion::reiniciar();
    pulsarCasilla(f, {3, 0});
    EXPECT_TRUE(simulacion::sucesos().empty());
    EXPECT_EQ(I::historial(f).size(), jugadas);
}

TEST_F(Ventana, EachErrorOfAClickHasItsMessage)
{
    struct Caso {
        const char* mensaje;
        std::function<void()> falloInterfaz;
        std::deque<JugadaGuion> ordenador;
        Casilla clic;
        bool jugadaAplicada;  // the person's move stays made
    };
    const Caso casos[] = {
        {"Error de interfaz.", [] { throw EInterfaz(); }, {}, {1, 1}, false},
        {"Movimiento no válido.", nullptr, {}, {0, 3}, false},  // the strip below the board
        {"Error del jugador.", nullptr, {JugadaGuion{JugadaGuion::Tipo::EJUGADOR, {}}}, {1, 1}, true},
        {"Haga clic dentro de los limites del tablero.", [] { throw ErrRango(); }, {}, {1, 1}, false},
    };
    for (const Caso& c : casos) {
        VentanaPrueba v;
        v.falloInterfaz = c.falloInterfaz;
        v.guionOrdenador = c.ordenador;
        simulacion::pulsarMenu(v.TresenRaya1);
        simulacion::pulsarMenu(v.Aleatorio1);
        simulacion::pulsarMenu(v.Usuario1);
        simulacion::reiniciar();
        pulsarCasilla(v, c.clic);
        EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{c.mensaje});
        EXPECT_EQ(simulacion::numPausas(), 0) << c.mensaje;
        // The undo position was taken before the error: it is the position before the click.
        EXPECT_EQ(dibujo(*I::juegoAnterior(v)), "...\n...\n...\n") << c.mensaje;
        EXPECT_EQ(I::historial(v).size(), c.jugadaAplicada ? 1u : 0u) << c.mensaje;
        if (c.jugadaAplicada) {
            // The computer could not answer: its turn stays, and the person's clicks are ignored.
            EXPECT_EQ(I::juegoActual(v)->dameTurno(), JUGADOR2);
            simulacion::reiniciar();
            pulsarCasilla(v, {0, 0});
            EXPECT_TRUE(simulacion::sucesos().empty());
        }
    }
}

TEST_F(Ventana, AClickOutsideTheClientAreaIsAnInvalidMove)
{
    empezar(f.Conecta41, f.Aleatorio1);
    simulacion::soltarRaton(f, -5, 20);
    simulacion::soltarRaton(f, 400, 20);
    EXPECT_EQ(simulacion::mensajes(), (std::vector<std::string>{"Movimiento no válido.", "Movimiento no válido."}));
    EXPECT_TRUE(I::historial(f).empty());
}

TEST_F(Ventana, TheComputerOpensWithOrdenador)
{
    f.guionOrdenador = {en(4, 0)};
    elegir(f.Conecta41, f.Medio1);
    simulacion::reiniciar();
    simulacion::pulsarMenu(f.Ordenador1);
    EXPECT_EQ(I::primerTurno(f), JUGADOR2);
    EXPECT_EQ(I::historial(f), (std::vector<Casilla>{{4, 0}}));
    EXPECT_EQ(tablero().substr(5 * 9), "....B...\n");
    EXPECT_EQ(I::juegoActual(f)->dameTurno(), JUGADOR1);
    ASSERT_EQ(simulacion::sucesos().size(), 1u);
    EXPECT_EQ(simulacion::sucesos()[0].tipo, Suceso::Tipo::PAUSA);
    EXPECT_EQ(simulacion::sucesos()[0].ms, 1000);
    // The last drawing shows the computer's piece: the person's turn.
    const auto textos = f.grabador().llamadas(LlamadaLienzo::TEXTO);
    ASSERT_FALSE(textos.empty());
    EXPECT_EQ(textos.back().texto, "Turno: Jugador 1    ");

    pulsarCasilla(f, {4, 0});
    EXPECT_EQ(I::historial(f).front(), (Casilla{4, 0}));
    EXPECT_EQ(I::historial(f)[1], (Casilla{4, 0}));
}

TEST_F(Ventana, TheComputerRetriesAMoveTheGameRefuses)
{
    f.guionOrdenador = {en(1, 1), en(1, 1), en(7, 7), en(2, 2)};  // taken, taken, outside, then good
    empezar(f.TresenRaya1, f.Aleatorio1);
    pulsarCasilla(f, {1, 1});
    EXPECT_EQ(I::historial(f), (std::vector<Casilla>{{1, 1}, {2, 2}}));
    EXPECT_TRUE(simulacion::mensajes().empty());
    EXPECT_EQ(simulacion::numPausas(), 1);
}

// ---- undo ----

TEST_F(Ventana, DeshacerTakesBackTheLastExchangeAndTwiceRestoresIt)
{
    f.guionOrdenador = {en(3, 0), en(4, 0)};
    empezar(f.Conecta41, f.Bajo1);
    const std::string inicio = tablero();
    simulacion::pulsarMenu(f.Deshacer1);  // right after the start: the same starting position
    EXPECT_EQ(tablero(), inicio);

    pulsarCasilla(f, {2, 0});
    const std::string trasPrimera = tablero();
    pulsarCasilla(f, {2, 0});
    const std::string trasSegunda = tablero();
    const std::vector<Casilla> historial = I::historial(f);
    ASSERT_EQ(historial.size(), 4u);

    simulacion::pulsarMenu(f.Deshacer1);
    EXPECT_EQ(tablero(), trasPrimera);
    EXPECT_EQ(I::historial(f), std::vector<Casilla>(historial.begin(), historial.begin() + 2));
    EXPECT_EQ(I::juegoActual(f)->dameTurno(), JUGADOR1);

    simulacion::pulsarMenu(f.Deshacer1);
    EXPECT_EQ(tablero(), trasSegunda);
    EXPECT_EQ(I::historial(f), historial);
    EXPECT_TRUE(simulacion::mensajes().empty());
}

TEST_F(Ventana, DeshacerAfterTheEndLetsPlayGoOn)
{
    f.guionOrdenador = {en(0, 1), en(1, 1)};
    empezar(f.TresenRaya1, f.Bajo1);
    for (const Casilla c : {Casilla{0, 0}, Casilla{1, 0}, Casilla{2, 0}}) pulsarCasilla(f, c);
    ASSERT_TRUE(I::juegoActual(f)->finJuego());
    simulacion::pulsarMenu(f.Deshacer1);
    EXPECT_FALSE(I::juegoActual(f)->finJuego());
    EXPECT_EQ(I::historial(f).size(), 4u);
    pulsarCasilla(f, {2, 2});
    EXPECT_EQ(I::historial(f).size(), 6u);
}

// ---- choices during a match ----

TEST_F(Ventana, ChoosingDuringAMatchClearsTheBoardButKeepsCaptionAndSize)
{
    empezar(f.Conecta41, f.Aleatorio1);
    pulsarCasilla(f, {3, 0});
    f.grabador().olvidar();
    simulacion::pulsarMenu(f.TresenRaya1);
    EXPECT_FALSE(I::enPartida(f));
    EXPECT_EQ(I::nombreFichero(f), "");
    ASSERT_EQ(f.grabador().llamadas().size(), 1u);  // cleared, nothing drawn on it
    EXPECT_EQ(f.grabador().llamadas()[0].tipo, LlamadaLienzo::LIMPIAR);
    EXPECT_EQ(f.grabador().llamadas()[0].color, COLOR_CARA_BOTON);
    EXPECT_EQ(f.titulo(), "Tablexo - Conecta 4");
    EXPECT_EQ(f.anchoCliente(), 400);
    EXPECT_EQ(f.altoCliente(), 350);
    simulacion::pulsarMenu(f.Deshacer1);
    EXPECT_EQ(f.grabador().llamadas().size(), 1u);

    simulacion::pulsarMenu(f.Usuario1);
    EXPECT_EQ(f.titulo(), "Tablexo - Tres en Raya");
    EXPECT_EQ(f.anchoCliente(), 450);
    EXPECT_EQ(f.altoCliente(), 500);
    EXPECT_EQ(dibujo(*I::juegoActual(f)), "...\n...\n...\n");
    EXPECT_TRUE(I::historial(f).empty());
}

TEST_F(Ventana, ARepaintDrawsTheMatchOnlyWhileItRuns)
{
    f.repintar();
    EXPECT_EQ(f.grabador().llamadas(LlamadaLienzo::TEXTO).size(), 0u);
    empezar(f.Otello1, f.Aleatorio1);
    f.grabador().olvidar();
    f.repintar();
    const auto llamadas = f.grabador().llamadas();
    ASSERT_FALSE(llamadas.empty());
    EXPECT_EQ(llamadas.front().tipo, LlamadaLienzo::LIMPIAR);
    const auto textos = f.grabador().llamadas(LlamadaLienzo::TEXTO);
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_EQ(textos[1].texto, "J1: 02 J2: 02");
}

// ---- the windows ----

TEST_F(Ventana, OtherWindowsOpenThirtyPixelsOnAndStartEmpty)
{
    f.ponerPosicion(100, 50);
    empezar(f.Conecta41, f.Aleatorio1);
    simulacion::pulsarMenu(f.OtraVentana1);
    ASSERT_EQ(I::ventanas(f).size(), 1u);
    TForm1& hija = *I::ventanas(f)[0];
    EXPECT_EQ(hija.izquierda(), 130);
    EXPECT_EQ(hija.arriba(), 80);
    EXPECT_TRUE(hija.visible());
    EXPECT_EQ(hija.titulo(), "Tablexo");
    EXPECT_EQ(hija.anchoCliente(), 363);
    EXPECT_FALSE(hija.Guardar1.habilitado());
    EXPECT_FALSE(I::hayJuego(hija));
    EXPECT_TRUE(I::enPartida(f));  // the opener's match goes on

    simulacion::pulsarMenu(hija.OtraVentana1);
    TForm1& nieta = *I::ventanas(hija)[0];
    EXPECT_EQ(nieta.izquierda(), 160);
    EXPECT_EQ(nieta.arriba(), 110);
}

TEST_F(Ventana, WindowsAreListedByAddress)
{
    for (int i = 0; i < 5; ++i) simulacion::pulsarMenu(f.OtraVentana1);
    const std::vector<TForm1*> v = I::ventanas(f);
    ASSERT_EQ(v.size(), 5u);
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end(), Orden));
    EXPECT_TRUE(Orden(v[0], v[1]));
    EXPECT_FALSE(Orden(v[1], v[0]));
    EXPECT_FALSE(Orden(v[0], v[0]));
}

TEST_F(Ventana, ClosingAWindowDestroysItsSubtreeOnceAndOnlyIt)
{
    simulacion::pulsarMenu(f.OtraVentana1);
    simulacion::pulsarMenu(f.OtraVentana1);
    TForm1* a = I::ventanas(f)[0];
    TForm1* b = I::ventanas(f)[1];
    simulacion::pulsarMenu(a->OtraVentana1);
    simulacion::pulsarMenu(a->OtraVentana1);
    simulacion::pulsarMenu(I::ventanas(*a)[0]->OtraVentana1);
    // a has two windows below it, one of which has one more.
    const auto vivas = simulacion::formulariosVivos().size();
    const int destruidas = simulacion::formulariosDestruidos();

    simulacion::pulsarCierre(*a);
    EXPECT_EQ(I::ventanas(f), std::vector<TForm1*>{b});
    EXPECT_FALSE(a->visible());
    // Destroyed only once its closing has finished.
    EXPECT_EQ(simulacion::formulariosDestruidos(), destruidas);
    Aplicacion::procesarPendientes();
    EXPECT_EQ(simulacion::formulariosDestruidos(), destruidas + 4);
    EXPECT_EQ(simulacion::formulariosVivos().size(), vivas - 4);
    EXPECT_TRUE(simulacion::formulariosVivos().count(b));
    EXPECT_TRUE(b->visible());

    // Salir closes like the close box.
    simulacion::pulsarMenu(b->Salir2);
    Aplicacion::procesarPendientes();
    EXPECT_TRUE(I::ventanas(f).empty());
    EXPECT_EQ(simulacion::formulariosDestruidos(), destruidas + 5);
}

TEST_F(Ventana, DestroyingAWindowDestroysEveryWindowBelowIt)
{
    const int destruidas = simulacion::formulariosDestruidos();
    {
        VentanaPrueba raiz;
        simulacion::pulsarMenu(raiz.OtraVentana1);
        TForm1* hija = I::ventanas(raiz)[0];
        simulacion::pulsarMenu(hija->OtraVentana1);
        simulacion::pulsarMenu(hija->OtraVentana1);
        elegir(hija->Conecta41, hija->Aleatorio1);
        simulacion::pulsarMenu(hija->Usuario1);  // a window with a match goes with its match
        EXPECT_EQ(simulacion::formulariosDestruidos(), destruidas);
    }
    EXPECT_EQ(simulacion::formulariosDestruidos(), destruidas + 4);
}

TEST_F(Ventana, ClosingTheMainWindowOnlyHidesIt)
{
    simulacion::pulsarMenu(f.OtraVentana1);
    Aplicacion::ponerPrincipal(&f);
    f.mostrar();
    simulacion::pulsarMenu(f.Salir2);
    EXPECT_FALSE(f.visible());
    Aplicacion::procesarPendientes();
    EXPECT_EQ(I::ventanas(f).size(), 1u);  // the program's end destroys them with it
    EXPECT_TRUE(simulacion::formulariosVivos().count(&f));
    Aplicacion::ponerPrincipal(nullptr);
}

TEST_F(Ventana, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    Aplicacion::despachar([] { throw EJuego("Error de juego: La columna esta llena."); });
    Aplicacion::despachar([] { throw std::runtime_error("x"); });
    EXPECT_EQ(simulacion::mensajes(),
              (std::vector<std::string>{"Error de juego: La columna esta llena.", "Error inesperado: x"}));
}

}  // namespace
