#ifndef APP_TFORPRINCP_H
#define APP_TFORPRINCP_H

// The program's window: its menu commands, the match it runs against the
// computer, its saved games, and the windows opened from it.

#include <cstdint>
#include <string>
#include <vector>

#include "app/Upartidaguardada.h"
#include "games/Utjuegologt2.h"
#include "platform/Dialogos.h"
#include "platform/Formulario.h"
#include "platform/Menu.h"
#include "players/Utjugadorautt2.h"
#include "support/Ucolaiter.h"
#include "support/Utlistaord.h"
#include "views/Utinterfazgraft2.h"

class TForm1;

// The order of the windows opened from a window: by address.
bool Orden(TForm1* a, TForm1* b);

class TForm1 : public Formulario {
public:
    // A window; dueno is the window it was opened from, null for the main one.
    explicit TForm1(TForm1* dueno);
    ~TForm1() override;

    MenuPrincipal MainMenu1;
    ElementoMenu Juego1{"&Juego"};
    ElementoMenu Jugador1{"J&ugador"};
    ElementoMenu Partida1{"&Partida"};
    ElementoMenu Conecta41{"&Conecta 4"};
    ElementoMenu Aleatorio1{"&Aleatorio"};
    ElementoMenu Iniciar2{"&Iniciar"};
    ElementoMenu Usuario1{"&Usuario"};
    ElementoMenu Ordenador1{"&Ordenador"};
    ElementoMenu Salir2{"&Salir"};
    ElementoMenu Guardar1{"&Guardar"};
    ElementoMenu Cargar1{"&Cargar"};
    ElementoMenu Deshacer1{"&Deshacer"};
    ElementoMenu OtraVentana1{"&Otra Ventana"};
    ElementoMenu Concienzudo1{"&Concienzudo"};
    ElementoMenu Bajo1{"&Bajo"};
    ElementoMenu Medio1{"&Medio"};
    ElementoMenu Alto1{"&Alto"};
    ElementoMenu GuardarComo1{"Guardar &Como"};
    DialogoAbrir OpenDlg;
    DialogoGuardar SaveDlg;
    ElementoMenu TresenRaya1{"&Tres en Raya"};
    ElementoMenu Otello1{"&Otello"};

    // The window's events.
    void FormCreate();
    void FormClose(AccionCierre& accion);
    void FormDestroy();
    void FormMouseUp(int X, int Y);
    void FormPaint();

    // The menu commands.
    void Conecta41Click();
    void TresenRaya1Click();
    void Otello1Click();
    void Aleatorio1Click();
    void Bajo1Click();
    void Medio1Click();
    void Alto1Click();
    void Usuario1Click();
    void Ordenador1Click();
    void Guardar1Click();
    void GuardarComo1Click();
    void Cargar1Click();
    void Deshacer1Click();
    void OtraVentana1Click();
    void Salir2Click();

protected:
    // The view and the opponent of a new match; tests put their own in here.
    virtual tInterfazGrafT2* crearInterfaz();
    virtual tJugadorAutT2* crearJugadorPartida();

private:
    friend class InspectorTForm1;  // the tests' view of the match state

    void disenar();
    void construirMenu();
    void conectarEventos();

    void iniciarPartida(Turno primero);
    void detenerPartida();
    // Destroys the match objects that are set and sets them to null.
    void liberarPartida();
    // Draws juegoActual and puts it on the screen.
    void dibujarJuego();
    // Keeps juegoAnterior (and its history) as the position before the person's move.
    void guardarPosicionAnterior();
    // The computer's move: asks until the game takes one, then records it.
    void moverOrdenador();
    // The end-of-game message, if the game is over.
    void anunciarFinal();
    // The running match as a file holds it.
    PartidaGuardada partidaActual();
    // Starts partida (already checked) and replays its moves one per second.
    void reproducirPartida(const PartidaGuardada& partida, const std::string& fichero);

    TForm1* abridor;  // the window this one was opened from; null for the main window

    tJuegoLogT2* juegoActual = nullptr;
    tJuegoLogT2* juegoAnterior = nullptr;
    tInterfazGrafT2* interfaz = nullptr;
    tJugadorAutT2* jugador = nullptr;
    bool hayJuego = false;
    bool hayJugador = false;
    bool enPartida = false;
    std::uint8_t tipoJuego = 0;
    std::uint8_t tipoJugador = 0;
    std::int8_t nivelJugador = 0;
    std::string nombreFichero;
    ColaIter<Casilla> historial;
    // The moves that led to juegoAnterior: Deshacer exchanges it with historial
    // together with the positions, so the history always matches the board.
    ColaIter<Casilla> historialAnterior;
    Turno primerTurno = NINGUNO;
    ListaOrd<TForm1*, &Orden> ventanas;
};

#endif
