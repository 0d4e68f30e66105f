-- November 2026 month-end entries of the accountant: the month's
-- depreciation of the resort buildings and fixtures, charged to the
-- facilities and rooms teams as operating costs and to general affairs as
-- administrative expense, and the allowance for doubtful card and agency
-- receivables. They are confirmed through the posting engine on the month's
-- last day, so that the income statement shows depreciation and bad debts
-- and the balance sheet the accumulated depreciation and the allowance
-- growing against the previous term.
CREATE TEMP TABLE demo_month_end (seq INTEGER, slip INTEGER, acct_code TEXT, d NUMERIC, c NUMERIC, remark TEXT,
                                  mg_code TEXT, dept_code TEXT) ON COMMIT DROP;
INSERT INTO demo_month_end VALUES
  (0, 1, '7120610', 55000000, 0, '11월 건물 감가상각비 (설악리조트)', '118', '2130'),
  (1, 1, '7120640', 8000000, 0, '11월 비품 감가상각비 (객실)', '118', '2110'),
  (2, 1, '7520710', 5000000, 0, '11월 건물 감가상각비 (본사)', '141', '1121'),
  (3, 1, '1330495', 0, 60000000, '11월 건물 감가상각누계액', NULL, NULL),
  (4, 1, '1330795', 0, 8000000, '11월 집기비품 감가상각누계액', NULL, NULL),
  (0, 2, '7530910', 3000000, 0, '외상매출금 대손충당금 설정', '141', '1110'),
  (1, 2, '1110495', 0, 3000000, '외상매출금 대손충당금 설정', NULL, NULL);

CREATE TEMP TABLE demo_month_end_slip ON COMMIT DROP AS
SELECT slip, 'K26' || lpad(((SELECT max(substr(slip_no, 4)::INTEGER) FROM vb010ms WHERE slip_no LIKE 'K26%') + slip)::TEXT,
                           5, '0') AS slip_no
  FROM (SELECT DISTINCT slip FROM demo_month_end) s;

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, session_id,
                     slip_kind, slip_type, sys_id, u_date, u_ip, u_emp_no)
SELECT s.slip_no, '1110', DATE '2026-11-30', DATE '2026-11-30', sum(e.d), sum(e.c), '2003', 27, 'K', '1', 'V',
       TIMESTAMP '2026-11-30 17:10:00', '10.10.1.21', '2003'
  FROM demo_month_end_slip s JOIN demo_month_end e ON e.slip = s.slip
 GROUP BY s.slip_no;
INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, session_id)
SELECT s.slip_no, e.seq, e.acct_code, e.remark, e.d, e.c, 27
  FROM demo_month_end_slip s JOIN demo_month_end e ON e.slip = s.slip;
INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, session_id)
SELECT s.slip_no, e.seq, 1, e.mg_code, e.dept_code, (SELECT aff_dept_name FROM va160ms WHERE aff_dept_code = e.dept_code),
       e.acct_code, e.d, e.c, 27
  FROM demo_month_end_slip s JOIN demo_month_end e ON e.slip = s.slip
 WHERE e.mg_code IS NOT NULL;

SELECT setval('pk_v_slip_01.slip_no_2026',
              (SELECT max(substr(slip_no, 4)::INTEGER) + 1 FROM vb010ms WHERE slip_no LIKE 'K26%'), false);

-- confirmed by the finance user on the month's last day
DO $$
DECLARE
  r RECORD;
  v TEXT;
BEGIN
  FOR r IN SELECT slip_no FROM demo_month_end_slip ORDER BY slip_no LOOP
    v := pk_v_journalize.def_confdate('1', r.slip_no, '2026-11-30', '2003');
    IF v NOT LIKE 'E%' THEN
      v := pk_v_journalize.pr_journalmain('1', r.slip_no, '2026-11-30', '2003');
    END IF;
    IF v LIKE 'E%' THEN
      RAISE EXCEPTION 'month-end slip % not confirmed: %', r.slip_no, v;
    END IF;
  END LOOP;
END
$$;
