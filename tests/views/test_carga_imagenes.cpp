// Loading the picture sets: where each file is looked for, what a failure
// says, and that views draw without pictures when loading failed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "games/Utjuegoconecta4.h"
#include "platform/headless/LienzoGrabador.h"
#include "views/Utinterfazgrafc4.h"
#include "views/Utinterfazgrafot.h"

namespace fs = std::filesystem;

namespace {

const char* const FICHEROS[] = {"fichaA.bmp", "fichaB.bmp", "fichaN.bmp", "3RA.bmp",    "3RB.bmp",
                                "3RN.bmp",    "OteloA.bmp", "OteloB.bmp", "OteloN.bmp", "OteloP.bmp"};

// A fresh temporary folder, which is also the current directory while it lives.
class CarpetaDePrueba {
public:
    CarpetaDePrueba() : anterior(fs::current_path())
    {
        raiz = fs::temp_directory_path() /
               ("tablexo-vistas-" + std::to_string(getpid()) + "-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(raiz);
        fs::create_directories(raiz / "trabajo");
        fs::current_path(raiz / "trabajo");
    }
    ~CarpetaDePrueba()
    {
        fs::current_path(anterior);
        fs::remove_all(raiz);
    }

    // A folder below the root, created.
    fs::path carpeta(const std::string& nombre) const
    {
        fs::create_directories(raiz / nombre);
        return raiz / nombre;
    }

    // Copies the pictures the build drew into destino, but for excepto.
    static void copiarImagenes(const fs::path& destino, const std::string& excepto = "")
    {
        for (const char* f : FICHEROS)
            if (f != excepto)
                fs::copy_file(fs::path(TABLEXO_BIN_DIR) / f, destino / f, fs::copy_options::overwrite_existing);
    }

private:
    fs::path anterior;
    fs::path raiz;
};

// The (single) picture drawn at (x, y) by a Connect 4 view of the empty board.
std::string dibujadaEn(int x, int y)
{
    LienzoGrabador lienzo;
    tJuegoConecta4 juego(8, 6, JUGADOR1);
    tInterfazGrafC4(&lienzo).dibujar(&juego);
    for (const LlamadaLienzo& l : lienzo.llamadas(LlamadaLienzo::IMAGEN))
        if (l.x == x && l.y == y)
            return l.texto + " " + std::to_string(l.ancho);
    return "";
}

class CargaImagenes : public ::testing::Test {
protected:
    void TearDown() override { liberarImagenesJuegos(); }

    CarpetaDePrueba carpetas;
    std::string error;
};

TEST_F(CargaImagenes, LoadsEveryPictureFromTheProgramsFolder)
{
    ASSERT_TRUE(cargarImagenesJuegos(TABLEXO_BIN_DIR, error)) << error;
    EXPECT_EQ(dibujadaEn(0, 0), "fichaN.bmp 50");
    ASSERT_NE(imagenesOtelo().imagen(IMAGEN_PASAR), nullptr);
    EXPECT_EQ(imagenesOtelo().imagen(IMAGEN_PASAR)->ancho(), 41);
}

TEST_F(CargaImagenes, TheCurrentDirectoryComesFirst)
{
    // A 41-pixel picture under the name of the 50-pixel one tells which was taken.
    fs::copy_file(fs::path(TABLEXO_BIN_DIR) / "OteloN.bmp", "fichaN.bmp");
    ASSERT_TRUE(cargarImagenesJuegos(TABLEXO_BIN_DIR, error)) << error;
    EXPECT_EQ(dibujadaEn(0, 0), "fichaN.bmp 41");
}

TEST_F(CargaImagenes, FindsTheInstalledDataFolderBesideBin)
{
    const fs::path bin = carpetas.carpeta("prefijo/bin");
    CarpetaDePrueba::copiarImagenes(carpetas.carpeta("prefijo/share/tablexo"));
    ASSERT_TRUE(cargarImagenesJuegos(bin.string(), error)) << error;
    EXPECT_EQ(dibujadaEn(150, 250), "fichaN.bmp 50");
}

TEST_F(CargaImagenes, MissingPictureIsNamedWithEveryPlaceSearched)
{
    const fs::path bin = carpetas.carpeta("prefijo/bin");
    CarpetaDePrueba::copiarImagenes(bin, "3RB.bmp");
    EXPECT_FALSE(cargarImagenesJuegos(bin.string(), error));

    EXPECT_NE(error.find("\"3RB.bmp\""), std::string::npos) << error;
    for (const fs::path& lugar : {fs::current_path(), bin, bin.parent_path() / "share" / "tablexo"})
        EXPECT_NE(error.find((lugar / "3RB.bmp").string() + " (no existe)"), std::string::npos)
            << lugar << " not in:\n" << error;
    // The pictures loaded before the failure are freed: drawing shows none.
    EXPECT_EQ(dibujadaEn(0, 0), "");
}

TEST_F(CargaImagenes, FileThatIsNotABmpIsReportedAsSuch)
{
    const fs::path bin = carpetas.carpeta("prefijo/bin");
    CarpetaDePrueba::copiarImagenes(bin);
    std::ofstream(bin / "OteloP.bmp") << "Esto no es una imagen.\n";
    EXPECT_FALSE(cargarImagenesJuegos(bin.string(), error));
    EXPECT_NE(error.find((bin / "OteloP.bmp").string() + " (no es un BMP válido)"), std::string::npos) << error;
}

TEST_F(CargaImagenes, WithoutPicturesViewsStillDrawTheirText)
{
    LienzoGrabador lienzo;
    tJuegoConecta4 juego(8, 6, JUGADOR1);
    tInterfazGrafC4(&lienzo).dibujar(&juego);  // before any loading
    EXPECT_TRUE(lienzo.llamadas(LlamadaLienzo::IMAGEN).empty());
    EXPECT_EQ(lienzo.llamadas(LlamadaLienzo::TEXTO).size(), 1u);
}

// The headless loader reads only the headers, so it must refuse what FLTK would refuse.
TEST(CargarImagenSinPantalla, RefusesDamagedFiles)
{
    const fs::path valido = fs::path(TABLEXO_BIN_DIR) / "OteloA.bmp";
    std::string bytes;
    {
        std::ifstream f(valido, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(f), {});
    }
    ASSERT_GT(bytes.size(), 54u);
    auto conCambio = [&](std::size_t en, char valor) {
        std::string b = bytes;
        b[en] = valor;
        return b;
    };
    const struct {
        const char* caso;
        std::string contenido;
    } casos[] = {
        {"empty", ""},
        {"headers cut short", bytes.substr(0, 30)},
        {"pixel rows cut short", bytes.substr(0, bytes.size() - 10)},
        {"wrong signature", conCambio(0, 'X')},
        {"zero width", conCambio(18, 0)},
        {"unknown depth", conCambio(28, 7)},
        {"compressed", conCambio(30, 1)},
    };
    const fs::path ruta = fs::temp_directory_path() / ("tablexo-vistas-danada-" + std::to_string(getpid()) + ".bmp");
    for (const auto& c : casos) {
        std::ofstream(ruta, std::ios::binary | std::ios::trunc) << c.contenido;
        EXPECT_EQ(cargarImagen(ruta.string()), nullptr) << c.caso;
    }
    fs::remove(ruta);

    const auto imagen = cargarImagen(valido.string());
    ASSERT_NE(imagen, nullptr);
    EXPECT_EQ(imagen->ancho(), 41);
    EXPECT_EQ(imagen->alto(), 41);
    EXPECT_EQ(cargarImagen("no-existe.bmp"), nullptr);
}

}  // namespace
