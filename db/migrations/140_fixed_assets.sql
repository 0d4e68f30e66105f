-- Fixed assets: item codes, the asset register with its photo and its
-- building or vehicle particulars, increases, disposals, transfers between
-- departments and the monthly depreciation runs.
--
--   VM007MS  item codes (품목분류)
--   VM010MS  the register, one row per asset code
--   VM010DT  the asset's photo (JPEG)
--   VM011MS  building particulars, VM012MS vehicle particulars
--   VM013MS  the accounts a depreciation run posts to, per asset account
--   VM035MS  increases, VM025MS disposals
--   VM020MS  transfer documents (date, source department), VM050MS their assets
--   VM060MS  depreciation runs per month with their slip, VM060DT per asset
--
-- Dates are DATE columns; the screens read and write them as 'YYYY-MM-DD'.

CREATE TABLE vm007ms (
  vsfxstm   VARCHAR(10)  NOT NULL,
  vsfxsnm   VARCHAR(60)  NOT NULL,
  use_yn    CHAR(1)      NOT NULL DEFAULT 'Y',
  u_date    TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip      VARCHAR(20),
  u_emp_no  VARCHAR(10),
  CONSTRAINT vm007ms_pk PRIMARY KEY (vsfxstm),
  CONSTRAINT vm007ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);

CREATE TABLE vm010ms (
  vsfx_code     VARCHAR(8)    NOT NULL,
  -- one row per code: always 1
  vsfx_seq      INTEGER       NOT NULL DEFAULT 1,
  vsfx_dtm      VARCHAR(2)    NOT NULL,
  vsfx_mtm      VARCHAR(4),
  vsfx_stm      VARCHAR(10),
  pos_clf       VARCHAR(1)    NOT NULL DEFAULT 'K',
  acq_dt        DATE,
  acq_clf       VARCHAR(1)    NOT NULL DEFAULT '1',
  acct_sbj_cd   VARCHAR(7)    NOT NULL,
  buy_co        VARCHAR(10),
  aset_nm       VARCHAR(100),
  rmks          VARCHAR(200),
  qty           NUMERIC(5)    NOT NULL DEFAULT 0,
  prc           NUMERIC(15)   NOT NULL DEFAULT 0,
  vsfx_size     VARCHAR(100),
  indl_cost     NUMERIC(15)   NOT NULL DEFAULT 0,
  uc_aset_clf   VARCHAR(1),
  usg_cd        VARCHAR(3),
  dept_cd       VARCHAR(4),
  sal_waste_yn  CHAR(1)       NOT NULL DEFAULT 'N',
  reval_date    DATE,
  reval_count   INTEGER,
  cont_yys      NUMERIC(3),
  rdm_kind      VARCHAR(1)    NOT NULL DEFAULT '1',
  rdm_rate      NUMERIC(6,3),
  rdm_yn        CHAR(1)       NOT NULL DEFAULT 'Y',
  mid_aset_yn   CHAR(1)       NOT NULL DEFAULT 'N',
  og_dept_cd    VARCHAR(4)    NOT NULL,
  end_aset      CHAR(1)       NOT NULL DEFAULT 'N',
  acq_amt       NUMERIC(15)   NOT NULL DEFAULT 0,
  ctrm_incr_amt NUMERIC(15)   NOT NULL DEFAULT 0,
  ctrm_dcs_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  book_amt      NUMERIC(15),
  depr_sum_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  remn_amt      NUMERIC(15),
  rdm_fini_prid INTEGER,
  last_dep_dt   DATE,
  old_vsfx      VARCHAR(8),
  u_date        TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT vm010ms_pk PRIMARY KEY (vsfx_code),
  CONSTRAINT vm010ms_item_fk FOREIGN KEY (vsfx_stm) REFERENCES vm007ms (vsfxstm) ON UPDATE CASCADE,
  -- the class code followed by a six-digit serial number
  CONSTRAINT vm010ms_code_ck CHECK (vsfx_code ~ '^[0-9A-Z]{2}[0-9]{6}$' AND left(vsfx_code, 2) = vsfx_dtm),
  CONSTRAINT vm010ms_acq_clf_ck CHECK (acq_clf IN ('1', '2', '3')),
  CONSTRAINT vm010ms_rdm_kind_ck CHECK (rdm_kind IN ('1', '2')),
  CONSTRAINT vm010ms_flags_ck CHECK (sal_waste_yn IN ('Y', 'N') AND rdm_yn IN ('Y', 'N')
                                     AND mid_aset_yn IN ('Y', 'N') AND end_aset IN ('Y', 'N')),
  CONSTRAINT vm010ms_rate_ck CHECK (rdm_rate IS NULL OR (rdm_rate >= 0 AND rdm_rate <= 1)),
  CONSTRAINT vm010ms_life_ck CHECK (cont_yys IS NULL OR cont_yys > 0),
  CONSTRAINT vm010ms_amounts_ck CHECK (acq_amt >= 0 AND depr_sum_amt >= 0 AND qty >= 0)
);
CREATE INDEX vm010ms_class_ix ON vm010ms (vsfx_dtm);
CREATE INDEX vm010ms_dept_ix ON vm010ms (og_dept_cd);

