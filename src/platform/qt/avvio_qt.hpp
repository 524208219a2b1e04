#pragma once
// The toolkit layer: builds the Qt application, mirrors the window models and runs the loop.
namespace talewick::qt {

int Esegui_Applicazione(int argc, char** argv);

}  // namespace talewick::qt
