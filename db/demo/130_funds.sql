-- Funds of the demo company: fund codes under the headings of 022 with the
-- accounts pointing to them, two bank loans with their repayment schedules,
-- two installment savings with their payment schedules, the leases, the
-- fund plan of December 2026 and the first term the securities statement
-- lists.

INSERT INTO vg005ms (fnd_usg_cd, fnd_usg_nm, u_ip, u_emp_no) VALUES
  ('1101', '객실료 입금',        '127.0.0.1', '1001'),
  ('1201', '식음 매출 입금',     '127.0.0.1', '1001'),
  ('1301', '레저 매출 입금',     '127.0.0.1', '1001'),
  ('1901', '임대료·기타 입금',   '127.0.0.1', '1001'),
  ('2101', '급여 지급',          '127.0.0.1', '1001'),
  ('2102', '상여·퇴직금 지급',   '127.0.0.1', '1001'),
  ('2201', '식재료 대금',        '127.0.0.1', '1001'),
  ('2301', '복리후생·여비',      '127.0.0.1', '1001'),
  ('2302', '임차료·수선비',      '127.0.0.1', '1001'),
  ('2401', '전기·수도·가스료',   '127.0.0.1', '1001'),
  ('2402', '통신료',             '127.0.0.1', '1001'),
  ('2501', '제세공과금',         '127.0.0.1', '1001'),
  ('2601', '광고·판촉비',        '127.0.0.1', '1001'),
  ('3010', '정기예금 예입',      '127.0.0.1', '1001'),
  ('3020', '정기예금 해지',      '127.0.0.1', '1001')
ON CONFLICT (fnd_usg_cd) DO NOTHING;

UPDATE va020ms SET fnd_usg_cd = CASE
         WHEN acct_code LIKE '5110%' THEN '1101'
         WHEN acct_code LIKE '5120%' THEN '1201'
         WHEN acct_code LIKE '5130%' THEN '1301'
         WHEN acct_code LIKE '5140%' THEN '1901'
         WHEN acct_code IN ('7110120', '7110150') THEN '2102'
         WHEN acct_code LIKE '71101%' THEN '2101'
         WHEN acct_code IN ('7120310', '7120320') THEN '2402'
         WHEN acct_code LIKE '71204%' THEN '2401'
         WHEN acct_code LIKE '71205%' THEN '2501'
         WHEN acct_code LIKE '71207%' OR acct_code LIKE '71208%' THEN '2302'
         WHEN acct_code LIKE '71201%' OR acct_code LIKE '71202%' THEN '2301'
         ELSE substr(fnd_usg_cd, 1, 2) || '01' END
 WHERE fnd_usg_cd IN ('1100', '1200', '1300', '1900', '2100', '2200', '2300', '2400', '2500', '2600');

-- Loans: the schedule is the one the loan screen computes (후취: interest on
-- the balance before each instalment for the days since the one before,
-- over 365, to four decimals).
INSERT INTO vg020ms (loan_no, fin_inst_cd, sbj_nm, loan_amt, opn_dt, exp_dt, yy_dfr, yy_rpy, rpy_mthd, lon_dt, int_dt,
                     pay_kind1, mm_pmt_dt, lon_mm, int_mm, int_rt, mm_pmt_amt, first_amt, end_yn, u_ip, u_emp_no) VALUES
  ('KB-2024-0315', '0300000001', '시설자금대출(콘도 리모델링)', 1200000000, '2024-03-15', '2029-03-15', 1, 4, '2',
   '2025-04-15', '2024-04-15', '2', '15', 1, 1, 4.85, 25000000, 25000000, 'N', '127.0.0.1', '1001'),
  ('SH-2026-0120', '0300000002', '운영자금대출', 300000000, '2026-01-20', '2027-01-20', 0, 1, '2',
   '2026-02-20', '2026-02-20', '2', '20', 1, 1, 5.2, 25000000, 25000000, 'N', '127.0.0.1', '1001');

