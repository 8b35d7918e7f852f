#include "reports/Pages.h"

namespace reports {
namespace {

// clang-format off
constexpr std::string_view kCharacterPage = R"HTML(<html>
<head>
<meta http-equiv="Content-Language" content="zh-cn">
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>{汉字}</title>
<style type="text/css">
body { background-color: #FFFFEC; margin-top: 2px; font-family: "宋体", "SimSun", "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei", serif; }
td { font-size: 14px; line-height: 20px; color: #3C3C3C; }
.font_22 { font-size: 52px; line-height: 60px; color: #FF0000; text-align: center; }
.font_14 { font-size: 22px; font-family: Arial, "DejaVu Sans", "Liberation Sans", sans-serif; }
.row { background-color: #E7ECF8; padding-left: 8px; }
hr { border: 0; border-top: 1px solid #C8C8C8; height: 0; }
@media print { * { -webkit-print-color-adjust: exact; print-color-adjust: exact; } }
</style>
</head>
<body>
<table width="580" align="center" border="0" cellspacing="0" cellpadding="0">
  <tr>
    <td>
      <table width="100%" border="0" cellspacing="4" cellpadding="0">
        <tr>
          <td width="90" class="font_22">{汉字}</td>
          <td>
            <table width="100%" border="0" cellspacing="2" cellpadding="4">
              <tr><td class="row" width="60%">拼音：<span class="font_14">{拼音}</span></td><td class="row">简体笔划：{简体笔划}</td></tr>
              <tr><td class="row" width="60%">部首：{部首}</td><td class="row">繁体笔划：{繁体笔划}</td></tr>
              <tr><td class="row" colspan="2">五行：{五行}</td></tr>
            </table>
          </td>
        </tr>
      </table>
    </td>
  </tr>
  <tr>
    <td>
      <table width="98%" align="center" border="0" cellspacing="0" cellpadding="0">
        <tr>
          <td><b>基本解释</b>：<hr>{基本解释}<br><br><b>详细解释</b>：<hr>{详细解释}</td>
        </tr>
      </table>
    </td>
  </tr>
</table>
</body>
</html>
)HTML";

constexpr std::string_view kSurnamePage = R"HTML(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>百家姓_{姓氏}</title>
</head>
<body style="margin: 30px; background-color: #FFFFEC; font-size: 14px; line-height: 22px;">
<font color="#FF0000" size="5"><b>{姓氏}</b></font><br><br>
<b>姓氏起源</b>：<br>{姓氏起源}<br><br>
<b>分布地域</b>：<br>{聚集地}<br><br>
<b>历史名人</b>：<br>{历史名人}
</body>
</html>
)HTML";
// clang-format on

} // namespace

std::string_view characterPageTemplate() noexcept
{
    return kCharacterPage;
}

std::string_view surnamePageTemplate() noexcept
{
    return kSurnamePage;
}

} // namespace reports
