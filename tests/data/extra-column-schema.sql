create table XW_CNWord (Id Integer(10),code Integer(10),汉字 VarChar(2),简体 VarChar(2),繁体 VarChar(2),简体笔画数 Integer(10),繁体笔画数 Integer(10),拼音1 VarChar(20),拼音2 VarChar(20),声母 VarChar(1),韵母 VarChar(3),部首 VarChar(1),五行属性 VarChar(2),五笔 VarChar(4),基本解释 VarChar(700),详细解释 VarChar(700));
create table XW_三才配置 (Id Integer(10),三才 VarChar(6),吉凶 VarChar(4),解释一 VarChar(140),解释二 VarChar(80),总论 VarChar(92),性格 VarChar(200),意志 VarChar(100),事业 VarChar(100),家庭 VarChar(100),婚姻 VarChar(100),子女 VarChar(100),社交 VarChar(100),精神 VarChar(100),财运 VarChar(100),健康 VarChar(100),老运 VarChar(100),对基础运的影响 VarChar(100),对成功运的影响 VarChar(100),对人际关系的影响 VarChar(100),对性格的影响 VarChar(150));
create table XW_八一灵动数 (Id Integer(10),吉凶 VarChar(4),解释一 VarChar(100),解释二 VarChar(100),解释三 VarChar(1000),基业 VarChar(1000),家庭 VarChar(1000),健康 VarChar(1000),含义 VarChar(1000),数理暗示 VarChar(1000));
create table XW_EName (Id Integer(10),EIndex VarChar(1),EIndex2 VarChar(2),Name VarChar(20),NameLength VarChar(10),Sex Integer(10),Cnword VarChar(50),Morphology VarChar(20),Languag VarChar(20),Mean VarChar(20));
create table XW_Poet (Id Integer(10),Poet VarChar(10),PoemCount VarChar(10),OrderId Integer(10));
create table XW_全唐诗 (Id Integer(10),标题 VarChar(30),作者 VarChar(10),内容 VarChar(1000),首字母 VarChar(400),内容长度 Integer(10));
create table XW_育儿百科 (ID Integer(10),分类ID VarChar(50),分类标题 VarChar(20),标题 VarChar(100),内容 VarChar(2000));
create table XW_算命风水 (ID Integer(10),分类ID VarChar(50),分类标题 VarChar(20),标题 VarChar(100),内容 VarChar(2000));
create table XW_百家姓 (Id Integer(10),Extra Integer(10),姓 VarChar(8),姓氏起源 VarChar(1000),聚集地 VarChar(1000),历史名人 VarChar(1000));
