-- Package pk_v_journalize: confirmation of slips and its cancellation.
--
-- DEF_CONFDATE checks that a slip may be confirmed (flag '1') or have its
-- confirmation cancelled (flag '2') on the given day by the given employee,
-- and locks it for the rest of the transaction; PR_JOURNALMAIN checks again
-- and does it: it sets or clears CONF_DATE on the header, the lines and the
-- item values and posts the slip into every derived table, or takes the
-- posting back, in the caller's transaction. Both answer 'T' on success and
-- 'E' followed by the reason otherwise; after an 'E' nothing was changed.
-- Their statements look up one slip by its number, for which one prepared
-- plan serves every call: planning them anew each time would cost more than
-- the posting itself.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_journalize;

-- Finance approval authority of an employee on a day, decided here and not
-- only by the screen. NULL when granted, otherwise the refusal.
CREATE OR REPLACE FUNCTION pk_v_journalize.authority_refusal(p_emp_no TEXT, p_day DATE) RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT CASE
                   WHEN count(*) = 0 THEN '승인권한에 등록되지 않은 사용자입니다.!'
                   WHEN count(*) FILTER (WHERE charge_yn = 'Y') = 0 THEN '재무승인 권한이 없는 사용자 입니다.!'
                 END
            FROM va010ms WHERE emp_no = p_emp_no AND p_day BETWEEN st_date AND ed_date);
END $$;

-- The checks both calls make. Locks the slip without waiting: a slip that
-- another session holds is refused at once.
CREATE OR REPLACE FUNCTION pk_v_journalize.refusal(p_flag TEXT, p_slip_no TEXT, p_day DATE, p_emp_no TEXT)
RETURNS TEXT
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  h RECORD;
  v_msg TEXT;
  v_lines INTEGER;
  v_d NUMERIC;
  v_c NUMERIC;
BEGIN
  IF p_flag IS NULL OR p_flag NOT IN ('1', '2') THEN
    RETURN '확정 처리구분이 올바르지 않습니다.(' || coalesce(p_flag, '') || ')';
  END IF;
  IF p_day IS NULL THEN
    RETURN '확정일자가 올바르지 않습니다.!';
  END IF;
  v_msg := pk_v_journalize.authority_refusal(p_emp_no, p_day);
  IF v_msg IS NOT NULL THEN
    RETURN v_msg;
  END IF;
  BEGIN
    SELECT * INTO h FROM vb010ms WHERE slip_no = p_slip_no FOR UPDATE NOWAIT;
  EXCEPTION WHEN lock_not_available THEN
    RETURN '다른 사용자가 처리 중인 전표입니다. 잠시 후 다시 하세요.(' || p_slip_no || ')';
  END;
  IF NOT FOUND THEN
    RETURN '해당 전표가 없습니다.(' || coalesce(p_slip_no, '') || ')';
  ELSIF h.slip_del_yn = 'Y' THEN
    RETURN '삭제된 전표는 확정 또는 확정취소 할 수 없습니다.(' || p_slip_no || ')';
  END IF;

  IF p_flag = '1' THEN
    IF h.conf_date IS NOT NULL THEN
      RETURN '이미 확정된 전표입니다.(' || p_slip_no || ', ' || to_char(h.conf_date, 'YYYY-MM-DD') || ')';
    END IF;
    SELECT count(*), coalesce(sum(d_amount), 0), coalesce(sum(c_amount), 0) INTO v_lines, v_d, v_c
      FROM vb011ms WHERE slip_no = p_slip_no;
    IF v_lines = 0 THEN
      RETURN '내역이 없는 전표는 확정할 수 없습니다.(' || p_slip_no || ')';
    ELSIF v_d <> v_c OR v_d <> h.total_d_amt OR v_c <> h.total_c_amt THEN
      RETURN '차,대변 합계가 맞지 않는 전표는 확정할 수 없습니다.(' || p_slip_no || ')';
    END IF;
    IF pk_v_ledger.term_of(p_day) IS NULL THEN
      RETURN '확정일자(' || to_char(p_day, 'YYYY-MM-DD') || ')에 등록된 기수가 없습니다.관리자에게 문의하세요.!';
    END IF;
    v_msg := pk_v_close.closed_reason(p_day);
    IF v_msg IS NULL AND h.slip_date <> p_day THEN
      v_msg := pk_v_close.closed_reason(h.slip_date);
    END IF;
  ELSE
    IF h.conf_date IS NULL THEN
      RETURN '확정되지 않은 전표입니다.(' || p_slip_no || ')';
    ELSIF h.conf_date <> p_day THEN
      RETURN '확정일자가 다릅니다.(' || p_slip_no || ': ' || to_char(h.conf_date, 'YYYY-MM-DD') || ')';
    END IF;
    v_msg := pk_v_close.closed_reason(h.conf_date);
    IF v_msg IS NULL AND h.slip_date <> h.conf_date THEN
      v_msg := pk_v_close.closed_reason(h.slip_date);
    END IF;
  END IF;
  IF v_msg IS NOT NULL THEN
    RETURN v_msg || '(' || p_slip_no || ')';
  END IF;
  RETURN NULL;
