#pragma once

#include <QString>

#include <array>

namespace zeto {

// Turns the coefficient texts a plot reads at every step into numbers by their leading
// number. Reading a number costs more than drawing a point, and the texts rarely change
// during a plot, so a text equal to the one read at the last step is not read again.
class CoefficientReader {
  public:
    using Texts = std::array<QString, 3>;
    using Values = std::array<double, 3>;

    const Values& read(const Texts& texts);

  private:
    Texts texts_;
    Values values_{};
    bool read_ = false;
};

}  // namespace zeto
