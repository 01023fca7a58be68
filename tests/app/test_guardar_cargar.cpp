// Saving and loading matches through the window's menu and dialogs.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Aplicacion.h"
#include "tests/app/Ayudas.h"

namespace {

namespace fs = std::filesystem;
using I = InspectorTForm1;
using Bytes = std::vector<std::uint8_t>;

const std::string SU_TURNO = "¡Su turno!";
const std::string SIN_PARTIDA = "Debe estar jugando a una partida para poder guardar su estado.";

JugadaGuion en(unsigned x, unsigned y) { return {JugadaGuion::Tipo::CASILLA, {x, y}}; }

class GuardarCargar : public ::testing::Test {
protected:
    void SetUp() override { simulacion::reiniciar(); }
    void TearDown() override { Aplicacion::procesarPendientes(); }

    static void empezar(VentanaPrueba& v, ElementoMenu& juego, ElementoMenu& jugador)
    {
        simulacion::pulsarMenu(juego);
        simulacion::pulsarMenu(jugador);
        simulacion::pulsarMenu(v.Usuario1);
    }

    static void guardarComo(VentanaPrueba& v, const fs::path& p)
    {
        simulacion::responderDialogo(p.string());
        simulacion::pulsarMenu(v.GuardarComo1);
    }

    static void cargar(VentanaPrueba& v, const fs::path& p)
    {
        simulacion::responderDialogo(p.string());
        simulacion::pulsarMenu(v.Cargar1);
    }

    // Everything a person could see or rely on in a window.
    struct Aspecto {
        bool enPartida;
        std::string titulo;
        int ancho, alto;
        std::string tablero;
        std::vector<Casilla> historial;
        std::string fichero;
        bool guardar;
        int juego, jugador, nivel;
        bool operator==(const Aspecto& o) const
        {
            return enPartida == o.enPartida && titulo == o.titulo && ancho == o.ancho && alto == o.alto &&
                   tablero == o.tablero && historial == o.historial && fichero == o.fichero &&
                   guardar == o.guardar && juego == o.juego && jugador == o.jugador && nivel == o.nivel;
        }
    };

    static Aspecto aspecto(VentanaPrueba& v)
    {
        return {I::enPartida(v), v.titulo(), v.anchoCliente(), v.altoCliente(),
                I::juegoActual(v) ? dibujo(*I::juegoActual(v)) : "", I::historial(v), I::nombreFichero(v),
                v.Guardar1.habilitado(), I::tipoJuego(v), I::tipoJugador(v), I::nivelJugador(v)};
    }

