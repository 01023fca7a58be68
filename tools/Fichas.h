#ifndef TOOLS_FICHAS_H
#define TOOLS_FICHAS_H

// The ten piece pictures of the three games, drawn from code. A is the
// person's piece, B the computer's, N an empty cell; OteloP is the pass button.

#include <string>
#include <vector>

#include "tools/Raster.h"

struct Ficha {
    std::string nombre;  // the file name the program loads
    Raster (*dibujar)();
};

// Every picture, in the order the program loads them.
const std::vector<Ficha>& fichas();

#endif
