// The error classes: their standard messages, value copies, and that each is
// caught by its own handler only.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "support/Uerrores.h"
#include "support/Utlista.h"

namespace {

TEST(Errores, MensajesEstandarYPropios)
{
    EXPECT_EQ(ErrRango().dameMensaje(), "Error: Fuera de Rango.");
    EXPECT_EQ(EJuego().dameMensaje(), "Error de juego.");
    EXPECT_EQ(EJugador().dameMensaje(), "Error de jugador.");
    EXPECT_EQ(EInterfaz().dameMensaje(), "Error de interfaz.");
    // A given text is kept exactly, without prefix or formatting.
    const std::string columna = "Error de juego: La columna esta llena.";
    EXPECT_EQ(EJuego(columna).dameMensaje(), columna);
    EXPECT_EQ(Error("").dameMensaje(), "");
    EXPECT_EQ(ErrRango("La casilla no existe.").dameMensaje(), "La casilla no existe.");
}

TEST(Errores, LasClasesSonHermanasNoDerivadasEntreSi)
{
    static_assert(std::is_base_of_v<Error, ErrRango>);
    static_assert(std::is_base_of_v<Error, EJuego>);
    static_assert(std::is_base_of_v<Error, EJugador>);
    static_assert(std::is_base_of_v<Error, EInterfaz>);
    static_assert(!std::is_base_of_v<ErrRango, EJuego> && !std::is_base_of_v<EJuego, ErrRango>);
    static_assert(!std::is_base_of_v<EJugador, EInterfaz> && !std::is_base_of_v<EInterfaz, EJugador>);
}

// Throws the error a list raises when asked for a position holding no element.
void leerListaVacia()
{
    Lista<int> l;
    l[0];
}

TEST(Errores, ErrorDeListaLoCogeSoloSuManejador)
{
    std::string cogidoPor;
    try {
        try {
            leerListaVacia();
        } catch (EJuego) {
            cogidoPor = "EJuego";
        } catch (EJugador) {
            cogidoPor = "EJugador";
        } catch (EInterfaz) {
            cogidoPor = "EInterfaz";
        }
    } catch (ErrRango e) {  // by value: the copy carries the thrown text
        cogidoPor = "ErrRango: " + e.dameMensaje();
    }
    EXPECT_EQ(cogidoPor, "ErrRango: La casilla no existe.");
}

TEST(Errores, CadaClaseLaCogeSuManejador)
{
    auto cogido = [](auto lanzar) {
        try {
            lanzar();
        } catch (ErrRango) {
            return std::string("ErrRango");
        } catch (EJuego) {
            return std::string("EJuego");
        } catch (EJugador) {
            return std::string("EJugador");
        } catch (EInterfaz) {
            return std::string("EInterfaz");
        }
        return std::string("nada");
    };
    EXPECT_EQ(cogido([] { throw EInterfaz(); }), "EInterfaz");
    EXPECT_EQ(cogido([] { throw EJugador(); }), "EJugador");
    EXPECT_EQ(cogido([] { throw EJuego("x"); }), "EJuego");
    EXPECT_EQ(cogido([] { throw ErrRango(); }), "ErrRango");
}

TEST(Errores, UnaCopiaLlevaElMismoMensaje)
{
    const EJuego original("Error de juego: La columna esta llena.");
    EJuego copia = original;
    EXPECT_EQ(copia.dameMensaje(), original.dameMensaje());
    EJuego asignada;
    asignada = original;
    EXPECT_EQ(asignada.dameMensaje(), "Error de juego: La columna esta llena.");
}

}  // namespace
