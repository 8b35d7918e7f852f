#include "reports/ReportTemplate.h"

namespace reports {
namespace {

// clang-format off
constexpr std::string_view kTemplate = R"HTML(<!DOCTYPE html>
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>名字评分</title>
<style type="text/css">
body { margin: 0; background-color: #FFFFFF; font-family: "宋体", "SimSun", "Noto Sans CJK SC", "WenQuanYi Micro Hei", sans-serif; }
div, td { font-size: 14px; color: #000000; line-height: 26px; }
a:link, a:visited { color: #000000; text-decoration: underline; }
a:hover { color: #FF0000; text-decoration: underline; }
table { border-collapse: separate; }
.tablebgcolor { background-color: #BBAC85; width: 96%; margin: 0 auto; }
.tdbgcolor { background-color: #FDFBF2; }
.tdbgcolor td { padding-left: 5px; vertical-align: top; }
.chars td { padding-left: 0; white-space: nowrap; }
.chars .head td { color: #ababab; }
.fontcolor1 { font-size: 18px; font-weight: bold; color: #000000; }
.fontcolor3 { color: #FF0000; font-family: Arial, Helvetica, sans-serif; font-size: 24px; font-weight: bold; }
.red { color: #FF0000; }
.grey { color: #aaaaaa; }
.py { font-family: Arial, "DejaVu Sans", "Liberation Sans", sans-serif; }
.notice { font-size: 12px; color: #808080; line-height: 20px; }
.divh { height: 8px; overflow: hidden; }
.sy { float: left; width: 1px; height: 1px; overflow: hidden; visibility: hidden; }
@media print {
  .tablebgcolor { width: 100%; background-color: transparent; border-collapse: collapse; }
  .tablebgcolor > tbody > .tdbgcolor > td { border: 1px solid #BBAC85; }
  tr { page-break-inside: avoid; break-inside: avoid; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
</style>
</head>
<body>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor">
    <td width="56%">
      <table class="chars" width="100%" border="0" cellspacing="0" cellpadding="0">
        <tr class="head"><td width="12%"></td><td>繁体</td><td>拼音</td><td>简体笔划</td><td>康熙笔划</td><td>字意五行</td></tr>
        <tr><td class="fontcolor1">{简体姓氏1}</td><td class="grey">{繁体姓氏1}</td><td class="grey py">{姓氏1拼音}</td><td>{简体姓氏1笔划}</td><td>{繁体姓氏1笔划}</td><td>{姓氏1五行}</td></tr>
        <tr><td class="fontcolor1">{简体姓氏2}</td><td class="grey">{繁体姓氏2}</td><td class="grey py">{姓氏2拼音}</td><td>{简体姓氏2笔划}</td><td>{繁体姓氏2笔划}</td><td>{姓氏2五行}</td></tr>
        <tr><td class="fontcolor1">{简体名字1}</td><td class="grey">{繁体名字1}</td><td class="grey py">{名字1拼音}</td><td>{简体名字1笔划}</td><td>{繁体名字1笔划}</td><td>{名字1五行}</td></tr>
        <tr><td class="fontcolor1">{简体名字2}</td><td class="grey">{繁体名字2}</td><td class="grey py">{名字2拼音}</td><td>{简体名字2笔划}</td><td>{繁体名字2笔划}</td><td>{名字2五行}</td></tr>
      </table>
    </td>
    <td width="22%" style="vertical-align: middle">天格-&gt; {天格}({天格五行})<br>人格-&gt; {人格}({人格五行})<br>地格-&gt; {地格}({地格五行})</td>
    <td style="vertical-align: middle">外格-&gt; {外格}({外格五行})<br>总格-&gt; {总格}({总格五行})</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor">
    <td class="notice">说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。特别注意的是,如果名字分数低或评价为凶,一旦使用,能冲破命象则能异于常人、大富大贵、高高在上,如冲不破,则可能一生坎坷,能冲破的人毕竟是少数,这就是为什么个别“名人”的名字测下来分数反而很低的原因,他们靠后天的不断努力及机遇压制了命理的限制.而分数高,命理好,则能少走很多弯路,更容易成功。本方法测命理只供参考,切勿影响生活!<span class="sy">[ 结果来源于： 嘉禾名典软件 ]</span></td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor"><td><span class="fontcolor1">评分构成一览：</span>六项按权重计分，色条是所得分，浅色部分是失去的分；下方是三才五行的相生相克。<br>{评分图}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor"><td><span class="fontcolor1">天格{天格}的解析：</span>天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶吉都无法改)</td></tr>
  <tr class="tdbgcolor"><td>{天格总论}（<span class="red">{天格吉凶}</span>）</td></tr>
  <tr class="tdbgcolor"><td> → 详细解释：<br />{天格释义}</td></tr>
  <tr class="tdbgcolor"><td><span class="fontcolor1">人格{人格}的解析：</span>人格数又称主运，是整个姓名的中心点，影响人的一生命运。</td></tr>
  <tr class="tdbgcolor"><td>{人格总论}（<span class="red">{人格吉凶}</span>）</td></tr>
  <tr class="tdbgcolor"><td> → 详细解释：<br />{人格释义}</td></tr>
  <tr class="tdbgcolor"><td><span class="fontcolor1">地格{地格}的解析：</span>地格数又称前运，影响人中年（36岁）以前的活动力。</td></tr>
  <tr class="tdbgcolor"><td>{地格总论}（<span class="red">{地格吉凶}</span>）</td></tr>
  <tr class="tdbgcolor"><td> → 详细解释：<br />{地格释义}</td></tr>
  <tr class="tdbgcolor"><td><span class="fontcolor1">总格{总格}的解析：</span>总格又称后运，影响人中年（36岁）以后的命运。</td></tr>
  <tr class="tdbgcolor"><td>{总格总论}（<span class="red">{总格吉凶}</span>）</td></tr>
  <tr class="tdbgcolor"><td> → 详细解释：<br />{总格释义}</td></tr>
  <tr class="tdbgcolor"><td><span class="fontcolor1">外格{外格}的解析：</span>外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。</td></tr>
  <tr class="tdbgcolor"><td>{外格总论}（<span class="red">{外格吉凶}</span>）</td></tr>
  <tr class="tdbgcolor"><td> → 详细解释：<br />{外格释义}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor"><td><span class="fontcolor1">对三才数理的影响：</span>您的姓名三才配置为：{三才}。它具有如下数理诱导力，据此会对人生产生一定的影响。</td></tr>
  <tr class="tdbgcolor"><td>{三才总论}（<span class="red">{三才吉凶}</span>）</td></tr>
  <tr class="tdbgcolor"><td> → 详细解释：<br />{三才释义}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor"><td width="20%">对基础运的影响</td><td>{基础运}</td></tr>
  <tr class="tdbgcolor"><td width="20%">对成功运的影响</td><td>{成功运}</td></tr>
  <tr class="tdbgcolor"><td width="20%">对人际关系的影响</td><td>{人际关系}</td></tr>
  <tr class="tdbgcolor"><td width="20%">对性格的影响</td><td>{性格}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor"><td width="20%">天格{天格}有以下数理暗示</td><td>{天格数理暗示}</td></tr>
  <tr class="tdbgcolor"><td width="20%">人格{人格}有以下数理暗示</td><td>{人格数理暗示}</td></tr>
  <tr class="tdbgcolor"><td width="20%">地格{地格}有以下数理暗示</td><td>{地格数理暗示}</td></tr>
  <tr class="tdbgcolor"><td width="20%">总格{总格}有以下数理暗示</td><td>{总格数理暗示}</td></tr>
  <tr class="tdbgcolor"><td width="20%">外格{外格}有以下数理暗示</td><td>{外格数理暗示}</td></tr>
</table>
<div class="divh"></div>
{名字品鉴}
<table class="tablebgcolor" cellspacing="1" cellpadding="0" align="center">
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">总评及建议：</span><br>&nbsp;&nbsp;{总分建议}</td>
    <td width="40%" style="vertical-align: middle"><span class="fontcolor1">姓名五格评分：</span><span class="fontcolor3">{评分总分}</span> 分</td>
  </tr>
</table>
<div class="divh"></div>
</body>
</html>
)HTML";
// clang-format on

} // namespace

std::string_view nameReportTemplate() noexcept
{
    return kTemplate;
}

} // namespace reports
