#ifndef PLATFORM_FORMULARIO_H
#define PLATFORM_FORMULARIO_H

// A top-level window: a menu bar above a client area that is a canvas.
// The program reacts to the window through its events; sizes and points are
// those of the client area, which the menu bar is not part of.

#include <functional>
#include <memory>
#include <string>

#include "platform/Lienzo.h"
#include "platform/Menu.h"

// What happens to a window once its close event has run.
enum class AccionCierre {
    OCULTAR,  // it is hidden and lives on
    LIBERAR   // it is hidden and destroyed once its closing has finished
};

class Formulario {
public:
    Formulario();
    virtual ~Formulario();
    Formulario(const Formulario&) = delete;
    Formulario& operator=(const Formulario&) = delete;

    // The events. alCrear and alDestruir are raised by the derived window
    // (through crear and destruir), since only it is whole at those moments.
    std::function<void()> alCrear;
    std::function<void(AccionCierre&)> alCerrar;
    std::function<void()> alDestruir;
    // A mouse button released at (x, y) of the client area (which may lie outside it).
    std::function<void(int x, int y)> alSoltarRaton;
    // The client area has been cleared and must be drawn again.
    std::function<void()> alPintar;

    void ponerTitulo(const std::string& texto);
    const std::string& titulo() const;

    void ponerAnchoCliente(int ancho);
    void ponerAltoCliente(int alto);
    int anchoCliente() const;
    int altoCliente() const;

    // Screen position of the window's top-left corner.
    void ponerPosicion(int izquierda, int arriba);
    int izquierda() const;
    int arriba() const;

    // Shows the bar of menu above the client area; the menu must outlive the window.
    void ponerMenu(MenuPrincipal& menu);

    void mostrar();
    bool visible() const;
    // Closes the window as its close box does: runs alCerrar, hides it, and
    // destroys it later if alCerrar asks so. Closing the application's main
    // window ends the program's loop.
    void cerrar();

    // Clears the client area to the button-face colour and runs alPintar, at once.
    void repintar();
    // Puts on the screen whatever has been drawn on the canvas so far.
    void actualizar();

    // The canvas of the client area, for the board views.
    Lienzo* lienzo();

protected:
    // To be called once at the end of the derived constructor and at the
    // start of its destructor.
    void crear();
    void destruir();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
    bool destruido = false;
};

#endif
