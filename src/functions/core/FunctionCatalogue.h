#pragma once

#include <QString>

#include <array>
#include <optional>

namespace zeto {

// The ten function kinds of the function page: what each shows and writes when selected.
struct FunctionKind {
    QString item;                     // entry of the kind list
    int funsort;                      // code the plot driver dispatches on
    QString caption;                  // formula caption
    std::array<bool, 3> shown;        // coefficient fields 1..3 with their captions
    std::array<QString, 3> captions;  // captions of the shown fields
    bool writesLogDefaults;           // domain start "0.01" and base "10"
    bool custom;                      // formula field and hint instead of coefficients
};

class FunctionCatalogue {
  public:
    static const std::array<FunctionKind, 10>& kinds();
    // The kind whose item text equals `item` exactly.
    static std::optional<FunctionKind> find(const QString& item);
};

}  // namespace zeto
