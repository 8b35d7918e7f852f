-- Characters for the numerology tests: Kangxi counts in column 6, element in column 12.
insert into XW_CNWord values (1, 0, '李', '李', '李', 7, 7, 'li', 'lǐ', 'l', 'i', '木', '木', '', '', '');
insert into XW_CNWord values (2, 0, '明', '明', '明', 8, 8, 'ming', 'míng', 'm', 'ing', '日', '火', '', '', '');
insert into XW_CNWord values (3, 0, '涵', '涵', '涵', 11, 12, 'han', 'hán', 'h', 'an', '氵', '水', '', '', '');
insert into XW_CNWord values (4, 0, '欧', '欧', '歐', 8, 15, 'ou', 'ōu', '', 'ou', '欠', '土', '', '', '');
insert into XW_CNWord values (5, 0, '阳', '阳', '陽', 6, 17, 'yang', 'yáng', 'y', 'ang', '阝', '土', '', '', '');
insert into XW_CNWord values (6, 0, '华', '华', '華', 6, 14, 'hua', 'huá', 'h', 'ua', '十', '水', '', '', '');
insert into XW_CNWord values (7, 0, '零', '零', '零', 0, 13, 'ling', 'líng', 'l', 'ing', '雨', '木', '', '', '');
insert into XW_CNWord values (8, 0, '空', '空', '空', 8, 8, 'kong', 'kōng', 'k', 'ong', '穴', '', '', '', '');
