-- Package pk_v_asset: asset codes, the monthly depreciation and the
-- transfers of assets between departments.
--
-- Depreciation of a month (pk_v_asset.depreciation_rows, run by
-- pr_v_vmi060sp):
--   - an asset is depreciated when it is marked for depreciation
--     (RDM_YN 'Y'), not yet fully depreciated (END_ASET 'N'), acquired on or
--     before the month's last day, not yet depreciated for the month
--     (LAST_DEP_DT before the month's first day) and not disposed of on or
--     before the month's last day: the month of acquisition counts as a
--     whole month, the month of disposal not at all;
--   - straight line ('1'): the acquisition value (BOOK_AMT) times the annual
--     rate / 12; declining balance ('2'): the residual value (REMN_AMT)
--     times the annual rate / 12; the won fractions are cut off. The annual
--     rate is RDM_RATE, or from the useful life CONT_YYS: 1 / life for the
--     straight line, 1 - 0.05^(1 / life) for the declining balance;
--   - no asset goes below its residual floor: 5 % of the acquisition value
--     for the declining balance, a memorandum value of 1,000 won (or the
--     whole value when smaller) for the straight line. The month that
--     reaches the floor takes only what is left and ends the depreciation
--     (END_ASET 'Y', RDM_FINI_PRID the term).
-- The slip debits the expense per cost department and expense account
-- (VM013MS: the cost account for a cost department, DEPT_AFF_YN 'N', the
-- selling and administrative one otherwise) and credits the accumulated
-- depreciation per account, on the month's last day.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_asset;

-- The next code of an asset class: the class followed by the next six-digit
-- serial. The counter hands each number out once, so two workstations that
-- add assets of one class at the same time get different codes; a number
-- taken for an asset that was never saved stays unused.
CREATE OR REPLACE FUNCTION pk_v_asset.next_code(p_class TEXT)
RETURNS VARCHAR
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_class TEXT := btrim(p_class);
  v_floor BIGINT;
BEGIN
  IF v_class IS NULL OR v_class = ''
     OR NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = 'V0013' AND detail = v_class AND detail <> ' ') THEN
    PERFORM pk_common.raise_app_error(20140, '등록되지 않은 자산분류입니다.(' || coalesce(v_class, '') || ')');
  END IF;
  SELECT max(substr(vsfx_code, 3, 6)::BIGINT) INTO v_floor
    FROM vm010ms WHERE vsfx_dtm = v_class AND substr(vsfx_code, 3, 6) ~ '^[0-9]{6}$';
  RETURN v_class || lpad(pk_v_numbering.take_number('VM010MS.' || v_class, v_floor, 999999,
                                                     20143, '더 이상 자산코드를 만들 수 없습니다.')::TEXT, 6, '0');
END
$$;

-- The first and last day of a month 'YYYYMM'; NULL for anything else.
CREATE OR REPLACE FUNCTION pk_v_asset.month_start(p_ym TEXT) RETURNS DATE
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN btrim(p_ym) ~ '^[0-9]{4}(0[1-9]|1[0-2])$'
               THEN to_date(btrim(p_ym) || '01', 'YYYYMMDD') END $$;

-- The floor an asset's residual value does not go below.
CREATE OR REPLACE FUNCTION pk_v_asset.residual_floor(p_book NUMERIC, p_kind TEXT) RETURNS NUMERIC
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN p_kind = '2' THEN round(coalesce(p_book, 0) * 0.05)
               ELSE least(1000, coalesce(p_book, 0)) END $$;

-- The annual rate of an asset: its own, or the one of its useful life.
CREATE OR REPLACE FUNCTION pk_v_asset.annual_rate(p_rate NUMERIC, p_life NUMERIC, p_kind TEXT) RETURNS NUMERIC
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN coalesce(p_rate, 0) > 0 THEN p_rate
               WHEN coalesce(p_life, 0) <= 0 THEN NULL
               WHEN p_kind = '2' THEN round((1 - power(0.05::NUMERIC, 1 / p_life))::NUMERIC, 3)
               ELSE 1 / p_life END $$;

