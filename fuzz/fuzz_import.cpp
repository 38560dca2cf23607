// Turns arbitrary bytes into the polygons of a model and converts them as
// "Import a model..." does. Whatever the polygons (repeated, collinear,
// crossing, concave, non-planar, huge or NaN points), the conversion ends
// and every face it gives is valid for its kind, within the coordinate
// range, and named with 1 to 30 characters; the counts add up.
//
// Each polygon: a byte with its point count (0 to 15), then three 16-bit
// coordinates a point in 1/64 m; -32768 stands for 1e300 and 32767 for NaN.
#include "geometry/Face.h"
#include "modelling/ImportModele.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

void Verifier(bool b) {
    if (!b) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t nOctets) {
    std::size_t i = 0;
    const auto octet = [&]() -> int { return i < nOctets ? pOctets[i++] : 0; };
    CImportModele import;
    const int nOptions = octet();
    import.m_dEchelle = (nOptions & 1) ? 0.001 : 1.0;
    import.m_bYHaut = (nOptions & 2) != 0;
    std::vector<CPolygoneModele> polygones;
    while (i < nOctets) {
        CPolygoneModele p{std::string(static_cast<std::size_t>(octet() % 40), '\xE9'), {}};
        for (int n = octet() % 16; n > 0 && i < nOctets; --n) {
            double c[3];
            for (double& d : c) {
                const auto v = static_cast<std::int16_t>(octet() | (octet() << 8));
                d = v == -32768  ? 1e300
                    : v == 32767 ? std::numeric_limits<double>::quiet_NaN()
                                 : v / 64.0;
            }
            p.points.emplace_back(c[0], c[1], c[2]);
        }
        polygones.push_back(std::move(p));
    }
    CBilanImport bilan;
    const auto faces = import.Convertir(polygones, bilan);
    Verifier(faces.has_value());
    Verifier(static_cast<std::size_t>(bilan.Faces()) == faces->size());
    for (const auto& f : *faces) {
        Verifier(f->EstValide() && f->PointsBornes());
        const std::string& nom = f->m_proprietes.m_strNom;
        Verifier(!nom.empty() && nom.size() <= 30);
        Verifier(std::isfinite(f->m_normale.Norme()));
    }
    return 0;
}
