-- Payroll slips of a pay run (QD100MS pay kind PAY_GB and month PPAY_YM),
-- written for department PDEPT_CODE on the run's pay date, from its amounts
-- per department and pay item (QD100DT) and the items' accounts (QD110MS):
--
--   1 pay and allowances (earnings of slip group '1'): a debit per
--     department and item on the item's account for a cost department
--     (DEPT_AFF_YN 'N') or for a selling and administrative one, with the
--     department and the expense kind as items; one credit of their total
--     on accrued expenses (2110310);
--   2 bonuses (earnings of slip group '2'): the same;
--   3 payment: a debit of all earnings on accrued expenses, a credit per
--     deduction item on its withholding account, and the net pay credited
--     to the run's company account (ordinary deposits 1110120, with bank
--     and account number).
-- A slip without lines is left out; slip 3 is always written. PRETURNV
-- answers 'R' and the first slip's number, PRETURNV2 and PRETURNV3 the
-- numbers of the next ones (empty when fewer), PRTN_DATE the pay date; or
-- PRETURNV 'E' and the reason, with nothing written. A pay run whose slips
-- exist undeleted is refused; once they are deleted it may run again.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION pr_v_vbi060sp(pay_gb TEXT, ppay_ym TEXT, pu_ip TEXT, pdept_code TEXT, pu_emp_no TEXT,
                                         OUT preturnv TEXT, OUT preturnv2 TEXT, OUT preturnv3 TEXT,
                                         OUT prtn_date TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  c_accrued CONSTANT TEXT := '2110310';
  c_deposit CONSTANT TEXT := '1110120';
  v_code    TEXT := btrim(pay_gb);
  v_ym      TEXT := btrim(ppay_ym);
  v_key     TEXT;
  v_dept    TEXT := btrim(pdept_code);
  v_emp     TEXT := btrim(pu_emp_no);
  v_name    TEXT;
  v_title   TEXT;
  v_live    TEXT;
  v_slips   TEXT[] := ARRAY[]::TEXT[];
  v_earned  NUMERIC := 0;
  v_withheld NUMERIC := 0;
  v_total   NUMERIC;
  v_seq     INTEGER;
  v_grp     TEXT;
  v_stage   TEXT;
  r         RECORD;
  l         RECORD;
BEGIN
  preturnv2 := '';
  preturnv3 := '';
  prtn_date := '';
  IF v_code IS NULL OR v_code = '' OR v_ym IS NULL OR v_ym = '' THEN
    preturnv := 'E자동전표 처리 할 급상여를 선택하세요.!';
    RETURN;
  END IF;
  v_key := v_code || v_ym;
  BEGIN
    -- one run of a pay run at a time
    SELECT pay_code, pay_ym, pay_date, bank_code, bank_account INTO r
      FROM qd100ms WHERE pay_code = v_code AND pay_ym = v_ym FOR UPDATE;
    IF NOT FOUND THEN
      PERFORM pk_v_autoslip.refuse('급상여 자료가 없습니다.(' || v_code || ', ' || v_ym || ')');
    END IF;
    v_live := pk_v_autoslip.live_slips('P', v_key);
    IF v_live IS NOT NULL THEN
      PERFORM pk_v_autoslip.refuse('이미 자동전표가 생성된 급상여입니다.(전표번호 ' || v_live
                                   || ') 전표를 삭제한 후 다시 처리하세요.');
    END IF;
    IF NOT EXISTS (SELECT 1 FROM qd100dt WHERE pay_code = v_code AND pay_ym = v_ym AND pay_amt <> 0) THEN
      PERFORM pk_v_autoslip.refuse('급상여 내역이 없습니다.(' || v_code || ', ' || v_ym || ')');
    END IF;
    -- every pay item of the run must name an account that carries slips
    FOR l IN SELECT DISTINCT i.pay_item_cd, i.pay_item_nm,
                    CASE WHEN i.item_kind = '2' OR coalesce(v.dept_aff_yn, q.dept_aff_yn) = 'N'
                         THEN i.cost_acct ELSE i.admin_acct END AS acct_code
               FROM qd100dt d
               JOIN qd110ms i ON i.pay_item_cd = d.pay_item_cd
               LEFT JOIN va160ms v ON v.aff_dept_code = d.dept_code
               LEFT JOIN qa160ms q ON q.aff_dept_code = d.dept_code
              WHERE d.pay_code = v_code AND d.pay_ym = v_ym AND d.pay_amt <> 0
              ORDER BY 1, 3 LOOP
      PERFORM pk_v_autoslip.require_slip_account(l.acct_code, '급여항목 [' || l.pay_item_cd || ' ' || l.pay_item_nm || ']');
    END LOOP;

    v_name := coalesce((SELECT detail_name FROM zx010ms WHERE head = 'Q047' AND detail = v_code), v_code);
    v_title := substr(v_ym, 1, 4) || '년 ' || substr(v_ym, 5, 2) || '월 ' || v_name;

    -- slips 1 and 2: the earnings of each group against accrued expenses
    FOREACH v_grp IN ARRAY ARRAY['1', '2'] LOOP
      v_stage := 'NPAY' || v_grp;
      PERFORM pk_v_autoslip.stage_begin(v_stage);
      v_seq := 0;
      v_total := 0;
      FOR l IN SELECT d.dept_code, coalesce(v.aff_dept_name, q.aff_dept_name, d.dept_code) AS dept_name,
                      i.pay_item_nm,
                      CASE WHEN coalesce(v.dept_aff_yn, q.dept_aff_yn) = 'N' THEN i.cost_acct ELSE i.admin_acct END
                        AS acct_code,
                      sum(d.pay_amt) AS amt
                 FROM qd100dt d
                 JOIN qd110ms i ON i.pay_item_cd = d.pay_item_cd AND i.item_kind = '1' AND i.slip_grp = v_grp
                 LEFT JOIN va160ms v ON v.aff_dept_code = d.dept_code
                 LEFT JOIN qa160ms q ON q.aff_dept_code = d.dept_code
                WHERE d.pay_code = v_code AND d.pay_ym = v_ym
                GROUP BY d.dept_code, 2, i.pay_item_cd, i.pay_item_nm, i.sort_ord, 4
               HAVING sum(d.pay_amt) <> 0
                ORDER BY d.dept_code, i.sort_ord, i.pay_item_cd LOOP
        PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, l.acct_code,
                                         v_title || ' ' || l.pay_item_nm || ' (' || l.dept_name || ')',
                                         l.amt, 0,
                                         pk_v_autoslip.dept_items(l.dept_code) || pk_v_autoslip.expense_items(l.acct_code));
        v_seq := v_seq + 1;
        v_total := v_total + l.amt;
      END LOOP;
      IF v_seq > 0 THEN
        PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, c_accrued,
                                         v_title || ' 미지급',
                                         0, v_total, '{}'::JSONB);
        v_slips := v_slips || pk_v_autoslip.store(v_stage, v_dept, r.pay_date, pu_ip, v_emp);
        v_earned := v_earned + v_total;
      END IF;
    END LOOP;
    IF v_earned = 0 THEN
      PERFORM pk_v_autoslip.refuse('지급할 급상여 금액이 없습니다.(' || v_code || ', ' || v_ym || ')');
    END IF;

    -- slip 3: the payment, with what is withheld
    v_stage := 'NPAY3';
    PERFORM pk_v_autoslip.stage_begin(v_stage);
    PERFORM pk_v_autoslip.stage_line(v_stage, 0, c_accrued, v_title || ' 지급', v_earned, 0, '{}'::JSONB);
    v_seq := 1;
    FOR l IN SELECT i.pay_item_nm, i.cost_acct AS acct_code, sum(d.pay_amt) AS amt
               FROM qd100dt d
               JOIN qd110ms i ON i.pay_item_cd = d.pay_item_cd AND i.item_kind = '2'
              WHERE d.pay_code = v_code AND d.pay_ym = v_ym
              GROUP BY i.pay_item_cd, i.pay_item_nm, i.sort_ord, i.cost_acct
             HAVING sum(d.pay_amt) <> 0
              ORDER BY i.sort_ord, i.pay_item_cd LOOP
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, l.acct_code, v_title || ' ' || l.pay_item_nm, 0, l.amt,
                                       '{}'::JSONB);
      v_seq := v_seq + 1;
      v_withheld := v_withheld + l.amt;
    END LOOP;
    IF v_earned - v_withheld <= 0 THEN
      PERFORM pk_v_autoslip.refuse('공제 금액이 지급 금액보다 많습니다.(' || v_code || ', ' || v_ym || ')');
    END IF;
    PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, c_deposit, v_title || ' 실지급액 이체', 0, v_earned - v_withheld,
                                     pk_v_autoslip.bank_items(r.bank_code, r.bank_account));
    v_slips := v_slips || pk_v_autoslip.store(v_stage, v_dept, r.pay_date, pu_ip, v_emp);

    PERFORM pk_v_autoslip.register('P', v_key, v_slips, pu_ip, v_emp);
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    preturnv := 'E' || SQLERRM;
    RETURN;
  END;
  preturnv := 'R' || v_slips[1];
  preturnv2 := coalesce(v_slips[2], '');
  preturnv3 := coalesce(v_slips[3], '');
  prtn_date := to_char(r.pay_date, 'YYYY-MM-DD');
END
$$;
