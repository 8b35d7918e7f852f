#pragma once

#include "app/Controls.h"

#include <filesystem>

namespace reports {
struct ExportResult;
}

namespace app {

// The export buttons: 按钮_高分导出 writes 超级列表框_高分起名 to data/NameList.txt, 按钮_超吉导出
// writes 超级列表框_超吉起名 to data/100NameList.txt and 按钮_经典导出 the text of 编辑框_经典名字 to
// data/ClassNameList.txt (GBK). A written file is opened with the desktop's default program; a file
// that cannot be written is named in a message box and nothing is opened, so an older file is never
// shown as if it were the export.
// Says how an export went: the error, or the file in the status bar, opened with the desktop's program.
void sayExported(Host& host, const reports::ExportResult& result);

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
