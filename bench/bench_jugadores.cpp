// Time and peak heap of one thorough move per game, level and fixed position,
// next to the exhaustive search (the first version of the program) on the same
// positions. The moves must agree: a differing move fails the run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/memoria.h"
#include "players/Utjugadoraut3r.h"
#include "players/Utjugadorautc4.h"
#include "players/Utjugadorautot.h"
#include "tests/players/partidas.h"
#include "tests/players/referencia.h"

namespace {

// The whole tree is built only up to this many nodes (about 1 GB of game copies);
// beyond it the full-tree run is skipped and only the plain recursion is timed.
constexpr std::size_t LIMITE_NODOS = 2'000'000;
constexpr double KB = 1024.0;

struct Posicion {
    std::string nombre;
    std::shared_ptr<tJuegoLogT2> juego;
    FuncionEvaluacion evaluacion;
    std::function<std::unique_ptr<tJugadorAutT2>(int)> jugador;
};

struct Referencia {
    Casilla jugada;
    std::size_t nodos;
};

std::map<std::string, Referencia> referencias;
bool hayDiferencias = false;

std::string clave(const Posicion& p, int nivel) { return p.nombre + "/" + std::to_string(nivel); }

std::string texto(Casilla c) { return "(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")"; }

// The exhaustive move of p at nivel, worked out once and kept.
const Referencia& referenciaDe(const Posicion& p, int nivel)
{
    auto it = referencias.find(clave(p, nivel));
    if (it != referencias.end()) return it->second;
    Referencia r{};
    r.jugada = referencia::mejorJugada(p.juego.get(), nivel, p.evaluacion, &r.nodos);
    return referencias[clave(p, nivel)] = r;
}

void exhaustiva(benchmark::State& estado, const Posicion& p, int nivel)
{
    Referencia r{};
    for (auto _ : estado) r.jugada = referencia::mejorJugada(p.juego.get(), nivel, p.evaluacion, &r.nodos);
    referencias[clave(p, nivel)] = r;
    estado.counters["nodos"] = static_cast<double>(r.nodos);
    estado.SetLabel(texto(r.jugada));
}

void arbolCompleto(benchmark::State& estado, const Posicion& p, int nivel)
{
    const Referencia& r = referenciaDe(p, nivel);
    if (r.nodos > LIMITE_NODOS) {
        estado.SkipWithError(("skipped: " + std::to_string(r.nodos) + " nodes").c_str());
        for (auto _ : estado) {
        }
        return;
    }
    Casilla c{};
    memoria::empezar();  // counted while timed: the run is too long to repeat
    for (auto _ : estado) {
        referencia::ArbolCompleto arbol(p.juego.get(), nivel, p.evaluacion);
        c = arbol.mejorJugada();
    }
    memoria::parar();
    estado.counters["nodos"] = static_cast<double>(r.nodos);
    estado.counters["pico_KB"] = static_cast<double>(memoria::picoDesdeReinicio()) / KB;
    estado.SetLabel(texto(c));
}

void rapida(benchmark::State& estado, const Posicion& p, int nivel)
{
    const std::unique_ptr<tJugadorAutT2> jugador = p.jugador(nivel);
    memoria::empezar();
    const Casilla c = jugador->elegirJugada(p.juego.get());
    memoria::parar();
    const double pico = static_cast<double>(memoria::picoDesdeReinicio()) / KB;
    const Casilla esperada = referenciaDe(p, nivel).jugada;
    if (c != esperada) {
        hayDiferencias = true;
        estado.SkipWithError(("move " + texto(c) + " differs from the exhaustive " + texto(esperada)).c_str());
    }
    for (auto _ : estado) benchmark::DoNotOptimize(jugador->elegirJugada(p.juego.get()));
    estado.counters["pico_KB"] = pico;
    estado.SetLabel(texto(c));
}

std::unique_ptr<tJuegoLogT2> aMano(std::unique_ptr<tJuegoLogT2> j) { return j; }

std::vector<Posicion> posiciones()
{
    auto c4 = [](int n) { return std::make_unique<tJugConzC4>(n); };
    auto t3 = [](int n) { return std::make_unique<tJugConz3R>(n); };
    auto ot = [](int n) { return std::make_unique<tJugConzOt>(n); };
    std::vector<Posicion> v;
    v.push_back({"Conecta4/inicio", aMano(partidas::conecta4(JUGADOR2)), evaluarC4, c4});
    v.push_back({"Conecta4/7_jugadas", partidas::conecta4Tras(7, 1), evaluarC4, c4});
    v.push_back({"Conecta4/15_jugadas", partidas::conecta4Tras(15, 1), evaluarC4, c4});
    v.push_back({"Conecta4/25_jugadas", partidas::conecta4Tras(25, 1), evaluarC4, c4});
    v.push_back({"TresEnRaya/inicio", aMano(partidas::tresEnRaya(JUGADOR2)), evaluar3R, t3});
    v.push_back({"Otelo/inicio", aMano(partidas::otelo(JUGADOR2)), evaluarOt, ot});
    v.push_back({"Otelo/10_discos", partidas::oteloConDiscos(10, 1), evaluarOt, ot});
    v.push_back({"Otelo/30_discos", partidas::oteloConDiscos(30, 1), evaluarOt, ot});
    v.push_back({"Otelo/50_discos", partidas::oteloConDiscos(50, 1), evaluarOt, ot});
    v.push_back({"Otelo/pase_forzado", partidas::oteloConPaseForzado(1), evaluarOt, ot});
    return v;
}

void registrar(const std::vector<Posicion>& todas)
{
    for (const Posicion& p : todas) {
        for (int nivel : {2, 4, 6}) {
            const std::string base = p.nombre + "/" + std::to_string(nivel);
            benchmark::RegisterBenchmark((base + "/exhaustiva").c_str(), exhaustiva, p, nivel)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((base + "/arbol_completo").c_str(), arbolCompleto, p, nivel)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((base + "/rapida").c_str(), rapida, p, nivel)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const std::vector<Posicion> todas = posiciones();
    for (const Posicion& p : todas) {
        auto* otelo = dynamic_cast<tJuegoOtelo*>(p.juego.get());
        std::printf("%s: %s to move%s\n", p.nombre.c_str(), p.juego->dameTurno() == JUGADOR2 ? "JUGADOR2" : "JUGADOR1",
                    otelo ? (", " + std::to_string(otelo->fichasJ1() + otelo->fichasJ2()) + " discs").c_str() : "");
    }
    registrar(todas);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (hayDiferencias) std::fprintf(stderr, "a fast move differs from the exhaustive one\n");
    return hayDiferencias ? 1 : 0;
}
