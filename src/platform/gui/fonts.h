// The fonts the windows name, mapped to the Liberation fonts installed with the package.
#pragma once

namespace pave {

void InstallFontSubstitutes();

}  // namespace pave
