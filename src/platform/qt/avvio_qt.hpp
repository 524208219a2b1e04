#pragma once
// The toolkit layer: builds the Qt application, mirrors the window models and runs the loop.
#include "wordstore/cartella_parole.hpp"

namespace talewick::qt {

// Reads the word files found from `ambiente`, first copying the installed set into the user's
// folder when the user has none; a failed copy is told in a message box.
int Esegui_Applicazione(int argc, char** argv, const Ambiente& ambiente);

}  // namespace talewick::qt
