-- The kind of a tax invoice and the business place that files it, as items
-- of the slip lines that carry an invoice, and slips of the kinds the two
-- items make possible: tax-free invoices bought and issued (kinds 1 and 5)
-- on the expense or revenue line itself, card purchases and sales (22, 66),
-- a sale to a private person (7), and invoices of the youth hostel and
-- 은빛마루, in the last quarters of 2025 and 2026.
SET LOCAL tv.engine = 'on';

INSERT INTO va030ms (mg_code, mg_name, mg_type, p_mg_code, bal_yn, con_code, u_ip, u_emp_no) VALUES
  ('111', '계산서구분', '2', NULL, 'N',
'SELECT DETAIL, DETAIL_NAME
  FROM ZX010MS
 WHERE HEAD = ''V0017''
   AND DETAIL <> '' ''
   AND DETAIL LIKE :bill_type
 ORDER BY DETAIL', '127.0.0.1', '1001'),
  ('112', '사업장', '2', NULL, 'N',
'SELECT COMPANY, PLACE_NAME
  FROM VE030MS
 WHERE COMPANY LIKE :company
 ORDER BY PLACE_ORD', '127.0.0.1', '1001');

-- VAT lines may name both; the tax-free lines carry their invoice on the
-- expense or revenue account (the expense accounts' positions are full, so
-- their place follows the department).
INSERT INTO va040ms (acct_code, mg_code, lineup_no, d_must, c_must, use_yn, bal_no, u_ip, u_emp_no)
SELECT a.acct_code, r.mg_code, r.lineup_no, 'N', 'N', 'Y', 0, '127.0.0.1', '1001'
  FROM (VALUES
    ('1111220', '111', 5), ('1111220', '112', 6),
    ('2110530', '111', 5), ('2110530', '112', 6),
    ('7130510', '110', 3), ('7130510', '124', 4), ('7130510', '111', 5),
    ('7530410', '110', 3), ('7530410', '124', 4), ('7530410', '111', 5),
    ('5140110', '110', 3), ('5140110', '124', 4), ('5140110', '111', 5), ('5140110', '112', 7),
    ('9110310', '154', 2), ('9110310', '110', 3), ('9110310', '124', 4), ('9110310', '111', 5),
    ('9110310', '112', 6)) AS r(acct_code, mg_code, lineup_no)
  JOIN va020ms a ON a.acct_code = r.acct_code;

-- a private customer, known by a resident number the invoice carries masked
INSERT INTO va050ms (c_code, c_kind, c_name, c_num, boss_name, zip, addr1, addr2, rep_phone, national_init,
                     local_init, deal_type, use_yn, u_ip, u_emp_no)
VALUES ('0200000036', '02', '김민준', NULL, '김민준', '245801', '강원 탈바네군 탈바네읍 중앙로 12', NULL,
        '010-4123-5678', 'KR', '32', '2', 'Y', '127.0.0.1', '1001');

-- the closed term, months and days are opened for the while and closed again
-- at the end, as they were
CREATE TEMP TABLE demo_closed_months ON COMMIT DROP AS SELECT session_id, y_month FROM vi011ms WHERE close_yn = 'Y';
CREATE TEMP TABLE demo_closed_days ON COMMIT DROP AS
  SELECT session_id, y_month, day FROM vi011dt WHERE close_yn = 'Y';
CREATE TEMP TABLE demo_closed_terms ON COMMIT DROP AS SELECT session_id FROM vi010ms WHERE close_yn = 'Y';
UPDATE vi010ms SET close_yn = 'N' WHERE close_yn = 'Y';
UPDATE vi011ms SET close_yn = 'N' WHERE close_yn = 'Y';
UPDATE vi011dt SET close_yn = 'N' WHERE close_yn = 'Y';

-- slip, day, confirmation day, writing department, remark
CREATE TEMP TABLE demo_kind_slip (k TEXT, slip_date DATE, conf_date DATE, dept_code TEXT, remark TEXT,
                                  slip_no VARCHAR(8)) ON COMMIT DROP;
INSERT INTO demo_kind_slip VALUES
  ('S1',  DATE '2025-10-14', DATE '2025-10-15', '2121', '10월 산지 식자재 구입 (계산서)', NULL),
  ('S2',  DATE '2025-11-18', DATE '2025-11-19', '2112', '객실 소모품 구입 (법인카드)', NULL),
  ('S3',  DATE '2025-12-05', DATE '2025-12-08', '1121', '은빛마루 12월 임대료 입금', NULL),
  ('S4',  DATE '2026-10-15', DATE '2026-10-16', '2122', '부산마이스 연회 카드결제', NULL),
  ('S5',  DATE '2026-11-12', DATE '2026-11-13', '2121', '유스호스텔 주방 소모품 (법인카드)', NULL),
  ('S6',  DATE '2026-11-20', DATE '2026-11-23', '2121', '유스호스텔 매점 특산물 단체 판매', NULL),
  ('S7',  DATE '2026-12-03', DATE '2026-12-04', '2121', '12월 감귤 등 산지 식자재 구입', NULL),
  ('S8',  DATE '2026-12-04', DATE '2026-12-07', '2121', '특산물 선물세트 단체 판매', NULL),
  ('S9',  DATE '2026-12-07', DATE '2026-12-08', '2121', '개인 고객 연회 식사 (현금영수)', NULL),
  ('S10', DATE '2026-12-08', DATE '2026-12-09', '1121', '은빛마루 12월 임대료 입금', NULL),
  ('S11', DATE '2026-12-09', DATE '2026-12-10', '1122', '업무용 도서 구입', NULL);

-- line, account, debit, credit, and what its items name: customer, invoice
-- kind, business place, supply amount, department, card company
CREATE TEMP TABLE demo_kind_line (k TEXT, seq INTEGER, acct TEXT, d NUMERIC, c NUMERIC, cust TEXT, kind TEXT,
                                  place TEXT, supply NUMERIC, dept TEXT, card TEXT) ON COMMIT DROP;
INSERT INTO demo_kind_line VALUES
  ('S1',  0, '7130510', 2860000, 0, '0100000009', '1', NULL, 2860000, '2121', NULL),
  ('S1',  1, '1110120', 0, 2860000, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S2',  0, '7130210', 600000, 0, NULL, NULL, NULL, NULL, '2112', NULL),
  ('S2',  1, '1111220', 60000, 0, '0100000014', '22', NULL, 600000, NULL, NULL),
  ('S2',  2, '2110330', 0, 660000, NULL, NULL, NULL, NULL, NULL, '0400000031'),
  ('S3',  0, '1110120', 2500000, 0, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S3',  1, '9110310', 0, 2500000, '0100000024', '5', '3', 2500000, '1121', NULL),
  ('S4',  0, '1110420', 1650000, 0, NULL, NULL, NULL, NULL, NULL, '0400000032'),
  ('S4',  1, '5120120', 0, 1500000, '0100000028', NULL, NULL, NULL, '2122', NULL),
  ('S4',  2, '2110530', 0, 150000, '0100000028', '66', NULL, 1500000, NULL, NULL),
  ('S5',  0, '7130220', 400000, 0, NULL, NULL, NULL, NULL, '2121', NULL),
  ('S5',  1, '1111220', 40000, 0, '0100000030', '22', '4', 400000, NULL, NULL),
  ('S5',  2, '2110330', 0, 440000, NULL, NULL, NULL, NULL, NULL, '0400000033'),
  ('S6',  0, '1110120', 880000, 0, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S6',  1, '5140110', 0, 880000, '0100000027', '5', '4', 880000, '2121', NULL),
  ('S7',  0, '7130510', 3520000, 0, '0100000023', '1', NULL, 3520000, '2121', NULL),
  ('S7',  1, '1110120', 0, 3520000, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S8',  0, '1110120', 1210000, 0, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S8',  1, '5140110', 0, 1210000, '0100000016', '5', NULL, 1210000, '2121', NULL),
  ('S9',  0, '1110120', 330000, 0, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S9',  1, '5120110', 0, 300000, NULL, NULL, NULL, NULL, '2121', NULL),
  ('S9',  2, '2110530', 0, 30000, '0200000036', '7', NULL, 300000, NULL, NULL),
  ('S10', 0, '1110120', 2500000, 0, NULL, NULL, NULL, NULL, NULL, NULL),
  ('S10', 1, '9110310', 0, 2500000, '0100000024', '5', '3', 2500000, '1121', NULL),
  ('S11', 0, '7530410', 180000, 0, '0100000014', '1', NULL, 180000, '1122', NULL),
  ('S11', 1, '1110120', 0, 180000, NULL, NULL, NULL, NULL, NULL, NULL);

UPDATE demo_kind_slip s
   SET slip_no = 'K' || to_char(s.slip_date, 'YY') || lpad((x.last_no + x.n)::TEXT, 5, '0')
  FROM (SELECT d.k,
               row_number() OVER (PARTITION BY extract(YEAR FROM d.slip_date) ORDER BY d.slip_date, d.k) AS n,
               (SELECT coalesce(max(substr(h.slip_no, 4)::INTEGER), 0) FROM vb010ms h
                 WHERE h.slip_no LIKE 'K' || to_char(d.slip_date, 'YY') || '%') AS last_no
          FROM demo_kind_slip d) x
 WHERE s.k = x.k;

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, slip_del_yn, conf_date, conf_emp_no,
                     total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, slip_type, sys_id,
                     u_date, u_ip, u_emp_no)
SELECT s.slip_no, s.dept_code, s.slip_date, s.slip_date, 'Y', 'N', s.conf_date, '2003',
       (SELECT sum(l.d) FROM demo_kind_line l WHERE l.k = s.k), (SELECT sum(l.c) FROM demo_kind_line l WHERE l.k = s.k),
       '3001', CASE WHEN s.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END, 'K', '1', 'V',
       s.slip_date + TIME '16:40', '10.10.2.31', '3001'
  FROM demo_kind_slip s;

INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
SELECT s.slip_no, l.seq, l.acct, s.remark, l.d, l.c, s.conf_date,
       CASE WHEN s.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END
  FROM demo_kind_line l JOIN demo_kind_slip s ON s.k = l.k;

-- Each line's items are the ones its account's rules ask for, filled from
-- what the line names; an item the line has nothing for is left out.
INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, conf_date, session_id)
SELECT s.slip_no, l.seq, r.lineup_no, r.mg_code, v.detail, v.name, l.acct, l.d, l.c, s.conf_date,
       CASE WHEN s.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END
  FROM demo_kind_line l
  JOIN demo_kind_slip s ON s.k = l.k
  JOIN va040ms r ON r.acct_code = l.acct AND r.use_yn = 'Y'
  LEFT JOIN va050ms c ON c.c_code = l.cust
  CROSS JOIN LATERAL (
    SELECT CASE r.mg_code
             WHEN '101' THEN l.cust WHEN '154' THEN l.cust WHEN '155' THEN c.c_name WHEN '102' THEN c.c_num
             WHEN '110' THEN to_char(l.supply, 'FM999,999,999,990') WHEN '124' THEN to_char(s.slip_date, 'YYYY-MM-DD')
             WHEN '111' THEN l.kind WHEN '112' THEN l.place
             WHEN '118' THEN l.dept WHEN '141' THEN l.dept
             WHEN '501' THEN CASE WHEN l.acct LIKE '71%' THEN '02' ELSE '01' END
             WHEN '103' THEN '0300000005' WHEN '104' THEN '351-0987-6543-21' WHEN '105' THEN l.card
           END AS detail,
           CASE r.mg_code
             WHEN '101' THEN c.c_name
             -- a private person's invoice carries the resident number masked
             WHEN '154' THEN coalesce(c.c_num, '850315-1******')
             WHEN '111' THEN (SELECT z.detail_name FROM zx010ms z WHERE z.head = 'V0017' AND z.detail = l.kind)
             WHEN '112' THEN (SELECT p.place_name FROM ve030ms p WHERE p.company = l.place)
             WHEN '118' THEN (SELECT d.aff_dept_name FROM va160ms d WHERE d.aff_dept_code = l.dept)
             WHEN '141' THEN (SELECT d.aff_dept_name FROM va160ms d WHERE d.aff_dept_code = l.dept)
             WHEN '501' THEN CASE WHEN l.acct LIKE '71%' THEN '원가' ELSE '판관비' END
             WHEN '103' THEN (SELECT b.c_name FROM va050ms b WHERE b.c_code = '0300000005')
             WHEN '104' THEN (SELECT a.d_name FROM va051ms a
                               WHERE a.c_code = '0300000005' AND a.d_account = '351-0987-6543-21')
             WHEN '105' THEN (SELECT k.c_name FROM va050ms k WHERE k.c_code = l.card)
           END AS name) v
 WHERE v.detail IS NOT NULL;

-- 2025's slips are past data as well.
INSERT INTO bkuser.vb010ms SELECT h.* FROM vb010ms h JOIN demo_kind_slip s ON s.slip_no = h.slip_no
 WHERE s.slip_date < DATE '2026-01-01';
INSERT INTO bkuser.vb011ms SELECT l.* FROM vb011ms l JOIN demo_kind_slip s ON s.slip_no = l.slip_no
 WHERE s.slip_date < DATE '2026-01-01';
INSERT INTO bkuser.vb011dt SELECT i.* FROM vb011dt i JOIN demo_kind_slip s ON s.slip_no = i.slip_no
 WHERE s.slip_date < DATE '2026-01-01';
DELETE FROM bkuser.vb071ms WHERE sum_month BETWEEN '202501' AND '202512';
INSERT INTO bkuser.vb071ms (sum_month, acct_code, d_amount, c_amount, bal_amount, bd_amount, bc_amount,
                            u_date, u_emp_no)
SELECT ym, acct_code, d, c,
       sum(d - c) OVER w, sum(d) OVER w, sum(c) OVER w,
       TIMESTAMP '2026-01-05 18:00:00', '2003'
  FROM (SELECT to_char(m, 'YYYYMM') AS ym, a.acct_code,
               coalesce(sum(l.d_amount), 0) AS d, coalesce(sum(l.c_amount), 0) AS c
          FROM generate_series(DATE '2025-01-01', DATE '2025-12-01', INTERVAL '1 month') m
          CROSS JOIN (SELECT DISTINCT acct_code FROM bkuser.vb011ms WHERE conf_date IS NOT NULL) a
          LEFT JOIN bkuser.vb011ms l
            ON l.acct_code = a.acct_code AND l.conf_date IS NOT NULL
           AND to_char(l.conf_date, 'YYYYMM') = to_char(m, 'YYYYMM')
         GROUP BY 1, 2) x
WINDOW w AS (PARTITION BY acct_code ORDER BY ym);

-- The books from the lines again, with the closing's own sums of the closed
-- months and the operating income/expense rows of the new slips.
SELECT pk_v_post.rebuild_books();
SELECT pr_vzi100_02(s.slip_no, '1', to_char(s.conf_date, 'YYYYMM'), NULL, '0', 'N', '2003')
  FROM demo_kind_slip s ORDER BY s.slip_no;

UPDATE vi010ms t SET close_yn = 'Y' FROM demo_closed_terms c WHERE c.session_id = t.session_id;
UPDATE vi011ms m SET close_yn = 'Y' FROM demo_closed_months c
 WHERE c.session_id = m.session_id AND c.y_month = m.y_month;
UPDATE vi011dt d SET close_yn = 'Y' FROM demo_closed_days c
 WHERE c.session_id = d.session_id AND c.y_month = d.y_month AND c.day = d.day;

SELECT pr_v_ewol_division(y_month, '2003'), pr_vb061ms_division(y_month, '2003')
  FROM vi011ms WHERE close_yn = 'Y' ORDER BY y_month;

SELECT setval('pk_v_slip_01.slip_no_2025',
              (SELECT coalesce(max(substr(slip_no, 4)::INTEGER), 0) + 1 FROM vb010ms WHERE slip_no LIKE 'K25%'), false);
SELECT setval('pk_v_slip_01.slip_no_2026',
              (SELECT coalesce(max(substr(slip_no, 4)::INTEGER), 0) + 1 FROM vb010ms WHERE slip_no LIKE 'K26%'), false);
