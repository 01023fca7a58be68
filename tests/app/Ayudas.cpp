#include "tests/app/Ayudas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/Ufabrica.h"
#include "support/Uerrores.h"

std::vector<Casilla> InspectorTForm1::historial(TForm1& f)
{
    std::vector<Casilla> v;
    Casilla c{};
    f.historial.iniciar();
    while (f.historial.dameActual(c)) {
        v.push_back(c);
        f.historial.siguiente();
    }
    return v;
}

std::vector<TForm1*> InspectorTForm1::ventanas(const TForm1& f)
{
    std::vector<TForm1*> v;
    for (unsigned i = 0; i < f.ventanas.longitud(); ++i) v.push_back(f.ventanas[i]);
    return v;
}

Casilla JugadorGuionado::elegirJugada(tJuegoLogT2* juego)
{
    if (guion.empty()) return real->elegirJugada(juego);
    const JugadaGuion j = guion.front();
    guion.pop_front();
    if (j.tipo == JugadaGuion::Tipo::EJUGADOR) throw EJugador();
    return j.casilla;
}

tInterfazGrafT2* VentanaPrueba::crearInterfaz()
{
    tInterfazGrafT2* real = TForm1::crearInterfaz();
    if (!falloInterfaz) return real;
    return new InterfazQueFalla(real, falloInterfaz);
}

tJugadorAutT2* VentanaPrueba::crearJugadorPartida()
{
    tJugadorAutT2* real = TForm1::crearJugadorPartida();
    if (guionOrdenador.empty()) return real;
    return new JugadorGuionado(guionOrdenador, real);
}

std::string dibujo(const tJuegoLogT2& juego)
{
    std::string s;
    for (unsigned y = 0; y < juego.numFilas(); ++y) {
        for (unsigned x = 0; x < juego.numColumnas(); ++x) {
            Turno t = NINGUNO;
            juego.dameTablero()->leer(x, y, t);
            s += t == JUGADOR1 ? 'A' : t == JUGADOR2 ? 'B' : '.';
        }
        s += '\n';
    }
    return s;
}

namespace {
// The cell side of each game's view.
unsigned ladoCasilla(int tipoJuego)
{
    switch (tipoJuego) {
    case JUEGO_3RAYA: return 150;
    case JUEGO_OTELO: return 41;
    default: return 50;
    }
}
}  // namespace

void pulsarCasilla(TForm1& f, Casilla c)
{
    const unsigned lado = ladoCasilla(InspectorTForm1::tipoJuego(f));
    simulacion::soltarRaton(f, static_cast<int>(c.x * lado + lado / 2), static_cast<int>(c.y * lado + lado / 2));
}

Casilla primeraJugadaValida(tJuegoLogT2& juego)
{
    for (unsigned x = 0; x < juego.numColumnas(); ++x) {
        for (unsigned y = 0; y < juego.numFilas(); ++y) {
            if (juego.probar({x, y})) return {x, y};
        }
    }
    ADD_FAILURE() << "no legal move in\n" << dibujo(juego);
    return {0, 0};
}

int jugarHastaElFinal(TForm1& f, int maxJugadas)
{
    int clics = 0;
    for (; clics < maxJugadas; ++clics) {
        tJuegoLogT2* juego = InspectorTForm1::juegoActual(f);
        if (juego->finJuego() || juego->dameTurno() != JUGADOR1) break;
        pulsarCasilla(f, primeraJugadaValida(*juego));
    }
    return clics;
}

std::vector<std::uint8_t> leerBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void escribirBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& datos)
{
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(datos.data()), static_cast<std::streamsize>(datos.size()));
}

CarpetaTemporal::CarpetaTemporal()
{
    std::string plantilla = (std::filesystem::temp_directory_path() / "tablexo-app-XXXXXX").string();
    ruta = mkdtemp(plantilla.data());
}

CarpetaTemporal::~CarpetaTemporal()
{
    std::error_code ignorado;
    std::filesystem::remove_all(ruta, ignorado);
}
