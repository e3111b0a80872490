#pragma once

namespace zeto {

class Dialogs;

// What the coordinate and settings windows need of the program around them.
class PlaneHost {
  public:
    virtual ~PlaneHost() = default;

    // True once the main window is closing: the plane windows then close instead of hiding.
    virtual bool closing() const = 0;
    virtual Dialogs& dialogs() = 0;
    // Opens the help page of the program folder with the desktop's viewer.
    virtual void openHelp() = 0;
};

}  // namespace zeto