WITH p AS (
  SELECT l.loan_no, l.loan_amt, l.int_rt, l.exp_dt, to_date(l.opn_dt, 'YYYY-MM-DD') AS opened, n, cnt,
         CASE WHEN l.loan_no = 'KB-2024-0315' THEN 12 ELSE 0 END AS grace
    FROM vg020ms l
   CROSS JOIN LATERAL (SELECT generate_series(1, cnt) AS n
                         FROM (SELECT CASE WHEN l.loan_no = 'KB-2024-0315' THEN 60 ELSE 12 END AS cnt) c) g
   CROSS JOIN LATERAL (SELECT CASE WHEN l.loan_no = 'KB-2024-0315' THEN 60 ELSE 12 END AS cnt) c2
), r AS (
  SELECT loan_no, n,
         CASE WHEN n = cnt THEN exp_dt ELSE to_char(opened + make_interval(months => n), 'YYYY-MM-DD') END AS repay_dt,
         CASE WHEN n > grace THEN 25000000 ELSE 0 END AS prn,
         loan_amt - 25000000 * greatest(n - grace, 0) AS rem_amt,
         (CASE WHEN n = cnt THEN to_date(exp_dt, 'YYYY-MM-DD') ELSE (opened + make_interval(months => n))::DATE END)
           - (opened + make_interval(months => n - 1))::DATE AS days,
         int_rt
    FROM p
)
INSERT INTO vg020dt (loan_no, tms, repay_dt, repay_amt, prn, "int", rem_amt, prf_rt, flag, day, u_ip, u_emp_no)
SELECT loan_no, n, repay_dt, prn + round(int_rt * (rem_amt + prn) / 100 * days / 365, 4), prn,
       round(int_rt * (rem_amt + prn) / 100 * days / 365, 4), rem_amt, int_rt, '1', days, '127.0.0.1', '1001'
  FROM r;

-- Installment savings on the demo's savings accounts.
INSERT INTO vg010ms (acn_no, fin_inst_cd, opn_dt, exp_dt, ctr_amt, yy_int_rt, mm_pmt_amt, mm_pmt_dt, last_dt, u_ip, u_emp_no) VALUES
  ('351-0987-6543-99', '0300000005', '2025-03-01', '2028-02-28', 72000000, 3.4, 2000000, '25', '2', '127.0.0.1', '1001'),
  ('1234-56-789012',   '0300000008', '2024-04-15', '2027-04-14', 36000000, 4.1, 1000000, '15', '2', '127.0.0.1', '1001');

INSERT INTO vg010dt (acn_no, tms, pay_dt, pay_amt, prf_rt, tot_amt, u_ip, u_emp_no)
SELECT s.acn_no, i + 1,
       CASE WHEN i = 35 THEN s.exp_dt
            ELSE to_char(to_date(substr(s.opn_dt, 1, 7) || '-01', 'YYYY-MM-DD') + make_interval(months => i)
                         + make_interval(days => s.mm_pmt_dt::INTEGER - 1), 'YYYY-MM-DD') END,
       s.mm_pmt_amt, s.yy_int_rt, s.mm_pmt_amt * (i + 1), '127.0.0.1', '1001'
  FROM vg010ms s CROSS JOIN generate_series(0, 35) i;

-- Leases.
INSERT INTO vg040ms (lis_no, lis_name, lis_size, lis_kind, lis_date, lis_ondt, lis_amt, lis_grt, lis_much, lis_misr,
                     lis_rt, lis_nybs, lis_nymn, lis_bsnm, lis_numb, end_yn, u_ip, u_emp_no)
