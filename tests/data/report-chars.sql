-- Characters and surnames for the report tests, every column filled.
insert into XW_CNWord values (1, 0, '李', '李', '李', 7, 7, 'li', 'lǐ', 'l', 'i', '木', '木', 'sbf', '李子树。<BR>姓。', '落叶乔木，果实叫李子。');
insert into XW_CNWord values (2, 0, '明', '明', '明', 8, 8, 'ming', 'míng', 'm', 'ing', '日', '火', 'jeg', '亮，光明。', '明亮，清楚。<BR>公开，不隐蔽。');
insert into XW_CNWord values (3, 0, '华', '华', '華', 6, 14, 'hua', 'huá', 'h', 'ua', '十', '水', 'wxf', '美丽有光彩的。', '繁盛，精华。');
insert into XW_CNWord values (4, 0, '欧', '欧', '歐', 8, 15, 'ou', 'ōu', '', 'ou', '欠', '土', 'aqqw', '姓。', '欧洲的简称。');
insert into XW_CNWord values (5, 0, '阳', '阳', '陽', 6, 17, 'yang', 'yáng', 'y', 'ang', '阝', '土', 'bjg', '太阳。', '明亮，温暖。');
insert into XW_CNWord values (6, 0, '于', '于', '於', 3, 8, 'yu', 'yú', 'y', 'u', '二', '土', 'gfk', '介词。', '姓。');
insert into XW_CNWord values (7, 0, '空', '空', '空', 8, 8, 'kong', 'kōng', 'k', 'ong', '穴', '', 'pwa', '不包含什么。', '');
insert into XW_CNWord values (8, 0, '零', '零', '零', 0, 13, 'ling', 'líng', 'l', 'ing', '雨', '木', 'fwyc', '零数。', '');
insert into XW_CNWord values (9, 0, '龘', '龘', '龘', 48, 48, 'da', 'dá', 'd', 'a', '龍', '火', 'ddx', '龙腾飞的样子。', '');
insert into XW_CNWord values (10, 0, '麟', '麟', '麟', 19, 23, 'lin', 'lín', 'l', 'in', '鹿', '木', 'ynjg', '麒麟。', '');
insert into XW_CNWord values (11, 0, '丁', '丁', '丁', 2, 2, 'ding', 'dīng', 'd', 'ing', '一', '火', 'sgh', '天干第四位。', '');
insert into XW_CNWord values (12, 0, '平', '平', '平', 5, 5, 'ping', 'píng', 'p', 'ing', '干', '水', 'guhk', '不倾斜。', '');
insert into XW_CNWord values (13, 0, '安', '安', '安', 6, 6, 'an', 'ān', '', 'an', '宀', '土', 'pvf', '平静，稳定。', '');
insert into XW_CNWord values (14, 0, '子', '子', '子', 3, 3, 'zi', 'zǐ', 'z', 'i', '子', '水', 'bbb', '儿女。', '');
insert into XW_CNWord values (15, 0, '曜', '曜', '曜', 18, 18, 'yao', 'yào', 'y', 'ao', '日', '火', 'jnwy', '日光。', '');
insert into XW_CNWord values (16, 0, '涵', '涵', '涵', 11, 12, 'han', 'hán', 'h', 'an', '氵', '水', 'ibbh', '包容，包含。', '');
insert into XW_百家姓 values (1, '李', '出自嬴姓。<BR>以官为氏。', '今河南、陕西。', '李白、李清照。');
insert into XW_百家姓 values (2, '欧阳', '出自姒姓。', '今江西、湖南。', '欧阳修。');
