// What both backends share: the window whose closing ends the loop, the
// windows waiting to be destroyed, the handling of errors that escape an event
// handler, and the window's creation and destruction events. Compiled into
// each backend's library.

#include <algorithm>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/Aplicacion.h"
#include "platform/Dialogos.h"
#include "platform/Formulario.h"
#include "support/Uerrores.h"

namespace {

Formulario* ventanaPrincipal = nullptr;
std::vector<Formulario*> pendientes;

// The text shown for an error that no handler caught: the error's own message.
std::string textoDeError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ErrRango& e) {
        return e.dameMensaje();
    } catch (const EJuego& e) {
        return e.dameMensaje();
    } catch (const EJugador& e) {
        return e.dameMensaje();
    } catch (const EInterfaz& e) {
        return e.dameMensaje();
    } catch (const std::exception& e) {
        return std::string("Error inesperado: ") + e.what();
    } catch (...) {
        return "Error inesperado.";
    }
}

}  // namespace

Formulario* Aplicacion::principal() { return ventanaPrincipal; }
void Aplicacion::ponerPrincipal(Formulario* f) { ventanaPrincipal = f; }

void Aplicacion::liberarDespues(Formulario* f)
{
    if (f && std::find(pendientes.begin(), pendientes.end(), f) == pendientes.end()) pendientes.push_back(f);
}

// Destroying a window may queue others; the loop runs until none is left.
void Aplicacion::procesarPendientes()
{
    while (!pendientes.empty()) {
        Formulario* f = pendientes.front();
        pendientes.erase(pendientes.begin());
        delete f;
    }
}

void Aplicacion::despachar(const std::function<void()>& manejador)
{
    try {
        manejador();
    } catch (...) {
        mostrarMensaje(textoDeError(std::current_exception()));
    }
}

void Formulario::crear()
{
    if (alCrear) alCrear();
}

void Formulario::destruir()
{
    if (destruido) return;
    destruido = true;
    if (alDestruir) alDestruir();
}
