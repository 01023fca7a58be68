#ifndef PLATFORM_APLICACION_H
#define PLATFORM_APLICACION_H

// The application object: it runs the event loop of the program's windows,
// shows an error that escapes an event handler and keeps going, and destroys
// the windows whose closing asked for it.

#include <functional>

class Formulario;

class Aplicacion {
public:
    Aplicacion();
    ~Aplicacion();
    Aplicacion(const Aplicacion&) = delete;
    Aplicacion& operator=(const Aplicacion&) = delete;

    // Shows principal and runs the loop until principal is closed. The caller
    // still owns principal and destroys it afterwards.
    void ejecutar(Formulario& principal);

    // The window whose closing ends the loop; null outside ejecutar.
    static Formulario* principal();
    // Makes f the window whose closing ends the loop (ejecutar does it too).
    static void ponerPrincipal(Formulario* f);

    // Destroys f once the present event has been handled; twice is once.
    static void liberarDespues(Formulario* f);
    // Destroys every window waiting for it.
    static void procesarPendientes();

    // Runs an event handler; an error escaping it is shown in a message box.
    static void despachar(const std::function<void()>& manejador);
};

// Whether a display exists on which a window could be shown.
bool pantallaDisponible();

#endif
