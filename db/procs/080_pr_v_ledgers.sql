-- The ledger procedures: the general ledger (VC070PR), the ledger by
-- balance-item values (VC080PR) and the balance statement (VC085PR). Each
-- run replaces the rows of its workstation address under the address's lock
-- and answers 'T' with the number of rows written, or 'E…' with nothing
-- written. Every balance comes from the ledger kernel.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_ledgers;

-- A 'YYYY-MM-DD' text as a date; NULL for anything else.
CREATE OR REPLACE FUNCTION pk_v_ledgers.day_of(p_text TEXT) RETURNS DATE
LANGUAGE plpgsql IMMUTABLE AS
$$
BEGIN
  IF btrim(p_text) !~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$' THEN
    RETURN NULL;
  END IF;
  RETURN to_date(btrim(p_text), 'YYYY-MM-DD');
EXCEPTION WHEN others THEN
  RETURN NULL;
END
$$;

-- Why a period cannot be read, or NULL.
CREATE OR REPLACE FUNCTION pk_v_ledgers.period_refusal(p_ip TEXT, p_from TEXT, p_to TEXT) RETURNS TEXT
LANGUAGE plpgsql IMMUTABLE AS
$$
BEGIN
  IF p_ip IS NULL OR btrim(p_ip) = '' THEN
    RETURN 'E작업 단말의 주소가 없습니다.!';
  END IF;
  IF pk_v_ledgers.day_of(p_from) IS NULL OR pk_v_ledgers.day_of(p_to) IS NULL
     OR to_char(pk_v_ledgers.day_of(p_from), 'YYYY-MM-DD') <> btrim(p_from)
     OR to_char(pk_v_ledgers.day_of(p_to), 'YYYY-MM-DD') <> btrim(p_to) THEN
    RETURN 'E조회기간이 올바르지 않습니다.(' || coalesce(p_from, '') || ' ~ ' || coalesce(p_to, '') || ')';
  END IF;
  IF pk_v_ledgers.day_of(p_from) > pk_v_ledgers.day_of(p_to) THEN
    RETURN 'E조회기간의 시작일이 종료일보다 늦습니다.!';
  END IF;
  RETURN NULL;
END
$$;

-- The value of a management item as the ledgers show it: the value code for
-- item 104 (an account number), otherwise its name, or the code when there
-- is no name.
CREATE OR REPLACE FUNCTION pk_v_ledgers.item_shown(p_mg_code TEXT, p_detail TEXT, p_name TEXT) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN p_mg_code = '104' THEN p_detail ELSE coalesce(nullif(btrim(p_name), ''), p_detail) END $$;

-- The item values of a slip line as one text: "[first] [second] …" (empty
-- for a line without items).
CREATE OR REPLACE FUNCTION pk_v_ledgers.item_text(p_slip_no TEXT, p_slip_seq_no INTEGER) RETURNS TEXT
LANGUAGE sql STABLE AS
$$
  SELECT string_agg('[' || btrim(coalesce(pk_v_ledgers.item_shown(i.mg_code, i.mg_detail, i.mg_detail_name), ''))
                    || ']', ' ' ORDER BY i.lineup_no)
    FROM vb011dt i WHERE i.slip_no = p_slip_no AND i.slip_seq_no = p_slip_seq_no
$$;

-- The summary labels of the ledgers kept by procedure.
CREATE OR REPLACE FUNCTION pk_v_ledgers.label(p_row_kind TEXT, p_ref_data TEXT) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$
  SELECT CASE p_row_kind WHEN 'B' THEN '[전   일    이    월]'
                         WHEN 'M' THEN '[월               계]'
                         WHEN 'Y' THEN '[누               계]'
                         ELSE p_ref_data END
$$;

