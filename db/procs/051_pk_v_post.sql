-- Package pk_v_post: posting of confirmed slips into the derived tables, their
-- rebuild from the confirmed lines, and the check that compares the two.
--
-- Every change goes through the move_* functions, which take movements (a
-- confirmation adds a slip's lines, a cancellation subtracts them, a month's
-- rebuild adds the difference between its lines and its sums) and carry them
-- into every later month and term they affect. The rebuilt_* functions say
-- what each table must hold, computed from the confirmed lines alone; the
-- same line rules (cash split, balance items, tax-invoice rows) serve both.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_post;

-- Postings, closings and rebuilds of the books run one at a time: one
-- transaction-level lock, waited for a few seconds at most.
CREATE OR REPLACE FUNCTION pk_v_post.lock_books() RETURNS TEXT
LANGUAGE plpgsql VOLATILE AS
$$
BEGIN
  FOR i IN 1..100 LOOP
    IF pg_try_advisory_xact_lock(hashtext('pk_v_post.books')) THEN
      RETURN NULL;
    END IF;
    PERFORM pg_sleep(0.05);
  END LOOP;
  RETURN '다른 사용자가 확정 또는 마감 작업 중입니다. 잠시 후 다시 하세요.!';
END
$$;

-- Marks the current transaction as the engine's own, for the guard on
-- confirmed slips.
CREATE OR REPLACE FUNCTION pk_v_post.enter_engine() RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$ BEGIN SET LOCAL tv.engine = 'on'; END $$;

CREATE OR REPLACE FUNCTION pk_v_post.leave_engine() RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$ BEGIN SET LOCAL tv.engine = ''; END $$;

---------------------------------------------------------------------------
-- Line rules
---------------------------------------------------------------------------

