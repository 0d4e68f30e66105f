-- Package pk_v_close: fiscal periods, their closing calendar, the closing of
-- days and months with the month-end rebuilds, and the carry-forward of a term
-- into the next. Closing flags are written only here; the client's login has
-- no write rights on VI010MS, VI011MS and VI011DT.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_close;

-- Why a day is closed to slips, or NULL when it is open (or outside every
-- term, which the callers report themselves). Takes a share lock on the day's
-- and month's flags, so a closing waits for work under way on that day and
-- work that follows sees the closing.
CREATE OR REPLACE FUNCTION pk_v_close.closed_reason(p_day DATE) RETURNS TEXT
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  k RECORD;
BEGIN
  IF p_day IS NULL THEN
    RETURN NULL;
  END IF;
  -- the term, month and day flags in one look (every day of a term has them)
  SELECT t.session_id, t.close_yn AS term_yn, m.close_yn AS month_yn, d.close_yn AS day_yn INTO k
    FROM vi010ms t
    JOIN vi011ms m ON m.session_id = t.session_id AND m.y_month = to_char(p_day, 'YYYYMM')
    JOIN vi011dt d ON d.session_id = m.session_id AND d.y_month = m.y_month AND d.day = to_char(p_day, 'DD')
   WHERE p_day BETWEEN t.st_date AND t.ed_date
     FOR SHARE;
  IF NOT FOUND THEN
    SELECT t.session_id, t.close_yn AS term_yn, NULL AS month_yn, NULL AS day_yn INTO k
      FROM vi010ms t WHERE p_day BETWEEN t.st_date AND t.ed_date FOR SHARE;
    IF NOT FOUND THEN
      RETURN NULL;
    END IF;
  END IF;
  IF k.term_yn = 'Y' THEN
    RETURN '마감된 기수(' || k.session_id || '기)의 자료는 처리할 수 없습니다.!';
  ELSIF k.month_yn = 'Y' THEN
    RETURN to_char(p_day, 'YYYY-MM') || '월은 마감되었습니다. 마감된 월의 자료는 처리할 수 없습니다.!';
  ELSIF k.day_yn = 'Y' THEN
    RETURN to_char(p_day, 'YYYY-MM-DD') || '일은 마감되었습니다. 마감된 일자의 자료는 처리할 수 없습니다.!';
  END IF;
  RETURN NULL;
END
$$;

-- Guards of the slip header, whoever writes it: nothing changes on a closed
-- day (writing day or confirmation day), and a confirmed slip, its lines and
-- item values change only through the posting engine.
CREATE OR REPLACE FUNCTION pk_v_close.guard_slip_header() RETURNS TRIGGER
LANGUAGE plpgsql AS
$$
DECLARE
  v_msg TEXT;
  v_engine BOOLEAN := coalesce(current_setting('tv.engine', true), '') = 'on';
BEGIN
  IF TG_OP IN ('UPDATE', 'DELETE') AND OLD.conf_date IS NOT NULL AND NOT v_engine THEN
    PERFORM pk_common.raise_app_error(20110, '확정된 전표는 변경하거나 삭제할 수 없습니다.(' || OLD.slip_no || ')');
  END IF;
  IF TG_OP = 'INSERT' AND NEW.conf_date IS NOT NULL AND NOT v_engine THEN
    PERFORM pk_common.raise_app_error(20110, '확정은 전표 확정 처리로만 할 수 있습니다.(' || NEW.slip_no || ')');
  END IF;
  -- the engine checks the days itself before it confirms or cancels
  IF v_engine AND TG_OP = 'UPDATE' THEN
    RETURN NEW;
  END IF;
  IF TG_OP IN ('UPDATE', 'DELETE') THEN
    v_msg := coalesce(pk_v_close.closed_reason(OLD.slip_date), pk_v_close.closed_reason(OLD.conf_date));
  END IF;
  IF v_msg IS NULL AND TG_OP IN ('INSERT', 'UPDATE') THEN
    v_msg := coalesce(pk_v_close.closed_reason(NEW.slip_date), pk_v_close.closed_reason(NEW.conf_date));
  END IF;
  IF v_msg IS NOT NULL THEN
    PERFORM pk_common.raise_app_error(20111, v_msg);
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END
$$;

