// Mesh generation, one scene lighting and a whole day report on three scenes,
// with the fast shading and with the plain reference evaluation.
//
//   cmake --preset release && cmake --build --preset release
//   ./build/release/bench/bench_eclairement
#include "document/VantrelDoc.h"
#include "modelling/Exemples.h"
#include "platform/InteractionScriptee.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// About a thousand faces: a village of 160 houses on a ground receiver, the
// south facades receivers too.
void ConstruireVillage(CVantrelDoc& doc) {
    CFace* sol = AjouterQuadrilatere(doc, "ground", CVecteur(-5, -5, 0), CVecteur(235, -5, 0),
                                     CVecteur(235, 155, 0), CVecteur(-5, 155, 0));
    sol->m_proprietes.m_bRecepteur = 1;
    sol->m_proprietes.m_dMailleAbsolue = 0.1;
    for (int i = 0; i < 16; ++i) {
        for (int j = 0; j < 10; ++j) {
            char nom[32];
            std::snprintf(nom, sizeof nom, "house %d-%d", i, j);
            const double x = i * 15;
            const double y = j * 15;
            const double h = 4 + (i * 7 + j * 3) % 9;
            const auto faces = AjouterBoite(doc, nom, CVecteur(x, y, 0), CVecteur(x + 8, y + 6, h));
            faces[3]->m_proprietes.m_bRecepteur = 1; // y min: the south facade
            faces[3]->m_proprietes.m_dMailleRelative = 10;
            faces[3]->m_proprietes.m_dMailleAbsolue = 0.2;
        }
    }
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
        // Mid-morning of 21 june: long shadows across the scenes.
        doc->m_positionSoleil.m_nIndexDate = 11;
        doc->m_positionSoleil.m_nHeure = 8;
        doc->m_positionSoleil.CalculerPosition();
        doc->m_positionSoleil.CalculerDirection();
        doc->m_bilanJournalier.m_nIndexDate = 11;
    }
};

// One document per process: the scene in use is rebuilt when another is asked.
CScene& Scene(int n) {
    static std::unique_ptr<CScene> scene;
    static int nScene = -1;
    if (n != nScene) {
        scene.reset();
        const std::function<void(CVantrelDoc&)> construire[] = {ConstruireRue, ConstruirePanneaux,
                                                                ConstruireVillage};
        scene = std::make_unique<CScene>(construire[n]);
        nScene = n;
    }
    return *scene;
}

const char* kNoms[] = {"street", "panels", "village"};

void Maillage(benchmark::State& state) {
    CScene& s = Scene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.doc->GenererMaillages());
    }
    state.SetLabel(kNoms[state.range(0)]);
    state.counters["faces"] = g_nFaces;
    state.counters["nodes"] = static_cast<double>(s.nNoeuds);
}

void Eclairement(benchmark::State& state) {
    CScene& s = Scene(static_cast<int>(state.range(0)));
    CEclairementRecepteurs& e = s.doc->m_eclairementRecepteurs;
    e.m_bEvaluationSimple = state.range(1) == 1;
    long long nTests = 0;
    for (auto _ : state) {
        s.doc->CalculerEclairement();
        nTests += e.m_bEvaluationSimple ? 0 : e.TestsEffectues();
    }
    state.SetLabel(std::string(kNoms[state.range(0)]) +
                   (e.m_bEvaluationSimple ? " plain" : " fast"));
    state.counters["equivalent"] = e.m_dEquivalent;
    if (!e.m_bEvaluationSimple) {
        state.counters["ray tests/s"] =
            benchmark::Counter(static_cast<double>(nTests), benchmark::Counter::kIsRate);
    }
    e.m_bEvaluationSimple = false;
}

void BilanJournalier(benchmark::State& state) {
    CScene& s = Scene(static_cast<int>(state.range(0)));
    CEclairementRecepteurs& e = s.doc->m_eclairementRecepteurs;
    e.m_bEvaluationSimple = state.range(1) == 1;
    for (auto _ : state) {
        s.doc->m_bilanJournalier.Calculer(s.doc->Faces(), {});
    }
    s.doc->m_bilanJournalier.CalculerMoyennes();
    state.SetLabel(std::string(kNoms[state.range(0)]) +
                   (e.m_bEvaluationSimple ? " plain" : " fast"));
    state.counters["samples"] = s.doc->m_bilanJournalier.m_nEchantillons;
    state.counters["mean equivalent"] = s.doc->m_bilanJournalier.m_dEquivalentMoyen;
    e.m_bEvaluationSimple = false;
}

} // namespace

BENCHMARK(Maillage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Eclairement)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BilanJournalier)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
