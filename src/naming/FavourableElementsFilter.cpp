#include "naming/FavourableElementsFilter.h"

#include "naming/MissingElementsFilter.h"

namespace naming {

ElementFilter filterForFavourableElements(std::string_view favourable)
{
    // The same placement as for missing elements: what differs is only which elements are wanted.
    return filterForMissingElements(favourable);
}

std::string favourableElementsFilterMessage(std::string_view favourable)
{
    return "已按喜用神（" + std::string(favourable) + "）设置筛选条件";
}

std::string favourableCharacters(const std::vector<std::string>& characters,
                                 const std::vector<std::string>& elements, std::string_view favourable)
{
    std::string carried;
    for (size_t i = 0; i < characters.size() && i < elements.size(); ++i)
        if (!elements[i].empty() && favourable.find(elements[i]) != std::string_view::npos)
            carried += characters[i];
    return carried;
}

} // namespace naming
