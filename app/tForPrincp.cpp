#include "app/tForPrincp.h"

#include <functional>
#include <utility>

#include "app/Ufabrica.h"
#include "app/Ufichero.h"
#include "platform/Dialogos.h"
#include "support/Uerrores.h"
#include "views/Utinterfazgraf3r.h"
#include "views/Utinterfazgrafc4.h"
#include "views/Utinterfazgrafot.h"

namespace {

const char* const TITULO_INICIAL = "Tablexo";
constexpr int ANCHO_INICIAL = 363;
constexpr int ALTO_INICIAL = 331;
constexpr int IZQUIERDA_PRINCIPAL = 238;
constexpr int ARRIBA_PRINCIPAL = 145;
constexpr int DESPLAZAMIENTO_VENTANA = 30;  // a new window stands this far right and down of its opener
constexpr int PAUSA_MS = 1000;

const char* const MENSAJE_SELECCIONAR = "Debe seleccionar el juego y el jugador antes de continuar.";
const char* const MENSAJE_GANADO = "¡Felicidades! ¡Ha ganado!";
const char* const MENSAJE_PERDIDO = "Oooh, ¡ha perdido!";
const char* const MENSAJE_INTERFAZ = "Error de interfaz.";
const char* const MENSAJE_MOVIMIENTO = "Movimiento no válido.";
const char* const MENSAJE_JUGADOR = "Error del jugador.";
const char* const MENSAJE_RANGO = "Haga clic dentro de los limites del tablero.";
const char* const MENSAJE_SIN_PARTIDA = "Debe estar jugando a una partida para poder guardar su estado.";
const char* const MENSAJE_SU_TURNO = "¡Su turno!";

const char* const FILTRO_ABRIR = "Ficheros de juego (*.jt2)|*.JT2";
const char* const FILTRO_GUARDAR = "Ficheros binarios (*.jt2)|*.JT2";
const char* const EXTENSION = "jt2";

// How a match of each game looks in the window.
struct Presentacion {
    int ancho;
    int alto;
    const char* titulo;
};

Presentacion presentacion(std::uint8_t tipoJuego)
{
    switch (tipoJuego) {
    case JUEGO_3RAYA: return {450, 500, "Tablexo - Tres en Raya"};
    case JUEGO_OTELO: return {369, 378, "Tablexo - Otelo"};
    default: return {400, 350, "Tablexo - Conecta 4"};
    }
}

std::vector<Casilla> elementos(ColaIter<Casilla>& cola)
{
    std::vector<Casilla> v;
    Casilla c{};
    cola.iniciar();
    while (cola.dameActual(c)) {
        v.push_back(c);
        cola.siguiente();
    }
    return v;
}

void rellenar(ColaIter<Casilla>& cola, const std::vector<Casilla>& v)
{
    cola.vaciar();
    for (const Casilla& c : v) cola.encolar(c);
}

// Deletes p, if set, through its base class and sets it to null.
template <class T>
void liberar(T*& p)
{
    delete p;
    p = nullptr;
}

}  // namespace

bool Orden(TForm1* a, TForm1* b) { return std::less<TForm1*>()(a, b); }

// ---- creation and destruction ----

TForm1::TForm1(TForm1* dueno) : abridor(dueno)
{
    disenar();
    construirMenu();
    conectarEventos();
    crear();
}

TForm1::~TForm1() { destruir(); }

void TForm1::disenar()
{
    ponerTitulo(TITULO_INICIAL);
    ponerAnchoCliente(ANCHO_INICIAL);
    ponerAltoCliente(ALTO_INICIAL);
    ponerPosicion(IZQUIERDA_PRINCIPAL, ARRIBA_PRINCIPAL);
    Guardar1.ponerHabilitado(false);
}

