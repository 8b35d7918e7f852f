#pragma once

#include "app/Controls.h"

#include <filesystem>

namespace reports {
struct ExportResult;
}

namespace app {

// The export buttons: 按钮_高分导出 writes 超级列表框_高分起名 to data/NameList.txt, 按钮_超吉导出
// writes 超级列表框_超吉起名 to data/100NameList.txt, 按钮_经典导出 the text of 编辑框_经典名字 to
// data/ClassNameList.txt (GBK), and the combination, nickname and poem lists go to ComboNameList.txt,
// NickNameList.txt and PoemNameList.txt in the same format. A written file is opened with the
// desktop's default program; a file that cannot be written is named in a message box and nothing is
// opened, so an older file is never shown as if it were the export. A list without names writes
// nothing and says so: the last export stays as it was.
// Says how an export went: the error, or the file in the status bar, opened with the desktop's program.
void sayExported(Host& host, const reports::ExportResult& result);

inline constexpr const char* kNothingToExport = "列表为空，没有导出";
// Says kNothingToExport.
void sayNothingExported(Host& host);

class ExportButtons
{
public:
    ExportButtons(Host& host, std::filesystem::path programFolder);

    void wire();
    void exportHighScoreList();
    void exportSuperAuspiciousList();
    void ExportClassicNames();

private:
    void exportList(ControlName list, const std::filesystem::path& file);

    Host& m_host;
    std::filesystem::path m_programFolder;
};

} // namespace app
