#ifndef SUPPORT_UERRORES_H
#define SUPPORT_UERRORES_H

// The program's error classes. Every failure the program reports is one of
// these, thrown and caught by value; the window shows a fixed text per class.

#include <string>

extern const std::string MENSAJE_ERROR_RANGO;     // "Error: Fuera de Rango."
extern const std::string MENSAJE_ERROR_JUEGO;     // "Error de juego."
extern const std::string MENSAJE_ERROR_JUGADOR;   // "Error de jugador."
extern const std::string MENSAJE_ERROR_INTERFAZ;  // "Error de interfaz."

class Error {
public:
    explicit Error(std::string m) : mensaje(std::move(m)) {}
    const std::string& dameMensaje() const { return mensaje; }

private:
    std::string mensaje;
};

// A position outside a list.
class ErrRango : public Error {
public:
    explicit ErrRango(std::string m = MENSAJE_ERROR_RANGO) : Error(std::move(m)) {}
};

// A move that the game rejects.
class EJuego : public Error {
public:
    explicit EJuego(std::string m = MENSAJE_ERROR_JUEGO) : Error(std::move(m)) {}
};

// The computer player cannot choose a move.
class EJugador : public Error {
public:
    explicit EJugador(std::string m = MENSAJE_ERROR_JUGADOR) : Error(std::move(m)) {}
};

// A failure of a board view.
class EInterfaz : public Error {
public:
    explicit EInterfaz(std::string m = MENSAJE_ERROR_INTERFAZ) : Error(std::move(m)) {}
};

#endif
