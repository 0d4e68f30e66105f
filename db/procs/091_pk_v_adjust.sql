-- Package pk_v_adjust: the rules of the operating income/expense rows
-- (VZ100MS) that the adjustment screen corrects.
--  - A row keeps the slip line it stands for: its line, dates, account,
--    description and department do not change.
--  - The amounts follow the refund flag: a refund row shows the line's credit
--    as a negative supply amount, any other row the line's own amounts, so
--    converting twice changes nothing and unticking the flag gives the
--    original amounts back.
--  - Empty texts are stored as NULL; the month is YYYYMM; an operating
--    account is one of VX010MS.
--  - When a confirmation is cancelled its rows go, but what they were
--    classified as is kept (VZ101MS) and comes back when the same line is
--    confirmed again with the same account and amounts.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_adjust;

CREATE OR REPLACE FUNCTION pk_v_adjust.normalised(p_row vz100ms) RETURNS vz100ms
LANGUAGE plpgsql IMMUTABLE AS
$$
BEGIN
  p_row.bu_acct_code := nullif(btrim(p_row.bu_acct_code), '');
  p_row.apply_ym := nullif(regexp_replace(coalesce(p_row.apply_ym, ''), '[^0-9]', '', 'g'), '');
  p_row.acct_rem := nullif(btrim(p_row.acct_rem), '');
  p_row.gubun_code := nullif(btrim(p_row.gubun_code), '');
  p_row.by_code := nullif(btrim(p_row.by_code), '');
  p_row.except_yn := coalesce(p_row.except_yn, 'N');
  p_row.give_yn := coalesce(p_row.give_yn, 'N');
  p_row.re_yn := coalesce(p_row.re_yn, 'N');
  p_row.vat_amt := coalesce(p_row.vat_amt, 0);
  p_row.adj_amt := coalesce(p_row.adj_amt, 0);
  p_row.acct_amt := coalesce(p_row.acct_amt, 0);
  RETURN p_row;
END
$$;

CREATE OR REPLACE FUNCTION pk_v_adjust.check_row(p_row vz100ms) RETURNS VOID
LANGUAGE plpgsql STABLE AS
$$
BEGIN
  IF p_row.apply_ym IS NOT NULL AND p_row.apply_ym !~ '^[0-9]{4}(0[1-9]|1[0-2])$' THEN
    PERFORM pk_common.raise_app_error(20120, '적용월을 바르게 입력하세요.(YYYYMM) : ' || p_row.apply_ym);
  END IF;
  IF p_row.bu_acct_code IS NOT NULL AND NOT EXISTS (SELECT 1 FROM vx010ms WHERE bu_acct_code = p_row.bu_acct_code) THEN
    PERFORM pk_common.raise_app_error(20121, '등록되지 않은 영업수지 계정과목입니다.(' || p_row.bu_acct_code || ')');
  END IF;
END
$$;

-- Before a row is corrected.
CREATE OR REPLACE FUNCTION pk_v_adjust.vz100ms_update() RETURNS TRIGGER
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  l RECORD;
BEGIN
  IF (NEW.slip_no, NEW.slip_seq, NEW.sli_date, NEW.slip_date, NEW.acct_code, NEW.ref_data, NEW.dept_code)
     IS DISTINCT FROM (OLD.slip_no, OLD.slip_seq, OLD.sli_date, OLD.slip_date, OLD.acct_code, OLD.ref_data,
                       OLD.dept_code) THEN
    PERFORM pk_common.raise_app_error(20122, '영업수지 자료의 전표 내역은 바꿀 수 없습니다.(' || OLD.slip_no || ')');
  END IF;
  NEW := pk_v_adjust.normalised(NEW);
  PERFORM pk_v_adjust.check_row(NEW);
  SELECT d_amount, c_amount INTO l FROM vb011ms WHERE slip_no = NEW.slip_no AND slip_seq_no = NEW.slip_seq;
  IF NOT FOUND THEN
    NEW.dr_amt := OLD.dr_amt;
    NEW.cr_amt := OLD.cr_amt;
  ELSIF NEW.re_yn = 'Y' THEN
    NEW.dr_amt := -l.c_amount;
    NEW.cr_amt := 0;
  ELSE
    NEW.dr_amt := l.d_amount;
    NEW.cr_amt := l.c_amount;
  END IF;
  RETURN NEW;
END
$$;

