#pragma once

#include <QString>

#include <array>
#include <optional>

namespace zeto {

// The seven curves of the curve page: equation caption, coefficient fields and whether the
// directrix check box applies.
struct CurveKind {
    QString item;
    QString caption;
    std::array<bool, 3> shown;
    std::array<QString, 3> captions;  // captions of the shown fields
    bool directrix;                   // "画出准线" shown
};

class CurveCatalogue {
  public:
    static const std::array<CurveKind, 7>& kinds();
    static std::optional<CurveKind> find(const QString& item);
};

}  // namespace zeto
