#ifndef TESTS_APP_AYUDAS_H
#define TESTS_APP_AYUDAS_H

// What the window tests share: a view of the window's match state, a window
// whose view and opponent a test can replace, the person's clicks, and files.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/tForPrincp.h"
#include "platform/headless/LienzoGrabador.h"
#include "platform/headless/Simulacion.h"

// Read access to the match state of any window.
class InspectorTForm1 {
public:
    static tJuegoLogT2* juegoActual(const TForm1& f) { return f.juegoActual; }
    static tJuegoLogT2* juegoAnterior(const TForm1& f) { return f.juegoAnterior; }
    static tInterfazGrafT2* interfaz(const TForm1& f) { return f.interfaz; }
    static tJugadorAutT2* jugador(const TForm1& f) { return f.jugador; }
    static bool enPartida(const TForm1& f) { return f.enPartida; }
    static bool hayJuego(const TForm1& f) { return f.hayJuego; }
    static bool hayJugador(const TForm1& f) { return f.hayJugador; }
    static int tipoJuego(const TForm1& f) { return f.tipoJuego; }
    static int tipoJugador(const TForm1& f) { return f.tipoJugador; }
    static int nivelJugador(const TForm1& f) { return f.nivelJugador; }
    static Turno primerTurno(const TForm1& f) { return f.primerTurno; }
    static const std::string& nombreFichero(const TForm1& f) { return f.nombreFichero; }
    static std::vector<Casilla> historial(TForm1& f);
    static std::vector<TForm1*> ventanas(const TForm1& f);
};

// A move the scripted opponent makes, or the error it raises instead.
struct JugadaGuion {
    enum class Tipo { CASILLA, EJUGADOR } tipo = Tipo::CASILLA;
    Casilla casilla{};
};

// An opponent that plays a script; with the script used up, it asks the real player.
class JugadorGuionado : public tJugadorAutT2 {
public:
    JugadorGuionado(std::deque<JugadaGuion> guion, tJugadorAutT2* real) : guion(std::move(guion)), real(real) {}
    ~JugadorGuionado() override { delete real; }
    Casilla elegirJugada(tJuegoLogT2* juego) override;

private:
    std::deque<JugadaGuion> guion;
    tJugadorAutT2* real;  // owned
};

// A view that raises the error its test asks for when a click is mapped.
class InterfazQueFalla : public tInterfazGrafT2 {
public:
    InterfazQueFalla(tInterfazGrafT2* real, std::function<void()> fallo)
        : tInterfazGrafT2(nullptr), real(real), fallo(std::move(fallo)) {}
    ~InterfazQueFalla() override { delete real; }
    unsigned indiceX(unsigned px) override
    {
        fallo();
        return real->indiceX(px);
    }
    unsigned indiceY(unsigned py) override { return real->indiceY(py); }
    void dibujar(tJuegoLogT2* juego) override { real->dibujar(juego); }
    unsigned dameAncho() override { return real->dameAncho(); }
    unsigned dameAlto() override { return real->dameAlto(); }

private:
    tInterfazGrafT2* real;  // owned
    std::function<void()> fallo;
};

// A window whose next matches get a scripted opponent or a failing view.
class VentanaPrueba : public TForm1 {
public:
    VentanaPrueba() : TForm1(nullptr) {}

    std::deque<JugadaGuion> guionOrdenador;    // given to the opponent of the next match
    std::function<void()> falloInterfaz;      // when set, raised by the view of the next match

    LienzoGrabador& grabador() { return static_cast<LienzoGrabador&>(*lienzo()); }

protected:
    tInterfazGrafT2* crearInterfaz() override;
    tJugadorAutT2* crearJugadorPartida() override;
};

// The cell of board b as text, one row a line: '.' empty, 'A' person, 'B' computer.
std::string dibujo(const tJuegoLogT2& juego);

// The point of the client area at the centre of cell c of the window's game.
void pulsarCasilla(TForm1& f, Casilla c);

// The first legal move for the side to move (the Othello pass when nothing else is).
Casilla primeraJugadaValida(tJuegoLogT2& juego);

// Plays the person's moves (the first legal one each time) by clicking until
// the game is over or maxJugadas clicks; returns the clicks made.
int jugarHastaElFinal(TForm1& f, int maxJugadas = 200);

std::vector<std::uint8_t> leerBytes(const std::filesystem::path& p);
void escribirBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& datos);

// A fresh folder for one test's files, removed afterwards.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    std::filesystem::path operator/(const std::string& nombre) const { return ruta / nombre; }
    const std::filesystem::path& camino() const { return ruta; }

private:
    std::filesystem::path ruta;
};

#endif
