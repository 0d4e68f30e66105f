-- Package pk_v_ledger: the one ledger kernel. Every book and statement reads
-- balances and ledger rows here; none derives them its own way.
--
-- A balance is in the account's normal direction (credit - debit for DC_DIV
-- 'C', debit - credit otherwise). A slip counts on its confirmation date. A
-- fiscal term (VI010MS) is a run of whole months; accounts of classes 1-3
-- carry their balance from term to term, classes 4-9 start every term at zero.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_ledger;
-- Lookups that statements call per row or per posting are PL/pgSQL, whose
-- plans stay prepared in the session; plain expressions stay SQL so that
-- they are inlined.

-- +1 for accounts kept debit - credit, -1 for credit - debit.
CREATE OR REPLACE FUNCTION pk_v_ledger.side(p_dc_div TEXT) RETURNS INTEGER
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN p_dc_div = 'C' THEN -1 ELSE 1 END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.side_of(p_acct TEXT) RETURNS INTEGER
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN coalesce((SELECT pk_v_ledger.side(dc_div) FROM va020ms WHERE acct_code = p_acct), 1);
END $$;

-- Revenue, cost and expense accounts (classes 4-9) start each term at zero.
CREATE OR REPLACE FUNCTION pk_v_ledger.resets(p_acct TEXT) RETURNS BOOLEAN
LANGUAGE sql IMMUTABLE AS
$$ SELECT left(p_acct, 1) BETWEEN '4' AND '9' $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.month_of(p_day DATE) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$ SELECT to_char(p_day, 'YYYYMM') $$;

-- The term a day or a month ('YYYYMM') belongs to; NULL outside every term.
CREATE OR REPLACE FUNCTION pk_v_ledger.term_of(p_day DATE) RETURNS INTEGER
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT session_id FROM vi010ms WHERE p_day BETWEEN st_date AND ed_date);
END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.term_of_month(p_month TEXT) RETURNS INTEGER
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT session_id FROM vi010ms
           WHERE to_date(p_month || '01', 'YYYYMMDD') BETWEEN st_date AND ed_date);
END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.first_month(p_session INTEGER) RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT to_char(st_date, 'YYYYMM') FROM vi010ms WHERE session_id = p_session);
END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.last_month(p_session INTEGER) RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT to_char(ed_date, 'YYYYMM') FROM vi010ms WHERE session_id = p_session);
END $$;

-- The months of a term, in order.
CREATE OR REPLACE FUNCTION pk_v_ledger.term_months(p_session INTEGER) RETURNS SETOF TEXT
LANGUAGE plpgsql STABLE ROWS 12 AS
$$ BEGIN
  RETURN QUERY SELECT to_char(m, 'YYYYMM')
      FROM vi010ms t, generate_series(date_trunc('month', t.st_date), t.ed_date, INTERVAL '1 month') m
     WHERE t.session_id = p_session
     ORDER BY 1;
END $$;

-- The terms after p_session, in order.
CREATE OR REPLACE FUNCTION pk_v_ledger.later_terms(p_session INTEGER) RETURNS SETOF INTEGER
LANGUAGE plpgsql STABLE ROWS 12 AS
$$ BEGIN
  RETURN QUERY SELECT l.session_id FROM vi010ms t JOIN vi010ms l ON l.st_date > t.ed_date
     WHERE t.session_id = p_session ORDER BY l.st_date;
END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.previous_term(p_session INTEGER) RETURNS INTEGER
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT p.session_id FROM vi010ms t JOIN vi010ms p ON p.ed_date < t.st_date
           WHERE t.session_id = p_session ORDER BY p.ed_date DESC LIMIT 1);
END $$;

-- Accounts named by the common codes of group V9998: '02' the cash account,
-- '01' (with ITEM1-3) the list of deposit accounts, '03' the account that
-- receives a closing term's net income.
CREATE OR REPLACE FUNCTION pk_v_ledger.cash_account() RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN coalesce((SELECT btrim(detail_name) FROM zx010ms WHERE head = 'V9998' AND detail = '02'), '1110110');
END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.fund_accounts() RETURNS TEXT[]
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN array_append(coalesce(
           (SELECT array_agg(m[1])
              FROM zx010ms z,
                   regexp_matches(coalesce(z.detail_name, '') || coalesce(z.item1, '') || coalesce(z.item2, '')
                                  || coalesce(z.item3, ''), '([0-9]{7})', 'g') m
             WHERE z.head = 'V9998' AND z.detail = '01'), '{}'),
         pk_v_ledger.cash_account());
