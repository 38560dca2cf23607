#include "platform/DCEnregistreur.h"

CDCEnregistreur::CDCEnregistreur(CRectangle client) : m_client(client) {}

CDCEnregistreur::CPrimitive CDCEnregistreur::Nouvelle(EType type) const {
    CPrimitive p;
    p.type = type;
    p.stylo = m_stylo;
    p.brosse = m_brosse;
    p.couleurTexte = m_couleurTexte;
    p.modeFond = m_modeFond;
    return p;
}

void CDCEnregistreur::SelectionnerStylo(const CStylo& stylo) {
    m_stylo = stylo;
    m_primitives.push_back(Nouvelle(EType::Stylo));
}

void CDCEnregistreur::SelectionnerBrosse(const CBrosse& brosse) {
    m_brosse = brosse;
    m_primitives.push_back(Nouvelle(EType::Brosse));
}

void CDCEnregistreur::DeplacerVers(int x, int y) {
    m_position = CPointEcran{x, y};
    CPrimitive p = Nouvelle(EType::Deplacement);
    p.x1 = x;
    p.y1 = y;
    m_primitives.push_back(p);
}

void CDCEnregistreur::LigneVers(int x, int y) {
    CPrimitive p = Nouvelle(EType::Ligne);
    p.x1 = m_position.x;
    p.y1 = m_position.y;
    p.x2 = x;
    p.y2 = y;
    m_primitives.push_back(p);
    m_position = CPointEcran{x, y};
}

void CDCEnregistreur::FixerPixel(int x, int y, CCouleur couleur) {
    CPrimitive p = Nouvelle(EType::Pixel);
    p.x1 = x;
    p.y1 = y;
    p.couleur = couleur;
    m_primitives.push_back(p);
}

void CDCEnregistreur::Ellipse(int gauche, int haut, int droite, int bas) {
    CPrimitive p = Nouvelle(EType::Ellipse);
    p.x1 = gauche;
    p.y1 = haut;
    p.x2 = droite;
    p.y2 = bas;
    m_primitives.push_back(p);
}

void CDCEnregistreur::EcrireTexte(int x, int y, const std::string& strTexte) {
    CPrimitive p = Nouvelle(EType::Texte);
    p.x1 = x;
    p.y1 = y;
    p.strTexte = strTexte;
    m_primitives.push_back(p);
}

void CDCEnregistreur::FixerCouleurTexte(CCouleur couleur) {
    m_couleurTexte = couleur;
    m_primitives.push_back(Nouvelle(EType::CouleurTexte));
}

void CDCEnregistreur::FixerModeFond(EModeFond mode) {
    m_modeFond = mode;
    m_primitives.push_back(Nouvelle(EType::ModeFond));
}

std::vector<CDCEnregistreur::CPrimitive> CDCEnregistreur::DeType(EType type) const {
    std::vector<CPrimitive> r;
    for (const CPrimitive& p : m_primitives) {
        if (p.type == type) {
            r.push_back(p);
        }
    }
    return r;
}

std::vector<CDCEnregistreur::CSegment> CDCEnregistreur::Segments() const {
    std::vector<CSegment> r;
    for (const CPrimitive& p : m_primitives) {
        if (p.type == EType::Ligne) {
            r.push_back(CSegment{CPointEcran{p.x1, p.y1}, CPointEcran{p.x2, p.y2}, p.stylo});
        }
    }
    return r;
}

std::vector<std::string> CDCEnregistreur::Textes() const {
    std::vector<std::string> r;
    for (const CPrimitive& p : m_primitives) {
        if (p.type == EType::Texte) {
            r.push_back(p.strTexte);
        }
    }
    return r;
}
