-- The daily books of the demo: a busy cash day on 2026-12-10 (the restaurant
-- and the shop hand in their takings, petty cash is paid out, cash goes to
-- the bank), the MMDA account opened that day at 중소기업은행, the receipts
-- the reservation system applied to reservation deposits, and the operating
-- income/expense rows classified as the accountant did. The slips are
-- written unconfirmed and confirmed through the engine.
SET LOCAL tv.engine = 'on';

CREATE TEMP TABLE demo_day_slip (
  n      INTEGER PRIMARY KEY,
  dept   TEXT NOT NULL,
  remark TEXT NOT NULL,
  amount NUMERIC NOT NULL,
  kind   TEXT NOT NULL,   -- SALE cash takings, COST petty cash, BANK cash to the bank, OPEN new account
  acct   TEXT,            -- the other account of the slip
  item   TEXT,            -- its department item value
  slip_no TEXT
) ON COMMIT DROP;

INSERT INTO demo_day_slip (n, dept, remark, amount, kind, acct, item) VALUES
  (1,  '2121', '레스토랑 현금매출 (조식)',      1285000, 'SALE', '5120110', '2121'),
  (2,  '2121', '레스토랑 현금매출 (중식)',       964500, 'SALE', '5120110', '2121'),
  (3,  '2122', '연회장 현금매출 (송년회)',      3420000, 'SALE', '5120110', '2122'),
  (4,  '2121', '레스토랑 현금매출 (석식)',      1732800, 'SALE', '5120110', '2121'),
  (5,  '2141', '스키 렌탈 현금매출',             842000, 'SALE', '5130110', '2141'),
  (6,  '2141', '리프트권 현금매출 (매표소)',    2215000, 'SALE', '5130110', '2141'),
  (7,  '2221', '그린피 현금매출',                 630000, 'SALE', '5130310', '2221'),
  (8,  '2122', '연회장 현금매출 (돌잔치)',      1540000, 'SALE', '5120110', '2122'),
  (9,  '2121', '라운지 바 현금매출',             418700, 'SALE', '5120110', '2121'),
  (10, '1111', '본사 소액 경비 (택배비)',          38500, 'COST', '7530510', '1111'),
  (11, '1211', '설악리조트 출장 교통비 (정프론트)', 86400, 'COST', '7520220', '1211'),
  (12, '2130', '설악리조트 공용 소모품 구입',     124300, 'COST', '7130510', '2190'),
  (13, '1111', '현금 매출금 국민은행 입금',     9000000, 'BANK', '1110120', NULL),
  (14, '1111', '중소기업은행 MMDA 개설 입금', 50000000, 'OPEN', '1110230', NULL);

UPDATE demo_day_slip
   SET slip_no = 'K26' || lpad(nextval('pk_v_slip_01.slip_no_2026')::TEXT, 5, '0');

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, slip_del_yn, total_d_amt, total_c_amt,
                     cr_emp_no, session_id, slip_kind, slip_type, sys_id, u_date, u_ip, u_emp_no)
SELECT s.slip_no, s.dept, DATE '2026-12-10', DATE '2026-12-10', 'N', 'N', s.amount, s.amount,
       '2001', 27, 'K', '1', 'V', TIMESTAMP '2026-12-10 09:00:00' + s.n * INTERVAL '23 minutes', '10.10.1.31', '2001'
  FROM demo_day_slip s;

-- line 0 the debit, line 1 the credit
INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, session_id)
SELECT s.slip_no, x.seq, x.acct, s.remark, x.d, x.c, 27
  FROM demo_day_slip s
  CROSS JOIN LATERAL (VALUES
    (0, CASE s.kind WHEN 'SALE' THEN '1110110' WHEN 'COST' THEN s.acct WHEN 'BANK' THEN '1110120' ELSE '1110230' END,
     s.amount, 0::NUMERIC),
    (1, CASE s.kind WHEN 'SALE' THEN s.acct WHEN 'COST' THEN '1110110' WHEN 'BANK' THEN '1110110' ELSE '1110120' END,
     0::NUMERIC, s.amount)) x(seq, acct, d, c);

INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, session_id)
SELECT l.slip_no, l.slip_seq_no, v.lineup_no, v.mg_code, v.detail, v.name, l.acct_code, l.d_amount, l.c_amount, 27
  FROM vb011ms l
  JOIN demo_day_slip s ON s.slip_no = l.slip_no
  CROSS JOIN LATERAL (
    -- revenue and expense lines: their department; expenses their kind
    SELECT 1 AS lineup_no,
           CASE WHEN l.acct_code LIKE '75%' THEN '141' ELSE '118' END AS mg_code,
           s.item AS detail, (SELECT aff_dept_name FROM va160ms WHERE aff_dept_code = s.item) AS name
     WHERE l.acct_code ~ '^[579]' AND s.item IS NOT NULL
    UNION ALL
    SELECT 7, '501', CASE WHEN l.acct_code LIKE '75%' THEN '01' ELSE '02' END,
           CASE WHEN l.acct_code LIKE '75%' THEN '판관비' ELSE '원가' END
     WHERE l.acct_code ~ '^7'
    -- deposit lines: bank and account number
    UNION ALL
    SELECT 1, '103', CASE l.acct_code WHEN '1110120' THEN '0300000001' ELSE '0300000006' END,
           CASE l.acct_code WHEN '1110120' THEN '국민은행' ELSE '중소기업은행' END
     WHERE l.acct_code IN ('1110120', '1110230')
    UNION ALL
    SELECT 2, '104', CASE l.acct_code WHEN '1110120' THEN '054-21-0456-789' ELSE '010-123456-01-011' END,
           CASE l.acct_code WHEN '1110120' THEN '운영자금 보통예금' ELSE 'MMDA' END
     WHERE l.acct_code IN ('1110120', '1110230')) v;

SELECT pk_v_post.leave_engine();

-- Confirmed the same day by the finance user, each with its operating
-- income/expense rows.
DO $$
DECLARE
  s RECORD;
  v_answer TEXT;
BEGIN
  FOR s IN SELECT slip_no FROM demo_day_slip ORDER BY n LOOP
    v_answer := pk_v_journalize.def_confdate('1', s.slip_no, '2026-12-10', '2003');
    IF v_answer = 'T' THEN
      v_answer := pk_v_journalize.pr_journalmain('1', s.slip_no, '2026-12-10', '2003');
    END IF;
    IF v_answer = 'T' THEN
      v_answer := pr_vzi100_02(s.slip_no, '1', '202612', NULL, '0', 'N', '2003');
    END IF;
    IF left(v_answer, 1) <> 'T' THEN
      RAISE EXCEPTION 'demo slip % not confirmed: %', s.slip_no, v_answer;
    END IF;
  END LOOP;
END
$$;

-- Receipts the reservation system applied to reservation deposits: most
-- deposits of November in full, a few in part, the latest not yet.
INSERT INTO ab010ms (receipts_no, receipts_date, receipts_amt, receipts_remark, customer_name, u_date)
SELECT 'RC' || to_char(l.conf_date, 'YYMMDD') || lpad(row_number() OVER (ORDER BY l.slip_no, l.slip_seq_no)::TEXT, 4, '0'),
       l.conf_date + 1,
       CASE WHEN row_number() OVER (ORDER BY l.slip_no) % 4 = 0 THEN round(l.c_amount * 0.5, -3) ELSE l.c_amount END,
       l.slip_no || lpad(l.slip_seq_no::TEXT, 2, '0'),
       (SELECT i.mg_detail FROM vb011dt i WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no
           AND i.mg_code = '140'),
       l.conf_date + 1 + TIME '10:30'
  FROM vb011ms l
 WHERE l.acct_code = '2110470' AND l.conf_date BETWEEN DATE '2026-10-01' AND DATE '2026-11-25';

-- The accountant's classification of the operating income/expense rows:
-- the operating account of the line's account, the cost class of its
-- expense kind and the code of that class.
UPDATE vz100ms z
   SET bu_acct_code = m.bu, gubun_code = CASE WHEN z.acct_code LIKE '71%' THEN '원가' ELSE '판관비' END,
       by_code = CASE WHEN z.acct_code LIKE '71%' THEN x.n_by_code ELSE x.p_by_code END,
       except_yn = 'Y', give_yn = CASE WHEN z.slip_date < DATE '2026-12-01' THEN 'Y' ELSE 'N' END,
       u_emp_no = '2003'
  FROM (VALUES ('7510120', '100001'), ('7120410', '100003'), ('7120420', '100004'), ('7530720', '100005'),
               ('7130410', '100008'), ('7130330', '100007'), ('9210110', '100012')) m(acct, bu)
  JOIN vx010ms x ON x.bu_acct_code = m.bu
 WHERE z.acct_code = m.acct AND z.slip_date >= DATE '2026-09-01';
-- food bought for the Seorak resort, by the writing department
UPDATE vz100ms z
   SET bu_acct_code = '100010', gubun_code = '원가', by_code = (SELECT n_by_code FROM vx010ms WHERE bu_acct_code = '100010'),
       except_yn = 'Y', acct_rem = '설악 식자재', u_emp_no = '2003'
 WHERE z.acct_code = '7130510' AND z.dept_code IN ('2120', '2121', '2122') AND z.slip_date >= DATE '2026-11-01';
