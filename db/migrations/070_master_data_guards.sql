-- Guards of the master data that the maintenance screens keep: customers and
-- departments that slips use keep their codes, authority periods of one
-- employee do not overlap, and the codes of the operating income/expense
-- classification have the widths every reader relies on.

-- Customers.  Slip item values name a customer by its code under the items
-- whose value list reads the customer register (customers, banks, card
-- companies); tax-invoice rows name it by its business number.  While such a
-- value exists the code cannot change and the customer cannot go (bank
-- accounts follow a code change through their foreign key, and hold a
-- delete back through it).
CREATE OR REPLACE FUNCTION fn_va050ms_refuse_used()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF TG_OP = 'UPDATE' AND NEW.c_code = OLD.c_code THEN
    RETURN NEW;
  END IF;
  IF EXISTS (SELECT 1
               FROM vb011dt d
               JOIN va030ms m ON m.mg_code = d.mg_code
              WHERE d.mg_detail = OLD.c_code
                AND m.mg_type = '2'
                AND upper(m.con_code) LIKE '%VA050MS%') THEN
    RAISE EXCEPTION USING
      ERRCODE = 'foreign_key_violation',
      MESSAGE = format('update or delete on table "va050ms" is refused: slip item values (vb011dt) still use customer %s',
                       OLD.c_code);
  END IF;
  IF TG_OP = 'DELETE' AND OLD.c_num IS NOT NULL
     AND EXISTS (SELECT 1 FROM vb040ms WHERE c_num = OLD.c_num) THEN
    RAISE EXCEPTION USING
      ERRCODE = 'foreign_key_violation',
      MESSAGE = format('delete on table "va050ms" is refused: tax invoices (vb040ms) still use customer %s',
                       OLD.c_code);
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END;
$$;

CREATE TRIGGER va050ms_refuse_used
  BEFORE DELETE OR UPDATE OF c_code ON va050ms
  FOR EACH ROW EXECUTE FUNCTION fn_va050ms_refuse_used();

-- The resident or corporate number is kept as its 13 digits; a value typed
-- with the dash of its mask is stored without it.
CREATE OR REPLACE FUNCTION fn_va050ms_soc_id()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  NEW.soc_id := nullif(replace(btrim(NEW.soc_id), '-', ''), '');
  RETURN NEW;
END;
$$;

CREATE TRIGGER va050ms_soc_id
  BEFORE INSERT OR UPDATE OF soc_id ON va050ms
  FOR EACH ROW EXECUTE FUNCTION fn_va050ms_soc_id();

ALTER TABLE va050ms
  ADD CONSTRAINT va050ms_soc_id_ck CHECK (soc_id IS NULL OR soc_id ~ '^[0-9]{13}$'),
  ADD CONSTRAINT va050ms_c_num_ck CHECK (c_num IS NULL OR c_num ~ '^[0-9]{3}-[0-9]{2}-[0-9]{5}$');

-- Accounting departments.  Slips, employees and the department items of slip
-- lines name a department by its code; while any does, the code stays.
CREATE OR REPLACE FUNCTION fn_va160ms_refuse_used()
RETURNS trigger
LANGUAGE plpgsql AS
$$
DECLARE
  v_user TEXT;
BEGIN
  IF TG_OP = 'UPDATE' AND NEW.aff_dept_code = OLD.aff_dept_code THEN
    RETURN NEW;
  END IF;
  IF EXISTS (SELECT 1 FROM vb010ms WHERE dept_code = OLD.aff_dept_code) THEN
    v_user := 'slips (vb010ms)';
  ELSIF EXISTS (SELECT 1
                  FROM vb011dt d
                  JOIN va030ms m ON m.mg_code = d.mg_code
                 WHERE d.mg_detail = OLD.aff_dept_code
                   AND m.mg_type = '2'
                   AND upper(m.con_code) LIKE '%VA160MS%') THEN
    v_user := 'slip item values (vb011dt)';
  ELSIF EXISTS (SELECT 1 FROM qa010ms
                 WHERE emp_acc_dept_code = OLD.aff_dept_code) THEN
    v_user := 'employees (qa010ms)';
  ELSIF EXISTS (SELECT 1 FROM va160ms
                 WHERE dept_code = OLD.aff_dept_code AND aff_dept_code <> OLD.aff_dept_code) THEN
    v_user := 'lower departments (va160ms)';
  END IF;
  IF v_user IS NOT NULL THEN
    RAISE EXCEPTION USING
      ERRCODE = 'foreign_key_violation',
      MESSAGE = format('update or delete on table "va160ms" is refused: %s still use department %s',
                       v_user, OLD.aff_dept_code);
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END;
$$;

CREATE TRIGGER va160ms_refuse_used
  BEFORE DELETE OR UPDATE OF aff_dept_code ON va160ms
  FOR EACH ROW EXECUTE FUNCTION fn_va160ms_refuse_used();

-- User authority.  The screen replaces an employee's periods as a whole
-- (delete, then insert), so the overlap test waits for the end of the
-- transaction and sees the periods as they are then.
CREATE OR REPLACE FUNCTION fn_va010ms_no_overlap()
RETURNS trigger
LANGUAGE plpgsql AS
$$
DECLARE
  v_other DATE;
BEGIN
  SELECT st_date INTO v_other
    FROM va010ms
   WHERE emp_no = NEW.emp_no
     AND st_date <> NEW.st_date
     AND st_date <= NEW.ed_date
     AND ed_date >= NEW.st_date
   LIMIT 1;
  IF FOUND THEN
    PERFORM pk_common.raise_app_error(20130,
      format('사용기간이 다른 기간과 겹칩니다. [%s] %s ~ %s / %s',
             NEW.emp_no, to_char(NEW.st_date, 'YYYY-MM-DD'), to_char(NEW.ed_date, 'YYYY-MM-DD'),
             to_char(v_other, 'YYYY-MM-DD')));
  END IF;
  RETURN NULL;
END;
$$;

CREATE CONSTRAINT TRIGGER va010ms_no_overlap
  AFTER INSERT OR UPDATE ON va010ms
  DEFERRABLE INITIALLY DEFERRED
  FOR EACH ROW EXECUTE FUNCTION fn_va010ms_no_overlap();

-- Operating income/expense codes: six digits, level parts of two digits;
-- classification codes are one to six 2-digit parts with their length.
ALTER TABLE vx010ms
  ADD CONSTRAINT vx010ms_code_ck CHECK (bu_acct_code ~ '^[0-9]{6}$'),
  ADD CONSTRAINT vx010ms_parts_ck CHECK (
        coalesce(gubun_code1, '00') ~ '^[0-9]{2}$' AND coalesce(gubun_code2, '00') ~ '^[0-9]{2}$'
    AND coalesce(gubun_code3, '00') ~ '^[0-9]{2}$' AND coalesce(gubun_code4, '00') ~ '^[0-9]{2}$'
    AND coalesce(gubun_code5, '00') ~ '^[0-9]{2}$' AND coalesce(gubun_code6, '00') ~ '^[0-9]{2}$');

ALTER TABLE vx011ms
  ADD CONSTRAINT vx011ms_code_ck CHECK (gubun_code ~ '^([0-9]{2}){1,6}$' AND code_length = length(gubun_code)::TEXT);
