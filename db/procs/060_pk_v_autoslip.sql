-- Package pk_v_autoslip: what the slip generators share. A generated slip
-- is staged in VB011MS_GT / VB011DT_GT like a slip typed in slip entry and
-- stored by pk_v_slip_01.slip_apply, so it passes the same checks (balance,
-- accounts in use and slip-bearing, required items, open term, month and
-- day) and takes its number from the same counters. It is written
-- unconfirmed, in the resort division ('K').
--
-- Refusals inside a generator are raised as error 20601 with the reason;
-- the generator catches it at its end, so that every slip of the run is
-- taken back, and answers 'E' followed by the reason.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_autoslip;

-- Stops the run with a reason.
CREATE OR REPLACE FUNCTION pk_v_autoslip.refuse(p_text TEXT) RETURNS VOID
LANGUAGE plpgsql AS
$$ BEGIN
  PERFORM pk_common.raise_app_error(20601, p_text);
END $$;

-- "code:name", or the code alone when there is no name.
CREATE OR REPLACE FUNCTION pk_v_autoslip.item_text(p_code TEXT, p_name TEXT) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN nullif(btrim(p_code), '') IS NULL THEN NULL
               WHEN nullif(btrim(p_name), '') IS NULL THEN btrim(p_code)
               ELSE btrim(p_code) || ':' || btrim(p_name) END $$;

-- The item values a department gives a line: the cost department (118) and
-- the selling and administrative department (141); the account's rules take
-- the one they name.
CREATE OR REPLACE FUNCTION pk_v_autoslip.dept_items(p_dept TEXT) RETURNS JSONB
LANGUAGE sql STABLE AS
$$ SELECT jsonb_build_object('118', t, '141', t)
     FROM (SELECT pk_v_autoslip.item_text(p_dept,
                    coalesce((SELECT aff_dept_name FROM va160ms WHERE aff_dept_code = p_dept),
                             (SELECT aff_dept_name FROM qa160ms WHERE aff_dept_code = p_dept))) AS t) x $$;

-- The expense kind (501) of an expense account, as slip entry fills it.
CREATE OR REPLACE FUNCTION pk_v_autoslip.expense_items(p_acct TEXT) RETURNS JSONB
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN p_acct LIKE '71%' THEN jsonb_build_object('501', '02:원가')
               WHEN p_acct LIKE '75%' THEN jsonb_build_object('501', '01:판관비')
               ELSE '{}'::JSONB END $$;

-- Bank (103) and account number (104) of a company account.
CREATE OR REPLACE FUNCTION pk_v_autoslip.bank_items(p_bank TEXT, p_account TEXT) RETURNS JSONB
LANGUAGE sql STABLE AS
$$ SELECT jsonb_strip_nulls(jsonb_build_object(
            '103', pk_v_autoslip.item_text(p_bank, (SELECT c_name FROM va050ms WHERE c_code = p_bank)),
            '104', pk_v_autoslip.item_text(p_account, (SELECT d_name FROM va051ms
                                                        WHERE c_code = p_bank AND d_account = p_account)))) $$;

-- A customer (101) or card company (105) by its code.
CREATE OR REPLACE FUNCTION pk_v_autoslip.customer_items(p_mg_code TEXT, p_cust TEXT) RETURNS JSONB
LANGUAGE sql STABLE AS
$$ SELECT CASE WHEN nullif(btrim(p_cust), '') IS NULL THEN '{}'::JSONB
               ELSE jsonb_build_object(p_mg_code, pk_v_autoslip.item_text(p_cust,
                      (SELECT c_name FROM va050ms WHERE c_code = btrim(p_cust)))) END $$;

-- Refuses an account that cannot carry slip lines, naming what uses it.
CREATE OR REPLACE FUNCTION pk_v_autoslip.require_slip_account(p_acct TEXT, p_what TEXT) RETURNS VOID
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  a RECORD;
BEGIN
  SELECT acct_code, use_yn, slip_yn INTO a FROM va020ms WHERE acct_code = btrim(p_acct);
  IF nullif(btrim(p_acct), '') IS NULL OR NOT FOUND THEN
    PERFORM pk_v_autoslip.refuse(p_what || '의 계정(' || coalesce(btrim(p_acct), '') || ')이 등록되지 않았습니다.!');
  ELSIF a.use_yn IS DISTINCT FROM 'Y' OR a.slip_yn IS DISTINCT FROM 'Y' THEN
    PERFORM pk_v_autoslip.refuse(p_what || '의 계정(' || a.acct_code || ')은 전표를 입력할 수 없는 계정입니다.!');
  END IF;
END
$$;