CREATE OR REPLACE FUNCTION pk_v_close.guard_slip_detail() RETURNS TRIGGER
LANGUAGE plpgsql AS
$$
BEGIN
  IF coalesce(current_setting('tv.engine', true), '') <> 'on'
     AND ((TG_OP IN ('UPDATE', 'DELETE') AND OLD.conf_date IS NOT NULL)
          OR (TG_OP IN ('INSERT', 'UPDATE') AND NEW.conf_date IS NOT NULL)) THEN
    PERFORM pk_common.raise_app_error(20110, '확정된 전표는 변경하거나 삭제할 수 없습니다.('
                                             || CASE WHEN TG_OP = 'INSERT' THEN NEW.slip_no ELSE OLD.slip_no END || ')');
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END
$$;

DROP TRIGGER IF EXISTS vb010ms_guard ON vb010ms;
CREATE TRIGGER vb010ms_guard BEFORE INSERT OR UPDATE OR DELETE ON vb010ms
  FOR EACH ROW EXECUTE FUNCTION pk_v_close.guard_slip_header();
DROP TRIGGER IF EXISTS vb011ms_guard ON vb011ms;
CREATE TRIGGER vb011ms_guard BEFORE INSERT OR UPDATE OR DELETE ON vb011ms
  FOR EACH ROW EXECUTE FUNCTION pk_v_close.guard_slip_detail();
DROP TRIGGER IF EXISTS vb011dt_guard ON vb011dt;
CREATE TRIGGER vb011dt_guard BEFORE INSERT OR UPDATE OR DELETE ON vb011dt
  FOR EACH ROW EXECUTE FUNCTION pk_v_close.guard_slip_detail();

---------------------------------------------------------------------------
-- Fiscal periods
---------------------------------------------------------------------------

-- Registers (new number) or changes (existing number) a fiscal period and
-- lays out its calendar: one row per month and per day, closing flag 'N'.
-- A period is a run of whole months (first day of a month to the last day of
-- a month) that overlaps no other. An edit keeps the flags of the days that
-- remain, and refuses to drop a closed day, to leave a slip outside its
-- period or to change a closed period. The books are rebuilt when the months
-- of any period change, since openings follow the order of the periods.
-- Answers 'T' on success, otherwise the reason.
CREATE OR REPLACE FUNCTION pr_v_calender(psession TEXT, ps_date TEXT, pe_date TEXT, psummary TEXT,
                                         pu_ip TEXT, pu_empno TEXT)
RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_session INTEGER;
  v_st      DATE := pk_v_slip_01.to_day(replace(left(btrim(ps_date), 10), '/', '-'));
  v_ed      DATE := pk_v_slip_01.to_day(replace(left(btrim(pe_date), 10), '/', '-'));
  v_ip      TEXT := left(btrim(pu_ip), 20);
  v_emp     TEXT := left(btrim(pu_empno), 10);
  old       RECORD;
  v_other   INTEGER;
  v_lock    TEXT;
