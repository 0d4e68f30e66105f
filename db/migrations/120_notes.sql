-- Notes: the notes and cheques received from customers (VF010MS), the books
-- of blank forms the banks hand out (VF050MS) with one row per form
-- (VF060MS), and the work table of a settlement-slip run (VF065TM).

-- One row per note received. Codes and dates as the register keeps them;
-- the slip columns and the safekeeping, return and dishonour particulars are
-- written by the processing of the note and carried through every save.
CREATE TABLE vf010ms (
  bill_no          VARCHAR(15)   NOT NULL,
  bill_kd          CHAR(1)       NOT NULL,
  bill_type        CHAR(1)       NOT NULL,
  cust_cd          VARCHAR(10)   NOT NULL,
  isu_dt           DATE,
  exp_dt           DATE,
  isur             VARCHAR(40),
  pay_bank_cd      VARCHAR(10),
  pay_bank_nm      VARCHAR(40),
  rmks             VARCHAR(60),
  bill_amt         NUMERIC(11,0),
  colt_dt          DATE,
  -- '0' unprocessed, '1' settled, '2' discounted, '3' endorsed, '4' dishonoured
  bill_proc_cd     CHAR(1),
  bill_proc_dt     DATE,
  hold_dt          DATE,
  hold_bank_cd     VARCHAR(10),
  return_dt        DATE,
  return_bank_cd   VARCHAR(10),
  isu_acc_sh_dt    DATE,
  isu_acc_sh_no    VARCHAR(14),
  isu_acc_sh_sq    NUMERIC(3,0),
  stl_acc_sh_dt    DATE,
  stl_acc_sh_no    VARCHAR(14),
  stl_acc_sh_sq    NUMERIC(3,0),
  disc_acc_sh_dt   DATE,
  disc_acc_sh_no   VARCHAR(14),
  disc_acc_sh_sq   NUMERIC(3,0),
  chn_acc_sh_dt    DATE,
  chn_acc_sh_no    VARCHAR(14),
  chn_acc_sh_sq    NUMERIC(3,0),
  bad_acc_sh_dt    DATE,
  bad_acc_sh_no    VARCHAR(14),
  bad_acc_sh_sq    NUMERIC(3,0),
  bad_acc_sh_accd  VARCHAR(7),
  bad_acc_sh_acc1  VARCHAR(10),
  bad_acc_sh_acc2  CHAR(1),
  bad_acc_sh_acc3  VARCHAR(100),
  disc_slt_dt      DATE,
  disc_cfm_dt      DATE,
  disc_bank_cd     VARCHAR(10),
  disc_rate        NUMERIC(5,3),
  disc_term        NUMERIC(3,0),
  disc_coll_amt    NUMERIC(9,0),
  disc_charge      NUMERIC(9,0),
  disc_in_bank_cd  VARCHAR(10),
  disc_disp_amt    NUMERIC(9,0),
  u_emp_no         VARCHAR(10),
  u_date           TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip             VARCHAR(20),
  CONSTRAINT vf010ms_pk PRIMARY KEY (bill_no)
);
CREATE INDEX vf010ms_cust_exp_ix ON vf010ms (cust_cd, exp_dt);
CREATE INDEX vf010ms_exp_ix ON vf010ms (exp_dt);

-- Books of forms received from a bank.
CREATE TABLE vf050ms (
  fin_inst_cd  VARCHAR(10)  NOT NULL,
  -- '1' notes, '2' cheques
  bill_clf     CHAR(1)      NOT NULL,
  strt_no      VARCHAR(12)  NOT NULL,
  rcp_dt       VARCHAR(10),
  rcp_sht      INTEGER,
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vf050ms_pk PRIMARY KEY (fin_inst_cd, bill_clf, strt_no),
  CONSTRAINT vf050ms_clf_ck CHECK (bill_clf IN ('1', '2'))
);

-- One row per form. The book procedure creates the forms before the book
-- row is written and replaces them before its key changes, hence the
-- deferred reference.
CREATE TABLE vf060ms (
  bill_clf       CHAR(1)       NOT NULL,
  bill_no        VARCHAR(15)   NOT NULL,
  fin_inst_cd    VARCHAR(10)   NOT NULL,
  strt_no        VARCHAR(12)   NOT NULL,
  rcp_dt         VARCHAR(10),
  -- '0' blank, '1' issued, '2' pledged, '3' discarded, '4' crossed,
  -- '5' settled, '6' cancelled
  bill_proc_cd   CHAR(1)       NOT NULL DEFAULT '0',
  bill_proc_dt   VARCHAR(10),
  rmks           VARCHAR(100),
  cust_cd        VARCHAR(10),
  isu_dt         VARCHAR(10),
  exp_dt         VARCHAR(10),
  bill_amt       NUMERIC(15,0),
  isu_acc_sh_no  VARCHAR(8),
  isu_acc_sh_dt  VARCHAR(10),
  stl_acc_sh_no  VARCHAR(8),
  stl_acc_sh_dt  VARCHAR(10),
  jikeub_dt      VARCHAR(10),
  stl_dt         VARCHAR(10),
  u_date         TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip           VARCHAR(20),
  u_emp_no       VARCHAR(10),
  CONSTRAINT vf060ms_pk PRIMARY KEY (bill_clf, bill_no),
  CONSTRAINT vf060ms_book_fk FOREIGN KEY (fin_inst_cd, bill_clf, strt_no)
    REFERENCES vf050ms (fin_inst_cd, bill_clf, strt_no) DEFERRABLE INITIALLY DEFERRED
);
CREATE INDEX vf060ms_book_ix ON vf060ms (fin_inst_cd, bill_clf, strt_no);
CREATE INDEX vf060ms_issue_ix ON vf060ms (isu_acc_sh_no);
CREATE INDEX vf060ms_due_ix ON vf060ms (bill_clf, bill_proc_cd, fin_inst_cd, exp_dt);

