// Attaches the help and the about box to the main window's "&Help" menu, and F1 to every
// window of the program.
#pragma once

class QWidget;

namespace trabelux {

class Ayuda;
class EditorVanos;

// `marco`: the frame window, owner of the help and of the about box.
Ayuda* AdjuntaAyuda(EditorVanos* principal, QWidget* marco);

}  // namespace trabelux
