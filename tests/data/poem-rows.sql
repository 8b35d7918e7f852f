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
