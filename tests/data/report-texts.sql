-- Texts for the report tests: every column of the 81 numbers and the three-talent rows gets a text
-- naming its column, so a column read in the wrong place shows in the report.
update XW_八一灵动数 set 解释二 = '解释二之' || Id, 解释三 = '解释三之' || Id, 基业 = '基业之' || Id,
    家庭 = '家庭之' || Id, 健康 = '健康之' || Id, 含义 = '含义之' || Id,
    数理暗示 = '暗示甲之' || Id || '|暗示乙之' || Id;
update XW_三才配置 set 解释一 = '解释一之' || 三才, 解释二 = '解释二之' || 三才, 总论 = '总论之' || 三才,
    性格 = '性格之' || 三才, 意志 = '意志之' || 三才, 事业 = '事业之' || 三才, 家庭 = '家庭之' || 三才,
    婚姻 = '婚姻之' || 三才, 子女 = '子女之' || 三才, 社交 = '社交之' || 三才, 精神 = '精神之' || 三才,
    财运 = '财运之' || 三才, 健康 = '健康之' || 三才, 老运 = '老运之' || 三才,
    对基础运的影响 = '基础运之' || 三才, 对成功运的影响 = '成功运之' || 三才,
    对人际关系的影响 = '人际关系之' || 三才, 对性格的影响 = '性格影响之' || 三才;
