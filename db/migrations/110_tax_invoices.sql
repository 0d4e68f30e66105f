-- The register of hand-written tax invoices, the management-number counters
-- and the business places the company files its invoice summaries for.
SET client_min_messages = warning;

-- One row per invoice written out on pre-printed paper. The totals are the
-- sums of the invoice's lines (checked at commit, see below); a payment split
-- is either all zeros or adds up to the grand total.
CREATE TABLE ve010ms (
  bill_seq_no   VARCHAR(8)    NOT NULL,
  c_code        VARCHAR(10),
  c_num         VARCHAR(15),
  c_name        VARCHAR(50),
  boss_name     VARCHAR(50),
  c_type        VARCHAR(30),
  c_item        VARCHAR(30),
  addr          VARCHAR(90),
  bill_type     VARCHAR(2)    NOT NULL,
  bill_type_nm  VARCHAR(30),
  price_type    VARCHAR(1)    NOT NULL,
  price_type_nm VARCHAR(30),
  billbook_no   VARCHAR(4),
  billbook_ho   VARCHAR(6),
  tax_date      DATE,
  issue_date    DATE          NOT NULL DEFAULT CURRENT_DATE,
  ts_price      NUMERIC(10,0) NOT NULL DEFAULT 0,
  t_tax         NUMERIC(9,0)  NOT NULL DEFAULT 0,
  cash_amt      NUMERIC(10,0) NOT NULL DEFAULT 0,
  chek_amt      NUMERIC(10,0) NOT NULL DEFAULT 0,
  bill_amt      NUMERIC(10,0) NOT NULL DEFAULT 0,
  misu_amt      NUMERIC(10,0) NOT NULL DEFAULT 0,
  slip_no       VARCHAR(15),
  conf_date     DATE,
  u_date        TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT ve010ms_pk PRIMARY KEY (bill_seq_no),
  CONSTRAINT ve010ms_split_ck CHECK (cash_amt + chek_amt + bill_amt + misu_amt = 0
                                     OR cash_amt + chek_amt + bill_amt + misu_amt = ts_price + t_tax),
  CONSTRAINT ve010ms_no_tax_ck CHECK (bill_type <> '5' OR t_tax = 0)
);
CREATE INDEX ve010ms_date_ix ON ve010ms (tax_date, c_code);

-- The item lines: box n of the form is line n, gaps allowed.
CREATE TABLE ve012dt (
  bill_seq_no  VARCHAR(8)    NOT NULL,
  seq_no       INTEGER       NOT NULL,
  def_date     VARCHAR(4),
  product_name VARCHAR(50),
  p_size       VARCHAR(10),
  quantity     NUMERIC(8,0),
  unit_price   NUMERIC(10,0),
  sup_price    NUMERIC(10,0) NOT NULL DEFAULT 0,
  tax          NUMERIC(9,0)  NOT NULL DEFAULT 0,
  summary      VARCHAR(100),
  u_date       TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT ve012dt_pk PRIMARY KEY (bill_seq_no, seq_no),
  CONSTRAINT ve012dt_seq_ck CHECK (seq_no BETWEEN 1 AND 5),
  CONSTRAINT ve012dt_head_fk FOREIGN KEY (bill_seq_no) REFERENCES ve010ms (bill_seq_no) ON DELETE CASCADE
);

-- At the end of the transaction that wrote an invoice or its lines, the
-- header's totals must be the sums of its lines: a printed invoice whose
-- total disagrees with its items is worse than a refused save.
CREATE FUNCTION ve010ms_totals_check() RETURNS TRIGGER
LANGUAGE plpgsql AS
$$
DECLARE
  v_no   TEXT := CASE WHEN TG_OP = 'DELETE' THEN OLD.bill_seq_no ELSE NEW.bill_seq_no END;
  v_head ve010ms%ROWTYPE;
  v_sup  NUMERIC;
  v_tax  NUMERIC;
BEGIN
  SELECT * INTO v_head FROM ve010ms WHERE bill_seq_no = v_no;
  IF NOT FOUND THEN
    RETURN NULL;
  END IF;
  SELECT coalesce(sum(sup_price), 0), coalesce(sum(tax), 0) INTO v_sup, v_tax FROM ve012dt WHERE bill_seq_no = v_no;
  IF v_sup <> v_head.ts_price OR v_tax <> v_head.t_tax THEN
    RAISE EXCEPTION USING ERRCODE = 'UE110',
      MESSAGE = format('세금계산서 %s의 공급가액/세액 합계(%s/%s)가 품목 합계(%s/%s)와 맞지 않습니다.',
                       v_no, v_head.ts_price, v_head.t_tax, v_sup, v_tax);
  END IF;
  RETURN NULL;
END
$$;
CREATE CONSTRAINT TRIGGER ve010ms_totals AFTER INSERT OR UPDATE ON ve010ms
  DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION ve010ms_totals_check();
CREATE CONSTRAINT TRIGGER ve012dt_totals AFTER INSERT OR UPDATE OR DELETE ON ve012dt
  DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION ve010ms_totals_check();

-- Management-number counters of PR_GETADMINNO: one per kind and key (the
-- fiscal term for invoice numbers, the year for book numbers). Written only
-- by the numbering function.
CREATE TABLE ve090ms (
  gubun   VARCHAR(2)   NOT NULL,
  no_key  VARCHAR(10)  NOT NULL,
  last_no INTEGER      NOT NULL DEFAULT 0,
  u_date  TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT ve090ms_pk PRIMARY KEY (gubun, no_key),
  CONSTRAINT ve090ms_no_ck CHECK (last_no >= 0)
);

-- The business places the company files for: installation data that the
-- filing file, the official summary forms and the printed invoice read.
-- COMPANY is the value of VB040MS.COMPANY that selects a place's rows.
CREATE TABLE ve030ms (
  place_ord  INTEGER      NOT NULL,
  company    VARCHAR(4)   NOT NULL,
  place_name VARCHAR(30)  NOT NULL,
  reg_no     VARCHAR(10)  NOT NULL,
  c_name     VARCHAR(60)  NOT NULL,
  boss_name  VARCHAR(30)  NOT NULL,
  addr       VARCHAR(150) NOT NULL,
  c_type     VARCHAR(50)  NOT NULL,
  c_item     VARCHAR(50)  NOT NULL,
  tax_office VARCHAR(3)   NOT NULL,
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT ve030ms_pk PRIMARY KEY (company),
  CONSTRAINT ve030ms_ord_uk UNIQUE (place_ord),
  CONSTRAINT ve030ms_reg_ck CHECK (reg_no ~ '^[0-9]{10}$'),
  CONSTRAINT ve030ms_office_ck CHECK (tax_office ~ '^[0-9]{3}$')
);

-- One customer per registration number (the first registered), for the
-- statements that join the invoice rows to the customer master by number:
-- two customers sharing a number must not count an invoice twice.
CREATE VIEW va050ms_by_num AS
  SELECT DISTINCT ON (c_num) c_num, c_code, c_name, boss_name, c_type, c_item, addr1, addr2
    FROM va050ms
   WHERE c_num IS NOT NULL AND btrim(c_num) <> ''
   ORDER BY c_num, c_code;
