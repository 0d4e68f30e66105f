-- Package pk_v_note: the database side of the notes.
--
--   post_forms      the engine calls it when a slip is confirmed (flag '1')
--                   or its confirmation cancelled ('2'): a credit line on
--                   notes payable naming a form by its number (item 116)
--                   issues that form, the cancellation gives it back;
--   pr_vf050sp      creates the forms of a book of forms received;
--   pr_vfi065sp     settlement slips of issued notes falling due;
--   pr_vfi020sp     collection slips of received notes falling due.
--
-- Refusals inside the slip generators are raised as 20601 (pk_v_autoslip)
-- and answered 'E' with the reason; refusals of post_forms are raised as
-- 20712-20715 so that the confirmation is taken back whole.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_note;

CREATE OR REPLACE FUNCTION pk_v_note.notes_payable() RETURNS TEXT
LANGUAGE sql IMMUTABLE AS $$ SELECT '2110120'::TEXT $$;

CREATE OR REPLACE FUNCTION pk_v_note.notes_receivable() RETURNS TEXT
LANGUAGE sql IMMUTABLE AS $$ SELECT '1110510'::TEXT $$;

-- The value of item p_code on a slip line (the code part), or NULL.
CREATE OR REPLACE FUNCTION pk_v_note.line_item(p_slip TEXT, p_seq INTEGER, p_code TEXT) RETURNS TEXT
LANGUAGE sql STABLE AS
$$ SELECT nullif(btrim(max(mg_detail)), '') FROM vb011dt
    WHERE slip_no = p_slip AND slip_seq_no = p_seq AND mg_code = p_code $$;

-- A date item as 'YYYY-MM-DD' when it reads as a date, else as written.
CREATE OR REPLACE FUNCTION pk_v_note.day_text(p TEXT) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$ SELECT coalesce(to_char(pk_v_autoslip.to_day(p), 'YYYY-MM-DD'), nullif(btrim(p), '')) $$;

---------------------------------------------------------------------------
-- Issuing forms through the confirmation of their slip
---------------------------------------------------------------------------

