// Help topics 5 and 6: the reports of both analysis programs.
#include "help/help_topic_lines.h"

namespace pave::help_lines {

Lines LayeredOutput() { return {}; }
Lines SlabOutput() { return {}; }

}  // namespace pave::help_lines
