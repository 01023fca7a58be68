#ifndef PLATFORM_DIALOGOS_H
#define PLATFORM_DIALOGOS_H

// The modal boxes of the program: messages, pauses and file choosers.

#include <string>

// Shows texto in a modal box with an "Aceptar" button and waits for it.
void mostrarMensaje(const std::string& texto);

// Puts on the screen everything drawn so far, then blocks for ms milliseconds
// without taking any input.
void pausar(int ms);

// A modal chooser of one file name.
class DialogoFichero {
public:
    enum class Modo { ABRIR, GUARDAR };

    explicit DialogoFichero(Modo m) : modo(m) {}
    virtual ~DialogoFichero() = default;
    DialogoFichero(const DialogoFichero&) = delete;
    DialogoFichero& operator=(const DialogoFichero&) = delete;

    // "Description|pattern" pairs, separated by "|" (for instance
    // "Ficheros de juego (*.jt2)|*.JT2"); patterns match either case.
    std::string filtro;
    // Added, after a dot, to a chosen name that has no extension ("jt2").
    std::string extensionPorDefecto;
    // The name chosen in the last run that was not cancelled.
    std::string nombreFichero;

    // Runs the dialog; true with nombreFichero set when a file was chosen,
    // false when the person cancelled it.
    bool ejecutar();

    Modo dameModo() const { return modo; }

private:
    Modo modo;
};

class DialogoAbrir : public DialogoFichero {
public:
    DialogoAbrir() : DialogoFichero(Modo::ABRIR) {}
};

class DialogoGuardar : public DialogoFichero {
public:
    DialogoGuardar() : DialogoFichero(Modo::GUARDAR) {}
};

// name with "." + extension added when its last component has no extension.
std::string conExtension(const std::string& nombre, const std::string& extension);

inline std::string conExtension(const std::string& nombre, const std::string& extension)
{
    if (extension.empty() || nombre.empty()) return nombre;
    const std::string::size_type barra = nombre.find_last_of('/');
    const std::string base = barra == std::string::npos ? nombre : nombre.substr(barra + 1);
    if (base.empty() || base.find('.') != std::string::npos) return nombre;
    return nombre + "." + extension;
}

#endif