BEGIN
  IF btrim(psession) !~ '^[0-9]{1,3}$' THEN
    RETURN '기수는 숫자만 입력이 가능합니다.!';
  END IF;
  v_session := btrim(psession)::INTEGER;
  IF v_st IS NULL OR v_ed IS NULL THEN
    RETURN '시작일자와 종료일자를 바르게 입력하세요.!';
  END IF;
  IF v_st > v_ed THEN
    RETURN '종료일자가 시작일자보다 빠릅니다.!';
  END IF;
  IF extract(DAY FROM v_st) <> 1 OR (v_ed + 1) <> date_trunc('month', v_ed + 1)::DATE THEN
    RETURN '기수는 월의 첫날에 시작하여 월의 말일에 끝나야 합니다.!';
  END IF;
  IF v_ed >= (v_st + INTERVAL '24 months')::DATE THEN
    RETURN '기수의 기간은 24개월을 넘을 수 없습니다.!';
  END IF;
  SELECT session_id INTO v_other FROM vi010ms
   WHERE session_id <> v_session AND daterange(st_date, ed_date, '[]') && daterange(v_st, v_ed, '[]')
   ORDER BY st_date LIMIT 1;
  IF FOUND THEN
    RETURN '다른 기수(' || v_other || '기)와 기간이 겹칩니다.!';
  END IF;

  v_lock := pk_v_post.lock_books();
  IF v_lock IS NOT NULL THEN
    RETURN v_lock;
  END IF;
  SELECT * INTO old FROM vi010ms WHERE session_id = v_session FOR UPDATE;
  IF FOUND THEN
    IF old.close_yn = 'Y' THEN
      RETURN '마감된 기수는 수정할 수 없습니다.!';
    END IF;
    IF EXISTS (SELECT 1 FROM vi011dt d
                WHERE d.session_id = v_session AND d.close_yn = 'Y'
                  AND to_date(d.y_month || d.day, 'YYYYMMDD') NOT BETWEEN v_st AND v_ed) THEN
      RETURN '마감된 일자가 기간 밖으로 빠지므로 수정할 수 없습니다.!';
    END IF;
    IF EXISTS (SELECT 1 FROM vb010ms h
                WHERE (h.session_id = v_session AND h.slip_date NOT BETWEEN v_st AND v_ed)
                   OR (h.slip_date BETWEEN v_st AND v_ed AND h.session_id IS DISTINCT FROM v_session)) THEN
      RETURN '기간 밖으로 빠지거나 다른 기수에 속한 전표가 있어 수정할 수 없습니다.!';
    END IF;
    UPDATE vi010ms SET st_date = v_st, ed_date = v_ed, summary = nullif(btrim(psummary), ''),
                       u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
     WHERE session_id = v_session;
    DELETE FROM vi011ms WHERE session_id = v_session
       AND to_date(y_month || '01', 'YYYYMMDD') NOT BETWEEN v_st AND v_ed;
  ELSE
    IF EXISTS (SELECT 1 FROM vb010ms WHERE slip_date BETWEEN v_st AND v_ed) THEN
      RETURN '기간 안에 다른 기수의 전표가 있어 등록할 수 없습니다.!';
    END IF;
    INSERT INTO vi010ms (session_id, st_date, ed_date, close_yn, summary, u_date, u_ip, u_emp_no)
    VALUES (v_session, v_st, v_ed, 'N', nullif(btrim(psummary), ''), LOCALTIMESTAMP(0), v_ip, v_emp);
  END IF;

  INSERT INTO vi011ms (session_id, y_month, close_yn, u_date, u_ip, u_emp_no)
  SELECT v_session, to_char(m, 'YYYYMM'), 'N', LOCALTIMESTAMP(0), v_ip, v_emp
    FROM generate_series(v_st, v_ed, INTERVAL '1 month') m
  ON CONFLICT DO NOTHING;
  INSERT INTO vi011dt (session_id, y_month, day, close_yn, u_date, u_ip, u_emp_no)
  SELECT v_session, to_char(d, 'YYYYMM'), to_char(d, 'DD'), 'N', LOCALTIMESTAMP(0), v_ip, v_emp
    FROM generate_series(v_st, v_ed, INTERVAL '1 day') d
  ON CONFLICT DO NOTHING;

  IF old.session_id IS NULL
     AND NOT EXISTS (SELECT 1 FROM vb011ms WHERE conf_date BETWEEN v_st AND v_ed) THEN
    -- a new period without slips only needs its openings; the periods after
    -- it carry the same balances as before
    PERFORM pk_v_post.open_term(v_session);
  ELSIF old.session_id IS NULL OR old.st_date <> v_st OR old.ed_date <> v_ed THEN
    PERFORM pk_v_post.rebuild_books();
  END IF;
  RETURN 'T';
END
$$;

