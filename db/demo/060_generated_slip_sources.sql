-- Sources of the generated slips: pay items and pay runs with their amounts
-- per department, the outlets and payment kinds of the daily sales with the
-- sales from November 2026 on, and the paying account of the deposit auto
-- slips.
--
-- Pay runs: December 2026 pay and bonus (paid 2026-12-24, not yet posted),
-- the October 2026 performance bonus (its month is closed: the run is
-- refused) and the December back pay, registered before its amounts.
-- Sales days up to 2026-11-20 are closed as well and refused.

INSERT INTO zx010ms (head, detail, detail_name, item1, item2, item3, u_ip, u_emp_no) VALUES
  ('V0095', ' ',  '보통예금 자동전표',   NULL, NULL, NULL, '127.0.0.1', '1001'),
  ('V0095', '01', '출금 보통예금 계좌', '0300000001', '054-21-0456-789', NULL, '127.0.0.1', '1001');

INSERT INTO qd110ms (pay_item_cd, pay_item_nm, item_kind, slip_grp, cost_acct, admin_acct, sort_ord, u_ip, u_emp_no) VALUES
  ('A01', '기본급',         '1', '1', '7110110', '7510120', 10, '10.10.3.15', '2003'),
  ('A02', '직책수당',       '1', '1', '7110110', '7510120', 20, '10.10.3.15', '2003'),
  ('A03', '시간외근무수당', '1', '1', '7110110', '7510120', 30, '10.10.3.15', '2003'),
  ('B01', '정기상여',       '1', '2', '7110120', '7510130', 40, '10.10.3.15', '2003'),
  ('B02', '성과상여',       '1', '2', '7110120', '7510130', 50, '10.10.3.15', '2003'),
  ('D01', '소득세',         '2', NULL, '2110510', '2110510', 60, '10.10.3.15', '2003'),
  ('D02', '지방소득세',     '2', NULL, '2110510', '2110510', 70, '10.10.3.15', '2003'),
  ('D03', '국민연금',       '2', NULL, '2110520', '2110520', 80, '10.10.3.15', '2003'),
  ('D04', '건강보험',       '2', NULL, '2110520', '2110520', 90, '10.10.3.15', '2003'),
  ('D05', '고용보험',       '2', NULL, '2110520', '2110520', 100, '10.10.3.15', '2003');

INSERT INTO qd100ms (pay_code, pay_ym, pay_date, bank_code, bank_account, remark, u_date, u_ip, u_emp_no) VALUES
  ('01', '202612', DATE '2026-12-24', '0300000002', '140-011-223344', '2026년 12월 급여',
   TIMESTAMP '2026-12-09 16:20:00', '10.10.3.15', '2003'),
  ('02', '202612', DATE '2026-12-24', '0300000002', '140-011-223344', '2026년 하반기 정기상여',
   TIMESTAMP '2026-12-09 16:25:00', '10.10.3.15', '2003'),
  ('04', '202610', DATE '2026-10-30', '0300000002', '140-011-223344', '2026년 3분기 성과급',
   TIMESTAMP '2026-10-28 11:05:00', '10.10.3.15', '2003'),
  ('05', '202612', DATE '2026-12-15', '0300000002', '140-011-223344', '임금협약 소급분 (산정중)',
   TIMESTAMP '2026-12-10 09:40:00', '10.10.3.15', '2003');

-- Head count and average base pay of each department.
CREATE TEMP TABLE demo_staff (dept_code TEXT, emp_cnt INTEGER, avg_base NUMERIC) ON COMMIT DROP;
INSERT INTO demo_staff VALUES
  ('1110', 3, 4200000), ('1111', 4, 3300000), ('1112', 3, 3400000), ('1121', 4, 3000000),
  ('1122', 2, 3100000), ('1130', 3, 3500000), ('1140', 4, 3900000), ('1211', 5, 3600000),
  ('1212', 3, 3200000), ('1220', 4, 3400000), ('1240', 2, 4000000),
  ('2111', 9, 2800000), ('2112', 14, 2500000), ('2121', 8, 2700000), ('2122', 6, 2700000),
  ('2131', 5, 3100000), ('2132', 5, 3000000), ('2141', 7, 2900000),
  ('2211', 7, 2800000), ('2212', 10, 2500000), ('2221', 6, 2900000), ('2222', 5, 2800000),
  ('2230', 8, 2700000);

-- Earnings of each run, then the deductions on them (rounded to 10 won).
INSERT INTO qd100dt (pay_code, pay_ym, dept_code, pay_item_cd, pay_amt, emp_cnt)
SELECT r.pay_code, r.pay_ym, s.dept_code, e.item, e.amt, s.emp_cnt
  FROM demo_staff s
  CROSS JOIN (VALUES ('01', '202612'), ('02', '202612'), ('04', '202610')) r(pay_code, pay_ym)
  CROSS JOIN LATERAL (VALUES
    ('A01', CASE r.pay_code WHEN '01' THEN s.emp_cnt * s.avg_base END),
    ('A02', CASE r.pay_code WHEN '01' THEN round(s.emp_cnt * s.avg_base * 0.08, -4) END),
    ('A03', CASE WHEN r.pay_code = '01' AND s.dept_code LIKE '2%'
                 THEN round(s.emp_cnt * s.avg_base * (0.04 + (ascii(right(s.dept_code, 1)) % 4) * 0.01), -3) END),
    ('B01', CASE r.pay_code WHEN '02' THEN s.emp_cnt * s.avg_base END),
    ('B02', CASE r.pay_code WHEN '04' THEN round(s.emp_cnt * s.avg_base * 0.3, -4) END)
  ) e(item, amt)
 WHERE e.amt IS NOT NULL;

