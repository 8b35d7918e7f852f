#include "app/CombinationPages.h"

#include "app/ControlNames.h"
#include "app/NamingController.h"

#include <array>
#include <utility>

namespace app {
namespace {

constexpr std::array<std::pair<names::Name, naming::NicknameStyle>, 4> kStyleRadios = {{
    {names::单选框_AA型, naming::NicknameStyle::Doubled},
    {names::单选框_小A型, naming::NicknameStyle::XiaoPrefix},
    {names::单选框_A儿型, naming::NicknameStyle::ErSuffix},
    {names::单选框_阿A型, naming::NicknameStyle::APrefix},
}};

} // namespace

CombinationPages::CombinationPages(Host& host, NamingController& naming) : m_host(host), m_naming(naming) {}

void CombinationPages::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::按钮_组合起名, EventKind::Clicked, [this](const Event&) { generateCombination(); });
    main.on(names::按钮_起小名, EventKind::Clicked, [this](const Event&) { generateNicknames(); });
}

void CombinationPages::generateCombination()
{
    Window& main = m_host.mainWindow();
    naming::NamingRequest request = m_naming.readRequest(naming::Mode::Combination);
    request.combinationText = main.text(names::编辑框_组合的字);
    main.clearRows(names::超级列表框_组合列表);
    m_naming.startRun(std::move(request));
}

void CombinationPages::generateNicknames()
{
    Window& main = m_host.mainWindow();
    naming::NamingRequest request = m_naming.readRequest(naming::Mode::Nickname);
    for (const auto& [radio, style] : kStyleRadios)
        if (main.isChecked(radio))
            request.nicknameStyle = style;
    main.clearRows(names::超级列表框_小名列表);
    m_naming.startRun(std::move(request));
}

} // namespace app
