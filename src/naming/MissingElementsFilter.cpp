#include "naming/MissingElementsFilter.h"

#include "text/Utf8.h"

namespace naming {

ElementFilter filterForMissingElements(std::string_view missing)
{
    const size_t count = text::utf8Characters(missing).size();
    ElementFilter filter;
    if (count == 0)
        return filter;
    filter.must = {};
    if (count == 1)
        filter.second = {true, std::string(missing)};
    else
        filter.must = {true, std::string(missing)};
    return filter;
}

std::string missingElementsFilterMessage(std::string_view missing)
{
    return "已按八字所缺五行（" + std::string(missing) + "）设置筛选条件";
}

} // namespace naming
