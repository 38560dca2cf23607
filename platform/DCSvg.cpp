#include "platform/DCSvg.h"

#include "platform/Cp1252.h"

#include <cstdio>
#include <utility>

namespace {

std::string Couleur(CCouleur c) {
    char tampon[8];
    std::snprintf(tampon, sizeof tampon, "#%02x%02x%02x", c.r, c.g, c.b);
    return tampon;
}

std::string Nombre(double d) {
    char tampon[32];
    // Ellipses have half-pixel centres and radii: one decimal is exact.
    std::snprintf(tampon, sizeof tampon, "%.1f", d);
    return tampon;
}

std::string Attribut(const char* szNom, int n) {
    return std::string(" ") + szNom + "=\"" + std::to_string(n) + '"';
}

std::string Attribut(const char* szNom, double d) {
    return std::string(" ") + szNom + "=\"" + Nombre(d) + '"';
}

std::string Attribut(const char* szNom, const std::string& strValeur) {
    return std::string(" ") + szNom + "=\"" + strValeur + '"';
}

} // namespace

std::string TexteXml(const std::string& cp1252) {
    std::string propre;
    for (const char c : cp1252) {
        switch (c) {
        case '&':
            propre += "&amp;";
            break;
        case '<':
            propre += "&lt;";
            break;
        case '>':
            propre += "&gt;";
            break;
        case '"':
            propre += "&quot;";
            break;
        default:
            // XML 1.0 has no place for the other C0 controls.
            propre += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? '?' : c;
        }
    }
    return Cp1252VersUtf8(propre);
}

CDCSvg::CDCSvg(const CRectangle& cadre, CCouleur fond) : m_cadre(cadre) {
    m_corps = "<rect" + Attribut("x", cadre.left) + Attribut("y", cadre.top) +
              Attribut("width", cadre.right - cadre.left) +
              Attribut("height", cadre.bottom - cadre.top) + Attribut("fill", Couleur(fond)) +
              "/>\n";
}

std::string CDCSvg::AttributsStylo() const {
    std::string s = Attribut("stroke", Couleur(m_stylo.couleur)) +
                    Attribut("stroke-width", m_stylo.nLargeur < 1 ? 1 : m_stylo.nLargeur);
    // As on the screen: thin pens end square, wide ones round.
    if (m_stylo.nLargeur > 1) {
        s += Attribut("stroke-linecap", std::string("round"));
    }
    if (m_stylo.style == EStyleTrait::Pointille) {
        s += Attribut("stroke-dasharray", std::string("3 3"));
    }
    return s;
}

void CDCSvg::DeplacerVers(int x, int y) {
    m_position = CPointEcran{x, y};
}

void CDCSvg::LigneVers(int x, int y) {
    m_corps += "<line" + Attribut("x1", m_position.x) + Attribut("y1", m_position.y) +
               Attribut("x2", x) + Attribut("y2", y) + AttributsStylo() + "/>\n";
    m_position = CPointEcran{x, y};
}

void CDCSvg::FixerPixel(int x, int y, CCouleur couleur) {
    m_corps += "<rect" + Attribut("x", x) + Attribut("y", y) + Attribut("width", 1) +
               Attribut("height", 1) + Attribut("fill", Couleur(couleur)) + "/>\n";
}

void CDCSvg::Ellipse(int gauche, int haut, int droite, int bas) {
    if (gauche > droite) {
        std::swap(gauche, droite);
    }
    if (haut > bas) {
        std::swap(haut, bas);
    }
    // Inside its box, the right and bottom sides excluded, as on the screen.
    const double rx = (droite - gauche - 1) * 0.5;
    const double ry = (bas - haut - 1) * 0.5;
    if (rx <= 0 || ry <= 0) {
        return;
    }
    m_corps += "<ellipse" + Attribut("cx", gauche + rx) + Attribut("cy", haut + ry) +
               Attribut("rx", rx) + Attribut("ry", ry) +
               Attribut("fill", Couleur(m_brosse.couleur)) + AttributsStylo() + "/>\n";
}

void CDCSvg::EcrireTexte(int x, int y, const std::string& strTexte) {
    const std::string texte = TexteXml(strTexte);
    if (m_modeFond == EModeFond::Opaque) {
        // Without the font's metrics here, the cell's width is an estimate.
        const int nLargeur = static_cast<int>(strTexte.size()) * kTaillePolice * 6 / 10;
        m_corps += "<rect" + Attribut("x", x) + Attribut("y", y) + Attribut("width", nLargeur) +
                   Attribut("height", kHauteurLigne) + Attribut("fill", std::string("#ffffff")) +
                   "/>\n";
    }
    // Placed by its baseline: the top of the cell plus the font's ascent.
    m_corps += "<text" + Attribut("x", x) + Attribut("y", y + kTaillePolice) +
               Attribut("fill", Couleur(m_couleurTexte)) + ">" + texte + "</text>\n";
}

std::string CDCSvg::Texte() const {
    const int nLargeur = m_cadre.right - m_cadre.left;
    const int nHauteur = m_cadre.bottom - m_cadre.top;
    const std::string strBoite = std::to_string(m_cadre.left) + ' ' + std::to_string(m_cadre.top) +
                                 ' ' + std::to_string(nLargeur) + ' ' + std::to_string(nHauteur);
    // Pixels stay sharp: no smoothing of the segments and discs.
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" +
           Attribut("width", nLargeur) + Attribut("height", nHauteur) +
           Attribut("viewBox", strBoite) +
           " shape-rendering=\"crispEdges\" font-family=\"sans-serif\"" +
           Attribut("font-size", kTaillePolice) + ">\n" + m_corps + "</svg>\n";
}
