-- The ledger kernel's figures of the one-day books: the accounts the daily
-- books name, the balances per bank account of the deposit accounts, the
-- day's sums per account split into cash and transfer, and the cash book.
-- Balances come from the kernel's balance functions and the tables posting
-- keeps; every figure is in the account's normal direction and a term starts
-- at VI010MS.ST_DATE.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_ledger;

-- The cash account the daily books name (common code V9998-02), when it is
-- set and is an account of the chart; NULL otherwise.
CREATE OR REPLACE FUNCTION pk_v_ledger.configured_cash_account() RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT a.acct_code FROM zx010ms z JOIN va020ms a ON a.acct_code = btrim(z.detail_name)
           WHERE z.head = 'V9998' AND z.detail = '02');
END $$;

-- The deposit accounts the daily books name (common code V9998-01, the codes
-- spread over DETAIL_NAME and ITEM1-3), those of the chart, in code order;
-- NULL when none is set.
CREATE OR REPLACE FUNCTION pk_v_ledger.configured_deposit_accounts() RETURNS TEXT[]
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT array_agg(DISTINCT a.acct_code::TEXT ORDER BY a.acct_code::TEXT)
            FROM zx010ms z
            CROSS JOIN LATERAL regexp_matches(coalesce(z.detail_name, '') || ',' || coalesce(z.item1, '') || ','
                                              || coalesce(z.item2, '') || ',' || coalesce(z.item3, ''),
                                              '([0-9]{7})', 'g') m
            JOIN va020ms a ON a.acct_code = m[1]
           WHERE z.head = 'V9998' AND z.detail = '01');
END $$;

-- Why the daily books cannot be read, or NULL when they can.
CREATE OR REPLACE FUNCTION pk_v_ledger.daily_refusal() RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  IF pk_v_ledger.configured_cash_account() IS NULL THEN
    RETURN '현금 계정(공통코드 V9998-02)이 등록되어 있지 않습니다. 관리자에게 문의하세요.!';
  ELSIF pk_v_ledger.configured_deposit_accounts() IS NULL THEN
    RETURN '예금 계정(공통코드 V9998-01)이 등록되어 있지 않습니다. 관리자에게 문의하세요.!';
  END IF;
  RETURN NULL;
END $$;

-- The same accounts, raising the refusal when they are not configured.
CREATE OR REPLACE FUNCTION pk_v_ledger.daily_cash_account() RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v TEXT := pk_v_ledger.configured_cash_account();
BEGIN
  IF v IS NULL THEN
    PERFORM pk_common.raise_app_error(20110, pk_v_ledger.daily_refusal());
  END IF;
  RETURN v;
END
$$;

CREATE OR REPLACE FUNCTION pk_v_ledger.daily_deposit_accounts() RETURNS TEXT[]
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v TEXT[] := pk_v_ledger.configured_deposit_accounts();
BEGIN
  IF v IS NULL THEN
    PERFORM pk_common.raise_app_error(20111, pk_v_ledger.daily_refusal());
  END IF;
  RETURN v;
END
$$;

