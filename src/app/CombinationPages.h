#pragma once

#include "app/Controls.h"

namespace app {

class NamingController;

// Pages 3 组合起名 and 4 起小名: their generate buttons empty the page's list and start a naming run
// of the page's mode, with the typed characters or the checked nickname style. The run fills the list
// row by row; double-clicking a row opens the name's report like the high-score list.
class CombinationPages
{
public:
    CombinationPages(Host& host, NamingController& naming);

    void wire();
    void generateCombination(); // 按钮_组合起名
    void generateNicknames();   // 按钮_起小名

private:
    Host& m_host;
    NamingController& m_naming;
};

} // namespace app
