#include "views/Utinterfazgrafot.h"

#include "games/Utjuegootelo.h"

ConjuntoImagenes& imagenesOtelo()
{
    static ConjuntoImagenes imagenes({"OteloA.bmp", "OteloB.bmp", "OteloN.bmp", "OteloP.bmp"});
    return imagenes;
}

namespace {

// n in decimal, with a leading 0 below 10.
std::string dosCifras(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

std::string lineaFichas(int fichasJ1, int fichasJ2)
{
    return "J1: " + dosCifras(fichasJ1) + " J2: " + dosCifras(fichasJ2);
}

void tInterfazGrafOt::dibujar(tJuegoLogT2* juego)
{
    if (!juego)
        return;
    prepararLienzo(PUNTOS);
    escribirTurno(*juego);
    if (const auto* otelo = dynamic_cast<const tJuegoOtelo*>(juego)) {
        const std::string fichas = lineaFichas(otelo->fichasJ1(), otelo->fichasJ2());
        // The line below the status line: half its height is truncated before tripling.
        escribirCentrado(fichas, int(dameAlto()) + 3 * (lienzo->altoTexto(fichas) / 2));
    }
    dibujarCasillas(*juego, LADO, imagenesOtelo());
    dibujarImagen(int(COLUMNA_PASAR * LADO), 0, imagenesOtelo().imagen(IMAGEN_PASAR));
}