-- Deletes a period with its months and days. Refused for a closed period, a
-- period with a closed day, and a period that slips belong to.
CREATE OR REPLACE FUNCTION pk_v_close.delete_period(psession TEXT, pu_ip TEXT, pu_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_session INTEGER;
  t RECORD;
  v_lock TEXT;
BEGIN
  IF btrim(psession) !~ '^[0-9]{1,3}$' THEN
    RETURN 'E기수는 숫자만 입력이 가능합니다.!';
  END IF;
  v_session := btrim(psession)::INTEGER;
  v_lock := pk_v_post.lock_books();
  IF v_lock IS NOT NULL THEN
    RETURN 'E' || v_lock;
  END IF;
  SELECT * INTO t FROM vi010ms WHERE session_id = v_session FOR UPDATE;
  IF NOT FOUND THEN
    RETURN 'E해당 기수가 없습니다.(' || v_session || ')';
  ELSIF t.close_yn = 'Y' THEN
    RETURN 'E마감된 기수는 삭제하실수 없습니다.!';
  ELSIF EXISTS (SELECT 1 FROM vi011dt WHERE session_id = v_session AND close_yn = 'Y')
     OR EXISTS (SELECT 1 FROM vi011ms WHERE session_id = v_session AND close_yn = 'Y') THEN
    RETURN 'E일자별 마감된 기수는 삭제하실수 없습니다.!';
  ELSIF EXISTS (SELECT 1 FROM vb010ms WHERE session_id = v_session OR slip_date BETWEEN t.st_date AND t.ed_date)
     OR EXISTS (SELECT 1 FROM vb011ms WHERE conf_date BETWEEN t.st_date AND t.ed_date) THEN
    RETURN 'E전표가 있는 기수는 삭제하실수 없습니다.!';
  END IF;
  DELETE FROM vi010ms WHERE session_id = v_session;
  PERFORM pk_v_post.rebuild_books();
  RETURN 'T';
END
$$;

---------------------------------------------------------------------------
-- Month-end procedures. Each is an idempotent rebuild of month M from the
-- confirmed lines: what differs from the lines is moved by the difference,
-- so later months and terms follow.
---------------------------------------------------------------------------

-- The month sums per account (VB071MS) and per account and item value
-- (VB061MS) of month M.
CREATE OR REPLACE FUNCTION pr_vb061ms(pwork_mont TEXT, pu_emp_no TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  a TEXT[]; g TEXT[]; v TEXT[]; n TEXT[]; d NUMERIC[]; c NUMERIC[];
  v_from DATE := to_date(pwork_mont || '01', 'YYYYMMDD');
  v_to   DATE := (to_date(pwork_mont || '01', 'YYYYMMDD') + INTERVAL '1 month - 1 day')::DATE;
BEGIN
  SELECT array_agg(k.acct_code), array_agg(k.d), array_agg(k.c) INTO a, d, c
    FROM (SELECT coalesce(x.acct_code, m.acct_code) AS acct_code,
                 coalesce(x.d, 0) - coalesce(m.d_amount, 0) AS d, coalesce(x.c, 0) - coalesce(m.c_amount, 0) AS c
            FROM (SELECT acct_code, sum(d_amount) AS d, sum(c_amount) AS c FROM vb011ms
                   WHERE conf_date BETWEEN v_from AND v_to GROUP BY 1) x
            FULL JOIN (SELECT * FROM vb071ms WHERE sum_month = pwork_mont) m ON m.acct_code = x.acct_code) k
   WHERE (k.d, k.c) <> (0, 0);
  PERFORM pk_v_post.move_accounts(pwork_mont, a, d, c);

  SELECT array_agg(k.acct_code), array_agg(k.mg_code), array_agg(k.mg_detail), array_agg(k.nm),
         array_agg(k.d), array_agg(k.c) INTO a, g, v, n, d, c
    FROM (SELECT coalesce(x.acct_code, m.acct_code) AS acct_code, coalesce(x.mg_code, m.mg_code) AS mg_code,
                 coalesce(x.mg_detail, m.mg_detail) AS mg_detail, x.nm,
                 coalesce(x.d, 0) - coalesce(m.d_amount, 0) AS d, coalesce(x.c, 0) - coalesce(m.c_amount, 0) AS c
            FROM (SELECT acct_code, mg_code, mg_detail, max(mg_detail_name) AS nm,
                         sum(d_amount) AS d, sum(c_amount) AS c FROM vb011dt
                   WHERE conf_date BETWEEN v_from AND v_to GROUP BY 1, 2, 3) x
            FULL JOIN (SELECT * FROM vb061ms WHERE sum_month = pwork_mont) m
              ON m.acct_code = x.acct_code AND m.mg_code = x.mg_code AND m.mg_detail = x.mg_detail) k
   WHERE (k.d, k.c) <> (0, 0);
  PERFORM pk_v_post.move_items(pwork_mont, a, g, v, n, d, c);
  UPDATE vb071ms SET u_emp_no = left(pu_emp_no, 10) WHERE sum_month = pwork_mont;
END
$$;

-- The carry-forward from month M: the term-to-date totals and balances of
-- the term's months from M on follow from the month sums, and when M ends
-- its term, the next term's openings follow from the term's balances
-- (net income into the retained-earnings account).
CREATE OR REPLACE FUNCTION pr_v_ewol(pwork_mont TEXT, pu_emp_no TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_term INTEGER := pk_v_ledger.term_of_month(pwork_mont);
  v_first TEXT := pk_v_ledger.first_month(v_term);
  v_last TEXT := pk_v_ledger.last_month(v_term);
  v_next INTEGER;
  a TEXT[]; d NUMERIC[];
BEGIN
  IF v_term IS NULL THEN
    PERFORM pk_common.raise_app_error(20102, '회계일자에 등록된 기수가 없습니다.(' || pwork_mont || ')');
  END IF;
  UPDATE vb071ms v
     SET bd_amount = x.bd, bc_amount = x.bc, bal_amount = x.bal, u_date = LOCALTIMESTAMP(0)
    FROM (SELECT m.sum_month, m.acct_code,
                 sum(m.d_amount) OVER w AS bd, sum(m.c_amount) OVER w AS bc,
                 coalesce(o.bal_amount, 0)
                   + CASE WHEN a.dc_div = 'C' THEN -1 ELSE 1 END * sum(m.d_amount - m.c_amount) OVER w AS bal
            FROM vb071ms m
            LEFT JOIN vb070ms o ON o.session_id = v_term AND o.acct_code = m.acct_code
            LEFT JOIN va020ms a ON a.acct_code = m.acct_code
           WHERE m.sum_month BETWEEN v_first AND v_last
          WINDOW w AS (PARTITION BY m.acct_code ORDER BY m.sum_month)) x
   WHERE v.sum_month = x.sum_month AND v.acct_code = x.acct_code AND v.sum_month >= pwork_mont
     AND (v.bd_amount, v.bc_amount, v.bal_amount) IS DISTINCT FROM (x.bd, x.bc, x.bal);

  IF pwork_mont = pk_v_ledger.last_month(v_term) THEN
    v_next := (SELECT l FROM pk_v_ledger.later_terms(v_term) l LIMIT 1);
    IF v_next IS NOT NULL THEN
      -- the next term's openings from this term's balances
      SELECT array_agg(k.acct_code), array_agg(k.delta) INTO a, d
        FROM (SELECT coalesce(r.acct_code, o.acct_code) AS acct_code,
                     coalesce(r.bal_amount, 0) - coalesce(o.bal_amount, 0) AS delta
                FROM pk_v_post.openings_after(v_term) r
                FULL JOIN (SELECT * FROM vb070ms WHERE session_id = v_next) o ON o.acct_code = r.acct_code) k
       WHERE k.delta <> 0;
      IF a IS NOT NULL THEN
        FOR v_term IN SELECT v_next UNION ALL SELECT * FROM pk_v_ledger.later_terms(v_next) LOOP
          PERFORM pk_v_post.move_openings(v_term, a, d);
        END LOOP;
      END IF;
    END IF;
  END IF;
END
$$;

-- The day sums of month M: balance-item movements (VB080MS), the monthly
-- sums of the cash and deposit accounts (VB085MS), the daily transfer and
-- cash sums (VC030PR) and the tax-invoice rows (VB040MS). What differs from
-- the month's lines is moved by the difference.
CREATE OR REPLACE FUNCTION pr_m_convert(p_yyyymm TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_from DATE := to_date(p_yyyymm || '01', 'YYYYMMDD');
  v_to   DATE := (to_date(p_yyyymm || '01', 'YYYYMMDD') + INTERVAL '1 month - 1 day')::DATE;
  v_fund TEXT[] := pk_v_ledger.fund_accounts();
BEGIN
  PERFORM pk_v_post.move_balance_items(ARRAY(
    SELECT ROW(k.acct_code, k.slip_date, k.item_cd1, k.item_desc1, k.nm1, k.item_cd2, k.item_desc2, k.nm2,
               k.item_cd3, k.item_desc3, k.nm3, k.acct_code = ANY (v_fund), k.dr, k.cr)::pk_v_post.balance_move
      FROM (SELECT coalesce(r.acct_code, m.acct_code) AS acct_code, coalesce(r.slip_date, m.slip_date) AS slip_date,
                   coalesce(r.item_cd1, m.item_cd1) AS item_cd1, coalesce(r.item_desc1, m.item_desc1) AS item_desc1,
                   coalesce(r.item_cd2, m.item_cd2) AS item_cd2, coalesce(r.item_desc2, m.item_desc2) AS item_desc2,
                   coalesce(r.item_cd3, m.item_cd3) AS item_cd3, coalesce(r.item_desc3, m.item_desc3) AS item_desc3,
                   r.nm1, r.nm2, r.nm3,
                   coalesce(r.dr, 0) - coalesce(m.dr_amt, 0) AS dr, coalesce(r.cr, 0) - coalesce(m.cr_amt, 0) AS cr
              FROM (SELECT acct_code, slip_date, item_cd1, item_desc1, item_cd2, item_desc2, item_cd3, item_desc3,
                           max(item_desc1nm) AS nm1, max(item_desc2nm) AS nm2, max(item_desc3nm) AS nm3,
                           sum(dr_amt) AS dr, sum(cr_amt) AS cr
                      FROM pk_v_post.balance_lines WHERE slip_date BETWEEN v_from AND v_to
                     GROUP BY 1, 2, 3, 4, 5, 6, 7, 8) r
              FULL JOIN (SELECT * FROM vb080ms WHERE slip_date BETWEEN v_from AND v_to) m
                ON m.acct_code = r.acct_code AND m.slip_date = r.slip_date
               AND coalesce(m.item_cd1, '') = coalesce(r.item_cd1, '') AND coalesce(m.item_desc1, '') = coalesce(r.item_desc1, '')
               AND coalesce(m.item_cd2, '') = coalesce(r.item_cd2, '') AND coalesce(m.item_desc2, '') = coalesce(r.item_desc2, '')
               AND coalesce(m.item_cd3, '') = coalesce(r.item_cd3, '') AND coalesce(m.item_desc3, '') = coalesce(r.item_desc3, '')) k
     WHERE (k.dr, k.cr) <> (0, 0)));
  PERFORM pk_v_post.move_days(ARRAY(
    SELECT ROW(k.sum_date, k.acct_code, k.damt, k.camt, k.cash_damt, k.cash_camt)::pk_v_post.day_move
      FROM (SELECT coalesce(r.sum_date, m.sum_date) AS sum_date, coalesce(r.acct_code, m.acct_code) AS acct_code,
                   coalesce(r.damt, 0) - coalesce(m.damt, 0) AS damt, coalesce(r.camt, 0) - coalesce(m.camt, 0) AS camt,
                   coalesce(r.cash_damt, 0) - coalesce(m.cash_damt, 0) AS cash_damt,
                   coalesce(r.cash_camt, 0) - coalesce(m.cash_camt, 0) AS cash_camt
              FROM (SELECT sum_date, acct_code, sum(damt) AS damt, sum(camt) AS camt, sum(cash_damt) AS cash_damt,
                           sum(cash_camt) AS cash_camt
                      FROM pk_v_post.cash_split WHERE sum_date BETWEEN v_from AND v_to GROUP BY 1, 2) r
              FULL JOIN (SELECT * FROM vc030pr WHERE sum_date BETWEEN v_from AND v_to) m
                ON m.sum_date = r.sum_date AND m.acct_code = r.acct_code) k
     WHERE (k.damt, k.camt, k.cash_damt, k.cash_camt) <> (0, 0, 0, 0)));
  DELETE FROM vb040ms WHERE conf_date BETWEEN v_from AND v_to;
  INSERT INTO vb040ms SELECT * FROM pk_v_post.tax_rows t WHERE t.conf_date BETWEEN v_from AND v_to;
END
$$;

-- The month sums per business division (slip kind) of month M, per account.
CREATE OR REPLACE FUNCTION pr_v_ewol_division(pwork_mont TEXT, pu_emp_no TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
BEGIN
  DELETE FROM vb072ms WHERE sum_month = pwork_mont;
  INSERT INTO vb072ms (sum_month, div_code, acct_code, d_amount, c_amount, u_date, u_emp_no)
  SELECT *, LOCALTIMESTAMP(0), left(pu_emp_no, 10) FROM pk_v_post.division_accounts(pwork_mont);
END
$$;

-- The same per account and item value.
CREATE OR REPLACE FUNCTION pr_vb061ms_division(pwork_mont TEXT, pu_emp_no TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
BEGIN
  DELETE FROM vb062ms WHERE sum_month = pwork_mont;
  INSERT INTO vb062ms (sum_month, div_code, acct_code, mg_code, mg_detail, d_amount, c_amount, u_date, u_emp_no)
  SELECT *, LOCALTIMESTAMP(0), left(pu_emp_no, 10) FROM pk_v_post.division_items(pwork_mont);
END
$$;

---------------------------------------------------------------------------
-- Closing days and months
---------------------------------------------------------------------------

-- Reopening a month takes back what its closing produced: its division sums.
CREATE OR REPLACE FUNCTION pk_v_close.undo_month(p_month TEXT) RETURNS VOID
LANGUAGE sql VOLATILE AS
$$
  DELETE FROM vb072ms WHERE sum_month = p_month;
  DELETE FROM vb062ms WHERE sum_month = p_month;
$$;

-- Why the closing flags of a term may not change now ('E…'), or NULL; on
-- NULL the books are locked for the rest of the transaction.
CREATE OR REPLACE FUNCTION pk_v_close.flag_refusal(psession TEXT, p_flag TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_closed TEXT;
  v_lock TEXT;
BEGIN
  IF btrim(psession) !~ '^[0-9]{1,3}$' OR p_flag IS NULL OR p_flag NOT IN ('Y', 'N') THEN
    RETURN 'E마감 처리 값이 올바르지 않습니다.!';
  END IF;
  SELECT close_yn INTO v_closed FROM vi010ms WHERE session_id = btrim(psession)::INTEGER;
  IF NOT FOUND THEN
    RETURN 'E해당 기수가 없습니다.(' || btrim(psession)::INTEGER || ')';
  ELSIF v_closed = 'Y' THEN
    RETURN 'E마감된 기수(' || btrim(psession)::INTEGER || '기)는 변경할 수 없습니다.!';
  END IF;
  v_lock := pk_v_post.lock_books();
  RETURN CASE WHEN v_lock IS NOT NULL THEN 'E' || v_lock END;
END
$$;

-- Closes ('Y') or reopens ('N') one day. Reopening a day of a closed month
-- reopens the month as well, in the same transaction. Answers 'T' or 'E…'.
CREATE OR REPLACE FUNCTION pk_v_close.set_day(psession TEXT, pmonth TEXT, pday TEXT, pclose_yn TEXT,
                                              pu_ip TEXT, pu_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_session INTEGER;
  v_flag TEXT := upper(btrim(pclose_yn));
  v_ip TEXT := left(btrim(pu_ip), 20);
  v_emp TEXT := left(btrim(pu_emp_no), 10);
  v_day TEXT := lpad(btrim(pday), 2, '0');
  v_lock TEXT;
BEGIN
  v_lock := pk_v_close.flag_refusal(psession, v_flag);
  IF v_lock IS NOT NULL THEN
    RETURN v_lock;
  END IF;
  v_session := btrim(psession)::INTEGER;
  UPDATE vi011dt SET close_yn = v_flag, u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
   WHERE session_id = v_session AND y_month = pmonth AND day = v_day;
  IF NOT FOUND THEN
    RETURN 'E해당 일자가 없습니다.(' || coalesce(pmonth, '') || v_day || ')';
  END IF;
  IF v_flag = 'N' THEN
    UPDATE vi011ms SET close_yn = 'N', u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
     WHERE session_id = v_session AND y_month = pmonth AND close_yn = 'Y';
    IF FOUND THEN
      PERFORM pk_v_close.undo_month(pmonth);
    END IF;
  END IF;
  RETURN 'T';
END
$$;

-- Closes ('Y') or reopens ('N') a month with all its days. Closing runs the
-- five month-end procedures in order; reopening takes back what they
-- produced. Answers 'T' or 'E…'.
CREATE OR REPLACE FUNCTION pk_v_close.set_month(psession TEXT, pmonth TEXT, pclose_yn TEXT,
                                                pu_ip TEXT, pu_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_session INTEGER;
  v_flag TEXT := upper(btrim(pclose_yn));
  v_ip TEXT := left(btrim(pu_ip), 20);
  v_emp TEXT := left(btrim(pu_emp_no), 10);
  v_lock TEXT;
BEGIN
  v_lock := pk_v_close.flag_refusal(psession, v_flag);
  IF v_lock IS NOT NULL THEN
    RETURN v_lock;
  END IF;
  v_session := btrim(psession)::INTEGER;
  UPDATE vi011dt SET close_yn = v_flag, u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
   WHERE session_id = v_session AND y_month = pmonth AND close_yn <> v_flag;
  UPDATE vi011ms SET close_yn = v_flag, u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
   WHERE session_id = v_session AND y_month = pmonth;
  IF NOT FOUND THEN
    RETURN 'E해당 월이 없습니다.(' || coalesce(pmonth, '') || ')';
  END IF;
  IF v_flag = 'Y' THEN
    PERFORM pr_vb061ms(pmonth, v_emp);
    PERFORM pr_v_ewol(pmonth, v_emp);
    PERFORM pr_m_convert(pmonth);
    PERFORM pr_v_ewol_division(pmonth, v_emp);
    PERFORM pr_vb061ms_division(pmonth, v_emp);
  ELSE
    PERFORM pk_v_close.undo_month(pmonth);
  END IF;
  RETURN 'T';
END
$$;

-- Carries a term into the next: re-derives the next term's openings from the
-- confirmed lines (classes 1-3 their balances, the retained-earnings account
-- the net income as well) and records the run. Running it again is harmless.
-- Answers 'T' and a summary, or 'E…'.
CREATE OR REPLACE FUNCTION pk_v_close.carry_forward(psession TEXT, pu_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_session INTEGER;
  v_next INTEGER;
  v_lock TEXT;
  v_income NUMERIC;
  v_count INTEGER;
  v_result TEXT;
BEGIN
  IF btrim(psession) !~ '^[0-9]{1,3}$' THEN
    RETURN 'E기수는 숫자만 입력이 가능합니다.!';
  END IF;
  v_session := btrim(psession)::INTEGER;
  IF NOT EXISTS (SELECT 1 FROM vi010ms WHERE session_id = v_session) THEN
    RETURN 'E해당 기수가 없습니다.(' || v_session || ')';
  END IF;
  v_next := (SELECT l FROM pk_v_ledger.later_terms(v_session) l LIMIT 1);
  IF v_next IS NULL THEN
    RETURN 'E이월할 다음 기수가 등록되어 있지 않습니다. 기수를 먼저 등록하세요.!';
  END IF;
  v_lock := pk_v_post.lock_books();
  IF v_lock IS NOT NULL THEN
    RETURN 'E' || v_lock;
  END IF;
  PERFORM pr_v_ewol(pk_v_ledger.last_month(v_session), pu_emp_no);
  SELECT coalesce(sum(c_amount - d_amount), 0) INTO v_income
    FROM vb071ms WHERE pk_v_ledger.resets(acct_code)
     AND sum_month BETWEEN pk_v_ledger.first_month(v_session) AND pk_v_ledger.last_month(v_session);
  SELECT count(*) INTO v_count FROM vb070ms WHERE session_id = v_next AND bal_amount <> 0;
  v_result := v_session || '기 → ' || v_next || '기 이월 완료: 계정 ' || v_count || '건, 당기순이익 '
              || to_char(v_income, 'FM999,999,999,999,990') || '원';
  INSERT INTO vi012ms (session_id, run_date, run_emp_no, result)
  VALUES (v_session, LOCALTIMESTAMP(0), left(btrim(pu_emp_no), 10), v_result)
  ON CONFLICT (session_id) DO UPDATE
     SET run_date = EXCLUDED.run_date, run_emp_no = EXCLUDED.run_emp_no, result = EXCLUDED.result;
  RETURN 'T' || v_result;
END
$$;
