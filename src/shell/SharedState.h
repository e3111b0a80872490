#pragma once

#include <QString>

namespace zeto {

// The main window's shared variables. Each belongs to the page or window that writes it;
// they live here because several windows read them. The plane's own values (axis length,
// pen width, point step) belong to the settings window.
struct SharedState {
    bool EXITZETO = false;  // true once the main window is closing
    int funsort = 1;        // selected function kind, 1..10
    int Cci = 1;            // phase of the activity lamp, 1 or 2
    QString BDS;            // expression of the last calculation
    double i = 0;           // term index of the sequence loops
    QString Zdysl;          // formula of the user-defined sequence
    QString JXSC;           // formula of the user-defined function
    double ZBL = 0;         // abscissa of the custom sample being drawn
    double sqrm = 0;        // coefficient m of the last square-root reduction
    double sqrn = 0;        // radicand r of the last square-root reduction
    double Chu = 0;         // common divisor of the quadratic's roots
};

}  // namespace zeto
