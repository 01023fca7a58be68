#include "views/Utinterfazgrafc4.h"

ConjuntoImagenes& imagenesConecta4()
{
    static ConjuntoImagenes imagenes({"fichaA.bmp", "fichaB.bmp", "fichaN.bmp"});
    return imagenes;
}

void tInterfazGrafC4::dibujar(tJuegoLogT2* juego)
{
    if (!juego)
        return;
    prepararLienzo(PUNTOS);
    escribirTurno(*juego);
    dibujarCasillas(*juego, LADO, imagenesConecta4());
}
