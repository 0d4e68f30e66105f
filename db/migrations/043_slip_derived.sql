-- Tables derived from confirmed slips by confirmation and month closing.
-- The books and statements read them; no screen writes them.

-- Monthly sums per account. BD_AMOUNT/BC_AMOUNT are the term-to-date debits
-- and credits at month end; BAL_AMOUNT is the balance at month end
-- (positive for a debit balance).
CREATE TABLE vb071ms (
  sum_month  VARCHAR(6)    NOT NULL,
  acct_code  VARCHAR(7)    NOT NULL,
  d_amount   NUMERIC(15,0) NOT NULL DEFAULT 0,
  c_amount   NUMERIC(15,0) NOT NULL DEFAULT 0,
  bal_amount NUMERIC(15,0) NOT NULL DEFAULT 0,
  bd_amount  NUMERIC(15,0) NOT NULL DEFAULT 0,
  bc_amount  NUMERIC(15,0) NOT NULL DEFAULT 0,
  u_date     TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vb071ms_pk PRIMARY KEY (sum_month, acct_code)
);
CREATE INDEX vb071ms_acct_ix ON vb071ms (acct_code, sum_month);

-- Monthly sums per account and management-item value.
CREATE TABLE vb061ms (
  sum_month  VARCHAR(6)    NOT NULL,
  acct_code  VARCHAR(7)    NOT NULL,
  mg_code    VARCHAR(3)    NOT NULL,
  mg_detail  VARCHAR(100)  NOT NULL,
  d_amount   NUMERIC(15,0) NOT NULL DEFAULT 0,
  c_amount   NUMERIC(15,0) NOT NULL DEFAULT 0,
  bal_amount NUMERIC(15,0) NOT NULL DEFAULT 0,
  u_date     TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vb061ms_pk PRIMARY KEY (sum_month, acct_code, mg_code, mg_detail)
);
CREATE INDEX vb061ms_acct_ix ON vb061ms (acct_code, mg_code, mg_detail);

-- Daily movements of balance-managed accounts by up to three item values
-- (item code and value per balance position 1 to 3).
CREATE TABLE vb080ms (
  acct_code    VARCHAR(7)    NOT NULL,
  slip_date    DATE          NOT NULL,
  item_cd1     VARCHAR(3),
  item_desc1   VARCHAR(100),
  item_desc1nm VARCHAR(200),
  item_cd2     VARCHAR(3),
  item_desc2   VARCHAR(100),
  item_desc2nm VARCHAR(200),
  item_cd3     VARCHAR(3),
  item_desc3   VARCHAR(100),
  item_desc3nm VARCHAR(200),
  dr_amt       NUMERIC(15,0) NOT NULL DEFAULT 0,
  cr_amt       NUMERIC(15,0) NOT NULL DEFAULT 0,
  u_date       TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT vb080ms_uk UNIQUE NULLS NOT DISTINCT
    (acct_code, slip_date, item_cd1, item_desc1, item_cd2, item_desc2, item_cd3, item_desc3)
);
CREATE INDEX vb080ms_date_ix ON vb080ms (slip_date, acct_code);

-- Monthly sums of the cash and deposit accounts per bank and account number,
-- with the balance brought into the month.
CREATE TABLE vb085ms (
  acct_code    VARCHAR(7)    NOT NULL,
  slip_ym      VARCHAR(6)    NOT NULL,
  item_desc1   VARCHAR(100),
  item_desc1nm VARCHAR(200),
  item_desc2   VARCHAR(100),
  bf_amt       NUMERIC(15,0) NOT NULL DEFAULT 0,
  dr_amt       NUMERIC(15,0) NOT NULL DEFAULT 0,
  cr_amt       NUMERIC(15,0) NOT NULL DEFAULT 0,
  u_date       TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT vb085ms_uk UNIQUE NULLS NOT DISTINCT (acct_code, slip_ym, item_desc1, item_desc2)
);
CREATE INDEX vb085ms_ym_ix ON vb085ms (slip_ym, acct_code);

-- Tax-invoice records carried by confirmed slip lines.
CREATE TABLE vb040ms (
  slip_no     VARCHAR(8)    NOT NULL,
  slip_seq_no INTEGER       NOT NULL,
  conf_date   DATE,
  c_num       VARCHAR(12),
  c_name      VARCHAR(60),
  boss_name   VARCHAR(30),
  c_type      VARCHAR(50),
  c_item      VARCHAR(50),
  volume      INTEGER       NOT NULL DEFAULT 1,
  sup_price   NUMERIC(15,0) NOT NULL DEFAULT 0,
  tax         NUMERIC(15,0) NOT NULL DEFAULT 0,
  total_price NUMERIC(15,0) NOT NULL DEFAULT 0,
  bill_type   VARCHAR(2),
  company     VARCHAR(4),
  deal_date   VARCHAR(10),
  tax_date    DATE,
  summary     VARCHAR(100),
  u_date      TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT vb040ms_pk PRIMARY KEY (slip_no, slip_seq_no),
  CONSTRAINT vb040ms_line_fk FOREIGN KEY (slip_no, slip_seq_no)
    REFERENCES vb011ms (slip_no, slip_seq_no) ON DELETE CASCADE
);
CREATE INDEX vb040ms_conf_ix ON vb040ms (conf_date, company, bill_type);
CREATE INDEX vb040ms_cnum_ix ON vb040ms (c_num);
