-- Articles of two categories in each table, one title that holds a double quote, one content that
-- holds the title placeholder.
insert into XW_育儿百科 values (1, 'YE-1', '护理保健', '给宝宝洗澡', '<p>水温适中。</p>');
insert into XW_育儿百科 values (2, 'YE-1', '护理保健', '剪指甲"小窍门"', '<p>趁睡着时剪。</p>');
insert into XW_育儿百科 values (3, 'YE-2', '儿科疾病', '发热怎么办', '<p>{文章标题}留在正文里。</p>');
insert into XW_算命风水 values (1, 'SM-1', '起名知识', '五格是什么', '<p>天格、人格、地格、总格、外格。</p>');
