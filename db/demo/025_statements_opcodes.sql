-- Operating income/expense classifications and codes, statement item codes
-- and statement layouts.

-- Classification tree: level 1 is the expense kind; '01' and '02' are also
-- the values of management item 501 that slip entry pre-fills for selling
-- and administrative (75...) and cost (71...) accounts.
INSERT INTO vx011ms (gubun_code, gubun_name, code_length, u_ip, u_emp_no)
SELECT c, n, length(c)::TEXT, '127.0.0.1', '1001'
  FROM (VALUES
  ('01', '판관비'),
  ('0101', '인건비'),
  ('010101', '급여성경비'),
  ('01010101', '급여'),
  ('0101010101', '본사'),
  ('010101010101', '직원급여'),
  ('010101010102', '임원급여'),
  ('0102', '운영경비'),
  ('010201', '관리비'),
  ('01020101', '수도광열비'),
  ('0102010101', '본사'),
  ('010201010101', '전기료'),
  ('010201010102', '수도료'),
  ('010202', '영업비'),
  ('01020201', '광고선전비'),
  ('0102020101', '온라인'),
  ('010202010101', '포털광고'),
  ('010202010102', '예약사이트수수료'),
  ('02', '원가'),
  ('0201', '객실원가'),
  ('020101', '객실운영비'),
  ('02010101', '소모품'),
  ('0201010101', '설악'),
  ('020101010101', '객실어메니티'),
  ('020101010102', '린넨세탁'),
  ('0201010102', '제주'),
  ('020101010201', '객실어메니티'),
  ('0202', '식음원가'),
  ('020201', '식재료'),
  ('02020101', '식자재'),
  ('0202010101', '설악'),
  ('020201010101', '식자재(설악)'),
  ('0202010102', '제주'),
  ('020201010201', '식자재(제주)'),
  ('03', '영업외'),
  ('0301', '금융비용'),
  ('030101', '이자'),
  ('03010101', '차입금이자'),
  ('0301010101', '은행'),
  ('030101010101', '장기차입금이자')
  ) AS v(c, n);

-- One operating code per complete classification path, numbered from 100001
-- (codes sort after '1' so that the code screen lists them).  The name joins
-- the level names 1, 3, 4, 5 and 6; the short name is the level-6 name.
INSERT INTO vx010ms (bu_acct_code, bu_acct_name, bu_acct_sname, gubun_code1, gubun_code2, gubun_code3,
                     gubun_code4, gubun_code5, gubun_code6, menu_code, p_by_code, n_by_code, use_yn,
                     u_ip, u_emp_no)
SELECT (100000 + row_number() OVER (ORDER BY l6.gubun_code))::TEXT,
       concat_ws(',', l1.gubun_name, l3.gubun_name, l4.gubun_name, l5.gubun_name, l6.gubun_name),
       l6.gubun_name,
       substr(l6.gubun_code, 1, 2), substr(l6.gubun_code, 3, 2), substr(l6.gubun_code, 5, 2),
       substr(l6.gubun_code, 7, 2), substr(l6.gubun_code, 9, 2), substr(l6.gubun_code, 11, 2),
       l6.gubun_code,
       CASE substr(l6.gubun_code, 1, 2) WHEN '01' THEN '75' ELSE NULL END,
       CASE substr(l6.gubun_code, 1, 2) WHEN '02' THEN '71' ELSE NULL END,
       CASE WHEN l6.gubun_code = '020101010201' THEN 'N' ELSE 'Y' END,
       '127.0.0.1', '1001'
  FROM vx011ms l6
  JOIN vx011ms l1 ON l1.gubun_code = substr(l6.gubun_code, 1, 2)
  JOIN vx011ms l3 ON l3.gubun_code = substr(l6.gubun_code, 1, 6)
  JOIN vx011ms l4 ON l4.gubun_code = substr(l6.gubun_code, 1, 8)
  JOIN vx011ms l5 ON l5.gubun_code = substr(l6.gubun_code, 1, 10)
 WHERE l6.code_length = '12';