-- Readies the staging of a slip being generated: the connection's staging
-- key (taken here when it has none yet, as a first staged row would take
-- it, but with a SET statement: the generators run as the schema's owner,
-- who may not call set_config), and no rows left under p_no.
CREATE OR REPLACE FUNCTION pk_v_autoslip.stage_begin(p_no TEXT) RETURNS VOID
LANGUAGE plpgsql AS
$$
DECLARE
  k BIGINT := pk_v_slip_01.stage_key();
BEGIN
  IF k IS NULL THEN
    PERFORM pk_v_slip_01.stage_purge();
    k := nextval('pk_v_slip_01.stage_key_seq');
    INSERT INTO pk_v_slip_01.stage_session (stage_key, pid, backend_start)
    SELECT k, pg_backend_pid(), (SELECT a.backend_start FROM pg_stat_activity a WHERE a.pid = pg_backend_pid());
    EXECUTE format('SET pk_v_slip_01.stage_key = %L', k::TEXT);
  END IF;
  PERFORM pk_v_slip_01.stage_clear(k, p_no);
END
$$;

-- Stages one line. p_items maps item codes to values ("code:name" or a
-- plain value); each item the account's rules name is filled from it in
-- the rule's position, the others are left out.
CREATE OR REPLACE FUNCTION pk_v_autoslip.stage_line(p_no TEXT, p_seq INTEGER, p_acct TEXT, p_remark TEXT,
                                                    p_debit NUMERIC, p_credit NUMERIC, p_items JSONB)