-- Each line of a slip split into transfer and cash (one row per line, and
-- one row per slip for the cash account): the net cash a slip receives is
-- credited "cash" to its non-cash credit lines in line order, the net cash it
-- pays debited "cash" to its non-cash debit lines; the cash account's own
-- offsetting debits and credits are its transfer. Filter by SLIP_NO for one
-- slip, by SUM_DATE (the lines' confirmation date) for the books; a slip's
-- lines share their confirmation date, so partitioning by it as well lets a
-- date filter reach the lines.
CREATE OR REPLACE VIEW pk_v_post.cash_split AS
  WITH cash AS MATERIALIZED (SELECT pk_v_ledger.cash_account() AS acct)
  SELECT x.slip_no, x.sum_date, x.acct_code,
         x.d - x.cash_d AS damt, x.c - x.cash_c AS camt, x.cash_d AS cash_damt, x.cash_c AS cash_camt
    FROM (SELECT l.slip_no, l.conf_date AS sum_date, l.acct_code, l.d_amount AS d, l.c_amount AS c,
                 CASE WHEN l.net < 0 THEN greatest(0, least(l.d_amount, -l.net - l.d_before)) ELSE 0 END AS cash_d,
                 CASE WHEN l.net > 0 THEN greatest(0, least(l.c_amount, l.net - l.c_before)) ELSE 0 END AS cash_c
            FROM (SELECT l.*,
                         sum(CASE WHEN l.is_cash THEN l.d_amount - l.c_amount ELSE 0 END)
                           OVER (PARTITION BY l.slip_no, l.conf_date) AS net,
                         sum(CASE WHEN l.is_cash THEN 0 ELSE l.d_amount END)
                           OVER (PARTITION BY l.slip_no, l.conf_date ORDER BY l.slip_seq_no ROWS UNBOUNDED PRECEDING)
                           - l.d_amount AS d_before,
                         sum(CASE WHEN l.is_cash THEN 0 ELSE l.c_amount END)
                           OVER (PARTITION BY l.slip_no, l.conf_date ORDER BY l.slip_seq_no ROWS UNBOUNDED PRECEDING)
                           - l.c_amount AS c_before
                    FROM (SELECT v.*, v.acct_code = cash.acct AS is_cash FROM vb011ms v, cash) l) l
           WHERE NOT l.is_cash) x
  UNION ALL
  SELECT l.slip_no, l.conf_date, l.acct_code,
         least(sum(l.d_amount), sum(l.c_amount)), least(sum(l.d_amount), sum(l.c_amount)),
         sum(l.d_amount) - least(sum(l.d_amount), sum(l.c_amount)),
         sum(l.c_amount) - least(sum(l.d_amount), sum(l.c_amount))
    FROM vb011ms l, cash
   WHERE l.acct_code = cash.acct
   GROUP BY l.slip_no, l.conf_date, l.acct_code;

-- The balance-item values of each line of a balance-managed account: the
-- item codes the account's rules put at balance positions 1-3, and the values
-- the line carries there. FUND marks the cash and deposit accounts.
CREATE OR REPLACE VIEW pk_v_post.balance_lines AS
  WITH f AS MATERIALIZED (SELECT pk_v_ledger.fund_accounts() AS accts)
  SELECT l.slip_no, l.conf_date AS slip_date, l.acct_code, l.acct_code = ANY (f.accts) AS fund,
         r.cd1 AS item_cd1, v.v1 AS item_desc1, v.n1 AS item_desc1nm,
         r.cd2 AS item_cd2, v.v2 AS item_desc2, v.n2 AS item_desc2nm,
         r.cd3 AS item_cd3, v.v3 AS item_desc3, v.n3 AS item_desc3nm,
         l.d_amount AS dr_amt, l.c_amount AS cr_amt
    FROM f, vb011ms l
    JOIN va020ms a ON a.acct_code = l.acct_code AND a.bal_yn = 'Y'
    LEFT JOIN (SELECT q.acct_code,
                      max(q.mg_code) FILTER (WHERE q.bal_no = 1) AS cd1,
                      max(q.mg_code) FILTER (WHERE q.bal_no = 2) AS cd2,
                      max(q.mg_code) FILTER (WHERE q.bal_no = 3) AS cd3
                 FROM va040ms q WHERE q.use_yn = 'Y' AND q.bal_no BETWEEN 1 AND 3
                GROUP BY q.acct_code) r ON r.acct_code = l.acct_code
    -- per line, so that a filter on the lines' date bounds the work too
    LEFT JOIN LATERAL (
      SELECT max(i.mg_detail) FILTER (WHERE q.bal_no = 1) AS v1,
             max(i.mg_detail_name) FILTER (WHERE q.bal_no = 1) AS n1,
             max(i.mg_detail) FILTER (WHERE q.bal_no = 2) AS v2,
             max(i.mg_detail_name) FILTER (WHERE q.bal_no = 2) AS n2,
             max(i.mg_detail) FILTER (WHERE q.bal_no = 3) AS v3,
             max(i.mg_detail_name) FILTER (WHERE q.bal_no = 3) AS n3
        FROM vb011dt i
        JOIN va040ms q ON q.acct_code = i.acct_code AND q.lineup_no = i.lineup_no
                      AND q.use_yn = 'Y' AND q.bal_no BETWEEN 1 AND 3
       WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no) v ON true;

-- Tax-invoice records: a line carrying a supply amount (item 110) is a tax
-- invoice of the kind of item 111, or without it a purchase invoice (kind
-- '2') on a debit line and a sales invoice (kind '6') on a credit line; the
-- counterpart is the customer of item 154 (or 101), the invoice date item
-- 124, the tax the line's amount, none for the kinds without tax (1, 3, 5),
-- whose line is the expense or revenue line itself. The business place is
-- item 112, or without it '2' for head-office departments (codes beginning
-- with 1) and '1' for the others.
CREATE OR REPLACE VIEW pk_v_post.tax_rows AS
  SELECT l.slip_no, l.slip_seq_no, it.conf_date,
         coalesce(c.c_num, left(it.cnum_text, 12))::VARCHAR(12) AS c_num, c.c_name, c.boss_name, c.c_type, c.c_item,
         1 AS volume, it.supply AS sup_price, x.tax, it.supply + x.tax AS total_price,
         coalesce(it.kind, CASE WHEN l.d_amount <> 0 THEN '2' ELSE '6' END)::VARCHAR(2) AS bill_type,
         coalesce(it.place, CASE WHEN h.dept_code LIKE '1%' THEN '2' ELSE '1' END)::VARCHAR(4) AS company,
         left(it.deal_date, 10)::VARCHAR(10) AS deal_date, pk_v_slip_01.to_day(it.deal_date) AS tax_date,
         l.ref_data AS summary, LOCALTIMESTAMP(0) AS u_date, h.u_ip, h.conf_emp_no AS u_emp_no
    FROM (SELECT i.slip_no, i.slip_seq_no, i.conf_date,
                 coalesce(nullif(regexp_replace(max(i.mg_detail) FILTER (WHERE i.mg_code = '110'), '[^0-9-]', '', 'g'),
                                 ''), '0')::NUMERIC AS supply,
                 coalesce(max(i.mg_detail) FILTER (WHERE i.mg_code = '154'),
                          max(i.mg_detail) FILTER (WHERE i.mg_code = '101')) AS cust,
                 coalesce(max(i.mg_detail_name) FILTER (WHERE i.mg_code = '154'),
                          max(i.mg_detail) FILTER (WHERE i.mg_code = '102')) AS cnum_text,
                 max(i.mg_detail) FILTER (WHERE i.mg_code = '124') AS deal_date,
                 nullif(btrim(max(i.mg_detail) FILTER (WHERE i.mg_code = '111')), '') AS kind,
                 nullif(btrim(max(i.mg_detail) FILTER (WHERE i.mg_code = '112')), '') AS place
            FROM vb011dt i
           GROUP BY i.slip_no, i.slip_seq_no, i.conf_date
          HAVING count(*) FILTER (WHERE i.mg_code = '110') > 0) it
    JOIN vb011ms l ON l.slip_no = it.slip_no AND l.slip_seq_no = it.slip_seq_no
    JOIN vb010ms h ON h.slip_no = l.slip_no
    CROSS JOIN LATERAL (SELECT CASE WHEN it.kind IN ('1', '3', '5') THEN 0 ELSE l.d_amount + l.c_amount END AS tax) x
    LEFT JOIN va050ms c ON c.c_code = it.cust;

---------------------------------------------------------------------------
-- Movements
---------------------------------------------------------------------------

-- Gives accounts a row for every month of a term, with the balances they
-- have there so far, unless they have them already.
CREATE OR REPLACE FUNCTION pk_v_post.ensure_term_rows(p_session INTEGER, p_accts TEXT[]) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_first   TEXT := pk_v_ledger.first_month(p_session);
  v_missing TEXT[];
BEGIN
  -- nearly always every account has its rows already
  SELECT array_agg(DISTINCT x.a) INTO v_missing
    FROM unnest(p_accts) AS x(a)
   WHERE NOT EXISTS (SELECT 1 FROM vb071ms v WHERE v.acct_code = x.a AND v.sum_month = v_first);
  IF v_missing IS NULL THEN
    RETURN;
  END IF;
  INSERT INTO vb071ms (sum_month, acct_code, d_amount, c_amount, bd_amount, bc_amount, bal_amount, u_date)
  SELECT m, x.a, 0, 0, 0, 0, coalesce(o.bal_amount, 0), LOCALTIMESTAMP(0)
    FROM unnest(v_missing) AS x(a)
    LEFT JOIN vb070ms o ON o.session_id = p_session AND o.acct_code = x.a
    CROSS JOIN pk_v_ledger.term_months(p_session) m
  ON CONFLICT DO NOTHING;
END
$$;

-- Moves the openings of a term (normal direction) and its monthly balances.
CREATE OR REPLACE FUNCTION pk_v_post.move_openings(p_session INTEGER, p_accts TEXT[], p_delta NUMERIC[])
RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_first TEXT := pk_v_ledger.first_month(p_session);
  v_last  TEXT := pk_v_ledger.last_month(p_session);
BEGIN
  PERFORM pk_v_post.ensure_term_rows(p_session, p_accts);
  INSERT INTO vb070ms AS o (session_id, acct_code, bal_amount)
  SELECT p_session, a, sum(v) FROM unnest(p_accts, p_delta) AS x(a, v) GROUP BY a
  ON CONFLICT (session_id, acct_code) DO UPDATE SET bal_amount = o.bal_amount + EXCLUDED.bal_amount;
  UPDATE vb071ms v SET bal_amount = v.bal_amount + x.delta
    FROM (SELECT a, sum(d) AS delta FROM unnest(p_accts, p_delta) AS u(a, d) GROUP BY a) x
   WHERE v.acct_code = x.a AND v.sum_month BETWEEN v_first AND v_last;
END
$$;

-- Account movements of one month: the month's sums, the term-to-date totals
-- and balances of the term's later months, and the openings of later terms
-- (classes 1-3 by their own change, the retained-earnings account by the
-- change in net income).
CREATE OR REPLACE FUNCTION pk_v_post.move_accounts(p_month TEXT, p_accts TEXT[], p_d NUMERIC[], p_c NUMERIC[])
RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_term   INTEGER := pk_v_ledger.term_of_month(p_month);
  v_last   TEXT;
  v_later  INTEGER;
  v_laters INTEGER[];
  a TEXT[]; d NUMERIC[]; c NUMERIC[]; delta NUMERIC[];
  v_re     TEXT;
  v_income NUMERIC;
BEGIN
  IF coalesce(cardinality(p_accts), 0) = 0 THEN
    RETURN;
  END IF;
  IF v_term IS NULL THEN
    PERFORM pk_common.raise_app_error(20102, '회계일자에 등록된 기수가 없습니다.(' || p_month || ')');
  END IF;
  v_last := pk_v_ledger.last_month(v_term);
  -- per account: debits, credits and the change of its balance
  SELECT array_agg(x.a), array_agg(x.d), array_agg(x.c),
         array_agg(CASE WHEN ac.dc_div = 'C' THEN x.c - x.d ELSE x.d - x.c END)
    INTO a, d, c, delta
    FROM (SELECT u.a, sum(u.d) AS d, sum(u.c) AS c FROM unnest(p_accts, p_d, p_c) AS u(a, d, c) GROUP BY u.a) x
    LEFT JOIN va020ms ac ON ac.acct_code = x.a;
  PERFORM pk_v_post.ensure_term_rows(v_term, a);
  UPDATE vb071ms v
     SET d_amount = v.d_amount + CASE WHEN v.sum_month = p_month THEN x.d ELSE 0 END,
         c_amount = v.c_amount + CASE WHEN v.sum_month = p_month THEN x.c ELSE 0 END,
         bd_amount = v.bd_amount + x.d,
         bc_amount = v.bc_amount + x.c,
         bal_amount = v.bal_amount + x.delta,
         u_date = LOCALTIMESTAMP(0)
    FROM unnest(a, d, c, delta) AS x(a, d, c, delta)
   WHERE v.acct_code = x.a AND v.sum_month BETWEEN p_month AND v_last;

  v_laters := ARRAY(SELECT pk_v_ledger.later_terms(v_term));
  IF cardinality(v_laters) = 0 THEN
    RETURN;
  END IF;
  SELECT sum(x.d - x.c) FILTER (WHERE pk_v_ledger.resets(x.a)) INTO v_income FROM unnest(a, d, c) AS x(a, d, c);
  SELECT array_agg(x.a), array_agg(x.delta) INTO a, delta
    FROM unnest(a, delta) AS x(a, delta) WHERE NOT pk_v_ledger.resets(x.a);
  IF v_income IS NOT NULL THEN
    v_re := pk_v_ledger.retained_account();
    a := coalesce(a, '{}') || v_re;
    delta := coalesce(delta, '{}') || (pk_v_ledger.side_of(v_re) * v_income);
  END IF;
  IF coalesce(cardinality(a), 0) = 0 THEN
    RETURN;
  END IF;
  FOREACH v_later IN ARRAY v_laters LOOP
    PERFORM pk_v_post.move_openings(v_later, a, delta);
  END LOOP;
END
$$;

-- Item-value movements of one month. The balance at the end of every month
-- with movement is kept on its row; later rows move with it (within the term
-- for classes 4-9, for ever for classes 1-3). Rows left without movement
-- carry nothing the month before does not, and are dropped.
CREATE OR REPLACE FUNCTION pk_v_post.move_items(p_month TEXT, p_accts TEXT[], p_codes TEXT[], p_details TEXT[],
                                                p_names TEXT[], p_d NUMERIC[], p_c NUMERIC[])
RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_term  INTEGER := pk_v_ledger.term_of_month(p_month);
  v_first TEXT := pk_v_ledger.first_month(v_term);
  v_last  TEXT := pk_v_ledger.last_month(v_term);
  a TEXT[]; g TEXT[]; v TEXT[]; n TEXT[]; d NUMERIC[]; c NUMERIC[]; delta NUMERIC[]; r BOOLEAN[];
BEGIN
  IF coalesce(cardinality(p_accts), 0) = 0 THEN
    RETURN;
  END IF;
  -- per account and value: debits, credits, the change of its balance and
  -- whether it starts each term at zero
  SELECT array_agg(x.a), array_agg(x.g), array_agg(x.v), array_agg(x.n), array_agg(x.d), array_agg(x.c),
         array_agg(CASE WHEN ac.dc_div = 'C' THEN x.c - x.d ELSE x.d - x.c END),
         array_agg(pk_v_ledger.resets(x.a))
    INTO a, g, v, n, d, c, delta, r
    FROM (SELECT u.a, u.g, u.v, max(u.n) AS n, sum(u.d) AS d, sum(u.c) AS c
            FROM unnest(p_accts, p_codes, p_details, p_names, p_d, p_c) AS u(a, g, v, n, d, c)
           GROUP BY u.a, u.g, u.v) x
    LEFT JOIN va020ms ac ON ac.acct_code = x.a;

  UPDATE vb061ms m
     SET d_amount = m.d_amount + CASE WHEN m.sum_month = p_month THEN x.d ELSE 0 END,
         c_amount = m.c_amount + CASE WHEN m.sum_month = p_month THEN x.c ELSE 0 END,
         bal_amount = m.bal_amount + x.delta,
         mg_detail_name = CASE WHEN m.sum_month = p_month THEN coalesce(x.n, m.mg_detail_name)
                               ELSE m.mg_detail_name END,
         u_date = CASE WHEN m.sum_month = p_month THEN LOCALTIMESTAMP(0) ELSE m.u_date END
    FROM unnest(a, g, v, n, d, c, delta, r) AS x(a, g, v, n, d, c, delta, r)
   WHERE m.acct_code = x.a AND m.mg_code = x.g AND m.mg_detail = x.v
     AND m.sum_month >= p_month AND (NOT x.r OR m.sum_month <= v_last);

  -- a value without a row in the month yet starts from its balance before
  INSERT INTO vb061ms (sum_month, acct_code, mg_code, mg_detail, mg_detail_name, d_amount, c_amount,
                       bal_amount, u_date)
  SELECT p_month, x.a, x.g, x.v, x.n, x.d, x.c,
         coalesce((SELECT p.bal_amount FROM vb061ms p
                    WHERE p.acct_code = x.a AND p.mg_code = x.g AND p.mg_detail = x.v AND p.sum_month < p_month
                      AND (NOT x.r OR p.sum_month >= v_first)
                    ORDER BY p.sum_month DESC LIMIT 1), 0) + x.delta,
         LOCALTIMESTAMP(0)
    FROM unnest(a, g, v, n, d, c, delta, r) AS x(a, g, v, n, d, c, delta, r)
   WHERE NOT EXISTS (SELECT 1 FROM vb061ms m
                      WHERE m.sum_month = p_month AND m.acct_code = x.a AND m.mg_code = x.g AND m.mg_detail = x.v);

  DELETE FROM vb061ms m USING unnest(a, g, v) AS x(a, g, v)
   WHERE m.sum_month = p_month AND m.acct_code = x.a AND m.mg_code = x.g AND m.mg_detail = x.v
     AND m.d_amount = 0 AND m.c_amount = 0;
END
$$;

-- Daily movements of balance-managed accounts (VB080MS) and the monthly sums
-- of the cash and deposit accounts (VB085MS, whose first month of each term
-- carries the balance brought from the terms before). Rows left without any
-- amount are dropped: the upserts name them, so nothing else is searched.
CREATE OR REPLACE FUNCTION pk_v_post.move_balance_items(p_rows pk_v_post.balance_move[]) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_month  TEXT;
  v_later  INTEGER;
  v_empty  TID[];
  v_more   TID[];
BEGIN
  IF coalesce(cardinality(p_rows), 0) = 0 THEN
    RETURN;
  END IF;
  WITH moved AS (
    INSERT INTO vb080ms AS v (acct_code, slip_date, item_cd1, item_desc1, item_desc1nm, item_cd2, item_desc2,
                              item_desc2nm, item_cd3, item_desc3, item_desc3nm, dr_amt, cr_amt, u_date)
    SELECT acct_code, slip_date, item_cd1, item_desc1, max(item_desc1nm), item_cd2, item_desc2, max(item_desc2nm),
           item_cd3, item_desc3, max(item_desc3nm), sum(dr_amt), sum(cr_amt), LOCALTIMESTAMP(0)
      FROM unnest(p_rows)
     GROUP BY acct_code, slip_date, item_cd1, item_desc1, item_cd2, item_desc2, item_cd3, item_desc3
    ON CONFLICT ON CONSTRAINT vb080ms_uk DO UPDATE
       SET dr_amt = v.dr_amt + EXCLUDED.dr_amt, cr_amt = v.cr_amt + EXCLUDED.cr_amt,
           item_desc1nm = coalesce(EXCLUDED.item_desc1nm, v.item_desc1nm),
           item_desc2nm = coalesce(EXCLUDED.item_desc2nm, v.item_desc2nm),
           item_desc3nm = coalesce(EXCLUDED.item_desc3nm, v.item_desc3nm),
           u_date = EXCLUDED.u_date
    RETURNING v.ctid, v.dr_amt, v.cr_amt)
  SELECT array_agg(ctid) INTO v_empty FROM moved WHERE dr_amt = 0 AND cr_amt = 0;
  IF v_empty IS NOT NULL THEN
    DELETE FROM vb080ms WHERE ctid = ANY (v_empty);
  END IF;

  v_empty := NULL;
  FOR v_month IN SELECT DISTINCT to_char(r.slip_date, 'YYYYMM') FROM unnest(p_rows) r WHERE r.fund LOOP
    WITH moved AS (
      INSERT INTO vb085ms AS v (acct_code, slip_ym, item_desc1, item_desc1nm, item_desc2, bf_amt, dr_amt, cr_amt,
                                u_date)
      SELECT acct_code, v_month, item_desc1, max(item_desc1nm), item_desc2, 0, sum(dr_amt), sum(cr_amt),
             LOCALTIMESTAMP(0)
        FROM unnest(p_rows)
       WHERE fund AND to_char(slip_date, 'YYYYMM') = v_month
       GROUP BY acct_code, item_desc1, item_desc2
      ON CONFLICT ON CONSTRAINT vb085ms_uk DO UPDATE
         SET dr_amt = v.dr_amt + EXCLUDED.dr_amt, cr_amt = v.cr_amt + EXCLUDED.cr_amt,
             item_desc1nm = coalesce(EXCLUDED.item_desc1nm, v.item_desc1nm), u_date = EXCLUDED.u_date
      RETURNING v.ctid, v.bf_amt, v.dr_amt, v.cr_amt)
    SELECT array_agg(ctid) INTO v_more FROM moved WHERE bf_amt = 0 AND dr_amt = 0 AND cr_amt = 0;
    v_empty := v_empty || v_more;
    FOR v_later IN SELECT pk_v_ledger.later_terms(pk_v_ledger.term_of_month(v_month)) LOOP
      WITH moved AS (
        INSERT INTO vb085ms AS v (acct_code, slip_ym, item_desc1, item_desc1nm, item_desc2, bf_amt, dr_amt, cr_amt,
                                  u_date)
        SELECT acct_code, pk_v_ledger.first_month(v_later), item_desc1, max(item_desc1nm), item_desc2,
               sum(dr_amt - cr_amt), 0, 0, LOCALTIMESTAMP(0)
          FROM unnest(p_rows)
         WHERE fund AND to_char(slip_date, 'YYYYMM') = v_month
         GROUP BY acct_code, item_desc1, item_desc2
        ON CONFLICT ON CONSTRAINT vb085ms_uk DO UPDATE
           SET bf_amt = v.bf_amt + EXCLUDED.bf_amt,
               item_desc1nm = coalesce(v.item_desc1nm, EXCLUDED.item_desc1nm), u_date = EXCLUDED.u_date
        RETURNING v.ctid, v.bf_amt, v.dr_amt, v.cr_amt)
      SELECT array_agg(ctid) INTO v_more FROM moved WHERE bf_amt = 0 AND dr_amt = 0 AND cr_amt = 0;
      v_empty := v_empty || v_more;
    END LOOP;
  END LOOP;
  IF v_empty IS NOT NULL THEN
    DELETE FROM vb085ms WHERE ctid = ANY (v_empty);
  END IF;
END
$$;

-- Daily transfer and cash sums (VC030PR).
CREATE OR REPLACE FUNCTION pk_v_post.move_days(p_rows pk_v_post.day_move[]) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_empty TID[];
BEGIN
  IF coalesce(cardinality(p_rows), 0) = 0 THEN
    RETURN;
  END IF;
  WITH moved AS (
    INSERT INTO vc030pr AS v (sum_date, acct_code, damt, camt, cash_damt, cash_camt)
    SELECT sum_date, acct_code, sum(damt), sum(camt), sum(cash_damt), sum(cash_camt)
      FROM unnest(p_rows)
     GROUP BY sum_date, acct_code
    ON CONFLICT (sum_date, acct_code) DO UPDATE
       SET damt = v.damt + EXCLUDED.damt, camt = v.camt + EXCLUDED.camt,
           cash_damt = v.cash_damt + EXCLUDED.cash_damt, cash_camt = v.cash_camt + EXCLUDED.cash_camt
    RETURNING v.ctid, v.damt, v.camt, v.cash_damt, v.cash_camt)
  SELECT array_agg(ctid) INTO v_empty FROM moved WHERE damt = 0 AND camt = 0 AND cash_damt = 0 AND cash_camt = 0;
  IF v_empty IS NOT NULL THEN
    DELETE FROM vc030pr WHERE ctid = ANY (v_empty);
  END IF;
END
$$;

-- Posts one slip (p_factor 1) or takes its posting back (p_factor -1), on the
-- confirmation day p_day, into every derived table.
CREATE OR REPLACE FUNCTION pk_v_post.post_slip(p_slip_no TEXT, p_day DATE, p_factor INTEGER) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_month TEXT := pk_v_ledger.month_of(p_day);
  a TEXT[]; g TEXT[]; v TEXT[]; n TEXT[]; d NUMERIC[]; c NUMERIC[];
BEGIN
  SELECT array_agg(acct_code), array_agg(d_amount * p_factor), array_agg(c_amount * p_factor)
    INTO a, d, c FROM vb011ms WHERE slip_no = p_slip_no;
  PERFORM pk_v_post.move_accounts(v_month, a, d, c);

  SELECT array_agg(acct_code), array_agg(mg_code), array_agg(mg_detail), array_agg(mg_detail_name),
         array_agg(d_amount * p_factor), array_agg(c_amount * p_factor)
    INTO a, g, v, n, d, c FROM vb011dt WHERE slip_no = p_slip_no;
  PERFORM pk_v_post.move_items(v_month, a, g, v, n, d, c);

  PERFORM pk_v_post.move_balance_items(ARRAY(
    SELECT ROW(b.acct_code, p_day, b.item_cd1, b.item_desc1, b.item_desc1nm, b.item_cd2, b.item_desc2,
               b.item_desc2nm, b.item_cd3, b.item_desc3, b.item_desc3nm, b.fund,
               b.dr_amt * p_factor, b.cr_amt * p_factor)::pk_v_post.balance_move
      FROM pk_v_post.balance_lines b WHERE b.slip_no = p_slip_no));
  PERFORM pk_v_post.move_days(ARRAY(
    SELECT ROW(p_day, s.acct_code, s.damt * p_factor, s.camt * p_factor,
               s.cash_damt * p_factor, s.cash_camt * p_factor)::pk_v_post.day_move
      FROM pk_v_post.cash_split s WHERE s.slip_no = p_slip_no));

  IF p_factor > 0 THEN
    INSERT INTO vb040ms SELECT * FROM pk_v_post.tax_rows t WHERE t.slip_no = p_slip_no;
  ELSE
    DELETE FROM vb040ms WHERE slip_no = p_slip_no;
  END IF;
END
$$;

-- The openings a term after p_session must have, from p_session's balances
-- at its end: classes 1-3 their balance, the retained-earnings account its
-- balance and the term's net income.
CREATE OR REPLACE FUNCTION pk_v_post.openings_after(p_session INTEGER)
RETURNS TABLE (acct_code VARCHAR, bal_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT x.acct_code, sum(x.bal_amount)
    FROM (SELECT m.acct_code, m.bal_amount
            FROM vb071ms m
           WHERE m.sum_month = pk_v_ledger.last_month(p_session) AND NOT pk_v_ledger.resets(m.acct_code)
          UNION ALL
          SELECT pk_v_ledger.retained_account(),
                 pk_v_ledger.side_of(pk_v_ledger.retained_account()) * sum(m.d_amount - m.c_amount)
            FROM vb071ms m
           WHERE m.sum_month BETWEEN pk_v_ledger.first_month(p_session) AND pk_v_ledger.last_month(p_session)
             AND pk_v_ledger.resets(m.acct_code)
          HAVING count(*) > 0) x
   GROUP BY 1
  HAVING sum(x.bal_amount) <> 0
$$;

-- Gives a new term without slips its openings from the term before it.
CREATE OR REPLACE FUNCTION pk_v_post.open_term(p_session INTEGER) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_prev INTEGER := pk_v_ledger.previous_term(p_session);
  a TEXT[]; d NUMERIC[];
BEGIN
  IF v_prev IS NULL THEN
    RETURN;
  END IF;
  SELECT array_agg(o.acct_code), array_agg(o.bal_amount) INTO a, d FROM pk_v_post.openings_after(v_prev) o;
  IF a IS NOT NULL THEN
    PERFORM pk_v_post.move_openings(p_session, a, d);
  END IF;
  -- the cash and deposit accounts bring their balances per bank account
  INSERT INTO vb085ms AS v (acct_code, slip_ym, item_desc1, item_desc1nm, item_desc2, bf_amt, dr_amt, cr_amt, u_date)
  SELECT acct_code, pk_v_ledger.first_month(p_session), item_desc1, max(item_desc1nm), item_desc2,
         sum(bf_amt + dr_amt - cr_amt), 0, 0, LOCALTIMESTAMP(0)
    FROM vb085ms
   WHERE slip_ym BETWEEN pk_v_ledger.first_month(v_prev) AND pk_v_ledger.last_month(v_prev)
   GROUP BY acct_code, item_desc1, item_desc2
  HAVING sum(bf_amt + dr_amt - cr_amt) <> 0
  ON CONFLICT ON CONSTRAINT vb085ms_uk DO UPDATE SET bf_amt = v.bf_amt + EXCLUDED.bf_amt;
END
$$;

---------------------------------------------------------------------------
-- What the derived tables must hold, from the confirmed lines alone
---------------------------------------------------------------------------

-- Month sums per account of the confirmed lines.
CREATE OR REPLACE FUNCTION pk_v_post.line_months()
RETURNS TABLE (sum_month TEXT, session_id INTEGER, acct_code VARCHAR, d_amount NUMERIC, c_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT x.m, t.session_id, x.acct_code, x.d, x.c
    FROM (SELECT to_char(conf_date, 'YYYYMM') AS m, acct_code, sum(d_amount) AS d, sum(c_amount) AS c
            FROM vb011ms WHERE conf_date IS NOT NULL GROUP BY 1, 2) x
    LEFT JOIN vi010ms t ON to_date(x.m || '01', 'YYYYMMDD') BETWEEN t.st_date AND t.ed_date
$$;

-- Term openings: classes 1-3 carry the sum of every earlier term's movements;
-- the retained-earnings account also receives every earlier term's net income.
CREATE OR REPLACE FUNCTION pk_v_post.rebuilt_vb070ms()
RETURNS TABLE (session_id INTEGER, acct_code VARCHAR, bal_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH mv AS (SELECT * FROM pk_v_post.line_months()),
  re AS (SELECT CASE WHEN EXISTS (SELECT 1 FROM mv WHERE pk_v_ledger.resets(mv.acct_code))
                     THEN pk_v_ledger.retained_account() END AS acct),
  per_term AS (
    SELECT mv.session_id, mv.acct_code, pk_v_ledger.side_of(mv.acct_code) * sum(mv.d_amount - mv.c_amount) AS v
      FROM mv WHERE NOT pk_v_ledger.resets(mv.acct_code) GROUP BY 1, 2
    UNION ALL
    SELECT mv.session_id, re.acct, pk_v_ledger.side_of(re.acct) * sum(mv.d_amount - mv.c_amount)
      FROM mv, re WHERE pk_v_ledger.resets(mv.acct_code) GROUP BY 1, 2)
  SELECT t.session_id, p.acct_code, sum(p.v)
    FROM vi010ms t
    JOIN vi010ms e ON e.ed_date < t.st_date
    JOIN per_term p ON p.session_id = e.session_id
   GROUP BY 1, 2
$$;

CREATE OR REPLACE FUNCTION pk_v_post.rebuilt_vb071ms()
RETURNS TABLE (sum_month TEXT, acct_code VARCHAR, d_amount NUMERIC, c_amount NUMERIC,
               bd_amount NUMERIC, bc_amount NUMERIC, bal_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH mv AS (SELECT * FROM pk_v_post.line_months()),
  op AS (SELECT * FROM pk_v_post.rebuilt_vb070ms()),
  accts AS (SELECT DISTINCT mv.session_id, mv.acct_code FROM mv WHERE mv.session_id IS NOT NULL
            UNION SELECT op.session_id, op.acct_code FROM op),
  grid AS (SELECT a.session_id, a.acct_code, m AS sum_month
             FROM accts a CROSS JOIN LATERAL pk_v_ledger.term_months(a.session_id) m)
  SELECT g.sum_month, g.acct_code, coalesce(mv.d_amount, 0), coalesce(mv.c_amount, 0),
         sum(coalesce(mv.d_amount, 0)) OVER w, sum(coalesce(mv.c_amount, 0)) OVER w,
         coalesce(op.bal_amount, 0)
           + CASE WHEN ac.dc_div = 'C' THEN -1 ELSE 1 END
             * sum(coalesce(mv.d_amount, 0) - coalesce(mv.c_amount, 0)) OVER w
    FROM grid g
    LEFT JOIN va020ms ac ON ac.acct_code = g.acct_code
    LEFT JOIN mv ON mv.sum_month = g.sum_month AND mv.acct_code = g.acct_code
    LEFT JOIN op ON op.session_id = g.session_id AND op.acct_code = g.acct_code
  WINDOW w AS (PARTITION BY g.session_id, g.acct_code ORDER BY g.sum_month)
$$;

CREATE OR REPLACE FUNCTION pk_v_post.rebuilt_vb061ms()
RETURNS TABLE (sum_month TEXT, acct_code VARCHAR, mg_code VARCHAR, mg_detail VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC, bal_amount NUMERIC, mg_detail_name VARCHAR)
LANGUAGE sql STABLE AS
$$
  WITH mv AS (
    SELECT x.m, t.session_id, x.acct_code, x.mg_code, x.mg_detail, x.d, x.c, x.nm
      FROM (SELECT to_char(conf_date, 'YYYYMM') AS m, acct_code, mg_code, mg_detail,
                   sum(d_amount) AS d, sum(c_amount) AS c, max(mg_detail_name) AS nm
              FROM vb011dt WHERE conf_date IS NOT NULL GROUP BY 1, 2, 3, 4) x
      LEFT JOIN vi010ms t ON to_date(x.m || '01', 'YYYYMMDD') BETWEEN t.st_date AND t.ed_date)
  SELECT mv.m, mv.acct_code, mv.mg_code, mv.mg_detail, mv.d, mv.c,
         CASE WHEN a.dc_div = 'C' THEN -1 ELSE 1 END
           * sum(mv.d - mv.c) OVER (PARTITION BY mv.acct_code, mv.mg_code, mv.mg_detail,
                                                 CASE WHEN pk_v_ledger.resets(mv.acct_code) THEN mv.session_id END
                                    ORDER BY mv.m),
         mv.nm
    FROM mv LEFT JOIN va020ms a ON a.acct_code = mv.acct_code
$$;

CREATE OR REPLACE FUNCTION pk_v_post.rebuilt_vb080ms()
RETURNS TABLE (acct_code VARCHAR, slip_date DATE, item_cd1 VARCHAR, item_desc1 VARCHAR, item_cd2 VARCHAR,
               item_desc2 VARCHAR, item_cd3 VARCHAR, item_desc3 VARCHAR, dr_amt NUMERIC, cr_amt NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT acct_code, slip_date, item_cd1, item_desc1, item_cd2, item_desc2, item_cd3, item_desc3,
         sum(dr_amt), sum(cr_amt)
    FROM pk_v_post.balance_lines WHERE slip_date IS NOT NULL
   GROUP BY 1, 2, 3, 4, 5, 6, 7, 8
$$;

CREATE OR REPLACE FUNCTION pk_v_post.rebuilt_vb085ms()
RETURNS TABLE (acct_code VARCHAR, slip_ym TEXT, item_desc1 VARCHAR, item_desc2 VARCHAR,
               bf_amt NUMERIC, dr_amt NUMERIC, cr_amt NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH mv AS (
    SELECT b.acct_code, to_char(b.slip_date, 'YYYYMM') AS ym, t.session_id, b.item_desc1, b.item_desc2,
           sum(b.dr_amt) AS dr, sum(b.cr_amt) AS cr
      FROM pk_v_post.balance_lines b
      LEFT JOIN vi010ms t ON b.slip_date BETWEEN t.st_date AND t.ed_date
     WHERE b.fund AND b.slip_date IS NOT NULL GROUP BY 1, 2, 3, 4, 5),
  bf AS (
    SELECT mv.acct_code, pk_v_ledger.first_month(t.session_id) AS ym, mv.item_desc1, mv.item_desc2,
           sum(mv.dr - mv.cr) AS bf
      FROM vi010ms t JOIN vi010ms e ON e.ed_date < t.st_date JOIN mv ON mv.session_id = e.session_id
     GROUP BY 1, 2, 3, 4)
  SELECT coalesce(mv.acct_code, bf.acct_code), coalesce(mv.ym, bf.ym), coalesce(mv.item_desc1, bf.item_desc1),
         coalesce(mv.item_desc2, bf.item_desc2), coalesce(bf.bf, 0), coalesce(mv.dr, 0), coalesce(mv.cr, 0)
    FROM mv FULL JOIN bf
      ON bf.acct_code = mv.acct_code AND bf.ym = mv.ym
     AND bf.item_desc1 IS NOT DISTINCT FROM mv.item_desc1 AND bf.item_desc2 IS NOT DISTINCT FROM mv.item_desc2
$$;

CREATE OR REPLACE FUNCTION pk_v_post.rebuilt_vc030pr()
RETURNS TABLE (sum_date DATE, acct_code VARCHAR, damt NUMERIC, camt NUMERIC, cash_damt NUMERIC, cash_camt NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT sum_date, acct_code, sum(damt), sum(camt), sum(cash_damt), sum(cash_camt)
    FROM pk_v_post.cash_split WHERE sum_date IS NOT NULL GROUP BY 1, 2
$$;

-- Month sums per business division of the closed months.
CREATE OR REPLACE FUNCTION pk_v_post.division_accounts(p_month TEXT DEFAULT NULL)
RETURNS TABLE (sum_month TEXT, div_code VARCHAR, acct_code VARCHAR, d_amount NUMERIC, c_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT to_char(l.conf_date, 'YYYYMM'), coalesce(h.slip_kind, '-')::VARCHAR, l.acct_code,
         sum(l.d_amount), sum(l.c_amount)
    FROM vb011ms l JOIN vb010ms h ON h.slip_no = l.slip_no
   WHERE l.conf_date BETWEEN coalesce(to_date(p_month || '01', 'YYYYMMDD'), '0001-01-01')
                     AND coalesce((to_date(p_month || '01', 'YYYYMMDD') + INTERVAL '1 month - 1 day')::DATE,
                                  '9999-12-31')
     AND to_char(l.conf_date, 'YYYYMM') IN (SELECT y_month FROM vi011ms
                                             WHERE close_yn = 'Y' AND (p_month IS NULL OR y_month = p_month))
   GROUP BY 1, 2, 3
$$;

CREATE OR REPLACE FUNCTION pk_v_post.division_items(p_month TEXT DEFAULT NULL)
RETURNS TABLE (sum_month TEXT, div_code VARCHAR, acct_code VARCHAR, mg_code VARCHAR, mg_detail VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT to_char(i.conf_date, 'YYYYMM'), coalesce(h.slip_kind, '-')::VARCHAR, i.acct_code, i.mg_code, i.mg_detail,
         sum(i.d_amount), sum(i.c_amount)
    FROM vb011dt i JOIN vb010ms h ON h.slip_no = i.slip_no
   WHERE i.conf_date BETWEEN coalesce(to_date(p_month || '01', 'YYYYMMDD'), '0001-01-01')
                     AND coalesce((to_date(p_month || '01', 'YYYYMMDD') + INTERVAL '1 month - 1 day')::DATE,
                                  '9999-12-31')
     AND to_char(i.conf_date, 'YYYYMM') IN (SELECT y_month FROM vi011ms
                                             WHERE close_yn = 'Y' AND (p_month IS NULL OR y_month = p_month))
   GROUP BY 1, 2, 3, 4, 5
$$;

---------------------------------------------------------------------------
-- Check and rebuild
---------------------------------------------------------------------------

-- Every difference between a derived table and its rebuild from the
-- confirmed lines; no row means the books agree. Rows without any amount
-- count as absent.
CREATE OR REPLACE FUNCTION pk_v_post.check_books()
RETURNS TABLE (table_name TEXT, row_key TEXT, maintained TEXT, rebuilt TEXT)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
  SELECT 'VB070MS', concat_ws('/', coalesce(a.session_id, b.session_id), coalesce(a.acct_code, b.acct_code)),
         a.bal_amount::TEXT, b.bal_amount::TEXT
    FROM (SELECT * FROM vb070ms WHERE bal_amount <> 0) a
    FULL JOIN (SELECT * FROM pk_v_post.rebuilt_vb070ms() WHERE bal_amount <> 0) b
      ON a.session_id = b.session_id AND a.acct_code = b.acct_code
   WHERE a.bal_amount IS DISTINCT FROM b.bal_amount
  UNION ALL
  SELECT 'VB071MS', concat_ws('/', coalesce(a.sum_month, b.sum_month), coalesce(a.acct_code, b.acct_code)),
         concat_ws(',', a.d_amount, a.c_amount, a.bd_amount, a.bc_amount, a.bal_amount),
         concat_ws(',', b.d_amount, b.c_amount, b.bd_amount, b.bc_amount, b.bal_amount)
    FROM (SELECT * FROM vb071ms WHERE (d_amount, c_amount, bd_amount, bc_amount, bal_amount) <> (0, 0, 0, 0, 0)) a
    FULL JOIN (SELECT * FROM pk_v_post.rebuilt_vb071ms()
                WHERE (d_amount, c_amount, bd_amount, bc_amount, bal_amount) <> (0, 0, 0, 0, 0)) b
      ON a.sum_month = b.sum_month AND a.acct_code = b.acct_code
   WHERE (a.d_amount, a.c_amount, a.bd_amount, a.bc_amount, a.bal_amount)
         IS DISTINCT FROM (b.d_amount, b.c_amount, b.bd_amount, b.bc_amount, b.bal_amount)
  UNION ALL
  SELECT 'VB061MS', concat_ws('/', coalesce(a.sum_month, b.sum_month), coalesce(a.acct_code, b.acct_code),
                               coalesce(a.mg_code, b.mg_code), coalesce(a.mg_detail, b.mg_detail)),
         concat_ws(',', a.d_amount, a.c_amount, a.bal_amount), concat_ws(',', b.d_amount, b.c_amount, b.bal_amount)
    FROM (SELECT * FROM vb061ms WHERE (d_amount, c_amount) <> (0, 0)) a
    FULL JOIN (SELECT * FROM pk_v_post.rebuilt_vb061ms() WHERE (d_amount, c_amount) <> (0, 0)) b
      ON a.sum_month = b.sum_month AND a.acct_code = b.acct_code AND a.mg_code = b.mg_code AND a.mg_detail = b.mg_detail
   WHERE (a.d_amount, a.c_amount, a.bal_amount) IS DISTINCT FROM (b.d_amount, b.c_amount, b.bal_amount)
  UNION ALL
  SELECT 'VB080MS', concat_ws('/', coalesce(a.acct_code, b.acct_code), coalesce(a.slip_date, b.slip_date),
                               coalesce(a.item_desc1, b.item_desc1), coalesce(a.item_desc2, b.item_desc2),
                               coalesce(a.item_desc3, b.item_desc3)),
         concat_ws(',', a.dr_amt, a.cr_amt), concat_ws(',', b.dr_amt, b.cr_amt)
    FROM (SELECT * FROM vb080ms WHERE (dr_amt, cr_amt) <> (0, 0)) a
    FULL JOIN (SELECT * FROM pk_v_post.rebuilt_vb080ms() WHERE (dr_amt, cr_amt) <> (0, 0)) b
      ON a.acct_code = b.acct_code AND a.slip_date = b.slip_date
     AND (a.item_cd1, a.item_desc1, a.item_cd2, a.item_desc2, a.item_cd3, a.item_desc3)
         IS NOT DISTINCT FROM (b.item_cd1, b.item_desc1, b.item_cd2, b.item_desc2, b.item_cd3, b.item_desc3)
   WHERE (a.dr_amt, a.cr_amt) IS DISTINCT FROM (b.dr_amt, b.cr_amt)
  UNION ALL
  SELECT 'VB085MS', concat_ws('/', coalesce(a.acct_code, b.acct_code), coalesce(a.slip_ym, b.slip_ym),
                               coalesce(a.item_desc1, b.item_desc1), coalesce(a.item_desc2, b.item_desc2)),
         concat_ws(',', a.bf_amt, a.dr_amt, a.cr_amt), concat_ws(',', b.bf_amt, b.dr_amt, b.cr_amt)
    FROM (SELECT * FROM vb085ms WHERE (bf_amt, dr_amt, cr_amt) <> (0, 0, 0)) a
    FULL JOIN (SELECT * FROM pk_v_post.rebuilt_vb085ms() WHERE (bf_amt, dr_amt, cr_amt) <> (0, 0, 0)) b
      ON a.acct_code = b.acct_code AND a.slip_ym = b.slip_ym
     AND a.item_desc1 IS NOT DISTINCT FROM b.item_desc1 AND a.item_desc2 IS NOT DISTINCT FROM b.item_desc2
   WHERE (a.bf_amt, a.dr_amt, a.cr_amt) IS DISTINCT FROM (b.bf_amt, b.dr_amt, b.cr_amt)
  UNION ALL
  SELECT 'VC030PR', concat_ws('/', coalesce(a.sum_date, b.sum_date), coalesce(a.acct_code, b.acct_code)),
         concat_ws(',', a.damt, a.camt, a.cash_damt, a.cash_camt), concat_ws(',', b.damt, b.camt, b.cash_damt, b.cash_camt)
    FROM (SELECT * FROM vc030pr WHERE (damt, camt, cash_damt, cash_camt) <> (0, 0, 0, 0)) a
    FULL JOIN (SELECT * FROM pk_v_post.rebuilt_vc030pr() WHERE (damt, camt, cash_damt, cash_camt) <> (0, 0, 0, 0)) b
      ON a.sum_date = b.sum_date AND a.acct_code = b.acct_code
   WHERE (a.damt, a.camt, a.cash_damt, a.cash_camt) IS DISTINCT FROM (b.damt, b.camt, b.cash_damt, b.cash_camt)
  UNION ALL
  SELECT 'VB040MS', concat_ws('/', coalesce(a.slip_no, b.slip_no), coalesce(a.slip_seq_no, b.slip_seq_no)),
         concat_ws(',', a.conf_date, a.c_num, a.sup_price, a.tax, a.bill_type, a.company),
         concat_ws(',', b.conf_date, b.c_num, b.sup_price, b.tax, b.bill_type, b.company)
    FROM vb040ms a
    FULL JOIN (SELECT * FROM pk_v_post.tax_rows WHERE conf_date IS NOT NULL) b
      ON a.slip_no = b.slip_no AND a.slip_seq_no = b.slip_seq_no
   WHERE (a.conf_date, a.c_num, a.sup_price, a.tax, a.bill_type, a.company)
         IS DISTINCT FROM (b.conf_date, b.c_num, b.sup_price, b.tax, b.bill_type, b.company)
  UNION ALL
  SELECT 'VB072MS', concat_ws('/', coalesce(a.sum_month, b.sum_month), coalesce(a.div_code, b.div_code),
                               coalesce(a.acct_code, b.acct_code)),
         concat_ws(',', a.d_amount, a.c_amount), concat_ws(',', b.d_amount, b.c_amount)
    FROM vb072ms a FULL JOIN pk_v_post.division_accounts() b
      ON a.sum_month = b.sum_month AND a.div_code = b.div_code AND a.acct_code = b.acct_code
   WHERE (a.d_amount, a.c_amount) IS DISTINCT FROM (b.d_amount, b.c_amount)
  UNION ALL
  SELECT 'VB062MS', concat_ws('/', coalesce(a.sum_month, b.sum_month), coalesce(a.div_code, b.div_code),
                               coalesce(a.acct_code, b.acct_code), coalesce(a.mg_code, b.mg_code),
                               coalesce(a.mg_detail, b.mg_detail)),
         concat_ws(',', a.d_amount, a.c_amount), concat_ws(',', b.d_amount, b.c_amount)
    FROM vb062ms a FULL JOIN pk_v_post.division_items() b
      ON a.sum_month = b.sum_month AND a.div_code = b.div_code AND a.acct_code = b.acct_code
     AND a.mg_code = b.mg_code AND a.mg_detail = b.mg_detail
   WHERE (a.d_amount, a.c_amount) IS DISTINCT FROM (b.d_amount, b.c_amount)
$$;

-- Replaces every derived table by its rebuild (after a change of terms, of
-- the cash and deposit accounts or of balance positions). Answers the number
-- of confirmed lines read.
CREATE OR REPLACE FUNCTION pk_v_post.rebuild_books() RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_lock TEXT := pk_v_post.lock_books();
BEGIN
  IF v_lock IS NOT NULL THEN
    RETURN 'E' || v_lock;
  END IF;
  DELETE FROM vb070ms;
  INSERT INTO vb070ms (session_id, acct_code, bal_amount) SELECT * FROM pk_v_post.rebuilt_vb070ms();
  DELETE FROM vb071ms;
  INSERT INTO vb071ms (sum_month, acct_code, d_amount, c_amount, bd_amount, bc_amount, bal_amount, u_date)
  SELECT *, LOCALTIMESTAMP(0) FROM pk_v_post.rebuilt_vb071ms();
  DELETE FROM vb061ms;
  INSERT INTO vb061ms (sum_month, acct_code, mg_code, mg_detail, d_amount, c_amount, bal_amount, mg_detail_name, u_date)
  SELECT r.*, LOCALTIMESTAMP(0) FROM pk_v_post.rebuilt_vb061ms() r WHERE (r.d_amount, r.c_amount) <> (0, 0);
  DELETE FROM vb080ms;
  INSERT INTO vb080ms (acct_code, slip_date, item_cd1, item_desc1, item_desc1nm, item_cd2, item_desc2, item_desc2nm,
                       item_cd3, item_desc3, item_desc3nm, dr_amt, cr_amt, u_date)
  SELECT acct_code, slip_date, item_cd1, item_desc1, max(item_desc1nm), item_cd2, item_desc2, max(item_desc2nm),
         item_cd3, item_desc3, max(item_desc3nm), sum(dr_amt), sum(cr_amt), LOCALTIMESTAMP(0)
    FROM pk_v_post.balance_lines WHERE slip_date IS NOT NULL
   GROUP BY acct_code, slip_date, item_cd1, item_desc1, item_cd2, item_desc2, item_cd3, item_desc3
  HAVING (sum(dr_amt), sum(cr_amt)) <> (0, 0);
  DELETE FROM vb085ms;
  INSERT INTO vb085ms (acct_code, slip_ym, item_desc1, item_desc1nm, item_desc2, bf_amt, dr_amt, cr_amt, u_date)
  SELECT r.acct_code, r.slip_ym, r.item_desc1,
         (SELECT max(v.item_desc1nm) FROM vb080ms v
           WHERE v.acct_code = r.acct_code AND v.item_desc1 IS NOT DISTINCT FROM r.item_desc1),
         r.item_desc2, r.bf_amt, r.dr_amt, r.cr_amt, LOCALTIMESTAMP(0)
    FROM pk_v_post.rebuilt_vb085ms() r WHERE (r.bf_amt, r.dr_amt, r.cr_amt) <> (0, 0, 0);
  DELETE FROM vc030pr;
  INSERT INTO vc030pr SELECT * FROM pk_v_post.rebuilt_vc030pr()
   WHERE (damt, camt, cash_damt, cash_camt) <> (0, 0, 0, 0);
  DELETE FROM vb040ms;
  INSERT INTO vb040ms SELECT * FROM pk_v_post.tax_rows WHERE conf_date IS NOT NULL;
  DELETE FROM vb072ms;
  INSERT INTO vb072ms (sum_month, div_code, acct_code, d_amount, c_amount, u_date)
  SELECT *, LOCALTIMESTAMP(0) FROM pk_v_post.division_accounts();
  DELETE FROM vb062ms;
  INSERT INTO vb062ms (sum_month, div_code, acct_code, mg_code, mg_detail, d_amount, c_amount, u_date)
  SELECT *, LOCALTIMESTAMP(0) FROM pk_v_post.division_items();
  RETURN 'T' || (SELECT count(*) FROM vb011ms WHERE conf_date IS NOT NULL);
END
$$;
