-- Sources of the generated slips and the register of what was generated.
--
-- Payroll (the personnel system's tables the accounting side reads):
--   QD110MS  pay items: what each item is and the accounts it posts to
--   QD100MS  pay runs: pay kind (common code 'Q047'), pay month, pay date
--            and the company account the net pay leaves from
--   QD100DT  amounts of a pay run per department and pay item
-- Daily sales (the point-of-sale summaries of the outlets):
--   VB091MS  outlets with their department and revenue account
--   VB092MS  payment kinds with the account that receives them
--   VB090MS  sales per day, outlet and payment kind
-- VB095MS remembers which slips a pay run or a sales day produced, so that a
-- second run is refused while those slips exist.

CREATE TABLE qd110ms (
  pay_item_cd  VARCHAR(3)   NOT NULL,
  pay_item_nm  VARCHAR(40)  NOT NULL,
  -- '1' earning, '2' deduction
  item_kind    CHAR(1)      NOT NULL,
  -- earnings: '1' pay and allowances, '2' bonuses; deductions: NULL
  slip_grp     CHAR(1),
  -- the account of a cost department (원가) and of a selling and
  -- administrative department (판관); a deduction names its withholding
  -- account in both
  cost_acct    VARCHAR(7)   NOT NULL,
  admin_acct   VARCHAR(7)   NOT NULL,
  sort_ord     INTEGER      NOT NULL DEFAULT 0,
  use_yn       CHAR(1)      NOT NULL DEFAULT 'Y',
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT qd110ms_pk PRIMARY KEY (pay_item_cd),
  CONSTRAINT qd110ms_kind_ck CHECK (item_kind IN ('1', '2')),
  CONSTRAINT qd110ms_grp_ck CHECK ((item_kind = '1' AND slip_grp IN ('1', '2'))
                                   OR (item_kind = '2' AND slip_grp IS NULL)),
  CONSTRAINT qd110ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);

CREATE TABLE qd100ms (
  pay_code     VARCHAR(2)   NOT NULL,
  pay_ym       VARCHAR(6)   NOT NULL,
  pay_date     DATE         NOT NULL,
  bank_code    VARCHAR(10)  NOT NULL,
  bank_account VARCHAR(30)  NOT NULL,
  remark       VARCHAR(100),
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT qd100ms_pk PRIMARY KEY (pay_code, pay_ym),
  CONSTRAINT qd100ms_ym_ck CHECK (pay_ym ~ '^[0-9]{4}(0[1-9]|1[0-2])$')
);

CREATE TABLE qd100dt (
  pay_code     VARCHAR(2)    NOT NULL,
  pay_ym       VARCHAR(6)    NOT NULL,
  dept_code    VARCHAR(4)    NOT NULL,
  pay_item_cd  VARCHAR(3)    NOT NULL,
  pay_amt      NUMERIC(15,0) NOT NULL,
  emp_cnt      INTEGER,
  CONSTRAINT qd100dt_pk PRIMARY KEY (pay_code, pay_ym, dept_code, pay_item_cd),
  CONSTRAINT qd100dt_run_fk FOREIGN KEY (pay_code, pay_ym) REFERENCES qd100ms (pay_code, pay_ym) ON DELETE CASCADE,
  CONSTRAINT qd100dt_item_fk FOREIGN KEY (pay_item_cd) REFERENCES qd110ms (pay_item_cd)
);

CREATE TABLE vb091ms (
  outlet_code  VARCHAR(4)   NOT NULL,
  outlet_name  VARCHAR(40)  NOT NULL,
  dept_code    VARCHAR(4)   NOT NULL,
  acct_code    VARCHAR(7)   NOT NULL,
  use_yn       CHAR(1)      NOT NULL DEFAULT 'Y',
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vb091ms_pk PRIMARY KEY (outlet_code)
);

CREATE TABLE vb092ms (
  pay_way      VARCHAR(2)   NOT NULL,
  pay_way_name VARCHAR(40)  NOT NULL,
  acct_code    VARCHAR(7)   NOT NULL,
  -- item values the receiving account may ask for: card company (105),
  -- bank (103) and account number (104), customer (101)
  card_code    VARCHAR(10),
  bank_code    VARCHAR(10),
  bank_account VARCHAR(30),
  cust_code    VARCHAR(10),
  use_yn       CHAR(1)      NOT NULL DEFAULT 'Y',
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vb092ms_pk PRIMARY KEY (pay_way)
);

CREATE TABLE vb090ms (
  sale_date    DATE          NOT NULL,
  outlet_code  VARCHAR(4)    NOT NULL,
  pay_way      VARCHAR(2)    NOT NULL,
  sale_amt     NUMERIC(15,0) NOT NULL,
  sale_cnt     INTEGER,
  u_date       TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vb090ms_pk PRIMARY KEY (sale_date, outlet_code, pay_way),
  CONSTRAINT vb090ms_outlet_fk FOREIGN KEY (outlet_code) REFERENCES vb091ms (outlet_code),
  CONSTRAINT vb090ms_way_fk FOREIGN KEY (pay_way) REFERENCES vb092ms (pay_way)
);

-- gen_kind 'P' a pay run (gen_key pay kind || pay month), 'S' a sales day
-- (gen_key 'YYYY-MM-DD'); slip_ord the slip's place in the run.
CREATE TABLE vb095ms (
  slip_no      VARCHAR(8)   NOT NULL,
  gen_kind     CHAR(1)      NOT NULL,
  gen_key      VARCHAR(20)  NOT NULL,
  slip_ord     INTEGER      NOT NULL,
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vb095ms_pk PRIMARY KEY (slip_no),
  CONSTRAINT vb095ms_slip_fk FOREIGN KEY (slip_no) REFERENCES vb010ms (slip_no),
  CONSTRAINT vb095ms_kind_ck CHECK (gen_kind IN ('P', 'S'))
);
CREATE INDEX vb095ms_key_ix ON vb095ms (gen_kind, gen_key);

-- The deposit register takes order numbers above zero only.
ALTER TABLE vb010ms_temp ADD CONSTRAINT vb010ms_temp_ord_ck CHECK (sort_ord IS NULL OR sort_ord > 0);