    CarpetaTemporal dir;
    VentanaPrueba f;
};

TEST_F(GuardarCargar, SavesTheConnect4ExampleByteForByte)
{
    f.guionOrdenador = {en(5, 0)};
    empezar(f, f.Conecta41, f.Medio1);
    pulsarCasilla(f, {3, 0});
    simulacion::reiniciar();
    guardarComo(f, dir / "partida");  // the default extension is added

    const fs::path fichero = dir / "partida.jt2";
    EXPECT_EQ(leerBytes(fichero), (Bytes{0x01, 0x02, 0x04, 0x01, 0x02, 0, 0, 0, 0x03, 0, 0, 0, 0, 0, 0, 0,
                                         0x05, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(I::nombreFichero(f), fichero.string());
    EXPECT_TRUE(f.Guardar1.habilitado());
    ASSERT_EQ(simulacion::sucesos().size(), 1u);
    EXPECT_EQ(simulacion::sucesos()[0].texto, "Ficheros binarios (*.jt2)|*.JT2\njt2");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.camino()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(GuardarCargar, SaveLoadAndSaveAgainGiveTheSameBytesAndPosition)
{
    empezar(f, f.Conecta41, f.Bajo1);
    for (unsigned col : {3u, 3u, 4u}) pulsarCasilla(f, {col, 0});
    guardarComo(f, dir / "a.jt2");
    const Bytes a = leerBytes(dir / "a.jt2");
    ASSERT_EQ(a.size(), 8u + 8u * 6u);

    VentanaPrueba g;
    simulacion::reiniciar();
    cargar(g, dir / "a.jt2");
    EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{SU_TURNO});
    EXPECT_EQ(simulacion::numPausas(), 6);  // one per move
    EXPECT_EQ(simulacion::msPausados(), 6000);
    Aspecto esperado = aspecto(f);
    esperado.fichero = (dir / "a.jt2").string();
    EXPECT_TRUE(aspecto(g) == esperado);
    EXPECT_EQ(I::primerTurno(g), JUGADOR1);

    guardarComo(g, dir / "b.jt2");
    EXPECT_EQ(leerBytes(dir / "b.jt2"), a);
    simulacion::pulsarMenu(g.Guardar1);  // again, to the same file
    EXPECT_EQ(leerBytes(dir / "b.jt2"), a);

    // The undo position was kept during the replay: Deshacer takes back the last exchange.
    simulacion::pulsarMenu(g.Deshacer1);
    EXPECT_EQ(I::historial(g).size(), 4u);
    EXPECT_EQ(I::juegoActual(g)->dameTurno(), JUGADOR1);
}

TEST_F(GuardarCargar, AMatchTheComputerOpenedReplaysItsMoveFirst)
{
    f.guionOrdenador = {en(1, 1)};
    simulacion::pulsarMenu(f.TresenRaya1);
    simulacion::pulsarMenu(f.Aleatorio1);
    simulacion::pulsarMenu(f.Ordenador1);
    guardarComo(f, dir / "o.jt2");
    const Bytes b = leerBytes(dir / "o.jt2");
    ASSERT_EQ(b.size(), 16u);
    EXPECT_EQ(b[3], 2);
    EXPECT_EQ(b[8], 1);
    EXPECT_EQ(b[12], 1);

    VentanaPrueba g;
    cargar(g, dir / "o.jt2");
    EXPECT_EQ(dibujo(*I::juegoActual(g)), "...\n.B.\n...\n");
    EXPECT_EQ(I::juegoActual(g)->dameTurno(), JUGADOR1);
    EXPECT_EQ(I::primerTurno(g), JUGADOR2);
}

TEST_F(GuardarCargar, AMatchWithNoMovesIsEightBytes)
{
    empezar(f, f.Otello1, f.Alto1);
    guardarComo(f, dir / "v.jt2");
    EXPECT_EQ(leerBytes(dir / "v.jt2"), (Bytes{3, 2, 6, 1, 0, 0, 0, 0}));

    VentanaPrueba g;
    simulacion::reiniciar();
    cargar(g, dir / "v.jt2");
    EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{SU_TURNO});
    EXPECT_EQ(simulacion::numPausas(), 0);
    EXPECT_EQ(g.titulo(), "Tablexo - Otelo");
    EXPECT_EQ(dibujo(*I::juegoActual(g)), dibujo(*I::juegoActual(f)));
}

TEST_F(GuardarCargar, LoadingReplacesARunningMatchOfAnotherGame)
{
    empezar(f, f.TresenRaya1, f.Aleatorio1);
    guardarComo(f, dir / "t.jt2");
    VentanaPrueba g;
    empezar(g, g.Otello1, g.Bajo1);
    pulsarCasilla(g, {5, 3});
    cargar(g, dir / "t.jt2");
    EXPECT_EQ(g.titulo(), "Tablexo - Tres en Raya");
    EXPECT_EQ(g.anchoCliente(), 450);
    EXPECT_TRUE(I::historial(g).empty());
    EXPECT_EQ(I::tipoJugador(g), 1);
}

TEST_F(GuardarCargar, SavingAfterDeshacerReloadsToThePositionShown)
{
    f.guionOrdenador = {en(0, 0), en(1, 0), en(7, 0)};
    empezar(f, f.Conecta41, f.Bajo1);
    pulsarCasilla(f, {4, 0});
    pulsarCasilla(f, {4, 0});
    simulacion::pulsarMenu(f.Deshacer1);
    guardarComo(f, dir / "d.jt2");
    VentanaPrueba g;
    cargar(g, dir / "d.jt2");
    EXPECT_EQ(dibujo(*I::juegoActual(g)), dibujo(*I::juegoActual(f)));
    EXPECT_EQ(I::historial(g).size(), 2u);

    // A new move after the Deshacer: the file still replays to the board shown.
    pulsarCasilla(f, {6, 0});
    simulacion::pulsarMenu(f.Guardar1);
    VentanaPrueba h;
    simulacion::reiniciar();
    cargar(h, dir / "d.jt2");
    EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{SU_TURNO});
    EXPECT_EQ(dibujo(*I::juegoActual(h)), dibujo(*I::juegoActual(f)));
}

TEST_F(GuardarCargar, BadFilesAreRefusedWithTheWindowUnchanged)
{
    escribirBytes(dir / "largo.jt2", {1, 1, 0, 1, 0, 0, 0, 0, 0});
    escribirBytes(dir / "juego.jt2", {9, 1, 0, 1, 0, 0, 0, 0});
    escribirBytes(dir / "nivel.jt2", {1, 2, 5, 1, 0, 0, 0, 0});
    escribirBytes(dir / "jugada.jt2", {2, 1, 0, 1, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0});
    escribirBytes(dir / "grande.jt2", Bytes(2u << 20, 0));
    fs::create_directory(dir / "carpeta.jt2");
    struct Caso {
        const char* fichero;
        const char* enElMensaje;
    };
    const Caso casos[] = {
        {"largo.jt2", "no es una partida guardada válida: el fichero mide 9 bytes"},
        {"juego.jt2", "no es una partida guardada válida: el juego (9)"},
        {"nivel.jt2", "no es una partida guardada válida: el nivel del jugador concienzudo (5)"},
        {"jugada.jt2", "no es una partida guardada válida: la jugada 1 (x = 5, y = 0) no es válida"},
        {"grande.jt2", "No se ha podido cargar la partida de «"},
        {"carpeta.jt2", "es una carpeta"},
        {"no-existe.jt2", "no se puede abrir el fichero (la carpeta o el fichero no existe)"},
    };

    f.guionOrdenador = {en(2, 0)};
    empezar(f, f.Conecta41, f.Aleatorio1);
    pulsarCasilla(f, {3, 0});
    guardarComo(f, dir / "buena.jt2");
    const Aspecto antes = aspecto(f);
    for (const Caso& c : casos) {
        simulacion::reiniciar();
        cargar(f, dir / c.fichero);
        const std::vector<std::string> m = simulacion::mensajes();
        ASSERT_EQ(m.size(), 1u) << c.fichero;
        EXPECT_NE(m[0].find(c.enElMensaje), std::string::npos) << m[0];
        EXPECT_NE(m[0].find((dir / c.fichero).string()), std::string::npos) << m[0];
        EXPECT_EQ(simulacion::numPausas(), 0) << c.fichero;
        EXPECT_TRUE(aspecto(f) == antes) << c.fichero;
    }
    // Guardar still writes to the match's own file.
    pulsarCasilla(f, {3, 0});
    simulacion::pulsarMenu(f.Guardar1);
    EXPECT_EQ(leerBytes(dir / "buena.jt2").size(), 8u + 4u * 8u);
}

TEST_F(GuardarCargar, AFailedSaveSaysSoAndLeavesTheOldFileAsItWas)
{
    empezar(f, f.TresenRaya1, f.Aleatorio1);
    pulsarCasilla(f, {1, 1});
    // A name so long that no temporary file fits beside it.
    const fs::path largo = dir / (std::string(250, 'p') + ".jt2");
    const Bytes viejo = {2, 1, 0, 1, 0, 0, 0, 0};
    escribirBytes(largo, viejo);
    fs::create_directory(dir / "ocupado.jt2");
    struct Caso {
        fs::path fichero;
        const char* enElMensaje;
    };
    const Caso casos[] = {
        {dir / "no-hay" / "p.jt2", "la carpeta o el fichero no existe"},
        {dir / "ocupado.jt2", "hay una carpeta con ese nombre"},
        {largo, "el nombre es demasiado largo"},
    };
    for (const Caso& c : casos) {
        simulacion::reiniciar();
        guardarComo(f, c.fichero);
        const std::vector<std::string> m = simulacion::mensajes();
        ASSERT_EQ(m.size(), 1u) << c.fichero;
        EXPECT_EQ(m[0].rfind("No se ha podido guardar la partida en «" + c.fichero.string() + "»", 0), 0u) << m[0];
        EXPECT_NE(m[0].find(c.enElMensaje), std::string::npos) << m[0];
    }
    EXPECT_FALSE(fs::exists(dir / "no-hay"));
    EXPECT_TRUE(fs::is_directory(dir / "ocupado.jt2"));
    EXPECT_TRUE(fs::is_empty(dir / "ocupado.jt2"));
    EXPECT_EQ(leerBytes(largo), viejo);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.camino()), fs::directory_iterator()), 2)
        << "no temporary file is left behind";
}