-- The depreciation of a month, one row per asset it applies to. PROBLEM
-- names what keeps an asset from being depreciated (no rate, no accounts);
-- such a row has no amount.
CREATE OR REPLACE FUNCTION pk_v_asset.depreciation_rows(p_ym TEXT)
RETURNS TABLE (vsfx_code VARCHAR, aset_nm VARCHAR, acct_sbj_cd VARCHAR, acct_name VARCHAR,
               og_dept_cd VARCHAR, dept_name VARCHAR, rdm_kind VARCHAR, annual_rate NUMERIC,
               book_amt NUMERIC, depr_sum_amt NUMERIC, remn_amt NUMERIC, floor_amt NUMERIC,
               depr_amt NUMERIC, exp_acct VARCHAR, depr_acct VARCHAR, problem TEXT)
LANGUAGE sql STABLE AS
$$
  WITH bounds AS (
    SELECT pk_v_asset.month_start(p_ym) AS d1,
           (pk_v_asset.month_start(p_ym) + INTERVAL '1 month' - INTERVAL '1 day')::DATE AS dn
  ), assets AS (
    SELECT a.vsfx_code, a.aset_nm, a.acct_sbj_cd, c.acct_name, a.og_dept_cd,
           coalesce(v.aff_dept_name, q.aff_dept_name)::VARCHAR AS dept_name,
           coalesce(v.dept_aff_yn, q.dept_aff_yn) AS dept_kind,
           a.rdm_kind, pk_v_asset.annual_rate(a.rdm_rate, a.cont_yys, a.rdm_kind) AS rate,
           coalesce(a.book_amt, 0) AS book, a.depr_sum_amt, coalesce(a.remn_amt, 0) AS remn,
           pk_v_asset.residual_floor(a.book_amt, a.rdm_kind) AS floor_amt,
           m.acct_sbj_cd AS mapped, m.depr_acct, m.cost_exp_acct, m.admin_exp_acct
      FROM vm010ms a
      CROSS JOIN bounds b
      LEFT JOIN va020ms c ON c.acct_code = a.acct_sbj_cd
      LEFT JOIN va160ms v ON v.aff_dept_code = a.og_dept_cd
      LEFT JOIN qa160ms q ON q.aff_dept_code = a.og_dept_cd
      LEFT JOIN vm013ms m ON m.acct_sbj_cd = a.acct_sbj_cd
     WHERE b.d1 IS NOT NULL
       AND a.rdm_yn = 'Y' AND a.end_aset = 'N'
       AND a.acq_dt IS NOT NULL AND a.acq_dt <= b.dn
       AND (a.last_dep_dt IS NULL OR a.last_dep_dt < b.d1)
       AND coalesce(a.book_amt, 0) > 0
       AND NOT EXISTS (SELECT 1 FROM vm025ms d WHERE d.vsfx_code = a.vsfx_code AND d.occr_dt <= b.dn)
       AND (a.sal_waste_yn = 'N'
            OR EXISTS (SELECT 1 FROM vm025ms d WHERE d.vsfx_code = a.vsfx_code AND d.occr_dt > b.dn))
  ), amounts AS (
    SELECT x.*,
           CASE WHEN x.mapped IS NULL OR x.rate IS NULL THEN 0
                ELSE greatest(0, least(x.remn - x.floor_amt,
                                       trunc(CASE WHEN x.rdm_kind = '2' THEN x.remn ELSE x.book END * x.rate / 12)))
           END AS amt
      FROM assets x
  )
  SELECT x.vsfx_code, x.aset_nm, x.acct_sbj_cd, x.acct_name, x.og_dept_cd, x.dept_name, x.rdm_kind,
         x.rate, x.book, x.depr_sum_amt, x.remn, x.floor_amt, x.amt,
         (CASE WHEN x.dept_kind = 'N' THEN x.cost_exp_acct ELSE x.admin_exp_acct END)::VARCHAR,
         x.depr_acct,
         CASE WHEN x.mapped IS NULL THEN '감가상각 계정이 등록되지 않은 계정과목입니다.(' || x.acct_sbj_cd || ')'
              WHEN x.rate IS NULL THEN '내용연수 또는 상각률이 없습니다.'
              WHEN x.dept_name IS NULL THEN '원가부서가 등록되지 않았습니다.(' || x.og_dept_cd || ')' END
    FROM amounts x
   WHERE x.amt > 0 OR x.mapped IS NULL OR x.rate IS NULL OR x.dept_name IS NULL
   ORDER BY x.acct_sbj_cd, x.og_dept_cd, x.vsfx_code
