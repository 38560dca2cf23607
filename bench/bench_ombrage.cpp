// The shading kernel on the benchmark scenes: a whole day report (21 june,
// 10-minute step, meshes built) on the street and the city block, one tick
// of the sun window on the city block, and how the cost per node and sun
// grows with the nodes and with the occluders, beside the part that no
// shading avoids: every face's own lighting at every sample.
//
//   cmake --preset release && cmake --build --preset release
//   ./build/release/bench/bench_ombrage
#include "bench/ScenesBanc.h"
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"
#include "solar/PositionSoleil.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace {

// CPU seconds of every thread of the process: on a shared machine, steadier
// than the elapsed time.
double TempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

struct CScene {
    CInteractionScriptee ui;
    std::unique_ptr<CVantrelDoc> doc;
    long long nNoeuds = 0;

    explicit CScene(const std::function<void(CVantrelDoc&)>& construire) {
        doc = std::make_unique<CVantrelDoc>(ui);
        construire(*doc);
        if (!doc->GenererMaillages()) {
            std::fprintf(stderr, "mesh refused: %s\n", ui.m_messages.back().strTexte.c_str());
            std::abort();
        }
        for (CFace* f : doc->Faces()) {
            nNoeuds += f->m_pNoeuds ? f->m_pNoeuds->Taille() : 0;
        }
    }
};

// One document per process: the scene in use is rebuilt when another is asked.
CScene& Scene(const std::string& strCle, const std::function<void(CVantrelDoc&)>& construire) {
    static std::unique_ptr<CScene> scene;
    static std::string strScene;
    if (strCle != strScene) {
        scene.reset();
        scene = std::make_unique<CScene>(construire);
        strScene = strCle;
    }
    return *scene;
}

// The day report, with the cost per node and per sun above the horizon line.
void Jour(benchmark::State& state, CScene& s) {
    CBilanJournalier& bilan = s.doc->m_bilanJournalier;
    const double t0 = TempsProcesseur();
    const auto h0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        bilan.Calculer(s.doc->Faces(), {});
    }
    const double dReel =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - h0).count() /
        static_cast<double>(state.iterations());
    const double dCpu = (TempsProcesseur() - t0) / static_cast<double>(state.iterations());
    int nSoleils = 0;
    for (int k = 0; k < bilan.m_nEchantillons; ++k) {
        nSoleils += bilan.m_echantillons[static_cast<std::size_t>(k)].m_dAltitude >=
                    s.doc->m_configurationGeographique.m_dLigneHorizon;
    }
    bilan.CalculerMoyennes();
    state.counters["faces"] = g_nFaces;
    state.counters["nodes"] = static_cast<double>(s.nNoeuds);
    state.counters["suns up"] = nSoleils;
    state.counters["mean equivalent"] = bilan.m_dEquivalentMoyen;
    state.counters["cpu ms"] = dCpu * 1e3;
    state.counters["cpu ns/(node*sun)"] = dCpu * 1e9 / (static_cast<double>(s.nNoeuds) * nSoleils);
    state.counters["ns/(node*sun)"] = dReel * 1e9 / (static_cast<double>(s.nNoeuds) * nSoleils);
}

void JourRue(benchmark::State& state) {
    Jour(state, Scene("street", ConstruireRueBanc));
}

void JourIlot(benchmark::State& state) {
    Jour(state, Scene("block", ConstruireIlot));
}

// One tick of the sun window's animation: the sun moves one step and the
// lighting is computed again, the meshes built beforehand.
void TopAnimation(benchmark::State& state) {
    CScene& s = Scene("block", ConstruireIlot);
    CPositionSoleil& soleil = s.doc->m_positionSoleil;
    soleil.m_nHeure = 9;
    soleil.m_nMinute = 0;
    const double t0 = TempsProcesseur();
    for (auto _ : state) {
        soleil.AvancerMinutes(10);
        if (soleil.m_nHeure >= 17) {
            soleil.m_nHeure = 9;
        }
        soleil.CalculerPosition();
        soleil.CalculerDirection();
        s.doc->CalculerEclairement();
    }
    const double dCpu = (TempsProcesseur() - t0) / static_cast<double>(state.iterations());
    const CEclairementRecepteurs& e = s.doc->m_eclairementRecepteurs;
    state.counters["cpu ms"] = dCpu * 1e3;
    state.counters["nodes"] = static_cast<double>(s.nNoeuds);
    state.counters["tests/node"] = static_cast<double>(e.TestsEffectues()) / s.nNoeuds;
    state.counters["spans/node"] = static_cast<double>(e.NoeudsDecides()) / s.nNoeuds;
}

void EchelleNoeuds(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    Jour(state, Scene("nodes " + std::to_string(n),
                      [n](CVantrelDoc& doc) { ConstruireVille(doc, 169, n); }));
}

void EchelleFaces(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    Jour(state, Scene("faces " + std::to_string(n),
                      [n](CVantrelDoc& doc) { ConstruireVille(doc, n, 1000000); }));
}

// The faces' own lighting alone, at every sample of the same day, on one
// thread: each face's ray test and transmission depend on the sun, so this
// part of any evaluation grows with the faces, whatever the shading. Given
// per node and sun up, as the day report is: its floor.
void LumiereFaces(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    CScene& s = Scene("faces " + std::to_string(n),
                      [n](CVantrelDoc& doc) { ConstruireVille(doc, n, 1000000); });
    CPositionSoleil& soleil = s.doc->m_positionSoleil;
    const double dHorizon = s.doc->m_configurationGeographique.m_dLigneHorizon;
    const int nPas = s.doc->m_bilanJournalier.PasMinutes();
    int nSoleils = 0;
    const double t0 = TempsProcesseur();
    for (auto _ : state) {
        CSauvegardeDateHeure sauvegarde(soleil);
        sauvegarde.Debuter(s.doc->m_bilanJournalier.m_nIndexDate);
        nSoleils = 0;
        for (int k = 0; k < 1440 / nPas; ++k) {
            soleil.CalculerPosition();
            soleil.CalculerDirection();
            nSoleils += soleil.m_dAltitude >= dHorizon;
            for (CFace* f : s.doc->Faces()) {
                f->CalculerEclairementDirect(soleil.m_direction, soleil.m_dAltitude, dHorizon);
            }
            soleil.AvancerMinutes(nPas);
        }
    }
    const double dCpu = (TempsProcesseur() - t0) / static_cast<double>(state.iterations());
    state.counters["faces"] = g_nFaces;
    state.counters["suns up"] = nSoleils;
    state.counters["cpu ms"] = dCpu * 1e3;
    state.counters["cpu ns/(node*sun)"] = dCpu * 1e9 / (static_cast<double>(s.nNoeuds) * nSoleils);
}

void JourSolEtMur(benchmark::State& state) {
    Jour(state,
         Scene("ground and wall", [](CVantrelDoc& doc) { ConstruireSolEtMur(doc, 4900000); }));
}

// About 100, 1,000 and 10,000 faces over a million nodes.
void Faces(benchmark::internal::Benchmark* b) {
    b->Arg(16)->Arg(169)->Arg(1681)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
}

} // namespace

BENCHMARK(JourRue)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(JourIlot)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(TopAnimation)->Unit(benchmark::kMillisecond)->UseRealTime();
// 250,000, 1,000,000 and 5,000,000 nodes under about 1,000 faces.
BENCHMARK(EchelleNoeuds)
    ->Arg(250000)
    ->Arg(1000000)
    ->Arg(4900000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK(EchelleFaces)->Apply(Faces);
BENCHMARK(LumiereFaces)->Apply(Faces);
BENCHMARK(JourSolEtMur)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