void TForm1::construirMenu()
{
    Juego1.agregar(Conecta41);
    Juego1.agregar(TresenRaya1);
    Juego1.agregar(Otello1);
    Jugador1.agregar(Aleatorio1);
    Jugador1.agregar(Concienzudo1);
    Concienzudo1.agregar(Bajo1);
    Concienzudo1.agregar(Medio1);
    Concienzudo1.agregar(Alto1);
    Partida1.agregar(Iniciar2);
    Iniciar2.agregar(Usuario1);
    Iniciar2.agregar(Ordenador1);
    Partida1.agregar(Guardar1);
    Partida1.agregar(GuardarComo1);
    Partida1.agregar(Cargar1);
    Partida1.agregar(Deshacer1);
    for (ElementoMenu* e : {&Juego1, &Jugador1, &Partida1, &OtraVentana1, &Salir2}) MainMenu1.agregar(*e);
    ponerMenu(MainMenu1);
}

void TForm1::conectarEventos()
{
    alCrear = [this] { FormCreate(); };
    alCerrar = [this](AccionCierre& accion) { FormClose(accion); };
    alDestruir = [this] { FormDestroy(); };
    alSoltarRaton = [this](int x, int y) { FormMouseUp(x, y); };
    alPintar = [this] { FormPaint(); };

    const std::pair<ElementoMenu*, void (TForm1::*)()> manejadores[] = {
        {&Conecta41, &TForm1::Conecta41Click},     {&TresenRaya1, &TForm1::TresenRaya1Click},
        {&Otello1, &TForm1::Otello1Click},         {&Aleatorio1, &TForm1::Aleatorio1Click},
        {&Bajo1, &TForm1::Bajo1Click},             {&Medio1, &TForm1::Medio1Click},
        {&Alto1, &TForm1::Alto1Click},             {&Usuario1, &TForm1::Usuario1Click},
        {&Ordenador1, &TForm1::Ordenador1Click},   {&Guardar1, &TForm1::Guardar1Click},
        {&GuardarComo1, &TForm1::GuardarComo1Click}, {&Cargar1, &TForm1::Cargar1Click},
        {&Deshacer1, &TForm1::Deshacer1Click},     {&OtraVentana1, &TForm1::OtraVentana1Click},
        {&Salir2, &TForm1::Salir2Click},
    };
    for (const auto& [elemento, manejador] : manejadores) {
        const auto m = manejador;
        elemento->alPulsar = [this, m] { (this->*m)(); };
    }
}

void TForm1::FormCreate()
{
    juegoAnterior = juegoActual = nullptr;
    interfaz = nullptr;
    jugador = nullptr;
    enPartida = hayJugador = hayJuego = false;
    nombreFichero.clear();
    OpenDlg.filtro = FILTRO_ABRIR;
    SaveDlg.filtro = FILTRO_GUARDAR;
    SaveDlg.extensionPorDefecto = EXTENSION;
    OpenDlg.extensionPorDefecto = EXTENSION;
}

void TForm1::FormDestroy()
{
    liberarPartida();
    // Each window below takes the windows opened from it along.
    for (unsigned i = 0; i < ventanas.longitud(); ++i) {
        TForm1* ventana = ventanas[i];
        delete ventana;
    }
}

void TForm1::FormClose(AccionCierre& accion)
{
    if (!abridor) return;  // the main window: the program ends with it
    unsigned pos = 0;
    if (abridor->ventanas.buscar(this, pos)) abridor->ventanas.borrar(pos);
    accion = AccionCierre::LIBERAR;
}

// ---- the windows ----

void TForm1::OtraVentana1Click()
{
    TForm1* nueva = new TForm1(this);
    nueva->ponerPosicion(izquierda() + DESPLAZAMIENTO_VENTANA, arriba() + DESPLAZAMIENTO_VENTANA);
    ventanas.insertar(nueva);
    nueva->mostrar();
}

void TForm1::Salir2Click() { cerrar(); }

// ---- choice of game and opponent ----

void TForm1::Conecta41Click()
{
    detenerPartida();
    tipoJuego = JUEGO_CONECTA4;
    hayJuego = true;
}

void TForm1::TresenRaya1Click()
{
    detenerPartida();
    tipoJuego = JUEGO_3RAYA;
    hayJuego = true;
}

