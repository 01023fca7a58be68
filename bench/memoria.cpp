#include "bench/memoria.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

// The bench runs its searches on one thread. Signed: a block allocated while
// counting was off may be freed while it is on.
bool contando = false;
long long enUso = 0;
long long pico = 0;
long long base = 0;

void* reservar(std::size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    if (contando) {
        enUso += static_cast<long long>(malloc_usable_size(p));
        if (enUso > pico) pico = enUso;
    }
    return p;
}

void soltar(void* p) noexcept
{
    if (!p) return;
    if (contando) enUso -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

namespace memoria {

void empezar()
{
    contando = true;
    base = enUso;
    pico = enUso;
}

void parar() { contando = false; }

std::size_t picoDesdeReinicio() { return static_cast<std::size_t>(pico - base); }

}  // namespace memoria

void* operator new(std::size_t n) { return reservar(n); }
void* operator new[](std::size_t n) { return reservar(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return reservar(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { soltar(p); }
void operator delete[](void* p) noexcept { soltar(p); }
void operator delete(void* p, std::size_t) noexcept { soltar(p); }
void operator delete[](void* p, std::size_t) noexcept { soltar(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { soltar(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { soltar(p); }
