#pragma once

#include "platform/core/NumberText.h"

#include <QString>

#include <cstdint>

namespace zeto {

// The main window's shared variables. Each belongs to the page or window that writes it;
// they live here because several windows read them.
struct SharedState {
    bool EXITZETO = false;                      // true once the main window is closing
    std::int16_t sl = 10;                       // axis half-length of the plane, 5..20
    int bl = 2;                                 // pen width of graphs in pixels, 1 or 2
    float JXD = toSingle(3.1415926535 / 1000);  // step of the point method
    int funsort = 1;                            // selected function kind, 1..10
    int Cci = 1;                                // phase of the activity lamp, 1 or 2
    QString BDS;                                // expression of the last calculation
    double i = 0;                               // term index of the sequence loops
    QString Zdysl;                              // formula of the user-defined sequence
    QString JXSC;                               // formula of the user-defined function
    double ZBL = 0;                             // abscissa of the custom sample being drawn
    double sqrm = 0;                            // coefficient m of the last square-root reduction
    double sqrn = 0;                            // radicand r of the last square-root reduction
    double Chu = 0;                             // common divisor of the quadratic's roots
};

}  // namespace zeto