SELECT v.no, v.name, v.size, v.kind, v.term, v.ondt, v.amt, v.grt, v.much, v.misr, v.rt, v.nybs, v.nymn,
       (SELECT min(aff_dept_code) FROM qa160ms WHERE dept_type <> '0' AND substr(aff_dept_code, 1, 1) <> 'Z'),
       v.numb, v.end_yn, '127.0.0.1', '1001'
  FROM (VALUES
    ('000001', '업무용 승합차(스타리아)', '11인승 디젤',       '1', '48', '2024-07-01', 42000000, 5000000, 980000, 95000, 12.0, '1', NULL, '30', 'N'),
    ('000002', '복합기(컬러 A3)',         'C3530 2대',         '1', '36', '2025-02-10', 9600000,  NULL,    310000, NULL,  15.0, '2', '10', '22', 'N'),
    ('000003', '제설차량',                '4.5톤 제설 장비',   '2', '60', '2023-11-01', 185000000, 20000000, 3450000, 210000, 12.0, '2', '25', '37', 'N'),
    ('000004', '골프카트',                '5인승 전동 40대',   '2', '36', '2022-03-01', 320000000, 30000000, 9100000, 640000, 12.0, '1', NULL, '36', 'Y')
  ) AS v(no, name, size, kind, term, ondt, amt, grt, much, misr, rt, nybs, nymn, numb, end_yn);

-- The plan of December 2026: receipts every day, payments on their days.
INSERT INTO vg090ms (fnd_usg_ym, fnd_usg_cd, u_ip, u_emp_no)
SELECT '202612', c, '127.0.0.1', '1001'
  FROM unnest(ARRAY['1101', '1201', '1301', '1901', '2101', '2102', '2201', '2301', '2302', '2401', '2402', '2501', '2601',
                    '3010', '3020']) c;

DO $$
DECLARE
  d INTEGER;