CREATE OR REPLACE FUNCTION pk_v_note.post_forms(p_slip_no TEXT, p_flag TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  h RECORD;
  l RECORD;
  f RECORD;
BEGIN
  SELECT slip_no, slip_date, conf_date, conf_emp_no, u_ip INTO h FROM vb010ms WHERE slip_no = p_slip_no;
  SET LOCAL pk_v_note.writing = 'on';
  IF p_flag = '1' THEN
    FOR l IN SELECT m.slip_seq_no, m.c_amount, i.mg_detail AS bill_no
               FROM vb011ms m
               JOIN vb011dt i ON i.slip_no = m.slip_no AND i.slip_seq_no = m.slip_seq_no AND i.mg_code = '116'
              WHERE m.slip_no = p_slip_no AND m.acct_code = pk_v_note.notes_payable() AND m.c_amount > 0
              ORDER BY m.slip_seq_no LOOP
      SELECT * INTO f FROM vf060ms WHERE bill_clf = '1' AND bill_no = btrim(l.bill_no) FOR UPDATE;
      IF NOT FOUND THEN
        PERFORM pk_common.raise_app_error(20712, '수령 등록되지 않은 지급어음입니다.(' || btrim(l.bill_no)
                                                 || ', 전표 ' || p_slip_no || ')');
      ELSIF f.bill_proc_cd IS DISTINCT FROM '0' THEN
        PERFORM pk_common.raise_app_error(20713, '이미 사용된 지급어음입니다.(' || f.bill_no || ', 전표 '
                                                 || p_slip_no || ')');
      ELSIF pk_v_note.line_item(p_slip_no, l.slip_seq_no, '103') IS DISTINCT FROM f.fin_inst_cd
            AND pk_v_note.line_item(p_slip_no, l.slip_seq_no, '103') IS NOT NULL THEN
        -- notes payable are kept by bank: the issue and the settlement must
        -- name the same one
        PERFORM pk_common.raise_app_error(20715, '지급어음을 수령한 은행(' || f.fin_inst_cd || ')과 전표의 은행('
                                                 || pk_v_note.line_item(p_slip_no, l.slip_seq_no, '103')
                                                 || ')이 다릅니다.(' || f.bill_no || ', 전표 ' || p_slip_no || ')');
      END IF;
      UPDATE vf060ms
         SET bill_proc_cd = '1',
             bill_proc_dt = to_char(h.conf_date, 'YYYY-MM-DD'),
             cust_cd = coalesce(pk_v_note.line_item(p_slip_no, l.slip_seq_no, '154'),
                                pk_v_note.line_item(p_slip_no, l.slip_seq_no, '101')),
             isu_dt = pk_v_note.day_text(pk_v_note.line_item(p_slip_no, l.slip_seq_no, '126')),
             exp_dt = pk_v_note.day_text(pk_v_note.line_item(p_slip_no, l.slip_seq_no, '127')),
             bill_amt = l.c_amount,
             isu_acc_sh_no = p_slip_no,
             isu_acc_sh_dt = to_char(h.slip_date, 'YYYY-MM-DD'),
             jikeub_dt = NULL,
             u_date = LOCALTIMESTAMP(0), u_ip = h.u_ip, u_emp_no = h.conf_emp_no
       WHERE bill_clf = f.bill_clf AND bill_no = f.bill_no;
    END LOOP;
  ELSE
    FOR f IN SELECT * FROM vf060ms WHERE isu_acc_sh_no = p_slip_no AND bill_clf = '1' ORDER BY bill_no FOR UPDATE LOOP
      IF f.bill_proc_cd = '5' THEN
        PERFORM pk_common.raise_app_error(20714, '결제된 지급어음의 발행전표는 확정취소할 수 없습니다.('
                                                 || f.bill_no || ', 결제전표 ' || coalesce(f.stl_acc_sh_no, '') || ')');
      END IF;
    END LOOP;
    UPDATE vf060ms
       SET bill_proc_cd = '0', bill_proc_dt = NULL, cust_cd = NULL, isu_dt = NULL, exp_dt = NULL, bill_amt = NULL,
           isu_acc_sh_no = NULL, isu_acc_sh_dt = NULL, jikeub_dt = NULL,
           u_date = LOCALTIMESTAMP(0), u_ip = h.u_ip, u_emp_no = h.conf_emp_no
     WHERE isu_acc_sh_no = p_slip_no AND bill_clf = '1' AND bill_proc_cd = '1';
  END IF;
  SET LOCAL pk_v_note.writing = '';
END
$$;

---------------------------------------------------------------------------
-- Books of forms
---------------------------------------------------------------------------

-- The forms of a book: the start number is a prefix and a run of digits;
-- each next form adds one to the digits at the same width. A book that runs
-- past the width is refused.
CREATE OR REPLACE FUNCTION pk_v_note.form_numbers(p_strt_no TEXT, p_count INTEGER) RETURNS SETOF TEXT
LANGUAGE plpgsql IMMUTABLE AS
$$
DECLARE
  v_digits TEXT := substring(p_strt_no FROM '([0-9]+)$');
  v_prefix TEXT;
  v_first  NUMERIC;
BEGIN
  IF v_digits IS NULL THEN
    RETURN;
  END IF;
  v_prefix := left(p_strt_no, length(p_strt_no) - length(v_digits));
  v_first := v_digits::NUMERIC;
  RETURN QUERY SELECT v_prefix || lpad((v_first + n)::TEXT, length(v_digits), '0')
                 FROM generate_series(0, p_count - 1) AS n;
END
$$;

CREATE OR REPLACE FUNCTION pr_vf050sp(p_ip_addr TEXT, p_u_emp_no TEXT, p_fin_inst_cd TEXT, p_bill_clf TEXT,
                                      p_strt_no TEXT, p_old_strt_no TEXT, p_rcp_dt TEXT, p_rcp_sht TEXT,
                                      OUT p_returnv TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_bank   TEXT := upper(btrim(p_fin_inst_cd));
  v_clf    TEXT := btrim(p_bill_clf);
  v_no     TEXT := upper(btrim(p_strt_no));
  v_old    TEXT := nullif(upper(btrim(p_old_strt_no)), '');
  v_day    DATE := pk_v_autoslip.to_day(p_rcp_dt);
  v_count  INTEGER;
  v_digits TEXT;
  v_used   TEXT;
BEGIN
  IF v_bank IS NULL OR NOT EXISTS (SELECT 1 FROM va050ms WHERE c_code = v_bank AND c_kind = '03') THEN
    p_returnv := 'E등록되지 않은 금융기관입니다.(' || coalesce(v_bank, '') || ')';
    RETURN;
  END IF;
  IF v_clf IS NULL OR v_clf NOT IN ('1', '2') THEN
    p_returnv := 'E어음구분이 올바르지 않습니다.(' || coalesce(v_clf, '') || ')';
    RETURN;
  END IF;
  IF v_day IS NULL THEN
    p_returnv := 'E수령일자가 올바르지 않습니다.(' || coalesce(p_rcp_dt, '') || ')';
    RETURN;
  END IF;
  IF v_no IS NULL OR v_no = '' THEN
    p_returnv := 'E시작번호를 입력하세요.!';
    RETURN;
  END IF;
  IF length(v_no) > 12 THEN
    p_returnv := 'E시작번호는 12자리까지 입력할 수 있습니다.(' || v_no || ')';
    RETURN;
  END IF;
  v_digits := substring(v_no FROM '([0-9]+)$');
  IF v_digits IS NULL THEN
    p_returnv := 'E시작번호는 숫자로 끝나야 합니다.(' || v_no || ')';
    RETURN;
  END IF;
  IF btrim(coalesce(p_rcp_sht, '')) !~ '^[0-9]{1,4}$' OR btrim(p_rcp_sht)::INTEGER < 1 THEN
    p_returnv := 'E수령매수를 입력하세요.!';
    RETURN;
  END IF;
  v_count := btrim(p_rcp_sht)::INTEGER;
  IF length((v_digits::NUMERIC + v_count - 1)::TEXT) > length(v_digits) THEN
    p_returnv := 'E시작번호(' || v_no || ')의 자리수로는 ' || v_count || '매의 번호를 만들 수 없습니다.';
    RETURN;
  END IF;

  SET LOCAL pk_v_note.writing = 'on';
  IF v_old IS NOT NULL THEN
    SELECT string_agg(bill_no, ', ' ORDER BY bill_no) INTO v_used
      FROM (SELECT bill_no FROM vf060ms
             WHERE fin_inst_cd = v_bank AND bill_clf = v_clf AND strt_no = v_old AND bill_proc_cd <> '0'
             FOR UPDATE) u;
    IF v_used IS NOT NULL THEN
      SET LOCAL pk_v_note.writing = '';
      p_returnv := 'E이미 사용된 어음이나 수표가 있으므로 수정하실 수 없습니다.(' || v_used || ')';
      RETURN;
    END IF;
    DELETE FROM vf060ms WHERE fin_inst_cd = v_bank AND bill_clf = v_clf AND strt_no = v_old;
  END IF;
  SELECT string_agg(f.bill_no, ', ' ORDER BY f.bill_no) INTO v_used
    FROM vf060ms f
   WHERE f.bill_clf = v_clf AND f.bill_no IN (SELECT pk_v_note.form_numbers(v_no, v_count));
  IF v_used IS NOT NULL THEN
    SET LOCAL pk_v_note.writing = '';
    p_returnv := 'E이미 등록된 ' || CASE v_clf WHEN '1' THEN '어음' ELSE '수표' END || '번호입니다.(' || v_used || ')';
    RETURN;
  END IF;
  INSERT INTO vf060ms (bill_clf, bill_no, fin_inst_cd, strt_no, rcp_dt, bill_proc_cd, u_date, u_ip, u_emp_no)
  SELECT v_clf, n, v_bank, v_no, to_char(v_day, 'YYYY-MM-DD'), '0', LOCALTIMESTAMP(0), left(p_ip_addr, 20),
         left(btrim(p_u_emp_no), 10)
    FROM pk_v_note.form_numbers(v_no, v_count) AS n;
  SET LOCAL pk_v_note.writing = '';
  p_returnv := 'T' || v_count;
END
$$;

---------------------------------------------------------------------------
-- Settlement slips of notes payable
---------------------------------------------------------------------------

-- The company's checking account at a bank, from which its notes are paid.
CREATE OR REPLACE FUNCTION pk_v_note.checking_account(p_bank TEXT) RETURNS TEXT
LANGUAGE sql STABLE AS
$$ SELECT d_account FROM va051ms WHERE c_code = p_bank AND d_type = '2' AND use_yn = 'Y'
    ORDER BY d_account LIMIT 1 $$;

-- Settles the notes this connection listed in VF065TM. PAMT_GB '1' one slip
-- for them all, '2' one slip per note; each note gives a debit on notes
-- payable with its bank, payee, number and dates and a credit on its bank's
-- checking account. The slips are dated today, written unconfirmed through
-- the slip procedure, and the forms are settled ('5') with the slip.
-- Answers PRETURNV 'R' and the (first) slip number, PRTN_DATE the date; or
-- 'E' and the reason with nothing written.
CREATE OR REPLACE FUNCTION pr_vfi065sp(pamt_gb TEXT, pdept_code TEXT, pu_emp_no TEXT, pu_ip TEXT,
                                       OUT preturnv TEXT, OUT prtn_date TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  c_checking CONSTANT TEXT := '1110130';
  v_mode  TEXT := btrim(pamt_gb);
  v_day   DATE := CURRENT_DATE;
  v_emp   TEXT := btrim(pu_emp_no);
  v_stage TEXT;
  v_seq   INTEGER := 0;
  v_slips TEXT[] := ARRAY[]::TEXT[];
  v_new   TEXT;
  v_acct  TEXT;
  v_count INTEGER := 0;
  n       RECORD;
BEGIN
  prtn_date := '';
  IF v_mode IS NULL OR v_mode NOT IN ('1', '2') THEN
    preturnv := 'E처리구분이 올바르지 않습니다.(' || coalesce(v_mode, '') || ')';
    RETURN;
  END IF;
  BEGIN
    -- the listed forms stay as they are until they are settled
    PERFORM 1 FROM vf060ms f
      WHERE (f.bill_clf, f.bill_no) IN (SELECT coalesce(nullif(btrim(t.bill_clf), ''), '1'), btrim(t.bill_no)
                                          FROM vf065tm t WHERE t.sess_key = pg_backend_pid())
        FOR UPDATE;
    FOR n IN SELECT f.bill_clf, f.bill_no, f.fin_inst_cd, f.cust_cd, f.isu_dt, f.exp_dt, f.bill_amt, f.bill_proc_cd,
                    b.c_name AS bank_name, c.c_name AS cust_name, c.c_num
               FROM (SELECT DISTINCT coalesce(nullif(btrim(t.bill_clf), ''), '1') AS bill_clf, btrim(t.bill_no) AS bill_no
                       FROM vf065tm t WHERE t.sess_key = pg_backend_pid()) t
               LEFT JOIN vf060ms f ON f.bill_clf = t.bill_clf AND f.bill_no = t.bill_no
               LEFT JOIN va050ms b ON b.c_code = f.fin_inst_cd
               LEFT JOIN va050ms c ON c.c_code = f.cust_cd
              ORDER BY f.exp_dt, f.bill_no LOOP
      IF n.bill_no IS NULL OR n.bill_proc_cd IS DISTINCT FROM '1' THEN
        PERFORM pk_v_autoslip.refuse('결제할 수 없는 지급어음입니다. 이미 결제되었거나 발행되지 않았습니다.('
                                     || coalesce(n.bill_no, '') || ')');
      END IF;
      v_acct := pk_v_note.checking_account(n.fin_inst_cd);
      IF v_acct IS NULL THEN
        PERFORM pk_v_autoslip.refuse('결제할 당좌계좌가 등록되지 않은 은행입니다.(' || n.fin_inst_cd || ' '
                                     || coalesce(n.bank_name, '') || ')');
      END IF;
      IF v_stage IS NULL OR v_mode = '2' THEN
        v_stage := 'NNOTE';
        PERFORM pk_v_autoslip.stage_begin(v_stage);
        v_seq := 0;
      END IF;
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, pk_v_note.notes_payable(),
                                       '지급어음 결제 ' || n.bill_no || ' ' || coalesce(n.cust_name, ''),
                                       n.bill_amt, 0,
                                       jsonb_strip_nulls(jsonb_build_object(
                                         '103', pk_v_autoslip.item_text(n.fin_inst_cd, n.bank_name),
                                         '154', pk_v_autoslip.item_text(n.cust_cd, n.c_num),
                                         '155', replace(n.cust_name, ':', ' '),
                                         '116', n.bill_no,
                                         '126', n.isu_dt,
                                         '127', n.exp_dt)));
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq + 1, c_checking,
                                       '지급어음 결제 ' || n.bill_no || ' 당좌 인출',
                                       0, n.bill_amt, pk_v_autoslip.bank_items(n.fin_inst_cd, v_acct));
      v_seq := v_seq + 2;
      v_count := v_count + 1;
      IF v_mode = '2' THEN
        v_new := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_day, pu_ip, v_emp);
        v_slips := v_slips || v_new;
      END IF;
      SET LOCAL pk_v_note.writing = 'on';
      UPDATE vf060ms
         SET bill_proc_cd = '5', bill_proc_dt = to_char(v_day, 'YYYY-MM-DD'), stl_acc_sh_no = v_stage,
             stl_acc_sh_dt = to_char(v_day, 'YYYY-MM-DD'), stl_dt = to_char(v_day, 'YYYY-MM-DD'),
             u_date = LOCALTIMESTAMP(0), u_ip = left(pu_ip, 20), u_emp_no = v_emp
       WHERE bill_clf = n.bill_clf AND bill_no = n.bill_no;
      IF v_mode = '2' THEN
        UPDATE vf060ms SET stl_acc_sh_no = v_new WHERE bill_clf = n.bill_clf AND bill_no = n.bill_no;
      END IF;
      SET LOCAL pk_v_note.writing = '';
    END LOOP;
    IF v_count = 0 THEN
      PERFORM pk_v_autoslip.refuse('결제할 지급어음을 선택하세요.!');
    END IF;
    IF v_mode = '1' THEN
      v_new := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_day, pu_ip, v_emp);
      v_slips := v_slips || v_new;
      SET LOCAL pk_v_note.writing = 'on';
      UPDATE vf060ms SET stl_acc_sh_no = v_new
       WHERE stl_acc_sh_no = v_stage AND bill_proc_cd = '5'
         AND (bill_clf, bill_no) IN (SELECT coalesce(nullif(btrim(bill_clf), ''), '1'), btrim(bill_no)
                                       FROM vf065tm WHERE sess_key = pg_backend_pid());
      SET LOCAL pk_v_note.writing = '';
    END IF;
    DELETE FROM vf065tm WHERE sess_key = pg_backend_pid();
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    preturnv := 'E' || SQLERRM;
    RETURN;
  END;
  preturnv := 'R' || v_slips[1];
  prtn_date := to_char(v_day, 'YYYY-MM-DD');