-- When a confirmation is cancelled: keep what the row was classified as.
CREATE OR REPLACE FUNCTION pk_v_adjust.vz100ms_delete() RETURNS TRIGGER
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  l RECORD;
BEGIN
  SELECT acct_code, d_amount, c_amount INTO l FROM vb011ms WHERE slip_no = OLD.slip_no AND slip_seq_no = OLD.slip_seq;
  -- a line that goes itself takes its classification with it
  IF FOUND THEN
    INSERT INTO vz101ms AS k (slip_no, slip_seq, acct_code, line_d_amt, line_c_amt, vat_amt, adj_amt, bu_acct_code,
                              apply_ym, except_yn, acct_rem, acct_amt, give_yn, re_yn, gubun_code, by_code,
                              u_date, u_emp_no)
    VALUES (OLD.slip_no, OLD.slip_seq, l.acct_code, l.d_amount, l.c_amount, OLD.vat_amt, OLD.adj_amt,
            OLD.bu_acct_code, OLD.apply_ym, OLD.except_yn, OLD.acct_rem, OLD.acct_amt, OLD.give_yn, OLD.re_yn,
            OLD.gubun_code, OLD.by_code, OLD.u_date, OLD.u_emp_no)
    ON CONFLICT (slip_no, slip_seq) DO UPDATE
       SET acct_code = EXCLUDED.acct_code, line_d_amt = EXCLUDED.line_d_amt, line_c_amt = EXCLUDED.line_c_amt,
           vat_amt = EXCLUDED.vat_amt, adj_amt = EXCLUDED.adj_amt, bu_acct_code = EXCLUDED.bu_acct_code,
           apply_ym = EXCLUDED.apply_ym, except_yn = EXCLUDED.except_yn, acct_rem = EXCLUDED.acct_rem,
           acct_amt = EXCLUDED.acct_amt, give_yn = EXCLUDED.give_yn, re_yn = EXCLUDED.re_yn,
           gubun_code = EXCLUDED.gubun_code, by_code = EXCLUDED.by_code, u_date = EXCLUDED.u_date,
           u_emp_no = EXCLUDED.u_emp_no;
  END IF;
  RETURN OLD;
END
$$;

-- When a line is confirmed: the classification kept from an earlier
-- confirmation of the same line comes back. The month, the confirmed amount
-- and the paid flag are those of the new confirmation; the remark stays
-- unless the new one gives its own.
CREATE OR REPLACE FUNCTION pk_v_adjust.vz100ms_insert() RETURNS TRIGGER
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  k vz101ms;
BEGIN
  DELETE FROM vz101ms WHERE slip_no = NEW.slip_no AND slip_seq = NEW.slip_seq RETURNING * INTO k;
  IF k.slip_no IS NOT NULL AND k.acct_code IS NOT DISTINCT FROM NEW.acct_code
     AND (k.line_d_amt, k.line_c_amt) IS NOT DISTINCT FROM (NEW.dr_amt, NEW.cr_amt) THEN
    NEW.vat_amt := k.vat_amt;
    NEW.adj_amt := k.adj_amt;
    NEW.bu_acct_code := coalesce(k.bu_acct_code, NEW.bu_acct_code);
    NEW.except_yn := k.except_yn;
    NEW.acct_rem := coalesce(nullif(btrim(NEW.acct_rem), ''), k.acct_rem);
    NEW.re_yn := k.re_yn;
    NEW.gubun_code := k.gubun_code;
    NEW.by_code := k.by_code;
    IF NEW.re_yn = 'Y' THEN
      NEW.dr_amt := -k.line_c_amt;
      NEW.cr_amt := 0;
    END IF;
  END IF;
  NEW := pk_v_adjust.normalised(NEW);
  RETURN NEW;
END
$$;

DROP TRIGGER IF EXISTS vz100ms_adjust_update ON vz100ms;
CREATE TRIGGER vz100ms_adjust_update BEFORE UPDATE ON vz100ms
  FOR EACH ROW EXECUTE FUNCTION pk_v_adjust.vz100ms_update();
DROP TRIGGER IF EXISTS vz100ms_adjust_delete ON vz100ms;
CREATE TRIGGER vz100ms_adjust_delete BEFORE DELETE ON vz100ms
  FOR EACH ROW EXECUTE FUNCTION pk_v_adjust.vz100ms_delete();
DROP TRIGGER IF EXISTS vz100ms_adjust_insert ON vz100ms;
CREATE TRIGGER vz100ms_adjust_insert BEFORE INSERT ON vz100ms
  FOR EACH ROW EXECUTE FUNCTION pk_v_adjust.vz100ms_insert();