-- The deposit accounts per bank (balance position 1) and account number
-- (position 2) on a day: the balance at the start of the day, the day's
-- deposits and withdrawals, and the balance at its end. Every bank account
-- with a balance or a movement appears, one opened on the day too; rows with
-- nothing are left out. The balance brought into the month is the term's
-- opening per bank account with the term's earlier months (VB085MS), the
-- month's days come from VB080MS.
CREATE OR REPLACE FUNCTION pk_v_ledger.deposit_day(p_day DATE)
RETURNS TABLE (acct_code VARCHAR, acct_name VARCHAR, item_desc1 VARCHAR, item_desc1nm VARCHAR, item_desc2 VARCHAR,
               bf_amt NUMERIC, dr_amt NUMERIC, cr_amt NUMERIC, af_amt NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_accts TEXT[] := pk_v_ledger.daily_deposit_accounts();
  v_term  INTEGER := pk_v_ledger.term_of(p_day);
  v_month TEXT := pk_v_ledger.month_of(p_day);
  v_start DATE := date_trunc('month', p_day)::DATE;
BEGIN
  IF v_term IS NULL THEN
    RETURN;
  END IF;
  RETURN QUERY
  WITH mv AS (
    SELECT b.acct_code, b.item_desc1, b.item_desc1nm, b.item_desc2,
           b.bf_amt + CASE WHEN b.slip_ym < v_month THEN b.dr_amt - b.cr_amt ELSE 0 END AS bf,
           0::NUMERIC AS dr, 0::NUMERIC AS cr
      FROM vb085ms b
     WHERE b.acct_code = ANY (v_accts) AND b.slip_ym BETWEEN pk_v_ledger.first_month(v_term) AND v_month
    UNION ALL
    SELECT v.acct_code, v.item_desc1, v.item_desc1nm, v.item_desc2,
           CASE WHEN v.slip_date < p_day THEN v.dr_amt - v.cr_amt ELSE 0 END,
           CASE WHEN v.slip_date = p_day THEN v.dr_amt ELSE 0 END,
           CASE WHEN v.slip_date = p_day THEN v.cr_amt ELSE 0 END
      FROM vb080ms v
     WHERE v.acct_code = ANY (v_accts) AND v.slip_date BETWEEN v_start AND p_day)
  SELECT mv.acct_code, a.acct_name, mv.item_desc1, max(mv.item_desc1nm)::VARCHAR, mv.item_desc2,
         pk_v_ledger.side(a.dc_div) * sum(mv.bf), sum(mv.dr), sum(mv.cr),
         pk_v_ledger.side(a.dc_div) * (sum(mv.bf) + sum(mv.dr) - sum(mv.cr))
    FROM mv JOIN va020ms a ON a.acct_code = mv.acct_code
   GROUP BY mv.acct_code, a.acct_name, a.dc_div, mv.item_desc1, mv.item_desc2
  HAVING (sum(mv.bf), sum(mv.dr), sum(mv.cr)) <> (0, 0, 0)
   ORDER BY mv.acct_code, mv.item_desc1 NULLS FIRST, mv.item_desc2 NULLS FIRST;
END
$$;

-- The day's sums per account split into transfer and cash (VC030PR), as the
-- daily trial sheet lists them: accounts of class 1 on their own, except the
-- receivable stems 11104 and 11107, which are summed onto their "00" account
-- (their allowance accounts, 7th digit 5, stay on their own); every other
-- account summed onto its five-digit stem's "00" account; an account whose
-- stem has no "00" account on its own. The cash account's own offsetting
-- debits and credits are one row 9999999 "현금 대체" (transfer only), so that
-- debits plus the closing cash equal credits plus the opening cash.
CREATE OR REPLACE FUNCTION pk_v_ledger.day_sheet(p_day DATE)
RETURNS TABLE (acct_code VARCHAR, acct_pname VARCHAR, damt NUMERIC, camt NUMERIC, cash_damt NUMERIC, cash_camt NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_cash TEXT := pk_v_ledger.daily_cash_account();
BEGIN
  RETURN QUERY
  WITH d AS (
    SELECT s.*,
           CASE WHEN s.acct_code = v_cash THEN '9999999'
                WHEN s.acct_code LIKE '1%'
                     AND NOT (left(s.acct_code, 5) IN ('11104', '11107') AND substr(s.acct_code, 7, 1) <> '5')
                  THEN s.acct_code
                WHEN EXISTS (SELECT 1 FROM va020ms g WHERE g.acct_code = left(s.acct_code, 5) || '00')
                  THEN left(s.acct_code, 5) || '00'
                ELSE s.acct_code END AS row_code
      FROM vc030pr s
     WHERE s.sum_date = p_day)
  SELECT d.row_code::VARCHAR,
         (CASE WHEN d.row_code = '9999999' THEN '      현      금       대       체'
               ELSE btrim(coalesce(max(a.acct_pname), max(a.acct_name))) END)::VARCHAR,
         sum(d.damt), sum(d.camt),
         CASE WHEN d.row_code = '9999999' THEN 0 ELSE sum(d.cash_damt) END,
         CASE WHEN d.row_code = '9999999' THEN 0 ELSE sum(d.cash_camt) END
    FROM d LEFT JOIN va020ms a ON a.acct_code = d.row_code
   GROUP BY d.row_code
   ORDER BY d.row_code;
END
$$;

-- The cash book of a day: 'B' the balance brought into the day (its date the
-- day before), 'L' the day's lines of the cash account with the running
-- balance and the position-1 item value, 'D' the day's totals with the
-- closing balance, 'M' the totals of the month through the day and 'Y' the
-- term-to-date totals through the day. Everything comes from the kernel's
-- ledger rows and month figures.
CREATE OR REPLACE FUNCTION pk_v_ledger.cash_book(p_day DATE)
RETURNS TABLE (row_kind TEXT, conf_date DATE, slip_no VARCHAR, slip_seq INTEGER, ref_data VARCHAR,
               mg_detail VARCHAR, d_amount NUMERIC, c_amount NUMERIC, balance NUMERIC)
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  v_cash  TEXT := pk_v_ledger.daily_cash_account();
  v_term  INTEGER := pk_v_ledger.term_of(p_day);
  v_start DATE := date_trunc('month', p_day)::DATE;
  v_prev  TEXT := to_char(date_trunc('month', p_day) - INTERVAL '1 day', 'YYYYMM');
  v_open  NUMERIC;
  v_close NUMERIC;
  v_dd    NUMERIC := 0;
  v_dc    NUMERIC := 0;
  v_md    NUMERIC := 0;
  v_mc    NUMERIC := 0;
  v_bd    NUMERIC := 0;
  v_bc    NUMERIC := 0;
  r       RECORD;
BEGIN
  IF v_term IS NULL THEN
    RETURN;
  END IF;
  v_open := coalesce(pk_v_ledger.balance_before(v_cash, p_day), 0);
  v_close := v_open;
  row_kind := 'B'; conf_date := p_day - 1; slip_no := NULL; slip_seq := 0;
  ref_data := '전     일     잔     액'; mg_detail := NULL; d_amount := 0; c_amount := 0; balance := v_open;
  RETURN NEXT;

  FOR r IN
    SELECT l.acct_date, l.slip_no, l.slip_seq_no, l.ref_data, l.d_amount, l.c_amount, l.balance,
           (SELECT i.mg_detail FROM vb011dt i
             WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no AND i.lineup_no = 1) AS item
      FROM pk_v_ledger.ledger_rows(v_cash, p_day, p_day) l
     WHERE l.row_kind = 'L'
  LOOP
    row_kind := 'L'; conf_date := r.acct_date; slip_no := r.slip_no; slip_seq := r.slip_seq_no;
    ref_data := r.ref_data; mg_detail := r.item; d_amount := r.d_amount; c_amount := r.c_amount;
    balance := r.balance;
    v_dd := v_dd + r.d_amount; v_dc := v_dc + r.c_amount; v_close := r.balance;
    RETURN NEXT;
  END LOOP;

  SELECT coalesce(sum(l.d_amount), 0), coalesce(sum(l.c_amount), 0) INTO v_md, v_mc
    FROM pk_v_ledger.ledger_rows(v_cash, v_start, p_day) l
   WHERE l.row_kind = 'T';
  -- the term's months before this one (none in the term's first month)
  IF pk_v_ledger.term_of_month(v_prev) IS NOT DISTINCT FROM v_term THEN
    SELECT coalesce(max(f.bd_amount), 0), coalesce(max(f.bc_amount), 0) INTO v_bd, v_bc
      FROM pk_v_ledger.month_figures(v_prev) f
     WHERE f.acct_code = v_cash;
  END IF;

  conf_date := p_day; slip_no := NULL; slip_seq := NULL; mg_detail := NULL; balance := v_close;
  row_kind := 'D'; ref_data := '일     계'; d_amount := v_dd; c_amount := v_dc;
  RETURN NEXT;
  row_kind := 'M'; ref_data := '월     계'; d_amount := v_md; c_amount := v_mc;
  RETURN NEXT;
  row_kind := 'Y'; ref_data := '누     계'; d_amount := v_bd + v_md; c_amount := v_bc + v_mc;
  RETURN NEXT;
END
$$;