END
$$;

CREATE OR REPLACE FUNCTION pk_v_journalize.def_confdate(pflagv TEXT, pslip_no TEXT, pconf_date TEXT,
                                                        pconf_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp
SET plan_cache_mode = force_generic_plan AS
$$
DECLARE
  v_msg TEXT := pk_v_journalize.refusal(btrim(pflagv), btrim(pslip_no), pk_v_slip_01.to_day(pconf_date),
                                        btrim(pconf_emp_no));
BEGIN
  RETURN CASE WHEN v_msg IS NULL THEN 'T' ELSE 'E' || v_msg END;
END
$$;

CREATE OR REPLACE FUNCTION pk_v_journalize.pr_journalmain(pflagv TEXT, pslip_no TEXT, pconf_date TEXT,
                                                          pconf_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp
SET plan_cache_mode = force_generic_plan AS
$$
DECLARE
  v_flag TEXT := btrim(pflagv);
  v_no   TEXT := btrim(pslip_no);
  v_day  DATE := pk_v_slip_01.to_day(pconf_date);
  v_emp  TEXT := btrim(pconf_emp_no);
  v_msg  TEXT;
BEGIN
  v_msg := pk_v_post.lock_books();
  IF v_msg IS NULL THEN
    v_msg := pk_v_journalize.refusal(v_flag, v_no, v_day, v_emp);
  END IF;
  IF v_msg IS NOT NULL THEN
    RETURN 'E' || v_msg;
  END IF;
  PERFORM pk_v_post.enter_engine();
  IF v_flag = '1' THEN
    UPDATE vb010ms SET conf_date = v_day, conf_emp_no = v_emp WHERE slip_no = v_no;
    UPDATE vb011ms SET conf_date = v_day WHERE slip_no = v_no;
    UPDATE vb011dt SET conf_date = v_day WHERE slip_no = v_no;
    PERFORM pk_v_post.post_slip(v_no, v_day, 1);
  ELSE
    PERFORM pk_v_post.post_slip(v_no, v_day, -1);
    UPDATE vb010ms SET conf_date = NULL, conf_emp_no = NULL WHERE slip_no = v_no;
    UPDATE vb011ms SET conf_date = NULL WHERE slip_no = v_no;
    UPDATE vb011dt SET conf_date = NULL WHERE slip_no = v_no;
  END IF;
  PERFORM pk_v_note.post_forms(v_no, v_flag);
  PERFORM pk_v_post.leave_engine();
  RETURN 'T';
END
$$;

-- Registers (flag '1') or removes (flag '2') the operating income/expense
-- rows of a confirmed slip: one row per line of a revenue, cost or expense
-- account (classes 4-9), with the operating code of item position 6 when the
-- line carries one, and the month, remark, confirmed amount and paid flag
-- given by the confirmation screen. A confirmed amount that is not a whole
-- number counts as 0. Answers 'T' and the number of rows, or 'E…'.
CREATE OR REPLACE FUNCTION pr_vzi100_02(pslip_no TEXT, pflagv TEXT, paccept_ym TEXT, pacct_rem TEXT,
                                        pacct_amt TEXT, pacct_give TEXT, pu_emp_no TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_no  TEXT := btrim(pslip_no);
  v_flag TEXT := btrim(pflagv);
  v_ym  TEXT := nullif(regexp_replace(coalesce(paccept_ym, ''), '[^0-9]', '', 'g'), '');
  v_amt NUMERIC := CASE WHEN replace(btrim(coalesce(pacct_amt, '')), ',', '') ~ '^-?[0-9]{1,15}$'
                        THEN replace(btrim(pacct_amt), ',', '')::NUMERIC ELSE 0 END;
  v_give TEXT := CASE WHEN upper(btrim(pacct_give)) = 'Y' THEN 'Y' ELSE 'N' END;
  h RECORD;
  v_count INTEGER;
BEGIN
  IF v_flag NOT IN ('1', '2') THEN
    RETURN 'E영업수지 처리구분이 올바르지 않습니다.(' || coalesce(v_flag, '') || ')';
  END IF;
  IF v_ym IS NOT NULL AND v_ym !~ '^[0-9]{4}(0[1-9]|1[0-2])$' THEN
    RETURN 'E영업수지 적용월이 올바르지 않습니다.(' || paccept_ym || ')';
  END IF;
  SELECT * INTO h FROM vb010ms WHERE slip_no = v_no;
  IF NOT FOUND THEN
    RETURN 'E해당 전표가 없습니다.(' || coalesce(v_no, '') || ')';
  END IF;
  IF v_flag = '2' THEN
    DELETE FROM vz100ms WHERE slip_no = v_no;
    GET DIAGNOSTICS v_count = ROW_COUNT;
    RETURN 'T' || v_count;
  END IF;
  IF h.conf_date IS NULL THEN
    RETURN 'E확정되지 않은 전표는 영업수지를 등록할 수 없습니다.(' || v_no || ')';
  END IF;
  INSERT INTO vz100ms (slip_no, slip_seq, sli_date, slip_date, acct_code, ref_data, dept_code, dr_amt, cr_amt,
                       vat_amt, adj_amt, bu_acct_code, apply_ym, except_yn, acct_rem, acct_amt, give_yn, re_yn,
                       u_date, u_emp_no)
  SELECT l.slip_no, l.slip_seq_no, h.slip_date, h.conf_date, l.acct_code, l.ref_data, h.dept_code,
         l.d_amount, l.c_amount, coalesce(l.vat_amount, 0), 0,
         (SELECT left(i.mg_detail, 6) FROM vb011dt i
           WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no AND i.lineup_no = 6
             AND EXISTS (SELECT 1 FROM vx010ms x WHERE x.bu_acct_code = left(i.mg_detail, 6))),
         coalesce(v_ym, to_char(h.conf_date, 'YYYYMM')),
         'N', nullif(btrim(pacct_rem), ''), v_amt, v_give, 'N', LOCALTIMESTAMP(0), left(btrim(pu_emp_no), 10)
    FROM vb011ms l
   WHERE l.slip_no = v_no AND pk_v_ledger.resets(l.acct_code)
  ON CONFLICT (slip_no, slip_seq) DO UPDATE
     SET apply_ym = EXCLUDED.apply_ym, acct_rem = EXCLUDED.acct_rem, acct_amt = EXCLUDED.acct_amt,
         give_yn = EXCLUDED.give_yn, u_date = EXCLUDED.u_date, u_emp_no = EXCLUDED.u_emp_no;
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN 'T' || v_count;
END
$$;
