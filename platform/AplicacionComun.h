#ifndef PLATFORM_APLICACIONCOMUN_H
#define PLATFORM_APLICACIONCOMUN_H

// The part of the application object that both backends share: the main
// window, the windows waiting to be destroyed and the handling of errors
// that escape an event handler. Included by the backends only.

#include <algorithm>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/Aplicacion.h"
#include "platform/Dialogos.h"
#include "platform/Formulario.h"
#include "support/Uerrores.h"

namespace aplicacion_comun {

inline Formulario*& principal()
{
    static Formulario* f = nullptr;
    return f;
}

inline std::vector<Formulario*>& pendientes()
{
    static std::vector<Formulario*> lista;
    return lista;
}

inline void liberarDespues(Formulario* f)
{
    std::vector<Formulario*>& lista = pendientes();
    if (f && std::find(lista.begin(), lista.end(), f) == lista.end()) lista.push_back(f);
}

// Destroying a window may queue others; the loop runs until none is left.
inline void procesarPendientes()
{
    std::vector<Formulario*>& lista = pendientes();
    while (!lista.empty()) {
        Formulario* f = lista.front();
        lista.erase(lista.begin());
        delete f;
    }
}

// The text shown for an error that no handler caught: the error's own message.
inline std::string textoDeError(std::exception_ptr error)
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

inline void despachar(const std::function<void()>& manejador)
{
    try {
        manejador();
    } catch (...) {
        mostrarMensaje(textoDeError(std::current_exception()));
    }
}

}  // namespace aplicacion_comun

#endif
