// Text fields whose text goes into the project file, which is Latin-1: a character the
// file cannot hold is replaced by its nearest equivalent as it is typed or pasted, and the
// frame's status bar says what was replaced, so the file never differs from the screen.
#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace trabelux {

void LimitaALatin1(QLineEdit* campo);
void LimitaALatin1(QPlainTextEdit* campo);

}  // namespace trabelux
