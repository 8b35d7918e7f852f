#pragma once

#include "cli/Arguments.h"
#include "naming/NamingRequest.h"

#include <ostream>

namespace cli {

// The element options of `generate --mode super`, one per row of the filter panel: --second and
// --third check the position limiters with those element boxes, --must and --must-not the
// all-character limiters. Without any of them the panel stays as the window opens it. An element
// text holding anything but 金木水火土 is reported on `err` and gives false.
// --from-chart YYYY-M-D H sets the options instead from the elements that birth chart lacks, as the
// birth-chart page's 按所缺五行起名 does, and says on `err` what it set; it stands alone, beside none of
// the four others. --late-zi same-day beside it counts a birth from 23:00 to the civil day (晚子时), as
// the setting 23点后算次日 turned off does on the page. --by favourable beside it sets the options from
// the chart's main favourable elements (喜用神) instead, as the page's 按喜用神起名 does; --by missing
// is the default.
bool parseElementOptions(const Arguments& args, naming::ElementFilter& filter, std::ostream& err);

} // namespace cli
