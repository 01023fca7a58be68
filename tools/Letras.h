#ifndef TOOLS_LETRAS_H
#define TOOLS_LETRAS_H

// A tiny stroke font, enough for the word on the pass picture. Letters are
// drawn as round-ended strokes and arcs, so they scale and keep smooth edges.

#include <string>

#include "tools/Formas.h"

// The distance from p to the strokes of texto written with its cap line at
// arriba, horizontally centred on centroX, each font unit escala pixels wide
// and strokes of half-width grosor. Letters it does not know are left blank.
double dTexto(Punto p, const std::string& texto, double centroX, double arriba, double escala,
              double grosor);

#endif
