#pragma once

#include "../reports/ReportFixture.h"
#include "app/ControlNames.h"
#include "app/testing/FakeHost.h"

#include <string>

// The report fixture's store and program folder (the 81 numbers, the 125 configurations, a few
// characters such as 李 明 华 欧 阳 于, the surnames 李 and 欧阳) under the fake window system.
class ReportWindowFixture : public ReportFixture
{
protected:
    app::testing::FakeWindow& main() { return m_host.main(); }

    // A row of a name list: number, name cell, then fixed cells 2 to 7.
    static app::ListRow nameRow(const std::string& number, const std::string& name)
    {
        return {{number, name, "21", "29", "木火水", "8,15,22,29,15", "金土木", "86"}, 0};
    }

    app::testing::FakeHost m_host;
};
