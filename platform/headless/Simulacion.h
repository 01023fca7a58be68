#ifndef PLATFORM_HEADLESS_SIMULACION_H
#define PLATFORM_HEADLESS_SIMULACION_H

// What the headless platform offers the tests: a record of the messages,
// pauses and dialogs the program asked for, the answers the dialogs give,
// and the person's acts on a window (a mouse release, the close box).

#include <optional>
#include <set>
#include <string>
#include <vector>

class ElementoMenu;
class Formulario;

struct Suceso {
    enum class Tipo { MENSAJE, PAUSA, DIALOGO };
    Tipo tipo;
    std::string texto;  // the message; for a dialog its filter and default extension
    int ms = 0;         // the length of a pause
};

namespace simulacion {

// Everything recorded since the last reiniciar, oldest first.
const std::vector<Suceso>& sucesos();
// Only the messages, oldest first.
std::vector<std::string> mensajes();
// The number of pauses and their total length.
int numPausas();
int msPausados();

// Queues the answer of the next dialog: a file name, or a cancel.
void responderDialogo(const std::string& fichero);
void cancelarDialogo();
// Dialog answers still queued (a run with none left is a cancel).
std::size_t respuestasPendientes();

// Forgets the record and the queued answers.
void reiniciar();

// A mouse button released at (x, y) of the client area, as the framework delivers it.
void soltarRaton(Formulario& f, int x, int y);
// A menu item picked by the person (nothing when it is disabled).
void pulsarMenu(ElementoMenu& elemento);
// The close box of the window.
void pulsarCierre(Formulario& f);

// Windows created and not yet destroyed.
const std::set<const Formulario*>& formulariosVivos();
// How many times a window has been destroyed (any window; a test checks the difference).
int formulariosDestruidos();

}  // namespace simulacion

#endif