-- Which balance position is chosen wrongly, or NULL: a position needs the
-- ones above it, and a chosen position a value.
CREATE OR REPLACE FUNCTION pk_v_ledgers.position_refusal(p_chk1 TEXT, p_chk2 TEXT, p_chk3 TEXT,
                                                         p_cd1 TEXT, p_cd2 TEXT, p_cd3 TEXT) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$
  SELECT CASE
    WHEN p_chk2 = '1' AND p_chk1 IS DISTINCT FROM '1' THEN 'E잔액관리순번 - 1 을 먼저 선택하세요.!'
    WHEN p_chk3 = '1' AND (p_chk1 IS DISTINCT FROM '1' OR p_chk2 IS DISTINCT FROM '1')
      THEN 'E잔액관리순번 - 1 과 잔액관리순번 - 2가 먼저 선택되어야 합니다 .!'
    WHEN p_chk1 = '1' AND coalesce(btrim(p_cd1), '') = '' THEN 'E잔액관리순번 - 1 을 선택하세요.!'
    WHEN p_chk2 = '1' AND coalesce(btrim(p_cd2), '') = '' THEN 'E잔액관리순번 - 2 를 선택하세요.!'
    WHEN p_chk3 = '1' AND coalesce(btrim(p_cd3), '') = '' THEN 'E잔액관리순번 - 3 을 선택하세요.!'
  END
$$;

