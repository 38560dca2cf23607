// The shading kernel against a general ray tracer used as a yardstick: for
// every sun of the day report (21 june, 10-minute step) above the horizon
// line, Embree 3 casts an occlusion ray from every node of every lit
// receiver toward the sun, as coherent packets of 16 nodes, on 2 threads,
// without any filter (openings and transmissions ignored: less work than the
// real shading). Built only where libembree-dev is installed.
//
//   ./build/release/bench/bench_embree
#include "bench/ScenesBanc.h"
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <benchmark/benchmark.h>
#include <embree3/rtcore.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int kThreads = 2;

// CPU seconds of every thread of the process: on a shared machine, steadier
// than the elapsed time.
double TempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The faces as triangles: a quadrilateral as two, a curved face as the fan
// of its outline.
struct CTriangles {
    std::vector<float> sommets;
    std::vector<unsigned> indices;

    unsigned Sommet(const CVecteur& p) {
        sommets.insert(sommets.end(), {static_cast<float>(p.m_x), static_cast<float>(p.m_y),
                                       static_cast<float>(p.m_z)});
        return static_cast<unsigned>(sommets.size() / 3 - 1);
    }
    void Polygone(const std::vector<CVecteur>& contour) {
        const unsigned n0 = Sommet(contour[0]);
        unsigned prec = Sommet(contour[1]);
        for (std::size_t k = 2; k < contour.size(); ++k) {
            const unsigned n = Sommet(contour[k]);
            indices.insert(indices.end(), {n0, prec, n});
            prec = n;
        }
    }
};

class CEmbree {
public:
    explicit CEmbree(const std::vector<CFace*>& faces) {
        m_device = rtcNewDevice("threads=2");
        m_scene = rtcNewScene(m_device);
        rtcSetSceneBuildQuality(m_scene, RTC_BUILD_QUALITY_HIGH);
        CTriangles t;
        for (CFace* f : faces) {
            std::vector<CVecteur> contour(f->m_points, f->m_points + f->m_nPoints);
            t.Polygone(contour);
        }
        RTCGeometry g = rtcNewGeometry(m_device, RTC_GEOMETRY_TYPE_TRIANGLE);
        auto* v = static_cast<float*>(rtcSetNewGeometryBuffer(g, RTC_BUFFER_TYPE_VERTEX, 0,
                                                              RTC_FORMAT_FLOAT3, 3 * sizeof(float),
                                                              t.sommets.size() / 3));
        std::copy(t.sommets.begin(), t.sommets.end(), v);
        auto* i = static_cast<unsigned*>(
            rtcSetNewGeometryBuffer(g, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3,
                                    3 * sizeof(unsigned), t.indices.size() / 3));
        std::copy(t.indices.begin(), t.indices.end(), i);
        rtcCommitGeometry(g);
        rtcAttachGeometry(m_scene, g);
        rtcReleaseGeometry(g);
        rtcCommitScene(m_scene);
    }
    ~CEmbree() {
        rtcReleaseScene(m_scene);
        rtcReleaseDevice(m_device);
    }
    CEmbree(const CEmbree&) = delete;
    CEmbree& operator=(const CEmbree&) = delete;

    // Occluded rays from the nodes of `maillages` toward `dir`.
    long long Lancer(const std::vector<const CMaillage*>& maillages, const CVecteur& dir) {
        struct CPaquet {
            const CMaillage* m;
            int k;
        };
        std::vector<CPaquet> paquets;
        for (const CMaillage* m : maillages) {
            for (int k = 0; k < m->Taille(); k += 16) {
                paquets.push_back({m, k});
            }
        }
        std::atomic<std::size_t> suivant{0};
        std::atomic<long long> nOmbres{0};
        auto travailler = [&] {
            RTCIntersectContext contexte;
            rtcInitIntersectContext(&contexte);
            contexte.flags = RTC_INTERSECT_CONTEXT_FLAG_COHERENT;
            long long n = 0;
            for (;;) {
                const std::size_t debut = suivant.fetch_add(64);
                if (debut >= paquets.size()) {
                    break;
                }
                const std::size_t fin = std::min(paquets.size(), debut + 64);
                for (std::size_t p = debut; p < fin; ++p) {
                    const CMaillage& m = *paquets[p].m;
                    alignas(64) int valides[16];
                    alignas(64) RTCRay16 r;
                    for (int l = 0; l < 16; ++l) {
                        const int k = paquets[p].k + l;
                        valides[l] = k < m.Taille() ? -1 : 0;
                        const auto s = static_cast<std::size_t>(k < m.Taille() ? k : paquets[p].k);
                        r.org_x[l] = static_cast<float>(m.m_x[s]);
                        r.org_y[l] = static_cast<float>(m.m_y[s]);
                        r.org_z[l] = static_cast<float>(m.m_z[s]);
                        r.dir_x[l] = static_cast<float>(dir.m_x);
                        r.dir_y[l] = static_cast<float>(dir.m_y);
                        r.dir_z[l] = static_cast<float>(dir.m_z);
                        r.tnear[l] = 1e-3f; // off the receiver itself
                        r.tfar[l] = std::numeric_limits<float>::infinity();
                        r.time[l] = 0;
                        r.mask[l] = 0xffffffffu;
                        r.id[l] = 0;
                        r.flags[l] = 0;
                    }
                    rtcOccluded16(valides, m_scene, &contexte, &r);
                    for (int l = 0; l < 16; ++l) {
                        n += valides[l] && r.tfar[l] < 0;
                    }
                }
            }
            nOmbres += n;
        };
        std::vector<std::thread> threads;
        for (int t = 1; t < kThreads; ++t) {
            threads.emplace_back(travailler);
        }
        travailler();
        for (auto& t : threads) {
            t.join();
        }
        return nOmbres;
    }

private:
    RTCDevice m_device;
    RTCScene m_scene;
};

