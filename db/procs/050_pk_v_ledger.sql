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

-- The rows of a ledger over a period: 'B' the balance brought forward (and
-- again at the start of each further term), 'L' the confirmed lines in date,
-- slip and line order, 'M' after each month's lines its totals and 'Y' the
-- term-to-date totals through that month; 'T' the period's totals last. The
-- running balance follows the account's normal direction. With an item code
-- and value only the lines carrying that value count.
CREATE OR REPLACE FUNCTION pk_v_ledger.ledger_rows(p_acct TEXT, p_from DATE, p_to DATE,
                                                   p_mg_code TEXT DEFAULT NULL, p_mg_detail TEXT DEFAULT NULL)
RETURNS TABLE (row_kind TEXT, acct_date DATE, slip_no VARCHAR, slip_seq_no INTEGER, ref_data VARCHAR,
               d_amount NUMERIC, c_amount NUMERIC, balance NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_side  INTEGER := pk_v_ledger.side_of(p_acct);
  v_bal   NUMERIC := coalesce(pk_v_ledger.balance_before(p_acct, p_from, p_mg_code, p_mg_detail), 0);
  v_term  INTEGER := pk_v_ledger.term_of(p_from);
  v_month TEXT;
  v_md    NUMERIC := 0;
  v_mc    NUMERIC := 0;
  v_td    NUMERIC := 0;
  v_tc    NUMERIC := 0;
  v_yd    NUMERIC;
  v_yc    NUMERIC;
  r       RECORD;
BEGIN
  -- term-to-date totals before the period's first day
  SELECT coalesce(sum(x.d_amount), 0), coalesce(sum(x.c_amount), 0) INTO v_yd, v_yc
    FROM (SELECT l.d_amount, l.c_amount FROM vb011ms l
           WHERE p_mg_code IS NULL AND l.acct_code = p_acct
             AND l.conf_date >= (SELECT st_date FROM vi010ms WHERE session_id = v_term) AND l.conf_date < p_from
          UNION ALL
          SELECT i.d_amount, i.c_amount FROM vb011dt i
           WHERE p_mg_code IS NOT NULL AND i.acct_code = p_acct AND i.mg_code = p_mg_code AND i.mg_detail = p_mg_detail
             AND i.conf_date >= (SELECT st_date FROM vi010ms WHERE session_id = v_term) AND i.conf_date < p_from) x;

  row_kind := 'B'; acct_date := p_from; slip_no := NULL; slip_seq_no := NULL; ref_data := NULL;
  d_amount := 0; c_amount := 0; balance := v_bal;
  RETURN NEXT;

  FOR r IN
    SELECT l.conf_date, l.slip_no, l.slip_seq_no, l.ref_data, l.d_amount, l.c_amount
      FROM vb011ms l
     WHERE p_mg_code IS NULL AND l.acct_code = p_acct AND l.conf_date BETWEEN p_from AND p_to
    UNION ALL
    SELECT i.conf_date, i.slip_no, i.slip_seq_no, l.ref_data, i.d_amount, i.c_amount
      FROM vb011dt i JOIN vb011ms l ON l.slip_no = i.slip_no AND l.slip_seq_no = i.slip_seq_no
     WHERE p_mg_code IS NOT NULL AND i.acct_code = p_acct AND i.mg_code = p_mg_code AND i.mg_detail = p_mg_detail
       AND i.conf_date BETWEEN p_from AND p_to
     ORDER BY 1, 2, 3
  LOOP
    IF v_month IS NOT NULL AND pk_v_ledger.month_of(r.conf_date) <> v_month THEN
      row_kind := 'M'; acct_date := (to_date(v_month || '01', 'YYYYMMDD') + INTERVAL '1 month - 1 day')::DATE;
      slip_no := NULL; slip_seq_no := NULL; ref_data := NULL;
      d_amount := v_md; c_amount := v_mc; balance := v_bal;
      RETURN NEXT;
      row_kind := 'Y'; d_amount := v_yd; c_amount := v_yc;
      RETURN NEXT;
      v_md := 0; v_mc := 0;
    END IF;
    IF pk_v_ledger.term_of(r.conf_date) IS DISTINCT FROM v_term THEN
      v_term := pk_v_ledger.term_of(r.conf_date);
      v_yd := 0; v_yc := 0;
      IF pk_v_ledger.resets(p_acct) THEN
        v_bal := 0;
      END IF;
      row_kind := 'B'; acct_date := (SELECT st_date FROM vi010ms WHERE session_id = v_term);
      slip_no := NULL; slip_seq_no := NULL; ref_data := NULL; d_amount := 0; c_amount := 0; balance := v_bal;
      RETURN NEXT;
    END IF;
    v_month := pk_v_ledger.month_of(r.conf_date);
    v_bal := v_bal + v_side * (r.d_amount - r.c_amount);
    v_md := v_md + r.d_amount; v_mc := v_mc + r.c_amount;
    v_yd := v_yd + r.d_amount; v_yc := v_yc + r.c_amount;
    v_td := v_td + r.d_amount; v_tc := v_tc + r.c_amount;
    row_kind := 'L'; acct_date := r.conf_date; slip_no := r.slip_no; slip_seq_no := r.slip_seq_no;
    ref_data := r.ref_data; d_amount := r.d_amount; c_amount := r.c_amount; balance := v_bal;
    RETURN NEXT;
  END LOOP;
  IF v_month IS NOT NULL THEN
    row_kind := 'M'; acct_date := (to_date(v_month || '01', 'YYYYMMDD') + INTERVAL '1 month - 1 day')::DATE;
    slip_no := NULL; slip_seq_no := NULL; ref_data := NULL;
    d_amount := v_md; c_amount := v_mc; balance := v_bal;
    RETURN NEXT;
    row_kind := 'Y'; d_amount := v_yd; c_amount := v_yc;
    RETURN NEXT;
  END IF;
  row_kind := 'T'; acct_date := p_to; slip_no := NULL; slip_seq_no := NULL; ref_data := NULL;
  d_amount := v_td; c_amount := v_tc; balance := v_bal;
  RETURN NEXT;
END
$$;