-- The general ledger of the accounts from p_acct_sbj_cd_from to
-- p_acct_sbj_cd_to (empty: the whole chart) that have confirmed lines in the
-- period, into VC070PR.
CREATE OR REPLACE FUNCTION pr_v_vci070sp(p_ip_addr TEXT, p_acct_sbj_cd_from TEXT, p_acct_sbj_cd_to TEXT,
                                         p_aprv_dt_from TEXT, p_aprv_dt_to TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip     TEXT := left(btrim(p_ip_addr), 20);
  v_refuse TEXT := pk_v_ledgers.period_refusal(p_ip_addr, p_aprv_dt_from, p_aprv_dt_to);
  v_from   DATE;
  v_to     DATE;
  v_afrom  TEXT := coalesce(nullif(btrim(p_acct_sbj_cd_from), ''), '0000000');
  v_ato    TEXT := coalesce(nullif(btrim(p_acct_sbj_cd_to), ''), '9999999');
  v_count  INTEGER;
BEGIN
  IF v_refuse IS NOT NULL THEN
    RETURN v_refuse;
  END IF;
  v_from := pk_v_ledgers.day_of(p_aprv_dt_from);
  v_to := pk_v_ledgers.day_of(p_aprv_dt_to);
  PERFORM pk_common.lock_result('VC070PR', v_ip);
  DELETE FROM vc070pr WHERE ip_addr = v_ip;
  INSERT INTO vc070pr (ip_addr, seq_no, acct_sbj_cd, slip_dt, rmk, db_amt, cr_amt, tbal)
  SELECT v_ip, r.ord, a.acct_code, r.acct_date, pk_v_ledgers.label(r.row_kind, r.ref_data),
         r.d_amount, r.c_amount, r.balance
    FROM va020ms a
   CROSS JOIN LATERAL pk_v_ledger.ledger_rows(a.acct_code, v_from, v_to)
         WITH ORDINALITY r(row_kind, acct_date, slip_no, slip_seq_no, ref_data, d_amount, c_amount, balance, ord)
   WHERE a.acct_code BETWEEN v_afrom AND v_ato
     AND EXISTS (SELECT 1 FROM vb011ms l WHERE l.acct_code = a.acct_code AND l.conf_date BETWEEN v_from AND v_to)
     AND r.row_kind <> 'T';
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN 'T' || v_count;
END
$$;

-- The ledger of a balance-managed account (with p_up_code '1' also of the
-- accounts below it) for the values of the checked balance positions, into
-- VC080PR: brought forward, lines, month and cumulative totals.
CREATE OR REPLACE FUNCTION pr_v_vci080sp(p_ip_addr TEXT, pp_acct_code TEXT, p_up_code TEXT,
                                         p_mg_chk1 TEXT, p_mg_chk2 TEXT, p_mg_chk3 TEXT,
                                         p_mg_cd1 TEXT, p_mg_cd2 TEXT, p_mg_cd3 TEXT,
                                         p_aprv_dt_from TEXT, p_aprv_dt_to TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip     TEXT := left(btrim(p_ip_addr), 20);
  v_acct   TEXT := btrim(pp_acct_code);
  v_refuse TEXT := coalesce(pk_v_ledgers.period_refusal(p_ip_addr, p_aprv_dt_from, p_aprv_dt_to),
                            pk_v_ledgers.position_refusal(p_mg_chk1, p_mg_chk2, p_mg_chk3,
                                                          p_mg_cd1, p_mg_cd2, p_mg_cd3));
  v_values TEXT[];
  v_count  INTEGER;
BEGIN
  IF v_refuse IS NOT NULL THEN
    RETURN v_refuse;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM va020ms WHERE acct_code = v_acct) THEN
    RETURN 'E계정과목을 선택하세요.!';
  END IF;
  v_values := ARRAY[CASE WHEN p_mg_chk1 = '1' THEN btrim(p_mg_cd1) END,
                    CASE WHEN p_mg_chk2 = '1' THEN btrim(p_mg_cd2) END,
                    CASE WHEN p_mg_chk3 = '1' THEN btrim(p_mg_cd3) END];
  PERFORM pk_common.lock_result('VC080PR', v_ip);
  DELETE FROM vc080pr WHERE ip_addr = v_ip;
  INSERT INTO vc080pr (ip_addr, seq_no, conf_dt, slip_no, slip_seq_no, rmk, mg_rmk, db_amt, cr_amt, tbal,
                       dept_code, slip_dt)
  SELECT v_ip, r.ord, r.acct_date, r.slip_no, r.slip_seq_no + 1, pk_v_ledgers.label(r.row_kind, r.ref_data),
         CASE WHEN r.row_kind = 'L' THEN pk_v_ledgers.item_text(r.slip_no, r.slip_seq_no) END,
         r.d_amount, r.c_amount, r.balance, h.dept_code, h.slip_date
    FROM pk_v_ledger.item_ledger_rows(pk_v_ledger.accounts_under(v_acct, p_up_code = '1'),
                                      pk_v_ledgers.day_of(p_aprv_dt_from), pk_v_ledgers.day_of(p_aprv_dt_to),
                                      v_values)
         WITH ORDINALITY r(row_kind, acct_date, slip_no, slip_seq_no, ref_data, d_amount, c_amount, balance, ord)
    LEFT JOIN vb010ms h ON h.slip_no = r.slip_no
   WHERE r.row_kind <> 'T';
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN 'T' || v_count;
END
$$;

-- The balance statement of a balance-managed account (with p_up_code '1'
-- also of the accounts below it), per combination of the values of the
-- checked balance positions, into VC085PR.
CREATE OR REPLACE FUNCTION pr_v_vci085sp(p_ip_addr TEXT, pp_acct_code TEXT, p_up_code TEXT,
                                         p_mg_chk1 TEXT, p_mg_chk2 TEXT, p_mg_chk3 TEXT,
                                         p_aprv_dt_from TEXT, p_aprv_dt_to TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip     TEXT := left(btrim(p_ip_addr), 20);
  v_acct   TEXT := btrim(pp_acct_code);
  v_refuse TEXT := pk_v_ledgers.period_refusal(p_ip_addr, p_aprv_dt_from, p_aprv_dt_to);
  v_count  INTEGER;
BEGIN
  IF v_refuse IS NOT NULL THEN
    RETURN v_refuse;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM va020ms WHERE acct_code = v_acct) THEN
    RETURN 'E계정과목을 선택하세요.!';
  END IF;
  PERFORM pk_common.lock_result('VC085PR', v_ip);
  DELETE FROM vc085pr WHERE ip_addr = v_ip;
  INSERT INTO vc085pr (ip_addr, acct_cd, item_cd1, item_desc1, item_desc1nm, item_cd2, item_desc2, item_desc2nm,
                       item_cd3, item_desc3, item_desc3nm, bf_amt, db_amt, cr_amt, stan_dc)
  SELECT v_ip, b.acct_code, b.item_cd1, b.item_desc1, b.item_desc1nm, b.item_cd2, b.item_desc2, b.item_desc2nm,
         b.item_cd3, b.item_desc3, b.item_desc3nm, b.bf_amt, b.db_amt, b.cr_amt,
         CASE WHEN pk_v_ledger.side_of(v_acct) < 0 THEN 'C' ELSE 'D' END
    FROM pk_v_ledger.item_balances(pk_v_ledger.accounts_under(v_acct, p_up_code = '1'),
                                   pk_v_ledgers.day_of(p_aprv_dt_from), pk_v_ledgers.day_of(p_aprv_dt_to),
                                   ARRAY[p_mg_chk1 = '1', p_mg_chk2 = '1', p_mg_chk3 = '1']) b;
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN 'T' || v_count;
END
$$;