END
$$;

---------------------------------------------------------------------------
-- Collection slips of notes receivable
---------------------------------------------------------------------------

-- Collects the received notes PBILL_NOS (a JSON array of note numbers) into
-- the company account PBANK_CD / PBANK_ACCT (an ordinary or a checking
-- account). PAMT_GB '1' one slip for them all, '2' one slip per note; each
-- note gives a debit on the deposit account with its bank and account and a
-- credit on notes receivable with the note's items (its paying bank, due
-- date, number and customer). The slips are dated today, written
-- unconfirmed through the slip procedure, and the notes are settled ('1')
-- with the slip's number, line and date. Answers as pr_vfi065sp.
CREATE OR REPLACE FUNCTION pr_vfi020sp(pamt_gb TEXT, pbill_nos TEXT, pbank_cd TEXT, pbank_acct TEXT,
                                       pdept_code TEXT, pu_emp_no TEXT, pu_ip TEXT,
                                       OUT preturnv TEXT, OUT prtn_date TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_mode  TEXT := btrim(pamt_gb);
  v_day   DATE := CURRENT_DATE;
  v_emp   TEXT := btrim(pu_emp_no);
  v_bank  TEXT := btrim(pbank_cd);
  v_acct  TEXT := btrim(pbank_acct);
  v_deposit TEXT;
  v_nos   TEXT[];
  v_stage CONSTANT TEXT := 'NCOLT';
  v_open  BOOLEAN := false;
  v_seq   INTEGER := 0;
  v_slips TEXT[] := ARRAY[]::TEXT[];
  v_new   TEXT;
  v_count INTEGER := 0;
  n       RECORD;
BEGIN
  prtn_date := '';
  IF v_mode IS NULL OR v_mode NOT IN ('1', '2') THEN
    preturnv := 'E처리구분이 올바르지 않습니다.(' || coalesce(v_mode, '') || ')';
    RETURN;
  END IF;
  SELECT CASE d_type WHEN '1' THEN '1110120' WHEN '2' THEN '1110130' END INTO v_deposit
    FROM va051ms WHERE c_code = v_bank AND d_account = v_acct AND use_yn = 'Y';
  IF v_deposit IS NULL THEN
    preturnv := 'E입금할 보통예금 또는 당좌예금 계좌를 선택하세요.!';
    RETURN;
  END IF;
  BEGIN
    v_nos := ARRAY(SELECT DISTINCT btrim(x) FROM jsonb_array_elements_text(coalesce(nullif(pbill_nos, ''), '[]')::JSONB) x);
  EXCEPTION WHEN invalid_text_representation OR data_exception THEN
    preturnv := 'E어음번호 목록이 올바르지 않습니다.';
    RETURN;
  END;
  BEGIN
    PERFORM 1 FROM vf010ms WHERE bill_no = ANY (v_nos) FOR UPDATE;
    FOR n IN SELECT t.no, m.bill_no, m.bill_proc_cd, m.bill_amt, m.exp_dt, m.cust_cd, m.pay_bank_cd, m.pay_bank_nm,
                    c.c_name AS cust_name
               FROM unnest(v_nos) AS t(no)
               LEFT JOIN vf010ms m ON m.bill_no = t.no
               LEFT JOIN va050ms c ON c.c_code = m.cust_cd
              ORDER BY m.exp_dt, t.no LOOP
      IF n.bill_no IS NULL OR n.bill_proc_cd IS DISTINCT FROM '0' THEN
        PERFORM pk_v_autoslip.refuse('수금할 수 없는 받을어음입니다. 이미 처리되었거나 등록되지 않았습니다.('
                                     || n.no || ')');
      END IF;
      IF coalesce(n.bill_amt, 0) <= 0 THEN
        PERFORM pk_v_autoslip.refuse('어음금액이 없는 받을어음입니다.(' || n.no || ')');
      END IF;
      IF NOT v_open OR v_mode = '2' THEN
        PERFORM pk_v_autoslip.stage_begin(v_stage);
        v_open := true;
        v_seq := 0;
      END IF;
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, v_deposit,
                                       '받을어음 추심입금 ' || n.bill_no || ' ' || coalesce(n.cust_name, ''),
                                       n.bill_amt, 0, pk_v_autoslip.bank_items(v_bank, v_acct));
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq + 1, pk_v_note.notes_receivable(),
                                       '받을어음 결제 ' || n.bill_no || ' ' || coalesce(n.cust_name, ''),
                                       0, n.bill_amt,
                                       jsonb_strip_nulls(jsonb_build_object(
                                         '117', pk_v_autoslip.item_text(n.pay_bank_cd, n.pay_bank_nm),
                                         '125', to_char(n.exp_dt, 'YYYY-MM-DD'),
                                         '119', n.bill_no,
                                         '101', pk_v_autoslip.item_text(n.cust_cd, n.cust_name))));
      SET LOCAL pk_v_note.writing = 'on';
      UPDATE vf010ms
         SET bill_proc_cd = '1', bill_proc_dt = v_day, colt_dt = coalesce(colt_dt, v_day),
             stl_acc_sh_dt = v_day, stl_acc_sh_no = v_stage, stl_acc_sh_sq = v_seq + 1,
             u_date = LOCALTIMESTAMP(0), u_ip = left(pu_ip, 20), u_emp_no = v_emp
       WHERE bill_no = n.bill_no;
      SET LOCAL pk_v_note.writing = '';
      v_seq := v_seq + 2;
      v_count := v_count + 1;
      IF v_mode = '2' THEN
        v_new := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_day, pu_ip, v_emp);
        v_slips := v_slips || v_new;
        UPDATE vf010ms SET stl_acc_sh_no = v_new WHERE bill_no = n.bill_no;
      END IF;
    END LOOP;
    IF v_count = 0 THEN
      PERFORM pk_v_autoslip.refuse('수금할 받을어음을 선택하세요.!');
    END IF;
    IF v_mode = '1' THEN
      v_new := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_day, pu_ip, v_emp);
      v_slips := v_slips || v_new;
      UPDATE vf010ms SET stl_acc_sh_no = v_new WHERE stl_acc_sh_no = v_stage AND bill_no = ANY (v_nos);
    END IF;
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    preturnv := 'E' || SQLERRM;
    RETURN;
  END;
  preturnv := 'R' || v_slips[1];
  prtn_date := to_char(v_day, 'YYYY-MM-DD');
END
$$;
