-- The resort's monthly sales: the month's room, food and beverage and golf
-- sales by card and the condominium fees paid into the bank, booked as one
-- summary slip each at the month's end, and the card companies' settlement
-- of the month's card sales early in the next month, less their fee. With
-- them the demo books earn what a resort of this size earns: a modest profit
-- over payroll, utilities and services. The slips continue the numbers of
-- each year; the books are rebuilt from the lines afterwards, and what the
-- closing of the closed months and terms produced is produced again.
SET LOCAL tv.engine = 'on';
-- the closed term, months and days are opened for the while and closed again
-- at the end, as they were
CREATE TEMP TABLE demo_closed_months ON COMMIT DROP AS SELECT session_id, y_month FROM vi011ms WHERE close_yn = 'Y';
CREATE TEMP TABLE demo_closed_days ON COMMIT DROP AS
  SELECT session_id, y_month, day FROM vi011dt WHERE close_yn = 'Y';
UPDATE vi010ms SET close_yn = 'N' WHERE session_id = 26;
UPDATE vi011ms SET close_yn = 'N' WHERE close_yn = 'Y';
UPDATE vi011dt SET close_yn = 'N' WHERE close_yn = 'Y';

CREATE FUNCTION pg_temp.h(t TEXT) RETURNS INTEGER
LANGUAGE sql IMMUTABLE AS
$$ SELECT ('x' || substr(md5(t), 1, 7))::BIT(28)::INTEGER $$;

-- code, day of month, writing department, remark, amount range (in units of
-- 10,000 won), sales account, whether it is paid by card
CREATE TEMP TABLE demo_sales_kind (code TEXT, day INTEGER, dept_code TEXT, remark TEXT,
                                   amt_min INTEGER, amt_max INTEGER, acct_code TEXT, by_card BOOLEAN)
  ON COMMIT DROP;
INSERT INTO demo_sales_kind VALUES
  ('ROOMS', 28, '2110', '{m}월 객실매출 집계 (카드결제분)',      30000, 36000, '5110110', true),
  ('FNB',   28, '2121', '{m}월 식음료 매출 집계 (카드결제분)',   11000, 14000, '5120110', true),
  ('GOLF',  27, '2221', '{m}월 그린피 매출 집계 (카드결제분)',    6000,  9000, '5130310', true),
  ('CONDO', 26, '2210', '{m}월 콘도 이용료 정산 입금',           12000, 15000, '5130130', false);

-- The business day on or after a day.
CREATE FUNCTION pg_temp.workday(d DATE) RETURNS DATE
LANGUAGE sql IMMUTABLE AS
$$ SELECT d + CASE extract(ISODOW FROM d) WHEN 6 THEN 2 WHEN 7 THEN 1 ELSE 0 END $$;

CREATE TEMP TABLE demo_sales ON COMMIT DROP AS
SELECT k.code, pg_temp.workday(make_date(y, m, k.day)) AS slip_date, k.dept_code,
       replace(k.remark, '{m}', m::TEXT) AS remark, k.acct_code, k.by_card,
       (k.amt_min + pg_temp.h(k.code || y || '-' || m) % (k.amt_max - k.amt_min + 1))::NUMERIC * 10000 AS amt,
       (ARRAY['0400000031', '0400000032', '0400000033', '0400000034'])[1 + (m + y) % 4] AS card_code
  FROM demo_sales_kind k, generate_series(2025, 2026) y, generate_series(1, 12) m
 WHERE make_date(y, m, k.day) <= DATE '2026-12-10';

-- the card companies pay a month's card sales on the fifth business day
-- after the month, less their fee of 2.1%
INSERT INTO demo_sales (code, slip_date, dept_code, remark, acct_code, by_card, amt, card_code)
SELECT 'CARDSET', x.paid, '2110', extract(MONTH FROM x.m) || '월 카드매출대금 정산 입금 (' || c.c_name || ')',
       NULL, true, x.total, x.card_code
  FROM (SELECT date_trunc('month', slip_date) AS m,
               pg_temp.workday((date_trunc('month', slip_date) + INTERVAL '1 month 4 days')::DATE) AS paid,
               card_code, sum(amt) AS total
          FROM demo_sales WHERE by_card GROUP BY 1, 2, 3) x
  JOIN va050ms c ON c.c_code = x.card_code
 WHERE x.paid <= DATE '2026-12-10';

