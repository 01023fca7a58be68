#include "views/Utinterfazgraf3r.h"

ConjuntoImagenes& imagenes3Raya()
{
    static ConjuntoImagenes imagenes({"3RA.bmp", "3RB.bmp", "3RN.bmp"});
    return imagenes;
}

void tInterfazGraf3R::dibujar(tJuegoLogT2* juego)
{
    if (!juego)
        return;
    prepararLienzo(PUNTOS);
    escribirTurno(*juego);
    dibujarCasillas(*juego, LADO, imagenes3Raya());
}
