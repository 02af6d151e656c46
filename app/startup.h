// How the program starts, in one place for main() and the benchmarks: the
// application's names and style, then the parent window maximized with the
// calculator form, loaded, as its maximized child.
#pragma once

#include <memory>

class MDIQvl;
class frmQvOpen;

// Names, style and desktop entry of the running application.
void setUpApplication();

struct MainWindow {
    std::unique_ptr<MDIQvl> parent;
    frmQvOpen *form; // owned by the parent
};

// Shows the parent window and the form inside it, both maximized.
MainWindow openMainWindow();
