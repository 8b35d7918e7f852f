#!/usr/bin/env python3
"""Compose data-src/sancai.tsv: the texts of the 125 three-talent configurations.

The file is this script's output, committed so the database build needs no
more than data-src/; edit the phrase tables below and run the script again
rather than editing the file by hand. The build (tables.sancai) reads it and
checks its fortune words against the rule.

A key is the element of the heaven, person and earth grid, in that order.
Each text is put together from phrases written per relation (heaven to person,
person to earth), per element of the person grid and per fortune word. The
fortune word is the build's own rule, namedata.rules.sancai_fortune.

Usage: python3 tools/namedata/compose_sancai.py [output path]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from namedata.rules import GENERATES, OVERCOMES, sancai_fortune  # noqa: E402
from namedata.tables import SANCAI_HEADER as COLUMNS  # noqa: E402

# The rows run through the elements in the order of the generating cycle.
ELEMENTS = "木火土金水"

# Images of a pair, keyed by the generating / overcoming / shared element.
GEN_IMAGE = {"木": "如薪添焰", "火": "如火烬成沃土", "土": "如土中蕴金",
             "金": "如金上凝露", "水": "如水润林木"}
OVC_IMAGE = {"木": "如树根破土", "土": "如堤坝阻水", "水": "如水浇烈火",
             "火": "如烈火熔金", "金": "如斧斤伐木"}
SAME_IMAGE = {"木": "如双木成林", "火": "如两火相映", "土": "如积土成山",
              "金": "如金玉成双", "水": "如众水合流"}

# Person-grid element: temperament, short strength, what to guard against,
# marriage note, spirit advice, trades and organ traditionally linked to it.
# The temperament of the person-grid element, worded once per heaven relation (HgP, PgH, same,
# HkP, PkH), so that a reader meets no clause word for word in more than five rows.
TRAIT = {"木": ("性情仁厚正直，富有同情心", "心地善良，肯替别人着想", "为人正直，向上生长的劲头足",
                "性子温厚，懂得体谅人", "积极向上，有一股不服输的韧劲"),
         "火": ("性情热情开朗，反应敏捷", "热心肠，见人有难便想帮忙", "活泼爽朗，做事风风火火",
                "心里有一团火，表面却常收着", "精力充沛，敢想敢做"),
         "土": ("性情稳重踏实，诚实守信", "踏实肯干，不怕吃苦", "沉稳厚道，说到做到",
                "稳当少言，心里有数", "朴实坚定，认准了就不轻易改"),
         "金": ("性情刚毅果断，做事有原则", "重情重义，答应的事必定办到", "是非分明，有主见",
                "外刚内敛，自我要求高", "果决利落，不愿落在人后"),
         "水": ("性情聪敏灵活，思维活跃", "善解人意，体贴周到", "机灵好学，点子多",
                "心思细腻，想得周全", "灵活善变，遇事转得快")}
STRENGTH = {"木": "仁厚上进", "火": "热情果敢", "土": "稳重守信",
            "金": "刚毅重义", "水": "聪敏灵活"}
# What a child of the element is helped to learn while growing up.
GUARD = {"木": "成长中可多学着听取别人的想法", "火": "成长中可慢慢学会遇事先停一停",
         "土": "成长中可多尝试新鲜事物", "金": "成长中可学着以柔和的方式表达主见",
         "水": "成长中可学着专心把一件事做完"}
MARRIAGE_NOTE = {"木": "重情专一", "火": "感情热烈，宜防急躁", "土": "忠厚可靠",
                 "金": "宜以柔化刚", "水": "体贴细腻，宜防多疑"}
SPIRIT_TIP = {"木": "多到户外亲近自然", "火": "读书画画一类安静的爱好也有益处", "土": "多和小伙伴玩耍交流",
              "金": "遇到不顺时学会放下", "水": "睡前少想心事，作息规律"}
FIELD = {"木": "文教、林木类行业", "火": "传媒、能源类行业", "土": "建筑、农业类行业",
         "金": "金融、机械类行业", "水": "贸易、物流类行业"}
ORGAN = {"木": "肝胆", "火": "心血管", "土": "脾胃", "金": "呼吸系统", "水": "肾脏"}


A_ORDER = ("HgP", "PgH", "same", "HkP", "PkH")


def relation_a(h, p):
    """Relation of the heaven grid to the person grid."""
    if h == p:
        return "same"
    if GENERATES[h] == p:
        return "HgP"
    if GENERATES[p] == h:
        return "PgH"
    if OVERCOMES[h] == p:
        return "HkP"
    return "PkH"


def relation_b(p, e):
    """Relation of the person grid to the earth grid."""
    if p == e:
        return "same"
    if GENERATES[e] == p:
        return "EgP"
    if GENERATES[p] == e:
        return "PgE"
    if OVERCOMES[e] == p:
        return "EkP"
    return "PkE"


def pair(x, y):
    """Image of the relation between two adjacent grids x and y."""
    if x == y:
        return f"{x}{y}比和，{SAME_IMAGE[x]}"
    if GENERATES[x] == y:
        return f"{x}生{y}，{GEN_IMAGE[x]}"
    if GENERATES[y] == x:
        return f"{y}生{x}，{GEN_IMAGE[y]}"
    if OVERCOMES[x] == y:
        return f"{x}克{y}，{OVC_IMAGE[x]}"
    return f"{y}克{x}，{OVC_IMAGE[y]}"


SAME3_IMAGE = {"木": "如成片山林", "火": "如群火相映", "土": "如重峦叠嶂",
               "金": "如金石相叠", "水": "如百川汇流"}


def overview(h, p, e):
    """The images of both relations, prefixed with the key."""
    key = h + p + e
    if h == p == e:
        return f"{key}：三格同属{h}，{SAME3_IMAGE[h]}"
    if h == e:
        if GENERATES[h] == p:
            text = f"天地皆{h}，同生人格{p}，{GEN_IMAGE[h]}"
        elif GENERATES[p] == h:
            text = f"人格{p}上生天{h}、下生地{h}，{GEN_IMAGE[p]}"
        elif OVERCOMES[h] == p:
            text = f"天地皆{h}，上下夹克人格{p}，{OVC_IMAGE[h]}"
        else:
            text = f"人格{p}上克天{h}、下克地{h}，{OVC_IMAGE[p]}"
        return f"{key}：{text}"
    return f"{key}：{pair(h, p)}；{pair(p, e)}"


def summary_a(a, h, p):
    return {"HgP": f"天格{h}生人格{p}，上有长辈提携",
            "PgH": f"人格{p}生天格{h}，肯为上位者付出",
            "same": f"天格人格同属{h}，上下同心",
            "HkP": f"天格{h}克人格{p}，上方压力较重",
            "PkH": f"人格{p}克天格{h}，有凌上之势"}[a]


def summary_b(b, p, e):
    return {"EgP": f"地格{e}生人格{p}，根基得助",
            "PgE": f"人格{p}生地格{e}，乐于扶持家人晚辈",
            "same": f"人格地格同属{p}，基础平稳",
            "EkP": f"地格{e}克人格{p}，根基不稳",
            "PkE": f"人格{p}克地格{e}，根基略受耗损"}[b]


FORTUNE_SUMMARY = {"大吉": "三才相生，传统上视为大吉配置。",
                   "吉": "无冲无克，传统上视为吉配置。",
                   "中": "吉凶参半，传统上视为中等配置。",
                   "凶": "主运受制，传统上视为凶配置。",
                   "大凶": "上下皆有冲克，传统上视为大凶配置。"}

A_SHORT = {"HgP": "天生人", "PgH": "人生天", "same": "天人比和", "HkP": "天克人", "PkH": "人克天"}
B_SHORT = {"EgP": "地生人", "PgE": "人生地", "same": "人地比和", "EkP": "地克人", "PkE": "人克地"}


def outlook(a, b, f):
    if f == "大吉":
        return "成功运与基础运俱佳，寓意成长顺利"
    if f == "吉":
        return "运势平顺，寓意稳中有进"
    if f == "大凶":
        return "上下两处皆有冲克，象征波折较多"
    if f == "中":
        return "上方稍有阻滞，对长辈宜多礼让" if a == "PkH" else "根基略有起伏，宜慢慢扎根"
    return "上方冲克，努力要更久才被看见" if a == "HkP" else "根基受克，变动时需多陪伴"


CHAR_A = {"HgP": "受天格相生，亲近长辈、谦和有礼",
          "PgH": "生助天格，懂事体贴，乐意为人出力",
          "same": "与天格比和，自尊心强",
          "HkP": "受天格所克，心事常藏在心里",
          "PkH": "克制天格，好胜心强"}
CHAR_B = {"EgP": "得地格相生，心态安稳",
          "PgE": "生助地格，乐于照顾更小的孩子",
          "same": "与地格比和，性情稳定、恋家",
          "EkP": "受地格所克，到新环境时需要多些时间适应",
          "PkE": "克制地格，对身边的人要求较高"}

WILL_A = {"HgP": "上有扶持，志向易得伸展",
          "PgH": "心力常分给上位与外务",
          "same": "上下同气，认定的目标少有动摇",
          "HkP": "上方压力较重，志向实现得多费周折",
          "PkH": "不惧权威，敢向上争取"}
WILL_B = {"EgP": "根基有靠，受挫也能重新振作",
          "PgE": "为家人与所守之事甘愿付出",
          "same": "根基稳定，做事能持之以恒",
          "EkP": "根基多扰，遇挫时有亲友鼓励更好",
          "PkE": "对自己要求偏高，宜放缓脚步"}

WILL_P = {"木": "志向如树木向上，韧性足", "火": "志气如火，起势快",
          "土": "心志如山，沉稳执着", "金": "意志如金，决断分明",
          "水": "心志如水，遇阻善于绕行"}

CAREER_A = {"HgP": "求学做事易得师长提携",
            "PgH": "勤勉肯干，常默默为集体出力",
            "same": "独立性强，将来适合独当一面",
            "HkP": "遇到的要求往往较严，成绩要慢慢积累",
            "PkH": "有开拓魄力，与师长意见不同时宜好好沟通"}
CAREER_B = {"EgP": "身边同伴得力",
            "PgE": "将来善于带动伙伴",
            "same": "根基平稳，做事踏实",
            "EkP": "基础宜一点一滴打牢",
            "PkE": "与同伴合作时宜多些耐心"}

FAMILY_A = {"HgP": "得长辈疼爱", "PgH": "孝敬父母长辈", "same": "与长辈性情相近",
            "HkP": "与长辈观念常有不同", "PkH": "对长辈说话宜多些委婉"}
FAMILY_B = {"EgP": "家人是坚实的后盾",
            "PgE": "懂事体贴，常帮家里做事",
            "same": "与兄弟姐妹相处平和",
            "EkP": "家里事多时，父母多些陪伴更好",
            "PkE": "在家很有主意，父母不妨多听听孩子的想法"}

FAMILY_P = {"木": "待家人仁厚", "火": "在家热心张罗", "土": "持家踏实可靠",
            "金": "持家讲规矩", "水": "在家体贴善解人意"}

MARRIAGE_B = {"EgP": "配偶贤能，能助己成事",
              "PgE": "对配偶体贴照顾",
              "same": "彼此平和融洽",
              "EkP": "相处中多些体谅与耐心",
              "PkE": "对配偶宜多些尊重、少些要求"}

MARRIAGE_A = {"HgP": "婚事多得长辈祝福", "PgH": "婚后仍多顾念双方长辈",
              "same": "夫妻志趣相投", "HkP": "小家宜少受外界干扰",
              "PkH": "夫妻相处少争高下"}

CHILDREN_B = {"EgP": "子女孝顺懂事",
              "PgE": "肯为子女操心付出",
              "same": "与子女关系亲近",
              "EkP": "子女需要更多耐心引导",
              "PkE": "对子女期望偏高，多鼓励少责备为好"}
CHILDREN_P = {"木": "以仁厚教子", "火": "以热情感染子女", "土": "以踏实为子女作榜样",
              "金": "教子讲原则", "水": "善于启发子女"}

CHILDREN_A = {"HgP": "家中长幼有序", "PgH": "上下两代都要照顾",
              "same": "家风代代相承", "HkP": "外面的压力少带回家",
              "PkH": "在子女面前收起好胜之心，家中更和乐"}

SOCIAL_A = {"HgP": "与师长长辈相处融洽", "PgH": "乐于帮助他人",
            "same": "喜与志同道合者往来", "HkP": "在长辈师长面前常感拘束",
            "PkH": "在师长面前锋芒易露"}
SOCIAL_B = {"EgP": "身边朋友真诚可靠", "PgE": "肯为朋友出力",
            "same": "儿时的朋友往往相交长久", "EkP": "交友慢热，熟了便很投缘",
            "PkE": "对待同伴可以再谦和一些"}

SOCIAL_P = {"木": "待友真诚", "火": "交游广阔", "土": "交友重信",
            "金": "交友讲义气", "水": "善于结交"}

SPIRIT_A = {"HgP": "心有所依", "PgH": "常为他人操心", "same": "心境自主",
            "HkP": "时感上方压力", "PkH": "心气高，不甘人后"}

SPIRIT_B = {"EgP": "内心安定", "PgE": "在付出中感到充实", "same": "情绪平稳",
            "EkP": "易为琐事烦心", "PkE": "对人对己要求偏高"}

WEALTH_A = {"HgP": "常有长辈带来的机会", "PgH": "乐于与人分享",
            "same": "财路靠自身本事", "HkP": "所得要靠长久积累",
            "PkH": "敢于争取机会"}
WEALTH_B = {"EgP": "根基稳固，积蓄可观", "PgE": "收支宜有计划",
            "same": "收入平稳", "EkP": "投资宜稳，量力而行",
            "PkE": "钱财宜多留余地"}

WEALTH_P = {"木": "求财重长远", "火": "求财敢作敢为", "土": "求财稳扎稳打",
            "金": "理财精明有度", "水": "求财善抓时机"}

OLD_B = {"EgP": "晚年有家人照应，生活安乐",
         "PgE": "晚年仍乐于为家人张罗，心中充实",
         "same": "晚年平稳，衣食无忧",
         "EkP": "晚年少揽琐事，更得清闲",
         "PkE": "晚年放手让儿孙做主，安享天伦"}
OLD_A = {"HgP": "福荫绵长", "PgH": "一生付出终得回报", "same": "自得其乐",
         "HkP": "心境越老越宽", "PkH": "锋芒渐收"}

OLD_P = {"木": "宜舒展心境", "火": "宜放慢脚步", "土": "宜常出门走动",
         "金": "宜宽以待人", "水": "宜清静养神"}

BALANCE = {"木": "若能兼听他人之言，更见其长", "火": "遇事稍缓一步，更显从容",
           "土": "多些变通，便更通达", "金": "刚中带柔，更得人心",
           "水": "定下心来，所长方能成事"}

# Care for a growing child that suits the person-grid element.
CARE = {"木": "多在户外舒展筋骨", "火": "早睡早起、动静相宜", "土": "饮食定时、细嚼慢咽",
        "金": "多去户外、坚持运动", "水": "注意保暖、喝足温水"}

REL_A = {"HgP": "与上位者关系融洽", "PgH": "对上位者尊敬有加", "same": "与上位者平等相处",
         "HkP": "上位者管束较多", "PkH": "对上位者不肯轻易让步"}
REL_B = {"EgP": "同伴乐于相助", "PgE": "对更小的孩子关照周到", "same": "与同龄人往来和睦",
         "EkP": "与同伴相处时偶有摩擦", "PkE": "对同伴要求偏高"}
REL_P = {"木": "待人仁厚", "火": "待人热情", "土": "待人诚恳", "金": "待人直率",
         "水": "待人灵活"}

EFFECT_A = {"HgP": "得上方滋养而更显谦逊", "PgH": "因多付出而更富责任感",
            "same": "主见更强", "HkP": "受压而易趋于内敛", "PkH": "好胜之心愈盛"}
EFFECT_B = {"EgP": "内心安定从容", "PgE": "待人更加宽厚", "same": "性情稳定少变",
            "EkP": "内心多一分敏感", "PkE": "对人对事较为严格"}


BASE_A = {"HgP": "天格{h}相生，上方亦有助力",
          "PgH": "还要生助天格{h}，心力宜分配得当",
          "same": "天格亦属{h}，上下气势一贯",
          "HkP": "天格{h}相克，更需稳住根本",
          "PkH": "人格克天格{h}，与长辈相处多些谦让"}
SUCCESS_B = {"EgP": "有地格{e}相生作后盾",
             "PgE": "又须照顾地格{e}，宜量力",
             "same": "地格亦属{e}，后方安稳",
             "EkP": "地格{e}来克，后方需多照料",
             "PkE": "人格克地格{e}，与同伴合作宜多包容"}


def health(a, b, h, p, e):
    clashes = [x for x in (a, b) if x in ("HkP", "PkH", "EkP", "PkE")]
    if not clashes:
        tone = "三格无克，身心安泰之象"
    elif len(clashes) == 1:
        tone = "一处相克，仅是旧说"
    else:
        tone = "上下相克，仅是旧说"
    return f"{h}{p}{e}：人格{p}应{ORGAN[p]}，{tone}，平日{CARE[p]}即可。"


def compose(h, p, e):
    a, b = relation_a(h, p), relation_b(p, e)
    key = h + p + e
    f = sancai_fortune(key)
    row = {
        "三才": key,
        "吉凶": f,
        "解释一": f"{summary_a(a, h, p)}，{summary_b(b, p, e)}，{FORTUNE_SUMMARY[f]}",
        "解释二": f"{key}配置，{A_SHORT[a]}，{B_SHORT[b]}，属{f}。",
        "总论": f"{overview(h, p, e)}，{outlook(a, b, f)}。",
        "性格": f"人格属{p}，{TRAIT[p][A_ORDER.index(a)]}，{CHAR_A[a]}，{CHAR_B[b]}，{GUARD[p]}。",
        "意志": f"{WILL_P[p]}，{WILL_A[a]}，{WILL_B[b]}。",
        "事业": f"{CAREER_A[a]}，{CAREER_B[b]}，五行上与{FIELD[p]}相合。",
        "家庭": f"{FAMILY_P[p]}，{FAMILY_A[a]}，{FAMILY_B[b]}。",
        "婚姻": f"人格属{p}，{MARRIAGE_NOTE[p]}，{MARRIAGE_A[a]}，{MARRIAGE_B[b]}。",
        "子女": f"{CHILDREN_P[p]}，{CHILDREN_B[b]}，{CHILDREN_A[a]}。",
        "社交": f"{SOCIAL_P[p]}，{SOCIAL_A[a]}，{SOCIAL_B[b]}。",
        "精神": f"{SPIRIT_A[a]}，{SPIRIT_B[b]}，{SPIRIT_TIP[p]}。",
        "财运": f"{WEALTH_P[p]}，{WEALTH_A[a]}，{WEALTH_B[b]}。",
        "健康": health(a, b, h, p, e),
        "老运": f"{OLD_B[b]}，{OLD_A[a]}，{OLD_P[p]}。",
        "对基础运的影响": {
            "EgP": f"地格{e}生人格{p}，基础稳固，得家人同伴支持",
            "PgE": f"人格{p}生地格{e}，基础尚稳，须多付心力",
            "same": f"人格与地格同属{p}，基础平稳，境遇少变",
            "EkP": f"地格{e}克人格{p}，基础有起伏，宜在熟悉的环境里扎根",
            "PkE": f"人格{p}克地格{e}，基础略有动摇，宜脚踏实地"}[b]
        + "，" + BASE_A[a].format(h=h) + "。",
        "对成功运的影响": {
            "HgP": f"天格{h}生人格{p}，成功运顺畅，努力易见成果",
            "PgH": f"人格{p}生天格{h}，成功需多付出，终可有成",
            "same": f"天格与人格同属{p}，成功运平稳，宜凭自身实力",
            "HkP": f"天格{h}克人格{p}，成功运受阻，须加倍努力",
            "PkH": f"人格{p}克天格{h}，成功运时有阻滞，宜谦和处事"}[a]
        + "，" + SUCCESS_B[b].format(e=e) + "。",
        "对人际关系的影响": f"人格{p}{REL_P[p]}，{REL_A[a]}，{REL_B[b]}。",
        "对性格的影响": f"人格属{p}，本性{STRENGTH[p]}，此配置下{EFFECT_A[a]}，{EFFECT_B[b]}，{BALANCE[p]}。",
    }
    # One sentence a cell: the clauses of the three relations joined, never a sentence of one table alone.
    for col in COLUMNS[2:]:
        row[col] = row[col].replace("；", "，")
    return row


LIMITS = {"解释一": 70, "解释二": 40, "总论": 46, "性格": 100, "对性格的影响": 75}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data-src", "sancai.tsv")
    lines = ["\t".join(COLUMNS)]
    for h in ELEMENTS:
        for p in ELEMENTS:
            for e in ELEMENTS:
                row = compose(h, p, e)
                for col in COLUMNS[2:]:
                    text = row[col]
                    limit = LIMITS.get(col, 50)
                    if len(text) >= limit:
                        raise SystemExit(f"{row['三才']} {col}: {len(text)} characters, limit {limit}")
                for col in COLUMNS:
                    row[col].encode("gbk")
                lines.append("\t".join(row[c] for c in COLUMNS))
    with open(out, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
