#include "app/Ufichero.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

// The reason of the last failed system call, in Spanish, for the usual cases.
std::string causa(int codigo)
{
    switch (codigo) {
    case ENOENT: return "la carpeta o el fichero no existe";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case EISDIR: return "hay una carpeta con ese nombre";
    case EACCES:
    case EPERM: return "no hay permiso";
    case EROFS: return "el disco es de solo lectura";
    case ENOSPC: return "no queda espacio en el disco";
    case EDQUOT: return "se ha agotado la cuota de disco";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case EIO: return "error de entrada/salida";
    default: return "error del sistema " + std::to_string(codigo);
    }
}

// The file that a write to ruta really replaces: a link's target, when ruta is a link that exists.
std::string destinoReal(const std::string& ruta)
{
    struct stat info {};
    if (lstat(ruta.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return ruta;
    char* real = realpath(ruta.c_str(), nullptr);
    if (!real) return ruta;
    std::string r = real;
    std::free(real);
    return r;
}

// The permissions a new file gets: those of the file it replaces, or the usual ones.
mode_t permisosPara(const std::string& ruta)
{
    struct stat info {};
    if (stat(ruta.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mascara = umask(0);
    umask(mascara);
    return 0666 & ~mascara;
}

bool escribirTodo(int fd, const std::vector<std::uint8_t>& datos)
{
    std::size_t hecho = 0;
    while (hecho < datos.size()) {
        const ssize_t n = write(fd, datos.data() + hecho, datos.size() - hecho);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        hecho += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool leerFichero(const std::string& ruta, std::vector<std::uint8_t>& datos, std::string& error)
{
    const int fd = open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "no se puede abrir el fichero (" + causa(errno) + ")";
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? "es una carpeta, no un fichero" : "no es un fichero normal";
        close(fd);
        return false;
    }
    std::vector<std::uint8_t> leidos;
    std::uint8_t bloque[4096];
    for (;;) {
        const ssize_t n = read(fd, bloque, sizeof bloque);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = "no se puede leer el fichero (" + causa(errno) + ")";
            close(fd);
            return false;
        }
        if (n == 0) break;
        leidos.insert(leidos.end(), bloque, bloque + n);
        if (leidos.size() > MAX_BYTES_FICHERO) {
            error = "el fichero es demasiado grande para ser una partida guardada";
            close(fd);
            return false;
        }
    }
    close(fd);
    datos.swap(leidos);
    return true;
}

bool escribirFicheroSeguro(const std::string& ruta, const std::vector<std::uint8_t>& datos, std::string& error)
{
    const std::string destino = destinoReal(ruta);
    std::string temporal = destino + ".tmp-XXXXXX";
    const int fd = mkstemp(temporal.data());
    if (fd < 0) {
        error = "no se puede crear el fichero (" + causa(errno) + ")";
        return false;
    }
    bool bien = escribirTodo(fd, datos) && fchmod(fd, permisosPara(destino)) == 0 && fsync(fd) == 0;
    int codigo = errno;
    if (close(fd) != 0 && bien) {
        bien = false;
        codigo = errno;
    }
    if (!bien) {
        unlink(temporal.c_str());
        error = "no se puede escribir el fichero (" + causa(codigo) + ")";
        return false;
    }
    if (rename(temporal.c_str(), destino.c_str()) != 0) {
        codigo = errno;
        unlink(temporal.c_str());
        error = "no se puede reemplazar el fichero (" + causa(codigo) + ")";
        return false;
    }
    return true;
}
