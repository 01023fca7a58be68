#ifndef APP_UFICHERO_H
#define APP_UFICHERO_H

// Reading a whole small file, and replacing a file only once its new
// contents are safely written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The largest file leerFichero accepts; a saved game is far smaller.
constexpr std::size_t MAX_BYTES_FICHERO = 1u << 20;

// Reads the whole file at ruta into datos. On failure returns false and
// error says why, in Spanish (it cannot be opened or read, or it is larger
// than MAX_BYTES_FICHERO).
bool leerFichero(const std::string& ruta, std::vector<std::uint8_t>& datos, std::string& error);

// Writes datos to a new file beside ruta, flushes it to the disc and only
// then renames it over ruta. On failure returns false, error says why in
// Spanish, no temporary file is left and ruta is as it was.
bool escribirFicheroSeguro(const std::string& ruta, const std::vector<std::uint8_t>& datos, std::string& error);

#endif
