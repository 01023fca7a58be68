// The pictures the build draws, read back through the FLTK loader the
// program uses: their sizes, and a few pixels that say what each one shows.

#include <gtest/gtest.h>

#include <FL/Fl_BMP_Image.H>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/Lienzo.h"

namespace {

std::string enBin(const std::string& fichero)
{
    return std::string(TABLEXO_BIN_DIR) + "/" + fichero;
}

TEST(Fichas, EachLoadsAtTheSizeOfItsCell)
{
    const struct {
        const char* fichero;
        int lado;
    } fichas[] = {
        {"fichaA.bmp", 50},  {"fichaB.bmp", 50},  {"fichaN.bmp", 50},  {"3RA.bmp", 150},
        {"3RB.bmp", 150},    {"3RN.bmp", 150},    {"OteloA.bmp", 41},  {"OteloB.bmp", 41},
        {"OteloN.bmp", 41},  {"OteloP.bmp", 41},
    };
    for (const auto& f : fichas) {
        const auto imagen = cargarImagen(enBin(f.fichero));
        ASSERT_NE(imagen, nullptr) << f.fichero;
        EXPECT_EQ(imagen->ancho(), f.lado) << f.fichero;
        EXPECT_EQ(imagen->alto(), f.lado) << f.fichero;
        EXPECT_EQ(imagen->nombre(), enBin(f.fichero));
    }
}

TEST(Fichas, LoaderRefusesMissingAndForeignFiles)
{
    EXPECT_EQ(cargarImagen(enBin("no-existe.bmp")), nullptr);
    const auto ruta = std::filesystem::temp_directory_path() / ("tablexo-fichas-" + std::to_string(getpid()) + ".bmp");
    // FLTK's own reader would take this for a picture, slowly.
    std::ofstream(ruta) << "BM, pero no una imagen";
    EXPECT_EQ(cargarImagen(ruta.string()), nullptr);
    // Valid headers whose pixel rows are cut short.
    std::ifstream bueno(enBin("OteloA.bmp"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(bueno)), {});
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);
    EXPECT_EQ(cargarImagen(ruta.string()), nullptr);
    std::filesystem::remove(ruta);
}

struct Rgb {
    int r, g, b;
};

// Pixel (x, y), counted from the top left, of a picture read by FLTK.
Rgb pixel(const char* fichero, int x, int y)
{
    Fl_BMP_Image bmp(enBin(fichero).c_str());
    EXPECT_EQ(bmp.fail(), 0) << fichero;
    const auto* p = reinterpret_cast<const unsigned char*>(bmp.data()[0]) + (y * bmp.w() + x) * bmp.d();
    return {p[0], p[1], p[2]};
}

bool rojo(Rgb c) { return c.r > 170 && c.g < 90 && c.b < 90; }
bool amarillo(Rgb c) { return c.r > 200 && c.g > 160 && c.b < 110; }
bool azul(Rgb c) { return c.b > c.r + 80 && c.b > c.g + 40; }
bool claro(Rgb c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool oscuro(Rgb c) { return c.r < 100 && c.g < 100 && c.b < 100; }
bool crema(Rgb c) { return c.r > 200 && c.g > 180 && c.b > 130; }
bool verde(Rgb c) { return c.g > c.r + 40 && c.g > c.b + 20; }

TEST(Fichas, ShowWhatTheyStandFor)
{
    // Connect 4: red and yellow pieces in a blue board; the empty hole shows light.
    EXPECT_TRUE(rojo(pixel("fichaA.bmp", 25, 30)));
    EXPECT_TRUE(amarillo(pixel("fichaB.bmp", 25, 30)));
    EXPECT_TRUE(claro(pixel("fichaN.bmp", 28, 30)));
    for (const char* f : {"fichaA.bmp", "fichaB.bmp", "fichaN.bmp"})
        EXPECT_TRUE(azul(pixel(f, 1, 1))) << f;

    // Tic-tac-toe: the cross passes through the centre, the ring leaves it light.
    EXPECT_TRUE(rojo(pixel("3RA.bmp", 75, 75)));
    EXPECT_TRUE(claro(pixel("3RB.bmp", 75, 75)));
    EXPECT_TRUE(azul(pixel("3RB.bmp", 75, 75 - 33)));
    EXPECT_TRUE(claro(pixel("3RN.bmp", 75, 75)));
    EXPECT_TRUE(oscuro(pixel("3RN.bmp", 0, 75)));  // the grid line

    // Othello: black and white discs on green, dark cell borders.
    EXPECT_TRUE(oscuro(pixel("OteloA.bmp", 20, 24)));
    EXPECT_TRUE(claro(pixel("OteloB.bmp", 20, 24)));
    EXPECT_TRUE(verde(pixel("OteloN.bmp", 20, 20)));
    EXPECT_TRUE(oscuro(pixel("OteloN.bmp", 20, 0)));
    // The pass button: light, with its arrow low in the picture (rows are not upside down).
    EXPECT_TRUE(crema(pixel("OteloP.bmp", 20, 36)));
    EXPECT_TRUE(oscuro(pixel("OteloP.bmp", 20, 29)));
    EXPECT_TRUE(crema(pixel("OteloP.bmp", 20, 33)));
}

}  // namespace