ALTER TABLE demo_sales ADD COLUMN slip_no VARCHAR(8), ADD COLUMN conf_date DATE, ADD COLUMN fee NUMERIC;
UPDATE demo_sales SET fee = CASE WHEN code = 'CARDSET' THEN round(amt * 0.021, -1) ELSE 0 END;
UPDATE demo_sales s
   SET slip_no = 'K' || to_char(s.slip_date, 'YY') || lpad((x.last_no + x.n)::TEXT, 5, '0'),
       -- the accountant confirms them the next business day; December's wait
       conf_date = CASE WHEN s.slip_date < DATE '2026-12-01'
                        THEN least(make_date(extract(YEAR FROM s.slip_date)::INTEGER, 12, 31),
                                   pg_temp.workday(s.slip_date + 1)) END
  FROM (SELECT d.ctid AS id,
               row_number() OVER (PARTITION BY extract(YEAR FROM d.slip_date) ORDER BY d.slip_date, d.code, d.card_code) AS n,
               (SELECT coalesce(max(substr(h.slip_no, 4)::INTEGER), 0) FROM vb010ms h
                 WHERE h.slip_no LIKE 'K' || to_char(d.slip_date, 'YY') || '%') AS last_no
          FROM demo_sales d) x
 WHERE s.ctid = x.id;

CREATE TEMP TABLE demo_sales_line ON COMMIT DROP AS
SELECT s.*, 0 AS seq, CASE WHEN s.by_card THEN '1110420' ELSE '1110120' END AS line_acct,
       s.amt AS d, 0::NUMERIC AS c
  FROM demo_sales s WHERE s.code <> 'CARDSET'
UNION ALL
SELECT s.*, 1, s.acct_code, 0, s.amt FROM demo_sales s WHERE s.code <> 'CARDSET'
UNION ALL
SELECT s.*, 0, '1110120', s.amt - s.fee, 0 FROM demo_sales s WHERE s.code = 'CARDSET'
UNION ALL
SELECT s.*, 1, '7130320', s.fee, 0 FROM demo_sales s WHERE s.code = 'CARDSET'
UNION ALL
SELECT s.*, 2, '1110420', 0, s.amt FROM demo_sales s WHERE s.code = 'CARDSET';

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, slip_del_yn, conf_date, conf_emp_no,
                     total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, slip_type, sys_id,
                     u_date, u_ip, u_emp_no)
SELECT s.slip_no, s.dept_code, s.slip_date, s.slip_date, CASE WHEN s.conf_date IS NULL THEN 'N' ELSE 'Y' END, 'N',
       s.conf_date, CASE WHEN s.conf_date IS NULL THEN NULL ELSE '2003' END, s.amt, s.amt, '3001',
       CASE WHEN s.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END, 'K', '1', 'V',
       s.slip_date + TIME '17:30', '10.10.2.31', '3001'
  FROM demo_sales s;

INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
SELECT l.slip_no, l.seq, l.line_acct, l.remark, l.d, l.c, l.conf_date,
       CASE WHEN l.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END
  FROM demo_sales_line l;

INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, conf_date, session_id)
SELECT l.slip_no, l.seq, v.lineup_no, v.mg_code, v.detail, v.name, l.line_acct, l.d, l.c, l.conf_date,
       CASE WHEN l.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END
  FROM demo_sales_line l
  CROSS JOIN LATERAL (
    SELECT 1, '105', l.card_code, (SELECT c_name FROM va050ms WHERE c_code = l.card_code)
     WHERE l.line_acct = '1110420'
    UNION ALL
    SELECT 1, '103', '0300000005', (SELECT c_name FROM va050ms WHERE c_code = '0300000005')
     WHERE l.line_acct = '1110120'
    UNION ALL
    SELECT 2, '104', '351-0987-6543-21',
           (SELECT d_name FROM va051ms WHERE c_code = '0300000005' AND d_account = '351-0987-6543-21')
     WHERE l.line_acct = '1110120'
    UNION ALL
    SELECT 1, '118', l.dept_code, (SELECT aff_dept_name FROM va160ms WHERE aff_dept_code = l.dept_code)
     WHERE l.line_acct LIKE '5%' OR l.line_acct = '7130320'
    UNION ALL
    SELECT 7, '501', '02', '원가' WHERE l.line_acct = '7130320') v(lineup_no, mg_code, detail, name);

-- 2025's slips are past data as well.
INSERT INTO bkuser.vb010ms SELECT h.* FROM vb010ms h JOIN demo_sales s ON s.slip_no = h.slip_no
 WHERE h.slip_date < DATE '2026-01-01';
INSERT INTO bkuser.vb011ms SELECT l.* FROM vb011ms l JOIN demo_sales s ON s.slip_no = l.slip_no
 WHERE s.slip_date < DATE '2026-01-01';
INSERT INTO bkuser.vb011dt SELECT i.* FROM vb011dt i JOIN demo_sales s ON s.slip_no = i.slip_no
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
  FROM demo_sales s WHERE s.conf_date IS NOT NULL ORDER BY s.slip_no;

UPDATE vi010ms SET close_yn = 'Y' WHERE session_id = 26;
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
