#include "ui/Texte.h"

#include "platform/Cp1252.h"

#include <QFile>

#include <cstdio>

QString DepuisCp1252(const std::string& cp1252) {
    return QString::fromStdString(Cp1252VersUtf8(cp1252));
}

std::optional<std::string> VersCp1252(const QString& texte, QString* pErreur) {
    std::string strErreur;
    std::optional<std::string> r = Utf8VersCp1252(texte.toStdString(), &strErreur);
    if (!r && pErreur != nullptr) {
        *pErreur = QString::fromStdString(strErreur);
    }
    return r;
}

std::string VersCp1252Affichage(const QString& texte) {
    std::string r;
    r.reserve(static_cast<std::size_t>(texte.size()));
    // One code point at a time, so that a character outside the code page
    // costs one '?' and not the whole text.
    for (const char32_t c : texte.toUcs4()) {
        const std::optional<std::string> o = Utf8VersCp1252(QString::fromUcs4(&c, 1).toStdString());
        r += o ? *o : std::string("?");
    }
    return r;
}

std::optional<std::string> RefusCp1252(const QString& texte) {
    for (const char32_t c : texte.toUcs4()) {
        if (!Utf8VersCp1252(QString::fromUcs4(&c, 1).toStdString())) {
            char szCode[16];
            std::snprintf(szCode, sizeof szCode, "U+%04X", static_cast<unsigned>(c));
            return std::string("The character ") + szCode +
                   " cannot be stored: it is not in the Windows-1252 character set.";
        }
    }
    return std::nullopt;
}

std::string CheminLocal(const QString& chemin) {
    return QFile::encodeName(chemin).toStdString();
}

QString DepuisCheminLocal(const std::string& chemin) {
    return QFile::decodeName(QByteArray::fromStdString(chemin));
}