-- A new asset is worth its acquisition amount; a changed acquisition amount
-- moves the book and residual values by the difference, so depreciation
-- already taken stays taken.
CREATE OR REPLACE FUNCTION fn_vm010ms_amounts()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  IF TG_OP = 'INSERT' THEN
    NEW.book_amt := coalesce(NEW.book_amt, NEW.acq_amt);
    NEW.remn_amt := coalesce(NEW.remn_amt, NEW.book_amt - NEW.depr_sum_amt);
  ELSIF NEW.acq_amt IS DISTINCT FROM OLD.acq_amt THEN
    NEW.book_amt := coalesce(OLD.book_amt, 0) + NEW.acq_amt - OLD.acq_amt;
    NEW.remn_amt := coalesce(OLD.remn_amt, 0) + NEW.acq_amt - OLD.acq_amt;
  END IF;
  NEW.vsfx_seq := 1;
  RETURN NEW;
END;
$$;

CREATE TRIGGER vm010ms_amounts
  BEFORE INSERT OR UPDATE ON vm010ms
  FOR EACH ROW EXECUTE FUNCTION fn_vm010ms_amounts();

-- The photo goes with its asset; a code change carries it along.
CREATE TABLE vm010dt (
  vsfx_code  VARCHAR(8)   NOT NULL,
  vsfx_pict  BYTEA        NOT NULL,
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vm010dt_pk PRIMARY KEY (vsfx_code),
  CONSTRAINT vm010dt_asset_fk FOREIGN KEY (vsfx_code) REFERENCES vm010ms (vsfx_code)
    ON UPDATE CASCADE ON DELETE CASCADE,
  -- a JPEG file begins with its start-of-image marker
  CONSTRAINT vm010dt_jpeg_ck CHECK (substring(vsfx_pict FROM 1 FOR 3) = '\xffd8ff'::BYTEA)
);

CREATE TABLE vm011ms (
  vsfx_code      VARCHAR(8)    NOT NULL,
  vsfx_local     VARCHAR(110),
  vsfx_dt        DATE,
  vsfx_reg       DATE,
  land_category  VARCHAR(60),
  vsfx_type      VARCHAR(60),
  lot_number     VARCHAR(40),
  land_area      NUMERIC(12,2),
  floor_area     NUMERIC(12,2),
  room_ea        INTEGER,
  design         VARCHAR(60),
  capa_rate      NUMERIC(7,2),
  floor_rate     NUMERIC(7,2),
  vsfx_remk      VARCHAR(60),
  u_date         TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip           VARCHAR(20),
  u_emp_no       VARCHAR(10),
  CONSTRAINT vm011ms_pk PRIMARY KEY (vsfx_code),
  CONSTRAINT vm011ms_asset_fk FOREIGN KEY (vsfx_code) REFERENCES vm010ms (vsfx_code)
    ON UPDATE CASCADE ON DELETE CASCADE,
  -- vehicles keep their particulars in VM012MS
  CONSTRAINT vm011ms_class_ck CHECK (vsfx_code NOT LIKE '60%')
);