INSERT INTO qd100dt (pay_code, pay_ym, dept_code, pay_item_cd, pay_amt, emp_cnt)
SELECT g.pay_code, g.pay_ym, g.dept_code, d.item, d.amt, g.emp_cnt
  FROM (SELECT pay_code, pay_ym, dept_code, max(emp_cnt) AS emp_cnt, sum(pay_amt) AS gross
          FROM qd100dt GROUP BY pay_code, pay_ym, dept_code) g
  CROSS JOIN LATERAL (VALUES
    ('D01', round(g.gross * 0.032, -1)),
    ('D02', round(round(g.gross * 0.032, -1) * 0.1, -1)),
    ('D03', CASE g.pay_code WHEN '01' THEN round(g.gross * 0.045, -1) END),
    ('D04', CASE g.pay_code WHEN '01' THEN round(g.gross * 0.03545, -1) END),
    ('D05', round(g.gross * 0.009, -1))
  ) d(item, amt)
 WHERE d.amt IS NOT NULL;

-- Daily sales.
INSERT INTO vb091ms (outlet_code, outlet_name, dept_code, acct_code, u_ip, u_emp_no) VALUES
  ('S101', '설악 프론트(객실)',   '2111', '5110110', '127.0.0.1', '1001'),
  ('S102', '설악 레스토랑 솔비치', '2121', '5120110', '127.0.0.1', '1001'),
  ('S103', '설악 연회장',         '2122', '5120120', '127.0.0.1', '1001'),
  ('S104', '설악 스키장 매표소',   '2141', '5130110', '127.0.0.1', '1001'),
  ('S105', '설악 편의점',         '2110', '5140110', '127.0.0.1', '1001'),
  ('J201', '제주 프론트(객실)',   '2211', '5110110', '127.0.0.1', '1001'),
  ('J202', '제주 골프클럽',       '2222', '5130310', '127.0.0.1', '1001'),
  ('J203', '제주 레스토랑 한라',   '2230', '5120110', '127.0.0.1', '1001');

INSERT INTO vb092ms (pay_way, pay_way_name, acct_code, card_code, bank_code, bank_account, cust_code, u_ip, u_emp_no) VALUES
  ('01', '현금',           '1110110', NULL, NULL, NULL, NULL, '127.0.0.1', '1001'),
  ('02', '신한카드',       '1110420', '0400000031', NULL, NULL, NULL, '127.0.0.1', '1001'),
  ('03', '삼성카드',       '1110420', '0400000032', NULL, NULL, NULL, '127.0.0.1', '1001'),
  ('04', 'KB국민카드',     '1110420', '0400000033', NULL, NULL, NULL, '127.0.0.1', '1001'),
  ('05', '비씨카드',       '1110420', '0400000034', NULL, NULL, NULL, '127.0.0.1', '1001'),
  ('06', '계좌이체',       '1110120', NULL, '0300000005', '351-0987-6543-21', NULL, '127.0.0.1', '1001'),
  ('07', '여행사 후불',    '1110430', NULL, NULL, NULL, '0100000016', '127.0.0.1', '1001');

-- Sales per day from 2026-11-01 to 2026-12-10: each outlet takes some of its
-- payment kinds, more at weekends; the ski resort opens on 2026-12-05.
INSERT INTO vb090ms (sale_date, outlet_code, pay_way, sale_amt, sale_cnt, u_date, u_ip, u_emp_no)
SELECT d::DATE, o.outlet_code, w.pay_way,
       round(o.base * w.share
             * (CASE WHEN extract(ISODOW FROM d) >= 6 THEN 1.6 ELSE 1.0 END)
             * (0.75 + (('x' || substr(md5(o.outlet_code || w.pay_way || d::DATE), 1, 6))::BIT(24)::INTEGER % 50) / 100.0),
             -2),
       1 + (('x' || substr(md5(w.pay_way || o.outlet_code || d::DATE), 1, 4))::BIT(16)::INTEGER % 40),
       d + INTERVAL '1 day 2 hours', '10.20.1.30', '3001'
  FROM generate_series(DATE '2026-11-01', DATE '2026-12-10', INTERVAL '1 day') d
  CROSS JOIN (VALUES ('S101', 9000000), ('S102', 2500000), ('S103', 3000000), ('S104', 12000000),
                     ('S105', 600000), ('J201', 7000000), ('J202', 6000000), ('J203', 2000000)) o(outlet_code, base)
  JOIN (VALUES ('01', 0.08), ('02', 0.22), ('03', 0.18), ('04', 0.20), ('05', 0.12), ('06', 0.12), ('07', 0.08))
         w(pay_way, share)
    ON (w.pay_way <> '07' OR o.outlet_code IN ('S101', 'J201', 'J202'))
   AND (w.pay_way <> '06' OR o.outlet_code NOT IN ('S105'))
 WHERE (o.outlet_code <> 'S104' OR d >= DATE '2026-12-05')
   AND (o.outlet_code <> 'S103' OR extract(ISODOW FROM d) IN (5, 6, 7));