BEGIN
  FOR d IN 1..31 LOOP
    EXECUTE format(
      'UPDATE vg090ms SET %I = CASE fnd_usg_cd
          WHEN ''1101'' THEN %s WHEN ''1201'' THEN %s WHEN ''1301'' THEN %s
          WHEN ''1901'' THEN CASE WHEN $1 = 5 THEN 18000000 END
          WHEN ''2101'' THEN CASE WHEN $1 = 25 THEN 612000000 END
          WHEN ''2102'' THEN CASE WHEN $1 = 24 THEN 155000000 END
          WHEN ''2201'' THEN CASE WHEN $1 %% 5 = 2 THEN 27000000 END
          WHEN ''2601'' THEN CASE WHEN $1 = 12 THEN 15000000 END
          WHEN ''2301'' THEN CASE WHEN $1 %% 7 = 3 THEN 8500000 END
          WHEN ''2302'' THEN CASE WHEN $1 IN (10, 20) THEN 23000000 END
          WHEN ''2401'' THEN CASE WHEN $1 = 18 THEN 96000000 END
          WHEN ''2402'' THEN CASE WHEN $1 = 21 THEN 7400000 END
          WHEN ''2501'' THEN CASE WHEN $1 = 10 THEN 41000000 END
          WHEN ''3010'' THEN CASE WHEN $1 = 15 THEN 100000000 END
          WHEN ''3020'' THEN CASE WHEN $1 = 28 THEN 50000000 END END
        WHERE fnd_usg_ym = ''202612''',
      'fnd_' || to_char(d, 'FM00') || '_amt',
      38000000 + (d % 7) * 4500000, 21000000 + (d % 5) * 2500000, 30000000 + (d % 6) * 9000000)
    USING d;
  END LOOP;
END
$$;

-- The securities statement lists the terms after the 25th.
INSERT INTO zx010ms (head, detail, detail_name, item1, u_ip, u_emp_no) VALUES
  ('VG080', ' ',  '유가증권 명세서',  NULL, '127.0.0.1', '1001'),
  ('VG080', '01', '25', '이 기수 이후의 전표만 명세서에 나타남', '127.0.0.1', '1001')
ON CONFLICT (head, detail) DO NOTHING;

-- Two bond purchases of the treasury team, paid from the ordinary deposits
-- and confirmed through the posting engine: the securities statement lists
-- them with their bank, account, issuer, number, issue and maturity dates.
CREATE TEMP TABLE demo_securities (slip INTEGER, seq INTEGER, day DATE, acct_code TEXT, d NUMERIC, c NUMERIC,
                                   remark TEXT, items TEXT[][]) ON COMMIT DROP;
INSERT INTO demo_securities VALUES
  (1, 0, DATE '2026-11-24', '1110320', 80000000, 0, '한국전력공사 회사채 매입',
   ARRAY[['103', '0300000002', '신한은행'], ['104', '140-011-223344', NULL], ['155', '한국전력공사', NULL],
         ['157', 'KEPCO-2026-0381', NULL], ['126', '2026-11-24', NULL], ['127', '2027-11-23', NULL]]),
  (1, 1, DATE '2026-11-24', '1110120', 0, 80000000, '한국전력공사 회사채 매입 대금',
   ARRAY[['103', '0300000002', '신한은행'], ['104', '140-011-223344', '급여이체 보통예금']]),
  (2, 0, DATE '2026-12-03', '1110320', 30000000, 0, '국민주택채권 매입',
   ARRAY[['103', '0300000001', '국민은행'], ['104', '054-21-0456-789', NULL], ['155', '국민주택기금', NULL],
         ['157', 'NHB-26-12-1042', NULL], ['126', '2026-12-03', NULL], ['127', '2031-12-03', NULL]]),
  (2, 1, DATE '2026-12-03', '1110120', 0, 30000000, '국민주택채권 매입 대금',
   ARRAY[['103', '0300000001', '국민은행'], ['104', '054-21-0456-789', '운영자금 보통예금']]);

CREATE TEMP TABLE demo_securities_slip ON COMMIT DROP AS
SELECT slip, day, 'K26' || lpad(((SELECT max(substr(slip_no, 4)::INTEGER) FROM vb010ms WHERE slip_no LIKE 'K26%') + slip)::TEXT,
                                5, '0') AS slip_no
  FROM (SELECT DISTINCT slip, day FROM demo_securities) s;

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, session_id,
                     slip_kind, slip_type, sys_id, u_date, u_ip, u_emp_no)
SELECT s.slip_no, '1110', s.day, s.day, sum(e.d), sum(e.c), '2003', 27, 'K', '1', 'V',
       s.day + TIME '14:20', '10.10.1.21', '2003'
  FROM demo_securities_slip s JOIN demo_securities e ON e.slip = s.slip
 GROUP BY s.slip_no, s.day;
INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, session_id)
SELECT s.slip_no, e.seq, e.acct_code, e.remark, e.d, e.c, 27
  FROM demo_securities_slip s JOIN demo_securities e ON e.slip = s.slip;
INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, session_id)
SELECT s.slip_no, e.seq, i, e.items[i][1], e.items[i][2], e.items[i][3], e.acct_code, e.d, e.c, 27
  FROM demo_securities_slip s JOIN demo_securities e ON e.slip = s.slip
 CROSS JOIN LATERAL generate_subscripts(e.items, 1) i;

SELECT setval('pk_v_slip_01.slip_no_2026',
              (SELECT max(substr(slip_no, 4)::INTEGER) + 1 FROM vb010ms WHERE slip_no LIKE 'K26%'), false);

DO $$
DECLARE
  r RECORD;
  v TEXT;
BEGIN
  FOR r IN SELECT slip_no, to_char(day, 'YYYY-MM-DD') AS day FROM demo_securities_slip ORDER BY slip_no LOOP
    v := pk_v_journalize.def_confdate('1', r.slip_no, r.day, '2003');
    IF v NOT LIKE 'E%' THEN
      v := pk_v_journalize.pr_journalmain('1', r.slip_no, r.day, '2003');
    END IF;
    IF v LIKE 'E%' THEN
      RAISE EXCEPTION 'securities slip % not confirmed: %', r.slip_no, v;
    END IF;
  END LOOP;
END
$$;