void TForm1::Otello1Click()
{
    detenerPartida();
    tipoJuego = JUEGO_OTELO;
    hayJuego = true;
}

void TForm1::Aleatorio1Click()
{
    detenerPartida();
    tipoJugador = JUGADOR_ALEATORIO;
    hayJugador = true;
}

void TForm1::Bajo1Click()
{
    detenerPartida();
    tipoJugador = JUGADOR_CONCIENZUDO;
    nivelJugador = 2;
    hayJugador = true;
}

void TForm1::Medio1Click()
{
    detenerPartida();
    tipoJugador = JUGADOR_CONCIENZUDO;
    nivelJugador = 4;
    hayJugador = true;
}

void TForm1::Alto1Click()
{
    detenerPartida();
    tipoJugador = JUGADOR_CONCIENZUDO;
    nivelJugador = 6;
    hayJugador = true;
}

// ---- the match ----

tInterfazGrafT2* TForm1::crearInterfaz()
{
    switch (tipoJuego) {
    case JUEGO_3RAYA: return new tInterfazGraf3R(lienzo());
    case JUEGO_OTELO: return new tInterfazGrafOt(lienzo());
    default: return new tInterfazGrafC4(lienzo());
    }
}

tJugadorAutT2* TForm1::crearJugadorPartida() { return crearJugador(tipoJuego, tipoJugador, nivelJugador); }

void TForm1::liberarPartida()
{
    liberar(juegoActual);
    liberar(interfaz);
    liberar(jugador);
    liberar(juegoAnterior);
}

void TForm1::iniciarPartida(Turno primero)
{
    if (!hayJuego || !hayJugador) return;
    // Until the new match is whole, none is running.
    enPartida = false;
    liberarPartida();
    nombreFichero.clear();
    historial.vaciar();
    historialAnterior.vaciar();
    Guardar1.ponerHabilitado(false);

    const Presentacion p = presentacion(tipoJuego);
    juegoActual = crearJuego(tipoJuego, primero);
    juegoAnterior = crearJuego(tipoJuego, primero);
    ponerAltoCliente(p.alto);
    ponerAnchoCliente(p.ancho);
    interfaz = crearInterfaz();
    dibujarJuego();
    jugador = crearJugadorPartida();
    ponerTitulo(p.titulo);
    enPartida = true;
}

void TForm1::detenerPartida()
{
    enPartida = false;
    liberar(juegoAnterior);
    nombreFichero.clear();
    repintar();
}

void TForm1::dibujarJuego()
{
    interfaz->dibujar(juegoActual);
    actualizar();
}

void TForm1::guardarPosicionAnterior()
{
    liberar(juegoAnterior);
    juegoAnterior = juegoActual->clonar();
    rellenar(historialAnterior, elementos(historial));
}

void TForm1::moverOrdenador()
{
    Casilla c{};
    for (;;) {
        try {
            c = jugador->elegirJugada(juegoActual);
            juegoActual->jugar(c);
            break;
        } catch (const EJuego&) {
            // The player is asked again until the game takes its move.
        }
    }
    historial.encolar(c);
    pausar(PAUSA_MS);
    dibujarJuego();
}

void TForm1::anunciarFinal()
{
    if (!juegoActual->finJuego()) return;
    if (juegoActual->dameTurno() == JUGADOR1)
        mostrarMensaje(MENSAJE_GANADO);
    else if (juegoActual->dameTurno() == JUGADOR2)
        mostrarMensaje(MENSAJE_PERDIDO);
}

void TForm1::Usuario1Click()
{
    primerTurno = JUGADOR1;
    iniciarPartida(JUGADOR1);
    if (!enPartida) mostrarMensaje(MENSAJE_SELECCIONAR);
}

void TForm1::Ordenador1Click()
{
    iniciarPartida(JUGADOR2);
    if (!enPartida) {
        mostrarMensaje(MENSAJE_SELECCIONAR);
        return;
    }
    primerTurno = JUGADOR2;
    moverOrdenador();
}