RETURNS VOID
LANGUAGE plpgsql AS
$$
BEGIN
  INSERT INTO vb011ms_gt (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
  VALUES (p_no, p_seq, p_acct, left(p_remark, 100), p_debit, p_credit, NULL, NULL);
  INSERT INTO vb011dt_gt (slip_no, mg_code, mg_detail, mg_detail_name, acct_code, slip_seq_no, conf_date,
                          d_amount, c_amount, lineup_no, session_id)
  SELECT p_no, r.mg_code,
         split_part(p_items ->> r.mg_code, ':', 1),
         nullif(substr(p_items ->> r.mg_code, length(split_part(p_items ->> r.mg_code, ':', 1)) + 2), ''),
         p_acct, p_seq, NULL, p_debit, p_credit, r.lineup_no, NULL
    FROM va040ms r
   WHERE r.acct_code = p_acct AND r.use_yn = 'Y'
     AND nullif(btrim(p_items ->> r.mg_code), '') IS NOT NULL;
END
$$;

-- Stores the staged slip p_no for the writing department and day; the new
-- slip number, or a refusal with the slip procedure's reason.
CREATE OR REPLACE FUNCTION pk_v_autoslip.store(p_no TEXT, p_dept TEXT, p_day DATE, p_ip TEXT, p_emp TEXT)
RETURNS TEXT
LANGUAGE plpgsql AS
$$
DECLARE
  v_answer TEXT;
BEGIN
  v_answer := pk_v_slip_01.slip_apply('V', '1', '1', p_no, p_dept, to_char(p_day, 'YYYY-MM-DD'), p_ip, p_emp, 'K');
  IF left(v_answer, 1) <> 'R' THEN
    PERFORM pk_v_autoslip.refuse(substr(v_answer, 2));
  END IF;
  RETURN substr(v_answer, 2, 8);
END
$$;

-- The live slips a pay run or a sales day produced, as "no, no".
CREATE OR REPLACE FUNCTION pk_v_autoslip.live_slips(p_kind TEXT, p_key TEXT) RETURNS TEXT
LANGUAGE sql STABLE AS
$$ SELECT string_agg(g.slip_no, ', ' ORDER BY g.slip_ord)
     FROM vb095ms g JOIN vb010ms h ON h.slip_no = g.slip_no
    WHERE g.gen_kind = p_kind AND g.gen_key = p_key AND h.slip_del_yn = 'N' $$;

-- Records the slips of a run; a deleted slip of an earlier run of the same
-- source gives its place up.
CREATE OR REPLACE FUNCTION pk_v_autoslip.register(p_kind TEXT, p_key TEXT, p_slips TEXT[], p_ip TEXT, p_emp TEXT)
RETURNS VOID
LANGUAGE plpgsql AS
$$
BEGIN
  DELETE FROM vb095ms g
   WHERE g.gen_kind = p_kind AND g.gen_key = p_key
     AND EXISTS (SELECT 1 FROM vb010ms h WHERE h.slip_no = g.slip_no AND h.slip_del_yn = 'Y');
  INSERT INTO vb095ms (slip_no, gen_kind, gen_key, slip_ord, u_date, u_ip, u_emp_no)
  SELECT s.no, p_kind, p_key, s.ord, LOCALTIMESTAMP(0), left(p_ip, 20), p_emp
    FROM unnest(p_slips) WITH ORDINALITY AS s(no, ord)
   WHERE s.no IS NOT NULL;
END
$$;

-- 'YYYY-MM-DD', 'YYYY/MM/DD', 'YYYY.MM.DD' or 'YYYYMMDD' to a date; NULL for
-- anything else, impossible days included.
CREATE OR REPLACE FUNCTION pk_v_autoslip.to_day(p TEXT) RETURNS DATE
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN btrim(p) ~ '^[0-9]{4}([-/.]?)[0-9]{2}\1[0-9]{2}$'
               THEN pk_v_slip_01.to_day(substr(regexp_replace(btrim(p), '[^0-9]', '', 'g'), 1, 4) || '-'
                                        || substr(regexp_replace(btrim(p), '[^0-9]', '', 'g'), 5, 2) || '-'
                                        || substr(regexp_replace(btrim(p), '[^0-9]', '', 'g'), 7, 2)) END $$;

---------------------------------------------------------------------------
-- Slip copy
---------------------------------------------------------------------------

-- Copies slip PSLIP_NO into a new unconfirmed slip of department PDEPT_CODE
-- dated today, with the source's lines (accounts, remarks) and item values
-- in their positions. PAMT_GB: '0' every amount becomes zero (a form to
-- fill in slip entry, which will not save it before amounts are given),
-- '1' every amount changes its sign (a reversal of the source), '2' the
-- amounts stay. Any live slip may be copied, confirmed or not; a deleted one
-- may not. Answers PRETURNV 'R' and the new number, PRTN_DATE its writing
-- date 'YYYY-MM-DD'; or 'E' and the reason, with nothing written.
CREATE OR REPLACE FUNCTION pr_v_vbi050sp(pamt_gb TEXT, pslip_no TEXT, pdept_code TEXT, pu_ip TEXT, pu_emp_no TEXT,
                                         OUT preturnv TEXT, OUT prtn_date TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_mode  TEXT := btrim(pamt_gb);
  v_no    TEXT := btrim(pslip_no);
  v_stage CONSTANT TEXT := 'NCOPY';
  v_day   DATE := CURRENT_DATE;
  v_sign  INTEGER;
  v_new   TEXT;
  h       RECORD;
  l       RECORD;
BEGIN
  prtn_date := '';
  IF v_mode IS NULL OR v_mode NOT IN ('0', '1', '2') THEN
    preturnv := 'E금액처리 구분이 올바르지 않습니다.(' || coalesce(v_mode, '') || ')';
    RETURN;
  END IF;
  IF v_no IS NULL OR v_no = '' THEN
    preturnv := 'E전표번호를 선택하세요.!';
    RETURN;
  END IF;
  BEGIN
    -- the source stays as it is until the copy is stored
    SELECT slip_no, slip_del_yn INTO h FROM vb010ms WHERE slip_no = v_no FOR SHARE;
    IF NOT FOUND THEN
      PERFORM pk_v_autoslip.refuse('복사할 전표가 없습니다.(' || v_no || ')');
    ELSIF h.slip_del_yn = 'Y' THEN
      PERFORM pk_v_autoslip.refuse('삭제된 전표는 복사할 수 없습니다.(' || v_no || ')');
    END IF;
    IF NOT EXISTS (SELECT 1 FROM vb011ms WHERE slip_no = v_no) THEN
      PERFORM pk_v_autoslip.refuse('복사할 전표의 내역이 없습니다.(' || v_no || ')');
    END IF;

    v_sign := CASE v_mode WHEN '0' THEN 0 WHEN '1' THEN -1 ELSE 1 END;
    PERFORM pk_v_autoslip.stage_begin(v_stage);
    FOR l IN SELECT slip_seq_no, acct_code, ref_data, d_amount, c_amount
               FROM vb011ms WHERE slip_no = v_no ORDER BY slip_seq_no LOOP
      INSERT INTO vb011ms_gt (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
      VALUES (v_stage, l.slip_seq_no, l.acct_code, l.ref_data, l.d_amount * v_sign, l.c_amount * v_sign, NULL, NULL);
    END LOOP;
    INSERT INTO vb011dt_gt (slip_no, mg_code, mg_detail, mg_detail_name, acct_code, slip_seq_no, conf_date,
                            d_amount, c_amount, lineup_no, session_id)
    SELECT v_stage, i.mg_code, i.mg_detail, i.mg_detail_name, i.acct_code, i.slip_seq_no, NULL,
           i.d_amount * v_sign, i.c_amount * v_sign, i.lineup_no, NULL
      FROM vb011dt i WHERE i.slip_no = v_no;

    IF v_mode = '0' THEN
      SET LOCAL pk_v_slip_01.blank_lines = 'on';
    END IF;
    v_new := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_day, pu_ip, btrim(pu_emp_no));
    SET LOCAL pk_v_slip_01.blank_lines = '';
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    preturnv := 'E' || SQLERRM;
    RETURN;
  END;
  preturnv := 'R' || v_new;
  prtn_date := to_char(v_day, 'YYYY-MM-DD');
END
$$;