CREATE TABLE vm012ms (
  vsfx_code  VARCHAR(8)    NOT NULL,
  vcar_name  VARCHAR(60),
  vcar_kind  VARCHAR(60),
  vcar_type  VARCHAR(60),
  vcar_year  VARCHAR(4),
  vcar_gb    VARCHAR(60),
  vcar_num   VARCHAR(60),
  vcar_use   VARCHAR(60),
  vcar_colr  VARCHAR(20),
  vcar_date  DATE,
  vcar_jadt  VARCHAR(30),
  vcar_jidt  VARCHAR(30),
  vcar_remk  VARCHAR(60),
  u_date     TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vm012ms_pk PRIMARY KEY (vsfx_code),
  CONSTRAINT vm012ms_asset_fk FOREIGN KEY (vsfx_code) REFERENCES vm010ms (vsfx_code)
    ON UPDATE CASCADE ON DELETE CASCADE,
  CONSTRAINT vm012ms_class_ck CHECK (vsfx_code LIKE '60%'),
  CONSTRAINT vm012ms_year_ck CHECK (vcar_year IS NULL OR vcar_year ~ '^[0-9]{4}$')
);

-- Where a run posts the depreciation of the assets kept on an asset
-- account: the accumulated depreciation (credit), and the expense (debit)
-- of a cost department or of a selling and administrative one.
CREATE TABLE vm013ms (
  acct_sbj_cd     VARCHAR(7)   NOT NULL,
  depr_acct       VARCHAR(7)   NOT NULL,
  cost_exp_acct   VARCHAR(7)   NOT NULL,
  admin_exp_acct  VARCHAR(7)   NOT NULL,
  u_date          TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip            VARCHAR(20),
  u_emp_no        VARCHAR(10),
  CONSTRAINT vm013ms_pk PRIMARY KEY (acct_sbj_cd)
);

CREATE TABLE vm035ms (
  fxicdate   DATE          NOT NULL,
  vsfx_code  VARCHAR(8)    NOT NULL,
  fxicseq    INTEGER       NOT NULL,
  fxicamt    NUMERIC(15)   NOT NULL DEFAULT 0,
  fxicscd    VARCHAR(3)    NOT NULL,
  fxicdesc   VARCHAR(200),
  fxicctno   VARCHAR(20),
  u_date     TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vm035ms_pk PRIMARY KEY (vsfx_code, fxicdate, fxicseq),
  CONSTRAINT vm035ms_asset_fk FOREIGN KEY (vsfx_code) REFERENCES vm010ms (vsfx_code) ON UPDATE CASCADE,
  CONSTRAINT vm035ms_seq_ck CHECK (fxicseq > 0)
);

CREATE TABLE vm025ms (
  vsfx_code     VARCHAR(8)    NOT NULL,
  occr_dt       DATE          NOT NULL,
  impl_kind     VARCHAR(1)    NOT NULL DEFAULT '1',
  rect_pay_clf  VARCHAR(1),
  impl_amt      NUMERIC(15)   NOT NULL DEFAULT 0,
  impl_vat      NUMERIC(15)   NOT NULL DEFAULT 0,
  cust_cd       VARCHAR(10),
  rmks          VARCHAR(200),
  depr_cnt      NUMERIC(5)    NOT NULL DEFAULT 0,
  bas_book_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  bas_depr_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  bas_remn_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  add_amt       NUMERIC(15)   NOT NULL DEFAULT 0,
  dsc_book_amt  NUMERIC(15),
  dsc_depr_amt  NUMERIC(15),
  dsc_remn_amt  NUMERIC(15),
  u_date        TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT vm025ms_pk PRIMARY KEY (vsfx_code, occr_dt),
  CONSTRAINT vm025ms_asset_fk FOREIGN KEY (vsfx_code) REFERENCES vm010ms (vsfx_code) ON UPDATE CASCADE,
  CONSTRAINT vm025ms_kind_ck CHECK (impl_kind IN ('1', '2')),
  CONSTRAINT vm025ms_cnt_ck CHECK (depr_cnt >= 0)
);

