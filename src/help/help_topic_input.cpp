// Help topics 3 and 4: the input parameters of both analysis programs.
#include "help/help_topic_lines.h"

namespace pave::help_lines {

Lines LayeredInput() { return {}; }
Lines SlabInput() { return {}; }

}  // namespace pave::help_lines