struct CScene {
    CInteractionScriptee ui;
    std::unique_ptr<CVantrelDoc> doc;
    long long nNoeuds = 0;

    explicit CScene(const std::function<void(CVantrelDoc&)>& construire) {
        doc = std::make_unique<CVantrelDoc>(ui);
        construire(*doc);
        if (!doc->GenererMaillages()) {
            std::abort();
        }
        for (CFace* f : doc->Faces()) {
            nNoeuds += f->m_pNoeuds ? f->m_pNoeuds->Taille() : 0;
        }
    }
};

// The day of rays: the scene built, then every sun of the day report above
// the horizon line, rays from the lit receivers.
long long JourEmbree(CVantrelDoc& doc, long long& nRayons) {
    const std::vector<CFace*> faces = doc.Faces();
    CEmbree embree(faces);
    CPositionSoleil& soleil = doc.m_positionSoleil;
    soleil.m_nIndexDate = doc.m_bilanJournalier.m_nIndexDate;
    soleil.m_nHeure = 0;
    soleil.m_nMinute = 0;
    const int s = doc.m_optionsCalcul.PasMinutes();
    long long nOmbres = 0;
    nRayons = 0;
    for (int k = 0; k < 1440 / s; ++k) {
        soleil.CalculerPosition();
        soleil.CalculerDirection();
        const double dHorizon = doc.m_configurationGeographique.m_dLigneHorizon;
        if (soleil.m_dAltitude >= dHorizon) {
            std::vector<const CMaillage*> maillages;
            for (CFace* f : faces) {
                if (!f->m_pNoeuds) {
                    continue;
                }
                f->CalculerEclairementDirect(soleil.m_direction, soleil.m_dAltitude, dHorizon);
                if (f->m_dEclairementDirect != 0) {
                    maillages.push_back(f->m_pNoeuds.get());
                    nRayons += f->m_pNoeuds->Taille();
                }
            }
            nOmbres += embree.Lancer(maillages, soleil.m_direction);
        }
        soleil.AvancerMinutes(s);
    }
    return nOmbres;
}

// Both day reports on one scene: the time shown is this program's; the
// counters give Embree's and the ratio.
void Comparer(benchmark::State& state, const std::function<void(CVantrelDoc&)>& construire) {
    CScene s(construire);
    using horloge = std::chrono::steady_clock;
    double dVantrel = 0;
    double dEmbree = 0;
    double dCpuVantrel = 0;
    double dCpuEmbree = 0;
    long long nRayons = 0;
    long long nOmbres = 0;
    for (auto _ : state) {
        const double c0 = TempsProcesseur();
        const auto t0 = horloge::now();
        s.doc->m_bilanJournalier.Calculer(s.doc->Faces(), {});
        const auto t1 = horloge::now();
        const double c1 = TempsProcesseur();
        nOmbres = JourEmbree(*s.doc, nRayons);
        const auto t2 = horloge::now();
        dCpuVantrel += c1 - c0;
        dCpuEmbree += TempsProcesseur() - c1;
        const double v = std::chrono::duration<double>(t1 - t0).count();
        dVantrel += v;
        dEmbree += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(v);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["faces"] = g_nFaces;
    state.counters["nodes"] = static_cast<double>(s.nNoeuds);
    state.counters["rays"] = static_cast<double>(nRayons);
    state.counters["occluded"] = static_cast<double>(nOmbres);
    state.counters["embree ms"] = dEmbree / n * 1e3;
    state.counters["vantrel ms"] = dVantrel / n * 1e3;
    state.counters["embree/vantrel"] = dEmbree / dVantrel;
    state.counters["cpu embree ms"] = dCpuEmbree / n * 1e3;
    state.counters["cpu vantrel ms"] = dCpuVantrel / n * 1e3;
    state.counters["cpu embree/vantrel"] = dCpuEmbree / dCpuVantrel;
}

void ComparaisonRue(benchmark::State& state) {
    Comparer(state, ConstruireRueBanc);
}

void ComparaisonIlot(benchmark::State& state) {
    Comparer(state, ConstruireIlot);
}

} // namespace

// The face scaling's city (bench_ombrage): how each grows with the faces.
void ComparaisonVille(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    Comparer(state, [n](CVantrelDoc& doc) { ConstruireVille(doc, n, 1000000); });
}

BENCHMARK(ComparaisonRue)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ComparaisonIlot)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ComparaisonVille)
    ->Arg(16)
    ->Arg(169)
    ->Arg(1681)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
