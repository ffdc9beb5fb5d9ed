#include "calculator/eval/named_constants.h"

#include "common/number_format.h"

namespace tallix {

NamedConstantTable makeNamedConstants(double pi) {
    using common::plainNumberTrimmed;
    return NamedConstantTable{{
        {"pa", "3.141986363"},
        {"pi", plainNumberTrimmed(pi)},
        {"$galuk", "0.00454609"},
        {"$gal", "0.003785411784"},
        {"$deg", plainNumberTrimmed(pi / 180.0)},
        {"$g", "9.80665"},
        {"$lbf", "4.4482216152605"},
        {"$lb", "0.45359237"},
        {"$mi", "1609.344"},
        {"$kt", std::string("0").append(plainNumberTrimmed(1852.0 / 3600.0))},
        {"$btuit", "1055.05585262"},
        {"$btuth", plainNumberTrimmed(4414.353687362081 / 4.1868)},
        {"$calit", "4.1868"},
        {"$calth", "4.184"},
        {"$hp", "735.49875"},
        {"$ft", "0.3048"},
        {"$in", "0.0254"},
        {"$yd", "0.9144"},
        {"$fahr", plainNumberTrimmed(5.0 / 9.0)},
        {"$kb", "1024"},
    }};
}

}  // namespace tallix
