-- The books of the demo company: the opening balances it brought into its
-- first term kept here (a confirmed opening slip on 2025-01-01), the closing
-- calendar of the three terms, every derived table rebuilt from the confirmed
-- slips, the closing of term 26 (2025) and of 2026 up to October with the
-- first twenty days of November, the carry-forward of term 26 into 27, and
-- the operating income/expense rows of the confirmed slips.
SET LOCAL tv.engine = 'on';

-- The account that receives a closing term's net income.
INSERT INTO zx010ms (head, detail, detail_name, u_ip, u_emp_no)
VALUES ('V9998', '03', '3790100', '127.0.0.1', '1001')
ON CONFLICT (head, detail) DO NOTHING;

-- Opening balances, 2025-01-01.
CREATE TEMP TABLE demo_opening (seq INTEGER, acct_code TEXT, d NUMERIC, c NUMERIC, remark TEXT) ON COMMIT DROP;
INSERT INTO demo_opening VALUES
  (0, '1110110',    50000000,           0, '기초잔액 이월 - 현금'),
  (1, '1110120', 15000000000,           0, '기초잔액 이월 - 운영자금 보통예금'),
  (2, '1330600',   300000000,           0, '기초잔액 이월 - 업무용 차량'),
  (3, '1330100',  8000000000,           0, '기초잔액 이월 - 리조트 부지'),
  (4, '1330400', 20000000000,           0, '기초잔액 이월 - 콘도 및 호텔 건물'),
  (5, '1330495',           0,  4000000000, '기초잔액 이월 - 건물 감가상각누계액'),
  (6, '1330700',  1200000000,           0, '기초잔액 이월 - 집기비품'),
  (7, '1330795',           0,   500000000, '기초잔액 이월 - 집기비품 감가상각누계액'),
  (8, '2210110',           0, 10000000000, '기초잔액 이월 - 시설자금 장기차입금'),
  (9, '3110100',           0, 20000000000, '기초잔액 이월 - 보통주자본금'),
  (10, '3790100',          0,  10050000000, '기초잔액 이월 - 전기이월미처분이익잉여금');

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, slip_del_yn, conf_date, conf_emp_no,
                     total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, slip_type, sys_id,
                     u_date, u_ip, u_emp_no)
SELECT 'K2500000', '1111', DATE '2025-01-01', DATE '2025-01-01', 'Y', 'N', DATE '2025-01-01', '2003',
       sum(d), sum(c), '2003', 26, 'K', '1', 'V', TIMESTAMP '2025-01-02 10:00:00', '10.10.1.21', '2003'
  FROM demo_opening;
INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
SELECT 'K2500000', seq, acct_code, remark, d, c, DATE '2025-01-01', 26 FROM demo_opening;
INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, conf_date, session_id)
SELECT 'K2500000', o.seq, v.lineup_no, v.mg_code, v.detail, v.name, o.acct_code, o.d, o.c, DATE '2025-01-01', 26
  FROM demo_opening o
  JOIN (VALUES ('1110120', 1, '103', '0300000001', '국민은행'),
               ('1110120', 2, '104', '054-21-0456-789', '운영자금 보통예금'),
               ('2210110', 1, '103', '0300000001', '국민은행'),
               ('2210110', 2, '156', 'KB-2019-0007', NULL)) v(acct_code, lineup_no, mg_code, detail, name)
    ON v.acct_code = o.acct_code;
INSERT INTO bkuser.vb010ms SELECT * FROM vb010ms WHERE slip_no = 'K2500000';
INSERT INTO bkuser.vb011ms SELECT * FROM vb011ms WHERE slip_no = 'K2500000';
INSERT INTO bkuser.vb011dt SELECT * FROM vb011dt WHERE slip_no = 'K2500000';

-- The closing calendar of every term.
INSERT INTO vi011ms (session_id, y_month, close_yn, u_date, u_ip, u_emp_no)
SELECT t.session_id, to_char(m, 'YYYYMM'), 'N', t.u_date, t.u_ip, t.u_emp_no
  FROM vi010ms t, generate_series(t.st_date, t.ed_date, INTERVAL '1 month') m;
INSERT INTO vi011dt (session_id, y_month, day, close_yn, u_date, u_ip, u_emp_no)
SELECT t.session_id, to_char(d, 'YYYYMM'), to_char(d, 'DD'), 'N', t.u_date, t.u_ip, t.u_emp_no
  FROM vi010ms t, generate_series(t.st_date, t.ed_date, INTERVAL '1 day') d;

SELECT pk_v_post.rebuild_books();

-- Operating income/expense rows of the confirmed slips, classified by the
-- operating code their lines carry.
SELECT pr_vzi100_02(slip_no, '1', to_char(conf_date, 'YYYYMM'), NULL, '0', 'N', '2003')
  FROM vb010ms WHERE conf_date IS NOT NULL ORDER BY slip_no;

-- Closing: every month of 2025, January to October 2026 and the first
-- twenty days of November 2026; then term 26 itself, carried into 27.
SELECT pk_v_close.set_month(session_id::TEXT, y_month, 'Y', '10.10.1.21', '2003')
  FROM vi011ms WHERE y_month BETWEEN '202501' AND '202610' ORDER BY y_month;
SELECT pk_v_close.set_day('27', '202611', day, 'Y', '10.10.1.21', '2003')
  FROM vi011dt WHERE session_id = 27 AND y_month = '202611' AND day <= '20' ORDER BY day;
SELECT pk_v_close.carry_forward('26', '2003');
UPDATE vi010ms SET close_yn = 'Y' WHERE session_id = 26;
-- closing dates as the accountant did them: after each month's end
UPDATE vi011ms SET u_date = (to_date(y_month || '01', 'YYYYMMDD') + INTERVAL '1 month 4 days 17 hours')
 WHERE close_yn = 'Y';
UPDATE vi011dt SET u_date = (to_date(y_month || day, 'YYYYMMDD') + INTERVAL '1 day 18 hours')
 WHERE close_yn = 'Y';
UPDATE vi012ms SET run_date = TIMESTAMP '2026-01-06 18:20:00' WHERE session_id = 26;
