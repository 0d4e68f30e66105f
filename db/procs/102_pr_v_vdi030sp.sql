-- The balance sheet of a month ('YYYYMM') against the end of the previous
-- term into VD031_RPT for the employee p_emp_no, in one run under the
-- employee's lock (two runs of one employee never mix their rows). The
-- previous columns are those of the last month of the term that contained
-- the same month a year earlier, or of that month itself when no term did.
--
-- Account lines (LVL 0): a shown account is a five-digit stem plus "00",
-- its balance the sum over the accounts of the stem; a stem plus "95" is its
-- contra account. Where a stem has a contra account the gross stands in the
-- inner column of the "00" line and the net (gross less the contra) in the
-- outer column of the "95" line; otherwise the balance stands in the outer
-- column. Buildings (1330400 with its grant 1330450, depreciation 1330495
-- and impairment 1330496) show each own balance inside and the net in the
-- outer column, the current one on 1330495, the previous one on 1330496.
-- 3799000 is the term's net income from the income statement. Lines whose
-- four amounts are all zero are left out.
--
-- Balances come from the ledger kernel in each account's normal direction
-- and are read here in the direction of their side of the balance sheet
-- (assets debit - credit, liabilities and equity credit - debit), so an
-- account kept on the other side (treasury stock, a suspense account) is
-- deducted, and a contra account is deducted whatever side it is kept on.
--
-- Group lines (LVL 1): every upper account of levels 1-3 in the chart's
-- tree sums the outer amounts of the account lines below it; 3900000 sums
-- those of classes 2 and 3. Answers 'T' and the number of lines, or 'E…'
-- with nothing written.
SET client_min_messages = warning;