$$;

-- Runs the depreciation of month PDEPR_YM ('YYYYMM'): one unconfirmed slip
-- written by PU_EMP_NO for department PDEPT_CODE on the month's last day,
-- through the checks and numbering of every saved slip, and the assets'
-- accumulated depreciation, residual value and last depreciation date.
-- A month whose slip exists is refused, and so is a month before one that
-- has run. Answers PRETURNV 'R' and the slip number, PRTN_DATE the slip's
-- date; or 'E' and the reason, with nothing written.
CREATE OR REPLACE FUNCTION pr_v_vmi060sp(pdepr_ym TEXT, pu_ip TEXT, pdept_code TEXT, pu_emp_no TEXT,
                                         OUT preturnv TEXT, OUT prtn_date TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ym     TEXT := btrim(pdepr_ym);
  v_d1     DATE := pk_v_asset.month_start(pdepr_ym);
  v_dn     DATE;
  v_stage  CONSTANT TEXT := 'NDEPR';
  v_title  TEXT;
  v_slip   TEXT;
  v_seq    INTEGER := 0;
  v_total  NUMERIC := 0;
  v_count  INTEGER := 0;
  v_term   INTEGER;
  r        RECORD;
BEGIN
  prtn_date := '';
  IF v_d1 IS NULL THEN
    preturnv := 'E상각년월이 올바르지 않습니다.(' || coalesce(v_ym, '') || ')';
    RETURN;
  END IF;
  v_dn := (v_d1 + INTERVAL '1 month' - INTERVAL '1 day')::DATE;
  v_title := to_char(v_d1, 'YYYY') || '년 ' || to_char(v_d1, 'MM') || '월 ';
  BEGIN
    -- one run at a time
    LOCK TABLE vm060ms IN SHARE ROW EXCLUSIVE MODE;
    SELECT slip_no INTO v_slip FROM vm060ms WHERE depr_ym = v_ym;
    IF FOUND THEN
      PERFORM pk_v_autoslip.refuse('이미 감가상각이 처리된 월입니다.(전표번호 ' || v_slip
                                   || ') 전표를 삭제한 후 다시 처리하세요.');
    END IF;
    SELECT depr_ym, slip_no INTO r FROM vm060ms WHERE depr_ym > v_ym ORDER BY depr_ym DESC LIMIT 1;
    IF FOUND THEN
      PERFORM pk_v_autoslip.refuse(r.depr_ym || ' 월의 감가상각이 이미 처리되어 있습니다.(전표번호 ' || r.slip_no || ')');
    END IF;
    SELECT session_id INTO v_term FROM vi010ms WHERE v_dn BETWEEN st_date AND ed_date;

    CREATE TEMP TABLE IF NOT EXISTS vm060_run (LIKE vm060dt) ON COMMIT DROP;
    DELETE FROM vm060_run;
    FOR r IN SELECT * FROM pk_v_asset.depreciation_rows(v_ym) LOOP
      IF r.problem IS NOT NULL THEN
        PERFORM pk_v_autoslip.refuse('[' || r.vsfx_code || ' ' || coalesce(r.aset_nm, '') || '] ' || r.problem);
      END IF;
      INSERT INTO vm060_run (depr_ym, vsfx_code, og_dept_cd, exp_acct, depr_acct, depr_amt, old_last_dep_dt,
                             old_end_aset, old_fini_prid)
      SELECT v_ym, a.vsfx_code, a.og_dept_cd, r.exp_acct, r.depr_acct, r.depr_amt, a.last_dep_dt,
             a.end_aset, a.rdm_fini_prid
        FROM vm010ms a WHERE a.vsfx_code = r.vsfx_code;
      v_total := v_total + r.depr_amt;
      v_count := v_count + 1;
    END LOOP;
    IF v_count = 0 THEN
      PERFORM pk_v_autoslip.refuse('감가상각할 자산이 없습니다.(' || v_ym || ')');
    END IF;

    PERFORM pk_v_autoslip.stage_begin(v_stage);
    FOR r IN SELECT u.og_dept_cd, u.exp_acct, sum(u.depr_amt) AS amt,
                    coalesce(max(v.aff_dept_name), max(q.aff_dept_name), u.og_dept_cd) AS dept_name
               FROM vm060_run u
               LEFT JOIN va160ms v ON v.aff_dept_code = u.og_dept_cd
               LEFT JOIN qa160ms q ON q.aff_dept_code = u.og_dept_cd
              GROUP BY u.og_dept_cd, u.exp_acct
              ORDER BY u.og_dept_cd, u.exp_acct LOOP
      PERFORM pk_v_autoslip.require_slip_account(r.exp_acct, '감가상각비');
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, r.exp_acct, v_title || '감가상각비 (' || r.dept_name || ')',
                                       r.amt, 0,
                                       pk_v_autoslip.dept_items(r.og_dept_cd) || pk_v_autoslip.expense_items(r.exp_acct));
      v_seq := v_seq + 1;
    END LOOP;
    FOR r IN SELECT u.depr_acct, sum(u.depr_amt) AS amt FROM vm060_run u GROUP BY u.depr_acct ORDER BY u.depr_acct LOOP
      PERFORM pk_v_autoslip.require_slip_account(r.depr_acct, '감가상각누계액');
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, r.depr_acct, v_title || '감가상각누계액', 0, r.amt, '{}'::JSONB);
      v_seq := v_seq + 1;
    END LOOP;
    v_slip := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_dn, pu_ip, btrim(pu_emp_no));

    INSERT INTO vm060ms (depr_ym, slip_no, total_amt, asset_cnt, u_date, u_ip, u_emp_no)
    VALUES (v_ym, v_slip, v_total, v_count, LOCALTIMESTAMP(0), left(pu_ip, 20), btrim(pu_emp_no));
    INSERT INTO vm060dt SELECT * FROM vm060_run;
    UPDATE vm010ms a
       SET depr_sum_amt = a.depr_sum_amt + u.depr_amt,
           remn_amt = a.remn_amt - u.depr_amt,
           last_dep_dt = v_dn,
           end_aset = CASE WHEN a.remn_amt - u.depr_amt <= pk_v_asset.residual_floor(a.book_amt, a.rdm_kind)
                           THEN 'Y' ELSE a.end_aset END,
           rdm_fini_prid = CASE WHEN a.remn_amt - u.depr_amt <= pk_v_asset.residual_floor(a.book_amt, a.rdm_kind)
                                THEN v_term ELSE a.rdm_fini_prid END,
           u_date = LOCALTIMESTAMP(0), u_ip = left(pu_ip, 20), u_emp_no = btrim(pu_emp_no)
      FROM vm060_run u
     WHERE u.vsfx_code = a.vsfx_code;
    DELETE FROM vm060_run;
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    preturnv := 'E' || SQLERRM;
    RETURN;
  END;
  preturnv := 'R' || v_slip;
  prtn_date := to_char(v_dn, 'YYYY-MM-DD');
