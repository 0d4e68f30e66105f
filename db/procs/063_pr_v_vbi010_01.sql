-- Deposit auto slips: payables of confirmed slips paid out of the company's
-- ordinary deposit account in one slip.
--
-- The register VB010MS_TEMP takes the source slips the screen numbered
-- (USE_YN 'N', no generated slip yet, written by the employee) and
-- PR_V_VBI010_01 builds the slip from them: per source slip, in SORT_ORD
-- order (then slip number), a debit for each of its lines that credits
-- accounts payable (2110110) or other payables (2110320), on the same
-- account with the same remark and item values (the customer), of the
-- line's credit amount; then one credit of the total on ordinary deposits
-- (1110120) with the paying bank and account of common code 'V0095'-'01'
-- (ITEM1 bank, ITEM2 account number). The slip is written unconfirmed,
-- dated today, for the employee's own department; its register rows become
-- used (USE_YN 'Y') and name it. aSLIP_NO answers the number, or 'E' and
-- the reason with nothing written.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION pr_v_vbi010_01(pu_emp_no TEXT, pu_ip TEXT, OUT aslip_no TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  c_deposit CONSTANT TEXT := '1110120';
  v_emp     TEXT := btrim(pu_emp_no);
  v_stage   CONSTANT TEXT := 'NDEPOSIT';
  v_dept    TEXT;
  v_bank    RECORD;
  v_bad     TEXT;
  v_seq     INTEGER := 0;
  v_total   NUMERIC := 0;
  v_new     TEXT;
  l         RECORD;
BEGIN
  BEGIN
    -- the register is numbered by one run at a time
    PERFORM pg_advisory_xact_lock(hashtext('vb010ms_temp'), 0);
    SELECT emp_aff_dept_code INTO v_dept FROM qa010ms WHERE emp_no = v_emp;
    IF NOT FOUND THEN
      PERFORM pk_v_autoslip.refuse('인사에 등록되지 않은 사용자입니다.(' || coalesce(v_emp, '') || ')');
    END IF;
    IF NOT EXISTS (SELECT 1 FROM vb010ms_temp
                    WHERE u_emp_no = v_emp AND use_yn = 'N' AND new_slip_no IS NULL) THEN
      PERFORM pk_v_autoslip.refuse('자동전표를 생성할 전표의 순서를 입력하세요.!');
    END IF;
    SELECT string_agg(DISTINCT t.slip_no, ', ') INTO v_bad
      FROM vb010ms_temp t
      LEFT JOIN vb010ms h ON h.slip_no = t.slip_no
     WHERE t.u_emp_no = v_emp AND t.use_yn = 'N' AND t.new_slip_no IS NULL
       AND (h.slip_no IS NULL OR h.slip_del_yn = 'Y' OR h.conf_date IS NULL
            OR EXISTS (SELECT 1 FROM vb010ms_temp u WHERE u.slip_no = t.slip_no AND u.use_yn = 'Y'));
    IF v_bad IS NOT NULL THEN
      PERFORM pk_v_autoslip.refuse('확정되지 않았거나 삭제되었거나 이미 자동전표에 사용된 전표입니다.(' || v_bad || ')');
    END IF;
    SELECT item1 AS bank_code, item2 AS bank_account INTO v_bank
      FROM zx010ms WHERE head = 'V0095' AND detail = '01';
    IF NOT FOUND OR nullif(btrim(v_bank.bank_code), '') IS NULL OR nullif(btrim(v_bank.bank_account), '') IS NULL THEN
      PERFORM pk_v_autoslip.refuse('보통예금 출금계좌(공통코드 V0095)가 등록되지 않았습니다.!');
    END IF;

    PERFORM pk_v_autoslip.stage_begin(v_stage);
    FOR l IN SELECT a.slip_no, a.slip_seq_no, a.acct_code, a.ref_data, a.c_amount
               FROM (SELECT slip_no, min(sort_ord) AS sort_ord FROM vb010ms_temp
                      WHERE u_emp_no = v_emp AND use_yn = 'N' AND new_slip_no IS NULL
                      GROUP BY slip_no) t
               JOIN vb011ms a ON a.slip_no = t.slip_no
              WHERE a.acct_code IN ('2110320', '2110110') AND a.d_amount = 0 AND a.c_amount <> 0
              ORDER BY t.sort_ord, t.slip_no, a.slip_seq_no LOOP
      INSERT INTO vb011ms_gt (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
      VALUES (v_stage, v_seq, l.acct_code, l.ref_data, l.c_amount, 0, NULL, NULL);
      INSERT INTO vb011dt_gt (slip_no, mg_code, mg_detail, mg_detail_name, acct_code, slip_seq_no, conf_date,
                              d_amount, c_amount, lineup_no, session_id)
      SELECT v_stage, i.mg_code, i.mg_detail, i.mg_detail_name, l.acct_code, v_seq, NULL, l.c_amount, 0,
             i.lineup_no, NULL
        FROM vb011dt i WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no;
      v_seq := v_seq + 1;
      v_total := v_total + l.c_amount;
    END LOOP;
    IF v_seq = 0 THEN
      PERFORM pk_v_autoslip.refuse('선택한 전표에 미지급금, 외상매입금 대변 내역이 없습니다.!');
    END IF;
    PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, c_deposit, to_char(CURRENT_DATE, 'YYYY.MM.DD') || ' 보통예금 지급',
                                     0, v_total, pk_v_autoslip.bank_items(v_bank.bank_code, v_bank.bank_account));
    v_new := pk_v_autoslip.store(v_stage, v_dept, CURRENT_DATE, pu_ip, v_emp);
    UPDATE vb010ms_temp SET use_yn = 'Y', new_slip_no = v_new, u_date = LOCALTIMESTAMP(0)
     WHERE u_emp_no = v_emp AND use_yn = 'N' AND new_slip_no IS NULL;
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    aslip_no := 'E' || SQLERRM;
    RETURN;
  END;
  aslip_no := v_new;
END
$$;

-- The register takes only live confirmed slips, and gives up the rows of a
-- generated slip only when that slip has been deleted.
CREATE OR REPLACE FUNCTION pk_v_autoslip.guard_deposit_register() RETURNS TRIGGER
LANGUAGE plpgsql AS
$$
BEGIN
  IF TG_OP = 'INSERT' THEN
    IF NOT EXISTS (SELECT 1 FROM vb010ms WHERE slip_no = NEW.slip_no AND slip_del_yn = 'N'
                                           AND conf_date IS NOT NULL) THEN
      PERFORM pk_common.raise_app_error(20602, '확정되지 않았거나 삭제된 전표는 자동전표에 사용할 수 없습니다.('
                                               || coalesce(NEW.slip_no, '') || ')');
    END IF;
    RETURN NEW;
  END IF;
  IF OLD.new_slip_no IS NOT NULL
     AND EXISTS (SELECT 1 FROM vb010ms WHERE slip_no = OLD.new_slip_no AND slip_del_yn = 'N') THEN
    PERFORM pk_common.raise_app_error(20603, '전표 번호 ' || OLD.new_slip_no
                                             || '로 생성된 전표가 삭제되지 않았습니다. 전표입력에서 먼저 삭제하세요.');
  END IF;
  RETURN OLD;
END
$$;

DROP TRIGGER IF EXISTS vb010ms_temp_guard ON vb010ms_temp;
CREATE TRIGGER vb010ms_temp_guard BEFORE INSERT OR DELETE ON vb010ms_temp
  FOR EACH ROW EXECUTE FUNCTION pk_v_autoslip.guard_deposit_register();