-- Every account of classes 1-3 with a figure in either month: its balance
-- at the month's end read in the direction of its side of the sheet.
CREATE OR REPLACE FUNCTION pk_v_statement.sheet_balances(p_cur TEXT, p_prev TEXT)
RETURNS TABLE (acct_code VARCHAR, cur NUMERIC, prev NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT a.acct_code,
         pk_v_ledger.side(a.dc_div) * CASE WHEN left(a.acct_code, 1) = '1' THEN 1 ELSE -1 END * c.bal_amount,
         pk_v_ledger.side(a.dc_div) * CASE WHEN left(a.acct_code, 1) = '1' THEN 1 ELSE -1 END * p.bal_amount
    FROM (SELECT * FROM pk_v_ledger.month_figures(p_cur)) c
    FULL JOIN (SELECT * FROM pk_v_ledger.month_figures(p_prev)) p ON p.acct_code = c.acct_code
    JOIN va020ms a ON a.acct_code = coalesce(c.acct_code, p.acct_code)
   WHERE left(a.acct_code, 1) IN ('1', '2', '3')
$$;

CREATE OR REPLACE FUNCTION pr_v_vdi030sp(p_ip_addr TEXT, p_emp_no TEXT, p_month TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip    TEXT := left(btrim(p_ip_addr), 20);
  v_emp   TEXT := btrim(p_emp_no);
  v_cur   TEXT := btrim(p_month);
  v_prev  TEXT;
  v_end   TEXT;
  v_count INTEGER;
BEGIN
  IF v_ip IS NULL OR v_ip = '' THEN
    RETURN 'E작업 단말의 주소가 없습니다.!';
  END IF;
  IF v_emp IS NULL OR v_emp = '' THEN
    RETURN 'E사원번호가 없습니다.!';
  END IF;
  IF v_cur IS NULL OR v_cur !~ '^[0-9]{4}(0[1-9]|1[0-2])$' THEN
    RETURN 'E조회월이 올바르지 않습니다.(' || coalesce(p_month, '') || ')';
  END IF;
  v_prev := lpad((left(v_cur, 4)::INTEGER - 1)::TEXT, 4, '0') || right(v_cur, 2);
  SELECT to_char(ed_date, 'YYYYMM') INTO v_end FROM vi010ms
   WHERE to_date(v_prev || '01', 'YYYYMMDD') BETWEEN st_date AND ed_date;
  IF v_end IS NOT NULL THEN
    v_prev := v_end;
  END IF;

  PERFORM pk_common.lock_result('VD031_RPT', v_emp);
  DELETE FROM vd031_rpt WHERE u_emp_no = v_emp;

  INSERT INTO vd031_rpt (u_emp_no, acct_code, acct_pname, d_amount, c_amount, bd_amount, bc_amount, lvl)
  WITH stem AS (
    -- the gross of every stem: its accounts but the contra ones
    SELECT left(b.acct_code, 5) AS stem, sum(coalesce(b.cur, 0)) AS cur, sum(coalesce(b.prev, 0)) AS prev
      FROM pk_v_statement.sheet_balances(v_cur, v_prev) b
     WHERE right(b.acct_code, 2) <> '95'
     GROUP BY 1),
  shown AS (
    SELECT a.acct_code, coalesce(a.acct_pname, a.acct_name) AS acct_pname, right(a.acct_code, 2) = '95' AS contra,
           EXISTS (SELECT 1 FROM va020ms k WHERE k.acct_code = left(a.acct_code, 5) || '95') AS has_contra,
           coalesce(s.cur, 0) AS stem_cur, coalesce(s.prev, 0) AS stem_prev,
           -- what a contra account deducts, as a positive amount
           -coalesce(b.cur, 0) AS contra_cur, -coalesce(b.prev, 0) AS contra_prev
      FROM va020ms a
      LEFT JOIN stem s ON s.stem = left(a.acct_code, 5)
      LEFT JOIN pk_v_statement.sheet_balances(v_cur, v_prev) b ON b.acct_code = a.acct_code
     WHERE left(a.acct_code, 1) IN ('1', '2', '3')
       AND right(a.acct_code, 2) IN ('00', '95')
       AND a.acct_code NOT IN ('1330400', '1330450', '1330495', '1330496', '3799000', '3900000')
       -- an upper account of shown accounts is a group line, not an account line
       AND NOT EXISTS (SELECT 1 FROM va020ms c WHERE c.p_acct_code = a.acct_code AND c.acct_code <> a.acct_code
                          AND left(c.acct_code, 5) <> left(a.acct_code, 5)
                          AND right(c.acct_code, 2) IN ('00', '95'))),
  amounts AS (
    SELECT acct_code, acct_pname,
           CASE WHEN contra THEN contra_cur WHEN has_contra THEN stem_cur ELSE 0 END AS d_amount,
           CASE WHEN contra THEN stem_cur - contra_cur WHEN has_contra THEN 0 ELSE stem_cur END AS c_amount,
           CASE WHEN contra THEN contra_prev WHEN has_contra THEN stem_prev ELSE 0 END AS bd_amount,
           CASE WHEN contra THEN stem_prev - contra_prev WHEN has_contra THEN 0 ELSE stem_prev END AS bc_amount
      FROM shown)
  SELECT v_emp, acct_code, acct_pname, d_amount, c_amount, bd_amount, bc_amount, 0
    FROM amounts
   WHERE (d_amount, c_amount, bd_amount, bc_amount) <> (0, 0, 0, 0);

  -- Buildings: each own balance inside, the net of the stem outside.
  INSERT INTO vd031_rpt (u_emp_no, acct_code, acct_pname, d_amount, c_amount, bd_amount, bc_amount, lvl)
  WITH net AS (
    SELECT coalesce(sum(cur), 0) AS cur, coalesce(sum(prev), 0) AS prev
      FROM pk_v_statement.sheet_balances(v_cur, v_prev) WHERE left(acct_code, 5) = '13304')
  SELECT v_emp, a.acct_code, coalesce(a.acct_pname, a.acct_name),
         CASE WHEN a.acct_code = '1330400' THEN b.cur ELSE -b.cur END,
         CASE WHEN a.acct_code = '1330495' THEN net.cur ELSE 0 END,
         CASE WHEN a.acct_code = '1330400' THEN b.prev ELSE -b.prev END,
         CASE WHEN a.acct_code = '1330496' THEN net.prev ELSE 0 END,
         0
    FROM va020ms a
    CROSS JOIN net
    LEFT JOIN pk_v_statement.sheet_balances(v_cur, v_prev) b ON b.acct_code = a.acct_code
   WHERE a.acct_code IN ('1330400', '1330450', '1330495', '1330496')
     AND (b.acct_code IS NOT NULL OR net.cur <> 0 OR net.prev <> 0);

  -- The term's net income, current and previous, from the income statement.
  PERFORM pr_v_vdi020sp(v_ip, '0', v_cur, v_prev);
  INSERT INTO vd031_rpt (u_emp_no, acct_code, acct_pname, d_amount, c_amount, bd_amount, bc_amount, lvl)
  SELECT v_emp, '3799000', btrim(r.acct_name), 0, r.c_amount, 0, r.bc_amount, 0
    FROM vd020_rpt r
   WHERE r.ip_addr = v_ip AND r.acct_code = '9999999';

  -- Group lines up the account tree, and liabilities with equity.
  INSERT INTO vd031_rpt (u_emp_no, acct_code, acct_pname, d_amount, c_amount, bd_amount, bc_amount, lvl)
  SELECT v_emp, g.acct_code, coalesce(g.acct_pname, g.acct_name), 0, sum(r.c_amount), 0, sum(r.bc_amount), 1
    FROM vd031_rpt r
    JOIN pk_v_statement.account_groups() t ON t.acct_code = r.acct_code
    JOIN va020ms g ON g.acct_code = t.group_code
   WHERE r.u_emp_no = v_emp AND r.lvl = 0 AND t.group_level <= 3 AND g.acct_code <> '3900000'
     AND NOT EXISTS (SELECT 1 FROM vd031_rpt x WHERE x.u_emp_no = v_emp AND x.acct_code = g.acct_code)
   GROUP BY g.acct_code, g.acct_pname, g.acct_name
  UNION ALL
  SELECT v_emp, g.acct_code, coalesce(g.acct_pname, g.acct_name), 0, sum(r.c_amount), 0, sum(r.bc_amount), 1
    FROM vd031_rpt r
    JOIN va020ms g ON g.acct_code = '3900000'
   WHERE r.u_emp_no = v_emp AND r.lvl = 0 AND left(r.acct_code, 1) IN ('2', '3')
   GROUP BY g.acct_code, g.acct_pname, g.acct_name;

  SELECT count(*) INTO v_count FROM vd031_rpt WHERE u_emp_no = v_emp;
  RETURN 'T' || v_count;
END
$$;