-- A disposal takes the asset's acquisition value (with the term's
-- increases) and its accumulated depreciation out of the books, marks the
-- asset sold or scrapped and takes the disposed quantity off it. Editing a
-- disposal applies only the change of quantity; removing the asset's last
-- disposal brings it back.
CREATE OR REPLACE FUNCTION fn_vm025ms_amounts()
RETURNS trigger
LANGUAGE plpgsql AS
$$
BEGIN
  NEW.dsc_book_amt := NEW.bas_book_amt + NEW.add_amt;
  NEW.dsc_depr_amt := NEW.bas_depr_amt;
  NEW.dsc_remn_amt := NEW.dsc_book_amt - NEW.dsc_depr_amt;
  RETURN NEW;
END;
$$;

CREATE TRIGGER vm025ms_amounts
  BEFORE INSERT OR UPDATE ON vm025ms
  FOR EACH ROW EXECUTE FUNCTION fn_vm025ms_amounts();

CREATE OR REPLACE FUNCTION fn_vm025ms_asset()
RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
BEGIN
  IF TG_OP IN ('UPDATE', 'DELETE') THEN
    UPDATE vm010ms
       SET qty = qty + OLD.depr_cnt,
           sal_waste_yn = CASE WHEN EXISTS (SELECT 1 FROM vm025ms d WHERE d.vsfx_code = OLD.vsfx_code)
                               THEN 'Y' ELSE 'N' END
     WHERE vsfx_code = OLD.vsfx_code;
  END IF;
  IF TG_OP IN ('INSERT', 'UPDATE') THEN
    UPDATE vm010ms SET qty = qty - NEW.depr_cnt, sal_waste_yn = 'Y' WHERE vsfx_code = NEW.vsfx_code;
  END IF;
  RETURN NULL;
END;
$$;

CREATE TRIGGER vm025ms_asset
  AFTER INSERT OR UPDATE OR DELETE ON vm025ms
  FOR EACH ROW EXECUTE FUNCTION fn_vm025ms_asset();

-- The transfer document: the assets one source department moved on a day,
-- with the destination and the count. Written by PR_V_MOVE_ASSET_UPDATE.
CREATE TABLE vm020ms (
  sils_date  VARCHAR(8)   NOT NULL,
  strg_code  VARCHAR(4)   NOT NULL,
  dest_code  VARCHAR(4)   NOT NULL,
  item_cnt   INTEGER      NOT NULL DEFAULT 0,
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vm020ms_pk PRIMARY KEY (sils_date, strg_code),
  CONSTRAINT vm020ms_date_ck CHECK (sils_date ~ '^[0-9]{8}$')
);

-- One row per asset and transfer day: FXMVBFDP / FXMVBUDP the cost and
-- using departments the asset came from (recorded when the transfer is
-- applied), FXMVNXDP / FXMVNUDP those it went to.
CREATE TABLE vm050ms (
  fxmvdate  DATE          NOT NULL,
  fxmvfxcd  VARCHAR(8)    NOT NULL,
  fxmvbfdp  VARCHAR(4),
  fxmvnxdp  VARCHAR(4)    NOT NULL,
  fxmvbudp  VARCHAR(4),
  fxmvnudp  VARCHAR(4)    NOT NULL,
  fxmvbfat  VARCHAR(7),
  fxmvbrat  VARCHAR(7),
  fxmvnfat  VARCHAR(7),
  fxmvnrat  VARCHAR(7),
  fxmvqty   NUMERIC(5)    NOT NULL DEFAULT 0,
  u_date    TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip      VARCHAR(20),
  u_emp_no  VARCHAR(10),
  CONSTRAINT vm050ms_pk PRIMARY KEY (fxmvdate, fxmvfxcd),
  CONSTRAINT vm050ms_asset_fk FOREIGN KEY (fxmvfxcd) REFERENCES vm010ms (vsfx_code) ON UPDATE CASCADE
);
CREATE INDEX vm050ms_from_ix ON vm050ms (fxmvdate, fxmvbfdp);