END $$;

CREATE OR REPLACE FUNCTION pk_v_ledger.retained_account() RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v TEXT := (SELECT btrim(detail_name) FROM zx010ms WHERE head = 'V9998' AND detail = '03');
BEGIN
  IF v IS NULL OR NOT EXISTS (SELECT 1 FROM va020ms WHERE acct_code = v) THEN
    PERFORM pk_common.raise_app_error(20101,
      '이월이익잉여금 계정(공통코드 V9998-03)이 등록되어 있지 않습니다. 관리자에게 문의하세요.!');
  END IF;
  RETURN v;
END
$$;

-- The opening of an account in a term (zero for classes 4-9).
CREATE OR REPLACE FUNCTION pk_v_ledger.term_opening(p_acct TEXT, p_session INTEGER) RETURNS NUMERIC
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN coalesce((SELECT bal_amount FROM vb070ms WHERE session_id = p_session AND acct_code = p_acct), 0);
END $$;

-- The balance of an account at the start of a day: the month before from the
-- monthly sums (or the term's opening in its first month), plus the lines of
-- the day's month confirmed before the day. With an item code and value, the
-- balance of the lines carrying that value. Outside every term: NULL.
CREATE OR REPLACE FUNCTION pk_v_ledger.balance_before(p_acct TEXT, p_day DATE,
                                                      p_mg_code TEXT DEFAULT NULL, p_mg_detail TEXT DEFAULT NULL)
RETURNS NUMERIC
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_term  INTEGER := pk_v_ledger.term_of(p_day);
  v_month TEXT := pk_v_ledger.month_of(p_day);
  v_first TEXT;
  v_side  INTEGER := pk_v_ledger.side_of(p_acct);
  v_base  NUMERIC;
  v_month_lines NUMERIC;
BEGIN
  IF v_term IS NULL THEN
    RETURN NULL;
  END IF;
  v_first := pk_v_ledger.first_month(v_term);
  IF p_mg_code IS NULL THEN
    IF v_month = v_first THEN
      v_base := pk_v_ledger.term_opening(p_acct, v_term);
    ELSE
      v_base := coalesce((SELECT bal_amount FROM vb071ms
                           WHERE acct_code = p_acct
                             AND sum_month = to_char(to_date(v_month || '01', 'YYYYMMDD') - 1, 'YYYYMM')),
                         pk_v_ledger.term_opening(p_acct, v_term));
    END IF;
    SELECT coalesce(sum(d_amount - c_amount), 0) INTO v_month_lines
      FROM vb011ms
     WHERE acct_code = p_acct AND conf_date >= to_date(v_month || '01', 'YYYYMMDD') AND conf_date < p_day;
  ELSE
    v_base := coalesce((SELECT bal_amount FROM vb061ms
                         WHERE acct_code = p_acct AND mg_code = p_mg_code AND mg_detail = p_mg_detail
                           AND sum_month < v_month
                           AND (NOT pk_v_ledger.resets(p_acct) OR sum_month >= v_first)
                         ORDER BY sum_month DESC LIMIT 1), 0);
    SELECT coalesce(sum(d_amount - c_amount), 0) INTO v_month_lines
      FROM vb011dt
     WHERE acct_code = p_acct AND mg_code = p_mg_code AND mg_detail = p_mg_detail
       AND conf_date >= to_date(v_month || '01', 'YYYYMMDD') AND conf_date < p_day;
  END IF;
  RETURN v_base + v_side * v_month_lines;
END
$$;

-- The balance at the end of a day.
CREATE OR REPLACE FUNCTION pk_v_ledger.balance_at(p_acct TEXT, p_day DATE,
                                                  p_mg_code TEXT DEFAULT NULL, p_mg_detail TEXT DEFAULT NULL)
RETURNS NUMERIC
LANGUAGE plpgsql STABLE AS
$$
BEGIN
  IF pk_v_ledger.term_of(p_day + 1) IS NOT DISTINCT FROM pk_v_ledger.term_of(p_day) THEN
    RETURN pk_v_ledger.balance_before(p_acct, p_day + 1, p_mg_code, p_mg_detail);
  END IF;
  -- the last day of a term: the next day would open the next term, so add
  -- the day's own lines instead
  RETURN pk_v_ledger.balance_before(p_acct, p_day, p_mg_code, p_mg_detail)
         + pk_v_ledger.side_of(p_acct)
           * CASE WHEN p_mg_code IS NULL
                  THEN coalesce((SELECT sum(d_amount - c_amount) FROM vb011ms
                                  WHERE acct_code = p_acct AND conf_date = p_day), 0)
                  ELSE coalesce((SELECT sum(d_amount - c_amount) FROM vb011dt
                                  WHERE acct_code = p_acct AND mg_code = p_mg_code AND mg_detail = p_mg_detail
                                    AND conf_date = p_day), 0) END;
END
$$;

-- The figures of every account for one month: the term opening, the month's
-- debits and credits, the term-to-date debits and credits through the month
-- and the balance at month end. Reads one row per account.
CREATE OR REPLACE FUNCTION pk_v_ledger.month_figures(p_month TEXT)
RETURNS TABLE (acct_code VARCHAR, opening NUMERIC, d_amount NUMERIC, c_amount NUMERIC,
               bd_amount NUMERIC, bc_amount NUMERIC, bal_amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH t AS (SELECT pk_v_ledger.term_of_month(p_month) AS session_id)
  SELECT coalesce(m.acct_code, o.acct_code),
         coalesce(o.bal_amount, 0),
         coalesce(m.d_amount, 0), coalesce(m.c_amount, 0),
         coalesce(m.bd_amount, 0), coalesce(m.bc_amount, 0),
         coalesce(m.bal_amount, o.bal_amount, 0)
    FROM t
    JOIN (SELECT * FROM vb071ms WHERE sum_month = p_month) m ON true
    FULL JOIN (SELECT v.* FROM vb070ms v, t WHERE v.session_id = t.session_id) o ON o.acct_code = m.acct_code
   WHERE (SELECT session_id FROM t) IS NOT NULL
$$;

-- The parts of a period in each fiscal term it touches, in order: the first
-- starts on the period's first day, the last ends on its last day, the ones
-- between are whole terms. A period outside every term is one part.
CREATE OR REPLACE FUNCTION pk_v_ledger.period_segments(p_from DATE, p_to DATE)
RETURNS TABLE (seg_no INTEGER, seg_from DATE, seg_to DATE, term_start DATE)
LANGUAGE sql STABLE AS
$$
  WITH t AS (SELECT row_number() OVER (ORDER BY st_date)::INTEGER AS n, count(*) OVER () AS cnt, st_date, ed_date
               FROM vi010ms WHERE st_date <= p_to AND ed_date >= p_from)
  SELECT n, CASE WHEN n = 1 THEN p_from ELSE st_date END, CASE WHEN n = cnt THEN p_to ELSE ed_date END, st_date
    FROM t
  UNION ALL
  SELECT 1, p_from, p_to, NULL::DATE WHERE NOT EXISTS (SELECT 1 FROM t)
  ORDER BY 1
$$;

-- The account and, with p_with_children, every account below it in the
-- account tree.
CREATE OR REPLACE FUNCTION pk_v_ledger.accounts_under(p_acct TEXT, p_with_children BOOLEAN DEFAULT FALSE)
RETURNS TEXT[]
LANGUAGE sql STABLE AS
$$
  WITH RECURSIVE d(acct_code) AS (
    SELECT p_acct::VARCHAR
    UNION
    SELECT a.acct_code FROM va020ms a JOIN d ON a.p_acct_code = d.acct_code AND a.acct_code <> a.p_acct_code
     WHERE p_with_children)
  SELECT array_agg(acct_code::TEXT ORDER BY acct_code) FROM d
$$;

-- The one pass that turns a ledger's lines into its rows (see ledger_rows).
-- p_source names the lines: 'lines' the confirmed lines of the accounts,
-- 'items' those carrying item p_mg_code with value p_mg_detail, 'balance'
-- those of balance-managed accounts whose values at balance positions 1-3
-- equal p_values (NULL: any), 'past_lines' and 'past_items' the same from
-- the archived slips. Per part of the period (period_segments) the caller
-- gives the opening balance and the term-to-date debits and credits before
-- the part; the running balance moves by p_side.
CREATE OR REPLACE FUNCTION pk_v_ledger.ledger_pass(p_source TEXT, p_accts TEXT[], p_from DATE, p_to DATE,
                                                   p_mg_code TEXT, p_mg_detail TEXT, p_values TEXT[],
                                                   p_seg_from DATE[], p_seg_to DATE[], p_opening NUMERIC[],
                                                   p_yd NUMERIC[], p_yc NUMERIC[], p_side INTEGER)
RETURNS TABLE (row_kind TEXT, acct_date DATE, slip_no VARCHAR, slip_seq_no INTEGER, ref_data VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC, balance NUMERIC)
LANGUAGE plpgsql STABLE
-- a year's lines of one account are sorted in memory
SET work_mem = '64MB' AS
$$
DECLARE
  v_lines TEXT;
  v_bd    NUMERIC[] := ARRAY[0];
  v_bc    NUMERIC[] := ARRAY[0];
  v_item  CONSTANT TEXT :=
    ' AND ($6[%1$s] IS NULL OR EXISTS (SELECT 1 FROM vb011dt i JOIN va040ms q ON q.acct_code = i.acct_code'
    ' AND q.lineup_no = i.lineup_no AND q.use_yn = ''Y'' AND q.bal_no = %1$s'
    ' WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no AND i.mg_detail = $6[%1$s]))';
BEGIN
  v_lines := CASE p_source
    WHEN 'lines' THEN
      'SELECT l.conf_date, l.slip_no, l.slip_seq_no, l.ref_data, l.d_amount, l.c_amount FROM vb011ms l'
      ' WHERE l.acct_code = ANY ($1) AND l.conf_date BETWEEN $2 AND $3'
    WHEN 'past_lines' THEN
      'SELECT l.conf_date, l.slip_no, l.slip_seq_no, l.ref_data, l.d_amount, l.c_amount FROM bkuser.vb011ms l'
      ' WHERE l.acct_code = ANY ($1) AND l.conf_date BETWEEN $2 AND $3'
    WHEN 'items' THEN
      'SELECT i.conf_date, i.slip_no, i.slip_seq_no, l.ref_data, i.d_amount, i.c_amount FROM vb011dt i'
      ' JOIN vb011ms l ON l.slip_no = i.slip_no AND l.slip_seq_no = i.slip_seq_no'
      ' WHERE i.acct_code = ANY ($1) AND i.mg_code = $4 AND i.mg_detail = $5 AND i.conf_date BETWEEN $2 AND $3'
    WHEN 'past_items' THEN
      'SELECT i.conf_date, i.slip_no, i.slip_seq_no, l.ref_data, i.d_amount, i.c_amount FROM bkuser.vb011dt i'
      ' JOIN bkuser.vb011ms l ON l.slip_no = i.slip_no AND l.slip_seq_no = i.slip_seq_no'
      ' WHERE i.acct_code = ANY ($1) AND i.mg_code = $4 AND i.mg_detail = $5 AND i.conf_date BETWEEN $2 AND $3'
    WHEN 'balance' THEN
      'SELECT l.conf_date, l.slip_no, l.slip_seq_no, l.ref_data, l.d_amount, l.c_amount FROM vb011ms l'
      ' JOIN va020ms a ON a.acct_code = l.acct_code AND a.bal_yn = ''Y'''
      ' WHERE l.acct_code = ANY ($1) AND l.conf_date BETWEEN $2 AND $3'
      || format(v_item, 1) || format(v_item, 2) || format(v_item, 3)
  END;
  IF v_lines IS NULL THEN
    RAISE EXCEPTION 'unknown ledger source %', p_source;
  END IF;
  -- the lines of the period before each part, when it has several
  IF cardinality(p_seg_from) > 1 THEN
    EXECUTE format('SELECT array_agg(coalesce(x.d, 0) ORDER BY s.k), array_agg(coalesce(x.c, 0) ORDER BY s.k)'
                   '  FROM unnest($7::DATE[]) WITH ORDINALITY s(f, k)'
                   '  LEFT JOIN LATERAL (SELECT sum(l.d_amount) AS d, sum(l.c_amount) AS c FROM (%s) l'
                   '                      WHERE l.conf_date < s.f) x ON true', v_lines)
      INTO v_bd, v_bc
      USING p_accts, p_from, p_to, p_mg_code, p_mg_detail, p_values, p_seg_from;
  END IF;
  -- The rows in the ledger's order are the lines in month, date, slip and
  -- line order with the summary rows among them (a part's brought-forward
  -- row before its first day's lines, a month's rows after its last day's,
  -- the total last), so one sort and running sums over it give every
  -- figure: the balance is the part's opening moved by the lines since the
  -- part began, the month's totals are summed within the month, and a
  -- month's rows are kept only where it has lines. The part of a row is
  -- found among the parts' first days (width_bucket). Amounts are summed as
  -- whole numbers of at most fifteen digits (bigint). Slip numbers are
  -- ASCII: compared bytewise, which is their order and much cheaper than the
  -- database's collation.
  RETURN QUERY EXECUTE format($q$
    WITH rows AS (
      SELECT 'B'::TEXT AS row_kind, s.f AS acct_date, date_trunc('month', s.f)::DATE AS mon, 0 AS part,
             NULL::VARCHAR AS slip_no, NULL::INTEGER AS slip_seq_no, NULL::VARCHAR AS ref_data,
             0::NUMERIC AS d_amount, 0::NUMERIC AS c_amount
        FROM unnest($7::DATE[]) s(f)
      UNION ALL
      SELECT 'L', l.conf_date, date_trunc('month', l.conf_date)::DATE, 1, l.slip_no, l.slip_seq_no, l.ref_data,
             l.d_amount, l.c_amount
        FROM (%s) l
      UNION ALL
      SELECT m.kind, (g.mon + INTERVAL '1 month - 1 day')::DATE, g.mon, m.part, NULL, NULL, NULL, 0, 0
        FROM (SELECT generate_series(date_trunc('month', $2), $3, INTERVAL '1 month')::DATE AS mon) g
       CROSS JOIN (VALUES ('M', 2), ('Y', 3)) m(kind, part)
      UNION ALL
      SELECT 'T', DATE '9999-12-31', DATE '9999-12-01', 4, NULL, NULL, NULL, 0, 0),
    run AS (
      SELECT r.*, width_bucket(least(r.acct_date, $3), $7::DATE[]) AS k,
             sum(r.d_amount::BIGINT) OVER w AS ad, sum(r.c_amount::BIGINT) OVER w AS ac,
             sum(r.d_amount::BIGINT) OVER m AS md, sum(r.c_amount::BIGINT) OVER m AS mc,
             count(*) FILTER (WHERE r.part = 1) OVER m AS lines
        FROM rows r
      WINDOW w AS (ORDER BY r.mon, r.acct_date, r.part, r.slip_no COLLATE "C", r.slip_seq_no ROWS UNBOUNDED PRECEDING),
             m AS (PARTITION BY r.mon ORDER BY r.acct_date, r.part, r.slip_no COLLATE "C", r.slip_seq_no
                   ROWS UNBOUNDED PRECEDING))
    SELECT run.row_kind, CASE WHEN run.part = 4 THEN $3 ELSE run.acct_date END, run.slip_no, run.slip_seq_no,
           run.ref_data,
           CASE run.part WHEN 2 THEN run.md WHEN 3 THEN ($10::NUMERIC[])[run.k] + run.ad - ($13::NUMERIC[])[run.k]
                         WHEN 4 THEN run.ad ELSE run.d_amount END,
           CASE run.part WHEN 2 THEN run.mc WHEN 3 THEN ($11::NUMERIC[])[run.k] + run.ac - ($14::NUMERIC[])[run.k]
                         WHEN 4 THEN run.ac ELSE run.c_amount END,
           ($9::NUMERIC[])[run.k] + $12 * (run.ad - run.ac - ($13::NUMERIC[])[run.k] + ($14::NUMERIC[])[run.k])
      FROM run
     WHERE run.part NOT IN (2, 3) OR run.lines > 0
     ORDER BY run.mon, run.acct_date, run.part, run.slip_no COLLATE "C", run.slip_seq_no
  $q$, v_lines)
  USING p_accts, p_from, p_to, p_mg_code, p_mg_detail, p_values,
        p_seg_from, p_seg_to, p_opening, p_yd, p_yc, p_side, v_bd, v_bc;
END
$$;

-- The rows of a ledger over a period, in order: 'B' the balance brought
-- forward (and again at the start of each further term), 'L' the confirmed
-- lines in date, slip and line order, 'M' after each month's lines its
-- totals and 'Y' the term-to-date totals through that month; 'T' the
-- period's totals last. The running balance follows the account's normal
-- direction. With an item code and value only the lines carrying that value
-- count, and the balance brought forward is that value's.
CREATE OR REPLACE FUNCTION pk_v_ledger.ledger_rows(p_acct TEXT, p_from DATE, p_to DATE,
                                                   p_mg_code TEXT DEFAULT NULL, p_mg_detail TEXT DEFAULT NULL)
RETURNS TABLE (row_kind TEXT, acct_date DATE, slip_no VARCHAR, slip_seq_no INTEGER, ref_data VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC, balance NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_from DATE[]; v_to DATE[]; v_open NUMERIC[]; v_yd NUMERIC[]; v_yc NUMERIC[];
  v_d NUMERIC; v_c NUMERIC;
  v_month DATE := date_trunc('month', p_from)::DATE;
  s RECORD;
BEGIN
  FOR s IN SELECT * FROM pk_v_ledger.period_segments(p_from, p_to) LOOP
    v_from := v_from || s.seg_from;
    v_to := v_to || s.seg_to;
    v_open := v_open || coalesce(pk_v_ledger.balance_before(p_acct, s.seg_from, p_mg_code, p_mg_detail), 0);
    v_d := 0; v_c := 0;
    IF s.seg_no = 1 AND s.term_start IS NOT NULL THEN
      -- term-to-date totals before the first day: the months before from
      -- the monthly sums, the first day's month from its lines
      IF p_mg_code IS NULL THEN
        IF v_month > s.term_start THEN
          SELECT coalesce(m.bd_amount, 0), coalesce(m.bc_amount, 0) INTO v_d, v_c
            FROM vb071ms m WHERE m.acct_code = p_acct AND m.sum_month = to_char(v_month - 1, 'YYYYMM');
          v_d := coalesce(v_d, 0); v_c := coalesce(v_c, 0);
        END IF;
        SELECT v_d + coalesce(sum(l.d_amount), 0), v_c + coalesce(sum(l.c_amount), 0) INTO v_d, v_c
          FROM vb011ms l WHERE l.acct_code = p_acct AND l.conf_date >= greatest(v_month, s.term_start)
                           AND l.conf_date < p_from;
      ELSE
        SELECT coalesce(sum(i.d_amount), 0), coalesce(sum(i.c_amount), 0) INTO v_d, v_c
          FROM vb011dt i WHERE i.acct_code = p_acct AND i.mg_code = p_mg_code AND i.mg_detail = p_mg_detail
                           AND i.conf_date >= s.term_start AND i.conf_date < p_from;
      END IF;
    END IF;
    v_yd := v_yd || v_d;
    v_yc := v_yc || v_c;
  END LOOP;
  RETURN QUERY SELECT * FROM pk_v_ledger.ledger_pass(CASE WHEN p_mg_code IS NULL THEN 'lines' ELSE 'items' END,
                                                     ARRAY[p_acct], p_from, p_to, p_mg_code, p_mg_detail, NULL,
                                                     v_from, v_to, v_open, v_yd, v_yc, pk_v_ledger.side_of(p_acct));
END
$$;

-- The balance of an account (optionally of one item value) before a day
-- from the archived slips (schema BKUSER): their confirmed lines before the
-- day, from the term's start for classes 4-9 (the day's calendar year when
-- no term holds it).
CREATE OR REPLACE FUNCTION pk_v_ledger.past_balance_before(p_acct TEXT, p_day DATE,
                                                           p_mg_code TEXT DEFAULT NULL, p_mg_detail TEXT DEFAULT NULL)
RETURNS NUMERIC
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_start DATE := CASE WHEN pk_v_ledger.resets(p_acct)
                       THEN coalesce((SELECT st_date FROM vi010ms WHERE p_day BETWEEN st_date AND ed_date),
                                     date_trunc('year', p_day)::DATE)
                       ELSE DATE '0001-01-01' END;
BEGIN
  RETURN pk_v_ledger.side_of(p_acct) * coalesce(CASE WHEN p_mg_code IS NULL THEN
           (SELECT sum(l.d_amount - l.c_amount) FROM bkuser.vb011ms l
             WHERE l.acct_code = p_acct AND l.conf_date >= v_start AND l.conf_date < p_day)
         ELSE
           (SELECT sum(i.d_amount - i.c_amount) FROM bkuser.vb011dt i
             WHERE i.acct_code = p_acct AND i.mg_code = p_mg_code AND i.mg_detail = p_mg_detail
               AND i.conf_date >= v_start AND i.conf_date < p_day) END, 0);
END
$$;

-- ledger_rows over the archived slips.
CREATE OR REPLACE FUNCTION pk_v_ledger.past_ledger_rows(p_acct TEXT, p_from DATE, p_to DATE,
                                                        p_mg_code TEXT DEFAULT NULL, p_mg_detail TEXT DEFAULT NULL)
RETURNS TABLE (row_kind TEXT, acct_date DATE, slip_no VARCHAR, slip_seq_no INTEGER, ref_data VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC, balance NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_from DATE[]; v_to DATE[]; v_open NUMERIC[]; v_yd NUMERIC[]; v_yc NUMERIC[];
  v_d NUMERIC; v_c NUMERIC;
  s RECORD;
BEGIN
  FOR s IN SELECT * FROM pk_v_ledger.period_segments(p_from, p_to) LOOP
    v_from := v_from || s.seg_from;
    v_to := v_to || s.seg_to;
    v_open := v_open || pk_v_ledger.past_balance_before(p_acct, s.seg_from, p_mg_code, p_mg_detail);
    v_d := 0; v_c := 0;
    IF s.seg_no = 1 AND s.term_start IS NOT NULL THEN
      IF p_mg_code IS NULL THEN
        SELECT coalesce(sum(l.d_amount), 0), coalesce(sum(l.c_amount), 0) INTO v_d, v_c
          FROM bkuser.vb011ms l WHERE l.acct_code = p_acct AND l.conf_date >= s.term_start AND l.conf_date < p_from;
      ELSE
        SELECT coalesce(sum(i.d_amount), 0), coalesce(sum(i.c_amount), 0) INTO v_d, v_c
          FROM bkuser.vb011dt i WHERE i.acct_code = p_acct AND i.mg_code = p_mg_code AND i.mg_detail = p_mg_detail
                                  AND i.conf_date >= s.term_start AND i.conf_date < p_from;
      END IF;
    END IF;
    v_yd := v_yd || v_d;
    v_yc := v_yc || v_c;
  END LOOP;
  RETURN QUERY SELECT * FROM pk_v_ledger.ledger_pass(CASE WHEN p_mg_code IS NULL THEN 'past_lines' ELSE 'past_items' END,
                                                     ARRAY[p_acct], p_from, p_to, p_mg_code, p_mg_detail, NULL,
                                                     v_from, v_to, v_open, v_yd, v_yc, pk_v_ledger.side_of(p_acct));
END
$$;

-- Balance-managed accounts keep their movements per value of up to three
-- balance items (VB080MS, per day). The balance of accounts before a day for
-- the values p_values[1..3] (NULL: any value), in the normal direction of
-- the first account, from the term's start for classes 4-9.
CREATE OR REPLACE FUNCTION pk_v_ledger.item_balance_before(p_accts TEXT[], p_day DATE, p_values TEXT[])
RETURNS NUMERIC
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_start DATE := (SELECT st_date FROM vi010ms WHERE p_day BETWEEN st_date AND ed_date);
BEGIN
  RETURN pk_v_ledger.side_of(p_accts[1]) * coalesce(
    (SELECT sum(v.dr_amt - v.cr_amt) FROM vb080ms v
      WHERE v.acct_code = ANY (p_accts) AND v.slip_date < p_day
        AND (NOT pk_v_ledger.resets(v.acct_code) OR v.slip_date >= v_start)
        AND (p_values[1] IS NULL OR v.item_desc1 = p_values[1])
        AND (p_values[2] IS NULL OR v.item_desc2 = p_values[2])
        AND (p_values[3] IS NULL OR v.item_desc3 = p_values[3])), 0);
END
$$;

-- The balance statement of accounts over a period: per account and
-- combination of balance-item values the balance brought forward (in the
-- normal direction of the first account) and the period's debits and
-- credits; combinations without any figure are left out. With p_split[n]
-- false position n is not told apart (its code and value come out empty).
CREATE OR REPLACE FUNCTION pk_v_ledger.item_balances(p_accts TEXT[], p_from DATE, p_to DATE,
                                                     p_split BOOLEAN[] DEFAULT ARRAY[TRUE, TRUE, TRUE])
RETURNS TABLE (acct_code VARCHAR, item_cd1 VARCHAR, item_desc1 VARCHAR, item_desc1nm VARCHAR,
               item_cd2 VARCHAR, item_desc2 VARCHAR, item_desc2nm VARCHAR,
               item_cd3 VARCHAR, item_desc3 VARCHAR, item_desc3nm VARCHAR,
               bf_amt NUMERIC, db_amt NUMERIC, cr_amt NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH t AS (SELECT (SELECT st_date FROM vi010ms WHERE p_from BETWEEN st_date AND ed_date) AS st,
                    pk_v_ledger.side_of(p_accts[1]) AS side),
  v AS (
    SELECT v.acct_code,
           CASE WHEN p_split[1] THEN v.item_cd1 END AS cd1, CASE WHEN p_split[1] THEN v.item_desc1 END AS ds1,
           CASE WHEN p_split[1] THEN v.item_desc1nm END AS nm1,
           CASE WHEN p_split[2] THEN v.item_cd2 END AS cd2, CASE WHEN p_split[2] THEN v.item_desc2 END AS ds2,
           CASE WHEN p_split[2] THEN v.item_desc2nm END AS nm2,
           CASE WHEN p_split[3] THEN v.item_cd3 END AS cd3, CASE WHEN p_split[3] THEN v.item_desc3 END AS ds3,
           CASE WHEN p_split[3] THEN v.item_desc3nm END AS nm3,
           v.slip_date, v.dr_amt, v.cr_amt
      FROM vb080ms v WHERE v.acct_code = ANY (p_accts) AND v.slip_date <= p_to)
  SELECT v.acct_code, v.cd1, v.ds1, max(v.nm1), v.cd2, v.ds2, max(v.nm2), v.cd3, v.ds3, max(v.nm3),
         t.side * coalesce(sum(v.dr_amt - v.cr_amt)
                             FILTER (WHERE v.slip_date < p_from
                                       AND (NOT pk_v_ledger.resets(v.acct_code) OR v.slip_date >= t.st)), 0),
         coalesce(sum(v.dr_amt) FILTER (WHERE v.slip_date >= p_from), 0),
         coalesce(sum(v.cr_amt) FILTER (WHERE v.slip_date >= p_from), 0)
    FROM v, t
   GROUP BY v.acct_code, v.cd1, v.ds1, v.cd2, v.ds2, v.cd3, v.ds3, t.side
  HAVING t.side * coalesce(sum(v.dr_amt - v.cr_amt)
                             FILTER (WHERE v.slip_date < p_from
                                       AND (NOT pk_v_ledger.resets(v.acct_code) OR v.slip_date >= t.st)), 0) <> 0
      OR coalesce(sum(v.dr_amt) FILTER (WHERE v.slip_date >= p_from), 0) <> 0
      OR coalesce(sum(v.cr_amt) FILTER (WHERE v.slip_date >= p_from), 0) <> 0
$$;

-- ledger_rows over the lines of balance-managed accounts whose balance-item
-- values equal p_values[1..3] (NULL: any), in the normal direction of the
-- first account; the balance brought forward is these values' own.
CREATE OR REPLACE FUNCTION pk_v_ledger.item_ledger_rows(p_accts TEXT[], p_from DATE, p_to DATE, p_values TEXT[])
RETURNS TABLE (row_kind TEXT, acct_date DATE, slip_no VARCHAR, slip_seq_no INTEGER, ref_data VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC, balance NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_from DATE[]; v_to DATE[]; v_open NUMERIC[]; v_yd NUMERIC[]; v_yc NUMERIC[];
  v_d NUMERIC; v_c NUMERIC;
  v_values TEXT[] := ARRAY[p_values[1], p_values[2], p_values[3]];
  s RECORD;
BEGIN
  FOR s IN SELECT * FROM pk_v_ledger.period_segments(p_from, p_to) LOOP
    v_from := v_from || s.seg_from;
    v_to := v_to || s.seg_to;
    v_open := v_open || pk_v_ledger.item_balance_before(p_accts, s.seg_from, v_values);
    v_d := 0; v_c := 0;
    IF s.seg_no = 1 AND s.term_start IS NOT NULL THEN
      SELECT coalesce(sum(v.dr_amt), 0), coalesce(sum(v.cr_amt), 0) INTO v_d, v_c
        FROM vb080ms v
       WHERE v.acct_code = ANY (p_accts) AND v.slip_date >= s.term_start AND v.slip_date < p_from
         AND (v_values[1] IS NULL OR v.item_desc1 = v_values[1])
         AND (v_values[2] IS NULL OR v.item_desc2 = v_values[2])
         AND (v_values[3] IS NULL OR v.item_desc3 = v_values[3]);
    END IF;
    v_yd := v_yd || v_d;
    v_yc := v_yc || v_c;
  END LOOP;
  RETURN QUERY SELECT * FROM pk_v_ledger.ledger_pass('balance', p_accts, p_from, p_to, NULL, NULL, v_values,
                                                     v_from, v_to, v_open, v_yd, v_yc, pk_v_ledger.side_of(p_accts[1]));
END
$$;
