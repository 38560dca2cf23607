#include "document/OptionsCalcul.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/InformationsSolaires.h"
#include "solar/PositionSoleil.h"
#include "solar/ProblemeInverse.h"

#include <benchmark/benchmark.h>

namespace {

// 24 dates x 1440 minutes = 34,560 sun positions.
void BM_ProblemeInverse(benchmark::State& state) {
    CConfigurationGeographique site;
    COptionsCalcul options;
    CPositionSoleil soleil(site, options);
    CProblemeInverse probleme(soleil);
    for (auto _ : state) {
        probleme.CalculerDurees();
        benchmark::DoNotOptimize(probleme.m_dDurees.data());
    }
}
BENCHMARK(BM_ProblemeInverse)->Unit(benchmark::kMillisecond);

// One date, 1440 sun positions.
void BM_InformationsSolaires(benchmark::State& state) {
    CConfigurationGeographique site;
    COptionsCalcul options;
    CPositionSoleil soleil(site, options);
    CInformationsSolaires informations(soleil);
    for (auto _ : state) {
        informations.ChoisirDate(11);
        benchmark::DoNotOptimize(informations.m_dDureeJour);
    }
}
BENCHMARK(BM_InformationsSolaires)->Unit(benchmark::kMillisecond);

} // namespace