-- A month's depreciation run and the slip it wrote; the per-asset rows keep
-- what the run changed, so that deleting the slip undoes exactly that.
CREATE TABLE vm060ms (
  depr_ym    VARCHAR(6)   NOT NULL,
  slip_no    VARCHAR(8)   NOT NULL,
  total_amt  NUMERIC(15)  NOT NULL,
  asset_cnt  INTEGER      NOT NULL,
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vm060ms_pk PRIMARY KEY (depr_ym),
  CONSTRAINT vm060ms_slip_uk UNIQUE (slip_no),
  CONSTRAINT vm060ms_slip_fk FOREIGN KEY (slip_no) REFERENCES vb010ms (slip_no),
  CONSTRAINT vm060ms_ym_ck CHECK (depr_ym ~ '^[0-9]{4}(0[1-9]|1[0-2])$')
);

CREATE TABLE vm060dt (
  depr_ym          VARCHAR(6)   NOT NULL,
  vsfx_code        VARCHAR(8)   NOT NULL,
  og_dept_cd       VARCHAR(4)   NOT NULL,
  exp_acct         VARCHAR(7)   NOT NULL,
  depr_acct        VARCHAR(7)   NOT NULL,
  depr_amt         NUMERIC(15)  NOT NULL,
  old_last_dep_dt  DATE,
  old_end_aset     CHAR(1)      NOT NULL,
  old_fini_prid    INTEGER,
  CONSTRAINT vm060dt_pk PRIMARY KEY (depr_ym, vsfx_code),
  CONSTRAINT vm060dt_run_fk FOREIGN KEY (depr_ym) REFERENCES vm060ms (depr_ym) ON DELETE CASCADE,
  CONSTRAINT vm060dt_asset_fk FOREIGN KEY (vsfx_code) REFERENCES vm010ms (vsfx_code) ON UPDATE CASCADE
);
CREATE INDEX vm060dt_asset_ix ON vm060dt (vsfx_code);

-- Deleting the slip of a depreciation run (slip entry marks it deleted)
-- undoes the run: whatever removes the slip, the assets get their
-- depreciation back and the month may run again.
CREATE OR REPLACE FUNCTION fn_vb010ms_depreciation_undo()
RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
BEGIN
  IF NEW.slip_del_yn = 'Y' AND OLD.slip_del_yn IS DISTINCT FROM 'Y' THEN
    PERFORM pk_v_asset.undo_run(NEW.slip_no);
  END IF;
  RETURN NULL;
END;
$$;

CREATE TRIGGER vb010ms_depreciation_undo
  AFTER UPDATE OF slip_del_yn ON vb010ms
  FOR EACH ROW EXECUTE FUNCTION fn_vb010ms_depreciation_undo();

-- The lines of a depreciation run's slip are what the run wrote into the
-- register: replacing them in slip entry would part the books from the
-- assets, so the slip is deleted (which undoes the run) and the month run
-- again instead.
CREATE OR REPLACE FUNCTION fn_vb011ms_depreciation_lines()
RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
BEGIN
  IF EXISTS (SELECT 1 FROM vm060ms WHERE slip_no = OLD.slip_no) THEN
    PERFORM pk_common.raise_app_error(20144, '감가상각 전표(' || OLD.slip_no
                                             || ')는 수정할 수 없습니다. 전표를 삭제한 후 다시 처리하세요.');
  END IF;
  RETURN OLD;
END;
$$;

CREATE TRIGGER vb011ms_depreciation_lines
  BEFORE DELETE ON vb011ms
  FOR EACH ROW EXECUTE FUNCTION fn_vb011ms_depreciation_lines();
