-- Accounts, management items and account rules that slips or rules still use
-- cannot be deleted: the delete is refused as a reference violation (SQLSTATE
-- 23503, "update or delete on table ..."), which the client reports as
-- "자료를 수정하거나 삭제할 수 없습니다." instead of leaving slip lines and rules
-- that point nowhere.

-- Rules no longer vanish with their account or item.  An item code that is
-- renamed still carries its rules along (the renaming itself is refused while
-- slips use the code, below).
ALTER TABLE va040ms
  DROP CONSTRAINT va040ms_acct_fk,
  ADD CONSTRAINT va040ms_acct_fk FOREIGN KEY (acct_code)
    REFERENCES va020ms (acct_code) ON UPDATE NO ACTION ON DELETE NO ACTION,
  DROP CONSTRAINT va040ms_mg_fk,
  ADD CONSTRAINT va040ms_mg_fk FOREIGN KEY (mg_code)
    REFERENCES va030ms (mg_code) ON UPDATE CASCADE ON DELETE NO ACTION;

-- Slip item values (VB011DT) name their account and item without a foreign
-- key of their own (the slip package writes them from the staging tables), so
-- the master rows they use are guarded here.  The slip lines (VB011MS) hold a
-- foreign key to the account already.

CREATE OR REPLACE FUNCTION fn_va020ms_refuse_used()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF TG_OP = 'UPDATE' AND NEW.acct_code = OLD.acct_code THEN
    RETURN NEW;
  END IF;
  IF EXISTS (SELECT 1 FROM vb011dt WHERE acct_code = OLD.acct_code) THEN
    RAISE EXCEPTION USING
      ERRCODE = 'foreign_key_violation',
      MESSAGE = format('update or delete on table "va020ms" is refused: slip item values (vb011dt) still use account %s',
                       OLD.acct_code);
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END;
$$;

CREATE TRIGGER va020ms_refuse_used
  BEFORE DELETE OR UPDATE OF acct_code ON va020ms
  FOR EACH ROW EXECUTE FUNCTION fn_va020ms_refuse_used();

CREATE OR REPLACE FUNCTION fn_va030ms_refuse_used()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF TG_OP = 'UPDATE' AND NEW.mg_code = OLD.mg_code THEN
    RETURN NEW;
  END IF;
  IF EXISTS (SELECT 1 FROM vb011dt WHERE mg_code = OLD.mg_code) THEN
    RAISE EXCEPTION USING
      ERRCODE = 'foreign_key_violation',
      MESSAGE = format('update or delete on table "va030ms" is refused: slip item values (vb011dt) still use management item %s',
                       OLD.mg_code);
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END;
$$;

CREATE TRIGGER va030ms_refuse_used
  BEFORE DELETE OR UPDATE OF mg_code ON va030ms
  FOR EACH ROW EXECUTE FUNCTION fn_va030ms_refuse_used();

-- A rule (account and item) that slip item values use must stay.  The rules
-- screen saves a rule set by deleting the account's rules and inserting the
-- new ones in one transaction, so the check waits for the end of the
-- transaction: a rule that is written again (in any position) passes, one
-- that is gone while slips carry its item is refused at commit.  Retiring
-- such a rule is done with its USE_YN flag.
CREATE OR REPLACE FUNCTION fn_va040ms_refuse_used()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF TG_OP = 'UPDATE' AND NEW.acct_code = OLD.acct_code AND NEW.mg_code = OLD.mg_code THEN
    RETURN NULL;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM va040ms WHERE acct_code = OLD.acct_code AND mg_code = OLD.mg_code)
     AND EXISTS (SELECT 1 FROM vb011dt WHERE acct_code = OLD.acct_code AND mg_code = OLD.mg_code) THEN
    RAISE EXCEPTION USING
      ERRCODE = 'foreign_key_violation',
      MESSAGE = format('update or delete on table "va040ms" is refused: slip item values (vb011dt) of account %s still use management item %s',
                       OLD.acct_code, OLD.mg_code);
  END IF;
  RETURN NULL;
END;
$$;

CREATE CONSTRAINT TRIGGER va040ms_refuse_used
  AFTER DELETE OR UPDATE OF acct_code, mg_code ON va040ms
  DEFERRABLE INITIALLY DEFERRED
  FOR EACH ROW EXECUTE FUNCTION fn_va040ms_refuse_used();
