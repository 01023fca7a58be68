#include "support/Uerrores.h"

const std::string MENSAJE_ERROR_RANGO = "Error: Fuera de Rango.";
const std::string MENSAJE_ERROR_JUEGO = "Error de juego.";
const std::string MENSAJE_ERROR_JUGADOR = "Error de jugador.";
const std::string MENSAJE_ERROR_INTERFAZ = "Error de interfaz.";
