// libFuzzer target: the saved-game reader must take any bytes without a
// crash, a hang or a sanitizer finding, give a reason for every refusal, and
// write back byte for byte whatever it accepts.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/Upartidaguardada.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    const LecturaPartida lectura = leerPartida(datos, tamano);
    if (!lectura.aceptada) {
        if (lectura.motivo.empty()) __builtin_trap();
        return 0;
    }
    const std::vector<std::uint8_t> escrito = codificarPartida(lectura.partida);
    if (escrito.size() != tamano || (tamano > 0 && std::memcmp(escrito.data(), datos, tamano) != 0))
        __builtin_trap();
    return 0;
}
