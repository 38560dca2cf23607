#pragma once

#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

// The commands' JSON documents keep their members in the order written.
using CJson = nlohmann::ordered_json;

// A whole double is written as a whole number ("1", not "1.0"): the shortest
// text that reads back as the same double.
inline void EntiersSansDecimales(CJson& json) {
    if (json.is_number_float()) {
        const double d = json.get<double>();
        const bool bMoinsZero = d == 0 && std::signbit(d);
        if (d == std::trunc(d) && std::fabs(d) < 9007199254740992.0 && !bMoinsZero) {
            json = static_cast<long long>(d);
        }
    } else if (json.is_structured()) {
        for (CJson& element : json) {
            EntiersSansDecimales(element);
        }
    }
}

// The whole document indented by two blanks, then a line break. Doubles read
// back as the same double; a byte that is not UTF-8 (in a path) becomes U+FFFD.
inline std::string TexteJson(CJson json) {
    EntiersSansDecimales(json);
    return json.dump(2, ' ', false, CJson::error_handler_t::replace) + '\n';
}
