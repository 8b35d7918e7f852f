#pragma once

#include "app/Controls.h"

#include <filesystem>

namespace store {
class NamingStore;
}
namespace quality {
class NameChecker;
}

namespace app {

// The page 姓名评分 of the main window: 按钮_评分 scores the typed surname and given name with the
// report's own computation (it writes data/temp.html) and appends the name to 超级列表框_评分列表
// unless it is listed already. A double-click on a row opens the detail window without adding a
// record (DetailController).
class EvaluationPage
{
public:
    EvaluationPage(Host& host, const store::NamingStore& store, std::filesystem::path programFolder);

    // The name check the report's 名字品鉴 uses (the naming lists' own, built once); without it each
    // evaluation builds its own.
    void setChecker(const quality::NameChecker* checker) { m_checker = checker; }
    // Registers 按钮_评分.
    void wire();
    void EvaluateName();

private:
    Host& m_host;
    const store::NamingStore& m_store;
    std::filesystem::path m_programFolder;
    const quality::NameChecker* m_checker = nullptr;
};

} // namespace app
