#include "ScenesBanc.h"
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <benchmark/benchmark.h>

namespace {

// The city block, about 3,460 faces: what every command costs once done
// (the document written and compared with the current step), and one step
// of Undo then Redo (the scene read back twice).
void BM_MemoriserEtape(benchmark::State& state) {
    CInteractionScriptee ui;
    CVantrelDoc doc(ui);
    ConstruireIlot(doc);
    doc.MemoriserEtape(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.MemoriserEtape(0));
    }
    state.counters["octets"] = static_cast<double>(doc.Ecrire().size());
}
BENCHMARK(BM_MemoriserEtape)->Unit(benchmark::kMillisecond);

void BM_AnnulerRetablir(benchmark::State& state) {
    CInteractionScriptee ui;
    CVantrelDoc doc(ui);
    ConstruireIlot(doc);
    doc.MemoriserEtape(0);
    doc.m_optionsCalcul.m_nAnnee = 2004;
    doc.MemoriserEtape(0);
    for (auto _ : state) {
        doc.Annuler();
        doc.Retablir();
    }
}
BENCHMARK(BM_AnnulerRetablir)->Unit(benchmark::kMillisecond);

} // namespace