TEST_F(GuardarCargar, SavingNeedsARunningMatch)
{
    simulacion::pulsarMenu(f.Guardar1);  // disabled: nothing at all
    EXPECT_TRUE(simulacion::sucesos().empty());

    guardarComo(f, dir / "x.jt2");
    EXPECT_EQ(simulacion::mensajes(), std::vector<std::string>{SIN_PARTIDA});
    EXPECT_TRUE(f.Guardar1.habilitado());
    EXPECT_FALSE(fs::exists(dir / "x.jt2"));
}

TEST_F(GuardarCargar, CancelledDialogsChangeNothing)
{
    empezar(f, f.Conecta41, f.Aleatorio1);
    pulsarCasilla(f, {0, 0});
    const Aspecto antes = aspecto(f);
    simulacion::reiniciar();
    simulacion::cancelarDialogo();
    simulacion::pulsarMenu(f.GuardarComo1);
    simulacion::cancelarDialogo();
    simulacion::pulsarMenu(f.Cargar1);
    EXPECT_TRUE(aspecto(f) == antes);
    EXPECT_TRUE(simulacion::mensajes().empty());
    EXPECT_EQ(simulacion::sucesos().size(), 2u);  // the two dialogs
    EXPECT_TRUE(fs::is_empty(dir.camino()));
}

}  // namespace