void TForm1::FormMouseUp(int X, int Y)
{
    try {
        if (!enPartida) return;
        if (juegoActual->finJuego()) return;
        if (juegoActual->dameTurno() != JUGADOR1) return;
        guardarPosicionAnterior();
        const Casilla c = interfaz->casillaEn(static_cast<unsigned>(X), static_cast<unsigned>(Y));
        juegoActual->jugar(c);
        dibujarJuego();
        historial.encolar(c);
        if (!juegoActual->finJuego()) moverOrdenador();
        anunciarFinal();
    } catch (const EInterfaz&) {
        mostrarMensaje(MENSAJE_INTERFAZ);
    } catch (const EJuego&) {
        mostrarMensaje(MENSAJE_MOVIMIENTO);
    } catch (const EJugador&) {
        mostrarMensaje(MENSAJE_JUGADOR);
    } catch (const ErrRango&) {
        mostrarMensaje(MENSAJE_RANGO);
    }
}

void TForm1::FormPaint()
{
    if (enPartida) interfaz->dibujar(juegoActual);
}

void TForm1::Deshacer1Click()
{
    if (!enPartida) return;
    std::swap(juegoActual, juegoAnterior);
    const std::vector<Casilla> actuales = elementos(historial);
    rellenar(historial, elementos(historialAnterior));
    rellenar(historialAnterior, actuales);
    dibujarJuego();
}

// ---- saved games ----

PartidaGuardada TForm1::partidaActual()
{
    PartidaGuardada p;
    p.tipoJuego = tipoJuego;
    p.tipoJugador = tipoJugador;
    p.nivelJugador = nivelJugador;
    p.primerTurno = primerTurno;
    p.jugadas = elementos(historial);
    return p;
}

void TForm1::GuardarComo1Click()
{
    if (!SaveDlg.ejecutar()) return;
    nombreFichero = SaveDlg.nombreFichero;
    Guardar1.ponerHabilitado(true);
    Guardar1Click();
}

void TForm1::Guardar1Click()
{
    if (!enPartida) {
        mostrarMensaje(MENSAJE_SIN_PARTIDA);
        return;
    }
    std::string error;
    if (!escribirFicheroSeguro(nombreFichero, codificarPartida(partidaActual()), error)) {
        mostrarMensaje("No se ha podido guardar la partida en «" + nombreFichero + "»: " + error +
                       ". El fichero que hubiera con ese nombre sigue como estaba.");
    }
}

void TForm1::Cargar1Click()
{
    if (!OpenDlg.ejecutar()) return;
    const std::string fichero = OpenDlg.nombreFichero;
    std::vector<std::uint8_t> datos;
    std::string error;
    if (!leerFichero(fichero, datos, error)) {
        mostrarMensaje("No se ha podido cargar la partida de «" + fichero + "»: " + error + ".");
        return;
    }
    const LecturaPartida lectura = leerPartida(datos);
    if (!lectura.aceptada) {
        mostrarMensaje("«" + fichero + "» no es una partida guardada válida: " + lectura.motivo + ".");
        return;
    }
    reproducirPartida(lectura.partida, fichero);
}

void TForm1::reproducirPartida(const PartidaGuardada& partida, const std::string& fichero)
{
    hayJuego = hayJugador = true;
    tipoJuego = partida.tipoJuego;
    tipoJugador = partida.tipoJugador;
    nivelJugador = partida.nivelJugador;
    primerTurno = partida.primerTurno;
    iniciarPartida(primerTurno);
    nombreFichero = fichero;
    for (const Casilla& c : partida.jugadas) {
        if (juegoActual->dameTurno() == JUGADOR1) guardarPosicionAnterior();
        juegoActual->jugar(c);
        historial.encolar(c);
        dibujarJuego();
        pausar(PAUSA_MS);
    }
    Guardar1.ponerHabilitado(true);
    mostrarMensaje(MENSAJE_SU_TURNO);
}
