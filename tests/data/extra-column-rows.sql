insert into XW_CNWord values (1, 49870, '李', '李', '李', 7, 7, 'li', 'lǐ', 'l', 'i', '木', '木', 'sbf', '', '');
insert into XW_百家姓 values (1, 0, '李', '源流', '各地', '李白');
