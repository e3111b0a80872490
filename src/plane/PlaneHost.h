#pragma once

#include "platform/core/BgrColor.h"

namespace zeto {

class Dialogs;
class ProgramFiles;

// What the coordinate and settings windows need of the program around them.
class PlaneHost {
  public:
    virtual ~PlaneHost() = default;

    // True once the main window is closing: the plane windows then close instead of hiding.
    virtual bool closing() const = 0;
    virtual Dialogs& dialogs() = 0;
    // The program folder, where the tool icons are.
    virtual const ProgramFiles& files() const = 0;
    // Opens the help page of the program folder with the desktop's viewer.
    virtual void openHelp() = 0;

    // The function page's graph colour, in which a right click marks a point.
    virtual BgrColor pointColor() const = 0;
    // The text tool gets the main window out of the way before it asks for the text.
    virtual void minimiseMainWindow() = 0;
};

}  // namespace zeto
