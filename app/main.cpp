// The program: loads the piece pictures, opens the main window and runs
// until it is closed.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/tForPrincp.h"
#include "platform/Aplicacion.h"
#include "platform/Dialogos.h"
#include "views/Utinterfazgraft2.h"

namespace {

// The folder that holds the running program, with no trailing slash; "." if unknown.
std::string directorioEjecutable()
{
    std::vector<char> ruta(4096);
    const ssize_t n = readlink("/proc/self/exe", ruta.data(), ruta.size() - 1);
    if (n <= 0) return ".";
    const std::string completa(ruta.data(), static_cast<std::size_t>(n));
    const std::string::size_type barra = completa.find_last_of('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : completa.substr(0, barra);
}

// Reports a failure to start where the person can see it, then the exit code.
int fallarAlIniciar(const std::string& mensaje)
{
    std::cerr << mensaje << '\n';
    if (pantallaDisponible()) {
        Aplicacion aplicacion;
        mostrarMensaje(mensaje);
    }
    return 1;
}

}  // namespace

int main()
{
    std::string error;
    if (!cargarImagenesJuegos(directorioEjecutable(), error)) return fallarAlIniciar(error);
    {
        Aplicacion aplicacion;
        TForm1* principal = new TForm1(nullptr);
        aplicacion.ejecutar(*principal);
        delete principal;  // and with it every window opened from it
    }
    liberarImagenesJuegos();
    return 0;
}