-- Statement item codes and the accounts assigned to them.
INSERT INTO va024ms (budg_acct, budg_name, budg_upcd, user_yn, zip_yn, line_gubun, budg_yn, u_ip, u_emp_no) VALUES
  ('1000', '자산',             NULL,   'Y', 'Y', '2', 'N', '127.0.0.1', '1001'),
  ('1100', '유동자산',         '1000', 'Y', 'Y', '1', 'N', '127.0.0.1', '1001'),
  ('1110', '현금및현금성자산', '1100', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('1120', '단기금융상품',     '1100', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('1130', '매출채권',         '1100', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('1200', '비유동자산',       '1000', 'Y', 'Y', '1', 'N', '127.0.0.1', '1001'),
  ('1210', '유형자산',         '1200', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('2000', '부채',             NULL,   'Y', 'Y', '2', 'N', '127.0.0.1', '1001'),
  ('2110', '매입채무',         '2000', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('2120', '차입금',           '2000', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('3000', '자본',             NULL,   'Y', 'Y', '2', 'N', '127.0.0.1', '1001'),
  ('5000', '매출액',           NULL,   'Y', 'Y', '1', 'N', '127.0.0.1', '1001'),
  ('5100', '객실매출',         '5000', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('5200', '식음매출',         '5000', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('5300', '레저매출',         '5000', 'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('7100', '운영원가',         NULL,   'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('7500', '판매비와관리비',   NULL,   'Y', 'N', '0', 'N', '127.0.0.1', '1001'),
  ('9900', '예산조정(입력)',   NULL,   'N', 'N', '0', 'Y', '127.0.0.1', '1001');

INSERT INTO va025ms (budg_acct, acct_code, u_ip, u_emp_no)
SELECT b, a.acct_code, '127.0.0.1', '1001'
  FROM (VALUES ('1110', '^11101'), ('1120', '^11102'), ('1130', '^11104'),
               ('1210', '^1330'), ('2110', '^21101'), ('2120', '^2110[67]|^22101'),
               ('5100', '^511'), ('5200', '^512'), ('5300', '^513'),
               ('7100', '^71'), ('7500', '^75')) AS m(b, p)
  JOIN va020ms a ON a.acct_code ~ m.p
 WHERE a.slip_yn = 'Y';

-- Statement layouts of fiscal period 31: the balance sheet ('1') and the
-- income statement ('2').
INSERT INTO va060ms (session_id, form_code, seq_no, order_no, order_code, disp_name, disp_type, u_ip, u_emp_no) VALUES
  (31, '1',  1,  10, '1000000', '자            산',   '4', '127.0.0.1', '1001'),
  (31, '1',  2,  20, '1110100', '현금및현금성자산',   '1', '127.0.0.1', '1001'),
  (31, '1',  3,  30, '1110200', '단기금융상품',       '1', '127.0.0.1', '1001'),
  (31, '1',  4,  40, '1110400', '매출채권',           '1', '127.0.0.1', '1001'),
  (31, '1',  5,  50, '1330000', '유형자산',           '1', '127.0.0.1', '1001'),
  (31, '1',  9,  90, '1000000', '자  산  총  계',     '3', '127.0.0.1', '1001'),
  (31, '2',  1,  10, '5000000', '매    출    액',     '1', '127.0.0.1', '1001'),
  (31, '2',  2,  20, '6000000', '매  출  원  가',     '1', '127.0.0.1', '1001'),
  (31, '2',  3,  30, '5000001', '매 출 총 이 익',     '2', '127.0.0.1', '1001'),
  (31, '2',  4,  40, '7500000', '판매비와관리비',     '1', '127.0.0.1', '1001'),
  (31, '2',  5,  50, '7000001', '영  업  이  익',     '2', '127.0.0.1', '1001');

INSERT INTO va060dt (session_id, form_code, seq_no, acct_code, calc_formula, u_ip, u_emp_no)
SELECT 31, f, s, a.acct_code,
       CASE WHEN a.acct_code ~ '9[56]$' OR a.acct_code = '1330450' OR a.acct_code LIKE '515%' THEN '-' ELSE '+' END,
       '127.0.0.1', '1001'
  FROM (VALUES ('1', 2, '^11101'), ('1', 3, '^11102'), ('1', 4, '^11104'), ('1', 5, '^1330'),
               ('2', 1, '^5[0-9]'), ('2', 2, '^6[0-9]|^71'), ('2', 4, '^75')) AS m(f, s, p)
  JOIN va020ms a ON a.acct_code ~ m.p
 WHERE a.slip_yn = 'Y' AND a.use_yn = 'Y';