-- The notes a settlement-slip run is to settle. Each connection sees and
-- writes only its own rows, so two workstations running at once never take
-- each other's notes.
CREATE TABLE vf065tm (
  sess_key     INTEGER      NOT NULL DEFAULT pg_backend_pid(),
  bill_clf     VARCHAR(1),
  fin_inst_cd  VARCHAR(10),
  fin_inst_nm  VARCHAR(100),
  cust_cd      VARCHAR(10),
  c_num        VARCHAR(20),
  cuse_nm      VARCHAR(100),
  bill_no      VARCHAR(15),
  isu_dt       VARCHAR(10),
  exp_dt       VARCHAR(10),
  bill_amt     VARCHAR(20)
);
CREATE INDEX vf065tm_sess_ix ON vf065tm (sess_key);
ALTER TABLE vf065tm ENABLE ROW LEVEL SECURITY;
CREATE POLICY vf065tm_own ON vf065tm
  USING (sess_key = pg_backend_pid()) WITH CHECK (sess_key = pg_backend_pid());

-- A form is issued by the confirmation of its slip and settled by its
-- settlement slip, both written by the notes package; the client may only
-- keep blank forms (states 0, 2, 3, 4), give an issued form its payment
-- date, and delete blank forms.
CREATE OR REPLACE FUNCTION fn_vf060ms_guard()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF current_setting('pk_v_note.writing', true) = 'on' THEN
    RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
  END IF;
  IF TG_OP = 'DELETE' THEN
    IF OLD.bill_proc_cd IS DISTINCT FROM '0' THEN
      PERFORM pk_common.raise_app_error(20710, '이미 사용된 어음이나 수표가 있으므로 삭제할 수 없습니다.('
                                               || OLD.bill_no || ')');
    END IF;
    RETURN OLD;
  END IF;
  IF TG_OP = 'INSERT' THEN
    IF NEW.bill_proc_cd IS DISTINCT FROM '0' THEN
      PERFORM pk_common.raise_app_error(20710, '어음이나 수표는 미처리 상태로만 등록할 수 있습니다.('
                                               || NEW.bill_no || ')');
    END IF;
    RETURN NEW;
  END IF;
  IF OLD.bill_proc_cd IN ('1', '5', '6') THEN
    IF (NEW.bill_clf, NEW.bill_no, NEW.fin_inst_cd, NEW.strt_no, NEW.bill_proc_cd, NEW.cust_cd, NEW.isu_dt,
        NEW.exp_dt, NEW.bill_amt, NEW.isu_acc_sh_no, NEW.isu_acc_sh_dt, NEW.stl_acc_sh_no, NEW.stl_acc_sh_dt,
        NEW.stl_dt)
       IS DISTINCT FROM
       (OLD.bill_clf, OLD.bill_no, OLD.fin_inst_cd, OLD.strt_no, OLD.bill_proc_cd, OLD.cust_cd, OLD.isu_dt,
        OLD.exp_dt, OLD.bill_amt, OLD.isu_acc_sh_no, OLD.isu_acc_sh_dt, OLD.stl_acc_sh_no, OLD.stl_acc_sh_dt,
        OLD.stl_dt) THEN
      PERFORM pk_common.raise_app_error(20711, '이미 발행된 어음이나 수표는 처리할 수 없습니다.(' || OLD.bill_no || ')');
    END IF;
  ELSIF NEW.bill_proc_cd IN ('1', '5', '6') THEN
    PERFORM pk_common.raise_app_error(20711, '어음이나 수표의 발행과 결제는 전표로만 처리됩니다.(' || OLD.bill_no || ')');
  END IF;
  RETURN NEW;
END
$$;

CREATE TRIGGER vf060ms_guard
  BEFORE INSERT OR UPDATE OR DELETE ON vf060ms
  FOR EACH ROW EXECUTE FUNCTION fn_vf060ms_guard();

-- A settlement or collection slip that is deleted gives its notes back: the
-- forms it settled are issued again, the received notes it collected are
-- unprocessed again, so that they can be settled anew.
CREATE OR REPLACE FUNCTION fn_vb010ms_note_slip_deleted()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF NEW.slip_del_yn = 'Y' AND OLD.slip_del_yn IS DISTINCT FROM 'Y' THEN
    SET LOCAL pk_v_note.writing = 'on';
    UPDATE vf060ms
       SET bill_proc_cd = '1', bill_proc_dt = isu_acc_sh_dt, stl_acc_sh_no = NULL, stl_acc_sh_dt = NULL,
           stl_dt = NULL, u_date = LOCALTIMESTAMP(0), u_ip = NEW.u_ip, u_emp_no = NEW.u_emp_no
     WHERE stl_acc_sh_no = NEW.slip_no AND bill_proc_cd = '5';
    UPDATE vf010ms
       SET bill_proc_cd = '0', bill_proc_dt = NULL, stl_acc_sh_no = NULL, stl_acc_sh_dt = NULL,
           stl_acc_sh_sq = NULL, u_date = LOCALTIMESTAMP(0), u_ip = NEW.u_ip, u_emp_no = NEW.u_emp_no
     WHERE stl_acc_sh_no = NEW.slip_no AND bill_proc_cd = '1';
    SET LOCAL pk_v_note.writing = '';
  END IF;
  RETURN NEW;
END
$$;

CREATE TRIGGER vb010ms_note_slip_deleted
  AFTER UPDATE OF slip_del_yn ON vb010ms
  FOR EACH ROW EXECUTE FUNCTION fn_vb010ms_note_slip_deleted();
