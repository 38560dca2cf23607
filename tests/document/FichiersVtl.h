#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Octets = std::vector<std::uint8_t>;

// The whole content of a file, or nothing when it cannot be read.
inline Octets LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

// A golden file of tests/data (built by tests/data/make_golden.py).
inline Octets Golden(const std::string& nom) {
    return LireOctets(std::string(VANTREL_TEST_DATA) + "/" + nom);
}

// The golden files, each a scene the reader accepts.
inline const std::vector<std::string>& NomsGolden() {
    static const std::vector<std::string> noms = {"empty.vtl",        "one_quad.vtl",
                                                  "tri_quad_tri.vtl", "openings.vtl",
                                                  "long_title.vtl",   "windows_1252.vtl"};
    return noms;
}