END
$$;

-- Undoes the depreciation run whose slip is being deleted: the assets get
-- back what the run took, and the month may run again. A month is undone
-- only while no later month has run, so that every run stays the step
-- from the one before.
CREATE OR REPLACE FUNCTION pk_v_asset.undo_run(p_slip_no TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ym  TEXT;
  r     RECORD;
BEGIN
  SELECT depr_ym INTO v_ym FROM vm060ms WHERE slip_no = p_slip_no FOR UPDATE;
  IF NOT FOUND THEN
    RETURN;
  END IF;
  SELECT depr_ym, slip_no INTO r FROM vm060ms WHERE depr_ym > v_ym ORDER BY depr_ym DESC LIMIT 1;
  IF FOUND THEN
    PERFORM pk_common.raise_app_error(20141, r.depr_ym || ' 월의 감가상각 전표(' || r.slip_no
                                             || ')를 먼저 삭제하세요.');
  END IF;
  UPDATE vm010ms a
     SET depr_sum_amt = a.depr_sum_amt - d.depr_amt,
         remn_amt = a.remn_amt + d.depr_amt,
         last_dep_dt = d.old_last_dep_dt,
         end_aset = d.old_end_aset,
         rdm_fini_prid = d.old_fini_prid,
         u_date = LOCALTIMESTAMP(0)
    FROM vm060dt d
   WHERE d.depr_ym = v_ym AND d.vsfx_code = a.vsfx_code;
  DELETE FROM vm060ms WHERE depr_ym = v_ym;
END
$$;

---------------------------------------------------------------------------
-- Transfers
---------------------------------------------------------------------------

-- Applies ('INS') or undoes ('DEL') the transfers of day I_SILS_DATE out of
-- department I_STRG_CODE.
--   INS: every transfer row of the day not yet applied names an asset of
--        the department; the asset moves to the row's departments and the
--        row records those it came from; the day's document (VM020MS) holds
--        the destination and the count. A disposed asset, an asset of
--        another department and a move into the department the asset is
--        already in are refused.
--   DEL: the assets of the day's transfers out of the department go back
--        where they came from, and the rows and the document go. An asset
--        that has moved on since is refused.
-- O_CHK answers 'Y', or 'E' and the reason with nothing changed.
CREATE OR REPLACE FUNCTION pr_v_move_asset_update(i_sils_date TEXT, i_strg_code TEXT, i_flag TEXT,
                                                  OUT o_chk TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_day   DATE := pk_v_autoslip.to_day(i_sils_date);
  v_from  TEXT := btrim(i_strg_code);
  v_flag  TEXT := upper(btrim(i_flag));
  v_count INTEGER := 0;
  v_dest  TEXT;
  r       RECORD;
BEGIN
  IF v_day IS NULL THEN
    o_chk := 'E이동일자가 올바르지 않습니다.(' || coalesce(i_sils_date, '') || ')';
    RETURN;
  END IF;
  IF v_from IS NULL OR v_from = '' THEN
    o_chk := 'E부서를 선택하고 저장하세요.';
    RETURN;
  END IF;
  IF v_flag IS NULL OR v_flag NOT IN ('INS', 'DEL') THEN
    o_chk := 'E처리구분이 올바르지 않습니다.(' || coalesce(i_flag, '') || ')';
    RETURN;
  END IF;
  BEGIN
    IF v_flag = 'INS' THEN
      FOR r IN SELECT m.fxmvfxcd, m.fxmvnxdp, m.fxmvnudp, a.vsfx_code, a.aset_nm, a.og_dept_cd, a.dept_cd,
                      a.sal_waste_yn
                 FROM vm050ms m LEFT JOIN vm010ms a ON a.vsfx_code = m.fxmvfxcd
                WHERE m.fxmvdate = v_day AND m.fxmvbfdp IS NULL
                ORDER BY m.fxmvfxcd
                  FOR UPDATE OF m LOOP
        IF r.vsfx_code IS NULL THEN
          PERFORM pk_common.raise_app_error(20142, '등록되지 않은 자산입니다.(' || r.fxmvfxcd || ')');
        ELSIF r.sal_waste_yn = 'Y' THEN
          PERFORM pk_common.raise_app_error(20142, '[' || r.vsfx_code || ' ' || coalesce(r.aset_nm, '')
                                                   || '] 처분된 자산은 이동할 수 없습니다.');
        ELSIF r.og_dept_cd IS DISTINCT FROM v_from THEN
          PERFORM pk_common.raise_app_error(20142, '[' || r.vsfx_code || ' ' || coalesce(r.aset_nm, '')
                                                   || '] 부서(' || v_from || ')의 자산이 아닙니다.');
        ELSIF r.fxmvnxdp = r.og_dept_cd THEN
          PERFORM pk_common.raise_app_error(20142, '[' || r.vsfx_code || ' ' || coalesce(r.aset_nm, '')
                                                   || '] 이미 이동부서(' || r.fxmvnxdp || ')의 자산입니다.');
        ELSIF NOT EXISTS (SELECT 1 FROM va160ms WHERE aff_dept_code = r.fxmvnxdp) THEN
          PERFORM pk_common.raise_app_error(20142, '등록되지 않은 이동부서입니다.(' || r.fxmvnxdp || ')');
        END IF;
        UPDATE vm050ms SET fxmvbfdp = r.og_dept_cd, fxmvbudp = coalesce(r.dept_cd, r.og_dept_cd)
         WHERE fxmvdate = v_day AND fxmvfxcd = r.fxmvfxcd;
        UPDATE vm010ms SET og_dept_cd = r.fxmvnxdp, dept_cd = r.fxmvnudp WHERE vsfx_code = r.vsfx_code;
        v_count := v_count + 1;
        v_dest := r.fxmvnxdp;
      END LOOP;
      IF v_count = 0 THEN
        PERFORM pk_common.raise_app_error(20142, '이동할 자산이 없습니다.');
      END IF;
      INSERT INTO vm020ms AS h (sils_date, strg_code, dest_code, item_cnt, u_date)
      SELECT to_char(v_day, 'YYYYMMDD'), v_from, v_dest, count(*), LOCALTIMESTAMP(0)
        FROM vm050ms WHERE fxmvdate = v_day AND fxmvbfdp = v_from
      ON CONFLICT (sils_date, strg_code) DO UPDATE
         SET dest_code = EXCLUDED.dest_code, item_cnt = EXCLUDED.item_cnt, u_date = EXCLUDED.u_date;
    ELSE
      FOR r IN SELECT m.fxmvfxcd, m.fxmvbfdp, m.fxmvbudp, m.fxmvnxdp, a.aset_nm, a.og_dept_cd
                 FROM vm050ms m JOIN vm010ms a ON a.vsfx_code = m.fxmvfxcd
                WHERE m.fxmvdate = v_day AND m.fxmvbfdp = v_from
                ORDER BY m.fxmvfxcd
                  FOR UPDATE OF m, a LOOP
        IF r.og_dept_cd IS DISTINCT FROM r.fxmvnxdp
           OR EXISTS (SELECT 1 FROM vm050ms l WHERE l.fxmvfxcd = r.fxmvfxcd AND l.fxmvdate > v_day) THEN
          PERFORM pk_common.raise_app_error(20142, '[' || r.fxmvfxcd || ' ' || coalesce(r.aset_nm, '')
                                                   || '] 이후에 다시 이동된 자산은 되돌릴 수 없습니다.');
        END IF;
        UPDATE vm010ms SET og_dept_cd = r.fxmvbfdp, dept_cd = r.fxmvbudp WHERE vsfx_code = r.fxmvfxcd;
      END LOOP;
      DELETE FROM vm050ms WHERE fxmvdate = v_day AND fxmvbfdp = v_from;
      DELETE FROM vm020ms WHERE sils_date = to_char(v_day, 'YYYYMMDD') AND strg_code = v_from;
    END IF;
  EXCEPTION WHEN SQLSTATE 'UE142' THEN
    o_chk := 'E' || SQLERRM;
    RETURN;
  END;
  o_chk := 'Y';
END
$$;

-- Deletes the transfer document of a day and department: its assets go
-- back where they came from ('DEL' is the only flag).
CREATE OR REPLACE FUNCTION pr_o_date_stock_sil_update(i_sils_date TEXT, i_strg_code TEXT, i_flag TEXT,
                                                      OUT o_chk TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
BEGIN
  IF upper(btrim(i_flag)) IS DISTINCT FROM 'DEL' THEN
    o_chk := 'E처리구분이 올바르지 않습니다.(' || coalesce(i_flag, '') || ')';
    RETURN;
  END IF;
  o_chk := pr_v_move_asset_update(i_sils_date, i_strg_code, 'DEL');
END
$$;
