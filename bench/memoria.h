#ifndef BENCH_MEMORIA_H
#define BENCH_MEMORIA_H

// Counts the heap bytes the bench program holds, through its own operator new
// and delete, so a search's peak can be read off.

#include <cstddef>

namespace memoria {

// Starts counting, with a new peak from the present level. Counting costs time,
// so timed runs leave it off.
void empezar();
// Stops counting.
void parar();
// The most bytes held since the last reiniciarPico, above the level at that time.
std::size_t picoDesdeReinicio();

}  // namespace memoria

#endif
