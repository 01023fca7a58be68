// The headless pictures: a BMP file is read only as far as its headers, which
// is enough to know that it is a picture and its size.

#include "platform/CabeceraBMP.h"
#include "platform/Lienzo.h"

namespace {

class ImagenCabecera : public Imagen {
public:
    ImagenCabecera(const std::string& ruta, CabeceraBMP cabecera) : Imagen(ruta), tamano(cabecera) {}

    int ancho() const override { return tamano.ancho; }
    int alto() const override { return tamano.alto; }

private:
    CabeceraBMP tamano;
};

}  // namespace

std::unique_ptr<Imagen> cargarImagen(const std::string& ruta)
{
    CabeceraBMP cabecera;
    if (!leerCabeceraBMP(ruta, cabecera))
        return nullptr;
    return std::make_unique<ImagenCabecera>(ruta, cabecera);
}
