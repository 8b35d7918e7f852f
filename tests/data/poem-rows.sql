-- Poets and poems for the poem mode: a title three poems share (two of them by one poet), a poem
-- that repeats characters, one long enough for a second row of boxes, and a poet and a title with
-- a double quote and HTML marks. 首字母 holds the characters whose boxes start ticked.
insert into XW_Poet values (1, '李白', '3', 2);
insert into XW_Poet values (2, '王维', '1', 1);
insert into XW_Poet values (3, '孟浩然', '1', 3);
insert into XW_Poet values (4, '佚"名', '1', 4);
insert into XW_全唐诗 values (1, '送人', '王维', '山中相送罢，日暮掩柴扉。', '山中相送日', 12);
insert into XW_全唐诗 values (2, '静夜思', '李白', '床前明月光，疑是地上霜。', '前明月光霜', 12);
insert into XW_全唐诗 values (3, '送人', '李白', '花间一壶酒，明月照花间。', '花间一明月照', 12);
insert into XW_全唐诗 values (4, '送人', '李白', '天子呼来不上船，自称臣是酒中仙。', '天子来上自中仙', 16);
insert into XW_全唐诗 values (5, '春晓', '孟浩然', '春眠不觉晓，处处闻啼鸟。夜来风雨声，花落知多少。', '春处闻鸟夜来风雨声花知多少', 24);
insert into XW_全唐诗 values (6, 'a"b<c>', '佚"名', '风<雨>&𠀀，晴。', '风晴', 8);
-- The classics (XW_经典): two books without poets, listed by section (诗经 风 雅, 论语 学而), and two
-- with poets; a ci of a tune with two ci, the best-known first; a 楚辞 piece full of 兮.
insert into XW_经典 values (1, '诗经', '风', '国风·周南·关雎', '', '关关雎鸠，在河之洲。窈窕淑女，君子好逑。', '关雎鸠河洲窈窕淑女君子好逑', 20);
insert into XW_经典 values (2, '诗经', '风', '国风·秦风·蒹葭', '', '蒹葭苍苍，白露为霜。所谓伊人，在水一方。', '苍白露霜伊人水方', 20);
insert into XW_经典 values (3, '诗经', '雅', '小雅·鹿鸣', '', '呦呦鹿鸣，食野之苹。我有嘉宾，鼓瑟吹笙。', '鹿鸣嘉宾瑟笙', 20);
insert into XW_经典 values (4, '楚辞', '屈原', '九歌·湘夫人', '屈原', '帝子降兮北渚，目眇眇兮愁予。袅袅兮秋风，洞庭波兮木叶下。', '帝子兮北渚秋风洞庭波木叶', 28);
insert into XW_经典 values (5, '宋词', '苏轼', '水调歌头·明月几时有', '苏轼', '明月几时有，把酒问青天。但愿人长久，千里共婵娟。', '明月时有青天人长久千里婵娟', 24);
insert into XW_经典 values (6, '宋词', '苏轼', '水调歌头·落日绣帘卷', '苏轼', '落日绣帘卷，亭下水连空。', '日帘亭水空', 12);
insert into XW_经典 values (7, '论语', '学而', '学而·第一章', '', '子曰，学而时习之，不亦说乎。', '子学习说', 14);
