-- A handful of rows per table: enough for the store, the CLI and lookups by Chinese keys.
insert into XW_CNWord values (1, 49870, '李', '李', '李', 7, 7, 'li', 'lǐ', 'l', 'i', '木', '木', 'sbf', '李：李子树。', '');
insert into XW_CNWord values (2, 50129, '明', '明', '明', 8, 8, 'ming', 'míng', 'm', 'ing', '日', '火', 'jeg', '明：亮，光明。', '');
insert into XW_CNWord values (3, 48321, '华', '华', '華', 6, 14, 'hua', 'huá', 'h', 'ua', '十', '水', 'wxf', '华：美丽有光彩。', '');
insert into XW_CNWord values (4, 47789, '涵', '涵', '涵', 11, 12, 'han', 'hán', 'h', 'an', '氵', '水', 'ibbh', '涵：包容。', '');
insert into XW_CNWord values (5, 0, 'a"b', 'a"b', 'a"b', 1, 1, 'x', 'x', 'x', 'x', 'x', '金', 'x', 'quoted key', '');
insert into XW_CNWord values (6, 0, 'it''s', 'it''s', 'it''s', 2, 2, 'x', 'x', 'x', 'x', 'x', '土', 'x', 'apostrophe key', '');
insert into XW_三才配置 values (1, '木火土', '大吉', 's1', 's2', 'z', 'x', 'y', 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm');
insert into XW_八一灵动数 values (1, '大吉', '太极之数', 'b', 'c', 'd', 'e', 'f', 'g', 'h|i');
insert into XW_八一灵动数 values (2, '凶', '两仪之数', 'b', 'c', 'd', 'e', 'f', 'g', 'h|i');
insert into XW_EName values (1, 'A', '', 'Anna', '4', 2, '安娜', '', '希伯来语', '优雅');
insert into XW_Poet values (1, '李白', '2', 1);
insert into XW_全唐诗 values (1, '静夜思', '李白', '床前明月光，疑是地上霜。', 'cqmyg', 12);
insert into XW_全唐诗 values (2, '月下独酌', '李白', '花间一壶酒，独酌无相亲。', 'hjyhj', 12);
insert into XW_育儿百科 values (1, 'p1', '备孕百科', '标题一', '<p>内容</p>');
insert into XW_算命风水 values (1, 'f1', '起名知识', '标题二', '<p>内容</p>');
insert into XW_百家姓 values (1, '李', '源流', '各地', '李白');
insert into XW_百家姓 values (2, '欧阳', '源流', '各地', '欧阳修');
