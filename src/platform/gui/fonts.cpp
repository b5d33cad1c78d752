#include "platform/gui/fonts.h"

#include <QFont>

namespace pave {

void InstallFontSubstitutes() {
  QFont::insertSubstitution("Courier New", "Liberation Mono");
  QFont::insertSubstitution("Courier", "Liberation Mono");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Serif", "Liberation Serif");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Small Fonts", "Liberation Sans");
  // A face with the Greek letters; texts in the symbol font are turned into them (symbol_font.h).
  QFont::insertSubstitution("Symbol", "Liberation Serif");
}

}  // namespace pave
